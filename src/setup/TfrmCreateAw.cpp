#include "setup/TfrmCreateAw.h"

#include "draw/Clock.h"
#include "draw/PrizeCodes.h"
#include "draw/ProgramFolder.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/PlacedLabel.h"
#include "present/QtText.h"
#include "setup/EditorPrompts.h"
#include "setup/TfrmJXName.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace lotavo::ui {

namespace {

const char16_t* kPictureFilter = u"图像文件(*.jpg *.bmp *.gif) (*.gif *.bmp *.jpg *.GIF *.BMP *.JPG);;"
                                 u"JPG格式(*.JPG) (*.jpg *.JPG);;BMP格式(*.BMP) (*.bmp *.BMP);;"
                                 u"GIF动画格式(*.GIF) (*.gif *.GIF)";
const char16_t* kSoundFilter = u"声音文件(*.wav ) (*.wav *.WAV)";

}  // namespace

TfrmCreateAw::TfrmCreateAw(IniStore& settings, RandomGenerator& random, EditorPrompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_settings(settings), m_random(random),
      m_prompts(prompts)
{
    setObjectName(QStringLiteral("frmCreateAw"));
    setWindowTitle(QStringLiteral("生成奖品名单"));
    createComponents();
    setFixedSize(379, 135);
    Edit1Change();
}

void TfrmCreateAw::createComponents()
{
    placedLabel(this, QStringLiteral("产生"), 16, 22);
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(1, 100000);
    SpinEdit1->setValue(1);
    SpinEdit1->setGeometry(50, 18, 90, 24);
    placedLabel(this, QStringLiteral("个"), 146, 22);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(166, 18, 160, 24);
    placedLabel(this, QStringLiteral("奖品"), 332, 22);

    RzCheckBox1 = new QCheckBox(QStringLiteral("插入本奖品的图片"), this);
    RzCheckBox1->setObjectName(QStringLiteral("RzCheckBox1"));
    RzCheckBox1->setGeometry(16, 56, 170, 24);
    RzCheckBox2 = new QCheckBox(QStringLiteral("插入本奖品的声音"), this);
    RzCheckBox2->setObjectName(QStringLiteral("RzCheckBox2"));
    RzCheckBox2->setGeometry(196, 56, 170, 24);

    RzButton1 = new QPushButton(QStringLiteral("生成奖品"), this);
    RzButton1->setObjectName(QStringLiteral("RzButton1"));
    RzButton1->setGeometry(140, 92, 100, 32);
    RzButton1->setDefault(true);
    RzButton1->setAutoDefault(true);

    connect(Edit1, &QLineEdit::textChanged, this, &TfrmCreateAw::Edit1Change);
    connect(RzCheckBox1, &QCheckBox::clicked, this, &TfrmCreateAw::RzCheckBox1Click);
    connect(RzCheckBox2, &QCheckBox::clicked, this, &TfrmCreateAw::RzCheckBox2Click);
    connect(RzButton1, &QPushButton::clicked, this, &TfrmCreateAw::RzButton1Click);
}

void TfrmCreateAw::Edit1Change()
{
    bool named = !Edit1->text().isEmpty();
    RzCheckBox1->setEnabled(named);
    RzCheckBox2->setEnabled(named);
}

void TfrmCreateAw::warnLongName(const std::string& name)
{
    if (name.size() <= prize::kShownNameBytes || name == m_warnedName)
        return;
    m_warnedName = name;
    showFadingMessage(QStringLiteral("奖品名称超过%1个字节(%2个汉字),中奖画面只显示\"%3\",奖品的图片和声音也按这部分名称保存")
                          .arg(prize::kShownNameBytes)
                          .arg(prize::kShownNameBytes / 2)
                          .arg(fromGbk(std::string_view(name).substr(0, prize::kShownNameBytes))),
                      2);
}

void TfrmCreateAw::attach(QCheckBox* box, prize::Attachment kind, const QString& filter)
{
    // The click has toggled the box; it goes back to showing whether a file is attached.
    box->setChecked(!box->isChecked());
    std::string name = toGbk(Edit1->text());
    QString file = m_prompts.openFileName(this, filter);
    if (file.isEmpty())
        return;
    warnLongName(name);
    m_settings.writeString("CreateAw", prize::attachmentKey(name, kind), ProgramFolder::toStored(toPath(file)));
    box->setChecked(true);
}

void TfrmCreateAw::RzCheckBox1Click()
{
    attach(RzCheckBox1, prize::Attachment::Picture, QString::fromUtf16(kPictureFilter));
}

void TfrmCreateAw::RzCheckBox2Click()
{
    attach(RzCheckBox2, prize::Attachment::Sound, QString::fromUtf16(kSoundFilter));
}

void TfrmCreateAw::RzButton1Click()
{
    // A count typed as 0 (or left empty) is no count; the spin box itself would fall back
    // to its last valid value.
    bool ok = false;
    int count = SpinEdit1->cleanText().toInt(&ok);
    if (!ok || count <= 0)
        return;
    TfrmJXName* editor = TfrmJXName::current();
    if (!editor)
        return;
    std::string name = toGbk(Edit1->text());
    warnLongName(name);
    m_random.seed(SystemClock().utcMillisecondsOfDay());
    EntryList entries = prize::createEntries(editor->lines(), static_cast<size_t>(count), name, m_random);
    editor->appendLines(entries);
    if (entries.size() < static_cast<size_t>(count))
        showFadingMessage(QStringLiteral("六位奖品编号已经全部用完,只生成了%1个奖品").arg(entries.size()), 2);

    SpinEdit1->setValue(1);
    {
        const QSignalBlocker blockName(Edit1);
        Edit1->clear();
    }
    RzCheckBox1->setChecked(false);
    RzCheckBox2->setChecked(false);
    Edit1Change();
}

}  // namespace lotavo::ui
