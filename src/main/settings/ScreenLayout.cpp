#include "main/settings/ScreenLayout.h"

#include "draw/AtomicFile.h"
#include "draw/Gbk.h"
#include "main/settings/IniStore.h"

namespace lotavo::layout {

const std::vector<std::string>& smoothLabels()
{
    static const std::vector<std::string> names {"lblMainCaption", "lblMainCaption2", "lblTipCaption", "lblLevel",
                                                 "lblAward",       "lblHint",         "lblStat",       "lblPause"};
    return names;
}

const std::vector<std::string>& plainLabels()
{
    static const std::vector<std::string> names {"LblGdArea1", "LblGdArea2", "LblGdArea3", "LblGdArea4",
                                                 "LblGdArea5", "LblGdArea6", "LblGdArea7", "LblGdArea8",
                                                 "LblGdArea9", "LblGdArea10", "lblBtmChar"};
    return names;
}

std::string nameForWidth(int width)
{
    switch (width) {
    case 640: return "640x480";
    case 800: return "800x600";
    case 1024: return "1024x768";
    case 1280: return "1280x1024";
    case 1366: return "1366x768";
    case 1440: return "1440x900";
    case 1600: return "1600x1200";
    case 1680: return "1680x1050";
    case 1920: return "1920x1080";
    case 2560: return "2560x1440";
    case 3840: return "3840x2160";
    default: return {};
    }
}

namespace {

struct Copier {
    const IniStore& from;
    IniStore& to;
    void text(const char* section, const std::string& key, std::string_view fallback)
    {
        to.writeString(section, key, from.readString(section, key, fallback));
    }
    void number(const char* section, const std::string& key, int32_t fallback)
    {
        to.writeInteger(section, key, from.readInteger(section, key, fallback));
    }
};

}  // namespace

bool copyLayoutFile(IniStore& settings, const std::string& layoutPath, int screenWidth)
{
    if (!fileExists(layoutPath))
        return false;
    IniStore file(layoutPath);
    Copier c {file, settings};
    const char* m = "frmMainLabel";
    c.number(m, "Sc_Left", 10);
    c.number(m, "Sc_Top", 10);
    c.number(m, "Sc_Le", 15);
    c.number(m, "Sc_Hang", 15);
    c.number(m, "AllWidth", screenWidth - 20);

    const char* a = "AniPopFont";
    std::string song = gbk::literal("宋体");
    c.text(a, "FontName", song);
    c.number(a, "FontSize", 10);
    c.number(a, "FontColor", 0);
    c.text(a, "SingleFontName", song);
    c.number(a, "SingleFontSize", 10);
    c.number(a, "SingleFontColor", 0);
    c.number(a, "SingleLeft", 10);
    c.number(a, "SingleTop", 10);

    c.text(m, "frmAniPoplblCaption", gbk::literal("中奖人"));
    c.text(m, "frmaniPoplblCaptionFontName", gbk::literal("楷体_GB2312"));
    c.number(m, "frmaniPoplblCaptionFontSize", 24);
    c.number(m, "frmaniPoplblCaptionFontColor", 200);
    c.number(m, "frmaniPoplblCaptionTop", 200);
    c.number(m, "frmaniPoplblCaptionLeft", 200);

    const char* w = "AwardScreen";
    c.text(w, "Fontname", "");
    c.number(w, "Fontsize", 20);
    c.number(w, "FontColor", 33);
    c.text(w, "LabelFontname", "");
    c.number(w, "LabelFontSize", 22);
    c.number(w, "LabelFontColor", 22);
    c.number(w, "Label1Left", 23);
    c.number(w, "Label1Top", 43);
    c.number(w, "Label2Left", 23);
    c.number(w, "Label2Top", 43);

    for (const std::string& l : smoothLabels()) {
        c.number(m, l + "Left", 1);
        c.number(m, l + "Top", 1);
        c.number(m, l + "Size", 10);
        c.number(m, l + "Color", 10);
        c.text(m, l + "Name", song);
        c.text(m, l + "Caption", "Caption");
    }
    for (const std::string& p : plainLabels()) {
        c.number(m, p + "Left", 1);
        c.number(m, p + "Top", 1);
        c.number(m, p + "Size", 10);
        c.number(m, p + "Color", 10);
        c.number(m, p + "BackColor", 10);
        c.text(m, p + "Caption", "Caption");
        c.text(m, p + "Name", song);
    }
    return true;
}

}  // namespace lotavo::layout
