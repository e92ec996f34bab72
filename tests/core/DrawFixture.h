#pragma once

#include "FakeHost.h"
#include "TestSupport.h"

#include "draw/AtomicFile.h"
#include "draw/Clock.h"
#include "draw/DrawEngine.h"
#include "main/settings/IniStore.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace lotavo::test {

// A program folder with a settings file and a main list, and an engine on it.
class DrawFixture : public ::testing::Test {
protected:
    DrawFixture() : settings(folder.file("lotavo.bin")), clock(LocalTime {2026, 12, 9, 14, 5, 0, 0}) {}

    // Writes the main list (UTF-8 lines, stored as GBK with CR LF).
    void writeList(std::initializer_list<std::string_view> lines, const std::string& name = "Text.txt")
    {
        std::string bytes;
        for (auto line : lines)
            bytes += G(line) + "\r\n";
        writeFile(folder.file(name), bytes);
    }
    void set(const char* section, const std::string& key, std::string_view utf8Value)
    {
        settings.writeString(section, key, G(utf8Value));
    }
    void levels(std::initializer_list<std::pair<int, int>> totalAndPerPress)
    {
        int n = static_cast<int>(totalAndPerPress.size());
        settings.writeInteger("Number", "AllJJ", n);
        int level = n;
        for (auto [total, perPress] : totalAndPerPress) {
            settings.writeInteger("JxNumber", "RzSpinEdit" + std::to_string(level), total);
            settings.writeInteger("JxNumberAAT", "r" + std::to_string(level), perPress);
            set("JxTitle", "RzEdit" + std::to_string(level), std::to_string(level) + "等奖");
            --level;
        }
    }
    DrawEngine& start()
    {
        engine = std::make_unique<DrawEngine>(settings, ProgramFolder(folder.path()), host, clock);
        engine->startUp();
        return *engine;
    }
    void space()
    {
        engine->keyDown(engine->options().keys.space1);
        engine->keyUp(engine->options().keys.space1);
    }
    // One press while the roll runs: a tick, then the start/stop key.
    void pressOnce()
    {
        engine->rollTick();
        space();
    }
    EntryList utf8(const EntryList& gbkLines) const
    {
        EntryList out;
        for (const auto& line : gbkLines)
            out.push_back(gbk::toUtf8(line));
        return out;
    }
    std::string resultsFile() const { return gbk::toUtf8(readFile(engine->resultsFilePath())); }

    TempFolder folder;
    IniStore settings;
    FixedClock clock;
    FakeHost host;
    std::unique_ptr<DrawEngine> engine;
};

}  // namespace lotavo::test
