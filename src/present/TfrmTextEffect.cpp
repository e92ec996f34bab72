#include "present/TfrmTextEffect.h"

#include "present/SmoothLabel.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace lotavo::ui {

namespace {

QSlider* strengthSlider(const char* name)
{
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(QLatin1String(name));
    slider->setRange(0, 255);
    slider->setMinimumWidth(160);
    return slider;
}

QSpinBox* spin(const char* name, int low, int high)
{
    auto* box = new QSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setRange(low, high);
    return box;
}

// A slider with its value beside it, so that an operator can set the same strength again.
QWidget* withValue(QSlider* slider)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* value = new QLabel(QString::number(slider->value()));
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("255")));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QObject::connect(slider, &QSlider::valueChanged, value, [value](int v) { value->setNum(v); });
    layout->addWidget(slider);
    layout->addWidget(value);
    return row;
}

template <class W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

}  // namespace

TfrmTextEffect::TfrmTextEffect(const TextEffect& effect, QWidget* parent) : QDialog(parent), m_effect(effect)
{
    setWindowTitle(QStringLiteral("字体特效"));

    // The sample: gold on the festive red of the draw screen, large enough to see a blur.
    auto* stage = named(new QWidget, "pnlSample");
    stage->setAutoFillBackground(true);
    QPalette red = stage->palette();
    red.setColor(QPalette::Window, QColor(150, 10, 16));
    stage->setPalette(red);
    stage->setMinimumSize(460, 150);
    lblSample = named(new SmoothLabel(stage), "lblSample");
    QFont sample(QStringLiteral("Noto Serif CJK SC"));
    sample.setPixelSize(48);
    sample.setBold(true);
    lblSample->setFont(sample);
    lblSample->setColour(QColor(255, 215, 0));
    lblSample->setText(QStringLiteral("新春快乐 Lotavo"));
    auto* centre = new QGridLayout(stage);
    centre->addWidget(lblSample, 0, 0, Qt::AlignCenter);

    tbAlpha = strengthSlider("tbAlpha");
    tbBlur = strengthSlider("tbBlur");
    tbNoise = strengthSlider("tbNoise");
    tbSpray = strengthSlider("tbSpray");
    seAngle = spin("seAngle", std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max());
    seAngle->setSuffix(QStringLiteral(" 度"));
    cbOutline = named(new QCheckBox(QStringLiteral("空心字")), "cbOutline");
    cbHorzMirror = named(new QCheckBox(QStringLiteral("水平镜像")), "cbHorzMirror");
    cbVertMirror = named(new QCheckBox(QStringLiteral("垂直镜像")), "cbVertMirror");
    auto* text = new QGroupBox(QStringLiteral("文字"));
    auto* textForm = new QFormLayout(text);
    textForm->addRow(QStringLiteral("透明度"), withValue(tbAlpha));
    textForm->addRow(QStringLiteral("模糊"), withValue(tbBlur));
    textForm->addRow(QStringLiteral("噪点"), withValue(tbNoise));
    textForm->addRow(QStringLiteral("喷溅"), withValue(tbSpray));
    textForm->addRow(QStringLiteral("角度"), seAngle);
    auto* checks = new QHBoxLayout;
    checks->addWidget(cbOutline);
    checks->addWidget(cbHorzMirror);
    checks->addWidget(cbVertMirror);
    textForm->addRow(checks);

    cbShadow = named(new QCheckBox(QStringLiteral("阴影")), "cbShadow");
    tbShadowAlpha = strengthSlider("tbShadowAlpha");
    tbShadowBlur = strengthSlider("tbShadowBlur");
    btnShadowColor = named(new QPushButton(QStringLiteral("阴影颜色")), "btnShadowColor");
    seShadowOffsetX = spin("seShadowOffsetX", std::numeric_limits<int8_t>::min(), std::numeric_limits<int8_t>::max());
    seShadowOffsetY = spin("seShadowOffsetY", std::numeric_limits<int8_t>::min(), std::numeric_limits<int8_t>::max());
    auto* shadow = new QGroupBox(QStringLiteral("阴影"));
    auto* shadowForm = new QFormLayout(shadow);
    shadowForm->addRow(cbShadow, btnShadowColor);
    shadowForm->addRow(QStringLiteral("阴影透明度"), withValue(tbShadowAlpha));
    shadowForm->addRow(QStringLiteral("阴影模糊"), withValue(tbShadowBlur));
    auto* offsets = new QHBoxLayout;
    offsets->addWidget(seShadowOffsetX);
    offsets->addWidget(seShadowOffsetY);
    shadowForm->addRow(QStringLiteral("偏移 X Y"), offsets);

    cbGradual = named(new QCheckBox(QStringLiteral("渐变色")), "cbGradual");
    btnGradualStart = named(new QPushButton(QStringLiteral("起始颜色")), "btnGradualStart");
    btnGradualEnd = named(new QPushButton(QStringLiteral("结束颜色")), "btnGradualEnd");
    cbGradualStyle = named(new QComboBox, "cbGradualStyle");
    cbGradualStyle->addItems({QStringLiteral("从上到下"), QStringLiteral("从左到右"), QStringLiteral("左上到右下"),
                              QStringLiteral("左下到右上"), QStringLiteral("从中间到上下"), QStringLiteral("从中心向外")});
    cbTexture = named(new QCheckBox(QStringLiteral("纹理")), "cbTexture");
    cbTextureMode = named(new QComboBox, "cbTextureMode");
    cbTextureMode->addItems({QStringLiteral("平铺"), QStringLiteral("拉伸"), QStringLiteral("居中"),
                             QStringLiteral("按行高平铺")});
    auto* fill = new QGroupBox(QStringLiteral("填充"));
    auto* fillGrid = new QGridLayout(fill);
    fillGrid->addWidget(cbGradual, 0, 0);
    fillGrid->addWidget(btnGradualStart, 0, 1);
    fillGrid->addWidget(btnGradualEnd, 0, 2);
    fillGrid->addWidget(cbGradualStyle, 1, 1, 1, 2);
    fillGrid->addWidget(cbTexture, 2, 0);
    fillGrid->addWidget(cbTextureMode, 2, 1, 1, 2);

    btnOK = named(new QPushButton(QStringLiteral("确定")), "btnOK");
    btnCancel = named(new QPushButton(QStringLiteral("取消")), "btnCancel");
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto* right = new QVBoxLayout;
    right->addWidget(shadow);
    right->addWidget(fill);
    auto* columns = new QHBoxLayout;
    columns->addWidget(text);
    columns->addLayout(right);
    auto* page = new QVBoxLayout(this);
    page->addWidget(stage);
    page->addLayout(columns);
    page->addLayout(buttons);

    showEffect();
    for (QSlider* s : {tbAlpha, tbBlur, tbNoise, tbSpray, tbShadowAlpha, tbShadowBlur})
        connect(s, &QSlider::valueChanged, this, &TfrmTextEffect::controlChanged);
    for (QSpinBox* s : {seAngle, seShadowOffsetX, seShadowOffsetY})
        connect(s, &QSpinBox::valueChanged, this, &TfrmTextEffect::controlChanged);
    for (QCheckBox* c : {cbOutline, cbHorzMirror, cbVertMirror, cbShadow, cbGradual, cbTexture})
        connect(c, &QCheckBox::toggled, this, &TfrmTextEffect::controlChanged);
    for (QComboBox* c : {cbGradualStyle, cbTextureMode})
        connect(c, &QComboBox::currentIndexChanged, this, &TfrmTextEffect::controlChanged);
    connect(btnShadowColor, &QPushButton::clicked, this, [this] { pickColour(m_effect.shadowColour); });
    connect(btnGradualStart, &QPushButton::clicked, this, [this] { pickColour(m_effect.gradualStart); });
    connect(btnGradualEnd, &QPushButton::clicked, this, [this] { pickColour(m_effect.gradualEnd); });
}

