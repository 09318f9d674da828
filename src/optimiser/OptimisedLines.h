// OptimisedLines: the optimiser's steps around the link table: which draws "the last N" means,
// the lines chained from each starting ball, and the records they add to a dated entry file.
#pragma once

#include "EntryFile.h"
#include "LinkTable.h"
#include "RecordFile.h"

#include <QDate>
#include <QString>

#include <vector>

namespace OptimisedLines
{
enum class RangeRefusal
{
    None,
    EmptyText,  // nothing typed
    NoDraws,    // the history is empty
    OutOfRange, // below 1 or above the draws present (any size of number)
};

struct Range
{
    RangeRefusal refusal = RangeRefusal::None;
    int first = 0; // first record of the range; the last is the draw count
};

// Reads the typed N by the common number rule against drawCount draws.
Range chooseRange(const QString& nText, int drawCount);

// One line per starting ball 1..M chained through GetBestFor, each sorted ascending; a ball whose
// chain runs dry gives none, and a line equal to an earlier one of the run in its first six
// numbers is dropped. Balls above highest (the range on the lines' entry date, when it is narrower
// than the table's) neither start nor join a line.
std::vector<EntryNumbers> makeLines(const LinkTable& table, int highest);

// Appends the lines after the file's existing lines. Each new record is record 1's buffer with
// the line's numbers and the entry date (day, month, year at offsets 6, 8, 10); record 1 then
// carries the new count. Refuses, changing nothing, when the file would pass its line limit.
bool appendLines(RecordFile& file,
                 const std::vector<EntryNumbers>& lines,
                 int gameId,
                 const QDate& entryDate,
                 QString* error = nullptr);
} // namespace OptimisedLines
