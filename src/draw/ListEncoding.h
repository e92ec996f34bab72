#pragma once

#include "draw/ListFile.h"

#include <string>
#include <string_view>

// Participant lists typed in any editor: a list file may come in UTF-8 or UTF-16 as well as
// in GBK. Whatever it came in, its entries are GBK in memory, and the file is written back in
// the encoding it came in, so it stays readable in the operator's own editor.
namespace lotavo {

enum class TextEncoding { Gbk, Utf8, Utf8Bom, Utf16Le, Utf16Be };

// What reading a list file found: the encoding it came in, and the characters GBK cannot
// hold (shown as '?'), each once.
struct ListDecoding {
    TextEncoding encoding = TextEncoding::Gbk;
    std::u32string unmappable;
};

// The encoding of a file's bytes: a UTF-8 or UTF-16 byte-order mark says so; without one,
// bytes that are valid UTF-8 throughout with at least one multi-byte character are UTF-8;
// anything else is GBK, as lists have always been.
TextEncoding detectEncoding(std::string_view bytes);

// Turns the bytes of a list file into GBK text, in place, and says what they were in. The
// characters GBK cannot hold become '?' and are added, each once, to `unmappable`.
TextEncoding decodeToGbk(ByteBuffer& bytes, std::u32string* unmappable);

// The same for lines already split from a file without its byte-order mark being looked at
// (valid only for GBK, UTF-8 and UTF-8 with a mark: a UTF-16 file must go through
// decodeToGbk). Returns false, changing nothing, when the lines cannot tell: the first line
// starts with a UTF-16 mark, or the file may be a UTF-8 mark alone.
bool decodeLinesToGbk(EntryList& lines, TextEncoding& encoding, std::u32string* unmappable);

// GBK text (a list laid out by joinLines) in `encoding`, with the byte-order mark the
// encoding has.
std::string encodeFromGbk(std::string_view gbkText, TextEncoding encoding);

// Saves a list laid out by joinLines in the encoding of the file already at `path` (GBK when
// there is none), atomically; an empty string or the reason of the failure (UTF-8).
std::string saveListKeepingEncoding(const std::string& gbkText, const std::string& path);

// The characters a list lost, for a message: "𠀋 ﹫" (at most `limit`, then "…").
std::string listUnmappable(const std::u32string& characters, size_t limit = 20);

}  // namespace lotavo
