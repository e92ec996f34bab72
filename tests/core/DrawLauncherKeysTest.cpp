// The launcher keys of the draw screen hand the programs of the settings to the windows, and
// keys the operator gives to several functions make each of them act.
#include "FakeHost.h"
#include "TestSupport.h"

#include "draw/Clock.h"
#include "draw/DrawEngine.h"
#include "main/settings/IniStore.h"

#include <gtest/gtest.h>

namespace lotavo::test {
namespace {

class LaunchRecordingHost : public FakeHost {
public:
    void launch(const std::string& program, const std::string& parameters) override
    {
        launches.push_back("open " + program + " | " + parameters);
    }
    void launchSlideShow(const std::string& presentation, const std::string& parameters) override
    {
        launches.push_back("show " + presentation + " | " + parameters);
    }
    void toggleFullScreen() override { launches.push_back("full screen"); }
    std::vector<std::string> launches;
};

class DrawLauncherKeys : public ::testing::Test {
protected:
    DrawLauncherKeys() : settings(folder.file("lotavo.bin")), clock(LocalTime {2026, 12, 9, 14, 5, 0, 0})
    {
        writeFile(folder.file("Text.txt"), "a\r\nb\r\nc\r\n");
    }
    DrawEngine& start()
    {
        engine = std::make_unique<DrawEngine>(settings, ProgramFolder(folder.path()), host, clock);
        engine->startUp();
        return *engine;
    }
    void key(int code)
    {
        engine->keyDown(code);
        engine->keyUp(code);
    }

    TempFolder folder;
    IniStore settings;
    FixedClock clock;
    LaunchRecordingHost host;
    std::unique_ptr<DrawEngine> engine;
};

TEST_F(DrawLauncherKeys, EachKeyStartsItsProgramWithItsParametersApart)
{
    settings.writeString("Launcher", "Program1", G("/opt/年会/开场.sh"));
    settings.writeString("Launcher", "params1", "--title \"Gala 2026\"");
    settings.writeString("Launcher", "Program2", G("/home/me/My Talk.odp"));
    settings.writeInteger("Launcher", "Hotkey1", 34);
    settings.writeInteger("Launcher", "Hotkey2", 66);
    start();
    key(34);
    key(66);
    EXPECT_EQ(host.launches, (std::vector<std::string> {"open /opt/年会/开场.sh | --title \"Gala 2026\"",
                                                        "show /home/me/My Talk.odp | /s"}));
}

TEST_F(DrawLauncherKeys, OneKeyForBothLaunchersRunsProgramOneFirst)
{
    // Both default to F5 on the draw screen.
    settings.writeString("Launcher", "params2", "");
    start();
    key(116);
    EXPECT_EQ(host.launches, (std::vector<std::string> {"open  | ", "show  | "}));
}

TEST_F(DrawLauncherKeys, ThePressKeySharedWithFullScreenDoesBoth)
{
    settings.writeBool("Option", "StartRun", true);
    start();
    engine->options().keys.space1 = 34;
    engine->options().keys.fullScreen = 34;
    key(34);
    EXPECT_FALSE(engine->state().stopped) << "the roll started";
    EXPECT_TRUE(host.launches.empty()) << "starting the roll is all the key does then";
    engine->rollTick();
    key(34);
    EXPECT_EQ(host.popups.size(), 1u) << "a press";
    EXPECT_EQ(host.launches, (std::vector<std::string> {"full screen"}));
}

TEST_F(DrawLauncherKeys, TheDrawKeySharedWithPauseOnlyPauses)
{
    settings.writeBool("Option", "StartRun", true);
    start();
    engine->options().keys.space1 = 34;
    engine->options().keys.pauseKey = 34;
    key(34);
    EXPECT_TRUE(engine->state().stopped);
    EXPECT_TRUE(host.isLabelVisible(Label::Pause));
}

}  // namespace
}  // namespace lotavo::test
