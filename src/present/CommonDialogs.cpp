#include "present/CommonDialogs.h"

#include "present/TMsgForm.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <vector>

namespace lotavo::ui {

namespace {

struct MessageSeam {
    std::deque<MessageAnswer> answers;
    QStringList texts;
};

MessageSeam& seam()
{
    static MessageSeam instance;
    return instance;
}

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct BoxButton {
    QMessageBox::StandardButton standard;
    const char16_t* text;
    MessageAnswer answer;
};

// In the order the box shows them, which is the order the default-button index counts.
std::vector<BoxButton> buttonsOf(MessageButtons buttons)
{
    const BoxButton ok{QMessageBox::Ok, u"确定", MessageAnswer::Ok};
    const BoxButton cancel{QMessageBox::Cancel, u"取消", MessageAnswer::Cancel};
    const BoxButton yes{QMessageBox::Yes, u"是(&Y)", MessageAnswer::Yes};
    const BoxButton no{QMessageBox::No, u"否(&N)", MessageAnswer::No};
    switch (buttons) {
    case MessageButtons::OkCancel:
        return {ok, cancel};
    case MessageButtons::YesNo:
        return {yes, no};
    case MessageButtons::YesNoCancel:
        return {yes, no, cancel};
    case MessageButtons::Ok:
        break;
    }
    return {ok};
}

QString withLineFeeds(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

}  // namespace

MessageAnswer messageBox(QWidget* parent, const QString& text, const QString& caption, MessageButtons buttons,
                         MessageIcon icon, int defaultButton)
{
    std::vector<BoxButton> shown = buttonsOf(buttons);
    MessageSeam& queued = seam();
    if (!queued.answers.empty()) {
        MessageAnswer answer = queued.answers.front();
        queued.answers.pop_front();
        queued.texts.append(text);
        return answer;
    }

    QMessageBox box(toQtIcon(icon), caption, withLineFeeds(text), QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    std::vector<QPushButton*> pushButtons;
    for (const BoxButton& button : shown) {
        QPushButton* push = box.addButton(button.standard);
        push->setText(QString::fromUtf16(button.text));
        pushButtons.push_back(push);
    }
    int index = std::clamp(defaultButton, 0, static_cast<int>(pushButtons.size()) - 1);
    box.setDefaultButton(pushButtons[static_cast<size_t>(index)]);
    // Esc answers like closing the box: Cancel where there is one, otherwise the last button.
    box.setEscapeButton(pushButtons.back());
    box.exec();

    QAbstractButton* clicked = box.clickedButton();
    for (size_t i = 0; i < shown.size(); ++i)
        if (pushButtons[i] == clicked)
            return shown[i].answer;
    return shown.back().answer;
}

void setNextMessageAnswers(std::deque<MessageAnswer> answers)
{
    seam().answers = std::move(answers);
    seam().texts.clear();
}

QStringList answeredMessages()
{
    return seam().texts;
}

void showFadingMessage(const QString& text, int style)
{
    auto* form = new TMsgForm;
    form->showMessage(text, style);
}

void showErrorMessage(const QString& text)
{
    showFadingMessage(text, 0);
}

bool inputBox(QWidget* parent, const QString& caption, const QString& prompt, QString& value)
{
    QDialog dialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setWindowTitle(caption);
    QFontMetrics metrics(dialog.font());
    QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    int cx = metrics.horizontalAdvance(letters) / 52;
    int cy = metrics.height();
    auto dx = [cx](int units) { return static_cast<int>(std::lround(units * cx / 4.0)); };
    auto dy = [cy](int units) { return static_cast<int>(std::lround(units * cy / 8.0)); };
    dialog.setFixedSize(dx(180), dy(63));

    auto* label = new QLabel(prompt, &dialog);
    label->setTextFormat(Qt::PlainText);
    label->move(dx(8), dy(8));
    label->adjustSize();

    auto* edit = new QLineEdit(value, &dialog);
    edit->setMaxLength(255);
    edit->setGeometry(dx(8), dy(19), dx(164), edit->sizeHint().height());
    edit->selectAll();

    auto* ok = new QPushButton(QStringLiteral("确定(&Y)"), &dialog);
    ok->setGeometry(dx(38), dy(41), dx(50), dy(14));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消(&C)"), &dialog);
    cancel->setGeometry(dx(92), dy(41), dx(50), dy(14));
    cancel->setAutoDefault(false);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        QRect area = screen->geometry();
        dialog.move(area.x() + (area.width() - dialog.width()) / 2, area.y() + (area.height() - dialog.height()) / 2);
    }
    edit->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = edit->text();
    return true;
}

void pumpedDelay(double milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (static_cast<double>(clock.elapsed()) < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        // A short sleep between rounds keeps the other core free; the wait is a few hundred ms at most.
        QThread::msleep(1);
    }
}

bool pickFolder(QWidget* owner, const QString& title, const QString& startFolder, QString& path)
{
    QString start = startFolder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)
                                          : startFolder;
    QString chosen = QFileDialog::getExistingDirectory(owner, title, start, QFileDialog::ShowDirsOnly);
    path = chosen;
    return !chosen.isEmpty();
}

}  // namespace lotavo::ui
