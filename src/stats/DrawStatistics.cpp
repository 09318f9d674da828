#include "DrawStatistics.h"

#include "GameCatalogue.h"

#include <algorithm>
#include <utility>

namespace DrawStatistics
{
Frequencies countMainNumbers(const std::vector<DrawRecord>& draws, int gameId, int lastDraws)
{
    const int perDraw = GameCatalogue::mainCount(gameId);
    const int total = static_cast<int>(draws.size());

    Frequencies result;
    result.counts.assign(GameCatalogue::highestEver(gameId), 0);
    int recent = total;
    if (lastDraws >= 1) {
        if (lastDraws > total)
            result.lastDrawsExceed = true;
        else
            recent = lastDraws;
    }
    result.firstRecord = total - recent + 1;
    result.drawsCounted = recent;
    GameCatalogue::PeriodCursor periods(gameId);
    for (int r = result.firstRecord; r <= total; ++r) {
        const DrawRecord& draw = draws[r - 1];
        // A number is in range when the game drew that high on the draw's date.
        const int highest = periods.at(draw.date()).highest;
        bool damaged = false;
        for (int p = 0; p < perDraw; ++p) {
            const int n = draw.numbers[p];
            if (n >= 1 && n <= highest)
                ++result.counts[n - 1];
            else
                damaged = true;
        }
        if (damaged)
            ++result.damagedRecords;
    }
    return result;
}

std::vector<BallCount> sortedBalls(const std::vector<int>& counts)
{
    const int n = static_cast<int>(counts.size());
    std::vector<BallCount> table(n);
    for (int k = 0; k < n; ++k)
        table[k] = {k + 1, counts[k]};
    // Not a textbook sort: every ordered pair is visited, and equal counts settle where this exact
    // sequence of exchanges leaves them.
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            if (table[i].count > table[j].count)
                std::swap(table[i], table[j]);
        }
    }
    return table;
}

std::vector<ChartRow> chartRows(const std::vector<int>& counts, bool sorted)
{
    std::vector<BallCount> bars;
    if (sorted) {
        bars = sortedBalls(counts);
    } else {
        for (int k = 0; k < static_cast<int>(counts.size()); ++k)
            bars.push_back({k + 1, counts[k]});
    }
    std::vector<ChartRow> rows;
    rows.reserve(bars.size());
    for (const BallCount& bar : bars)
        rows.push_back({QLatin1Char(' ') + QString::number(bar.ball), bar.count, bar.ball});
    return rows;
}
} // namespace DrawStatistics
