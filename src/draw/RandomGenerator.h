#pragma once

#include <cstdint>

namespace lotavo {

// The program's one random generator: a 32-bit linear congruential generator, seeded from
// the time of day, so that a run with a fixed clock draws the same winners again.
class RandomGenerator {
public:
    void seed(uint32_t state) { m_state = state; }
    uint32_t state() const { return m_state; }

    // Uniform integer in [0, n): the upper 32 bits of n times the advanced state. n == 0 gives 0.
    uint32_t below(uint32_t n)
    {
        m_state = m_state * 134775813u + 1u;
        return static_cast<uint32_t>((static_cast<uint64_t>(n) * m_state) >> 32);
    }

private:
    uint32_t m_state = 0;
};

}  // namespace lotavo
