#pragma once

#include <cstdint>
#include <string>

namespace lotavo {

class IniStore;

// Virtual-key codes of Windows, as the settings file stores keys.
namespace vk {
constexpr int Pause = 0x13;
constexpr int Control = 0x11;
constexpr int Escape = 0x1B;
constexpr int Space = 0x20;
constexpr int End = 0x23;
constexpr int Home = 0x24;
constexpr int F5 = 0x74;
constexpr int F11 = 0x7A;
}  // namespace vk

// Column selection, numbering and masking of the winners shown.
struct DisplayOptions {
    bool showOnly = false;
    int32_t showStrP = 1, showStrO = 1;
    bool showOnlyPop = false;
    int32_t popShowStrP = 1, popShowStrO = 1;
    bool serialNumber = false;
    std::string space = ".";
    bool privacyStar = false;
    int32_t starP = 1, starO = 1;
    std::string privacyChr = "*";
};

struct KeyOptions {
    int space1 = vk::Space;
    int space2 = vk::Space;
    int pauseKey = vk::Pause;
    int fullScreen = vk::F11;
    int awardScreenKeyS = vk::Home;
    int awardScreenKeyO = vk::Home;
    int allKey = vk::Escape;
    int hotkey1 = vk::F5;
    int hotkey2 = vk::F5;
};

// The run-time copies of the settings the draw reads at start-up. A window that changes one
// of these keys writes the file and sets the copy here together with it.
struct DrawOptions {
    int mode = 1;  // 1 regular, 2 multi-line, 3 prize draw, 4 picture draw
    int32_t time1Interval = 20;
    DisplayOptions display;
    KeyOptions keys;

    bool repeatZJ = false;
    bool delRepaetEnable = false;
    bool stepToStep = false;
    bool affirm = false;
    bool affirmOne = false;
    bool allowDeleteR = false;
    bool awardPicinPop = false;
    bool listAwardShow = false;
    bool fjPrint = false;
    bool print = false;
    bool mode4Pop = false;
    bool aniPopCaption = false;
    bool allKeyOpen = false;
    bool overPopup = false;
    bool temporaryUseList = false;
    int32_t maxNumber = 200;

    std::string lblStarFirst;  // GBK
    std::string lblStarTwo;    // GBK
    std::string backSound;     // file path of this system
    std::string backSound2;

    // Reads every copy from the settings, with the defaults the draw screen uses.
    void load(const IniStore& settings);
};

}  // namespace lotavo
