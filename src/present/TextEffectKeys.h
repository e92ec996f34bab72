#pragma once

#include "present/SmoothLabel.h"

#include <string>

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

// The text effect of a smoothed label, kept in the settings section named after the label.
TextEffect readTextEffect(const IniStore& settings, const std::string& section);
void writeTextEffect(IniStore& settings, const std::string& section, const TextEffect& effect);

}  // namespace lotavo::ui
