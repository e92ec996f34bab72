#include "setup/TTemporary.h"

#include "draw/AtomicFile.h"
#include "draw/DrawEngine.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/PlacedLabel.h"
#include "present/QtText.h"
#include "setup/DrawScreenLink.h"
#include "setup/TfrmJXName.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <filesystem>

namespace lotavo::ui {

namespace {

const char* kTemporary = "Temporary";
constexpr int kMostWinners = 500;

QSpinBox* spin(QWidget* parent, const char* name, int x, int y)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(1, kMostWinners);
    s->setGeometry(x, y, 58, 24);
    return s;
}

}  // namespace

TTemporary::TTemporary(IniStore& settings, ProgramFolder folder, DrawScreenLink& screen, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_folder(std::move(folder)), m_screen(screen)
{
    setObjectName(QStringLiteral("Temporary"));
    setWindowTitle(QStringLiteral("临时奖项"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    createComponents();
    setFixedSize(340, 206);
    if (parent)
        move(parent->geometry().center() - rect().center());
    FormShow();
}

void TTemporary::createComponents()
{
    placedLabel(this, QStringLiteral("奖项名称"), 18, 22);
    RzEdit1 = new QLineEdit(this);
    RzEdit1->setObjectName(QStringLiteral("RzEdit1"));
    RzEdit1->setGeometry(92, 18, 228, 24);
    placedLabel(this, QStringLiteral("奖　　品"), 18, 56);
    RzEdit2 = new QLineEdit(this);
    RzEdit2->setObjectName(QStringLiteral("RzEdit2"));
    RzEdit2->setGeometry(92, 52, 228, 24);

    placedLabel(this, QStringLiteral("本奖项设"), 18, 90);
    RzSpinEdit1 = spin(this, "RzSpinEdit1", 92, 86);
    // The sentence "人,每次抽取 … 人" with the per-press field in its blanks, which are too
    // narrow for a spin box in any font: the field goes between its two halves.
    QLabel* perPress = placedLabel(this, QStringLiteral("人,每次抽取"), 156, 90);
    RzSpinEdit2 = spin(this, "RzSpinEdit2", perPress->x() + perPress->width() + 4, 86);
    placedLabel(this, QStringLiteral("人"), RzSpinEdit2->x() + RzSpinEdit2->width() + 4, 90);

    RzCheckBox1 = new QCheckBox(QStringLiteral("临时奖级使用临时名单"), this);
    RzCheckBox1->setObjectName(QStringLiteral("RzCheckBox1"));
    RzCheckBox1->setGeometry(18, 124, 190, 24);
    RzButton3 = new QPushButton(QStringLiteral("临时奖级名单"), this);
    RzButton3->setObjectName(QStringLiteral("RzButton3"));
    RzButton3->setGeometry(214, 122, 106, 28);

    RzButton1 = new QPushButton(QStringLiteral("确 定"), this);
    RzButton1->setObjectName(QStringLiteral("RzButton1"));
    RzButton1->setGeometry(72, 164, 90, 30);
    RzButton1->setDefault(true);
    RzButton2 = new QPushButton(QStringLiteral("取 消"), this);
    RzButton2->setObjectName(QStringLiteral("RzButton2"));
    RzButton2->setGeometry(184, 164, 90, 30);

    connect(RzSpinEdit2, &QSpinBox::editingFinished, this, &TTemporary::RzSpinEdit2Exit);
    connect(RzCheckBox1, &QCheckBox::clicked, this, &TTemporary::RzCheckBox1Click);
    connect(RzButton1, &QPushButton::clicked, this, &TTemporary::RzButton1Click);
    connect(RzButton2, &QPushButton::clicked, this, &TTemporary::RzButton2Click);
    connect(RzButton3, &QPushButton::clicked, this, &TTemporary::RzButton3Click);
}

void TTemporary::FormShow()
{
    std::string name = m_settings.readString(kTemporary, "JxName", "");
    std::string award = m_settings.readString(kTemporary, "JxAward", "");
    RzEdit1->setText(name.empty() ? QStringLiteral("临时奖项") : fromGbk(name));
    RzEdit2->setText(award.empty() ? QStringLiteral("奖品：") : fromGbk(award));
    // A count typed into the file beyond the field's range shows clamped, as it is drawn.
    RzSpinEdit1->setValue(m_settings.readInteger(kTemporary, "CurJXall", 1));
    RzSpinEdit2->setValue(m_settings.readInteger(kTemporary, "AAT", 1));
    RzCheckBox1->setChecked(m_settings.readBool(kTemporary, "UseList", false));
}

void TTemporary::RzSpinEdit2Exit()
{
    if (RzSpinEdit2->value() > RzSpinEdit1->value())
        RzSpinEdit2->setValue(RzSpinEdit1->value());
}

void TTemporary::RzCheckBox1Click(bool checked)
{
    m_settings.writeBool(kTemporary, "UseList", checked);
    m_screen.engine().options().temporaryUseList = checked;
}

void TTemporary::RzButton1Click()
{
    RzSpinEdit2Exit();
    m_settings.writeString(kTemporary, "JxName", toGbk(RzEdit1->text()));
    m_settings.writeString(kTemporary, "JxAward", toGbk(RzEdit2->text()));
    m_settings.writeInteger(kTemporary, "CurJXall", RzSpinEdit1->value());
    m_settings.writeInteger(kTemporary, "AAT", RzSpinEdit2->value());
    accept();
}

void TTemporary::RzButton2Click()
{
    reject();
}

void TTemporary::RzButton3Click()
{
    std::string list = m_folder.file("List/TempList.txt");
    if (!fileExists(list)) {
        std::error_code ignored;  // a folder that cannot be made shows up as the write error
        std::filesystem::create_directories(m_folder.file("List"), ignored);
        std::string error = writeFileAtomically(list, "");
        if (!error.empty()) {
            messageBox(this, QStringLiteral("临时奖级名单无法建立: %1").arg(QString::fromStdString(error)),
                       QStringLiteral("错误"), MessageButtons::Ok, MessageIcon::Error);
            return;
        }
    }
    TfrmJXName editor(m_settings, m_folder, TfrmJXName::Host::DrawScreen, this);
    editor.setWindowTitle(QStringLiteral("编辑抽奖名单 TempList.txt"));
    editor.loadFile(list);
    editor.setListFile(list);
    editor.setRandomGenerator(&m_screen.engine().random());
    editor.exec();
}

}  // namespace lotavo::ui
