#include "main/settings/SingleInstance.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lotavo {

SingleInstance::SingleInstance(std::string lockPath) : m_path(std::move(lockPath)) {}

SingleInstance::~SingleInstance() { release(); }

std::string SingleInstance::defaultLockPath()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string folder;
    if (runtime && *runtime) {
        folder = runtime;
    } else {
        folder = "/tmp/lotavo-" + std::to_string(getuid());
        // Private to the user, so nobody else can hold the marker for them.
        mkdir(folder.c_str(), 0700);
    }
    return folder + "/VorixOnly.lock";
}

bool SingleInstance::acquire()
{
    if (m_fd >= 0)
        return true;
    // Close-on-exec: programs started from here (launcher keys) must not inherit the lock
    // and keep it after this process has ended.
    const int fd = open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true;
    int result;
    do {
        result = flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const bool taken = errno == EWOULDBLOCK;
        close(fd);
        return !taken;
    }
    m_fd = fd;
    return true;
}

void SingleInstance::release()
{
    if (m_fd < 0)
        return;
    // Closing the only descriptor of the lock releases it; the file stays for the next start.
    close(m_fd);
    m_fd = -1;
}

}  // namespace lotavo
