#pragma once

#include "draw/Clock.h"
#include "main/TFrmMain.h"
#include "main/settings/IniStore.h"

#include <string>

namespace lotavo::bench {

// The draw screen of a window benchmark on a program copy and its settings, with the clock at
// a fixed time, created and shown full screen.
struct BenchDrawScreen {
    FixedClock clock {LocalTime {2026, 12, 9, 14, 5, 0, 0}};
    ui::TFrmMain screen;

    BenchDrawScreen(IniStore& settings, const std::string& folder)
        : screen(settings, ProgramFolder(folder), clock)
    {
        screen.FormCreate();
        screen.showFullScreen();
    }
};

}  // namespace lotavo::bench
