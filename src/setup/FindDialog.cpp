#include "setup/FindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lotavo::ui {

FindDialog::FindDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FindDialog1"));
    setWindowTitle(QStringLiteral("查找"));
    auto* layout = new QGridLayout(this);
    auto* label = new QLabel(QStringLiteral("查找内容(&N):"), this);
    edtFind = new QLineEdit(this);
    edtFind->setObjectName(QStringLiteral("edtFind"));
    edtFind->setMinimumWidth(200);
    label->setBuddy(edtFind);
    chkMatchCase = new QCheckBox(QStringLiteral("区分大小写(&C)"), this);
    chkMatchCase->setObjectName(QStringLiteral("chkMatchCase"));
    btnFindNext = new QPushButton(QStringLiteral("查找下一个(&F)"), this);
    btnFindNext->setObjectName(QStringLiteral("btnFindNext"));
    btnFindNext->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("取消"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    layout->addWidget(label, 0, 0);
    layout->addWidget(edtFind, 0, 1);
    layout->addWidget(btnFindNext, 0, 2);
    layout->addWidget(chkMatchCase, 1, 0, 1, 2);
    layout->addWidget(btnCancel, 1, 2);

    connect(btnFindNext, &QPushButton::clicked, this, &FindDialog::btnFindNextClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::close);
    connect(edtFind, &QLineEdit::textChanged, this, [this](const QString& text) { btnFindNext->setEnabled(!text.isEmpty()); });
    btnFindNext->setEnabled(false);
}

QString FindDialog::findText() const
{
    return edtFind->text();
}

void FindDialog::setFindText(const QString& text)
{
    edtFind->setText(text);
    edtFind->selectAll();
}

bool FindDialog::matchCase() const
{
    return chkMatchCase->isChecked();
}

void FindDialog::setMatchCase(bool on)
{
    chkMatchCase->setChecked(on);
}

void FindDialog::btnFindNextClick()
{
    if (m_onFindNext && !edtFind->text().isEmpty())
        m_onFindNext(edtFind->text(), chkMatchCase->isChecked());
}

}  // namespace lotavo::ui
