// Fuzz target for the computations over a history, damaged draws and entry lines included: the
// first byte picks the statistics, the optimiser and filter, or the history check, and the rest
// becomes the history, the entry lines and the settings. Figures stay within what the draws allow,
// proposed and optimised lines are distinct numbers of the game, appended lines land after the
// file's own, the thinned file holds the lines the filter kept, and the history check gives the
// same result run whole or step by step.
#include "DrawStatistics.h"
#include "EntryDamage.h"
#include "EntryFilter.h"
#include "FuzzSupport.h"
#include "HistoryCheck.h"
#include "HistoryImage.h"
#include "LinkTable.h"
#include "OptimisedLines.h"
#include "RandomSource.h"
#include "SuggestNumbers.h"

#include <numeric>
#include <set>

namespace
{
// Every main number of the draws counted is counted once or marks its draw as damaged, and the
// proposal holds distinct numbers of the game.
void statistics(FuzzInput& in)
{
    const int gameId = in.between(1, 7);
    const int lastDraws = in.between(-1, 60);
    SeededRandom random(static_cast<uint16_t>(in.int16()));
    const std::vector<DrawRecord> draws = HistoryImage(in.rest()).draws();
    const int perDraw = GameCatalogue::mainCount(gameId);
    const int highest = GameCatalogue::highestEver(gameId);
    const DrawStatistics::Frequencies f = DrawStatistics::countMainNumbers(draws, gameId, lastDraws);
    const long long total = std::accumulate(f.counts.begin(), f.counts.end(), 0LL);
    const long long most = 1LL * perDraw * f.drawsCounted;
    FUZZ_CHECK(f.drawsCounted <= static_cast<int>(draws.size()) && total <= most
               && (total == most) == (f.damagedRecords == 0));
    const SuggestNumbers::Proposal proposal = SuggestNumbers::propose(draws, perDraw, highest, random);
    const std::set<int> distinct(proposal.begin(), proposal.end());
    FUZZ_CHECK(distinct.size() == proposal.size() && *distinct.begin() >= 1 && *distinct.rbegin() <= highest);
}

void optimiser(FuzzInput& in)
{
    const int gameId = in.between(1, 7);
    const int first = in.between(-2, 40);
    const int last = in.between(-2, 40);
    EntryFilter::Settings settings;
    const uint8_t flags = in.byte();
    settings.sumFilter = flags & 1;
    settings.coverageFilter = flags & 2;
    settings.sliderPosition = in.between(0, 6);
    settings.threshold = in.between(0, 8);
    const QDate date = QDate(2026, 12, 5).addDays(in.int16());
    const std::vector<DrawRecord> draws = HistoryImage(in.take(in.byte() * 8u)).draws();
    const QByteArray original = in.rest();
    const std::vector<EntryNumbers> before = linesOf(original);
    const int k = GameCatalogue::mainCount(gameId);
    const int highest = GameCatalogue::highestNumber(gameId, date);

    // The lines made hold numbers of their entry date's range, each line new, and land after the
    // file's own, dated, unless the file would pass its limit.
    LinkTable table(gameId);
    table.process(draws, first, last);
    const std::vector<EntryNumbers> made = OptimisedLines::makeLines(table, highest);
    std::set<EntryNumbers> distinct;
    for (const EntryNumbers& line : made)
        FUZZ_CHECK(isStoredLine(line, k, highest) && distinct.insert(line).second);
    RecordFile file(EntryFile::RecordLength, original);
    std::vector<EntryNumbers> expected = before;
    expected.insert(expected.end(), made.begin(), made.end());
    QString error;
    if (!OptimisedLines::appendLines(file, made, gameId, date, &error))
        FUZZ_CHECK(expected.size() > size_t(EntryFile::MaxLines) && !error.isEmpty() && file.bytes() == original);
    else
        FUZZ_CHECK(expected.size() <= size_t(EntryFile::MaxLines) && sameMain(linesOf(file.bytes()), expected, gameId));
    for (int r = static_cast<int>(before.size()) + 1;
         file.bytes() != original && r <= static_cast<int>(expected.size());
         ++r)
        FUZZ_CHECK(datedOn(file.record(r), date));

    // The thinned file holds exactly the lines the filter kept, and a sound file stays sound.
    const std::optional<EntryFilter::Marks> marks = EntryFilter::check(before, gameId, settings);
    FUZZ_CHECK(marks && marks->size() == before.size());
    std::vector<EntryNumbers> kept;
    for (size_t j = 0; j < before.size(); ++j)
        if (!(*marks)[j])
            kept.push_back(before[j]);
    const RecordFile entries(EntryFile::RecordLength, original);
    const RecordFile thinned(EntryFile::RecordLength, EntryFilter::thinned(entries, *marks));
    FUZZ_CHECK(linesOf(thinned.bytes()) == kept);
    FUZZ_CHECK(!EntryDamage::describe(entries, gameId, {}).isEmpty()
               || EntryDamage::describe(thinned, gameId, {}).isEmpty());
}

// The check gives the same counts run whole or step by step, and one stopped at once has checked
// nothing.
void historyCheck(FuzzInput& in)
{
    const int gameId = in.between(1, GameCatalogue::LastGame);
    const int stepSize = in.between(1, 4);
    HistoryRange range;
    range.first = in.between(-1, 40);
    range.last = in.between(-1, 40);
    const std::vector<DrawRecord> draws = HistoryImage(in.take(in.byte() * 8u)).draws();
    const std::vector<EntryNumbers> lines = linesOf(in.rest());
    const int n = static_cast<int>(draws.size());

    HistoryCheck whole(lines, draws, gameId, range);
    FUZZ_CHECK(whole.run() && whole.isDone() && whole.drawsDone() == whole.drawCount() && whole.drawCount() <= n);
    HistoryCheck stepped(lines, draws, gameId, range);
    for (int steps = 0; !stepped.step(stepSize); ++steps)
        FUZZ_CHECK(steps < n);
    for (int row = 1; row <= HistoryCheck::RowCount; ++row)
        FUZZ_CHECK(stepped.count(row) == whole.count(row) && whole.count(row) >= 0);
    const std::atomic_bool cancel = true;
    HistoryCheck stopped(lines, draws, gameId, range);
    FUZZ_CHECK(stopped.run({}, &cancel) == (whole.drawCount() == 0) && stopped.drawsDone() == 0);
}
} // namespace

FUZZ_READERS(statistics, optimiser, historyCheck)
