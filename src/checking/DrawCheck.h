// DrawCheck: prize categories of an entry line against a draw, the winning-line text, and the
// check of a whole entry file against the draw shown in the main window.
#pragma once

#include "EntryFile.h"
#include "GameCatalogue.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

struct LineScore
{
    int matches = 0;    // main numbers matched
    bool bonus = false; // the line holds the bonus number
    QString label;      // "(5+B)" ...; "" = no prize
};

// The draw is read from the ball positions: six-number games positions 0..5 main and 6 bonus;
// seven-number games positions 0..6 main and 7 bonus. The prize is that of the rules in force on
// the draw's date (GameCatalogue::period), as a game's prizes can change over the years; the game
// is the period's.
LineScore ScoreLine(const EntryNumbers& line, const std::array<int16_t, 9>& displayedNumbers, const GamePeriod& rules);

// "03 11 19 27 38 45 (5+B)".
QString FormatWinningLine(const EntryNumbers& line, int gameId, const QString& label);

struct CheckResult
{
    std::vector<int> winningRows; // 0-based, in file order
    QStringList winningLines;     // FormatWinningLine of each winning row
};

// Scores every line of the file against the draw of that date; the file itself is never changed.
std::optional<CheckResult> checkEntryFile(const QString& path,
                                          const std::array<int16_t, 9>& displayedNumbers,
                                          int gameId,
                                          const QDate& drawDate,
                                          QString* error = nullptr);
