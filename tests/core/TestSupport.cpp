#include "TestSupport.h"

#include "draw/AtomicFile.h"
#include "draw/Gbk.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace lotavo::test {

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "lotavo-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

void writeFile(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const std::string& path)
{
    std::string bytes;
    readWholeFile(path, bytes);
    return bytes;
}

std::string G(std::string_view utf8)
{
    return gbk::literal(utf8);
}

}  // namespace lotavo::test
