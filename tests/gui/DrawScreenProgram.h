#pragma once

// Shared by the tests that drive the draw screen: a copy of the bundled program folder with
// its settings, a fixed clock, and the draw screen started on them.
#include "TestSupport.h"

#include "draw/Clock.h"
#include "draw/Gbk.h"
#include "main/TFrmMain.h"
#include "main/settings/IniStore.h"

#include <QApplication>

#include <filesystem>
#include <memory>
#include <string>

namespace lotavo::test {

struct DrawScreenProgram {
    TempFolder folder;
    std::unique_ptr<IniStore> settings;
    FixedClock clock;
    std::unique_ptr<ui::TFrmMain> screen;

    explicit DrawScreenProgram(LocalTime now = LocalTime {2026, 12, 9, 14, 5, 0, 0}) : clock(now)
    {
        std::filesystem::copy(qEnvironmentVariable("LOTAVO_DATA").toStdString(), folder.path(),
                              std::filesystem::copy_options::recursive);
        settings = std::make_unique<IniStore>(folder.file("lotavo.bin"));
    }

    // The draw list "1000 参加者", "1001 参加者", ... of `entries` entries.
    void numberedList(int entries)
    {
        std::string list;
        for (int i = 0; i < entries; ++i)
            list += std::to_string(1000 + i) + G(" 参加者") + "\r\n";
        writeFile(folder.file("Text.txt"), list);
    }

    // The winners' pop-up opens and closes at once: no animation for the tests to wait for.
    void withoutPopupAnimation()
    {
        settings->writeBool("Option", "frmAniPopAniMateOnShow", false);
        settings->writeBool("Option", "frmAniPopAniMateOnHide", false);
    }

    // A new draw screen on the folder, shown and active; one already running goes first.
    ui::TFrmMain& start()
    {
        screen.reset();
        screen = std::make_unique<ui::TFrmMain>(*settings, ProgramFolder(folder.path()), clock);
        screen->FormCreate();
        screen->show();
        screen->activateWindow();
        QApplication::processEvents();
        return *screen;
    }

    // A restart on the same folder, after the close request has stored what it stores.
    ui::TFrmMain& restart()
    {
        screen->saveLayout();
        return start();
    }

    // The draw screen's part of that name (the pop-up window is a part of it too).
    template <typename T = QWidget>
    T* find(const char* name)
    {
        return screen->findChild<T*>(QString::fromLatin1(name));
    }

    const SessionState& state() const { return screen->engine().state(); }
};

}  // namespace lotavo::test
