// The window menu PopupMenu1 and the title menu PopupMenu2 of the award screen.
#include "present/TAwardShow.h"

#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/Pictures.h"
#include "present/QtText.h"
#include "present/ScrollText.h"
#include "present/SmoothLabel.h"
#include "present/SoundPlayer.h"
#include "present/TextEffectKeys.h"
#include "present/TfrmTextEffect.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMenu>

namespace lotavo::ui {

namespace {

constexpr const char* kSection = "AwardScreen";

QAction* item(QMenu* menu, const char* name, const char* caption)
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void separator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

// Qt's font dialog has no colour: the colour dialog follows it, and cancelling the colour
// keeps the old one with the new font.
bool chooseFontAndColour(QWidget* parent, QFont& font, QColor& colour)
{
    bool ok = false;
    QFont chosen = QFontDialog::getFont(&ok, font, parent);
    if (!ok)
        return false;
    font = chosen;
    QColor picked = QColorDialog::getColor(colour, parent, QStringLiteral("颜色"));
    if (picked.isValid())
        colour = picked;
    return true;
}

}  // namespace

void TAwardShow::createMenus()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    connect(item(PopupMenu1, "N1", "退出当前字幕   Home"), &QAction::triggered, this, &QDialog::accept);
    separator(PopupMenu1, "N14");
    connect(item(PopupMenu1, "N12", "标题文字"), &QAction::triggered, this, &TAwardShow::N12Click);
    connect(item(PopupMenu1, "N11", "标题字体设置"), &QAction::triggered, this, &TAwardShow::titleFontClick);
    connect(item(PopupMenu1, "N13", "标题字体特效"), &QAction::triggered, this, &TAwardShow::titleEffectClick);
    separator(PopupMenu1, "N15");
    connect(item(PopupMenu1, "N2", "滚动字体调整"), &QAction::triggered, this, &TAwardShow::N2Click);
    connect(item(PopupMenu1, "N6", "滚动字体特效"), &QAction::triggered, this, &TAwardShow::N6Click);
    connect(item(PopupMenu1, "N3", "选择背景颜色"), &QAction::triggered, this, &TAwardShow::N3Click);
    QMenu* alignment = PopupMenu1->addMenu(QStringLiteral("对齐方式"));
    alignment->menuAction()->setObjectName(QStringLiteral("N17"));
    connect(item(alignment, "N18", "左对齐"), &QAction::triggered, this, [this] { setAlignment(1); });
    connect(item(alignment, "N19", "居中"), &QAction::triggered, this, [this] { setAlignment(2); });
    connect(item(alignment, "N20", "右对齐"), &QAction::triggered, this, [this] { setAlignment(3); });
    separator(PopupMenu1, "N10");
    connect(item(PopupMenu1, "N4", "加快滚动速度   PageUp"), &QAction::triggered, this, [this] { changeStep(+1); });
    connect(item(PopupMenu1, "N5", "减慢滚动速度   PageDown"), &QAction::triggered, this, [this] { changeStep(-1); });
    separator(PopupMenu1, "N22");
    connect(item(PopupMenu1, "N16", "插入图标、徽标"), &QAction::triggered, this, &TAwardShow::N16Click);
    connect(item(PopupMenu1, "N21", "清除图标、徽标"), &QAction::triggered, this, &TAwardShow::N21Click);
    connect(item(PopupMenu1, "N23", "选择背景音乐"), &QAction::triggered, this, &TAwardShow::N23Click);
    connect(item(PopupMenu1, "N24", "清除背景声音"), &QAction::triggered, this, &TAwardShow::N24Click);

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    connect(item(PopupMenu2, "N7", "设置字体"), &QAction::triggered, this, &TAwardShow::titleFontClick);
    connect(item(PopupMenu2, "N8", "修改文字"), &QAction::triggered, this, &TAwardShow::N8Click);
    connect(item(PopupMenu2, "N9", "字体特效"), &QAction::triggered, this, &TAwardShow::titleEffectClick);
}

void TAwardShow::centreLine(SmoothLabel* line)
{
    line->move((width() - line->width()) / 2, line->y());
}

