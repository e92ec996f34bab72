// The texts of the draw screen as the operator dresses them: the two title lines, the bottom
// line's words and fonts, the marquee with its menu, and the label menu of every text. Each
// command shows its change at once and writes it to the settings in the same step.
#include "main/TFrmMain.h"

#include "draw/Gbk.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/FontChooser.h"
#include "present/FontNames.h"
#include "present/QtText.h"
#include "present/RollingLabelBox.h"
#include "present/SmoothLabel.h"
#include "present/TextEffectKeys.h"
#include "present/TfrmTextEffect.h"

#include <QAction>
#include <QColorDialog>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include <algorithm>
#include <climits>

namespace lotavo::ui {

namespace {

const char* kLayout = "frmMainLabel";
const char* kOption = "Option";
constexpr int kInsertedTextTag = 2;
constexpr int kMarqueePanelHeight = 42;
// The marquee moves 2 pixels a tick: faster than every 10 ms is a blur, and a stored interval
// of 0 or less would stop it for good.
constexpr int kFastestMarquee = 10;
const QString kTextPrompt = QStringLiteral("请输入文字内容 ");

QAction* item(QMenu* menu, const char* objectName, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

int pointSizeOf(const QFont& font)
{
    return font.pointSize() > 0 ? font.pointSize() : std::max(1, font.pixelSize() * 72 / 96);
}

QColor textColour(const QWidget* element)
{
    if (auto* smooth = qobject_cast<const SmoothLabel*>(element))
        return smooth->colour();
    return element->palette().color(QPalette::WindowText);
}

// Several keys written as one change; the first failure is reported once.
class KeyWriter {
public:
    explicit KeyWriter(IniStore& store) : m_store(store) {}
    ~KeyWriter()
    {
        if (!m_error.empty())
            showErrorMessage(QStringLiteral("设置无法保存: %1").arg(fromPath(m_error)));
    }
    void text(const char* section, const std::string& key, const std::string& value)
    {
        keep(m_store.writeString(section, key, value));
    }
    void number(const char* section, const std::string& key, int value) { keep(m_store.writeInteger(section, key, value)); }
    void flag(const char* section, const std::string& key, bool value) { keep(m_store.writeBool(section, key, value)); }
    void font(const std::string& label, const QFont& font, const QColor& colour)
    {
        number(kLayout, label + "Size", pointSizeOf(font));
        number(kLayout, label + "Color", fromQColor(colour));
        text(kLayout, label + "Name", toGbk(font.family()));
        text(kLayout, label + "FontStyle", toGbk(fontStyleText(font)));
    }
    void effect(const std::string& section, const TextEffect& effect)
    {
        if (m_error.empty())
            writeTextEffect(m_store, section, effect);
    }

private:
    void keep(std::string failure)
    {
        if (m_error.empty())
            m_error = std::move(failure);
    }
    IniStore& m_store;
    std::string m_error;
};

}  // namespace

void TFrmMain::addTitleMenu(QMenu* face)
{
    QMenu* title = face->addMenu(QStringLiteral("标  题"));
    title->setObjectName(QStringLiteral("N11"));
    connect(item(title, "N15", QStringLiteral("标题文字修改")), &QAction::triggered, this, &TFrmMain::N15Click);
    connect(item(title, "N17", QStringLiteral("标题字体修改")), &QAction::triggered, this, &TFrmMain::N17Click);
    connect(item(title, "N127", QStringLiteral("字体特效")), &QAction::triggered, this, &TFrmMain::N127Click);
}

void TFrmMain::addBottomMenu(QMenu* face)
{
    QMenu* bottom = face->addMenu(QStringLiteral("底  部"));
    bottom->setObjectName(QStringLiteral("N51"));
    auto font = [this, bottom](const char* name, const QString& caption, SmoothLabel* TFrmMain::*label) {
        connect(item(bottom, name, caption), &QAction::triggered, this, [this, label] { bottomFontClick(this->*label); });
    };
    font("MenuItem3", QStringLiteral("底部 \"正在抽取\" 字体修改"), &TFrmMain::lblTipCaption);
    font("XXX1", QStringLiteral("底部 \"奖项名称\" 字体修改"), &TFrmMain::lblLevel);
    font("XX1", QStringLiteral("底部 \"奖品\" 字体修改"), &TFrmMain::lblAward);
    font("N19", QStringLiteral("底部 \"统计数据\" 字体修改"), &TFrmMain::lblStat);
    bottom->addSeparator();
    connect(item(bottom, "N72", QStringLiteral("奖项统计信息前缀修改")), &QAction::triggered, this, &TFrmMain::N72Click);
    connect(item(bottom, "N73", QStringLiteral("奖项统计信息单位修改")), &QAction::triggered, this, &TFrmMain::N73Click);
    connect(item(bottom, "N74", QStringLiteral("主界面提示信息修改")), &QAction::triggered, this, &TFrmMain::N74Click);
    connect(item(bottom, "N75", QStringLiteral("主界面抽奖结束提示信息修改")), &QAction::triggered, this,
            &TFrmMain::N75Click);
    bottom->addSeparator();
    N100 = item(bottom, "N100", QStringLiteral("打开底部滚动字幕"));
    connect(N100, &QAction::triggered, this, &TFrmMain::N100Click);
    connect(item(bottom, "N101", QStringLiteral("输入底部滚动字幕文字")), &QAction::triggered, this, &TFrmMain::N101Click);
    connect(item(bottom, "N102", QStringLiteral("选择底部滚动字幕字体")), &QAction::triggered, this, &TFrmMain::N102Click);
    connect(item(bottom, "N103", QStringLiteral("选择滚动字幕背景颜色")), &QAction::triggered, this, &TFrmMain::N103Click);
    connect(item(bottom, "N108", QStringLiteral("加快滚动速度")), &QAction::triggered, this, &TFrmMain::N108Click);
    connect(item(bottom, "N109", QStringLiteral("减慢滚动速度")), &QAction::triggered, this, &TFrmMain::N109Click);
}

void TFrmMain::createTextMenus()
{
    pmuLabelMenu = new QMenu(this);
    pmuLabelMenu->setObjectName(QStringLiteral("pmuLabelMenu"));
    connect(item(pmuLabelMenu, "N2", QStringLiteral("设置字体")), &QAction::triggered, this, &TFrmMain::N2Click);
    connect(item(pmuLabelMenu, "N3", QStringLiteral("字体特效")), &QAction::triggered, this, &TFrmMain::N3Click);
    connect(item(pmuLabelMenu, "N1", QStringLiteral("修改文字")), &QAction::triggered, this, &TFrmMain::N1Click);
    connect(item(pmuLabelMenu, "N4", QStringLiteral("字体颜色")), &QAction::triggered, this, &TFrmMain::N4Click);
    connect(item(pmuLabelMenu, "N5", QStringLiteral("取背景色")), &QAction::triggered, this, &TFrmMain::N5Click);
    for (SmoothLabel* label : {lblMainCaption, lblMainCaption2, lblTipCaption, lblLevel, lblAward, lblHint, lblStat, lblPause})
        attachLabelMenu(label);
    for (QLabel* label : LblGdArea)
        attachLabelMenu(label);

    btmPopMenu = new QMenu(this);
    btmPopMenu->setObjectName(QStringLiteral("btmPopMenu"));
    connect(item(btmPopMenu, "N12", QStringLiteral("背景颜色")), &QAction::triggered, this, &TFrmMain::N103Click);
    connect(item(btmPopMenu, "N23", QStringLiteral("修改文字")), &QAction::triggered, this, &TFrmMain::N101Click);
    connect(item(btmPopMenu, "N27", QStringLiteral("字体修改")), &QAction::triggered, this, &TFrmMain::N102Click);
    connect(item(btmPopMenu, "N18", QStringLiteral("加快速度")), &QAction::triggered, this, &TFrmMain::N108Click);
    connect(item(btmPopMenu, "N20", QStringLiteral("减慢速度")), &QAction::triggered, this, &TFrmMain::N109Click);
    connect(item(btmPopMenu, "N21", QStringLiteral("关闭字幕")), &QAction::triggered, this, &TFrmMain::N100Click);
    pnlBtm->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pnlBtm, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { btmPopMenu->popup(pnlBtm->mapToGlobal(at)); });
}

void TFrmMain::attachLabelMenu(QWidget* element)
{
    element->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(element, &QWidget::customContextMenuRequested, this, [this, element](const QPoint& at) {
        m_labelMenuElement = element;
        pmuLabelMenu->popup(element->mapToGlobal(at));
    });
}

bool TFrmMain::askText(QString& text, const QString& prompt)
{
    bool answered = inputBox(this, QStringLiteral("提示"), prompt, text);
    takeKeyboardBack();
    return answered;
}

// Inserted texts keep everything in UserLabel.Ini; the others in the layout section.
void TFrmMain::writeSmoothLabelFont(SmoothLabel* label)
{
    if (label->property("tag").toInt() == kInsertedTextTag) {
        saveDecorations();
        return;
    }
    std::string name = toGbk(label->objectName());
    KeyWriter keys(m_settings);
    keys.font(name, label->font(), label->colour());
    keys.text(kLayout, name + "Caption", toGbk(label->text()));
}

// The ten rolling labels and the marquee label look alike.
void TFrmMain::setPlainLabelsColour(QPalette::ColorRole role, const QColor& colour)
{
    std::vector<QLabel*> plain(LblGdArea.begin(), LblGdArea.end());
    plain.push_back(lblBtmChar);
    for (QLabel* label : plain) {
        QPalette palette = label->palette();
        palette.setColor(role, colour);
        label->setPalette(palette);
    }
    if (role == QPalette::Window) {
        QPalette panel = pnlBtm->palette();
        panel.setColor(QPalette::Window, colour);
        pnlBtm->setPalette(panel);
    }
    update();
}

// The rolling labels hold the longest entry of the list in the new font (not only the name
// they show now, or the next longer one would be cut); the marquee fits its text.
void TFrmMain::sizePlainLabelsToFont()
{
    const SessionState& st = m_engine->state();
    if (!st.drawList.empty() && !st.multiList) {
        refreshRollingLabels();
    } else {
        QString longest;
        for (QLabel* label : LblGdArea)
            if (label->text().size() > longest.size())
                longest = label->text();
        QSize box = rollingLabelBox(LblGdArea[0]->font(), longest, width());
        for (QLabel* label : LblGdArea)
            label->resize(box);
    }
    lblBtmChar->adjustSize();
    centreMarqueeLabel();
}

// The screen's pixel just above and left of the element; a place outside the window gives
// the colour at its nearest edge.
QColor TFrmMain::colourBehind(const QWidget* element) const
{
    QPoint at = element->pos() - QPoint(2, 2);
    at.setX(std::clamp(at.x(), 0, std::max(0, width() - 1)));
    at.setY(std::clamp(at.y(), 0, std::max(0, height() - 1)));
    QImage pixel = const_cast<TFrmMain*>(this)->grab(QRect(at, QSize(1, 1))).toImage();
    return pixel.isNull() ? QColor(Qt::black) : pixel.pixelColor(0, 0);
}

void TFrmMain::N15Click()
{
    const std::string firstKey = "lblMainCaptionCaption";
    QString first = fromGbk(m_settings.readString(kLayout, firstKey, gbk::literal("某某公司新年联欢晚会")));
    if (!askText(first, kTextPrompt))
        return;
    {
        KeyWriter keys(m_settings);
        keys.text(kLayout, firstKey, toGbk(first));
    }
    lblMainCaption->setText(first);
    showFadingMessage(QStringLiteral("大标题第一行已输入完成,请输入第二行"), 1);
    QString second = fromGbk(m_settings.readString(kLayout, "lblMainCaption2Caption", gbk::literal("抽奖仪式")));
    if (!askText(second, kTextPrompt))
        return;
    KeyWriter keys(m_settings);
    keys.text(kLayout, "lblMainCaption2Caption", toGbk(second));
    lblMainCaption2->setText(second);
}

void TFrmMain::N17Click()
{
    QFont font = lblMainCaption->font();
    QColor colour = lblMainCaption->colour();
    bool chosen = chooseFontAndColour(this, font, colour);
    takeKeyboardBack();
    if (!chosen)
        return;
    for (SmoothLabel* line : {lblMainCaption, lblMainCaption2}) {
        line->setFont(font);
        line->setColour(colour);
        writeSmoothLabelFont(line);
    }
}

void TFrmMain::N127Click()
{
    TextEffect effect = lblMainCaption->effect();
    bool edited = TfrmTextEffect::edit(this, effect);
    takeKeyboardBack();
    if (!edited)
        return;
    KeyWriter keys(m_settings);
    for (SmoothLabel* line : {lblMainCaption, lblMainCaption2}) {
        line->setEffect(effect);
        keys.effect(toGbk(line->objectName()), effect);
    }
}

void TFrmMain::bottomFontClick(SmoothLabel* label)
{
    QFont font = label->font();
    QColor colour = label->colour();
    bool chosen = chooseFontAndColour(this, font, colour);
    takeKeyboardBack();
    if (!chosen)
        return;
    label->setFont(font);
    label->setColour(colour);
    writeSmoothLabelFont(label);
}

void TFrmMain::N72Click()
{
    QString prefix = fromGbk(m_engine->options().lblStarFirst);
    if (!askText(prefix, kTextPrompt))
        return;
    m_engine->options().lblStarFirst = toGbk(prefix);
    KeyWriter(m_settings).text(kOption, "lblStarFirst", toGbk(prefix));
    m_engine->statisticsWordsChanged();
}

void TFrmMain::N73Click()
{
    QString unit = fromGbk(m_engine->options().lblStarTwo);
    if (!askText(unit, kTextPrompt))
        return;
    m_engine->options().lblStarTwo = toGbk(unit);
    KeyWriter(m_settings).text(kOption, "lblStarTwo", toGbk(unit));
    m_engine->statisticsWordsChanged();
}

// The prompt shows while levels remain, the closing words once the draw is over: each
// command shows its own text only when it is the one on screen.
void TFrmMain::N74Click()
{
    QString tip = fromGbk(m_settings.readString(kLayout, "lblTipCaptionCaption1", gbk::literal("正在抽取")));
    if (!askText(tip, kTextPrompt))
        return;
    KeyWriter(m_settings).text(kLayout, "lblTipCaptionCaption1", toGbk(tip));
    if (!m_engine->state().drawOver)
        lblTipCaption->setText(tip);
}

void TFrmMain::N75Click()
{
    QString tip = fromGbk(m_settings.readString(kLayout, "lblTipCaptionCaption2", gbk::literal("抽取结束")));
    if (!askText(tip, kTextPrompt))
        return;
    KeyWriter(m_settings).text(kLayout, "lblTipCaptionCaption2", toGbk(tip));
    if (m_engine->state().drawOver)
        lblTipCaption->setText(tip);
}

void TFrmMain::showMarquee(bool shown)
{
    pnlBtm->setVisible(shown);
    if (shown) {
        pnlBtm->raise();
        Timer2->start();
    } else {
        Timer2->stop();
    }
    if (N100)
        N100->setText(shown ? QStringLiteral("关闭底部滚动字幕") : QStringLiteral("打开底部滚动字幕"));
}

void TFrmMain::setMarqueeInterval(int milliseconds)
{
    Timer2->setInterval(std::max(kFastestMarquee, milliseconds));
}

void TFrmMain::centreMarqueeLabel()
{
    lblBtmChar->move(lblBtmChar->x(), (kMarqueePanelHeight - lblBtmChar->height()) / 2);
}

void TFrmMain::N100Click()
{
    bool shown = !m_settings.readBool(kOption, "frmMainBottom", false);
    showMarquee(shown);
    KeyWriter(m_settings).flag(kOption, "frmMainBottom", shown);
}

void TFrmMain::N101Click()
{
    QString text = lblBtmChar->text();
    if (!askText(text, QStringLiteral("请输入弹出窗口的标题文字内容 ")))
        return;
    lblBtmChar->setText(text);
    lblBtmChar->adjustSize();
    KeyWriter(m_settings).text(kLayout, "lblBtmCharCaption", toGbk(text));
}

void TFrmMain::N102Click()
{
    QFont font = lblBtmChar->font();
    QColor colour = textColour(lblBtmChar);
    bool chosen = chooseFontAndColour(this, font, colour);
    takeKeyboardBack();
    if (!chosen)
        return;
    lblBtmChar->setFont(font);
    QPalette palette = lblBtmChar->palette();
    palette.setColor(QPalette::WindowText, colour);
    lblBtmChar->setPalette(palette);
    lblBtmChar->adjustSize();
    centreMarqueeLabel();
    KeyWriter(m_settings).font("lblBtmChar", font, colour);
}

void TFrmMain::N103Click()
{
    QColor colour = QColorDialog::getColor(lblBtmChar->palette().color(QPalette::Window), this, QStringLiteral("背景颜色"));
    takeKeyboardBack();
    if (!colour.isValid())
        return;
    for (QWidget* w : {pnlBtm, static_cast<QWidget*>(lblBtmChar)}) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Window, colour);
        w->setPalette(palette);
    }
    KeyWriter(m_settings).number(kLayout, "lblBtmCharBackColor", fromQColor(colour));
}

