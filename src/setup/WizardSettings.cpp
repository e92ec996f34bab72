#include "setup/WizardSettings.h"

#include "draw/Gbk.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "setup/DrawScreenLink.h"

#include <vector>

namespace lotavo::ui {

WizardSettings::WizardSettings(IniStore& settings, DrawScreenLink& screen) : m_settings(settings), m_screen(screen)
{
}

void WizardSettings::writeText(std::string_view section, std::string_view key, const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    std::vector<std::u32string> unmappable;
    std::string stored = gbk::fromUtf8(std::string_view(utf8.constData(), size_t(utf8.size())), &unmappable);
    writeString(section, key, stored);

    std::string field = std::string(section) + '/' + std::string(key);
    if (unmappable.empty()) {
        if (m_warnedKey == field)
            m_warnedKey.clear();
        return;
    }
    if (m_warnedKey == field)
        return;
    m_warnedKey = field;
    QString characters;
    for (const std::u32string& piece : unmappable)
        for (char32_t c : piece)
            if (!characters.contains(QString::fromUcs4(&c, 1)))
                characters += QString::fromUcs4(&c, 1);
    showFadingMessage(QStringLiteral("以下字符无法以GBK编码保存,已用\"?\"代替: ") + characters, 2);
}

void WizardSettings::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    after(section, key, m_settings.writeString(section, key, value));
}

void WizardSettings::writeInteger(std::string_view section, std::string_view key, int32_t value)
{
    after(section, key, m_settings.writeInteger(section, key, value));
}

void WizardSettings::writeBool(std::string_view section, std::string_view key, bool value)
{
    after(section, key, m_settings.writeBool(section, key, value));
}

std::string WizardSettings::readString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const
{
    return m_settings.readString(section, key, defaultValue);
}

int32_t WizardSettings::readInteger(std::string_view section, std::string_view key, int32_t defaultValue) const
{
    return m_settings.readInteger(section, key, defaultValue);
}

bool WizardSettings::readBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    return m_settings.readBool(section, key, defaultValue);
}

void WizardSettings::after(std::string_view section, std::string_view key, const std::string& error)
{
    if (!error.empty()) {
        // Typing into a field of a read-only settings file fails on every key press: tell the
        // operator once, not once per character.
        if (!m_failing)
            showErrorMessage(QStringLiteral("设置无法保存:\r\r") + QString::fromUtf8(error.data(), qsizetype(error.size())));
        m_failing = true;
        return;
    }
    m_failing = false;
    m_screen.settingChanged(std::string(section), std::string(key));
}

}  // namespace lotavo::ui
