// SubsetIndex: numbers the K-subsets of N positions densely, so the per-subset counters of a search
// fit in cache. A mask is split into a low and a high half; the index is where its high half's
// block starts plus the rank of its low half among low halves of the same weight.
#pragma once

#include <bit>
#include <cstdint>
#include <vector>

class SubsetIndex
{
public:
    SubsetIndex(int balls, int drawn)
        : m_lowBits(balls / 2)
        , m_lowMask((uint32_t{1} << (balls / 2)) - 1)
    {
        const uint32_t lowCount = uint32_t{1} << m_lowBits;
        const uint32_t highCount = uint32_t{1} << (balls - m_lowBits);
        std::vector<uint32_t> perWeight(static_cast<std::size_t>(m_lowBits) + 1, 0);
        m_lowRank.resize(lowCount);
        for (uint32_t low = 0; low < lowCount; ++low)
            m_lowRank[low] = perWeight[static_cast<std::size_t>(std::popcount(low))]++;
        m_highStart.resize(highCount);
        uint32_t next = 0;
        for (uint32_t high = 0; high < highCount; ++high) {
            m_highStart[high] = next;
            const int lowWeight = drawn - std::popcount(high);
            if (lowWeight >= 0 && lowWeight <= m_lowBits)
                next += perWeight[static_cast<std::size_t>(lowWeight)];
        }
        m_size = next;
    }

    uint32_t size() const
    {
        return m_size;
    }

    // Only meaningful for masks with exactly `drawn` bits.
    uint32_t operator()(uint32_t mask) const
    {
        return m_highStart[mask >> m_lowBits] + m_lowRank[mask & m_lowMask];
    }

private:
    int m_lowBits;
    uint32_t m_lowMask;
    uint32_t m_size = 0;
    std::vector<uint32_t> m_lowRank;
    std::vector<uint32_t> m_highStart;
};
