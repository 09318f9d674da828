// LinkTable: how often each pair of balls was drawn together over a range of draws, and the
// partner choice by which the optimiser chains its lines.
#pragma once

#include "DrawRecord.h"
#include "GameCatalogue.h"

#include <array>
#include <cstdint>
#include <vector>

class LinkTable
{
public:
    // Balls 1..52, the widest range any game has drawn; row and column 0 stay unused.
    static constexpr int Size = GameCatalogue::HighestOfAll + 1;

    explicit LinkTable(int gameId);

    // Clears the table and counts draws first..last (1-based, inclusive) in one pass: for each
    // ball of a draw, every other main number of that draw gains one link. Only numbers within the
    // range of the draw's own date count.
    void process(const std::vector<DrawRecord>& draws, int first, int last);
    void clear();

    int count(int a, int b) const;
    int gameId() const;
    int highestBall() const; // M: the widest range of the game (49; 47 for Super 7, 52 for Lotto Max)
    int lineLength() const;  // K: 6, or 7 for the seven-number games

    // The partner of keyball with the highest count, the lowest ball winning a tie, leaving out
    // the excluded balls (0 excludes nothing; the sixth only counts for seven-number lines) and
    // any ball above highest. 0 when no partner with a positive count is left.
    int GetBestFor(int keyball, const std::array<int, 6>& excluded, int highest) const;

private:
    int m_gameId;
    // 32-bit: a damaged draw holding a number twice could push a 16-bit count past its range.
    std::array<std::array<int32_t, Size>, Size> m_counts{};
};
