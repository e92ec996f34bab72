#pragma once

#include "draw/ListFile.h"

#include <string>
#include <string_view>
#include <vector>

// Text that comes into the list editor from outside: text files of any usual encoding,
// spreadsheet rows, and the first bytes of office files, which tell what a file really is.
namespace lotavo::textimport {

enum class TextEncoding { Ascii, Gbk, Utf8, Utf8Bom, Utf16Le, Utf16Be };

struct DecodedText {
    std::string gbk;                           // the text as GBK bytes
    TextEncoding encoding = TextEncoding::Ascii;
    std::vector<std::u32string> unmappable;    // characters GBK cannot hold, now '?'
    bool binary = false;                       // NUL bytes left after decoding: not a text file
};

// GBK, UTF-8 with or without a byte-order mark, UTF-16 with a mark or with the zero bytes
// of mostly-Latin text. Bytes that are valid UTF-8 and not plain ASCII are read as UTF-8;
// anything else is taken as GBK and kept byte for byte.
DecodedText decodeToGbk(std::string_view bytes);

// The distinct characters of `unmappable`, in order of first appearance, as UTF-8, at most
// `limit` of them (for a message).
std::string describeUnmappable(const std::vector<std::u32string>& unmappable, size_t limit = 12);

using Row = std::vector<std::string>;

// Comma-separated rows, quotes doubled inside quoted fields; a line break inside a quoted
// field becomes a blank, since an entry is one line. Works on GBK as on ASCII: no GBK
// trail byte is a comma, a quote, CR or LF.
std::vector<Row> parseCsv(std::string_view text);

// Rows as fixed-width text, the way a spreadsheet saves "formatted text": every used column
// padded to its widest cell (in bytes, so a Chinese character takes two places) plus one
// blank, the blanks at the end of a line dropped. Empty rows in between stay as empty
// entries; empty rows at the end go.
EntryList layoutColumns(const std::vector<Row>& rows);

enum class FileSignature { Unknown, Ole2, Zip, Rtf, Dbf, Markup, Text };

// What the first bytes of a file say it is (a few kilobytes are enough).
FileSignature sniffSignature(std::string_view head);

// A compound file holding an "EncryptedPackage" stream: an Office 2007+ file protected by a
// password, which no converter opens without it.
bool isPasswordProtected(std::string_view bytes);

}  // namespace lotavo::textimport
