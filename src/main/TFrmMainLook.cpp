// Dressing the draw screen: templates, the rolling area's font, colour, transparency and
// alignment, the two backgrounds and the two sounds. Each command shows its change at once and
// writes it to the settings in the same step.
#include "main/TFrmMain.h"

#include "draw/AtomicFile.h"
#include "main/LayoutKeyWriter.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/FontChooser.h"
#include "present/Pictures.h"
#include "present/QtText.h"
#include "present/SoundPlayer.h"
#include "present/TFrmAniPop.h"

#include <QAction>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QScreen>

namespace lotavo::ui {

namespace {

const char* kLayout = "frmMainLabel";

QAction* addItem(QMenu* menu, const char* objectName, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

QString fileNameOf(const QString& path)
{
    return QFileInfo(path).fileName();
}

}  // namespace

// ---- templates ----

void TFrmMain::addTemplateItems(QMenu* templates)
{
    connect(addItem(templates, "N91", QStringLiteral("喜庆红")), &QAction::triggered, this, &TFrmMain::N91Click);
    connect(addItem(templates, "N90", QStringLiteral("梦幻蓝")), &QAction::triggered, this, &TFrmMain::N90Click);
    connect(addItem(templates, "N94", QStringLiteral("浅橙色")), &QAction::triggered, this, &TFrmMain::N94Click);
    connect(addItem(templates, "N95", QStringLiteral("天空蓝")), &QAction::triggered, this, &TFrmMain::N95Click);
    connect(addItem(templates, "N97", QStringLiteral("光影绿")), &QAction::triggered, this, &TFrmMain::N97Click);
    connect(addItem(templates, "N96", QStringLiteral("简洁绿")), &QAction::triggered, this, &TFrmMain::N96Click);
}

void TFrmMain::N91Click()
{
    // The red template has pop-up pictures only for the two classic widths; other screens
    // keep the pop-up background they have.
    int width = screen() ? screen()->geometry().width() : this->width();
    std::string popup = width == 800 ? "back800.bmp" : width == 1024 ? "back1024.bmp" : "";
    applyTemplate(QStringLiteral("喜庆红"), "Wallpaper\\1024.jpg", popup);
}

void TFrmMain::N90Click() { applyTemplate(QStringLiteral("梦幻蓝"), "Template\\Style1\\mainback.jpg", "Template\\Style1\\popback.bmp"); }
void TFrmMain::N94Click() { applyTemplate(QStringLiteral("浅橙色"), "Template\\Style2\\mainback.jpg", "Template\\Style2\\popback.bmp"); }
void TFrmMain::N95Click() { applyTemplate(QStringLiteral("天空蓝"), "Template\\Style3\\mainback.jpg", "Template\\Style3\\popback.bmp"); }
void TFrmMain::N97Click() { applyTemplate(QStringLiteral("光影绿"), "Template\\Style4\\mainback.jpg", "Template\\Style4\\popback.bmp"); }
void TFrmMain::N96Click() { applyTemplate(QStringLiteral("简洁绿"), "Template\\Style5\\mainback.jpg", "Template\\Style5\\popback.bmp"); }

// A template is applied as far as its files allow: a picture that is missing or unreadable
// leaves that part (screen and setting alike) as it was, so that what the operator sees now is
// also what the next start shows, and the operator is told which files failed.
void TFrmMain::applyTemplate(const QString& name, const std::string& background, const std::string& popupBackground)
{
    QStringList failed;
    bool changed = false;
    std::string mainPath = m_folder.file(background);
    if (!fileExists(mainPath))
        failed << QStringLiteral("%1 (文件不存在)").arg(fromGbk(background));
    else if (changeMainBackground(fromPath(mainPath))) {
        changed = true;
        // A template fills the screen: its picture is stretched on a screen of another size.
        QSize screenSize = screen() ? screen()->geometry().size() : size();
        if (!ImgBG->stretch() && ImgBG->pictureSize() != screenSize) {
            ImgBG->setStretch(true);
            m_settings.writeBool("Option", "ImgStretch", true);
        }
    } else
        failed << QStringLiteral("%1 (无法读取)").arg(fromGbk(background));

    if (!popupBackground.empty()) {
        std::string popupPath = m_folder.file(popupBackground);
        if (!fileExists(popupPath))
            failed << QStringLiteral("%1 (文件不存在)").arg(fromGbk(popupBackground));
        else if (changePopupBackground(fromPath(popupPath)))
            changed = true;
        else
            failed << QStringLiteral("%1 (无法读取)").arg(fromGbk(popupBackground));
    }
    if (changed) {
        // The new background is painted before the rolling area takes its colour from it.
        pumpedDelay(200);
        N67Click();
    }
    if (!failed.isEmpty())
        messageBox(this,
                   QStringLiteral("界面模板“%1”的以下文件无法使用:\r\r%2\r\r%3")
                       .arg(name, failed.join(QStringLiteral("\r")),
                            changed ? QStringLiteral("其余部分已经应用。") : QStringLiteral("界面保持不变。")),
                   QStringLiteral("提示"), MessageButtons::Ok, MessageIcon::Exclamation);
    takeKeyboardBack();
}

// ---- rolling area ----

void TFrmMain::addRollingAreaItems(QMenu* roll)
{
    connect(addItem(roll, "MenuItem1", QStringLiteral("滚动区字体修改")), &QAction::triggered, this, &TFrmMain::MenuItem1Click);
    connect(addItem(roll, "N7", QStringLiteral("滚动区背景颜色")), &QAction::triggered, this, &TFrmMain::N7Click);
    connect(addItem(roll, "N67", QStringLiteral("智能设定滚动区背景颜色")), &QAction::triggered, this, &TFrmMain::N67Click);
    N46 = addItem(roll, "N46", QStringLiteral("滚动区背景透明 "));
    N46->setCheckable(true);
    connect(N46, &QAction::triggered, this, &TFrmMain::N46Click);
    QMenu* alignment = roll->addMenu(QStringLiteral("滚动区对齐方式"));
    alignment->setObjectName(QStringLiteral("N30"));
    N31 = addItem(alignment, "N31", QStringLiteral("左对齐"));
    N47 = addItem(alignment, "N47", QStringLiteral("居中"));
    N53 = addItem(alignment, "N53", QStringLiteral("右对齐"));
    for (QAction* action : {N31, N47, N53})
        action->setCheckable(true);
    connect(N31, &QAction::triggered, this, &TFrmMain::N31Click);
    connect(N47, &QAction::triggered, this, &TFrmMain::N47Click);
    connect(N53, &QAction::triggered, this, &TFrmMain::N53Click);
    // The setup dialogs change the same keys: the marks follow the settings whenever shown.
    connect(roll, &QMenu::aboutToShow, this, &TFrmMain::showRollingAreaChecks);
    showRollingAreaChecks();
}

void TFrmMain::showRollingAreaChecks()
{
    N46->setChecked(m_settings.readBool("Option", "lblGdAreaTransParent", false));
    std::string alignment = m_settings.readString("Option", "GdAreaAlignment", "agTopLeft");
    N31->setChecked(alignment == "agTopLeft");
    N47->setChecked(alignment == "agTopCenter");
    N53->setChecked(alignment == "agTopRight");
}

void TFrmMain::MenuItem1Click()
{
    QLabel* first = LblGdArea[0];
    QFont font = first->font();
    QColor colour = first->palette().color(QPalette::WindowText);
    if (chooseFontAndColour(this, font, colour)) {
        for (QLabel* label : LblGdArea) {
            label->setFont(font);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, colour);
            label->setPalette(palette);
            label->adjustSize();
        }
        // The boxes hold the longest entry of the list in the new font, as at a level start.
        refreshRollingLabels();
        update();
        LayoutKeyWriter keys(m_settings);
        keys.font("LblGdArea1", font, colour);
        keys.text(kLayout, "LblGdArea1Caption", toGbk(first->text()));
    }
    takeKeyboardBack();
}

void TFrmMain::setRollingBackColour(const QColor& colour)
{
    for (QLabel* label : LblGdArea) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, colour);
        label->setPalette(palette);
    }
    LayoutKeyWriter(m_settings).number(kLayout, "LblGdArea1BackColor", fromQColor(colour));
}

