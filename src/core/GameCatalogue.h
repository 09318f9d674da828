// GameCatalogue: the eight games and their constants (names, file names) and, for each game, the
// rules of each period of its history (highest number, draw days, prize table). A game's rules
// can change over the years, so every question about range, days or prizes names a date; the
// shape of a game (how many numbers a line holds) never changes.
#pragma once

#include <QDate>
#include <QString>

#include <cstddef>
#include <span>

struct GameInfo
{
    int gameId;                  // 1..8
    QString name;                // "National 6/49", "British Columbia 6/49" ...
    QString selectorCaption;     // caption of the main window's game selector
    int provinceCode;            // 1..5 for the provincial games, 0 otherwise
    QString provinceMenuCaption; // "" for the national games
    QString resultsFile;         // draw history file name
    QString entryWord;           // prefix of dated entry files
    QString standingFile;        // standing entry file name
    QString wheelWord;           // game word of wheel entry sets
};

// What the bonus number must do for a prize category.
enum class BonusRule
{
    Ignored,  // the bonus makes no difference
    Needed,   // the line must hold the bonus number
    Excluded, // the line must not hold it
};

// A prize: the main numbers a line must match and what the bonus must do; its label is "(5+B)".
struct PrizeCategory
{
    int matches;
    BonusRule bonus;
    const char* label;
};

// The rules of a game from one date on, until the next period of the same game begins.
struct GamePeriod
{
    int gameId;
    QDate firstDraw; // null for a game's first period
    int highest;     // highest ball number, main and bonus
    int drawDays;    // bit (1 << weekday) for each regular draw day, Sunday 1 .. Saturday 7
    std::span<const PrizeCategory> prizes;
};

namespace GameCatalogue
{
constexpr int National = 1;
constexpr int Super7 = 2;
constexpr int FirstProvincial = 3;
constexpr int LastProvincial = 7;
constexpr int LottoMax = 8;
constexpr int LastGame = 8;
constexpr int ProvinceCount = 5;
// The highest number any game has ever drawn; bit masks of numbers are sized by it.
constexpr int HighestOfAll = 52;

// Returns the row of a game; ids outside 1..8 give the Western row so callers never index out of range.
const GameInfo& game(int gameId);
bool isValidGame(int gameId);
// Super 7 itself, for its own texts; a question about seven numbers asks mainCount.
bool isSuper7(int gameId);
// Numbers per draw and per entry line: 7 for Super 7 and Lotto Max, 6 for the 6/49 games.
int mainCount(int gameId);
// GameId of the provincial game of a province 1..5 (ProvinceCode + 2); 0 for other codes.
int gameForProvince(int provinceCode);
// GameId named by a provincial selector caption ("Western 6/49" 3 ... "Atlantic 6/49" 7); 0 if none.
int gameForSelectorCaption(const QString& caption);

// The rules in force on a date. A date that is not valid (a damaged record) gets the newest rules.
const GamePeriod& period(int gameId, const QDate& date);
// Every period of a game, oldest first.
std::span<const GamePeriod> periods(int gameId);

// The rules of draws read in date order, found without a search per draw: it moves forward through
// the game's periods as dates rise, and starts again from the first when a date goes back (a
// damaged file), so every answer is period()'s.
class PeriodCursor
{
public:
    explicit PeriodCursor(int gameId);
    const GamePeriod& at(const QDate& date);
    // Where the rules in force on a date stand in periods(gameId).
    std::size_t indexAt(const QDate& date);

private:
    std::span<const GamePeriod> m_periods;
    std::size_t m_index = 0;
};

// Highest ball number on a date.
int highestNumber(int gameId, const QDate& date);
// Highest ball number of any period: the size of charts, ball strips and tallies.
int highestEver(int gameId);
// Regular draw day on that date (any other day only raises a warning).
bool isRegularDrawDay(int gameId, const QDate& date);
// The regular draw days in week order: "Friday", "Wednesday or Saturday", "Tuesday or Friday".
QString drawDaysText(int gameId, const QDate& date);
// The prize won by a line with these matches and bonus under a period's table; nullptr for none.
const PrizeCategory* prizeFor(const GamePeriod& rules, int matches, bool bonus);
} // namespace GameCatalogue
