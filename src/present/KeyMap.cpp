#include "present/KeyMap.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <utility>

namespace lotavo::ui {

namespace {

constexpr std::pair<int, int> kFixedKeys[] = {
    {0x08, Qt::Key_Backspace}, {0x09, Qt::Key_Tab},     {0x0D, Qt::Key_Return},  {0x10, Qt::Key_Shift},
    {0x11, Qt::Key_Control},   {0x12, Qt::Key_Alt},     {0x13, Qt::Key_Pause},   {0x14, Qt::Key_CapsLock},
    {0x1B, Qt::Key_Escape},    {0x20, Qt::Key_Space},   {0x21, Qt::Key_PageUp},  {0x22, Qt::Key_PageDown},
    {0x23, Qt::Key_End},       {0x24, Qt::Key_Home},    {0x25, Qt::Key_Left},    {0x26, Qt::Key_Up},
    {0x27, Qt::Key_Right},     {0x28, Qt::Key_Down},    {0x2C, Qt::Key_Print},   {0x2D, Qt::Key_Insert},
    {0x2E, Qt::Key_Delete},    {0x5D, Qt::Key_Menu},    {0x6A, Qt::Key_Asterisk}, {0x6B, Qt::Key_Plus},
    {0x6D, Qt::Key_Minus},     {0x6E, Qt::Key_Period},  {0x6F, Qt::Key_Slash},   {0x90, Qt::Key_NumLock},
    {0x91, Qt::Key_ScrollLock}, {0xBA, Qt::Key_Semicolon}, {0xBB, Qt::Key_Equal}, {0xBC, Qt::Key_Comma},
    {0xBD, Qt::Key_Minus},     {0xBE, Qt::Key_Period},  {0xBF, Qt::Key_Slash},   {0xC0, Qt::Key_QuoteLeft},
    {0xDB, Qt::Key_BracketLeft}, {0xDC, Qt::Key_Backslash}, {0xDD, Qt::Key_BracketRight},
    {0xDE, Qt::Key_Apostrophe}, {0x0C, Qt::Key_Clear},  {0x2F, Qt::Key_Help},    {0x5B, Qt::Key_Meta},
    {0xA0, Qt::Key_Shift},     {0xA1, Qt::Key_Shift},   {0xA2, Qt::Key_Control}, {0xA3, Qt::Key_Control},
    {0xA4, Qt::Key_Alt},       {0xA5, Qt::Key_Alt},     {0x03, Qt::Key_Cancel},  {0x2A, Qt::Key_Print},
    {0x2B, Qt::Key_Execute},   {0x5F, Qt::Key_Sleep},
};

// Qt reports Ctrl as Key_Control on every platform but macOS, where it is Meta; we build for Linux.
constexpr int kSynthesizedMarker = 0x4C4F54;  // nativeScanCode of posted keys

}  // namespace

int virtualKeyOf(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 0x41 + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return 0x30 + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 0x70 + (key - Qt::Key_F1);
    for (auto [vk, qt] : kFixedKeys)
        if (qt == key)
            return vk;
    return 0;
}

int virtualKeyOf(const QKeyEvent& event)
{
    // Keypad digits have their own codes.
    if ((event.modifiers() & Qt::KeypadModifier) && event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9)
        return 0x60 + (event.key() - Qt::Key_0);
    return virtualKeyOf(event.key());
}

int qtKeyOf(int vk)
{
    if (vk >= 0x41 && vk <= 0x5A)
        return Qt::Key_A + (vk - 0x41);
    if (vk >= 0x30 && vk <= 0x39)
        return Qt::Key_0 + (vk - 0x30);
    if (vk >= 0x60 && vk <= 0x69)
        return Qt::Key_0 + (vk - 0x60);
    if (vk >= 0x70 && vk <= 0x87)
        return Qt::Key_F1 + (vk - 0x70);
    for (auto [code, qt] : kFixedKeys)
        if (code == vk)
            return qt;
    return 0;
}

namespace {

// Carries a synthesized key to whichever window has the keyboard when it is delivered, as the
// keyboard itself would.
class KeyRouter : public QObject {
public:
    KeyRouter(QObject* fallback, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers)
        : m_fallback(fallback), m_type(type), m_key(key), m_modifiers(modifiers)
    {
        moveToThread(QCoreApplication::instance()->thread());
    }

protected:
    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        QObject* target = QApplication::activeModalWidget();
        if (!target)
            target = QApplication::focusWidget();
        if (!target)
            target = m_fallback.data();
        if (target) {
            QString text = m_key == Qt::Key_Space ? QStringLiteral(" ") : QString();
            QKeyEvent key(m_type, m_key, m_modifiers, kSynthesizedMarker, 0, 0, text);
            QCoreApplication::sendEvent(target, &key);
        }
        deleteLater();
        return true;
    }

private:
    QPointer<QObject> m_fallback;
    QEvent::Type m_type;
    int m_key;
    Qt::KeyboardModifiers m_modifiers;
};

void postRouted(QObject* fallback, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers)
{
    QCoreApplication::postEvent(new KeyRouter(fallback, type, key, modifiers), new QEvent(QEvent::User));
}

}  // namespace

void postKeyPress(QObject* fallback, int vk)
{
    int key = qtKeyOf(vk);
    if (key == 0)
        return;
    Qt::KeyboardModifiers modifiers = vk >= 0x60 && vk <= 0x69 ? Qt::KeypadModifier : Qt::NoModifier;
    postRouted(fallback, QEvent::KeyPress, key, modifiers);
    postRouted(fallback, QEvent::KeyRelease, key, modifiers);
}

bool isSynthesized(const QKeyEvent& event)
{
    return event.nativeScanCode() == static_cast<quint32>(kSynthesizedMarker);
}

}  // namespace lotavo::ui
