// The list editor's menus, the edit commands, find and the clean-up tools.
#include "setup/TfrmJXName.h"

#include "present/QtText.h"
#include "present/CommonDialogs.h"
#include "setup/EditorPrompts.h"
#include "setup/FindDialog.h"
#include "setup/ListImport.h"
#include "setup/ListTextEdit.h"
#include "setup/ProgressWindow.h"
#include "setup/TFrm_IncStr.h"
#include "setup/TfrmCreateAw.h"

#include <QAction>
#include <QMenu>

namespace lotavo::ui {

namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        // The shortcut works while the text has the focus; the text handles its own
        // Ctrl+A/C/V/X first, which does the same.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
    return action;
}

// Only the letters A-Z and a-z ignore case, as the find of the old editor did.
QChar foldAscii(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z') ? QChar(c.unicode() + ('a' - 'A')) : c;
}

qsizetype indexOf(const QString& line, const QString& text, qsizetype from, bool matchCase)
{
    if (matchCase)
        return line.indexOf(text, from, Qt::CaseSensitive);
    for (qsizetype start = from; start + text.size() <= line.size(); ++start) {
        qsizetype i = 0;
        while (i < text.size() && foldAscii(line.at(start + i)) == foldAscii(text.at(i)))
            ++i;
        if (i == text.size())
            return start;
    }
    return -1;
}

}  // namespace

QMenu* TfrmJXName::createFileMenu()
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PopupFile"));
    connect(item(menu, "mnuImportText", QStringLiteral("导入文本文档")), &QAction::triggered, this,
            &TfrmJXName::mnuImportTextClick);
    connect(item(menu, "mnuImportExcel", QStringLiteral("导入Excel、FoxPro文件")), &QAction::triggered, this,
            &TfrmJXName::mnuImportExcelClick);
    connect(item(menu, "mnuImportWord", QStringLiteral("导入Word、RTF文件")), &QAction::triggered, this,
            &TfrmJXName::mnuImportWordClick);
    connect(item(menu, "mnuImportPictures", QStringLiteral("导入图像文件列表")), &QAction::triggered, this,
            &TfrmJXName::mnuImportPicturesClick);
    menu->addSeparator();
    connect(item(menu, "mnuPrint", QStringLiteral("打印")), &QAction::triggered, this, &TfrmJXName::mnuPrintClick);
    menu->addSeparator();
    connect(item(menu, "mnuSave", QStringLiteral("保存")), &QAction::triggered, this, &TfrmJXName::mnuSaveClick);
    connect(item(menu, "mnuSaveAs", QStringLiteral("另存为")), &QAction::triggered, this, &TfrmJXName::mnuSaveAsClick);
    return menu;
}

QMenu* TfrmJXName::createEditMenu()
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PopupEdit"));
    connect(item(menu, "mnuClear", QStringLiteral("清除当前名单")), &QAction::triggered, this, &TfrmJXName::mnuClearClick);
    menu->addSeparator();
    struct Command {
        const char* name;
        const char* caption;
        Qt::Key key;
        void (TfrmJXName::*handler)();
    };
    const Command commands[] = {{"mnuSelectAll", "全选", Qt::Key_A, &TfrmJXName::mnuSelectAllClick},
                                {"mnuCopy", "复制", Qt::Key_C, &TfrmJXName::mnuCopyClick},
                                {"mnuPaste", "粘贴", Qt::Key_V, &TfrmJXName::mnuPasteClick},
                                {"mnuCut", "剪切", Qt::Key_X, &TfrmJXName::mnuCutClick},
                                {"mnuFind", "查找", Qt::Key_F, &TfrmJXName::mnuFindClick}};
    for (const Command& command : commands) {
        QAction* action = item(menu, command.name, QString::fromUtf8(command.caption),
                               QKeySequence(Qt::CTRL | command.key));
        addAction(action);
        connect(action, &QAction::triggered, this, command.handler);
    }
    return menu;
}

QMenu* TfrmJXName::createToolsMenu()
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PopupTools"));
    connect(item(menu, "mnuNumberList", QStringLiteral("自动生成顺序编号")), &QAction::triggered, this,
            &TfrmJXName::mnuNumberListClick);
    connect(item(menu, "mnuPrizeList", QStringLiteral("生成直接抽取奖品名单")), &QAction::triggered, this,
            &TfrmJXName::mnuPrizeListClick);
    connect(item(menu, "mnuJpgToBmp", QStringLiteral("批量JPG图像转BMP图像")), &QAction::triggered, this,
            &TfrmJXName::mnuJpgToBmpClick);
    menu->addSeparator();
    connect(item(menu, "mnuShuffle", QStringLiteral("预先名单乱序处理")), &QAction::triggered, this,
            &TfrmJXName::mnuShuffleClick);
    connect(item(menu, "mnuTrim", QStringLiteral("过滤每行前后空格")), &QAction::triggered, this,
            &TfrmJXName::mnuTrimClick);
    connect(item(menu, "mnuBlankLines", QStringLiteral("过滤空白行")), &QAction::triggered, this,
            &TfrmJXName::mnuBlankLinesClick);
    connect(item(menu, "mnuDuplicates", QStringLiteral("过滤重复名单")), &QAction::triggered, this,
            &TfrmJXName::mnuDuplicatesClick);
    connect(item(menu, "mnuDeleteTail", QStringLiteral("删除相同尾号")), &QAction::triggered, this,
            &TfrmJXName::mnuDeleteTailClick);
    return menu;
}

