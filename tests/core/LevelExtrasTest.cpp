// The per-level extras in the draw: keys that point at pictures or lists deleted since they
// were set, changes made while the draw runs, and levels of three digits.
#include "DrawFixture.h"

#include <filesystem>

namespace lotavo::test {
namespace {

class LevelExtras : public DrawFixture {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(folder.file("List"));
        writeList({"a", "b", "c", "d", "e"});
    }
    bool sawMessageStartingWith(std::string_view start) const
    {
        for (const auto& m : host.messages)
            if (m.text.rfind(start, 0) == 0)
                return true;
        return false;
    }
};

TEST_F(LevelExtras, DeletedPicturesAreSkippedQuietly)
{
    writeFile(folder.file("main.jpg"), "x");
    levels({{1, 1}, {1, 1}});
    set("Option", "MainImgBG", "main.jpg");
    set("OverPopup", "a2", folder.file("gone-cover.jpg"));
    set("OverPopup", "a1", folder.file("gone-cover.jpg"));
    set("ChangeWall", "c2", folder.file("gone-wall.jpg"));
    set("ChangeWall", "c1", "gone-wall.jpg");
    start();
    pressOnce();
    EXPECT_EQ(engine->state().currentLevel, 1);
    EXPECT_TRUE(host.pictures.empty());
    EXPECT_EQ(host.background, folder.file("main.jpg")) << "the main background, kept into level 1";
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(LevelExtras, DeletedOwnListIsReportedAndTheLevelDrawsFromTheListItHas)
{
    levels({{1, 1}, {1, 1}});
    settings.writeBool("ChangeList", "d1", true);  // List/u1.txt was never made or was deleted
    start();
    pressOnce();
    ASSERT_EQ(engine->state().currentLevel, 1);
    EXPECT_TRUE(sawMessageStartingWith("第1级奖项的名单无法读取"));
    EXPECT_EQ(engine->state().currentListFile, folder.file("Text.txt"))
        << "saving the remaining candidates must not create a level list from the main list";
    EXPECT_EQ(engine->state().drawList.size(), 4u);
    pressOnce();
    EXPECT_EQ(engine->state().results.size(), 2u);
}

TEST_F(LevelExtras, DeletedExclusionListIsReportedAndExcludesNobody)
{
    levels({{1, 1}});
    settings.writeBool("Exclude", "e1", true);
    start();
    EXPECT_TRUE(sawMessageStartingWith("第1级奖项的排除名单无法读取"));
    EXPECT_EQ(engine->state().drawList.size(), 5u);
}

TEST_F(LevelExtras, ChangesDuringTheDrawCountFromTheNextLevel)
{
    levels({{1, 1}, {1, 1}, {1, 1}});
    start();
    EXPECT_FALSE(engine->state().exclusionEnabled);
    EXPECT_FALSE(engine->state().multiList);
    settings.writeBool("UpShot", "s2", true);  // the extras dialog's spelling of the section
    settings.writeBool("ChangeList", "d1", true);
    engine->levelExtrasChanged();
    EXPECT_TRUE(engine->state().exclusionEnabled);
    EXPECT_EQ(engine->state().exclusionThreshold, 1);
    EXPECT_TRUE(engine->state().multiList);
    EXPECT_EQ(engine->state().currentLevel, 3) << "the draw stays on its level";
}

TEST_F(LevelExtras, ThreeDigitLevelsUseTheirOwnFiles)
{
    settings.writeInteger("Number", "AllJJ", 100);
    writeList({"u100-1", "u100-2"}, "List/u100.txt");
    writeList({"u10-1"}, "List/u10.txt");
    writeList({"u100-2"}, "List/o100.txt");
    settings.writeBool("ChangeList", "d100", true);
    settings.writeBool("Exclude", "e100", true);
    start();
    EXPECT_EQ(engine->state().currentListFile, folder.file("List/u100.txt"));
    EXPECT_EQ(utf8(engine->state().drawList.entries()), (EntryList {"u100-1"}));
}

}  // namespace
}  // namespace lotavo::test
