#include "draw/RecordLine.h"

#include "draw/Gbk.h"
#include "draw/Sha256.h"

namespace lotavo::record {

namespace {

std::string escape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string unescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        char c = text[++i];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    return out;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string Line::get(std::string_view key, std::string_view fallback) const
{
    for (const auto& [k, v] : fields)
        if (k == key)
            return v;
    return std::string(fallback);
}

std::vector<std::string> Line::all(std::string_view key) const
{
    std::vector<std::string> values;
    for (const auto& [k, v] : fields)
        if (k == key)
            values.push_back(v);
    return values;
}

const std::string& chainStart()
{
    static const std::string zeros(64, '0');
    return zeros;
}

std::string chainHash(const std::string& previousHash, std::string_view body)
{
    Sha256 sha;
    sha.update(previousHash);
    sha.update("\n");
    sha.update(body);
    return sha.hexDigest();
}

std::string format(const Line& line, const std::string& previousHash, std::string* hash)
{
    std::string body = escape(line.kind);
    for (const auto& [key, value] : line.fields)
        body += "\t" + escape(key) + "=" + escape(value);
    std::string h = chainHash(previousHash, body);
    if (hash)
        *hash = h;
    return body + "\t#" + h;
}

bool parse(std::string_view text, Line& line, std::string& body, std::string& hash)
{
    size_t mark = text.rfind("\t#");
    if (mark == std::string_view::npos)
        return false;
    body = std::string(text.substr(0, mark));
    hash = std::string(text.substr(mark + 2));
    line = Line {};
    size_t start = 0;
    bool first = true;
    while (start <= body.size()) {
        size_t tab = body.find('\t', start);
        std::string_view part = std::string_view(body).substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        if (first) {
            line.kind = unescape(part);
            first = false;
        } else {
            size_t eq = part.find('=');
            if (eq == std::string_view::npos)
                line.fields.emplace_back(unescape(part), "");
            else
                line.fields.emplace_back(unescape(part.substr(0, eq)), unescape(part.substr(eq + 1)));
        }
        if (tab == std::string::npos)
            break;
        start = tab + 1;
    }
    return true;
}

std::string fromGbk(std::string_view gbkText)
{
    std::string utf8 = gbk::toUtf8(gbkText);
    std::vector<std::u32string> lost;
    bool faithful = gbk::fromUtf8(utf8, &lost) == gbkText && lost.empty() && utf8.rfind("\\g", 0) != 0;
    if (faithful)
        return utf8;
    return "\\g" + Sha256::hex(gbkText);
}

std::string toGbk(std::string_view value)
{
    if (value.rfind("\\g", 0) == 0) {
        std::string bytes;
        for (size_t i = 2; i + 1 < value.size(); i += 2) {
            int hi = hexValue(value[i]), lo = hexValue(value[i + 1]);
            if (hi < 0 || lo < 0)
                break;
            bytes += static_cast<char>(hi * 16 + lo);
        }
        return bytes;
    }
    return gbk::fromUtf8(value);
}

}  // namespace lotavo::record
