#include "Common.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace makedata {

std::string toGbk(const std::string& utf8)
{
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == iconv_t(-1))
        throw std::runtime_error("iconv cannot convert UTF-8 to GBK");
    std::string out(utf8.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* dst = out.data();
    size_t outLeft = out.size();
    size_t rc = iconv(cd, &in, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    if (rc == size_t(-1) || inLeft != 0)
        throw std::runtime_error("text not representable in GBK: " + utf8);
    out.resize(out.size() - outLeft);
    return out;
}

void ensureFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        throw std::runtime_error("cannot create folder " + path.toStdString());
}

void writeBytes(const QString& path, const std::string& bytes)
{
    ensureFolder(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write " + path.toStdString());
    f.write(bytes.data(), qint64(bytes.size()));
}

void writeGbkLines(const QString& path, const std::vector<std::string>& lines, bool lastLineEnded)
{
    std::string bytes;
    for (size_t i = 0; i < lines.size(); ++i) {
        bytes += toGbk(lines[i]);
        if (i + 1 < lines.size() || lastLineEnded)
            bytes += "\r\n";
    }
    writeBytes(path, bytes);
}

}  // namespace makedata