// Cancel keeps the text, and the line is centred all the same.
void TAwardShow::editLine(SmoothLabel* line, const QString& prompt)
{
    QString text = line->text();
    if (inputBox(this, QStringLiteral("提示"), prompt, text))
        line->setText(text);
    centreLine(line);
}

void TAwardShow::N12Click()
{
    editLine(AALabel1, QStringLiteral("请输入标题第一行文字内容 "));
    editLine(AALabel2, QStringLiteral("请输入标题第二行文字内容 "));
}

void TAwardShow::N8Click()
{
    editLine(m_menuLine ? m_menuLine : AALabel1, QStringLiteral("请输入文字内容 "));
}

void TAwardShow::titleFontClick()
{
    QFont font = AALabel1->font();
    QColor colour = AALabel1->colour();
    if (!chooseFontAndColour(this, font, colour))
        return;
    for (SmoothLabel* line : {AALabel1, AALabel2}) {
        line->setFont(font);
        line->setColour(colour);
    }
}

// Both title lines share one effect, stored with the window's other settings when it closes.
void TAwardShow::titleEffectClick()
{
    TextEffect effect = AALabel1->effect();
    if (!TfrmTextEffect::edit(this, effect))
        return;
    AALabel1->setEffect(effect);
    AALabel2->setEffect(effect);
}

// The credits' effect is stored at once, edited or not.
void TAwardShow::N6Click()
{
    TextEffect effect = AAScrollText1->itemEffect();
    if (TfrmTextEffect::edit(this, effect))
        AAScrollText1->setItemEffect(effect);
    writeTextEffect(m_context.settings, "ScrollText1", AAScrollText1->itemEffect());
}

void TAwardShow::N2Click()
{
    QFont font = AAScrollText1->itemFont();
    QColor colour = AAScrollText1->itemColour();
    if (!chooseFontAndColour(this, font, colour))
        return;
    AAScrollText1->setItemFont(font);
    AAScrollText1->setItemColour(colour);
}

void TAwardShow::N3Click()
{
    QColor colour = QColorDialog::getColor(AAScrollText1->backColour(), this, QStringLiteral("背景颜色"));
    if (!colour.isValid())
        return;
    AAScrollText1->setBackColour(colour);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

void TAwardShow::setAlignment(int lcr)
{
    m_context.settings.writeInteger("Option", "AwardScreen", lcr);
    AAScrollText1->setAlignment(lcr == 1 ? Qt::AlignLeft : lcr == 3 ? Qt::AlignRight : Qt::AlignHCenter);
}

void TAwardShow::N16Click()
{
    QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("插入图标、徽标"), fromPath(m_context.folder.file("Logo")),
        QStringLiteral("图像文件(*.jpg *.bmp *.gif *.JPG *.BMP *.GIF);;JPG格式(*.JPG *.jpg);;BMP格式(*.BMP *.bmp);;"
                       "GIF动画格式(*.GIF *.gif)"));
    if (path.isEmpty())
        return;
    m_context.settings.writeString(kSection, "Image", ProgramFolder::toStored(toPath(path)));
    QString error;
    if (!Image1->load(path, &error)) {
        messageBox(this, error, QStringLiteral("错误"), MessageButtons::Ok, MessageIcon::Error);
        return;
    }
    Image1->resize(Image1->pictureSize());
}

void TAwardShow::N21Click()
{
    m_context.settings.writeString(kSection, "Image", "");
    Image1->clear();
    Image1->resize(0, 0);
}

void TAwardShow::N23Click()
{
    QString path = QFileDialog::getOpenFileName(this, QStringLiteral("选择背景音乐"),
                                                fromPath(m_context.folder.file("Sound")),
                                                QStringLiteral("声音文件(*.wav *.WAV)"));
    if (!path.isEmpty()) {
        m_context.settings.writeString(kSection, "Sound", ProgramFolder::toStored(toPath(path)));
        m_context.musicPath = path;
    }
    if (!m_context.musicPath.isEmpty())
        m_context.sounds.play(m_context.musicPath, true);
}

void TAwardShow::N24Click()
{
    m_context.settings.writeString(kSection, "Sound", "");
    m_context.musicPath.clear();
    m_context.sounds.stop();
}

}  // namespace lotavo::ui
