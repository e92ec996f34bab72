#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lotavo {

class IniStore;

// The per-resolution layouts of the draw screen: Screen/<W>x<H>.ini files shipped with the
// program, one of which is copied into the settings file at the first start.
namespace layout {

// The smoothed labels and the plain (rolling-kind) labels of the draw screen, in the order
// the screen owns them.
const std::vector<std::string>& smoothLabels();
const std::vector<std::string>& plainLabels();

// The layout for a screen width ("1024x768" for 1024, whatever the height), or "" when the
// program has none for that width.
std::string nameForWidth(int screenWidth);

// Copies the keys of a layout file into the settings file (each key missing from the layout
// is written with its default). Returns false when the file does not exist (nothing copied).
bool copyLayoutFile(IniStore& settings, const std::string& layoutPath, int screenWidth);

}  // namespace layout
}  // namespace lotavo
