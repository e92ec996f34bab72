// Prize entries: six-digit codes that never repeat, and the key their attachments go under.
#include "draw/PrizeAttachmentKey.h"
#include "draw/PrizeCodes.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <set>

using namespace lotavo;
using namespace lotavo::prize;
using namespace lotavo::test;

namespace {

std::set<std::string> codesOf(const EntryList& entries)
{
    std::set<std::string> codes;
    for (const std::string& entry : entries)
        codes.insert(entry.substr(0, kCodeDigits));
    return codes;
}

bool isCode(std::string_view text)
{
    return text.size() == kCodeDigits && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

TEST(PrizeCodesTest, EntriesAreSixDigitsAndTheName)
{
    RandomGenerator random;
    random.seed(7);
    EntryList entries = createEntries({}, 3, G("电视机"), random);
    ASSERT_EQ(entries.size(), 3u);
    for (const std::string& entry : entries) {
        EXPECT_TRUE(isCode(std::string_view(entry).substr(0, 6))) << entry;
        EXPECT_EQ(entry.substr(6), G("电视机"));
    }
    EXPECT_TRUE(isCode(createEntries({}, 1, "", random).front()));
    EXPECT_TRUE(createEntries({}, 0, "x", random).empty());
}

TEST(PrizeCodesTest, CodesNeverRepeatNorMeetTheListsCodes)
{
    RandomGenerator random;
    random.seed(1);
    // With independent codes, 100,000 units would share codes about 5,000 times.
    EntryList first = createEntries({}, 100000, G("笔"), random);
    EXPECT_EQ(codesOf(first).size(), 100000u);

    EntryList existing = first;
    existing.push_back(G("张三"));
    EntryList second = createEntries(existing, 100000, G("书"), random);
    std::set<std::string> all = codesOf(first);
    for (const std::string& code : codesOf(second))
        EXPECT_TRUE(all.insert(code).second) << code;
    EXPECT_EQ(all.size(), 200000u);
}

TEST(PrizeCodesTest, ACrowdedListGetsTheLastFreeCodes)
{
    EntryList existing;
    for (size_t code = 0; code < kCodeCount; ++code)
        if (code % 1000 != 0)
            existing.push_back(std::to_string(1000000 + code).substr(1) + "x");
    RandomGenerator random;
    random.seed(3);
    EntryList entries = createEntries(existing, 5000, "y", random);
    // Only the thousand codes ending in 000 are left.
    ASSERT_EQ(entries.size(), 1000u);
    std::set<std::string> codes = codesOf(entries);
    EXPECT_EQ(codes.size(), 1000u);
    for (const std::string& code : codes)
        EXPECT_EQ(code.substr(3), "000");
}

TEST(PrizeCodesTest, AttachmentKeyIsThePrizeAsThePopupShowsIt)
{
    EXPECT_EQ(attachmentKey(G("电视机"), Attachment::Picture), G("电视机PIC"));
    EXPECT_EQ(attachmentKey(G("电视机"), Attachment::Sound), G("电视机WAV"));
    // Twenty Chinese characters are 40 bytes; the pop-up shows the first 30.
    std::string longName = G("一二三四五六七八九十一二三四五六七八九十");
    std::string shown = longName.substr(0, kShownNameBytes);
    EXPECT_EQ(attachmentKey(longName, Attachment::Picture), shown + "PIC");
    // What the draw looks up (the shown text) and what the creator stores meet.
    EXPECT_EQ(attachmentKey(shown, Attachment::Sound), attachmentKey(longName, Attachment::Sound));
}
