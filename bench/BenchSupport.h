#pragma once

#include <chrono>
#include <string>

namespace lotavo::bench {

class Stopwatch {
public:
    Stopwatch() : m_start(std::chrono::steady_clock::now()) {}
    double milliseconds() const
    {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_start).count();
    }

private:
    std::chrono::steady_clock::time_point m_start;
};

// A scratch folder for a benchmark's files, removed at exit.
std::string scratchFolder();
// A copy of the program folder `data` in the scratch folder, for a benchmark to set up as it
// needs; returns the copy's path.
std::string programCopy(const std::string& data);

// Prints one figure: name, measured value, target, and whether the target is met.
void report(const std::string& name, double value, const std::string& unit, double target);

}  // namespace lotavo::bench
