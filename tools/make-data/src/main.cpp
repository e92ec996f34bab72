// Generates the default program folder of Lotavo软件: the sample participant list, the
// settings file, the screen layouts, the backgrounds and dialog pictures, the splash picture
// and the two sounds. Everything is drawn or synthesised here from fixed seeds, so running it
// again writes the same bytes.
//
// Usage: lotavo-make-data DATA_DIR [--preview DIR]
//        lotavo-make-data --to-png PICTURE OUT.png

#include "Common.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <stdexcept>

using namespace makedata;

namespace {

void writeSettings(const QString& data, const QString& preview)
{
    // the rolling labels take the colour of the panel of the default background, so that
    // their boxes melt into it
    const QImage wallpaper(data + QStringLiteral("/Wallpaper/1024.jpg"));
    if (wallpaper.isNull())
        throw std::runtime_error("cannot read back Wallpaper/1024.jpg");
    const int rollBack = winColour(QColor(wallpaper.pixel(wallpaper.width() / 2, wallpaper.height() / 2)));

    IniFile ini;
    ini.set("Number", "AllJJ", 3);
    ini.set("JxTitle", "RzEdit1", "一等奖");
    ini.set("JxTitle", "RzEdit2", "二等奖");
    ini.set("JxTitle", "RzEdit3", "三等奖");
    ini.set("JxAward", "AWRzEdit1", "笔记本电脑");
    ini.set("JxAward", "AWRzEdit2", "平板电脑");
    ini.set("JxAward", "AWRzEdit3", "蓝牙音箱");
    ini.set("JxNumber", "RzSpinEdit1", 1);
    ini.set("JxNumber", "RzSpinEdit2", 3);
    ini.set("JxNumber", "RzSpinEdit3", 5);
    // third prize: all five in one press; second prize one at a time for suspense
    ini.set("JxNumberAAT", "r1", 1);
    ini.set("JxNumberAAT", "r2", 1);
    ini.set("JxNumberAAT", "r3", 5);
    ini.set("Option", "FirstRun", 1);
    ini.set("Option", "ModeSelect", 1);
    ini.set("Option", "GdAreaAlignment", "agTopCenter");
    ini.set("Option", "lblStarFirst", "当前奖项共");
    ini.set("Option", "lblStarTwo", "人");
    // the settings lock opens with the three digits its dialog names
    ini.set("Option", "PassWord", "168");
    // the picture area of the picture draw: a portrait left of the name, inside the panel
    ini.set("Option", "ImgGdAreaLeft", 110);
    ini.set("Option", "ImgGdAreaTop", 300);
    ini.set("Option", "ImgGdAreaWidth", 160);
    ini.set("Option", "ImgGdAreaHight", 213);
    // the end-of-level and confirmation windows: gold text on their red card, dark red on
    // the gold buttons
    ini.set("Option", "OverPopupFontName", "楷体_GB2312");
    ini.set("Option", "OverPopupFontSize", 28);
    ini.set("Option", "OverPopupFontColor", winColour(255, 215, 0));
    ini.set("Option", "HintVaildFontName", "黑体");
    ini.set("Option", "HintVaildFontSize", 26);
    ini.set("Option", "HintVaildFontColor", winColour(128, 0, 0));
    ini.set("frmMainLabel", "lblMainCaptionCaption", "某某公司新年联欢晚会");
    ini.set("frmMainLabel", "lblMainCaption2Caption", "抽奖仪式");
    writeLayouts(data, {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1440, 900}, {1600, 1200}, {1680, 1050},
                        {1366, 768}, {1920, 1080}, {2560, 1440}, {3840, 2160}},
                 rollBack, ini, preview);
    ini.set("AwardScreen", "BackColor", winColour(110, 0, 8));
    ini.set("AwardScreen", "LabelCaption2", "抽 奖 名 单");
    ini.set("AwardScreen", "ScrollDelay", 1);
    ini.save(data + QStringLiteral("/lotavo.bin"));
}

