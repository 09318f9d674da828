// DrawRules: what makes a draw believable for a game, shared by the check of a downloaded history
// and the import of draw-history files, so both refuse the same things with the same words. A
// game's range and draw days are those in force on the draw's date.
#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>

namespace DrawRules
{
// A real calendar date with a four-digit year, as history records hold them.
bool isValidDate(int day, int month, int year);

// Why the main numbers (the game's six or seven, in any order) and bonus cannot be a draw of the
// game on that date, or "" when they can. A bonus drawn apart must also differ from every main number.
QString
numbersProblem(int gameId, const QDate& date, const std::array<int16_t, 7>& mainNumbers, int bonus, bool bonusApart);

// The question asked before a draw is added on a day the game did not draw on then
// ("This is not a Friday Date. ..."), or "" on a regular draw day.
QString offDayQuestion(int gameId, const QDate& date);
} // namespace DrawRules
