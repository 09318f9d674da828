// EntryFilter: thins an entry set. The sum filter marks lines whose sum lies outside a band; the
// coverage filter marks lines sharing too many numbers with an earlier line that stays. Marks
// live in memory beside the lines, and the thinned file is built whole for one atomic write.
#pragma once

#include "EntryFile.h"
#include "RecordFile.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace EntryFilter
{
struct SumBand
{
    int low = 0;
    int high = 0;
};

struct Settings
{
    bool sumFilter = false;
    int sliderPosition = 1; // 1..5, each step narrows the band by 10 at both ends
    bool coverageFilter = false;
    int threshold = 5; // shared numbers that mark a later line
    QDate rulesDate{}; // whose range centres the sum band; a null date means the newest rules
};

// One flag per line, 1 = marked for deletion.
using Marks = std::vector<uint8_t>;
// Told now and then how many reference lines are done; returning false stops the run, which then
// gives no result. The window keeps itself responsive from here.
using Progress = std::function<bool(int done)>;

// The band at a slider position for the game's range on rulesDate: 85..213 for the 6/49 games; for
// the seven-number games the mean line sum 7 (N + 1) / 2 of the range 1..N, 70 each side, rounded
// inwards (98..238 for Super 7, 109..248 for Lotto Max's 1..50).
SumBand sumBand(int gameId, int sliderPosition, const QDate& rulesDate);
// The four thresholds offered: 3..6 for the 6/49 games, 4..7 for the seven-number games.
std::array<int, 4> thresholdChoices(int gameId);

// Marks the unmarked lines whose sum is below low or above high; returns how many it marked.
int markSums(const std::vector<EntryNumbers>& lines, int gameId, SumBand band, Marks& marks);
// In file order, each unmarked line marks every later unmarked line sharing at least threshold
// numbers with it, so of a group of similar lines the first stays. Returns how many it marked.
std::optional<int> markCoverage(
    const std::vector<EntryNumbers>& lines, int gameId, int threshold, Marks& marks, const Progress& progress = {});
// Both filters as chosen, sum first; nullopt when the progress callback stopped the run.
std::optional<Marks>
check(const std::vector<EntryNumbers>& lines, int gameId, const Settings& settings, const Progress& progress = {});

// The list row of a line: two digits and a blank per number ("03 12 23 34 41 45 ").
QString rowText(const EntryNumbers& numbers, int gameId);
// The printed list: three empty lines, then each row indented, marked rows flagged for deletion.
QStringList printLines(const QStringList& rows, const std::vector<bool>& marked);

// The entry file without its marked lines: kept records byte for byte in order, record 1
// carrying the kept count. With no line kept it is one zero record, an empty entry file.
QByteArray thinned(const RecordFile& file, const Marks& marks);
} // namespace EntryFilter
