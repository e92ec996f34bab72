#include "setup/TFrm_IncStr.h"

#include "draw/NumberRun.h"
#include "present/CommonDialogs.h"
#include "present/PlacedLabel.h"
#include "present/QtText.h"
#include "setup/TfrmJXName.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace lotavo::ui {

namespace {

// Repainting more often than this only slows the run down.
constexpr qint64 kPaintEveryMs = 30;

}  // namespace

TFrm_IncStr::TFrm_IncStr(ProgramFolder folder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_folder(std::move(folder))
{
    setObjectName(QStringLiteral("Frm_IncStr"));
    setWindowTitle(QStringLiteral("生成编号"));
    createComponents();
    setFixedSize(491, 229);
}

QLineEdit* TFrm_IncStr::numberField(QWidget* parent, const char* name, int left, int top)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(9);
    field->setGeometry(left, top, 110, 24);
    field->installEventFilter(this);
    return field;
}

void TFrm_IncStr::createComponents()
{
    auto* group = new QGroupBox(QStringLiteral("生成连续编号"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(8, 6, 475, 104);
    placedLabel(group, QStringLiteral("编号从"), 14, 31);
    placedLabel(group, QStringLiteral("开始至"), 196, 31);
    placedLabel(group, QStringLiteral("结束"), 370, 31);
    Edit1 = numberField(group, "Edit1", 72, 27);
    Edit2 = numberField(group, "Edit2", 254, 27);
    auto* hint = new QLabel(QStringLiteral("提示:编号以数字0开头,例如您可以设置: 编号从 0001 开始至 9999 结束"), group);
    hint->setObjectName(QStringLiteral("Label1"));
    hint->setGeometry(14, 62, 450, 32);
    hint->setWordWrap(true);

    placedLabel(this, QStringLiteral("如果编号需要前缀的话,请在右边编辑框中输入"), 12, 123);
    placedLabel(this, QStringLiteral("如果编号需要后缀的话,请在右边编辑框中输入"), 12, 155);
    Edit3 = new QLineEdit(this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setGeometry(300, 119, 183, 24);
    Edit4 = new QLineEdit(this);
    Edit4->setObjectName(QStringLiteral("Edit4"));
    Edit4->setGeometry(300, 151, 183, 24);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(12, 193, 352, 22);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    RzButton1 = new QPushButton(QStringLiteral("确  定"), this);
    RzButton1->setObjectName(QStringLiteral("RzButton1"));
    RzButton1->setGeometry(383, 188, 100, 32);
    RzButton1->setDefault(true);
    RzButton1->setAutoDefault(true);
    connect(RzButton1, &QPushButton::clicked, this, &TFrm_IncStr::RzButton1Click);
}

bool TFrm_IncStr::eventFilter(QObject* watched, QEvent* event)
{
    // Typed characters other than digits are discarded; keys without a character (arrows,
    // Delete, Backspace) and shortcuts such as Ctrl+V get through.
    if ((watched == Edit1 || watched == Edit2) && event->type() == QEvent::KeyPress) {
        QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty() && text.at(0).isPrint() && !(text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9')))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFrm_IncStr::RzButton1Click()
{
    if (m_running)
        return;
    using numbers::RunProblem;
    // Fields that pass the check hold ASCII digits, the same bytes in GBK.
    std::string startText = Edit1->text().toStdString();
    numbers::RunPlan plan = numbers::planRun(startText, Edit2->text().toStdString());
    switch (plan.problem) {
    case RunProblem::EmptyField:
        messageBox(this, QStringLiteral("请填入起始数值"), QStringLiteral("提示"), MessageButtons::Ok,
                   MessageIcon::Warning);
        return;
    case RunProblem::NotAnInteger:
        messageBox(this, QStringLiteral("'%1' is not a valid integer value").arg(QString::fromStdString(plan.badText)),
                   QStringLiteral("错误"), MessageButtons::Ok, MessageIcon::Error);
        return;
    case RunProblem::EndNotAboveStart:
        ProgressBar1->setValue(0);
        showFadingMessage(QStringLiteral("开始数值大于终止数值,请修改"));
        return;
    case RunProblem::StartTooNarrow:
        // Every number keeps the width of the start text; a narrower start would wrap
        // round ("8" to "11" gives 8, 9, 0, 1) and repeat numbers.
        showFadingMessage(QStringLiteral("起始编号的位数不能少于结束编号的位数,否则编号会重复,"
                                         "请在起始编号前补0,例如:编号从 01 开始至 11 结束"),
                          2);
        return;
    case RunProblem::TooManyLines:
        showFadingMessage(QStringLiteral("编号数量太多,一次最多生成%1个编号,请缩小编号范围")
                              .arg(numbers::kMaxRunLines),
                          2);
        return;
    case RunProblem::None:
        break;
    }
    setRunning(true);
    bool done = generate(startText, plan.lines());
    setRunning(false);
    if (done)
        accept();
}

bool TFrm_IncStr::generate(const std::string& startText, int64_t lines)
{
    ProgressBar1->setRange(0, static_cast<int>(lines - 1));
    ProgressBar1->setValue(0);
    RzButton1->setText(QStringLiteral("正在生成"));
    QElapsedTimer sincePaint;
    sincePaint.start();
    std::string text = numbers::buildRun(startText, lines, toGbk(Edit3->text()), toGbk(Edit4->text()),
                                         [&](size_t done, size_t) {
                                             if (sincePaint.elapsed() < kPaintEveryMs)
                                                 return;
                                             ProgressBar1->setValue(static_cast<int>(done - 1));
                                             QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                                             sincePaint.restart();
                                         });
    // Writing a long list and loading it into the editor take longer than making it; the
    // bar turns into a busy indicator meanwhile.
    ProgressBar1->setRange(0, 0);
    RzButton1->setText(QStringLiteral("载入中"));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    std::string scratch = m_folder.file("temp.txt");
    std::string error = saveJoinedLines(text, scratch);
    if (!error.empty()) {
        messageBox(this, QStringLiteral("无法写入临时文件temp.txt,编号没有生成\r") + QString::fromStdString(error),
                   QStringLiteral("错误"), MessageButtons::Ok, MessageIcon::Error);
        RzButton1->setText(QStringLiteral("确  定"));
        ProgressBar1->setRange(0, 100);
        ProgressBar1->setValue(0);
        return false;
    }
    text = std::string();
    TfrmJXName* editor = TfrmJXName::current();
    if (editor && editor->loadFile(scratch))
        editor->Memo1Change();
    return true;
}

void TFrm_IncStr::setRunning(bool running)
{
    m_running = running;
    for (QWidget* control : {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(Edit2),
                             static_cast<QWidget*>(Edit3), static_cast<QWidget*>(Edit4),
                             static_cast<QWidget*>(RzButton1)})
        control->setEnabled(!running);
}

void TFrm_IncStr::reject()
{
    if (!m_running)
        QDialog::reject();
}

void TFrm_IncStr::closeEvent(QCloseEvent* event)
{
    if (m_running)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

}  // namespace lotavo::ui
