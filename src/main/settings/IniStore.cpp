#include "main/settings/IniStore.h"

#include "draw/AtomicFile.h"
#include "draw/Gbk.h"

#include <algorithm>
#include <cstddef>
#include <sys/stat.h>

namespace lotavo {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view unquoted(std::string_view value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

// Cut to the longest prefix that fits, keeping double-byte characters whole.
std::string limited(std::string_view value)
{
    if (value.size() <= IniStore::kMaxValueBytes)
        return std::string(value);
    size_t n = 0;
    while (n < value.size()) {
        size_t step = gbk::isLeadByte(static_cast<unsigned char>(value[n])) && n + 1 < value.size() ? 2 : 1;
        if (n + step > IniStore::kMaxValueBytes)
            break;
        n += step;
    }
    return std::string(value.substr(0, n));
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view s)
{
    size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        size_t extra;
        unsigned char lo = 0x80, hi = 0xBF;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            if (c == 0xE0)
                lo = 0xA0;
            else if (c == 0xED)
                hi = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            if (c == 0xF0)
                lo = 0x90;
            else if (c == 0xF4)
                hi = 0x8F;
        } else {
            return false;
        }
        if (s.size() - i <= extra)
            return false;
        for (size_t k = 1; k <= extra; ++k) {
            auto t = static_cast<unsigned char>(s[i + k]);
            if (t < lo || t > hi)
                return false;
            lo = 0x80;
            hi = 0xBF;
        }
        i += extra + 1;
    }
    return true;
}

// Names that would not read back as the same section or key once written.
std::string nameProblem(std::string_view section, std::string_view key)
{
    auto bad = [](std::string_view name) {
        return name.find_first_of("\r\n") != std::string_view::npos || trimmed(name).size() != name.size();
    };
    if (bad(section))
        return "节名无效: [" + gbk::toUtf8(section) + "]";
    if (key.empty() || bad(key) || key.find('=') != std::string_view::npos || key.front() == '[' ||
        key.front() == ';')
        return "键名无效: " + gbk::toUtf8(key);
    return {};
}

void takeStamp(const struct stat& st, int64_t* stamp)
{
    stamp[0] = static_cast<int64_t>(st.st_size);
    stamp[1] = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp[2] = static_cast<int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    stamp[3] = static_cast<int64_t>(st.st_ino);
}

}  // namespace

IniStore::IniStore(std::string path) : m_path(std::move(path)) {}

IniStore::Line IniStore::classify(std::string text)
{
    Line line;
    line.text = std::move(text);
    std::string_view all = line.text;
    std::string_view t = trimmed(all);
    auto offset = [&](std::string_view part) { return static_cast<size_t>(part.data() - all.data()); };
    if (t.empty() || t.front() == ';')
        return line;
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
        std::string_view name = trimmed(t.substr(1, t.size() - 2));
        line.kind = Line::Section;
        line.nameAt = offset(name);
        line.nameLength = name.size();
        return line;
    }
    size_t eq = t.find('=');
    if (eq == std::string_view::npos)
        return line;
    std::string_view name = trimmed(t.substr(0, eq));
    if (name.empty())
        return line;
    std::string_view value = trimmed(t.substr(eq + 1));
    line.kind = Line::Key;
    line.nameAt = offset(name);
    line.nameLength = name.size();
    line.valueAt = value.empty() ? 0 : offset(value);
    line.valueLength = value.size();
    return line;
}

// Cheap enough to run before every read: one stat. Another writer of the file (a second
// instance, an editor) changes its size, times or inode; replacing writes change the inode.
void IniStore::refresh() const
{
    struct stat st {};
    int64_t stamp[4] = {-1, 0, 0, 0};
    bool present = ::stat(m_path.c_str(), &st) == 0;
    if (present)
        takeStamp(st, stamp);
    if (m_loaded && std::equal(stamp, stamp + 4, m_stamp))
        return;
    std::copy(stamp, stamp + 4, m_stamp);
    m_loaded = true;
    m_readError.clear();
    std::string bytes;
    std::string error;
    if (present && !readWholeFile(m_path, bytes, &error)) {
        bytes.clear();
        // Gone between the stat and the open: simply a missing file.
        if (::stat(m_path.c_str(), &st) == 0)
            m_readError = error;
    }
    parse(std::move(bytes));
}

// NUL bytes are kept as ordinary bytes of their line; only CR and LF end a line.
void IniStore::parse(std::string bytes) const
{
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (bytes.starts_with(bom)) {
        bytes.erase(0, bom.size());
        if (isValidUtf8(bytes))
            bytes = gbk::fromUtf8(bytes);
    }
    m_lines.clear();
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            m_lines.push_back(classify(bytes.substr(start)));
            break;
        }
        m_lines.push_back(classify(bytes.substr(start, end - start)));
        start = end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
    }
    reindex();
}

void IniStore::reindex() const
{
    m_sections.clear();
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].kind == Line::Section)
            m_sections.push_back(i);
}

IniStore::Range IniStore::findSection(std::string_view section) const
{
    for (size_t s = 0; s < m_sections.size(); ++s) {
        if (gbk::equalNoCase(m_lines[m_sections[s]].name(), section))
            return {m_sections[s], s + 1 < m_sections.size() ? m_sections[s + 1] : m_lines.size(), true};
    }
    return {};
}

