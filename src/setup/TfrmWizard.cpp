#include "setup/TfrmWizard.h"

#include "draw/AtomicFile.h"
#include "draw/DrawEngine.h"
#include "present/QtText.h"
#include "present/CommonDialogs.h"
#include "setup/DrawScreenLink.h"
#include "setup/TfrmJXName.h"
#include "setup/WizardLevelRows.h"
#include "setup/WizardModePage.h"
#include "setup/WizardOptionsPage.h"
#include "setup/WizardSettings.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

#include <algorithm>
#include <filesystem>

namespace lotavo::ui {

namespace {

// The pages are laid out in pixels for a 12-pixel font whose ASCII is half as wide as its
// Chinese: the blanks inside "人,每次抽取           人" leave exactly the room of the spin
// that covers them. A monospaced CJK font keeps those widths here.
QFont wizardFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("WenQuanYi Zen Hei Mono"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("宋体")});
    font.setPixelSize(12);
    return font;
}

const char* const kTempEdit = "TempEdit.txt";

}  // namespace

TfrmWizard::TfrmWizard(IniStore& settings, ProgramFolder folder, DrawScreenLink& screen, QWidget* parent)
    : QDialog(parent), m_settings(std::make_unique<WizardSettings>(settings, screen)), m_folder(std::move(folder)),
      m_screen(screen), m_dialogs(WizardDialogs::standard())
{
    setObjectName(QStringLiteral("frmWizard"));
    setWindowTitle(QStringLiteral("设置向导"));
    setFont(wizardFont());
    setFixedSize(541, 340);
    setModal(true);
    createPages();
    createButtons();
    FormCreate();
}

TfrmWizard::~TfrmWizard()
{
    FormClose();
}

void TfrmWizard::setDialogs(WizardDialogs dialogs)
{
    m_dialogs = std::move(dialogs);
}

QWidget* TfrmWizard::createPage(const QString& step, const QString& description)
{
    auto* page = new QWidget;
    auto* header = new QWidget(page);
    header->setObjectName(QStringLiteral("pnlHeader"));
    header->setGeometry(0, 0, 541, 44);
    header->setAutoFillBackground(true);
    QPalette palette = header->palette();
    palette.setColor(QPalette::Window, Qt::white);
    header->setPalette(palette);

    auto* title = new QLabel(step, header);
    title->setObjectName(QStringLiteral("lblStep"));
    QFont bold = font();
    bold.setBold(true);
    title->setFont(bold);
    title->setGeometry(12, 5, 200, 17);
    auto* text = new QLabel(description, header);
    text->setObjectName(QStringLiteral("lblStepText"));
    text->setGeometry(36, 23, 495, 17);

    auto* line = new QFrame(page);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, 44, 541, 2);
    PageControl1->addWidget(page);
    return page;
}

void TfrmWizard::createPages()
{
    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, 541, 292);

    QWidget* page1 = createPage(QStringLiteral("第一步："), QStringLiteral("选择抽奖模式,输入抽奖画面上显示的文字"));
    m_modePage = new WizardModePage(*m_settings, m_dialogs, page1);
    m_modePage->setGeometry(0, 0, 541, 292);
    m_modePage->lower();

    QWidget* page2 = createPage(QStringLiteral("第二步："), QStringLiteral("输入各奖项的名称,第一级为最高奖项"));
    QWidget* page3 = createPage(QStringLiteral("第三步："), QStringLiteral("输入各奖项的奖品,点击右侧按钮可增加奖品图片"));
    QWidget* page4 = createPage(QStringLiteral("第四步："), QStringLiteral("设置各奖项的中奖人数和每次抽取的人数"));
    m_levels = std::make_unique<WizardLevelRows>(*m_settings, m_folder, m_dialogs, page2, page3, page4);

    QWidget* page5 = createPage(QStringLiteral("第五步："), QStringLiteral("录入或导入抽奖名单"));
    ListPanel = new QWidget(page5);
    ListPanel->setObjectName(QStringLiteral("ListPanel"));
    ListPanel->setGeometry(0, 46, 541, 246);

    QWidget* page6 = createPage(QStringLiteral("第六步："), QStringLiteral("设置所选抽奖模式的选项"));
    m_optionsPage = new WizardOptionsPage(*m_settings, m_folder, page6);
    m_optionsPage->setGeometry(0, 0, 541, 292);
    m_optionsPage->lower();

    connect(m_modePage, &WizardModePage::modeChosen, m_optionsPage, &WizardOptionsPage::showGroupFor);
}

