#include "BallInfo.h"

#include "DateText.h"
#include "GameCatalogue.h"

#include <algorithm>
#include <numeric>
#include <span>

QString BallFigures::dateLastDrawnText() const
{
    return lastRecord == 0 ? QStringLiteral("Never") : lastDate;
}

QString BallFigures::drawsSinceText(int drawCount) const
{
    return lastRecord == 0 ? QStringLiteral("N/A") : QString::number(drawCount - lastRecord);
}

namespace
{
// Chance's count of a ball over some draws: per draw, the numbers drawn over the numbers the game
// drew from on that draw's date, summed over the draws whose range holds the ball. Summed exactly
// (over a common denominator) so the rounding of the whole sees no drift.
class Expectation
{
public:
    void addDraws(long long draws, int perDraw, int highest)
    {
        const long long denominator = std::lcm(m_denominator, static_cast<long long>(highest));
        m_numerator = m_numerator * (denominator / m_denominator) + draws * perDraw * (denominator / highest);
        m_denominator = denominator;
    }

    long long rounded() const
    {
        return BallInfoText::roundedRatio(m_numerator, m_denominator);
    }

private:
    long long m_numerator = 0;
    long long m_denominator = 1;
};
} // namespace

BallInfo BallInfo::of(const std::vector<DrawRecord>& draws, int gameId, int ball)
{
    const int perDraw = GameCatalogue::mainCount(gameId);
    const std::span<const GamePeriod> periods = GameCatalogue::periods(gameId);
    std::vector<long long> drawsInPeriod(periods.size());
    GameCatalogue::PeriodCursor cursor(gameId);

    BallInfo info;
    info.drawCount = static_cast<int>(draws.size());
    for (int r = 1; r <= info.drawCount; ++r) {
        const DrawRecord& draw = draws[r - 1];
        const std::size_t period = cursor.indexAt(draw.date());
        ++drawsInPeriod[period];
        // A ball the game did not draw on that date cannot have come up; such a number is damage.
        if (ball > periods[period].highest)
            continue;
        for (int p = 0; p < perDraw; ++p) {
            if (draw.numbers[p] == ball) {
                ++info.asMain.timesDrawn;
                info.asMain.lastRecord = r;
            }
        }
        if (draw.bonus == ball) {
            ++info.asBonus.timesDrawn;
            info.asBonus.lastRecord = r;
        }
    }
    for (BallFigures* figures : {&info.asMain, &info.asBonus}) {
        if (figures->lastRecord > 0)
            figures->lastDate = BallInfoText::drawDate(draws[figures->lastRecord - 1]);
    }

    Expectation asMain;
    Expectation asBonus;
    for (size_t p = 0; p < periods.size(); ++p) {
        if (ball <= periods[p].highest && drawsInPeriod[p] > 0) {
            asMain.addDraws(drawsInPeriod[p], perDraw, periods[p].highest);
            asBonus.addDraws(drawsInPeriod[p], 1, periods[p].highest);
        }
    }
    info.asMain.expected = std::max(1LL, asMain.rounded());
    info.asBonus.expected = asBonus.rounded();
    return info;
}

namespace BallInfoText
{
QString drawDate(const DrawRecord& draw)
{
    return QStringLiteral("%1 %2 %3").arg(draw.day).arg(DateText::MonthAbbrev(draw.month)).arg(draw.year);
}

long long roundedRatio(long long numerator, long long denominator)
{
    long long quotient = numerator / denominator;
    const long long twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}
} // namespace BallInfoText