void TFrmMain::N7Click()
{
    QColor colour = QColorDialog::getColor(LblGdArea[0]->palette().color(QPalette::Window), this,
                                           QStringLiteral("滚动区背景颜色"));
    if (colour.isValid())
        setRollingBackColour(colour);
    takeKeyboardBack();
}

void TFrmMain::N67Click()
{
    // The background picture as painted just outside the rolling area's top-left corner (the
    // labels stacked above the first one would otherwise answer with their own colour); a
    // corner at the window's edge samples the nearest pixel of the window.
    QPoint at = LblGdArea[0]->pos() - QPoint(2, 2);
    at.setX(std::clamp(at.x(), 0, std::max(0, ImgBG->width() - 1)));
    at.setY(std::clamp(at.y(), 0, std::max(0, ImgBG->height() - 1)));
    QImage pixel = ImgBG->grab(QRect(at, QSize(1, 1))).toImage();
    if (!pixel.isNull())
        setRollingBackColour(pixel.pixelColor(0, 0));
}

void TFrmMain::N46Click()
{
    bool transparent = LblGdArea[0]->autoFillBackground();
    for (QLabel* label : LblGdArea)
        label->setAutoFillBackground(!transparent);
    N46->setChecked(transparent);
    m_settings.writeBool("Option", "lblGdAreaTransParent", transparent);
    update();
    if (transparent)
        messageBox(this, QStringLiteral("此功能仅在高档计算机上才可使用,否则会引起系统缓慢"), QStringLiteral("警告"),
                   MessageButtons::Ok, MessageIcon::Exclamation);
    takeKeyboardBack();
}

