#include "draw/ListFile.h"

#include "draw/AtomicFile.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace lotavo;
using namespace lotavo::test;

namespace {

// Line splitting done the plain way, a byte at a time.
EntryList splitPlainly(std::string_view bytes)
{
    EntryList lines;
    std::string line;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        lines.push_back(line);
        line.clear();
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

EntryList inPlaceEntries(const ByteBuffer& bytes, const ByteRanges& lines)
{
    EntryList entries;
    for (const ByteRange& line : lines)
        entries.emplace_back(bytes.data() + line.offset, line.length);
    return entries;
}

}  // namespace

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

TEST(ListFile, EveryLoaderSplitsLikeAPlainByteByByteReading)
{
    // Random bytes rich in line ends: CR LF pairs, lone CRs and LFs land on every offset of
    // the blocks the scan works in, and across them.
    std::mt19937 rng(5);
    const std::string alphabet("aaaaaB\r\n\r\n\r\0\x81\xFF", 14);
    TempFolder folder;
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(rng() % (round < 1000 ? 200 : 2000), ' ');
        for (char& c : bytes)
            c = alphabet[rng() % alphabet.size()];
        EntryList expected = splitPlainly(bytes);
        ASSERT_EQ(parseLines(bytes), expected) << "round " << round;
        if (round % 10 != 0)
            continue;
        // A fresh file each time: rewriting one in place makes the file system flush it.
        std::string path = folder.file(std::to_string(round) + ".txt");
        writeFile(path, bytes);
        EntryList entries;
        ASSERT_TRUE(loadList(path, entries));
        ASSERT_EQ(entries, expected) << "round " << round;
        ByteBuffer buffer;
        ByteRanges lines;
        ASSERT_TRUE(loadListInPlace(path, buffer, lines));
        ASSERT_EQ(std::string_view(buffer.data(), buffer.size()), bytes);
        ASSERT_EQ(inPlaceEntries(buffer, lines), expected) << "round " << round;
    }
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
    ByteBuffer buffer;
    ByteRanges lines;
    ASSERT_TRUE(loadListInPlace(folder.file("empty.txt"), buffer, lines));
    EXPECT_TRUE(buffer.empty());
    EXPECT_TRUE(lines.empty());

    // A saved draw list is laid out as joinLines lays it out.
    EXPECT_EQ(saveJoinedLines(joinLines({"A", ""}), folder.file("out.txt")), "");
    EXPECT_EQ(readFile(folder.file("out.txt")), "A\r\n\r\n");
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

    ByteBuffer buffer;
    ByteRanges lines;
    ASSERT_TRUE(loadListInPlace(folder.file("big.txt"), buffer, lines));
    EXPECT_EQ(inPlaceEntries(buffer, lines), entries);
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

    ByteBuffer buffer{'k'};
    ByteRanges lines{{0, 1}};
    error.clear();
    EXPECT_FALSE(loadListInPlace(folder.file("missing.txt"), buffer, lines, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(loadListInPlace(folder.path(), buffer, lines, &error));
    EXPECT_EQ(buffer.size(), 1u);
    EXPECT_EQ(lines.size(), 1u);

    std::string target = folder.file("no/such/folder/list.txt");
    EXPECT_NE(saveList({"A"}, target), "");
    EXPECT_FALSE(fileExists(target));
}
