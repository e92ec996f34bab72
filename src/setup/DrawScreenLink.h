#pragma once

#include <string>

namespace lotavo {
class DrawEngine;
}

namespace lotavo::ui {

// What the setup dialogs reach of the running draw screen: they write the settings file the
// moment a control changes and then let the screen follow.
class DrawScreenLink {
public:
    virtual ~DrawScreenLink() = default;

    // The engine, whose options() are the run-time copies of the draw settings: a dialog that
    // writes one of those keys sets the copy too.
    virtual DrawEngine& engine() = 0;

    // A key of the settings file changed: the screen shows what depends on it now (titles,
    // hint, prompt texts, level texts, background, rolling-label look, pop-up options).
    virtual void settingChanged(const std::string& section, const std::string& key) = 0;

    // Sizes the rolling labels to the longest entry of the draw list again.
    virtual void refreshRollingLabels() = 0;
};

}  // namespace lotavo::ui
