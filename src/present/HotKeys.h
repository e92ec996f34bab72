#pragma once

#include <QKeyEvent>

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

// The keys the operator assigns in the control panel ("热键" and "启动" tabs).
enum class HotKey {
    StartStop,         // DownKey Space1: draws
    ClosePopup,        // DownKey Space2: closes the winner pop-up
    OpenAwardScreen,   // DownKey AwardScreenKeyS
    CloseAwardScreen,  // DownKey AwardScreenKeyO
    FullScreen,        // DownKey FullScreen
    Pause,             // DownKey PauseKey
    Launcher1,         // Launcher Hotkey1
    Launcher2,         // Launcher Hotkey2
    Unlock,            // DownKey AllKey
};

struct HotKeySetting {
    const char* section;
    const char* key;
    int defaultCode;  // the code the windows use while the key is not in the file
};

HotKeySetting hotKeySetting(HotKey key);

// The assigned code, read from the settings file at each call: a key changed in the control
// panel works at once in a window that is already open.
int hotKeyCode(const IniStore& settings, HotKey key);

// Whether a key event is the assigned key (see matchesVirtualKey).
bool isHotKey(const QKeyEvent& event, const IniStore& settings, HotKey key);

}  // namespace lotavo::ui
