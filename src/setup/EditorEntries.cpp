#include "setup/EditorEntries.h"

#include "draw/Gbk.h"

namespace lotavo::ui {

QStringList editorLinesOf(const EntryList& entries)
{
    if (entries.empty())
        return {};
    size_t bytes = 0;
    for (const std::string& entry : entries)
        bytes += entry.size() + 1;
    std::string joined;
    joined.reserve(bytes);
    for (const std::string& entry : entries) {
        joined += entry;
        joined += '\n';
    }
    joined.pop_back();
    // A GBK character never has a line feed as its second byte, so the lines stay apart.
    std::string utf8 = gbk::toUtf8(joined);
    joined = std::string();
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).split(QLatin1Char('\n'));
}

EntryList entriesOf(const QStringList& lines, std::vector<std::u32string>* unmappable)
{
    QByteArray utf8 = lines.join(QLatin1Char('\n')).toUtf8();
    std::string gbkText = gbk::fromUtf8(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())), unmappable);
    return parseLines(gbkText);
}

}  // namespace lotavo::ui
