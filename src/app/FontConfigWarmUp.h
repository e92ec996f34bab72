#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own while the program connects
// to the display; the first text of the draw screen would otherwise wait for it (with the
// CJK fonts installed it takes longer than the connection).
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Returns once the configuration is read; call it before the first font is used.
    void wait();

private:
    std::thread m_thread;
};
