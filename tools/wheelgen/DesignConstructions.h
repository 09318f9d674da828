// DesignConstructions: the wheels that are built rather than searched for. A full wheel is every
// combination of the group, in the order a player would list them.
#pragma once

#include <cstdint>
#include <vector>

namespace DesignConstructions
{
// Every lineSize-subset of the positions 1..balls, as bit masks (position p is bit p-1), in
// lexicographic order of the position lists.
std::vector<uint32_t> allCombinations(int balls, int lineSize);
} // namespace DesignConstructions
