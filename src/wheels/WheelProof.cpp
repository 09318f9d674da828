#include "WheelProof.h"

#include "NumberText.h"

#include <QStringList>

#include <algorithm>
#include <bit>

namespace
{
// Gosper's hack: the next larger mask with the same number of bits.
uint32_t nextSubset(uint32_t x)
{
    const uint32_t lowest = x & (~x + 1);
    const uint32_t ripple = x + lowest;
    return ripple | (((x ^ ripple) >> 2) / lowest);
}

bool validShape(int balls, int drawn, int match)
{
    return balls >= 1 && balls <= 24 && drawn >= 1 && drawn <= balls && match >= 0;
}
} // namespace

namespace WheelProof
{
std::optional<uint32_t> firstUncovered(std::span<const uint32_t> lines, int balls, int drawn, int match)
{
    if (!validShape(balls, drawn, match))
        return std::nullopt;
    const uint32_t end = uint32_t{1} << balls;
    const std::size_t count = lines.size();
    // Neighbouring subsets in this order share most positions, so the line that met the last one
    // is the best first guess for the next.
    std::size_t hint = 0;
    for (uint32_t drawnMask = (uint32_t{1} << drawn) - 1; drawnMask < end; drawnMask = nextSubset(drawnMask)) {
        bool met = false;
        for (std::size_t step = 0; step < count; ++step) {
            const std::size_t i = (hint + step) % count;
            if (std::popcount(lines[i] & drawnMask) >= match) {
                hint = i;
                met = true;
                break;
            }
        }
        if (!met)
            return drawnMask;
    }
    return std::nullopt;
}

std::optional<int> smallestPrefix(std::span<const uint32_t> lines, int balls, int drawn, int match)
{
    if (!validShape(balls, drawn, match))
        return std::nullopt;
    const uint32_t end = uint32_t{1} << balls;
    std::size_t needed = 0;
    for (uint32_t drawnMask = (uint32_t{1} << drawn) - 1; drawnMask < end; drawnMask = nextSubset(drawnMask)) {
        std::size_t i = 0;
        while (i < lines.size() && std::popcount(lines[i] & drawnMask) < match)
            ++i;
        if (i == lines.size())
            return std::nullopt;
        needed = std::max(needed, i + 1);
    }
    return static_cast<int>(needed);
}

QString positionsText(uint32_t mask)
{
    QStringList parts;
    for (int p = 1; p <= 32; ++p) {
        if (mask & (uint32_t{1} << (p - 1)))
            parts << NumberText::twoDigits(p);
    }
    return parts.join(QLatin1Char(' '));
}
} // namespace WheelProof
