#pragma once

#include "present/TextEffect.h"
#include "present/TextEffectKeys.h"

#include <string>

namespace lotavo::ui {

class WizardSettings;

// Writes the text effect of a smoothed label where the draw screen reads it from
// (readTextEffect), letting the screen follow.
void writeTextEffect(WizardSettings& settings, const std::string& section, const TextEffect& effect);

}  // namespace lotavo::ui
