// The list editor's file commands: imports, print, save and save as.
#include "setup/TfrmJXName.h"

#include "present/QtText.h"
#include "present/CommonDialogs.h"
#include "present/ListPrintJob.h"
#include "setup/EditorPrompts.h"
#include "setup/ListImport.h"

namespace lotavo::ui {

namespace {

const char16_t* kTextFilter = u"文本文件 (*.txt)";

}  // namespace

void TfrmJXName::mnuImportTextClick()
{
    QString name = m_prompts->openFileName(this, QString::fromUtf16(kTextFilter));
    m_modified = true;
    if (name.isEmpty())
        return;
    ImportedList imported = importTextFile(name);
    if (!imported.error.isEmpty()) {
        messageBox(this, imported.error, QStringLiteral("错误"), MessageButtons::Ok, MessageIcon::Error);
        return;
    }
    setLines(imported.lines);
    if (!imported.notice.isEmpty())
        showFadingMessage(imported.notice, 2);
}

namespace {

// Shared by the two office imports: the outcome into the editor or into a message.
void takeImport(TfrmJXName& editor, const ImportedList& imported)
{
    if (imported.cancelled)
        return;
    if (!imported.error.isEmpty()) {
        messageBox(&editor, imported.error, QStringLiteral("错误"), MessageButtons::Ok, MessageIcon::Error);
        return;
    }
    editor.setLines(imported.lines);
    if (!imported.notice.isEmpty())
        showFadingMessage(imported.notice, 2);
}

}  // namespace

void TfrmJXName::mnuImportExcelClick()
{
    if (OfficeConverter::program().isEmpty()) {
        showFadingMessage(QStringLiteral("您的计算机尚未安装 LibreOffice Calc!此功能无法使用"));
        return;
    }
    QString name = m_prompts->openFileName(this, QStringLiteral("Excel、Foxpro文件 (*.xls *.xlsx *.ods *.dbf *.csv)"));
    if (name.isEmpty())
        return;
    messageBox(this, QStringLiteral("当文件比较大时，导入速度会较慢,请稍等片刻"), QStringLiteral("提示"), MessageButtons::Ok,
               MessageIcon::Information);
    takeImport(*this, importSpreadsheet(this, name, m_converter));
}

void TfrmJXName::mnuImportWordClick()
{
    if (OfficeConverter::program().isEmpty()) {
        showFadingMessage(QStringLiteral("您的计算机尚未安装 LibreOffice Writer!此功能无法使用"));
        return;
    }
    QString name = m_prompts->openFileName(this, QStringLiteral("Word、RTF文件 (*.doc *.docx *.rtf *.odt *.wps)"));
    if (name.isEmpty())
        return;
    messageBox(this, QStringLiteral("此文件导入速度可能较慢,请稍等片刻"), QStringLiteral("提示"), MessageButtons::Ok,
               MessageIcon::Information);
    takeImport(*this, importDocument(this, name, m_converter));
}

void TfrmJXName::mnuImportPicturesClick()
{
    QString folder;
    if (!m_prompts->folder(this,
                           QStringLiteral("请选择图像文件夹,支持图像格式为JPG、BMP，推荐使用BMP格式,图像分辩率建议不超过800x600"),
                           folder))
        return;
    PictureFolder pictures = listPictureFolder(folder);
    if (pictures.skipped > 0)
        showFadingMessage(QStringLiteral("%1个图像文件无法读取、已损坏或文件名含有GBK无法表示的字符,已跳过").arg(pictures.skipped), 2);
    if (pictures.paths.size() <= 3)
        return;
    setLines(pictures.paths);
}

void TfrmJXName::mnuPrintClick()
{
    if (!checkPrinterInstalled(this))
        return;
    messageBox(this, QStringLiteral("请准备A4纸张,装入打印机, 名单每页分二列打印"), QStringLiteral("提示"),
               MessageButtons::Ok, MessageIcon::Information);
    QStringList texts;
    const EntryList entries = lines();
    texts.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& entry : entries)
        texts.append(fromGbk(entry));
    printListJob(this, ListPrintRequest::fromSettings(m_settings, std::move(texts)));
}

void TfrmJXName::mnuSaveClick()
{
    std::vector<std::u32string> unmappable;
    std::string error = saveList(linesReporting(&unmappable), workingCopyPath());
    if (!error.empty()) {
        reportWriteFailure(QStringLiteral("名单没有保存"), error);
        return;
    }
    reportUnmappable(unmappable);
}

void TfrmJXName::mnuSaveAsClick()
{
    QString name = m_prompts->saveFileName(this, QString::fromUtf16(kTextFilter));
    if (name.isEmpty())
        return;
    // The list is a text file: the extension is added unless the operator typed it already.
    if (!name.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
        name += QStringLiteral(".txt");
    std::vector<std::u32string> unmappable;
    std::string error = saveList(linesReporting(&unmappable), toPath(name));
    if (!error.empty()) {
        reportWriteFailure(QStringLiteral("名单没有保存"), error);
        return;
    }
    reportUnmappable(unmappable);
}

}  // namespace lotavo::ui
