// SuggestNumbers: the 24 numbers a wheel builder proposes: the game's most drawn main numbers, most
// drawn first, then distinct random numbers when the history holds fewer than 24 different ones.
#pragma once

#include "DrawRecord.h"
#include "RandomSource.h"

#include <array>
#include <span>
#include <vector>

namespace SuggestNumbers
{
constexpr int Slots = 24;
// Slot 0 holds the most drawn number; 0 where nothing could be proposed.
using Proposal = std::array<int, Slots>;

// How often each number was drawn, indexed by the number (index 0 unused, size highest + 1). Only
// the first lineSize main numbers count: six, or seven for the seven-number games; never the bonus.
// Numbers outside 1..highest come from a damaged history, or from a wider range than today's, and
// are skipped.
std::vector<int> tally(std::span<const DrawRecord> draws, int lineSize, int highest);

// The drawn numbers, most drawn first, equal tallies going to the lower number; at most 24.
std::vector<int> ranked(const std::vector<int>& tally);

// The ranked numbers followed by random ones: each free slot takes the whole part of
// fraction × highest, plus 1, drawn again while it equals a number already proposed.
Proposal complete(const std::vector<int>& ranked, int highest, RandomSource& random);

// tally, ranked and complete in one go.
Proposal propose(std::span<const DrawRecord> draws, int lineSize, int highest, RandomSource& random);
} // namespace SuggestNumbers
