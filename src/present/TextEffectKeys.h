#pragma once

#include "present/TextEffect.h"

#include <string>

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

// The text effect of a smoothed label, kept in the settings section named after the label.
// A missing key keeps the value of `current` (the label's effect now); values out of their
// range are brought into it, so a hand-edited file never gives the renderer nonsense.
TextEffect readTextEffect(const IniStore& settings, const std::string& section, const TextEffect& current = {});

}  // namespace lotavo::ui