void TFrmMain::N108Click()
{
    int faster = std::max(kFastestMarquee, Timer2->interval() - 10);
    if (faster == Timer2->interval())
        return;
    Timer2->setInterval(faster);
    KeyWriter(m_settings).number(kOption, "frmMainBottomSpeed", faster);
}

void TFrmMain::N109Click()
{
    if (Timer2->interval() > INT_MAX - 10)
        return;
    int slower = Timer2->interval() + 10;
    Timer2->setInterval(slower);
    KeyWriter(m_settings).number(kOption, "frmMainBottomSpeed", slower);
}

// The label menu acts on the element it was opened on: a smoothed label (a caption of the
// screen or an inserted text) alone, a rolling label for all plain labels together.
void TFrmMain::N2Click()
{
    QWidget* element = m_labelMenuElement;
    if (!element)
        return;
    QFont font = element->font();
    QColor colour = textColour(element);
    bool chosen = chooseFontAndColour(this, font, colour);
    takeKeyboardBack();
    if (!chosen)
        return;
    if (auto* smooth = qobject_cast<SmoothLabel*>(element)) {
        smooth->setFont(font);
        smooth->setColour(colour);
        writeSmoothLabelFont(smooth);
        return;
    }
    for (QLabel* label : LblGdArea)
        label->setFont(font);
    lblBtmChar->setFont(font);
    setPlainLabelsColour(QPalette::WindowText, colour);
    sizePlainLabelsToFont();
    KeyWriter(m_settings).font("LblGdArea1", font, colour);
}

