// The label menu of the draw screen's texts: font, effect, text, colour and sampled
// background of the element it was opened on. A smoothed label (a caption of the screen or an
// inserted text) changes alone; a rolling label changes every plain label with it, as they
// share one look.
#include "main/TFrmMain.h"

#include "main/LayoutKeyWriter.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/FontChooser.h"
#include "present/QtText.h"
#include "present/RollingLabelBox.h"
#include "present/SmoothLabel.h"
#include "present/TfrmTextEffect.h"

#include <QAction>
#include <QColorDialog>
#include <QLabel>
#include <QMenu>

#include <algorithm>

namespace lotavo::ui {

namespace {

const char* kLayout = "frmMainLabel";
constexpr int kInsertedTextTag = 2;
const QString kTextPrompt = QStringLiteral("请输入文字内容 ");

QAction* item(QMenu* menu, const char* objectName, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

QColor textColour(const QWidget* element)
{
    if (auto* smooth = qobject_cast<const SmoothLabel*>(element))
        return smooth->colour();
    return element->palette().color(QPalette::WindowText);
}

}  // namespace

void TFrmMain::createLabelMenu()
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
}

void TFrmMain::attachLabelMenu(QWidget* element)
{
    element->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(element, &QWidget::customContextMenuRequested, this, [this, element](const QPoint& at) {
        m_labelMenuElement = element;
        pmuLabelMenu->popup(element->mapToGlobal(at));
    });
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
    LayoutKeyWriter(m_settings).font("LblGdArea1", font, colour);
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
        LayoutKeyWriter(m_settings).effect(toGbk(smooth->objectName()), effect);
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
    LayoutKeyWriter(m_settings).text(kLayout, toGbk(element->objectName()) + "Caption", toGbk(text));
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
            LayoutKeyWriter(m_settings).number(kLayout, toGbk(smooth->objectName()) + "Color", fromQColor(colour));
        return;
    }
    setPlainLabelsColour(QPalette::WindowText, colour);
    LayoutKeyWriter(m_settings).number(kLayout, "LblGdArea1Color", fromQColor(colour));
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
    LayoutKeyWriter(m_settings).number(kLayout, "LblGdArea1BackColor", fromQColor(colour));
}

}  // namespace lotavo::ui
