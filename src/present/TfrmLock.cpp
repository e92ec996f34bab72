#include "present/TfrmLock.h"

#include "present/CommonDialogs.h"
#include "present/QtText.h"
#include "main/settings/IniStore.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lotavo::ui {

namespace {

// The password of a settings file that has none.
constexpr const char* kBuiltInPassword = "jorv";

}  // namespace

TfrmLock::TfrmLock(IniStore& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_settings(settings)
{
    setObjectName(QStringLiteral("frmLock"));
    setWindowTitle(QStringLiteral("权限"));
    setFixedSize(339, 108);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(0xF7F3F7));
    setPalette(palette);

    auto label = [this](const char* name, const QString& text, int x, int y) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->move(x, y);
        l->adjustSize();
        return l;
    };
    Label1 = label("Label1", QStringLiteral("请输入密码"), 47, 29);
    Label2 = label("Label2", QStringLiteral("默认密码:") + QString::fromLatin1(kFactoryPassword), 236, 30);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(120, 24, 105, 20);
    Edit1->setEchoMode(QLineEdit::Password);
    Edit1->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));

    auto button = [this](const char* name, const QString& text, int x) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, 67, 75, 25);
        return b;
    };
    Button1 = button("Button1", QStringLiteral("确  定"), 72);
    Button2 = button("Button2", QStringLiteral("修改密码"), 200);
    Button1->setDefault(true);
    Button2->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TfrmLock::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TfrmLock::Button2Click);
    Edit1->setFocus();
}

// A settings file without a password opens with the built-in one, and with the one the hint
// names, so the hint is true on every installation.
bool TfrmLock::opensLock(const QString& typed) const
{
    const std::string bytes = toGbk(typed);
    if (m_settings.hasKey("Option", "PassWord"))
        return bytes == m_settings.readString("Option", "PassWord", kBuiltInPassword);
    return bytes == kBuiltInPassword || bytes == kFactoryPassword;
}

void TfrmLock::Button1Click()
{
    // A wrong password just closes the dialog; the lock stays as it is.
    if (opensLock(Edit1->text()))
        accept();
    else
        reject();
}

void TfrmLock::Button2Click()
{
    QString old;
    if (!inputBox(this, QStringLiteral("提示"), QStringLiteral("请输入您原来的密码 "), old))
        return;
    if (!opensLock(old)) {
        showFadingMessage(QStringLiteral("密码错误"), 1);
        return;
    }
    // Cancelling the new password keeps the old one: an empty password would open the lock
    // to anyone, and the operator who cancelled would not know.
    QString fresh;
    if (!inputBox(this, QStringLiteral("提示"), QStringLiteral("请输入新的密码 "), fresh))
        return;
    std::string error = m_settings.writeString("Option", "PassWord", toGbk(fresh));
    if (!error.empty()) {
        messageBox(this, QStringLiteral("密码没有保存: %1").arg(fromPath(error)), QStringLiteral("错误"),
                   MessageButtons::Ok, MessageIcon::Error);
        return;
    }
    showFadingMessage(QStringLiteral("密码修改成功"), 1);
}

}  // namespace lotavo::ui
