#include "draw/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lotavo {

namespace {

std::string reason(const std::string& what, const std::string& path, int err)
{
    return what + " " + path + ": " + std::strerror(err);
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

std::string folderOf(const std::string& path)
{
    auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::string writeFileAtomically(const std::string& path, std::string_view bytes, Durability durability)
{
    std::string temp = path + ".tmp-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return reason("无法创建文件", path, errno);

    // Keep the permissions an existing file had; a new file gets the usual 0644.
    struct stat old {};
    ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);

    bool ok = writeAll(fd, bytes);
    int err = errno;
    if (ok && durability == Durability::Synced && ::fsync(fd) != 0) {
        ok = false;
        err = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return reason("无法写入文件", path, err);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        err = errno;
        ::unlink(temp.c_str());
        return reason("无法替换文件", path, err);
    }
    if (durability == Durability::Synced) {
        int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }
    return {};
}

bool readWholeFile(const std::string& path, std::string& bytes, std::string* error)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = reason("无法打开文件", path, errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        if (error)
            *error = reason("无法打开文件", path, EISDIR);
        return false;
    }
    bytes.clear();
    if (st.st_size > 0)
        bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int err = errno;
            ::close(fd);
            if (error)
                *error = reason("无法读取文件", path, err);
            return false;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return true;
}

bool fileExists(const std::string& path)
{
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace lotavo
