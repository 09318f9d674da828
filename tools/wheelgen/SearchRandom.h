// SearchRandom: the wheel generator's random source. It is written out here (xoshiro256**, seeded
// through splitmix64) rather than taken from the standard library, whose distributions differ
// between implementations, so that a recorded seed gives the same wheel file everywhere.
#pragma once

#include <cstdint>

class SearchRandom
{
public:
    explicit SearchRandom(uint64_t seed)
    {
        for (uint64_t& word : m_state) {
            seed += 0x9E3779B97F4A7C15ULL;
            uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            word = z ^ (z >> 31);
        }
    }

    uint64_t next()
    {
        const uint64_t result = rotl(m_state[1] * 5, 7) * 9;
        const uint64_t t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = rotl(m_state[3], 45);
        return result;
    }

    // A whole number in [0, bound); bound must be positive.
    uint32_t below(uint32_t bound)
    {
        return static_cast<uint32_t>(((next() >> 32) * bound) >> 32);
    }

    // A fraction in [0, 1) with 53 random bits: exact in any IEEE double arithmetic.
    double unit()
    {
        return static_cast<double>(next() >> 11) * 0x1.0p-53;
    }

private:
    static uint64_t rotl(uint64_t x, int k)
    {
        return (x << k) | (x >> (64 - k));
    }

    uint64_t m_state[4];
};
