// Figures of the per-level extras dialog: the time from opening to the first painted grid for
// 3, 100 and 1,000 levels (the wizard's largest event), and the time of one tick, which writes
// the settings file. Run it on a display (Xvfb) or with QT_QPA_PLATFORM=offscreen.
//   LevelExtrasBench DATA_FOLDER
#include "main/settings/IniStore.h"
#include "present/FontNames.h"
#include "setup/LevelCell.h"
#include "setup/TFrmJXMisc.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <filesystem>

using namespace lotavo;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ui::installFontSubstitutions();
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DATA_FOLDER\n", argv[0]);
        return 2;
    }
    QTemporaryDir dir;
    std::string folder = dir.path().toStdString();
    std::filesystem::copy(std::string(argv[1]) + "/Bmp", folder + "/Bmp");
    std::filesystem::create_directories(folder + "/List");
    IniStore settings(folder + "/lotavo.bin");
    for (int n = 1; n <= 1000; ++n)
        settings.writeString("JxTitle", "RzEdit" + std::to_string(n), "level " + std::to_string(n));

    std::printf("per-level extras dialog (best of 3):\n");
    for (int levels : {3, 100, 1000}) {
        settings.writeInteger("Number", "AllJJ", levels);
        double best = 1e9, tick = 1e9;
        for (int run = 0; run < 3; ++run) {
            QElapsedTimer clock;
            clock.start();
            ui::TFrmJXMisc dialog(settings, ProgramFolder(folder));
            dialog.show();
            if (!QTest::qWaitForWindowExposed(&dialog))
                return 1;
            QApplication::processEvents();
            best = std::min(best, clock.nsecsElapsed() / 1e6);
            clock.restart();
            dialog.cell('s', levels)->click();
            tick = std::min(tick, clock.nsecsElapsed() / 1e6);
        }
        std::printf("  %4d levels: open to painted %7.1f ms, one tick %5.2f ms\n", levels, best, tick);
    }
    return 0;
}
