#pragma once

#include <string>
#include <string_view>

namespace lotavo::test {

// A fresh folder under the system's temporary folder, removed when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(std::string_view name) const { return m_path + "/" + std::string(name); }

private:
    std::string m_path;
};

void writeFile(const std::string& path, std::string_view bytes);
std::string readFile(const std::string& path);

// A UTF-8 literal as GBK bytes, for readable tests of Chinese entries.
std::string G(std::string_view utf8);

}  // namespace lotavo::test
