// Settings store figures: a dialog writing many values in a row, and the start-up load.
#include "BenchSupport.h"

#include "draw/AtomicFile.h"
#include "main/settings/IniStore.h"

#include <cstdio>
#include <string>

using lotavo::IniStore;
using namespace lotavo::bench;

namespace {

// About the size of a settings file after a few draws: 25 sections of 16 keys, mixed values.
std::string fullSettingsFile()
{
    std::string text;
    for (int s = 0; s < 25; ++s) {
        text += "[Section" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < 16; ++k) {
            std::string key = "Key" + std::to_string(k);
            switch (k % 4) {
            case 0: text += key + "Left=" + std::to_string(s * 40 + k) + "\r\n"; break;
            case 1: text += key + "Name=\xCB\xCE\xCC\xE5\r\n"; break;  // a font name in GBK
            case 2: text += key + "FontStyle=[fsBold,fsUnderline]\r\n"; break;
            default: text += key + "Path=/opt/lotavo/Wallpaper/picture" + std::to_string(k) + ".jpg\r\n"; break;
            }
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace

int main()
{
    std::string folder = scratchFolder();
    {
        IniStore ini(folder + "/writes.bin");
        Stopwatch clock;
        for (int i = 0; i < 1000; ++i) {
            std::string error = ini.writeInteger("Option", "Key" + std::to_string(i), i);
            if (!error.empty()) {
                std::fprintf(stderr, "%s\n", error.c_str());
                return 1;
            }
        }
        report("1,000 consecutive writes of different keys", clock.milliseconds(), "ms", 1000);
    }
    {
        std::string path = folder + "/full.bin";
        if (!lotavo::writeFileAtomically(path, fullSettingsFile()).empty())
            return 1;
        Stopwatch clock;
        IniStore ini(path);
        long sum = 0;
        for (int i = 0; i < 300; ++i) {
            std::string section = "section" + std::to_string(i % 25);
            std::string key = "KEY" + std::to_string(i % 16);
            switch (i % 4) {
            case 0: sum += ini.readInteger(section, key + "Left", 0); break;
            case 1: sum += static_cast<long>(ini.readString(section, key + "Name", "").size()); break;
            case 2: sum += ini.readBool(section, key + "Missing", false); break;
            default: sum += static_cast<long>(ini.readString(section, key + "Path", "").size()); break;
            }
        }
        double ms = clock.milliseconds();
        report("load of a full settings file (construct + 300 reads)", ms, "ms", 20);
        if (sum == 0)
            std::printf("(no values read)\n");
    }
    return 0;
}
