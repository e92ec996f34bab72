#include "draw/DrawList.h"

#include "draw/Gbk.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace lotavo;
using namespace lotavo::test;

namespace {

// The same operations done the plain way on a vector, as the draw describes them.
struct PlainList {
    EntryList v;
    static bool less(const std::string& a, const std::string& b) { return gbk::compareNoCase(a, b) < 0; }

    size_t sortAndRemoveAllEqual(std::string e)
    {
        std::stable_sort(v.begin(), v.end(), less);
        return std::erase_if(v, [&](const std::string& x) { return gbk::equalNoCase(x, e); });
    }
    bool removeFirstEqual(const std::string& e)
    {
        auto it = std::find_if(v.begin(), v.end(), [&](const std::string& x) { return gbk::equalNoCase(x, e); });
        if (it == v.end())
            return false;
        v.erase(it);
        return true;
    }
    size_t removeEarlierWinners(const EntryList& lines, bool serial, std::string_view sep)
    {
        size_t removed = 0;
        for (std::string t : lines) {
            if (serial && t.find(sep) != std::string::npos)
                t = t.substr(t.find(sep) + sep.size());
            removed += sortAndRemoveAllEqual(t);
        }
        return removed;
    }
    size_t removeEndingWith(const EntryList& lines)
    {
        size_t before = v.size();
        for (const std::string& w : lines)
            for (size_t j = v.size(); j-- > 0;) {
                const std::string& x = v[j];
                if (x.size() >= w.size() && x.ends_with(w) && gbk::isCharBoundary(x, x.size() - w.size()) &&
                    (!w.empty() || x.empty()))
                    v.erase(v.begin() + static_cast<long>(j));
            }
        return before - v.size();
    }
};

void expectSame(const DrawList& list, const PlainList& plain)
{
    ASSERT_EQ(list.size(), plain.v.size());
    for (size_t i = 0; i < plain.v.size(); ++i)
        ASSERT_EQ(list.at(i), plain.v[i]) << "at " << i;
}

}  // namespace

