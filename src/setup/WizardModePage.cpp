#include "setup/WizardModePage.h"

#include "draw/Gbk.h"
#include "present/FontNames.h"
#include "present/QtText.h"
#include "present/CommonDialogs.h"
#include "setup/TextEffectKeys.h"
#include "setup/WizardDialogs.h"
#include "setup/WizardSettings.h"

#include <QButtonGroup>
#include <QCursor>
#include <QEvent>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QToolTip>

#include <string>

namespace lotavo::ui {

namespace {

const char* kLayout = "frmMainLabel";

struct ModeButton {
    const char* caption;
    const char* hint;
};

const ModeButton kModes[4] = {
    {"常规抽奖模式", "当您按下空格键后,弹出中奖人画面\r\n\r\n优点:弹出画面上可显示多达 400 位中奖人\r\n\r\n"
                     "弹出的画面可以自由定制,使用BMP格式图片\r\n"},
    {"多行滚动抽取", "当您按下空格键后,在画面上直接定格中奖人\r\n\r\n优点: 主界面最多可以出现十个滚动区域同时滚动\r\n"},
    {"卖场奖品抽取", "按下空格键后, 抽取随机奖品\r\n\r\n适用于商场 卖场的抽奖方式,即买即抽"},
    {"图像照片抽奖", "使用照片进行抽奖,屏幕上会出现照片滚动区域\r\n\r\n优点: 非常直观的抽奖模式, 但准备工作量较大\r\n\r\n"
                     "注意: 每抽一次只能使用抽取一位中奖人"},
};

struct TextField {
    const char* label;
    const char* element;  // the draw-screen element and the prefix of its keys
};

const TextField kFields[4] = {
    {"活动标题", "lblMainCaption"},
    {"副 标 题", "lblMainCaption2"},
    {"提 示 行", "lblHint"},
    {"底部字幕", "lblBtmChar"},
};

bool isMarquee(int field)
{
    return field == 3;
}

// What the draw screen shows when a key is missing, so the fields start from the same text.
std::string captionDefault(int field)
{
    return isMarquee(field) ? gbk::literal("欢迎使用") : std::string("Caption");
}

QString plainHint(const char* hint)
{
    return QString::fromUtf8(hint).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

WizardModePage::WizardModePage(WizardSettings& settings, const WizardDialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_dialogs(dialogs)
{
    createModeButtons();
    createTextFields();
    showMarqueeState();
}

void WizardModePage::createModeButtons()
{
    auto* group = new QGroupBox(QStringLiteral("抽奖模式"), this);
    group->setObjectName(QStringLiteral("gbMode"));
    group->setGeometry(10, 52, 160, 150);
    auto* buttons = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(kModes[i].caption), group);
        button->setObjectName(QStringLiteral("RBMode%1").arg(i + 1));
        button->setGeometry(14, 24 + 30 * i, 140, 22);
        button->setToolTip(plainHint(kModes[i].hint));
        // The hint shows the moment the mouse enters, not after the usual pause.
        button->installEventFilter(this);
        buttons->addButton(button, i + 1);
        connect(button, &QRadioButton::clicked, this, [this, i] { RBModeClick(i + 1); });
        RBMode[static_cast<size_t>(i)] = button;
    }
    auto* note = new QLabel(QStringLiteral("所选模式在点击“完成”后生效"), this);
    note->setObjectName(QStringLiteral("lblModeNote"));
    note->move(12, 212);
    note->resize(note->sizeHint());
}

void WizardModePage::createTextFields()
{
    auto* group = new QGroupBox(QStringLiteral("抽奖画面文字"), this);
    group->setObjectName(QStringLiteral("gbTexts"));
    group->setGeometry(180, 52, 351, 150);
    for (int i = 0; i < 4; ++i) {
        const size_t k = static_cast<size_t>(i);
        const int top = 24 + 30 * i;
        auto* label = new QLabel(QString::fromUtf8(kFields[i].label), group);
        label->setObjectName(QStringLiteral("lblEdit%1").arg(i + 1));
        label->setGeometry(10, top, 52, 21);

        Edit[k] = new QLineEdit(group);
        Edit[k]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        Edit[k]->setGeometry(62, top, 192, 21);
        connect(Edit[k], &QLineEdit::textChanged, this, [this, i] { EditChange(i); });

        FontSize[k] = new QToolButton(group);
        FontSize[k]->setObjectName(QStringLiteral("FontSize%1").arg(i + 1));
        FontSize[k]->setText(QStringLiteral("字体"));
        FontSize[k]->setToolTip(QStringLiteral("字体 字号 颜色调整"));
        FontSize[k]->setGeometry(258, top, 40, 21);
        connect(FontSize[k], &QToolButton::clicked, this, [this, i] { FontSizeClick(i); });

        B[k] = new QToolButton(group);
        B[k]->setObjectName(QStringLiteral("B%1").arg(i + 1));
        B[k]->setGeometry(302, top, 40, 21);
        if (isMarquee(i)) {
            B[k]->setToolTip(QStringLiteral("打开或关闭底部滚动条"));
            connect(B[k], &QToolButton::clicked, this, &WizardModePage::B4Click);
        } else {
            B[k]->setText(QStringLiteral("特效"));
            B[k]->setToolTip(QStringLiteral("字体阴影 透明度等特效调整"));
            connect(B[k], &QToolButton::clicked, this, [this, i] { BClick(i); });
        }
    }
}

void WizardModePage::setMode(int mode)
{
    if (mode < 1 || mode > 4)
        mode = 1;
    RBMode[static_cast<size_t>(mode - 1)]->setChecked(true);
    emit modeChosen(mode);
}

int WizardModePage::selectedMode() const
{
    for (size_t i = 0; i < RBMode.size(); ++i)
        if (RBMode[i]->isChecked())
            return static_cast<int>(i) + 1;
    return 1;
}

void WizardModePage::RBModeClick(int mode)
{
    emit modeChosen(mode);
}

void WizardModePage::fillTexts()
{
    for (int i = 0; i < 4; ++i) {
        std::string key = std::string(kFields[i].element) + "Caption";
        Edit[static_cast<size_t>(i)]->setText(fromGbk(m_settings.readString(kLayout, key, captionDefault(i))));
    }
}

void WizardModePage::EditChange(int field)
{
    std::string key = std::string(kFields[field].element) + "Caption";
    m_settings.writeText(kLayout, key, Edit[static_cast<size_t>(field)]->text());
}

void WizardModePage::FontSizeClick(int field)
{
    if (!m_dialogs.chooseFont)
        return;
    const std::string element = kFields[field].element;
    const bool marquee = isMarquee(field);
    QFont font = storedFont(fromGbk(m_settings.readString(kLayout, element + "Name", marquee ? "" : gbk::literal("宋体"))),
                            m_settings.readInteger(kLayout, element + "Size", marquee ? 11 : 10),
                            fromGbk(m_settings.readString(kLayout, element + "FontStyle", "[]")));
    QColor colour = toQColor(m_settings.readInteger(kLayout, element + "Color", marquee ? 1 : 10));
    if (!m_dialogs.chooseFont(this, font, colour))
        return;

    int points = font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
    m_settings.writeInteger(kLayout, element + "Size", points);
    m_settings.writeInteger(kLayout, element + "Color", fromQColor(colour));
    m_settings.writeString(kLayout, element + "Name", toGbk(font.family()));
    if (!marquee)
        m_settings.writeText(kLayout, element + "Caption", Edit[static_cast<size_t>(field)]->text());
    m_settings.writeString(kLayout, element + "FontStyle", toGbk(fontStyleText(font)));
}

void WizardModePage::BClick(int field)
{
    if (!m_dialogs.chooseEffect) {
        showFadingMessage(QStringLiteral("“字体特效”功能在本版本中尚未提供"), 1);
        return;
    }
    const std::string element = kFields[field].element;
    TextEffect effect = readTextEffect(m_settings.store(), element);
    if (m_dialogs.chooseEffect(this, effect))
        writeTextEffect(m_settings, element, effect);
}

void WizardModePage::B4Click()
{
    bool showing = m_settings.readBool("Option", "frmMainBottom", false);
    m_settings.writeBool("Option", "frmMainBottom", !showing);
    showMarqueeState();
}

void WizardModePage::showMarqueeState()
{
    bool showing = m_settings.readBool("Option", "frmMainBottom", false);
    B[3]->setText(showing ? QStringLiteral("关闭") : QStringLiteral("打开"));
}

bool WizardModePage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter)
        if (auto* button = qobject_cast<QRadioButton*>(watched))
            QToolTip::showText(QCursor::pos(), button->toolTip(), button);
    return QWidget::eventFilter(watched, event);
}

}  // namespace lotavo::ui