void writePictures(const QString& data)
{
    saveJpeg(paintMainBackground(1024, 768, ThemeId::Red, 0x2024u), data + QStringLiteral("/Wallpaper/1024.jpg"), 90);
    saveJpeg(paintMainBackground(1920, 1080, ThemeId::Red, 0x1920u), data + QStringLiteral("/Wallpaper/1920.jpg"), 90);
    saveJpeg(paintMainBackground(1024, 768, ThemeId::DreamBlue, 0xB1E5u), data + QStringLiteral("/Wallpaper/blue1024.jpg"), 90);
    saveJpeg(paintMainBackground(1024, 768, ThemeId::LightOrange, 0x60D5u), data + QStringLiteral("/Wallpaper/gold1024.jpg"), 90);

    // pop-up backgrounds chosen by screen width at the first start
    const LayoutSize popSizes[] = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1440, 900}, {1600, 1200}, {1680, 1050}};
    for (const LayoutSize& s : popSizes) {
        QImage pop = paintPopupBackground(s.width, s.height, ThemeId::Red, 0xB0u);
        saveBmp8(pop, data + QStringLiteral("/Wallpaper/back%1.bmp").arg(s.width));
        // the "喜庆红" template names these two from the program folder itself
        if (s.width == 800 || s.width == 1024)
            saveBmp8(pop, data + QStringLiteral("/back%1.bmp").arg(s.width));
    }

    // templates Style1..5: 梦幻蓝, 浅橙色, 天空蓝, 光影绿, 简洁绿
    const ThemeId styles[] = {ThemeId::DreamBlue, ThemeId::LightOrange, ThemeId::SkyBlue, ThemeId::LightGreen,
                              ThemeId::PlainGreen};
    // in the shape of today's projectors, large enough to stay sharp when stretched to 4K;
    // the pop-up picture is a palette BMP, kept at 1080p so that the set stays small
    for (int i = 0; i < 5; ++i) {
        const QString dir = data + QStringLiteral("/Template/Style%1").arg(i + 1);
        saveJpeg(paintMainBackground(2560, 1440, styles[i], 0x5000u + uint32_t(i)), dir + QStringLiteral("/mainback.jpg"), 90);
        saveBmp8(paintPopupBackground(1920, 1080, styles[i], 0x5100u + uint32_t(i)), dir + QStringLiteral("/popback.bmp"));
    }

    saveJpeg(paintTexture(256, 128, 0x7E47u), data + QStringLiteral("/Texture/texture.jpg"), 92);
    savePng(paintSplash(), data + QStringLiteral("/Bmp/splash.png"));
    writeDialogPictures(data + QStringLiteral("/Bmp"));
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    // --to-png IN OUT: decode a generated picture with Qt and write it as PNG, to look at it
    if (args.size() == 3 && args[0] == QStringLiteral("--to-png")) {
        QImage img(args[1]);
        if (img.isNull()) {
            std::fprintf(stderr, "cannot decode %s\n", qPrintable(args[1]));
            return 1;
        }
        return img.save(args[2], "png") ? 0 : 1;
    }
    QString preview;
    int at = int(args.indexOf(QStringLiteral("--preview")));
    if (at >= 0 && at + 1 < args.size()) {
        preview = args[at + 1];
        args.remove(at, 2);
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: lotavo-make-data DATA_DIR [--preview DIR]\n");
        return 2;
    }
    const QString data = QDir(args[0]).absolutePath();
    try {
        ensureFolder(data);
        if (!preview.isEmpty())
            ensureFolder(preview);
        writeGbkLines(data + QStringLiteral("/Text.txt"), participantLines(), true);
        writePictures(data);
        writeSettings(data, preview);
        writeRollSound(data + QStringLiteral("/Sound/s.wav"));
        writeWinSound(data + QStringLiteral("/Sound/sha.wav"));
        ensureFolder(data + QStringLiteral("/Photo"));
        writePortraits(data + QStringLiteral("/Photo"));
        writeGbkLines(data + QStringLiteral("/List/Photo.txt"), portraitListLines(), true);
        for (const char* folder : {"List", "Logo"})
            writeBytes(data + QStringLiteral("/%1/.keep").arg(QString::fromLatin1(folder)), std::string());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lotavo-make-data: %s\n", e.what());
        return 1;
    }
    return 0;
}