TEST(DrawList, BehavesExactlyLikeAPlainVectorUnderRandomOperations)
{
    const EntryList words{"Zhang", "zhang", "ZHANG", "Li", "li", "Li ", "", "a", "B", "b", "\x81\x41", "\x81\x61",
                          G("王五"), G("王小明"), G("李明"), G("明"), "3." + G("王五"), G("张三 市场部")};
    for (unsigned seed = 1; seed <= 30; ++seed) {
        std::mt19937 rng(seed);
        auto pick = [&](size_t n) { return static_cast<size_t>(rng() % n); };
        auto entry = [&] { return pick(3) ? words[pick(words.size())] : words[pick(words.size())] + words[pick(words.size())]; };
        auto someLines = [&] {
            EntryList lines(pick(16));
            for (auto& line : lines)
                line = pick(4) ? entry() : std::to_string(pick(9)) + "." + entry();
            return lines;
        };
        // Half the lists come from a file, as the draw list's do in the program.
        PlainList plain;
        DrawList list;
        TempFolder folder;
        int files = 0;
        auto refill = [&] {
            if (pick(2)) {
                list.assign(plain.v);
                return;
            }
            // A fresh file each time: rewriting one in place makes the file system flush it.
            std::string path = folder.file(std::to_string(++files) + ".txt");
            writeFile(path, joinLines(plain.v));
            ASSERT_TRUE(list.loadFile(path));
        };
        for (size_t n = 50 + pick(300); n-- > 0;)
            plain.v.push_back(entry());
        refill();
        size_t index = 0;
        for (int step = 0; step < 300; ++step) {
            SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step));
            if (plain.v.size() < 20 && pick(4) == 0) {
                for (size_t n = pick(300); n-- > 0;)
                    plain.v.push_back(entry());
                refill();
            }
            switch (pick(13)) {
            case 0: case 1: case 2: case 3: case 4:  // a pick of the draw
                if (plain.v.empty())
                    break;
                index = std::min(index, plain.v.size() - 1);
                if (pick(2)) {
                    EXPECT_EQ(list.sortAndRemoveAllEqual(list.at(index)), plain.sortAndRemoveAllEqual(plain.v[index]));
                } else {
                    list.removeAt(index);
                    plain.v.erase(plain.v.begin() + static_cast<long>(index));
                }
                index = plain.v.empty() ? 0 : pick(plain.v.size());
                break;
            case 5: { auto e = entry(); list.append(e); plain.v.push_back(e); break; }
            case 6: { auto e = entry(); EXPECT_EQ(list.removeFirstEqual(e), plain.removeFirstEqual(e)); break; }
            case 7: {
                auto lines = someLines();
                size_t removed = 0;
                for (const auto& line : lines)
                    removed += plain.removeFirstEqual(line);
                EXPECT_EQ(list.applyExclusions(lines), removed);
                break;
            }
            case 8: {
                auto lines = someLines();
                bool serial = pick(2);
                EXPECT_EQ(list.removeEarlierWinners(lines, serial, "."), plain.removeEarlierWinners(lines, serial, "."));
                break;
            }
            case 9: { auto lines = someLines(); EXPECT_EQ(list.removeEndingWith(lines), plain.removeEndingWith(lines)); break; }
            case 10: list.sortNoCase(); std::stable_sort(plain.v.begin(), plain.v.end(), PlainList::less); break;
            case 11:
                EXPECT_EQ(list.isSortedNoCase(), std::is_sorted(plain.v.begin(), plain.v.end(), PlainList::less));
                EXPECT_EQ(list.entries(), plain.v);
                EXPECT_EQ(list.views(), std::vector<std::string_view>(plain.v.begin(), plain.v.end()));
                EXPECT_EQ(list.joined(), joinLines(plain.v));
                break;
            case 12:  // an entry of the list itself comes back
                if (!plain.v.empty()) {
                    size_t from = pick(plain.v.size());
                    list.append(list.at(from));
                    plain.v.push_back(plain.v[from]);
                }
                break;
            }
            expectSame(list, plain);
            if (HasFatalFailure())
                return;
        }
    }
}

TEST(DrawList, SortsStablyAcrossLongSharedPrefixes)
{
    // Pieces that put lead bytes, trail letters, NUL bytes and ends at every offset.
    const EntryList pieces{std::string(15, 'x'), std::string(15, 'X'), "\x81", "A", "a", std::string(1, '\0'),
                           G("王"), "B", std::string(40, 'q')};
    std::mt19937 rng(7);
    EntryList entries(3000);
    for (auto& entry : entries)
        for (size_t n = rng() % 7; n-- > 0;)
            entry += pieces[rng() % pieces.size()];
    EntryList expected = entries;
    std::stable_sort(expected.begin(), expected.end(), PlainList::less);
    DrawList list(entries);
    list.sortNoCase();
    EXPECT_EQ(list.entries(), expected);
}

TEST(DrawList, ExclusionsAndEarlierWinnersCompareIgnoringCase)
{
    DrawList list({"Zhang", "zhang", "Li", "Li "});
    EXPECT_EQ(list.applyExclusions({"Zhang", "Li"}), 2u);
    EXPECT_EQ(list.entries(), (EntryList{"zhang", "Li "}));  // the trailing blank keeps "Li " in

    // Two characters whose trail bytes are 'A' and 'a' are different names.
    list.assign({"\x81\x41", "\x81\x61"});
    EXPECT_EQ(list.sortAndRemoveAllEqual("\x81\x61"), 1u);
    EXPECT_EQ(list.entries(), EntryList{"\x81\x41"});

    list.assign({G("王五"), G("李四"), "ab", G("王五"), G("张三"), G("王五 ")});
    EXPECT_EQ(list.removeEarlierWinners({G("3.王五"), "12.AB", G("张三")}, true, "."), 4u);
    EXPECT_EQ(list.entries(), (EntryList{G("李四"), G("王五 ")}));
    EXPECT_TRUE(list.isSortedNoCase());

    // Without serial numbers the whole line is the entry.
    list.assign({"3.Li", "Li"});
    EXPECT_EQ(list.removeEarlierWinners({"3.li"}, false, "."), 1u);
    EXPECT_EQ(list.entries(), EntryList{"Li"});
}

