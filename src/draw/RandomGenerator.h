#pragma once

#include <cstdint>

namespace lotavo {

// The program's one random generator: a 32-bit linear congruential generator, seeded from
// the time of day, so that a run with a fixed clock draws the same winners again.
class RandomGenerator {
public:
    void seed(uint32_t state)
    {
        m_state = state;
        m_position = 0;
    }
    uint32_t state() const { return m_state; }
    // How many numbers were drawn since the seed: with the seed, it tells every number
    // drawn next, which is what makes a draw verifiable afterwards.
    uint64_t position() const { return m_position; }
    // Moves on as `count` draws would.
    void skip(uint64_t count)
    {
        for (; count > 0; --count)
            below(0);
    }

    // Uniform integer in [0, n): the upper 32 bits of n times the advanced state. n == 0 gives 0.
    uint32_t below(uint32_t n)
    {
        m_state = m_state * 134775813u + 1u;
        ++m_position;
        return static_cast<uint32_t>((static_cast<uint64_t>(n) * m_state) >> 32);
    }

private:
    uint32_t m_state = 0;
    uint64_t m_position = 0;
};

}  // namespace lotavo
