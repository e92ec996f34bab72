// Feeds arbitrary bytes to the settings store as a settings file: reads, listings, a write
// and reads again must never crash, and a written value must read back.
#include "FuzzSupport.h"
#include "main/settings/IniStore.h"

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>


extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string path = lotavo::fuzz::scratchFolder() + "/Lotavo.bin";
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return 0;
    std::fwrite(data, 1, size, out);
    std::fclose(out);

    lotavo::IniStore ini(path);
    std::vector<std::string> sections = ini.sectionNames();
    for (const std::string& section : sections) {
        for (const std::string& key : ini.keyNames(section)) {
            if (ini.readString(section, key, "").size() > lotavo::IniStore::kMaxValueBytes)
                std::abort();
            ini.readInteger(section, key, 0);
            ini.readBool(section, key, false);
        }
    }
    ini.readString("Option", "lblStarFirst", "x");
    ini.hasKey("option", "FirstRun");

    std::string section = sections.empty() ? "Option" : sections.front();
    if (ini.writeInteger(section, "FuzzKey", 12345).empty() && ini.readInteger(section, "FuzzKey", 0) != 12345)
        std::abort();
    if (ini.writeString("Fuzz", "Value", std::string(reinterpret_cast<const char*>(data), size > 64 ? 64 : size)).empty())
        ini.readString("Fuzz", "Value", "");
    ini.sectionNames();
    if (!sections.empty()) {
        ini.deleteKey(sections.back(), "FuzzKey");
        ini.eraseSection(sections.back());
    }
    ini.keyNames("Fuzz");
    return 0;
}