void TFrmMain::setRollingAlignment(const char* stored, Qt::Alignment alignment)
{
    for (QLabel* label : LblGdArea)
        label->setAlignment(alignment | Qt::AlignVCenter);
    m_settings.writeString("Option", "GdAreaAlignment", stored);
    showRollingAreaChecks();
}

void TFrmMain::N31Click() { setRollingAlignment("agTopLeft", Qt::AlignLeft); }
void TFrmMain::N47Click() { setRollingAlignment("agTopCenter", Qt::AlignHCenter); }
void TFrmMain::N53Click() { setRollingAlignment("agTopRight", Qt::AlignRight); }

// ---- backgrounds ----

void TFrmMain::addBackgroundItems(QMenu* backgrounds)
{
    connect(addItem(backgrounds, "Wall1", QStringLiteral("主程序背景更换")), &QAction::triggered, this, &TFrmMain::Wall1Click);
    connect(addItem(backgrounds, "N38", QStringLiteral("弹出窗口背景更换")), &QAction::triggered, this, &TFrmMain::N38Click);
}

QString TFrmMain::choosePictureOrSound(const QStringList& filters, const char* folder)
{
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setDirectory(fromPath(m_folder.file(folder)));
    QString chosen;
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        chosen = dialog.selectedFiles().constFirst();
    takeKeyboardBack();
    return chosen;
}

void TFrmMain::Wall1Click()
{
    // The descriptions as the operator knows them; the patterns after them take both cases.
    QString path = choosePictureOrSound({QStringLiteral("图像文件(*.jpg *.bmp *.gif) (*.gif *.bmp *.jpg *.GIF *.BMP *.JPG)"),
                                         QStringLiteral("JPG格式(*.JPG) (*.jpg *.JPG)"),
                                         QStringLiteral("BMP格式(*.BMP) (*.bmp *.BMP)"),
                                         QStringLiteral("GIF动画格式(*.GIF) (*.gif *.GIF)")},
                                        "Wallpaper");
    if (!path.isEmpty())
        changeMainBackground(path);
}

