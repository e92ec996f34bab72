#include "present/KeyMap.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace lotavo::ui {

namespace {

// Keys whose virtual-key code does not depend on the keypad.
constexpr std::pair<int, int> kFixedKeys[] = {
    {0x08, Qt::Key_Backspace}, {0x09, Qt::Key_Tab},      {0x09, Qt::Key_Backtab},   {0x0C, Qt::Key_Clear},
    {0x0D, Qt::Key_Return},    {0x0D, Qt::Key_Enter},    {0x10, Qt::Key_Shift},     {0x11, Qt::Key_Control},
    {0x12, Qt::Key_Alt},       {0x12, Qt::Key_AltGr},    {0x13, Qt::Key_Pause},     {0x14, Qt::Key_CapsLock},
    {0x1B, Qt::Key_Escape},    {0x20, Qt::Key_Space},    {0x21, Qt::Key_PageUp},    {0x22, Qt::Key_PageDown},
    {0x23, Qt::Key_End},       {0x24, Qt::Key_Home},     {0x25, Qt::Key_Left},      {0x26, Qt::Key_Up},
    {0x27, Qt::Key_Right},     {0x28, Qt::Key_Down},     {0x29, Qt::Key_Select},    {0x2A, Qt::Key_Printer},
    {0x2B, Qt::Key_Execute},   {0x2C, Qt::Key_Print},    {0x2D, Qt::Key_Insert},    {0x2E, Qt::Key_Delete},
    {0x2F, Qt::Key_Help},      {0x5B, Qt::Key_Super_L},  {0x5B, Qt::Key_Meta},      {0x5C, Qt::Key_Super_R},
    {0x5D, Qt::Key_Menu},      {0x5F, Qt::Key_Sleep},    {0x90, Qt::Key_NumLock},   {0x91, Qt::Key_ScrollLock},
    {0xBA, Qt::Key_Semicolon}, {0xBA, Qt::Key_Colon},    {0xBB, Qt::Key_Equal},     {0xC0, Qt::Key_QuoteLeft},
    {0xC0, Qt::Key_AsciiTilde}, {0xDB, Qt::Key_BracketLeft}, {0xDB, Qt::Key_BraceLeft}, {0xDC, Qt::Key_Backslash},
    {0xDC, Qt::Key_Bar},       {0xDD, Qt::Key_BracketRight}, {0xDD, Qt::Key_BraceRight}, {0xDE, Qt::Key_Apostrophe},
    {0xDE, Qt::Key_QuoteDbl},  {0xFA, Qt::Key_Play},     {0xFB, Qt::Key_Zoom},      {0x03, Qt::Key_Cancel},
    // The shifted digits of the main keyboard are their digit keys (Qt reports the character).
    {0x30, Qt::Key_ParenRight}, {0x31, Qt::Key_Exclam},  {0x32, Qt::Key_At},        {0x33, Qt::Key_NumberSign},
    {0x34, Qt::Key_Dollar},    {0x35, Qt::Key_Percent},  {0x36, Qt::Key_AsciiCircum}, {0x37, Qt::Key_Ampersand},
    {0x38, Qt::Key_Asterisk},  {0x39, Qt::Key_ParenLeft},
    // The main keyboard's punctuation, shifted or not (these Qt keys are on the keypad too).
    {0xBB, Qt::Key_Plus},      {0xBC, Qt::Key_Comma},    {0xBC, Qt::Key_Less},      {0xBD, Qt::Key_Minus},
    {0xBD, Qt::Key_Underscore}, {0xBE, Qt::Key_Period},  {0xBE, Qt::Key_Greater},   {0xBF, Qt::Key_Slash},
    {0xBF, Qt::Key_Question},
};

// The keypad's own codes of keys the main keyboard has too.
constexpr std::pair<int, int> kKeypadKeys[] = {
    {0x6A, Qt::Key_Asterisk}, {0x6B, Qt::Key_Plus},   {0x6C, Qt::Key_Comma},
    {0x6D, Qt::Key_Minus},    {0x6E, Qt::Key_Period}, {0x6F, Qt::Key_Slash},
};

// X key symbols (what Qt reports as the native virtual key under X11) of keys Qt has no key
// for or reports like another (both Win keys are Key_Meta), and of the left and right
// modifier keys.
constexpr std::pair<int, quint32> kExoticSymbols[] = {
    {0x5C, 0xFFEC},  // Super_R
    {0xF6, 0xFD0E},  // 3270_Attn
    {0xF7, 0xFD1C},  // 3270_CursorSelect
    {0xF8, 0xFD1B},  // 3270_ExSelect
    {0xF9, 0xFD06},  // 3270_EraseEOF
    {0xFA, 0xFD16},  // 3270_Play
    {0xFD, 0xFD0A},  // 3270_PA1
};
constexpr std::pair<int, quint32> kSidedSymbols[] = {
    {0xA0, 0xFFE1}, {0xA1, 0xFFE2},  // Shift_L, Shift_R
    {0xA2, 0xFFE3}, {0xA3, 0xFFE4},  // Control_L, Control_R
    {0xA4, 0xFFE9}, {0xA5, 0xFFEA},  // Alt_L, Alt_R
    {0xA5, 0xFE03},                  // ISO_Level3_Shift (AltGr)
};

constexpr int kSynthesizedMarker = 0x4C4F54;  // nativeScanCode of posted keys

template <typename Table> int codeOfSymbol(const Table& table, quint32 symbol)
{
    for (auto [vk, sym] : table)
        if (sym == symbol)
            return vk;
    return 0;
}

quint32 symbolOfSided(int vk)
{
    for (auto [code, sym] : kSidedSymbols)
        if (code == vk)
            return sym;
    return 0;
}

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
    if (int exotic = codeOfSymbol(kExoticSymbols, event.nativeVirtualKey()))
        return exotic;
    if (event.modifiers() & Qt::KeypadModifier) {
        if (event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9)
            return 0x60 + (event.key() - Qt::Key_0);
        for (auto [vk, qt] : kKeypadKeys)
            if (qt == event.key())
                return vk;
    }
    return virtualKeyOf(event.key());
}

