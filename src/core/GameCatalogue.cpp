#include "GameCatalogue.h"

#include "DateText.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

namespace
{
const std::array<GameInfo, 8>& table()
{
    static const std::array<GameInfo, 8> rows{{
        {1, "National 6/49", "National 6/49", 0, "", "CAN1.rtl", "Nat649", "StandLotto.lot", "National"},
        {2, "Super 7", "Super 7", 0, "", "CAN7.rtl", "Super7", "StandSuper7.lot", "Super7"},
        {3, "Western 6/49", "Western 6/49", 1, "Western", "CAN2.rtl", "Western", "StandWestern.lot", "Western"},
        {4, "British Columbia 6/49", "BC 6/49", 2, "British Columbia", "CAN3.rtl", "BC", "StandBC.lot", "BC"},
        {5, "Quebec 6/49", "Quebec 6/49", 3, "Quebec", "CAN4.rtl", "Quebec", "StandQuebec.lot", "Quebec"},
        {6, "Ontario 6/49", "Ontario 6/49", 4, "Ontario", "CAN5.rtl", "Ontario", "StandOntario.lot", "Ontario"},
        {7, "Atlantic 6/49", "Atlantic 6/49", 5, "Atlantic", "CAN8.rtl", "Atlantic", "StandAtlantic.lot", "Atlantic"},
        // CAN6 is the one number the series of history files left free.
        {8, "Lotto Max", "Lotto Max", 0, "", "CAN6.rtl", "LottoMax", "StandLottoMax.lot", "LottoMax"},
    }};
    return rows;
}

using B = BonusRule;
constexpr PrizeCategory lotto649Prizes[] = {
    {6, B::Ignored, "(6)"},
    {5, B::Needed, "(5+B)"},
    {5, B::Excluded, "(5)"},
    {4, B::Ignored, "(4)"},
    {3, B::Ignored, "(3)"},
};
constexpr PrizeCategory super7Prizes[] = {
    {7, B::Excluded, "(7)"},
    {6, B::Needed, "(6+B)"},
    {6, B::Excluded, "(6)"},
    {5, B::Ignored, "(5)"},
    {4, B::Ignored, "(4)"},
    {3, B::Needed, "(3+B)"},
    {3, B::Excluded, "(3)"},
};
// Lotto Max from May 2019: the bonus counts with five, four and three matches too.
constexpr PrizeCategory lottoMaxPrizes[] = {
    {7, B::Excluded, "(7)"},
    {6, B::Needed, "(6+B)"},
    {6, B::Excluded, "(6)"},
    {5, B::Needed, "(5+B)"},
    {5, B::Excluded, "(5)"},
    {4, B::Needed, "(4+B)"},
    {4, B::Excluded, "(4)"},
    {3, B::Needed, "(3+B)"},
    {3, B::Excluded, "(3)"},
};

constexpr int day(int weekday)
{
    return 1 << weekday;
}
constexpr int Tuesday = day(3);
constexpr int Wednesday = day(4);
constexpr int Friday = day(6);
constexpr int Saturday = day(7);

// Each game's periods, oldest first; a game's first period has no first date.
const std::vector<GamePeriod>& periodTable()
{
    static const std::vector<GamePeriod> rows = [] {
        std::vector<GamePeriod> r;
        for (int id = GameCatalogue::National; id <= GameCatalogue::LastProvincial; ++id) {
            if (id == GameCatalogue::Super7)
                r.push_back({id, {}, 47, Friday, super7Prizes});
            else
                r.push_back({id, {}, 49, Wednesday | Saturday, lotto649Prizes});
        }
        r.push_back({GameCatalogue::LottoMax, {}, 49, Friday, super7Prizes});
        r.push_back({GameCatalogue::LottoMax, QDate(2019, 5, 14), 50, Tuesday | Friday, lottoMaxPrizes});
        r.push_back({GameCatalogue::LottoMax, QDate(2026, 4, 14), 52, Tuesday | Friday, lottoMaxPrizes});
        return r;
    }();
    return rows;
}
} // namespace

namespace GameCatalogue
{
bool isValidGame(int gameId)
{
    return gameId >= National && gameId <= LastGame;
}

const GameInfo& game(int gameId)
{
    return table()[isValidGame(gameId) ? gameId - 1 : FirstProvincial - 1];
}

bool isSuper7(int gameId)
{
    return gameId == Super7;
}

int mainCount(int gameId)
{
    return gameId == Super7 || gameId == LottoMax ? 7 : 6;
}

int gameForProvince(int provinceCode)
{
    return provinceCode >= 1 && provinceCode <= ProvinceCount ? provinceCode + 2 : 0;
}

int gameForSelectorCaption(const QString& caption)
{
    for (int id = FirstProvincial; id <= LastProvincial; ++id) {
        if (game(id).selectorCaption == caption)
            return id;
    }
    return 0;
}

std::span<const GamePeriod> periods(int gameId)
{
    // Each game's rows lie together in the table; their spans are found once.
    static const auto byGame = [] {
        std::array<std::span<const GamePeriod>, LastGame + 1> spans{};
        const std::vector<GamePeriod>& rows = periodTable();
        for (std::size_t first = 0; first < rows.size();) {
            std::size_t end = first;
            while (end < rows.size() && rows[end].gameId == rows[first].gameId)
                ++end;
            spans[rows[first].gameId] = {rows.data() + first, end - first};
            first = end;
        }
        return spans;
    }();
    return byGame[game(gameId).gameId];
}

PeriodCursor::PeriodCursor(int gameId)
    : m_periods(periods(gameId))
{
}

const GamePeriod& PeriodCursor::at(const QDate& date)
{
    return m_periods[indexAt(date)];
}

std::size_t PeriodCursor::indexAt(const QDate& date)
{
    if (!date.isValid())
        return m_periods.size() - 1;
    if (m_periods[m_index].firstDraw.isValid() && date < m_periods[m_index].firstDraw)
        m_index = 0;
    while (m_index + 1 < m_periods.size() && m_periods[m_index + 1].firstDraw <= date)
        ++m_index;
    return m_index;
}

const GamePeriod& period(int gameId, const QDate& date)
{
    return PeriodCursor(gameId).at(date);
}

int highestNumber(int gameId, const QDate& date)
{
    return period(gameId, date).highest;
}

int highestEver(int gameId)
{
    int highest = 0;
    for (const GamePeriod& p : periods(gameId))
        highest = std::max(highest, p.highest);
    return highest;
}

bool isRegularDrawDay(int gameId, const QDate& date)
{
    return (period(gameId, date).drawDays & day(DateText::weekdayNumber(date))) != 0;
}

QString drawDaysText(int gameId, const QDate& date)
{
    static const char* const names[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    const int drawDays = period(gameId, date).drawDays;
    QStringList days;
    for (int weekday = 1; weekday <= 7; ++weekday) {
        if (drawDays & day(weekday))
            days << QString::fromLatin1(names[weekday - 1]);
    }
    return days.join(QStringLiteral(" or "));
}

const PrizeCategory* prizeFor(const GamePeriod& rules, int matches, bool bonus)
{
    for (const PrizeCategory& prize : rules.prizes) {
        if (prize.matches != matches)
            continue;
        if (prize.bonus == BonusRule::Ignored || (prize.bonus == BonusRule::Needed) == bonus)
            return &prize;
    }
    return nullptr;
}
} // namespace GameCatalogue
