// GameCatalogue: the seven games and their constants (names, ranges, weekdays, file names).
// Every part of the program asks these questions through one table so that no caption or file
// name is spelt twice.
#pragma once

#include <QString>

#include <array>

struct GameInfo
{
    int gameId;                  // 1..7
    QString name;                // "National 6/49", "British Columbia 6/49" ...
    QString selectorCaption;     // caption of the main window's game selector
    int provinceCode;            // 1..5 for the provincial games, 0 otherwise
    QString provinceMenuCaption; // "" for the national games
    QString resultsFile;         // draw history file name
    QString entryWord;           // prefix of dated entry files
    QString standingFile;        // standing entry file name
    QString wheelWord;           // game word of wheel entry sets
};

namespace GameCatalogue
{
constexpr int National = 1;
constexpr int Super7 = 2;
constexpr int FirstProvincial = 3;
constexpr int LastGame = 7;
constexpr int ProvinceCount = 5;

// Returns the row of a game; ids outside 1..7 give the Western row so callers never index out of range.
const GameInfo& game(int gameId);
bool isValidGame(int gameId);
bool isSuper7(int gameId);
// Numbers per draw and per entry line: 7 for Super 7, 6 for the 6/49 games.
int mainCount(int gameId);
// Highest ball number: 47 for Super 7, 49 otherwise.
int highestNumber(int gameId);
// GameId of the provincial game of a province 1..5 (ProvinceCode + 2); 0 for other codes.
int gameForProvince(int provinceCode);
// GameId named by a provincial selector caption ("Western 6/49" 3 ... "Atlantic 6/49" 7); 0 if none.
int gameForSelectorCaption(const QString& caption);
// Regular draw weekdays, Sunday 1 .. Saturday 7.
bool isRegularDrawDay(int gameId, int weekday);
} // namespace GameCatalogue
