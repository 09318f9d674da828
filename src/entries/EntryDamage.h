// EntryDamage: what is wrong with an entry file that the program did not write as it stands, in
// words a player can act on ("line 3 holds numbers outside 1..49"). The file is still shown as it
// is; this only says what looks wrong.
#pragma once

#include "RecordFile.h"

#include <QDate>
#include <QString>

namespace EntryDamage
{
// The first thing wrong with the entry file, its numbers judged by the rules of rulesDate (the entry
// date; today for standing and wheel sets), or "".
QString describe(const RecordFile& file, int gameId, const QDate& rulesDate);
// The same for the file at path; "" as well when it cannot be read (reading reports that itself).
QString describeFile(const QString& path, int gameId, const QDate& rulesDate);
} // namespace EntryDamage
