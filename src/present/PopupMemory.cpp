#include "present/PopupMemory.h"

#include "draw/Gbk.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/FontNames.h"
#include "present/QtText.h"
#include "present/ScreenPlace.h"

#include <QMouseEvent>
#include <QWidget>

namespace lotavo::ui {

namespace {
constexpr const char* kSection = "Option";
}

PopupMemory::PopupMemory(QWidget* window, IniStore& settings, std::string prefix)
    : m_window(window), m_settings(settings), m_prefix(std::move(prefix)), m_drag(window)
{
}

void PopupMemory::placeWindow(const QPoint& byDefault)
{
    QPoint stored(m_settings.readInteger(kSection, key("Left"), byDefault.x()),
                  m_settings.readInteger(kSection, key("Top"), byDefault.y()));
    m_window->move(visiblePlace(stored, m_window->size()));
}

void PopupMemory::keepClearOf(const QRect& area)
{
    if (!m_settings.hasKey(kSection, key("Left")))
        m_window->move(placeClearOf(area, m_window->size(), m_window->pos()));
}

QFont PopupMemory::font(int defaultPointSize) const
{
    return storedFont(fromGbk(m_settings.readString(kSection, key("FontName"), gbk::literal("宋体"))),
                      m_settings.readInteger(kSection, key("FontSize"), defaultPointSize));
}

QColor PopupMemory::colour(int defaultColour) const
{
    return toQColor(m_settings.readInteger(kSection, key("FontColor"), defaultColour));
}

void PopupMemory::saveFont(const QFont& font, const QColor& colour, const char* nameKey)
{
    written(m_settings.writeString(kSection, key(nameKey), toGbk(font.family())));
    written(m_settings.writeInteger(kSection, key("FontSize"), font.pointSize()));
    written(m_settings.writeInteger(kSection, key("FontColor"), fromQColor(colour)));
}

void PopupMemory::press(const QMouseEvent& event)
{
    m_pressed = true;
    m_drag.press(event);
}

bool PopupMemory::move(const QMouseEvent& event)
{
    return m_pressed && m_drag.move(event);
}

bool PopupMemory::release()
{
    if (!m_pressed)
        return false;
    m_pressed = false;
    written(m_settings.writeInteger(kSection, key("Left"), m_window->x()));
    written(m_settings.writeInteger(kSection, key("Top"), m_window->y()));
    return true;
}

void PopupMemory::written(const std::string& error)
{
    // Every release writes the place: a settings file that cannot be written is told once.
    if (error.empty() || m_writeFailed)
        return;
    m_writeFailed = true;
    showErrorMessage(QStringLiteral("设置无法保存:\r\r") + QString::fromStdString(error));
}

QMouseEvent* PopupMemory::dragEvent(QObject* watched, const QObject* handle, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched != handle ||
        (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease))
        return nullptr;
    return static_cast<QMouseEvent*>(event);
}

}  // namespace lotavo::ui
