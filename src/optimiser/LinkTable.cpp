#include "LinkTable.h"

#include "GameCatalogue.h"

#include <algorithm>

LinkTable::LinkTable(int gameId)
    : m_gameId(gameId)
{
}

void LinkTable::clear()
{
    for (auto& row : m_counts)
        row.fill(0);
}

void LinkTable::process(const std::vector<DrawRecord>& draws, int first, int last)
{
    clear();
    const int k = lineLength();
    GameCatalogue::PeriodCursor periods(m_gameId);
    first = std::max(first, 1);
    last = std::min<int>(last, static_cast<int>(draws.size()));
    for (int r = first; r <= last; ++r) {
        const auto& numbers = draws[r - 1].numbers;
        // A number the game did not draw on that date is damage and links nothing, as the
        // statistics treat it, even where a later period draws that high.
        const int m = periods.at(draws[r - 1].date()).highest;
        for (int p = 0; p < k; ++p) {
            const int ball = numbers[p];
            // A ball counts once per draw even if a damaged record holds it twice.
            if (ball < 1 || ball > m || std::find(numbers.begin(), numbers.begin() + p, ball) != numbers.begin() + p)
                continue;
            for (int q = 0; q < k; ++q) {
                const int other = numbers[q];
                if (other != ball && other >= 1 && other <= m)
                    ++m_counts[ball][other];
            }
        }
    }
}

int LinkTable::count(int a, int b) const
{
    if (a < 0 || a >= Size || b < 0 || b >= Size)
        return 0;
    return m_counts[a][b];
}

int LinkTable::gameId() const
{
    return m_gameId;
}

int LinkTable::highestBall() const
{
    return GameCatalogue::highestEver(m_gameId);
}

int LinkTable::lineLength() const
{
    return GameCatalogue::mainCount(m_gameId);
}

int LinkTable::GetBestFor(int keyball, const std::array<int, 6>& excluded, int highest) const
{
    const int m = std::min(highestBall(), highest);
    if (keyball < 1 || keyball > m)
        return 0;
    std::array<int32_t, Size> work = m_counts[keyball];
    const int used = lineLength() - 1;
    for (int i = 0; i < used; ++i) {
        if (excluded[i] > 0 && excluded[i] <= m)
            work[excluded[i]] = 0;
    }
    int best = 0;
    int32_t bestCount = 0;
    for (int ball = 1; ball <= m; ++ball) {
        if (work[ball] > bestCount) {
            bestCount = work[ball];
            best = ball;
        }
    }
    return best;
}
