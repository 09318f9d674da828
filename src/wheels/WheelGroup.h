// WheelGroup: the player's group of numbers as the builders hold it before a wheel is mapped onto it.
#pragma once

#include <span>

namespace WheelGroup
{
// Sorts the group ascending in place with the builders' exchange sort: for every i and j, swap
// when number i < number j. Equal numbers are left where they are, so duplicates stay detectable.
void ordertheballs(std::span<int> numbers);
} // namespace WheelGroup
