// DrawStatistics: how often each ball was drawn as a main number, and the bars of the statistics
// chart. The window only draws what these functions compute, so the counting is tested without it.
#pragma once

#include "DrawRecord.h"

#include <QString>

#include <vector>

namespace DrawStatistics
{
struct Frequencies
{
    std::vector<int> counts;      // counts[b - 1] for ball b = 1..highest number the game ever drew
    int firstRecord = 1;          // first record counted (1-based); drawsCounted == 0 when the history is empty
    int drawsCounted = 0;         // draws counted: all of them or the most recent ones asked for
    bool lastDrawsExceed = false; // more recent draws were asked for than the history holds; all are counted
    int damagedRecords = 0;       // counted records holding a main number outside their date's range
};

// Counts the main numbers (6 per draw, 7 for the seven-number games with their seventh field; never
// the bonus) over every draw, or over the most recent lastDraws when lastDraws is 1 or more. A number
// outside the range of its draw's date is skipped and its record counted in damagedRecords.
Frequencies countMainNumbers(const std::vector<DrawRecord>& draws, int gameId, int lastDraws = 0);

struct BallCount
{
    int ball = 0;
    int count = 0;
};

// Balls by descending count. Ties keep the order of the statistics window's historic exchange
// procedure (every pair i, j compared in full double pass), which players see on the chart.
std::vector<BallCount> sortedBalls(const std::vector<int>& counts);

struct ChartRow
{
    QString label; // " 7" for ball 7
    int value = 0;
    int ball = 0; // the ball the bar stands for, so a click maps back to it in sorted mode too
};

std::vector<ChartRow> chartRows(const std::vector<int>& counts, bool sorted);
} // namespace DrawStatistics