void TFrmMain::N3Click()
{
    auto* smooth = qobject_cast<SmoothLabel*>(m_labelMenuElement.data());
    if (!smooth)
        return;
    TextEffect effect = smooth->effect();
    bool edited = TfrmTextEffect::edit(this, effect);
    takeKeyboardBack();
    if (!edited)
        return;
    smooth->setEffect(effect);
    if (smooth->property("tag").toInt() == kInsertedTextTag)
        saveDecorations();
    else
        KeyWriter(m_settings).effect(toGbk(smooth->objectName()), effect);
}

void TFrmMain::N1Click()
{
    QWidget* element = m_labelMenuElement;
    if (!element)
        return;
    auto* smooth = qobject_cast<SmoothLabel*>(element);
    auto* plain = qobject_cast<QLabel*>(element);
    QString text = smooth ? smooth->text() : plain ? plain->text() : QString();
    if (!askText(text, kTextPrompt))
        return;
    if (smooth) {
        smooth->setText(text);
        if (smooth->property("tag").toInt() == kInsertedTextTag) {
            saveDecorations();
            return;
        }
    } else if (plain) {
        plain->setText(text);
    }
    KeyWriter(m_settings).text(kLayout, toGbk(element->objectName()) + "Caption", toGbk(text));
}

void TFrmMain::N4Click()
{
    QWidget* element = m_labelMenuElement;
    if (!element)
        return;
    QColor colour = QColorDialog::getColor(textColour(element), this, QStringLiteral("字体颜色"));
    takeKeyboardBack();
    if (!colour.isValid())
        return;
    if (auto* smooth = qobject_cast<SmoothLabel*>(element)) {
        smooth->setColour(colour);
        if (smooth->property("tag").toInt() == kInsertedTextTag)
            saveDecorations();
        else
            KeyWriter(m_settings).number(kLayout, toGbk(smooth->objectName()) + "Color", fromQColor(colour));
        return;
    }
    setPlainLabelsColour(QPalette::WindowText, colour);
    KeyWriter(m_settings).number(kLayout, "LblGdArea1Color", fromQColor(colour));
}

// A smoothed label keeps the sampled colour for this run only.
void TFrmMain::N5Click()
{
    QWidget* element = m_labelMenuElement;
    if (!element)
        return;
    QColor colour = colourBehind(element);
    if (auto* smooth = qobject_cast<SmoothLabel*>(element)) {
        TextEffect effect = smooth->effect();
        effect.background = colour;
        smooth->setEffect(effect);
        return;
    }
    setPlainLabelsColour(QPalette::Window, colour);
    KeyWriter(m_settings).number(kLayout, "LblGdArea1BackColor", fromQColor(colour));
}

}  // namespace lotavo::ui