void TfrmWizard::createButtons()
{
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, 294, 541, 2);

    auto button = [this](const char* name, const QString& text, int left) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, 305, 75, 25);
        // Enter in a text field must not press a button of the wizard.
        b->setAutoDefault(false);
        return b;
    };
    BtnPrior = button("BtnPrior", QStringLiteral("< 上一步"), 222);
    BtnNext = button("BtnNext", QStringLiteral("下一步 >"), 299);
    BtnFinish = button("BtnFinish", QStringLiteral("完成"), 376);
    BtnCancel = button("BtnCancel", QStringLiteral("取消"), 458);
    connect(BtnPrior, &QPushButton::clicked, this, &TfrmWizard::BtnPriorClick);
    connect(BtnNext, &QPushButton::clicked, this, &TfrmWizard::BtnNextClick);
    connect(BtnFinish, &QPushButton::clicked, this, &TfrmWizard::BtnFinishClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TfrmWizard::BtnCancelClick);
}

int TfrmWizard::storedLevelCount()
{
    int stored = m_settings->readInteger("Number", "AllJJ", 1);
    if (stored < 1) {
        showFadingMessage(QStringLiteral("奖项级别数为%1,已按1级奖项显示").arg(stored), 2);
        return 1;
    }
    if (stored > WizardLevelRows::kMaxLevels) {
        showFadingMessage(QStringLiteral("奖项级别数为%1,最多只能显示%2级奖项").arg(stored).arg(WizardLevelRows::kMaxLevels), 2);
        return WizardLevelRows::kMaxLevels;
    }
    return stored;
}

void TfrmWizard::FormCreate()
{
    showPage(1);
    m_levels->build(storedLevelCount());
    embedListEditor();
    m_modePage->setMode(m_screen.engine().options().mode);
    m_modePage->fillTexts();
    m_optionsPage->load();
}

void TfrmWizard::embedListEditor()
{
    const SessionState& state = m_screen.engine().state();
    const std::string temp = m_folder.file(kTempEdit);
    std::string error = saveJoinedLines(state.drawList.joined(), temp);

    m_editor = new TfrmJXName(m_settings->store(), m_folder, TfrmJXName::Host::Wizard, this);
    m_editor->setRandomGenerator(&m_screen.engine().random());
    m_editor->setListFile(state.currentListFile);
    m_editor->embedInto(ListPanel);
    m_editor->setWindowTitle(QStringLiteral("请录入或导入您的名单(原名单为示例,使用菜单功能\"清除\")"));
    if (error.empty()) {
        m_editor->loadFile(temp);
    } else {
        // Without the working copy (a full or read-only folder) the editor still gets the list.
        showErrorMessage(QStringLiteral("抽奖名单无法写入临时文件:\r\r") + QString::fromStdString(error));
        m_editor->setLines(state.drawList.entries());
    }
    m_editor->setModified(false);
    m_editor->show();
    m_editor->installEventFilter(this);
}