TEST(DrawList, EndingMatchesStartOnCharacterBoundaries)
{
    DrawList list({G("李明"), G("王小明"), "", "Li", G("明")});
    EXPECT_EQ(list.removeEndingWith({"1." + G("王小明")}), 0u);
    EXPECT_EQ(list.removeEndingWith({G("明")}), 3u);  // 李明, 王小明 and 明 itself
    EXPECT_EQ(list.entries(), (EntryList{"", "Li"}));
    EXPECT_EQ(list.removeEndingWith({""}), 1u);  // the empty line takes only the empty entry
    EXPECT_EQ(list.entries(), EntryList{"Li"});
    EXPECT_EQ(list.removeEndingWith({"li"}), 0u);  // letter case counts here

    // "A明" matches the last three bytes of 丄明, but starts on the trail byte of 丄.
    std::string trailA = "\x81\x41" + G("明");
    std::string straddle = G("王小明").substr(3);  // trail byte of 小, then 明
    list.assign({trailA, G("王小明")});
    EXPECT_EQ(list.removeEndingWith({"A" + G("明"), straddle}), 0u);
    EXPECT_EQ(list.size(), 2u);
}

TEST(DrawList, LazyRemovalsKeepPositionsAndAppendsInOrder)
{
    EntryList many;
    for (int i = 0; i < 1000; ++i)
        many.push_back(std::to_string(100000 + i));
    DrawList list(many);
    EXPECT_TRUE(list.isSortedNoCase());
    list.removeAt(0);
    list.removeAt(500);
    EXPECT_EQ(list.at(0), "100001");
    EXPECT_EQ(list.at(499), "100500");
    EXPECT_EQ(list.at(500), "100502");
    list.append("100999");  // pending removals, storage still sorted
    EXPECT_EQ(list.sortAndRemoveAllEqual("100999"), 2u);
    list.append("0");
    EXPECT_EQ(list.at(list.size() - 1), "0");
    EXPECT_FALSE(list.isSortedNoCase());
    EXPECT_THROW(list.at(list.size()), std::out_of_range);
}

TEST(DrawList, LoadsAFileAsParsingItsBytesWould)
{
    std::string longLine(5000, 'x');
    longLine[63] = '\r';  // a CR LF across the 64-byte blocks the scan works in
    longLine[64] = '\n';
    const std::vector<std::string> files{
        "A\rB\rC\r", "A\nB\r\n\rC\n\nD", "A\r\nB", "A\r\nB\r\n", std::string("a\0b\r\n\0\xFF\x81", 9), "",
        "\r\n", "\n\r", "\r\r\n\n", " Li \t\r\n", G("001 王五 市场部\r\n\r\n") + "Zhang \r\n", longLine,
        longLine + "\r", std::string(64, 'y') + "\r\n" + std::string(63, 'z') + "\r"};
    TempFolder folder;
    int written = 0;
    auto fileOf = [&](const std::string& bytes) {
        // A fresh file each time: rewriting one in place makes the file system flush it.
        std::string path = folder.file(std::to_string(++written) + ".txt");
        writeFile(path, bytes);
        return path;
    };
    DrawList list({"old"});
    for (const std::string& bytes : files) {
        SCOPED_TRACE(bytes.substr(0, 40));
        ASSERT_TRUE(list.loadFile(fileOf(bytes)));
        EntryList parsed = parseLines(bytes);
        EXPECT_EQ(list.entries(), parsed);
        EXPECT_EQ(list.isSortedNoCase(), std::is_sorted(parsed.begin(), parsed.end(), PlainList::less));
    }

    // Random bytes rich in line ends, around and across block boundaries.
    std::mt19937 rng(11);
    const std::string alphabet("aaaaB\r\n\r\n\0\x81\xFF", 13);
    for (int round = 0; round < 300; ++round) {
        std::string bytes(rng() % 400, ' ');
        for (char& c : bytes)
            c = alphabet[rng() % alphabet.size()];
        ASSERT_TRUE(list.loadFile(fileOf(bytes)));
        ASSERT_EQ(list.entries(), parseLines(bytes)) << "round " << round;
    }
}

