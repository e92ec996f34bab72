#include "DrawFixture.h"

#include <filesystem>

using namespace lotavo;
using namespace lotavo::test;

namespace {

class PrizeDraw : public DrawFixture {
protected:
    PrizeDraw()
    {
        settings.writeInteger("Option", "ModeSelect", 3);
        levels({{1, 1}, {1, 1}});
        set("JxTitle", "RzEdit1", "卖场抽奖");
    }
};

class PictureDraw : public DrawFixture {
protected:
    PictureDraw()
    {
        settings.writeInteger("Option", "ModeSelect", 4);
        std::filesystem::create_directories(folder.file("Photo"));
    }
    // Picture entries as the list editor imports them, with Windows folders.
    void pictures(std::initializer_list<const char*> names, int perLevel)
    {
        std::string bytes;
        for (const char* name : names) {
            writeFile(folder.file(std::string("Photo/") + name), "picture");
            bytes += G(std::string("Photo\\") + name) + "\r\n";
        }
        writeFile(folder.file("Text.txt"), bytes);
        levels({{perLevel, 1}, {perLevel, 1}});
    }
    std::string path(const char* name) const { return folder.file(std::string("Photo/") + name); }
};

}  // namespace

TEST_F(PrizeDraw, TheWholeListIsOneLevelDrawnOnePrizePerPressWhileTheRollGoesOn)
{
    writeList({"电视机", "冰箱", "洗衣机"});
    start();
    EXPECT_EQ(settings.readInteger("Number", "AllJJ", 0), 1);
    EXPECT_EQ(settings.readInteger("JxNumber", "RzSpinEdit1", 0), 3);
    EXPECT_EQ(engine->state().currentLevel, 1);
    EXPECT_EQ(host.text(Label::Stat), "当前奖品共3个,已抽0个,还剩3个 ");

    pressOnce();
    EXPECT_EQ(host.text(Label::Stat), "当前奖品共3个,已抽1个,还剩2个 ");
    EXPECT_TRUE(host.rollTimer) << "the prize draw never halts the roll";
    pressOnce();
    pressOnce();
    EXPECT_TRUE(engine->state().drawOver);
    ASSERT_EQ(host.popups.size(), 3u);
    EXPECT_EQ(host.text(Label::GdArea1), gbk::toUtf8(host.popups[2][0])) << "the last prize stays on screen";
    EXPECT_EQ(host.text(Label::TipCaption), "抽取结束");
    EXPECT_EQ(resultsFile(), gbk::toUtf8(host.popups[0][0]) + "  卖场抽奖\r\n" + gbk::toUtf8(host.popups[1][0]) +
                                 "  卖场抽奖\r\n" + gbk::toUtf8(host.popups[2][0]) + "  卖场抽奖\r\n");
    EXPECT_TRUE(engine->state().levelList.empty()) << "the prize draw keeps no level list";
}

TEST_F(PrizeDraw, ThePopupShowsThePrizeNameAndItsPictureFromTheCreator)
{
    writeList({"123456笔记本电脑", "654321电视机"});
    for (auto [key, value] : {std::pair {"ShowOnly", 1}, {"ShowStrP", 1}, {"ShowStrO", 6}, {"ShowOnlyPop", 1},
                              {"PopShowStrP", 7}, {"PopShowStrO", 30}})
        settings.writeInteger("Option", key, value);
    writeFile(folder.file("laptop.jpg"), "x");
    writeFile(folder.file("tv.jpg"), "x");
    set("CreateAw", G("笔记本电脑") + "PIC", folder.file("laptop.jpg"));
    set("CreateAw", G("电视机") + "PIC", folder.file("tv.jpg"));
    start();
    engine->rollTick();
    std::string rolled = host.text(Label::GdArea1);
    EXPECT_TRUE(rolled == "123456" || rolled == "654321") << "the roll shows the code: " << rolled;

    pressOnce();
    pressOnce();
    ASSERT_EQ(host.popups.size(), 2u);
    std::string first = gbk::toUtf8(host.popups[0][0]), second = gbk::toUtf8(host.popups[1][0]);
    EXPECT_TRUE((first == "笔记本电脑" && second == "电视机") || (first == "电视机" && second == "笔记本电脑"));
    auto picture = [&](const std::string& name) { return folder.file(name == "电视机" ? "tv.jpg" : "laptop.jpg"); };
    ASSERT_GE(host.prizePictures.size(), 2u);
    EXPECT_EQ(host.prizePictures[host.prizePictures.size() - 2], picture(first) + " pop") << "a press that is not the last";
    EXPECT_EQ(host.prizePictures.back(), picture(second) + " screen") << "the last press: the draw screen";
    EXPECT_NE(resultsFile().find(second + "  卖场抽奖\r\n"), std::string::npos);
}

TEST_F(PrizeDraw, ShortAndOddPrizeLists)
{
    writeList({});
    start();
    pressOnce();
    EXPECT_TRUE(host.popups.empty()) << "an empty prize list: the press does nothing";
    EXPECT_FALSE(engine->state().drawOver);

    writeList({"唯一奖品"});
    host = FakeHost();
    start();
    pressOnce();
    EXPECT_TRUE(engine->state().drawOver) << "one prize: one press ends the draw";
    EXPECT_EQ(host.text(Label::GdArea1), "唯一奖品");

    writeList({"A", "B"});
    settings.writeBool("Option", "RepeatZJ", true);
    host = FakeHost();
    start();
    pressOnce();
    EXPECT_EQ(engine->state().drawList.size(), 2u) << "with repeats a prize stays in the list";
    pressOnce();
    EXPECT_TRUE(engine->state().drawOver) << "the level still ends after the stored number of presses";
}