void TfrmJXName::mnuClearClick()
{
    Memo1->clear();
    m_modified = true;
}

void TfrmJXName::mnuSelectAllClick()
{
    Memo1->selectAll();
}

void TfrmJXName::mnuCopyClick()
{
    Memo1->copy();
}

void TfrmJXName::mnuPasteClick()
{
    Memo1->paste();
}

void TfrmJXName::mnuCutClick()
{
    Memo1->cut();
}

void TfrmJXName::mnuFindClick()
{
    if (!FindDialog1) {
        FindDialog1 = new FindDialog(this);
        FindDialog1->setOnFindNext([this](const QString& text, bool matchCase) { FindDialog1Find(text, matchCase); });
    }
    QString selected = Memo1->selectedText();
    if (!selected.isEmpty() && !selected.contains(QLatin1Char('\n')))
        FindDialog1->setFindText(selected);
    FindDialog1->show();
    FindDialog1->raise();
    FindDialog1->activateWindow();
}

void TfrmJXName::FindDialog1Find(const QString& text, bool matchCase)
{
    if (text.isEmpty())
        return;
    // Forward from the end of the selection; the find text is one line, so is a match.
    TextPosition start = std::max(Memo1->caret(), Memo1->anchor());
    const QStringList& lines = Memo1->lines();
    for (int line = start.line; line < lines.size(); ++line) {
        qsizetype found = indexOf(lines.at(line), text, line == start.line ? start.column : 0, matchCase);
        if (found >= 0) {
            int column = static_cast<int>(found);
            Memo1->setSelection(line, column, line, column + static_cast<int>(text.size()));
            return;
        }
    }
    messageBox(this, text + QStringLiteral("没有发现"), QStringLiteral("提示"), MessageButtons::Ok,
               MessageIcon::Information);
}

void TfrmJXName::mnuNumberListClick()
{
    TFrm_IncStr dialog(m_folder, this);
    dialog.exec();
}

void TfrmJXName::mnuPrizeListClick()
{
    TfrmCreateAw dialog(m_settings, *m_random, *m_prompts, this);
    dialog.exec();
}

void TfrmJXName::mnuJpgToBmpClick()
{
    QString folder;
    if (!m_prompts->folder(this,
                           QStringLiteral("请选择JPG格式图像文件夹,程序将会对该文件夹中所有的JPG格式图像转换为BMP格式"),
                           folder))
        return;
    QStringList files = jpegFilesIn(folder);
    if (files.size() < 2)
        return;
    JpegBatch batch;
    {
        ProgressWindow window(this, QString());
        window.setMaximum(static_cast<int>(files.size()) - 1);
        batch = convertJpegsToBmp(files, [&window](int index) {
            window.setPosition(index);
            window.pump();
        });
    }
    QString message = QStringLiteral("完成任务!已将%1个JPG图像转换为BMP格式").arg(batch.converted);
    if (!batch.failed.isEmpty())
        message += QStringLiteral("\r%1个文件无法读取或已损坏,已跳过: ").arg(batch.failed.size())
                   + batch.failed.mid(0, 5).join(QStringLiteral(", "))
                   + (batch.failed.size() > 5 ? QStringLiteral(" ...") : QString());
    showFadingMessage(message, batch.failed.isEmpty() ? 1 : 2);
}

void TfrmJXName::runTool(const std::function<void(EntryList&, const ToolProgress&)>& tool)
{
    EntryList entries = lines();
    {
        ProgressWindow window(this, QString());
        tool(entries, window.progress());
    }
    setLines(entries);
}

void TfrmJXName::mnuShuffleClick()
{
    runTool([this](EntryList& entries, const ToolProgress& progress) { shuffleLines(entries, *m_random, progress); });
}

void TfrmJXName::mnuTrimClick()
{
    runTool([](EntryList& entries, const ToolProgress& progress) { trimLines(entries, progress); });
}

void TfrmJXName::mnuBlankLinesClick()
{
    runTool([](EntryList& entries, const ToolProgress& progress) { removeBlankLines(entries, progress); });
}

void TfrmJXName::mnuDuplicatesClick()
{
    runTool([](EntryList& entries, const ToolProgress& progress) { removeDuplicates(entries, progress); });
    showFadingMessage(QStringLiteral("完成任务!已将重复项目删除"));
}

void TfrmJXName::mnuDeleteTailClick()
{
    QString tail;
    if (!m_prompts->text(this, QStringLiteral("提示"), QStringLiteral("请输入要删除的尾号"), tail) || tail.isEmpty())
        return;
    std::string bytes = toGbk(tail);
    runTool([&bytes](EntryList& entries, const ToolProgress& progress) { deleteByTail(entries, bytes, progress); });
}

}  // namespace lotavo::ui
