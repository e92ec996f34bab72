#pragma once

// The control panel offscreen, on a real engine behind a recording screen.
#include "FakeHost.h"
#include "TestSupport.h"

#include "draw/Clock.h"
#include "draw/DrawEngine.h"
#include "main/settings/IniStore.h"
#include "setup/DrawScreenLink.h"
#include "setup/TfrmControlPan.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>

#include <algorithm>
#include <memory>

namespace lotavo::test {

class RecordingScreen : public ui::DrawScreenLink {
public:
    RecordingScreen(IniStore& settings, const std::string& folder, DrawHost& host, Clock& clock)
        : m_engine(settings, ProgramFolder(folder), host, clock)
    {
        m_engine.startUp();
    }
    DrawEngine& engine() override { return m_engine; }
    void settingChanged(const std::string& section, const std::string& key) override
    {
        changes.push_back(section + "/" + key);
    }
    void refreshRollingLabels() override {}

    bool changed(const std::string& sectionKey) const
    {
        return std::find(changes.begin(), changes.end(), sectionKey) != changes.end();
    }

    std::vector<std::string> changes;

private:
    DrawEngine m_engine;
};

// A program folder with a list whose first entry the previews show.
struct Program {
    TempFolder folder;
    IniStore settings {folder.file("lotavo.bin")};
    FixedClock clock {LocalTime {2026, 12, 9, 14, 5, 0, 0}};
    FakeHost host;
    std::unique_ptr<RecordingScreen> screen;
    std::unique_ptr<ui::TfrmControlPan> panel;

    explicit Program(const std::string& firstEntry = "13523773777")
    {
        writeFile(folder.file("Text.txt"), firstEntry + "\r\n" + G("王小明") + "\r\n1003\r\n");
    }
    void option(const char* key, const char* value) { settings.writeString("Option", key, value); }
    void startScreen() { screen = std::make_unique<RecordingScreen>(settings, folder.path(), host, clock); }
    ui::TfrmControlPan& openPanel()
    {
        screen->changes.clear();
        panel = std::make_unique<ui::TfrmControlPan>(settings, ProgramFolder(folder.path()), *screen);
        return *panel;
    }
    ui::TfrmControlPan& open()
    {
        startScreen();
        return openPanel();
    }
    std::string key(const char* name, const char* section = "Option")
    {
        return settings.readString(section, name, "<missing>");
    }
    DrawOptions& options() { return screen->engine().options(); }
    template <typename T> T* get(const char* name) { return panel->findChild<T*>(QLatin1String(name)); }
    QCheckBox* box(const char* name) { return get<QCheckBox>(name); }
    QSpinBox* spin(const char* name) { return get<QSpinBox>(name); }
    QString text(const char* name) { return get<QLabel>(name) ? get<QLabel>(name)->text() : QString(); }
};

}  // namespace lotavo::test
