// HistoryDamage: what is wrong with a draw history file that the program did not write as it
// stands (an old file, a copy from another machine, a damaged disk), in words a player can act on.
// The file is still shown as it is; this only says what looks wrong.
#pragma once

#include "RecordFile.h"

#include <QString>

namespace HistoryDamage
{
// The first thing wrong with the history ("draw 3 holds numbers outside 1..49"), or "".
QString describe(const RecordFile& file, int gameId);
// The same for the file at path; "" as well when it cannot be read (reading reports that itself).
QString describeFile(const QString& path, int gameId);
} // namespace HistoryDamage
