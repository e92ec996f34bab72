#pragma once

#include <cstdint>

namespace lotavo {

struct LocalTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0, millisecond = 0;
};

// Where the engine gets the time: the results file name and the random seeds. Tests and the
// rehearsal command set it, so that a run can be repeated.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime localNow() const = 0;
    // Milliseconds since midnight, UTC.
    virtual uint32_t utcMillisecondsOfDay() const = 0;
};

class SystemClock final : public Clock {
public:
    LocalTime localNow() const override;
    uint32_t utcMillisecondsOfDay() const override;
};

// A clock that stands still until told to move. Use for tests and rehearsals.
class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalTime time) : m_time(time) {}
    LocalTime localNow() const override { return m_time; }
    uint32_t utcMillisecondsOfDay() const override;
    void advanceSeconds(int seconds);

private:
    LocalTime m_time;
};

}  // namespace lotavo
