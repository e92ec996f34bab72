#pragma once

#include "present/TextEffect.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSlider;
class QSpinBox;

namespace lotavo::ui {

class SmoothLabel;

// The text-effect dialog: every part of a label's effect with a sample that shows it at once.
class TfrmTextEffect : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTextEffect(const TextEffect& effect, QWidget* parent = nullptr);

    // The effect as the controls show it now.
    const TextEffect& effect() const { return m_effect; }

    // Opens the dialog modally on `effect`; on OK `effect` becomes the edited one and true is
    // returned, on cancel it stays as it was.
    static bool edit(QWidget* parent, TextEffect& effect);

    SmoothLabel* lblSample;
    QSlider* tbAlpha;
    QSlider* tbBlur;
    QSlider* tbNoise;
    QSlider* tbSpray;
    QSpinBox* seAngle;
    QCheckBox* cbOutline;
    QCheckBox* cbHorzMirror;
    QCheckBox* cbVertMirror;
    QCheckBox* cbShadow;
    QSlider* tbShadowAlpha;
    QSlider* tbShadowBlur;
    QPushButton* btnShadowColor;
    QSpinBox* seShadowOffsetX;
    QSpinBox* seShadowOffsetY;
    QCheckBox* cbGradual;
    QPushButton* btnGradualStart;
    QPushButton* btnGradualEnd;
    QComboBox* cbGradualStyle;
    QCheckBox* cbTexture;
    QComboBox* cbTextureMode;
    QPushButton* btnOK;
    QPushButton* btnCancel;

private:
    void showEffect();
    void controlChanged();
    void showSample();
    void pickColour(QColor& colour);
    void showColour(QPushButton* button, const QColor& colour);

    TextEffect m_effect;
};

}  // namespace lotavo::ui
