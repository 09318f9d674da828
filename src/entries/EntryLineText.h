// EntryLineText: how an entry line is shown ("03 11 19 27 38 45") and how the number boxes of the
// add and edit windows are checked before a line is stored.
#pragma once

#include "EntryFile.h"

#include <QDate>
#include <QString>
#include <QStringList>

// Six numbers for the 6/49 games, seven for the seven-number games, two digits each, single spaces.
QString FormatEntryLine(const EntryNumbers& numbers, int gameId);

// What is wrong with a typed line.
enum class LineProblem
{
    None,
    SameNumbers,
    NotANumber,
    OutOfRange
};

// Checks the texts of boxes 1..K (K = 6, or 7 for the seven-number games; missing boxes count as
// empty). Every pair of boxes is tested for a repeat, a value below 1 and one above the game's range
// on rulesDate (the entry date; today for standing and wheel sets), in that order, and the last test
// that held decides. On None, *sorted gets the numbers rounded and ascending.
LineProblem ValidateLine(const QStringList& boxes, int gameId, const QDate& rulesDate, EntryNumbers* sorted);

// The message shown for a problem; "" for None.
QString validationMessage(LineProblem problem);