TEST_F(PictureDraw, TheRollSkipsUndecodablePicturesAndThePressDrawsThePictureOnScreen)
{
    pictures({"张三.jpg", "李四.png", "坏图.jpg", "合影.2024.jpg"}, 4);
    host.undecodable.insert(path("坏图.jpg"));
    start();
    EXPECT_TRUE(host.pictureArea);
    ASSERT_FALSE(host.areaPictures.empty());
    EXPECT_EQ(host.areaPictures.back(), path("张三.jpg")) << "the set-up shows the first entry's picture";

    for (int i = 0; i < 30; ++i)
        engine->rollTick();
    for (const std::string& shown : host.rolledPictures)
        EXPECT_NE(shown, path("坏图.jpg"));
    ASSERT_FALSE(host.rolledPictures.empty());
    std::string onScreen = host.rolledPictures.back();
    std::string name = std::filesystem::path(onScreen).stem().string();
    EXPECT_EQ(host.text(Label::GdArea1), name);
    EXPECT_EQ(host.prepared.size(), 8u) << "the roll names the pictures it wants next";

    space();
    ASSERT_EQ(engine->state().winners.size(), 1u);
    EXPECT_EQ(gbk::toUtf8(engine->state().winners[0]), name) << "the winner is the picture the audience saw";
    EXPECT_TRUE(engine->state().stopped);
    EXPECT_FALSE(host.rollTimer) << "the picture draw halts after every press";
    EXPECT_EQ(resultsFile(), name + "  2等奖\r\n");
}

TEST_F(PictureDraw, NamesLoseFolderLastExtensionAndSerialNumberButTheLabelIsMasked)
{
    pictures({"合影.2024.jpg"}, 1);
    settings.writeBool("Option", "SerialNumber", true);
    settings.writeBool("Option", "PrivacyStar", true);
    settings.writeInteger("Option", "StarP", 3);
    settings.writeInteger("Option", "StarO", 2);
    start();
    pressOnce();
    ASSERT_EQ(engine->state().winners.size(), 1u);
    EXPECT_EQ(gbk::toUtf8(engine->state().winners[0]), "合影.2024");
    EXPECT_EQ(host.text(Label::GdArea1), "合**.2024") << "the screen masks, the record does not";
}

TEST_F(PictureDraw, AWinnerWhosePictureCannotBeDecodedIsRecordedAndShownAsAPlaceholder)
{
    pictures({"坏图.jpg"}, 1);
    host.undecodable.insert(path("坏图.jpg"));
    start();
    for (int i = 0; i < 5; ++i)
        engine->rollTick();
    EXPECT_TRUE(host.rolledPictures.empty());
    space();
    ASSERT_EQ(engine->state().winners.size(), 1u) << "the press is not stopped by the bad picture";
    EXPECT_EQ(gbk::toUtf8(engine->state().winners[0]), "坏图");
    EXPECT_EQ(host.areaPictures.back(), path("坏图.jpg")) << "the screen shows its placeholder";
}

TEST_F(PictureDraw, PicturesNotYetDecodedWaitWhileReadyOnesRoll)
{
    pictures({"a.jpg", "b.jpg"}, 2);
    host.notReady.insert(path("a.jpg"));
    start();
    for (int i = 0; i < 20; ++i)
        engine->rollTick();
    for (const std::string& shown : host.rolledPictures)
        EXPECT_EQ(shown, path("b.jpg"));
    space();
    EXPECT_EQ(gbk::toUtf8(engine->state().winners.at(0)), "b");
}

TEST_F(PictureDraw, TheLevelEndsWithTheNextKeyAdvancingAndTheLastLevelEndsTheDraw)
{
    pictures({"a.jpg", "b.jpg", "c.jpg"}, 1);
    settings.writeBool("Option", "OverPopup", true);
    start();
    pressOnce();
    EXPECT_TRUE(engine->state().levelDone);
    EXPECT_EQ(host.endOfLevelPopups, 1);
    space();  // advances and waits (LabelStop)
    EXPECT_EQ(engine->state().currentLevel, 1);
    space();
    pressOnce();
    space();
    EXPECT_TRUE(engine->state().drawOver);
    EXPECT_EQ(engine->state().results.size(), 2u);
}

TEST_F(PictureDraw, EmptyListsAndRedrawKeepTheArea)
{
    writeFile(folder.file("Text.txt"), "");
    levels({{1, 1}});
    start();
    EXPECT_TRUE(host.pictureArea);
    EXPECT_EQ(host.areaPictures.back(), "") << "an empty list leaves the area empty";
    pressOnce();
    EXPECT_EQ(host.lastMessage()->text, "您的总名单人数不足,无法继续抽奖,请检查");
    engine->redraw();
    EXPECT_EQ(host.pictureAreaSaves, 1) << "the redraw writes the area's geometry";
}

TEST_F(PrizeDraw, EditingThePrizeListMakesTheLevelTheListAsItIsNow)
{
    writeList({"A", "B", "C", "D"});
    start();
    pressOnce();
    writeList({"A", "B"});
    engine->reloadDrawList();
    engine->prizeListEdited();
    EXPECT_EQ(settings.readInteger("JxNumber", "RzSpinEdit1", 0), 2);
    EXPECT_EQ(host.text(Label::Stat), "当前奖品共2个,已抽0个,还剩2个 ");
}