bool TFrmMain::changeMainBackground(const QString& path)
{
    // Decoded before anything changes: a bad file leaves the screen and the setting as they are.
    DecodedPicture picture = decodePicture(path);
    if (!picture.ok()) {
        messageBox(this, QStringLiteral("背景图片“%1”无法读取: %2").arg(fileNameOf(path), picture.error),
                   QStringLiteral("错误"), MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
    ImgBG->setPicture(std::move(picture));
    m_backgroundPath = toPath(path);
    m_settings.writeString("Option", "MainImgBG", ProgramFolder::toStored(m_backgroundPath));
    return true;
}

void TFrmMain::N38Click()
{
    QString path = choosePictureOrSound({QStringLiteral("图像文件(*.bmp ) (*.bmp *.BMP)")}, "Wallpaper");
    if (!path.isEmpty())
        changePopupBackground(path);
}

bool TFrmMain::changePopupBackground(const QString& path)
{
    std::string before = m_settings.readString("Option", "imgPopBG", "");
    m_settings.writeString("Option", "imgPopBG", ProgramFolder::toStored(toPath(path)));
    if (popup().reloadBackground())
        return true;
    m_settings.writeString("Option", "imgPopBG", before);
    popup().reloadBackground();
    messageBox(this, QStringLiteral("弹出窗口背景图片“%1”无法读取,弹出窗口背景保持不变").arg(fileNameOf(path)),
               QStringLiteral("错误"), MessageButtons::Ok, MessageIcon::Error);
    return false;
}

// ---- sounds ----

void TFrmMain::addSoundItems(QMenu* sounds)
{
    connect(addItem(sounds, "N16", QStringLiteral("设置转奖声音")), &QAction::triggered, this, &TFrmMain::N16Click);
    connect(addItem(sounds, "N48", QStringLiteral("设置中奖声音")), &QAction::triggered, this, &TFrmMain::N48Click);
    N14 = addItem(sounds, "N14", QStringLiteral("关闭背景声音"));
    N14->setCheckable(true);
    connect(N14, &QAction::triggered, this, &TFrmMain::N14Click);
}

void TFrmMain::N16Click()
{
    QString path = choosePictureOrSound({QStringLiteral("声音文件 (*.wav *.WAV)")}, "Sound");
    if (!path.isEmpty())
        changeRollSound(path);
    // A preview of the roll sound as it now is; the next roll or halt takes over.
    m_sounds->play(fromPath(m_engine->options().backSound), true);
}

void TFrmMain::N48Click()
{
    QString path = choosePictureOrSound({QStringLiteral("声音文件 (*.wav *.WAV)")}, "Sound");
    if (!path.isEmpty())
        changeWinSound(path);
}

namespace {

bool refuseUnlessWave(QWidget* parent, const QString& path, const QString& which)
{
    if (isWaveFile(path))
        return false;
    messageBox(parent, QStringLiteral("“%1”不是波形声音文件(*.wav),%2保持不变").arg(fileNameOf(path), which),
               QStringLiteral("错误"), MessageButtons::Ok, MessageIcon::Error);
    return true;
}

}  // namespace

bool TFrmMain::changeRollSound(const QString& path)
{
    if (refuseUnlessWave(this, path, QStringLiteral("转奖声音")))
        return false;
    m_engine->options().backSound = toPath(path);
    m_settings.writeString("Option", "BackSound", ProgramFolder::toStored(toPath(path)));
    return true;
}

bool TFrmMain::changeWinSound(const QString& path)
{
    if (refuseUnlessWave(this, path, QStringLiteral("中奖声音")))
        return false;
    m_engine->options().backSound2 = toPath(path);
    m_settings.writeString("Option", "BackSound2", ProgramFolder::toStored(toPath(path)));
    return true;
}

const SoundPlayer& TFrmMain::sounds() const
{
    return *m_sounds;
}

void TFrmMain::N14Click()
{
    // The check mark is the state: it is not kept from one run to the next.
    bool mute = !m_sounds->muted();
    m_sounds->setMuted(mute);
    N14->setChecked(mute);
    N14->setText(mute ? QStringLiteral("打开背景声音") : QStringLiteral("关闭背景声音"));
}

}  // namespace lotavo::ui
