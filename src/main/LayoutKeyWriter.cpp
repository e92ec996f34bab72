#include "main/LayoutKeyWriter.h"

#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/FontNames.h"
#include "present/QtText.h"
#include "present/TextEffectKeys.h"

#include <algorithm>

namespace lotavo::ui {

namespace {

const char* kLayout = "frmMainLabel";

// The layout stores points; a font chosen in pixels is converted at the screen's 96 dpi.
int pointSizeOf(const QFont& font)
{
    return font.pointSize() > 0 ? font.pointSize() : std::max(1, font.pixelSize() * 72 / 96);
}

}  // namespace

LayoutKeyWriter::~LayoutKeyWriter()
{
    if (!m_error.empty())
        showErrorMessage(QStringLiteral("设置无法保存: %1").arg(fromPath(m_error)));
}

void LayoutKeyWriter::text(const char* section, const std::string& key, const std::string& value)
{
    keep(m_store.writeString(section, key, value));
}

void LayoutKeyWriter::number(const char* section, const std::string& key, int value)
{
    keep(m_store.writeInteger(section, key, value));
}

void LayoutKeyWriter::flag(const char* section, const std::string& key, bool value)
{
    keep(m_store.writeBool(section, key, value));
}

void LayoutKeyWriter::font(const std::string& label, const QFont& font, const QColor& colour)
{
    number(kLayout, label + "Size", pointSizeOf(font));
    number(kLayout, label + "Color", fromQColor(colour));
    text(kLayout, label + "Name", toGbk(font.family()));
    text(kLayout, label + "FontStyle", toGbk(fontStyleText(font)));
}

void LayoutKeyWriter::effect(const std::string& section, const TextEffect& effect)
{
    if (m_error.empty())
        writeTextEffect(m_store, section, effect);
}

void LayoutKeyWriter::keep(std::string failure)
{
    if (m_error.empty())
        m_error = std::move(failure);
}

}  // namespace lotavo::ui