int sidedVirtualKeyOf(const QKeyEvent& event)
{
    return codeOfSymbol(kSidedSymbols, event.nativeVirtualKey());
}

bool matchesVirtualKey(const QKeyEvent& event, int virtualKey)
{
    if (virtualKey == 0)
        return false;
    return virtualKey == virtualKeyOf(event) || virtualKey == sidedVirtualKeyOf(event);
}

int virtualKeyAmong(const QKeyEvent& event, std::initializer_list<int> assigned)
{
    int sided = sidedVirtualKeyOf(event);
    if (sided != 0 && std::find(assigned.begin(), assigned.end(), sided) != assigned.end())
        return sided;
    return virtualKeyOf(event);
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
    if (vk == 0xA0 || vk == 0xA1)
        return Qt::Key_Shift;
    if (vk == 0xA2 || vk == 0xA3)
        return Qt::Key_Control;
    if (vk == 0xA4 || vk == 0xA5)
        return Qt::Key_Alt;
    for (auto [code, qt] : kKeypadKeys)
        if (code == vk)
            return qt;
    for (auto [code, qt] : kFixedKeys)
        if (code == vk)
            return qt;
    // Posted with its X key symbol, which virtualKeyOf reads back.
    for (auto [code, symbol] : kExoticSymbols)
        if (code == vk)
            return Qt::Key_unknown;
    return 0;
}

namespace {

bool onKeypad(int vk)
{
    return (vk >= 0x60 && vk <= 0x69) || (vk >= 0x6A && vk <= 0x6F);
}

quint32 nativeSymbolOf(int vk)
{
    if (quint32 sided = symbolOfSided(vk))
        return sided;
    for (auto [code, sym] : kExoticSymbols)
        if (code == vk)
            return sym;
    return 0;
}

// Carries a synthesized key to whichever window has the keyboard when it is delivered, as the
// keyboard itself would.
class KeyRouter : public QObject {
public:
    KeyRouter(QObject* fallback, QEvent::Type type, int vk)
        : m_fallback(fallback), m_type(type), m_key(qtKeyOf(vk)),
          m_modifiers(onKeypad(vk) ? Qt::KeypadModifier : Qt::NoModifier), m_symbol(nativeSymbolOf(vk))
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
            QKeyEvent key(m_type, m_key, m_modifiers, kSynthesizedMarker, m_symbol, 0, text);
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
    quint32 m_symbol;
};

}  // namespace

void postKeyPress(QObject* fallback, int vk)
{
    if (qtKeyOf(vk) == 0)
        return;
    QCoreApplication::postEvent(new KeyRouter(fallback, QEvent::KeyPress, vk), new QEvent(QEvent::User));
    QCoreApplication::postEvent(new KeyRouter(fallback, QEvent::KeyRelease, vk), new QEvent(QEvent::User));
}

bool isSynthesized(const QKeyEvent& event)
{
    return event.nativeScanCode() == static_cast<quint32>(kSynthesizedMarker);
}

}  // namespace lotavo::ui
