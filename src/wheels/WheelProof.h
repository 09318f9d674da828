// WheelProof: checks a wheel's promise exhaustively. Lines and draws are bit masks over the group's
// positions (position p is bit p-1), so "a line matches at least M of the drawn" is one popcount.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <span>

namespace WheelProof
{
// The first K-subset of the positions 1..balls (in increasing mask order) that no line meets in
// at least `match` positions; nothing when every K-subset is met, i.e. the guarantee holds.
std::optional<uint32_t> firstUncovered(std::span<const uint32_t> lines, int balls, int drawn, int match);

// The fewest leading lines that already give the guarantee; nothing when all lines do not.
std::optional<int> smallestPrefix(std::span<const uint32_t> lines, int balls, int drawn, int match);

// "01 04 07 09 12 15" for a mask: the positions it holds, as a pattern line writes them.
QString positionsText(uint32_t mask);
} // namespace WheelProof
