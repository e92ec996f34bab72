#include "draw/DrawOptions.h"

#include "draw/Gbk.h"
#include "main/settings/IniStore.h"

namespace lotavo {

void DrawOptions::load(const IniStore& s)
{
    const char* o = "Option";
    int32_t storedMode = s.readInteger(o, "ModeSelect", 1);
    if (storedMode >= 1 && storedMode <= 4)
        mode = storedMode;
    time1Interval = s.readInteger(o, "Time1Interval", 20);

    display.showOnly = s.readBool(o, "ShowOnly", false);
    display.showStrP = s.readInteger(o, "ShowStrP", 1);
    display.showStrO = s.readInteger(o, "ShowStrO", 1);
    display.showOnlyPop = s.readBool(o, "ShowOnlyPop", false);
    display.popShowStrP = s.readInteger(o, "PopShowStrP", 1);
    display.popShowStrO = s.readInteger(o, "PopShowStrO", 1);
    display.serialNumber = s.readBool(o, "SerialNumber", false);
    display.space = s.readString(o, "Space", ".");
    display.privacyStar = s.readBool(o, "PrivacyStar", false);
    display.starP = s.readInteger(o, "StarP", 1);
    display.starO = s.readInteger(o, "StarO", 1);
    display.privacyChr = s.readString(o, "PrivacyChr", "*");

    const char* d = "DownKey";
    keys.space1 = s.readInteger(d, "Space1", vk::Space);
    keys.space2 = s.readInteger(d, "Space2", vk::Space);
    keys.pauseKey = s.readInteger(d, "PauseKey", vk::Pause);
    keys.fullScreen = s.readInteger(d, "FullScreen", vk::F11);
    keys.awardScreenKeyS = s.readInteger(d, "AwardScreenKeyS", vk::Home);
    keys.awardScreenKeyO = s.readInteger(d, "AwardScreenKeyO", vk::Home);
    keys.allKey = s.readInteger(d, "AllKey", vk::Escape);
    keys.hotkey1 = s.readInteger("Launcher", "Hotkey1", vk::F5);
    keys.hotkey2 = s.readInteger("Launcher", "Hotkey2", vk::F5);

    repeatZJ = s.readBool(o, "RepeatZJ", false);
    delRepaetEnable = s.readBool(o, "DelRepaetEnable", false);
    stepToStep = s.readBool(o, "StepToStep", false);
    affirm = s.readBool(o, "Affirm", false);
    affirmOne = s.readBool(o, "AffirmOne", false);
    allowDeleteR = s.readBool(o, "AllowDeleteR", false);
    awardPicinPop = s.readBool(o, "AwardPicinPop", false);
    listAwardShow = s.readBool(o, "ListAwardShow", false);
    fjPrint = s.readBool(o, "FJPrint", false);
    print = s.readBool(o, "Print", false);
    mode4Pop = s.readBool(o, "Mode4Pop", false);
    aniPopCaption = s.readBool(o, "AniPopCaption", false);
    allKeyOpen = s.readBool(o, "AllKeyOpen", false);
    overPopup = s.readBool(o, "OverPopup", false);
    temporaryUseList = s.readBool("Temporary", "UseList", false);
    maxNumber = s.readInteger(o, "MaxNumber", 200);

    lblStarFirst = s.readString(o, "lblStarFirst", gbk::literal("当前奖项共"));
    lblStarTwo = s.readString(o, "lblStarTwo", gbk::literal("人"));
}

}  // namespace lotavo
