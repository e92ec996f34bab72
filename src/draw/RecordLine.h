#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The line format of the draw record, shared by the program that writes it and the
// verification that reads it. A line is UTF-8: the kind of event, its fields as key=value,
// all separated by TAB, then TAB "#" and the SHA-256 (hex) of the previous line's hash, a
// line feed and the line's text before the TAB "#". Changing, inserting or removing a line
// breaks the chain from there on.
namespace lotavo::record {

using Fields = std::vector<std::pair<std::string, std::string>>;

struct Line {
    std::string kind;
    Fields fields;

    // The value of the first field `key`, or `fallback`.
    std::string get(std::string_view key, std::string_view fallback = {}) const;
    std::vector<std::string> all(std::string_view key) const;
};

// The hash the first line is chained to.
const std::string& chainStart();

// The text of a line, hash included, without its line feed.
std::string format(const Line& line, const std::string& previousHash, std::string* hash);

// Splits a line (without its line feed); false when it has no hash part.
bool parse(std::string_view text, Line& line, std::string& body, std::string& hash);
std::string chainHash(const std::string& previousHash, std::string_view body);

// A GBK entry as a field value: UTF-8 where it converts both ways, TAB and backslash
// escaped; otherwise "\g" and the bytes in hex, so that every byte survives.
std::string fromGbk(std::string_view gbk);
std::string toGbk(std::string_view value);

}  // namespace lotavo::record
