// The list editor: its window, the text and the status bar, loading, closing and the
// working copy.
#include "setup/TfrmJXName.h"

#include "draw/ListEncoding.h"
#include "draw/ImportText.h"
#include "present/QtText.h"
#include "present/CommonDialogs.h"
#include "setup/EditorEntries.h"
#include "setup/EditorPrompts.h"
#include "setup/FindDialog.h"
#include "setup/ListTextEdit.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <chrono>

namespace lotavo::ui {

namespace {

TfrmJXName* g_current = nullptr;

// The working copy is written at most this long after a change, so a crash loses no more.
constexpr int kAutoSaveMs = 1000;

// A position in a line, counted in GBK bytes as the column settings of the program count it.
int gbkLength(const QString& text)
{
    return static_cast<int>(toGbk(text).size());
}

std::string fileNameOf(const std::string& path)
{
    std::string native = toNativeSeparators(path);
    auto slash = native.rfind('/');
    return slash == std::string::npos ? native : native.substr(slash + 1);
}

}  // namespace

TfrmJXName::TfrmJXName(IniStore& settings, ProgramFolder folder, Host host, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_folder(std::move(folder)), m_host(host),
      m_listFile(m_folder.file("Text.txt")), m_prompts(std::make_unique<EditorPrompts>())
{
    g_current = this;
    m_ownRandom.seed(static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    setObjectName(QStringLiteral("frmJXName"));
    setWindowTitle(QStringLiteral("编辑抽奖名单"));
    createComponents();
    resize(600, 460);
    updateLineCount();
}

TfrmJXName::~TfrmJXName()
{
    if (g_current == this)
        g_current = nullptr;
}

TfrmJXName* TfrmJXName::current()
{
    return g_current;
}

void TfrmJXName::createComponents()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto addButton = [this](const char* name, const QString& caption, QMenu* menu) {
        auto* button = new QToolButton(ToolBar1);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(caption);
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        button->setAutoRaise(true);
        ToolBar1->addWidget(button);
        return button;
    };
    btnFile = addButton("btnFile", QStringLiteral("文件"), createFileMenu());
    btnEdit = addButton("btnEdit", QStringLiteral("编辑"), createEditMenu());
    btnTools = addButton("btnTools", QStringLiteral(" 工具 "), createToolsMenu());
    layout->addWidget(ToolBar1);

    Memo1 = new ListTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // 宋体 at 16 pixels; AR PL UMing is the Ming face here that keeps 宋体's grid (a Latin
    // character half a Chinese one), so the columns of imported spreadsheets line up.
    QFont font;
    font.setFamilies({QStringLiteral("AR PL UMing CN"), QStringLiteral("宋体")});
    font.setPixelSize(16);
    Memo1->setFont(font);
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, toQColor(0xFFF7F7));
    Memo1->setPalette(palette);
    Memo1->installEventFilter(this);
    Memo1->viewport()->installEventFilter(this);
    connect(Memo1, &ListTextEdit::textChanged, this, &TfrmJXName::Memo1Change);
    layout->addWidget(Memo1, 1);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    lblCaret = new QLabel(StatusBar1);
    lblCaret->setObjectName(QStringLiteral("lblCaret"));
    lblTotal = new QLabel(StatusBar1);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    StatusBar1->addWidget(lblCaret, 1);
    lblTotal->setContentsMargins(0, 0, 6, 0);
    StatusBar1->addPermanentWidget(lblTotal);
    layout->addWidget(StatusBar1);

    tmAutoSave = new QTimer(this);
    tmAutoSave->setObjectName(QStringLiteral("tmAutoSave"));
    tmAutoSave->setSingleShot(true);
    connect(tmAutoSave, &QTimer::timeout, this, &TfrmJXName::tmAutoSaveTimer);
}

void TfrmJXName::setPrompts(std::unique_ptr<EditorPrompts> prompts)
{
    m_prompts = prompts ? std::move(prompts) : std::make_unique<EditorPrompts>();
}

bool TfrmJXName::loadFile(const std::string& path)
{
    EntryList entries;
    std::string error;
    if (!loadList(path, entries, &error)) {
        messageBox(this, QStringLiteral("无法读取名单文件\r") + QString::fromStdString(error), QStringLiteral("错误"),
                   MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
    showLines(entries);
    m_modified = false;
    return true;
}

void TfrmJXName::setListFile(const std::string& path)
{
    m_listFile = path;
}

const std::string& TfrmJXName::listFile() const
{
    return m_listFile;
}

void TfrmJXName::showLines(const EntryList& lines)
{
    // Every entry ends with a line break, as in the list file: the caret at the end is on a
    // line of its own, ready for the next entry.
    QStringList text = editorLinesOf(lines);
    text.append(QString());
    m_loading = true;
    Memo1->setLines(std::move(text));
    m_loading = false;
    updateLineCount();
}

EntryList TfrmJXName::linesReporting(std::vector<std::u32string>* unmappable) const
{
    return entriesOf(Memo1->lines(), unmappable);
}

EntryList TfrmJXName::lines() const
{
    return linesReporting(nullptr);
}

void TfrmJXName::setLines(const EntryList& lines)
{
    showLines(lines);
    m_modified = true;
    Memo1Change();
}

void TfrmJXName::appendLines(const EntryList& lines)
{
    Memo1->appendLines(editorLinesOf(lines));
}

int TfrmJXName::lineCount() const
{
    // The line break after the last line opens no line of its own.
    const QStringList& text = Memo1->lines();
    return static_cast<int>(text.size()) - (text.last().isEmpty() ? 1 : 0);
}

void TfrmJXName::updateLineCount()
{
    lblTotal->setText(QStringLiteral("总计:%1行").arg(lineCount()));
}

void TfrmJXName::Memo1Change()
{
    updateLineCount();
    if (m_loading)
        return;
    m_modified = true;
    if (!tmAutoSave->isActive())
        tmAutoSave->start(m_autoSaveInterval);
}

std::string TfrmJXName::workingCopyPath() const
{
    return m_folder.file("TempEdit.txt");
}

void TfrmJXName::tmAutoSaveTimer()
{
    QElapsedTimer clock;
    clock.start();
    std::string error = saveList(lines(), workingCopyPath());
    // A huge list takes a while to write; typing must not wait on it every second.
    m_autoSaveInterval = std::max<int>(kAutoSaveMs, static_cast<int>(clock.elapsed() * 10));
    if (!error.empty()) {
        if (!m_autoSaveFailed)
            showFadingMessage(QStringLiteral("无法写入工作副本TempEdit.txt,程序意外结束时输入的内容可能丢失\r")
                                  + QString::fromStdString(error), 0);
        m_autoSaveFailed = true;
        return;
    }
    m_autoSaveFailed = false;
}

void TfrmJXName::showCaret(int line, int column, bool withLength)
{
    const QString& text = Memo1->lines().at(line);
    column = gbkLength(text.left(column));
    if (withLength)
        lblCaret->setText(QStringLiteral("目前位于%1行%2列,此行字符长度%3").arg(line + 1).arg(column + 1).arg(gbkLength(text)));
    else
        lblCaret->setText(QStringLiteral("目前位于%1行     %2列").arg(line + 1).arg(column + 1));
}

bool TfrmJXName::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Memo1 && event->type() == QEvent::KeyPress) {
        // Where the caret was before the key moves it.
        showCaret(Memo1->caret().line, Memo1->caret().column, false);
    } else if (watched == Memo1->viewport() && event->type() == QEvent::MouseButtonPress) {
        TextPosition at = Memo1->positionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        showCaret(at.line, at.column, true);
    } else if (watched == m_page && event->type() == QEvent::Resize) {
        setGeometry(m_page->rect());
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmJXName::embedInto(QWidget* page)
{
    m_embedded = true;
    m_page = page;
    setParent(page, Qt::Widget);
    setWindowTitle(QStringLiteral("请录入或导入您的名单(原名单为示例,使用菜单功能\"清除\")"));
    setGeometry(page->rect());
    page->installEventFilter(this);
    show();
}

void TfrmJXName::reject()
{
    // Esc closes the way the close box does, with the question about a changed list.
    close();
}

void TfrmJXName::closeEvent(QCloseEvent* event)
{
    if (!saveOnClose()) {
        event->ignore();
        return;
    }
    tmAutoSave->stop();
    if (FindDialog1)
        FindDialog1->close();
    QFile::remove(fromPath(workingCopyPath()));
    event->accept();
    done(m_closeResult);
}

bool TfrmJXName::saveOnClose()
{
    if (!m_modified)
        return true;
    MessageAnswer answer = messageBox(this, QStringLiteral("名单已经改变,是否需要保存此名单?"), QStringLiteral("提示"),
                                      MessageButtons::OkCancel, MessageIcon::Information);
    if (answer != MessageAnswer::Ok)
        return true;
    std::vector<std::u32string> unmappable;
    EntryList entries = linesReporting(&unmappable);
    dropTrailingBlankLines(entries);
    // The main list is always the one in the program folder, wherever the path pointed.
    bool mainList = fileNameOf(m_listFile) == "Text.txt";
    std::string target = mainList ? m_folder.file("Text.txt") : m_listFile;
    std::string error = saveListKeepingEncoding(joinLines(entries), target);
    if (!error.empty()) {
        // Staying open keeps the operator's list; the working copy stays on disk as well.
        reportWriteFailure(QStringLiteral("名单没有保存,编辑窗口保持打开,请另存为其他文件"), error);
        return false;
    }
    reportUnmappable(unmappable);
    m_modified = false;
    m_closeResult = QDialog::Accepted;
    if (mainList && m_onMainListSaved)
        m_onMainListSaved();
    return true;
}

void TfrmJXName::reportWriteFailure(const QString& what, const std::string& reason)
{
    messageBox(this, what + QStringLiteral("\r") + QString::fromStdString(reason), QStringLiteral("错误"),
               MessageButtons::Ok, MessageIcon::Error);
}

void TfrmJXName::reportUnmappable(const std::vector<std::u32string>& unmappable)
{
    if (unmappable.empty())
        return;
    showFadingMessage(QStringLiteral("以下字符无法以GBK编码保存,已用\"?\"代替: ")
                      + QString::fromStdString(textimport::describeUnmappable(unmappable)));
}

}  // namespace lotavo::ui