bool TfrmTextEffect::edit(QWidget* parent, TextEffect& effect)
{
    TfrmTextEffect dialog(effect, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    effect = dialog.effect();
    return true;
}

void TfrmTextEffect::showEffect()
{
    const TextEffect e = m_effect;  // setting a control reports back into m_effect
    tbAlpha->setValue(e.alpha);
    tbBlur->setValue(e.blur);
    tbNoise->setValue(e.noise);
    tbSpray->setValue(e.spray);
    seAngle->setValue(e.angle);
    cbOutline->setChecked(e.outline);
    cbHorzMirror->setChecked(e.horzMirror);
    cbVertMirror->setChecked(e.vertMirror);
    cbShadow->setChecked(e.shadow);
    tbShadowAlpha->setValue(e.shadowAlpha);
    tbShadowBlur->setValue(e.shadowBlur);
    seShadowOffsetX->setValue(e.shadowOffsetX);
    seShadowOffsetY->setValue(e.shadowOffsetY);
    cbGradual->setChecked(e.gradual);
    cbGradualStyle->setCurrentIndex(e.gradualStyle);
    cbTexture->setChecked(e.texture);
    cbTextureMode->setCurrentIndex(e.textureMode);
    m_effect = e;
    showColour(btnShadowColor, e.shadowColour);
    showColour(btnGradualStart, e.gradualStart);
    showColour(btnGradualEnd, e.gradualEnd);
    showSample();
}

void TfrmTextEffect::controlChanged()
{
    m_effect.alpha = tbAlpha->value();
    m_effect.blur = tbBlur->value();
    m_effect.noise = tbNoise->value();
    m_effect.spray = tbSpray->value();
    m_effect.angle = static_cast<int16_t>(seAngle->value());
    m_effect.outline = cbOutline->isChecked();
    m_effect.horzMirror = cbHorzMirror->isChecked();
    m_effect.vertMirror = cbVertMirror->isChecked();
    m_effect.shadow = cbShadow->isChecked();
    m_effect.shadowAlpha = tbShadowAlpha->value();
    m_effect.shadowBlur = tbShadowBlur->value();
    m_effect.shadowOffsetX = static_cast<int8_t>(seShadowOffsetX->value());
    m_effect.shadowOffsetY = static_cast<int8_t>(seShadowOffsetY->value());
    m_effect.gradual = cbGradual->isChecked();
    m_effect.gradualStyle = std::max(0, cbGradualStyle->currentIndex());
    m_effect.texture = cbTexture->isChecked();
    m_effect.textureMode = std::max(0, cbTextureMode->currentIndex());
    showSample();
}

void TfrmTextEffect::showSample()
{
    lblSample->setEffect(m_effect);
    lblSample->updateGeometry();  // the sample grows with a blur, a shadow or a turn
}

void TfrmTextEffect::pickColour(QColor& colour)
{
    QColor picked = QColorDialog::getColor(colour, this, QStringLiteral("颜色"));
    if (!picked.isValid())
        return;
    colour = picked;
    showEffect();
}

void TfrmTextEffect::showColour(QPushButton* button, const QColor& colour)
{
    QPixmap swatch(14, 14);
    swatch.fill(colour);
    button->setIcon(QIcon(swatch));
}

}  // namespace lotavo::ui
