// EntryRules: what the add window asks and says about the entry date of a dated entry set: the
// question before lines are added for a day the game does not draw on, and the window's title.
#pragma once

#include <QDate>
#include <QString>

namespace EntryRules
{
// "This is not a Friday date. Are you sure ...", or "" on a regular draw day of the date's period.
QString offDayQuestion(int gameId, const QDate& entryDate);
// "National 6/94 Entries for  5 DEC 2026", "BC 6/49 Entries for ...", "Lotto Max Entries for ...".
QString datedSetTitle(int gameId, const QDate& entryDate);
} // namespace EntryRules
