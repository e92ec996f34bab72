#include "BenchSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace lotavo::bench {

namespace {
std::string g_scratch;
void removeScratch()
{
    std::error_code ignored;
    std::filesystem::remove_all(g_scratch, ignored);
}
}  // namespace

std::string scratchFolder()
{
    if (g_scratch.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "lotavo-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        g_scratch = pattern;
        std::atexit(removeScratch);
    }
    return g_scratch;
}

std::string programCopy(const std::string& data)
{
    std::string folder = scratchFolder() + "/program";
    std::filesystem::copy(data, folder, std::filesystem::copy_options::recursive);
    return folder;
}

void report(const std::string& name, double value, const std::string& unit, double target)
{
    std::printf("%-58s %10.2f %-3s (target < %.2f %s) %s\n", name.c_str(), value, unit.c_str(), target,
                unit.c_str(), value < target ? "ok" : "MISSED");
}

}  // namespace lotavo::bench
