#pragma once

#include "present/TextEffect.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>

class QWidget;

namespace lotavo::ui {

// The dialogs the wizard opens on the operator's behalf. The draw screen hands in the ones it
// owns (the text effect); tests answer them without showing anything.
struct WizardDialogs {
    // Font and colour of a screen text; false when cancelled.
    std::function<bool(QWidget* parent, QFont& font, QColor& colour)> chooseFont;
    // Text effect of a smoothed label; false when cancelled. Unset: the command is not offered.
    std::function<bool(QWidget* parent, TextEffect& effect)> chooseEffect;
    // A prize picture file; empty when cancelled.
    std::function<QString(QWidget* parent)> choosePicture;

    // Font, picture and text effect through the standard dialogs.
    static WizardDialogs standard();
};

}  // namespace lotavo::ui
