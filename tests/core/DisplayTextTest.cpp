#include "TestSupport.h"

#include "draw/DisplayText.h"
#include "draw/DrawList.h"
#include "draw/Gbk.h"

#include <gtest/gtest.h>

using namespace lotavo;
using lotavo::test::G;

namespace {

std::string processed(std::string_view utf8Line, const DisplayOptions& options)
{
    EntryList lines {G(utf8Line)};
    display::processPressList(lines, options);
    return gbk::toUtf8(lines[0]);
}

}  // namespace

TEST(DisplayText, WorkedExamplesOfSelectionNumberingAndMasking)
{
    DisplayOptions o;
    o.showOnly = true;
    o.showStrP = 5;
    o.showStrO = 6;
    EXPECT_EQ(processed("1024王小明", o), "王小明");
    o.serialNumber = true;
    EXPECT_EQ(processed("7.1024王小明", o), "7.王小明");
    o.showStrP = 1;
    o.showStrO = 4;
    o.serialNumber = false;
    EXPECT_EQ(processed("1024王小明", o), "1024");

    DisplayOptions m;
    m.privacyStar = true;
    m.starP = 3;
    m.starO = 2;
    EXPECT_EQ(processed("王小明", m), "王**明");
    EXPECT_EQ(processed("AB", m), "AB**");
    m.serialNumber = true;
    EXPECT_EQ(processed("7.王小明", m), "7.王**明");

    DisplayOptions both;
    both.showOnly = true;
    both.showStrP = 5;
    both.showStrO = 6;
    both.privacyStar = true;
    both.starP = 1;
    both.starO = 2;
    EXPECT_EQ(processed("1024王小明", both), "**小明");
}

TEST(DisplayText, SeparatorsMasksAndRangesAtTheEdges)
{
    DisplayOptions o;
    o.serialNumber = true;
    EXPECT_EQ(processed("3.王五", o), "3.王五") << "numbering alone leaves the line as drawn";

    o.space = G("，");
    o.privacyStar = true;
    o.starP = 1;
    o.starO = 2;
    EXPECT_EQ(processed("12，王小明", o), "12，**小明") << "a separator of several bytes is kept whole";

    DisplayOptions wide;
    wide.privacyStar = true;
    wide.privacyChr = G("〇");
    wide.starP = 1;
    wide.starO = 3;
    EXPECT_EQ(processed("ABCD", wide), "〇〇〇D");
    wide.starO = 7;  // beyond what the control panel allows: the bytes go, no mask is added
    EXPECT_EQ(processed("ABCDEFGHIJ", wide), "HIJ");

    EXPECT_EQ(display::select("abc", 9, 2), "");
    EXPECT_EQ(display::select("abc", 0, 2), "ab");
    EXPECT_EQ(display::select("abc", 2, -1), "");
    EXPECT_EQ(display::select(G("王小明"), 2, 2).size(), 2u) << "positions are bytes: half characters are allowed";

    DisplayOptions pop;
    pop.showOnly = true;
    pop.showOnlyPop = true;
    pop.showStrP = 1;
    pop.showStrO = 4;
    pop.popShowStrP = 5;
    pop.popShowStrO = 4;
    EXPECT_EQ(processed("1024张三", pop), "张三");
    EXPECT_EQ(gbk::toUtf8(display::rollingText(G("1024张三"), pop)), "1024");
}

TEST(DisplayText, LongestEntryScansTheHeadThenTheTailBackwards)
{
    EXPECT_EQ(display::longestEntry(DrawList()), "");
    EntryList entries(300, "ab");
    entries[50] = "xyz1";
    entries[250] = "xyz2";
    entries[280] = "xyz3";
    EXPECT_EQ(display::longestEntry(DrawList(entries)), "xyz1");
    entries[50] = "ab";
    EXPECT_EQ(display::longestEntry(DrawList(entries)), "xyz3") << "the tail is scanned from the last entry";
}
