// EntryLineText: how an entry line is shown ("03 11 19 27 38 45") and how the number boxes of the
// add and edit windows are checked before a line is stored.
#pragma once

#include "EntryFile.h"

#include <QString>
#include <QStringList>

// Six numbers for the 6/49 games, seven for Super 7, two digits each, single spaces.
QString FormatEntryLine(const EntryNumbers& numbers, int gameId);

// Checks the texts of boxes 1..K (K = 6, or 7 for Super 7; missing boxes count as empty).
// Returns 0 when the line may be stored, else the code of the last failed test (1 same numbers,
// 2 not a number, 3 out of range). On 0, *sorted gets the numbers rounded and ascending.
int ValidateLine(const QStringList& boxes, int gameId, EntryNumbers* sorted);

// The message shown for a ValidateLine code; "" for 0.
QString validationMessage(int code);
