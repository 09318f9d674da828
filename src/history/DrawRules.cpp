#include "DrawRules.h"

#include "GameCatalogue.h"

#include <bitset>

namespace DrawRules
{
bool isValidDate(int day, int month, int year)
{
    return year >= 1000 && year <= 9999 && QDate::isValid(year, month, day);
}

QString
numbersProblem(int gameId, const QDate& date, const std::array<int16_t, 7>& mainNumbers, int bonus, bool bonusApart)
{
    const int highest = GameCatalogue::highestNumber(gameId, date);
    std::bitset<64> seen;
    for (int i = 0; i < GameCatalogue::mainCount(gameId); ++i) {
        const int n = mainNumbers[i];
        if (n < 1 || n > highest)
            return QStringLiteral("the number %1 is not within 1 to %2").arg(n).arg(highest);
        if (seen.test(n))
            return QStringLiteral("the number %1 is drawn twice").arg(n);
        seen.set(n);
    }
    if (bonus < 1 || bonus > highest)
        return QStringLiteral("the bonus %1 is not within 1 to %2").arg(bonus).arg(highest);
    if (bonusApart && seen.test(bonus))
        return QStringLiteral("the bonus %1 is also a main number").arg(bonus);
    return {};
}

QString offDayQuestion(int gameId, const QDate& date)
{
    if (GameCatalogue::isRegularDrawDay(gameId, date))
        return {};
    return QStringLiteral("This is not a %1 Date. Do you want to proceed anyway?")
        .arg(GameCatalogue::drawDaysText(gameId, date));
}
} // namespace DrawRules
