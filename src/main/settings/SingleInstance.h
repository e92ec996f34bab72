#pragma once

#include <string>

namespace lotavo {

// The marker "VorixOnly" that tells a second start of the program that one already runs: an
// exclusive lock on a file in the user's runtime folder, held through a descriptor that
// stays open while the process lives. The system drops the lock when the process ends, also
// by a crash, so the marker never outlives its program.
class SingleInstance {
public:
    explicit SingleInstance(std::string lockPath = defaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another process holds the marker. A lock file that cannot be created at all
    // (no writable folder) does not keep the program from running: true then too.
    bool acquire();
    void release();
    bool held() const { return m_fd >= 0; }

    const std::string& lockPath() const { return m_path; }

    // "VorixOnly.lock" in $XDG_RUNTIME_DIR, else in /tmp/lotavo-<uid> (created for the user).
    static std::string defaultLockPath();

private:
    std::string m_path;
    int m_fd = -1;
};

}  // namespace lotavo
