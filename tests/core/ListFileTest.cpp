#include "draw/ListFile.h"

#include "draw/AtomicFile.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace lotavo;
using namespace lotavo::test;

TEST(ListFile, SplitsAtEveryKindOfLineEnd)
{
    EXPECT_EQ(parseLines("A\r\n\r\nB"), (EntryList{"A", "", "B"}));
    EXPECT_EQ(parseLines("A\rB\rC\r"), (EntryList{"A", "B", "C"}));
    EXPECT_EQ(parseLines("A\nB\r\n\rC\n\nD"), (EntryList{"A", "B", "", "C", "", "D"}));
    EXPECT_EQ(parseLines("A\r\nB\r\n"), (EntryList{"A", "B"}));
    EXPECT_EQ(parseLines("\r\n"), (EntryList{""}));
    EXPECT_EQ(parseLines("\n\r"), (EntryList{"", ""}));
    EXPECT_TRUE(parseLines("").empty());
    EXPECT_EQ(parseLines(" Li \t\r\n"), (EntryList{" Li \t"}));

    // Any byte but CR and LF belongs to the entry: NUL, broken GBK, long lines.
    std::string odd("a\0b\xFF\x81", 5);
    std::string longEntry(10000, 'x');
    longEntry[5000] = '\xB0';
    EXPECT_EQ(parseLines(odd + "\r\n" + longEntry), (EntryList{odd, longEntry}));
}

TEST(ListFile, SavesEveryEntryWithCrLfAndRoundTripsBytes)
{
    TempFolder folder;
    std::string original = G("001 王五 市场部\r\n\r\n") + "Zhang \r\n";
    writeFile(folder.file("in.txt"), original);
    EntryList entries;
    ASSERT_TRUE(loadList(folder.file("in.txt"), entries));
    EXPECT_EQ(entries.size(), 3u);
    EXPECT_EQ(saveList(entries, folder.file("out.txt")), "");
    EXPECT_EQ(readFile(folder.file("out.txt")), original);

    EXPECT_EQ(joinLines({"A", "B"}), "A\r\nB\r\n");
    EXPECT_EQ(saveList({}, folder.file("out.txt")), "");
    EXPECT_EQ(readFile(folder.file("out.txt")), "");
    writeFile(folder.file("empty.txt"), "");
    ASSERT_TRUE(loadList(folder.file("empty.txt"), entries));
    EXPECT_TRUE(entries.empty());
}

TEST(ListFile, LoadsBigFilesAsParsingTheirBytesWould)
{
    // A CR LF split across the 1 MiB read size, a line longer than it, short mixed lines.
    std::string bytes = std::string((1 << 20) - 1, 'a') + "\r\nb\r" + std::string(3 << 20, 'c') + "\n";
    for (int i = 0; i < 200000; ++i)
        bytes += std::to_string(i) + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\r" : "\n");
    bytes += "last";
    TempFolder folder;
    writeFile(folder.file("big.txt"), bytes);
    EntryList entries;
    ASSERT_TRUE(loadList(folder.file("big.txt"), entries));
    EXPECT_EQ(entries, parseLines(bytes));
    EXPECT_EQ(entries.size(), 200004u);
}

TEST(ListFile, ReportsFilesItCannotReadOrWrite)
{
    TempFolder folder;
    EntryList entries{"kept"};
    std::string error;
    EXPECT_FALSE(loadList(folder.file("missing.txt"), entries, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(loadList(folder.path(), entries, &error));
    EXPECT_EQ(entries, EntryList{"kept"});

    std::string target = folder.file("no/such/folder/list.txt");
    EXPECT_NE(saveList({"A"}, target), "");
    EXPECT_FALSE(fileExists(target));
}
