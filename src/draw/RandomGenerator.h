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
    // Moves on as `count` draws would, in steps of powers of two: a replay reaches any
    // position of a long roll at once.
    void skip(uint64_t count)
    {
        uint32_t multiplier = kMultiplier, increment = kIncrement;
        m_position += count;
        for (; count > 0; count >>= 1) {
            if (count & 1)
                m_state = m_state * multiplier + increment;
            increment = increment * (multiplier + 1u);
            multiplier *= multiplier;
        }
    }

    // Uniform integer in [0, n): the upper 32 bits of n times the advanced state. n == 0 gives 0.
    uint32_t below(uint32_t n)
    {
        m_state = m_state * kMultiplier + kIncrement;
        ++m_position;
        return static_cast<uint32_t>((static_cast<uint64_t>(n) * m_state) >> 32);
    }

private:
    static constexpr uint32_t kMultiplier = 134775813u, kIncrement = 1u;
    uint32_t m_state = 0;
    uint64_t m_position = 0;
};

}  // namespace lotavo
