// DrawCheck: prize categories of an entry line against a draw, the winning-line text, and the
// check of a whole entry file against the draw shown in the main window.
#pragma once

#include "EntryFile.h"

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

// The draw is read from the ball positions: 6/49 positions 0..5 main and 6 bonus; Super 7
// positions 0..6 main and 7 bonus.
LineScore ScoreLine(const EntryNumbers& line, const std::array<int16_t, 9>& displayedNumbers, int gameId);

// "03 11 19 27 38 45 (5+B)".
QString FormatWinningLine(const EntryNumbers& line, int gameId, const QString& label);

struct CheckResult
{
    std::vector<int> winningRows; // 0-based, in file order
    QStringList winningLines;     // FormatWinningLine of each winning row
};

// Scores every line of the file; the file itself is never changed.
std::optional<CheckResult> checkEntryFile(const QString& path,
                                          const std::array<int16_t, 9>& displayedNumbers,
                                          int gameId,
                                          QString* error = nullptr);
