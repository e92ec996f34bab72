#include "draw/ProgramFolder.h"

#include "draw/Gbk.h"

#include <algorithm>

namespace lotavo {

std::string toNativeSeparators(std::string_view path)
{
    std::string out(path);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

std::string baseNameWithoutExtension(std::string_view path)
{
    std::string native = toNativeSeparators(path);
    auto slash = native.rfind('/');
    std::string name = slash == std::string::npos ? native : native.substr(slash + 1);
    auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

ProgramFolder::ProgramFolder(std::string folder) : m_folder(toNativeSeparators(folder))
{
    if (m_folder.empty())
        m_folder = "./";
    if (m_folder.back() != '/')
        m_folder += '/';
}

ProgramFolder ProgramFolder::ofExecutable(const std::string& executablePath)
{
    auto slash = executablePath.rfind('/');
    return ProgramFolder(slash == std::string::npos ? std::string("./") : executablePath.substr(0, slash + 1));
}

std::string ProgramFolder::settingsPathOf(const std::string& executablePath)
{
    auto slash = executablePath.rfind('/');
    auto dot = executablePath.rfind('.');
    bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (hasExtension ? executablePath.substr(0, dot) : executablePath) + ".bin";
}

std::string ProgramFolder::file(std::string_view relative) const
{
    std::string native = toNativeSeparators(relative);
    size_t start = native.find_first_not_of('/');
    return m_folder + (start == std::string::npos ? std::string() : native.substr(start));
}

std::string ProgramFolder::resolve(std::string_view storedGbk) const
{
    std::string native = toNativeSeparators(gbk::toUtf8(storedGbk));
    if (native.empty() || native.front() == '/')
        return native;
    // A drive path from another system ("C:/Lotavo/Sound/s.wav") names nothing here.
    if (native.size() > 1 && native[1] == ':')
        return native;
    return file(native);
}

std::string ProgramFolder::toStored(std::string_view path)
{
    return gbk::fromUtf8(path);
}

}  // namespace lotavo