bool TfrmWizard::eventFilter(QObject* watched, QEvent* event)
{
    // Esc inside the embedded editor would close the editor alone and leave page 5 empty;
    // it cancels the wizard, as everywhere else in it.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        watched == m_editor) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

int TfrmWizard::currentPage() const
{
    return PageControl1->currentIndex() + 1;
}

int TfrmWizard::levelCount() const
{
    return m_levels->count();
}

void TfrmWizard::showPage(int page)
{
    page = std::clamp(page, 1, PageControl1->count());
    bool changed = page != currentPage();
    PageControl1->setCurrentIndex(page - 1);
    BtnPrior->setEnabled(page > 1);
    BtnNext->setEnabled(page < PageControl1->count());
    if (changed)
        pageShown(page);
}

void TfrmWizard::pageShown(int page)
{
    const int mode = m_modePage->selectedMode();
    auto hint = [](const char* text) { showFadingMessage(QString::fromUtf8(text), 1); };
    switch (page) {
    case 2:
        if (mode == 3)
            hint("请使用一级奖项,奖项名称可定义为\"祝您中奖\"");
        break;
    case 3:
        if (mode == 3)
            hint("奖品位置可留为空白");
        break;
    case 4:
        m_levels->refreshTotal();
        if (mode == 4)
            hint("抽取图片模式中,每次只能抽取1人");
        break;
    case 5:
        if (mode == 1 || mode == 2)
            hint("请输入或导入您的抽奖名单");
        else if (mode == 3)
            hint("请打开菜单\r\"工具\"-\"生成直接抽取奖品名单\"功能\r\r依次生成您的奖品名单");
        else
            hint("请打开菜单\r\"文件\"-\"导入图象文件夹\"功能\r\r导入您的图像列表");
        break;
    case 6:
        if (mode == 3)
            hint("请点击 \"完成\" 按钮");
        break;
    default:
        break;
    }
}

void TfrmWizard::BtnPriorClick()
{
    showPage(currentPage() - 1);
}

void TfrmWizard::BtnNextClick()
{
    showPage(currentPage() + 1);
}

void TfrmWizard::BtnCancelClick()
{
    reject();
}

void TfrmWizard::BtnFinishClick()
{
    m_levels->clampPerPress();
    applyMode(m_modePage->selectedMode());
    m_settings->writeInteger("Number", "AllJJ", m_levels->count());
    m_completed = true;
    accept();
}

void TfrmWizard::resetPrizeDisplay()
{
    DisplayOptions& display = m_screen.engine().options().display;
    display.showOnly = false;
    display.showOnlyPop = false;
    m_settings->writeBool("Option", "ShowOnly", false);
    m_settings->writeBool("Option", "ShowOnlyPop", false);
}

void TfrmWizard::applyMode(int mode)
{
    DrawOptions& options = m_screen.engine().options();
    const int previous = options.mode;
    if (mode != 3 && previous == 3)
        resetPrizeDisplay();
    if (mode == 3) {
        // The prize draw shows only the prize part of an entry.
        DisplayOptions& d = options.display;
        d.showOnly = true;
        d.showStrP = 1;
        d.showStrO = 6;
        d.showOnlyPop = true;
        d.popShowStrP = 7;
        d.popShowStrO = 30;
        m_settings->writeBool("Option", "ShowOnly", true);
        m_settings->writeInteger("Option", "ShowStrP", 1);
        m_settings->writeInteger("Option", "ShowStrO", 6);
        m_settings->writeBool("Option", "ShowOnlyPop", true);
        m_settings->writeInteger("Option", "PopShowStrP", 7);
        m_settings->writeInteger("Option", "PopShowStrO", 30);
    }
    if (mode == 4 && !listStartsWithPicture())
        showFadingMessage(QStringLiteral("程序检测没有图片,请在\"抽奖名单\"中,导入您的图片文件夹"), 1);
    // The screen shows the rolling labels and the picture area of the new mode when it hears
    // of ModeSelect, so the run-time mode is set first.
    options.mode = mode;
    m_settings->writeInteger("Option", "ModeSelect", mode);
    // The rolling labels are as wide as the part of an entry they show.
    if (mode == 3 || previous == 3)
        m_screen.refreshRollingLabels();
}

bool TfrmWizard::listStartsWithPicture() const
{
    if (!m_editor)
        return false;
    EntryList lines = m_editor->lines();
    return !lines.empty() && !lines.front().empty() && fileExists(m_folder.resolve(lines.front()));
}

void TfrmWizard::done(int result)
{
    if (!FormClose())
        return;
    // Completion stays completion even when a list that could not be saved held the wizard
    // open and the operator left it another way afterwards.
    QDialog::done(m_completed ? QDialog::Accepted : result);
}

bool TfrmWizard::FormClose()
{
    if (m_closed)
        return true;
    // The editor's own closing asks whether to keep a changed list and saves it; when the
    // list cannot be written it stays open, and so does the wizard around it.
    if (m_editor && !m_editor->isHidden() && !m_editor->close()) {
        showPage(5);
        return false;
    }
    m_closed = true;
    if (m_editor) {
        m_editor->removeEventFilter(this);
        delete m_editor.data();
    }
    std::error_code ignored;
    if (std::filesystem::is_regular_file(m_folder.file(kTempEdit), ignored))
        std::filesystem::remove(m_folder.file(kTempEdit), ignored);
    return true;
}

}  // namespace lotavo::ui
