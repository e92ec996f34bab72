#pragma once

#include <string>
#include <string_view>

namespace lotavo {

// The folder of the program: settings file, lists, pictures and results all live in it.
// Stored paths may use backslashes (settings written on another system); on disk they are '/'.
class ProgramFolder {
public:
    explicit ProgramFolder(std::string folder);

    // The folder of an executable at `executablePath`, and its settings file (the
    // executable's path with its extension, if any, replaced by ".bin").
    static ProgramFolder ofExecutable(const std::string& executablePath);
    static std::string settingsPathOf(const std::string& executablePath);

    // Ends with '/'.
    const std::string& path() const { return m_folder; }

    // A relative part ("List\\u1.txt", "\\List\\ListLevel") joined to the folder.
    std::string file(std::string_view relative) const;

    // A path stored in a settings value (GBK text) as it names a file here (UTF-8, the file
    // name encoding of this system): backslashes become '/', a relative path is joined to
    // the folder.
    std::string resolve(std::string_view storedGbk) const;

    // A file path of this system as a settings value stores it (GBK text).
    static std::string toStored(std::string_view path);

private:
    std::string m_folder;
};

// Backslashes to slashes.
std::string toNativeSeparators(std::string_view path);

// "C:\\a\\b\\name.jpg" → "name", for picture names in results.
std::string baseNameWithoutExtension(std::string_view path);

}  // namespace lotavo