TEST(DrawList, KeepsItsEntriesWhenAFileCannotBeLoaded)
{
    TempFolder folder;
    DrawList list({"kept", "too"});
    list.removeAt(1);
    std::string error;
    EXPECT_FALSE(list.loadFile(folder.file("missing.txt"), &error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(list.loadFile(folder.path(), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(list.entries(), EntryList{"kept"});
}

TEST(DrawList, AppendsToALoadedFileAndHandsOutViewsThatStay)
{
    TempFolder folder;
    writeFile(folder.file("list.txt"), "b\r\nc\r\nd");
    DrawList list;
    ASSERT_TRUE(list.loadFile(folder.file("list.txt")));
    EXPECT_TRUE(list.isSortedNoCase());
    list.append("e");
    EXPECT_TRUE(list.isSortedNoCase());
    list.append(list.at(0));  // "b" again, after "e"
    EXPECT_FALSE(list.isSortedNoCase());
    // Enough appends to move the bytes; each entry, its own views included, stays whole.
    EntryList expected{"b", "c", "d", "e", "b"};
    for (int i = 0; i < 2000; ++i) {
        std::string added = std::to_string(i) + std::string(static_cast<size_t>(i % 50), 'q');
        list.append(i % 3 ? std::string_view(added) : list.at(static_cast<size_t>(i) % list.size()));
        expected.push_back(i % 3 ? added : expected[static_cast<size_t>(i) % expected.size()]);
    }
    EXPECT_EQ(list.entries(), expected);

    // Sorting and removing move no bytes: a view taken before still reads the same.
    std::string_view first = list.at(0);
    size_t copies = static_cast<size_t>(std::count(expected.begin(), expected.end(), "b"));
    EXPECT_GE(copies, 2u);
    EXPECT_EQ(list.sortAndRemoveAllEqual(first), copies);
    EXPECT_EQ(first, "b");
    EXPECT_EQ(list.size(), expected.size() - copies);
    EXPECT_EQ(list.joined(), joinLines(list.entries()));
}

TEST(DrawList, BigListsBehaveAsSmallOnes)
{
    // Big enough that the bytes, the places and the sort keys take the big-block memory.
    std::mt19937 rng(3);
    const EntryList words{"Zhang", "li", G("王五"), G("市场部"), "3.", " ", "\x81\x41"};
    EntryList entries(200000);
    for (auto& entry : entries)
        for (size_t n = 1 + rng() % 4; n-- > 0;)
            entry += words[rng() % words.size()];
    TempFolder folder;
    writeFile(folder.file("big.txt"), joinLines(entries));
    DrawList loaded;
    ASSERT_TRUE(loaded.loadFile(folder.file("big.txt")));
    DrawList copy = loaded;
    for (int i = 0; i < 100000; ++i)  // grows the bytes past what the load left room for
        copy.append(entries[static_cast<size_t>(i)] + "+");
    EXPECT_EQ(loaded.entries(), entries);

    EntryList expected = entries;
    std::stable_sort(expected.begin(), expected.end(), PlainList::less);
    loaded.sortNoCase();
    EXPECT_EQ(loaded.entries(), expected);
    EXPECT_EQ(copy.size(), entries.size() + 100000);
    EXPECT_EQ(copy.at(entries.size()), entries[0] + "+");
    EXPECT_EQ(copy.at(entries.size() - 1), entries.back());
}
