#include "setup/ListImport.h"

#include "draw/ImportText.h"
#include "draw/ListTools.h"
#include "present/QtText.h"
#include "present/Pictures.h"
#include "setup/OfficeConverter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace lotavo::ui {

namespace {

using namespace textimport;

bool readFile(const QString& path, QByteArray& bytes, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("无法读取文件 %1\r%2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("无法读取文件 %1\r%2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

std::string_view view(const QByteArray& bytes)
{
    return std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()));
}

void noteUnmappable(ImportedList& result, const std::vector<std::u32string>& unmappable)
{
    if (unmappable.empty())
        return;
    result.notice = QStringLiteral("以下字符无法以GBK编码保存,已用\"?\"代替: ")
                    + QString::fromStdString(describeUnmappable(unmappable));
}

bool allBlank(const EntryList& lines)
{
    return std::all_of(lines.begin(), lines.end(), [](const std::string& line) { return isBlank(line); });
}

// What an office file really is, before LibreOffice is asked: it would read any file it
// does not recognise as plain text and return its bytes as rows.
QString checkOfficeFile(const QByteArray& bytes, const QString& notThisKind)
{
    FileSignature signature = sniffSignature(view(bytes.left(4096)));
    if (signature == FileSignature::Unknown)
        return notThisKind;
    if (signature == FileSignature::Ole2 && isPasswordProtected(view(bytes)))
        return QStringLiteral("此文件设置了密码保护,无法导入。请在原程序中取消密码后再导入");
    return QString();
}

ImportedList fromSpreadsheetText(std::string_view csv)
{
    ImportedList result;
    DecodedText text = decodeToGbk(csv);
    if (text.binary) {
        result.error = QStringLiteral("此文件不是电子表格文件,无法导入");
        return result;
    }
    result.lines = layoutColumns(parseCsv(text.gbk));
    if (allBlank(result.lines)) {
        result.lines.clear();
        result.error = QStringLiteral("此电子表格中没有可以导入的内容");
        return result;
    }
    noteUnmappable(result, text.unmappable);
    return result;
}

ImportedList fromDocumentText(std::string_view plain)
{
    ImportedList result;
    DecodedText text = decodeToGbk(plain);
    result.lines = parseLines(text.gbk);
    if (text.binary || allBlank(result.lines)) {
        result.lines.clear();
        result.error = QStringLiteral("此文档中没有可以导入的文字(例如只有图片)");
        return result;
    }
    noteUnmappable(result, text.unmappable);
    return result;
}

bool hasSuffix(const QString& name, const char* suffix)
{
    return QFileInfo(name).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

bool looksLikePicture(const QString& path, bool bmp)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray head = file.read(3);
    return bmp ? head.startsWith("BM") : head.startsWith("\xFF\xD8\xFF");
}

QStringList filesWithSuffix(const QString& folder, const char* suffix)
{
    QStringList names;
    const QStringList all = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : all)
        if (hasSuffix(name, suffix))
            names.append(name);
    return names;
}

}  // namespace

ImportedList importTextFile(const QString& path)
{
    ImportedList result;
    QByteArray bytes;
    if (!readFile(path, bytes, result.error))
        return result;
    DecodedText text = decodeToGbk(view(bytes));
    if (text.binary) {
        result.error = QStringLiteral("此文件不是文本文件,无法导入");
        return result;
    }
    result.lines = parseLines(text.gbk);
    noteUnmappable(result, text.unmappable);
    return result;
}

ImportedList importSpreadsheet(QWidget* parent, const QString& path, OfficeConverter& converter)
{
    ImportedList result;
    QByteArray bytes;
    if (!readFile(path, bytes, result.error))
        return result;
    if (hasSuffix(path, "csv"))
        return fromSpreadsheetText(view(bytes));
    result.error = checkOfficeFile(bytes, QStringLiteral("此文件不是电子表格文件,无法导入"));
    if (!result.error.isEmpty())
        return result;
    OfficeConverter::Result converted = converter.convert(parent, path, OfficeConverter::Kind::Spreadsheet);
    if (converted.cancelled || !converted.error.isEmpty()) {
        result.cancelled = converted.cancelled;
        result.error = converted.error;
        return result;
    }
    return fromSpreadsheetText(view(converted.output));
}

ImportedList importDocument(QWidget* parent, const QString& path, OfficeConverter& converter)
{
    ImportedList result;
    QByteArray bytes;
    if (!readFile(path, bytes, result.error))
        return result;
    result.error = checkOfficeFile(bytes, QStringLiteral("此文件不是Word、RTF文档,无法导入"));
    if (!result.error.isEmpty())
        return result;
    OfficeConverter::Result converted = converter.convert(parent, path, OfficeConverter::Kind::Document);
    if (converted.cancelled || !converted.error.isEmpty()) {
        result.cancelled = converted.cancelled;
        result.error = converted.error;
        return result;
    }
    return fromDocumentText(view(converted.output));
}

PictureFolder listPictureFolder(const QString& folder)
{
    PictureFolder result;
    QDir dir(folder);
    for (bool bmp : {true, false}) {
        const QStringList names = filesWithSuffix(folder, bmp ? "bmp" : "jpg");
        for (const QString& name : names) {
            QString path = dir.filePath(name);
            std::vector<std::u32string> unmappable;
            QByteArray utf8 = path.toUtf8();
            std::string stored = gbk::fromUtf8(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())),
                                               &unmappable);
            if (!unmappable.empty() || !looksLikePicture(path, bmp)) {
                ++result.skipped;
                continue;
            }
            result.paths.push_back(std::move(stored));
        }
    }
    return result;
}

QStringList jpegFilesIn(const QString& folder)
{
    QStringList files;
    QDir dir(folder);
    const QStringList names = filesWithSuffix(folder, "jpg");
    for (const QString& name : names)
        files.append(dir.filePath(name));
    return files;
}

JpegBatch convertJpegsToBmp(const QStringList& files, const std::function<void(int)>& progress)
{
    JpegBatch batch;
    for (int i = 0; i < files.size(); ++i) {
        if (progress)
            progress(i);
        const QString& jpeg = files[i];
        if (!QFileInfo::exists(jpeg))
            continue;
        QFileInfo info(jpeg);
        QString bmp = info.dir().filePath(info.completeBaseName() + QStringLiteral(".bmp"));
        if (convertJpegToBmp(jpeg, bmp))
            ++batch.converted;
        else
            batch.failed.append(info.fileName());
    }
    return batch;
}

}  // namespace lotavo::ui
