#include "main/InputMethodCheck.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string_view>
#include <vector>

namespace lotavo::ui {

namespace {

struct Framework {
    std::string_view name;
    std::vector<std::string_view> daemons;  // as /proc/<pid>/comm shows them (15 characters at most)
};

const std::vector<Framework>& frameworks()
{
    // fcitx5 answers to the module name "fcitx" as well.
    static const std::vector<Framework> known {
        {"ibus", {"ibus-daemon"}},
        {"fcitx", {"fcitx", "fcitx5"}},
        {"fcitx5", {"fcitx5"}},
        {"scim", {"scim", "scim-launcher"}},
        {"uim", {"uim-xim", "uim-helper-serv", "uim-toolbar-gtk"}},
        {"hime", {"hime"}},
        {"gcin", {"gcin"}},
    };
    return known;
}

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The framework names in the variables: lists separated by ';' or ':', "@im=" prefixes off.
std::set<std::string> namedFrameworks(const std::function<std::string(const char*)>& environment)
{
    std::set<std::string> names;
    for (const char* variable : {"QT_IM_MODULE", "QT_IM_MODULES", "XMODIFIERS", "GTK_IM_MODULE"}) {
        std::string value = lower(environment(variable));
        size_t start = 0;
        while (start <= value.size()) {
            size_t end = value.find_first_of(";:", start);
            if (end == std::string::npos)
                end = value.size();
            std::string name = value.substr(start, end - start);
            if (name.rfind("@im=", 0) == 0)
                name.erase(0, 4);
            if (!name.empty())
                names.insert(name);
            start = end + 1;
        }
    }
    return names;
}

std::set<std::string> runningCommands(const std::string& procFolder)
{
    std::set<std::string> commands;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(procFolder, error)) {
        const std::string pid = entry.path().filename().string();
        if (pid.empty() || !std::all_of(pid.begin(), pid.end(), [](unsigned char c) { return std::isdigit(c); }))
            continue;
        std::ifstream comm(entry.path() / "comm");
        std::string command;
        if (std::getline(comm, command))
            commands.insert(command);
    }
    return commands;
}

}  // namespace

bool inputMethodActive(const std::function<std::string(const char*)>& environment, const std::string& procFolder)
{
    const std::set<std::string> named = namedFrameworks(environment);
    std::set<std::string_view> daemons;
    for (const Framework& framework : frameworks())
        if (named.count(std::string(framework.name)))
            daemons.insert(framework.daemons.begin(), framework.daemons.end());
    if (daemons.empty())
        return false;
    const std::set<std::string> running = runningCommands(procFolder);
    return std::any_of(daemons.begin(), daemons.end(),
                       [&](std::string_view daemon) { return running.count(std::string(daemon)) > 0; });
}

bool inputMethodActive()
{
    const auto environment = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    return inputMethodActive(environment, "/proc");
}

}  // namespace lotavo::ui
