#include "setup/TFrmJXMisc.h"

#include "draw/AtomicFile.h"
#include "draw/ListFile.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/QtText.h"
#include "setup/ChosenPicture.h"
#include "setup/LevelCell.h"
#include "setup/TfrmJXName.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

namespace lotavo::ui {

namespace {

// The wizard's limit; a count typed by hand above it would build rows nobody can scroll to.
constexpr int kMaxLevels = 1000;

const char* sectionOf(char letter)
{
    switch (letter) {
    case 'a': return "OverPopup";
    case 'c': return "ChangeWall";
    case 'd': return "ChangeList";
    case 'e': return "Exclude";
    default: return "UpShot";
    }
}

QString captionOf(char letter)
{
    switch (letter) {
    case 'a': return QStringLiteral("奖项封面");
    case 'c': return QStringLiteral("背景更换");
    case 'd': return QStringLiteral("多名单");
    case 'e': return QStringLiteral("排除名单");
    default: return QStringLiteral("抽尾号");
    }
}

char letterOf(const LevelCell* cell)
{
    return cell->objectName().at(0).toLatin1();
}

// The list file a flag cell stands for.
char listLetterOf(char flagLetter)
{
    return flagLetter == 'd' ? 'u' : 'o';
}

}  // namespace

TFrmJXMisc::TFrmJXMisc(IniStore& settings, ProgramFolder folder, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_folder(std::move(folder)),
      m_levels(std::clamp(settings.readInteger("Number", "AllJJ", 1), 1, kMaxLevels))
{
    setObjectName(QStringLiteral("TFrmJXMisc"));
    setWindowTitle(QStringLiteral("设定奖级细节"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_runEditor = [](TfrmJXName& editor) { editor.exec(); };

    auto* hint = new QLabel(QStringLiteral("单击方格设定或取消一个奖级的附加功能,单击名单图标编辑该奖级的名单。"), this);
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("color: #5a4a3a;"));

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFixedSize(439, 279);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setFrameShape(QFrame::StyledPanel);
    // Below the last row the area keeps the paper's colour.
    QPalette paper = ScrollBox1->palette();
    paper.setColor(QPalette::Window, QColor(255, 253, 248));
    ScrollBox1->setPalette(paper);
    buildRows();

    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(8);
    layout->addWidget(hint);
    layout->addWidget(ScrollBox1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

LevelCell* TFrmJXMisc::cell(char letter, int level) const
{
    return findChild<LevelCell*>(QString(QLatin1Char(letter)) + QString::number(level));
}

std::string TFrmJXMisc::keyOf(const LevelCell* cell) const
{
    return std::string(1, letterOf(cell)) + std::to_string(cell->level());
}

std::string TFrmJXMisc::listFileOf(char listLetter, int level) const
{
    return m_folder.file("List/" + std::string(1, listLetter) + std::to_string(level) + ".txt");
}

void TFrmJXMisc::showState(LevelCell* cell)
{
    char letter = letterOf(cell);
    const char* section = sectionOf(letter);
    std::string key = keyOf(cell);
    QString tip;
    bool set = false;
    if (letter == 'a' || letter == 'c') {
        std::string stored = m_settings.readString(section, key, "");
        QString path = fromPath(m_folder.resolve(stored));
        set = !stored.empty() && fileExists(m_folder.resolve(stored));
        if (set)
            tip = path + QStringLiteral("\n单击取消");
        else if (!stored.empty())
            tip = QStringLiteral("图片文件不存在: ") + path + QStringLiteral("\n单击选择新的图片");
        else
            tip = QStringLiteral("单击选择图片");
    } else {
        set = m_settings.readBool(section, key, false);
        tip = set ? QStringLiteral("单击取消") : QStringLiteral("单击设定");
        if (letter != 's' && set && !fileExists(listFileOf(listLetterOf(letter), cell->level())))
            tip = QStringLiteral("名单文件不存在,本级仍使用原来的名单\n单击取消");
    }
    cell->setState(set ? 1 : 0, set ? m_set : m_notSet);
    cell->setToolTip(QStringLiteral("第%1级 %2\n").arg(cell->level()).arg(captionOf(letter)) + tip);
}

bool TFrmJXMisc::write(const LevelCell* cell, const std::string& error)
{
    if (error.empty())
        return true;
    showErrorMessage(QStringLiteral("第%1级的%2无法保存:\r\r").arg(cell->level()).arg(captionOf(letterOf(cell))) +
                     QString::fromStdString(error));
    return false;
}

QString TFrmJXMisc::choosePicture()
{
    if (m_pictureChooser)
        return m_pictureChooser();
    return QFileDialog::getOpenFileName(this, QStringLiteral("选择图片"), fromPath(m_folder.path()),
                                        QStringLiteral("图像文件(*.jpg *.bmp *.gif);;JPG格式(*.JPG);;BMP格式(*.BMP);;"
                                                       "GIF动画格式(*.GIF)"));
}

void TFrmJXMisc::pictureCellClick(LevelCell* cell)
{
    const char* section = sectionOf(letterOf(cell));
    if (cell->state() == 1) {
        if (write(cell, m_settings.writeString(section, keyOf(cell), "")))
            showState(cell);
        return;
    }
    QString path = choosePicture();
    if (path.isEmpty())
        return;
    if (!chosenPictureDecodes(path))
        return;
    std::string stored = ProgramFolder::toStored(toPath(path));
    if (m_folder.resolve(stored) != toPath(path)) {
        showErrorMessage(QStringLiteral("图片的路径含有无法保存的字符,请换一个文件夹或文件名:\r\r") + path);
        return;
    }
    if (write(cell, m_settings.writeString(section, keyOf(cell), stored)))
        showState(cell);
}

void TFrmJXMisc::listFlagClick(LevelCell* cell)
{
    char letter = letterOf(cell);
    // Clearing never needs the list: a level whose list was deleted must be able to let it go.
    if (cell->state() == 0 && !fileExists(listFileOf(listLetterOf(letter), cell->level()))) {
        showFadingMessage(QStringLiteral("您尚未制作一份名单,请单击旁边文本按钮开始制作"), 1);
        return;
    }
    if (write(cell, m_settings.writeBool(sectionOf(letter), keyOf(cell), cell->state() == 0)))
        showState(cell);
}

void TFrmJXMisc::tailFlagClick(LevelCell* cell)
{
    if (write(cell, m_settings.writeBool(sectionOf('s'), keyOf(cell), cell->state() == 0)))
        showState(cell);
}

void TFrmJXMisc::listButtonClick(LevelCell* cell)
{
    char letter = letterOf(cell);
    std::string path = listFileOf(letter, cell->level());
    QString name = QString(QLatin1Char(letter)) + QString::number(cell->level()) + QStringLiteral(".txt");
    if (!fileExists(path)) {
        std::error_code ignored;  // a folder that cannot be made shows up as the file's write error
        std::filesystem::create_directories(m_folder.file("List"), ignored);
        std::string error = saveList({}, path);
        if (!error.empty()) {
            showErrorMessage(QStringLiteral("无法建立名单文件 List/") + name + QStringLiteral(":\r\r") +
                             QString::fromStdString(error));
            return;
        }
    }
    // The editor saves to the level's file; the draw's own list file stays what it was, so
    // leaving the draw or a temporary level never writes one list over another.
    TfrmJXName editor(m_settings, m_folder, TfrmJXName::Host::LevelExtras, this);
    editor.setWindowTitle(QStringLiteral("编辑抽奖名单 ") + name);
    if (!editor.loadFile(path))
        return;
    editor.setModified(false);
    editor.setListFile(path);
    m_runEditor(editor);
    // The flag's hint about a missing list follows the file.
    char flag = letter == 'u' ? 'd' : 'e';
    if (LevelCell* flagCell = this->cell(flag, cell->level()))
        showState(flagCell);
}

}  // namespace lotavo::ui