size_t IniStore::findKey(const Range& range, std::string_view key) const
{
    if (range.found)
        for (size_t i = range.begin + 1; i < range.end; ++i)
            if (m_lines[i].kind == Line::Key && gbk::equalNoCase(m_lines[i].name(), key))
                return i;
    return m_lines.size();
}

const IniStore::Line* IniStore::findValue(std::string_view section, std::string_view key) const
{
    size_t i = findKey(findSection(section), key);
    return i < m_lines.size() ? &m_lines[i] : nullptr;
}

std::string IniStore::readString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    refresh();
    const Line* line = findValue(section, key);
    return limited(line ? unquoted(line->value()) : defaultValue);
}

int32_t IniStore::readInteger(std::string_view section, std::string_view key, int32_t defaultValue) const
{
    int32_t value = 0;
    return ini::parseInteger(readString(section, key, {}), value) ? value : defaultValue;
}

bool IniStore::readBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    int32_t value = 0;
    return ini::parseInteger(readString(section, key, {}), value) ? value != 0 : defaultValue;
}

bool IniStore::hasKey(std::string_view section, std::string_view key) const
{
    refresh();
    return findValue(section, key) != nullptr;
}

std::string IniStore::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    if (std::string problem = nameProblem(section, key); !problem.empty())
        return problem;
    refresh();
    if (!m_readError.empty())
        return m_readError;  // rewriting would lose what we could not read

    // A line break would end the value early and turn the rest into a line of its own.
    std::string text(value);
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');

    Range range = findSection(section);
    if (!range.found) {
        if (!m_lines.empty() && !trimmed(m_lines.back().text).empty())
            m_lines.push_back(classify({}));
        m_lines.push_back(classify("[" + std::string(section) + "]"));
        m_lines.push_back(classify(std::string(key) + "=" + text));
    } else if (size_t at = findKey(range, key); at < m_lines.size()) {
        std::string line = std::string(m_lines[at].name()) + "=" + text;
        // The start of the program writes back dozens of values that have not changed.
        if (line == m_lines[at].text)
            return {};
        m_lines[at] = classify(line);
    } else {
        size_t insertAt = range.begin + 1;
        for (size_t i = range.begin + 1; i < range.end; ++i)
            if (m_lines[i].kind == Line::Key)
                insertAt = i + 1;
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), classify(std::string(key) + "=" + text));
    }
    reindex();
    return store();
}

std::string IniStore::writeInteger(std::string_view section, std::string_view key, int32_t value)
{
    return writeString(section, key, std::to_string(value));
}

std::string IniStore::writeBool(std::string_view section, std::string_view key, bool value)
{
    return writeString(section, key, value ? "1" : "0");
}

std::vector<std::string> IniStore::sectionNames() const
{
    refresh();
    std::vector<std::string> names;
    for (size_t at : m_sections) {
        std::string_view name = m_lines[at].name();
        if (std::none_of(names.begin(), names.end(), [&](const std::string& n) { return gbk::equalNoCase(n, name); }))
            names.emplace_back(name);
    }
    return names;
}

std::vector<std::string> IniStore::keyNames(std::string_view section) const
{
    refresh();
    std::vector<std::string> names;
    Range range = findSection(section);
    for (size_t i = range.begin + 1; range.found && i < range.end; ++i) {
        if (m_lines[i].kind != Line::Key)
            continue;
        std::string_view name = m_lines[i].name();
        if (std::none_of(names.begin(), names.end(), [&](const std::string& n) { return gbk::equalNoCase(n, name); }))
            names.emplace_back(name);
    }
    return names;
}

std::string IniStore::eraseSection(std::string_view section)
{
    refresh();
    if (!m_readError.empty())
        return m_readError;
    std::vector<Line> kept;
    kept.reserve(m_lines.size());
    bool inSection = false, erased = false;
    for (Line& line : m_lines) {
        if (line.kind == Line::Section)
            inSection = gbk::equalNoCase(line.name(), section);
        if (inSection)
            erased = true;
        else
            kept.push_back(std::move(line));
    }
    if (!erased)
        return {};
    m_lines = std::move(kept);
    reindex();
    return store();
}

std::string IniStore::deleteKey(std::string_view section, std::string_view key)
{
    refresh();
    if (!m_readError.empty())
        return m_readError;
    size_t at = findKey(findSection(section), key);
    if (at >= m_lines.size())
        return {};
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(at));
    reindex();
    return store();
}

// Settings are written one value at a time, often hundreds in a row, so no fsync: the
// rename alone already protects against a crash of the program.
std::string IniStore::store()
{
    std::string bytes;
    for (const Line& line : m_lines) {
        bytes += line.text;
        bytes += "\r\n";
    }
    std::string error = writeFileAtomically(m_path, bytes, Durability::Renamed);
    if (!error.empty()) {
        m_loaded = false;  // the next access reads the untouched file again
        return error;
    }
    // Take the stamp of our own file so the next read does not parse it again; if someone
    // else replaced it already, the size usually tells, and then we parse theirs.
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0 || static_cast<size_t>(st.st_size) != bytes.size()) {
        m_loaded = false;
        return {};
    }
    takeStamp(st, m_stamp);
    return {};
}

}  // namespace lotavo
