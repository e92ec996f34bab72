#include "present/HotKeys.h"

#include "draw/DrawOptions.h"
#include "main/settings/IniStore.h"
#include "present/KeyMap.h"

namespace lotavo::ui {

HotKeySetting hotKeySetting(HotKey key)
{
    switch (key) {
    case HotKey::StartStop: return {"DownKey", "Space1", vk::Space};
    case HotKey::ClosePopup: return {"DownKey", "Space2", vk::Space};
    case HotKey::OpenAwardScreen: return {"DownKey", "AwardScreenKeyS", vk::Home};
    case HotKey::CloseAwardScreen: return {"DownKey", "AwardScreenKeyO", vk::Home};
    case HotKey::FullScreen: return {"DownKey", "FullScreen", vk::F11};
    case HotKey::Pause: return {"DownKey", "PauseKey", vk::Pause};
    case HotKey::Launcher1: return {"Launcher", "Hotkey1", vk::F5};
    case HotKey::Launcher2: return {"Launcher", "Hotkey2", vk::F5};
    case HotKey::Unlock: return {"DownKey", "AllKey", vk::Escape};
    }
    return {"DownKey", "Space1", vk::Space};
}

int hotKeyCode(const IniStore& settings, HotKey key)
{
    HotKeySetting setting = hotKeySetting(key);
    return settings.readInteger(setting.section, setting.key, setting.defaultCode);
}

bool isHotKey(const QKeyEvent& event, const IniStore& settings, HotKey key)
{
    return matchesVirtualKey(event, hotKeyCode(settings, key));
}

}  // namespace lotavo::ui
