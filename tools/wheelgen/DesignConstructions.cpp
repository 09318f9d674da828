#include "DesignConstructions.h"

namespace DesignConstructions
{
std::vector<uint32_t> allCombinations(int balls, int lineSize)
{
    std::vector<uint32_t> lines;
    if (lineSize < 1 || lineSize > balls)
        return lines;
    std::vector<int> pick(static_cast<std::size_t>(lineSize));
    for (int i = 0; i < lineSize; ++i)
        pick[static_cast<std::size_t>(i)] = i;
    for (;;) {
        uint32_t mask = 0;
        for (int p : pick)
            mask |= uint32_t{1} << p;
        lines.push_back(mask);
        // Advance the rightmost position that can still move, and reset the ones after it.
        int i = lineSize - 1;
        while (i >= 0 && pick[static_cast<std::size_t>(i)] == balls - lineSize + i)
            --i;
        if (i < 0)
            break;
        ++pick[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < lineSize; ++j)
            pick[static_cast<std::size_t>(j)] = pick[static_cast<std::size_t>(j - 1)] + 1;
    }
    return lines;
}
} // namespace DesignConstructions
