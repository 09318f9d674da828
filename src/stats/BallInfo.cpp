#include "BallInfo.h"

#include "DateText.h"
#include "GameCatalogue.h"

QString BallFigures::dateLastDrawnText() const
{
    return lastRecord == 0 ? QStringLiteral("Never") : lastDate;
}

QString BallFigures::drawsSinceText(int drawCount) const
{
    return lastRecord == 0 ? QStringLiteral("N/A") : QString::number(drawCount - lastRecord);
}

BallInfo BallInfo::of(const std::vector<DrawRecord>& draws, int gameId, int ball)
{
    const int perDraw = GameCatalogue::mainCount(gameId);
    const int highest = GameCatalogue::highestEver(gameId);

    BallInfo info;
    info.drawCount = static_cast<int>(draws.size());
    info.asMain.expected = BallInfoText::roundedRatio(static_cast<long long>(perDraw) * info.drawCount, highest);
    if (info.asMain.expected == 0)
        info.asMain.expected = 1;
    info.asBonus.expected = BallInfoText::roundedRatio(info.drawCount, highest);

    for (int r = 1; r <= info.drawCount; ++r) {
        const DrawRecord& draw = draws[r - 1];
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
