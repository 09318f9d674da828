// Fuzz target for the optimiser and the filter, over damaged draws and entry lines: the input becomes
// a history, an entry file and the settings. The link table counts each pair once per draw holding
// both, the best partner is the most linked one left, chained lines are sorted and new, appended
// lines land after the file's own, and the filters keep no two lines sharing the threshold while
// the thinned file holds exactly the kept lines.
#include "EntryDamage.h"
#include "EntryFilter.h"
#include "FuzzRecords.h"
#include "FuzzSupport.h"
#include "GameCatalogue.h"
#include "HistoryImage.h"
#include "LinkTable.h"
#include "OptimisedLines.h"

#include <algorithm>
#include <set>

namespace
{
void checkLinks(const LinkTable& table, const std::vector<DrawRecord>& draws, int first, int last, FuzzInput& in)
{
    const int k = table.lineLength();
    const int m = table.highestBall();
    std::vector<const DrawRecord*> counted;
    for (int r = std::max(first, 1); r <= std::min<int>(last, static_cast<int>(draws.size())); ++r)
        counted.push_back(&draws[r - 1]);
    const auto holds = [k](const DrawRecord* d, int ball) {
        return std::find(d->numbers.begin(), d->numbers.begin() + k, ball) != d->numbers.begin() + k;
    };
    // Each draw is held to the range of its own date.
    const bool sound = std::all_of(counted.begin(), counted.end(), [&table, k](const DrawRecord* d) {
        const std::set<int> numbers(d->numbers.begin(), d->numbers.begin() + k);
        return static_cast<int>(numbers.size()) == k && *numbers.begin() >= 1
               && *numbers.rbegin() <= GameCatalogue::highestNumber(table.gameId(), d->date());
    });
    for (int a = 1; a <= m; ++a) {
        for (int b = 1; b <= m; ++b) {
            const int both = static_cast<int>(std::count_if(counted.begin(), counted.end(), [&](const DrawRecord* d) {
                return a != b && holds(d, a) && holds(d, b);
            }));
            FUZZ_CHECK(table.count(a, b) >= 0 && table.count(a, b) <= k * static_cast<int>(counted.size()));
            if (sound)
                FUZZ_CHECK(table.count(a, b) == both);
        }
    }

    // The best partner: the highest count, the lowest ball on a tie, never an excluded ball.
    const int key = in.between(0, 50);
    std::array<int, 6> excluded{};
    for (int& ball : excluded)
        ball = in.between(0, 50);
    const int used = table.lineLength() - 1;
    int best = 0;
    for (int ball = 1; key >= 1 && key <= m && ball <= m; ++ball) {
        const bool left = std::find(excluded.begin(), excluded.begin() + used, ball) == excluded.begin() + used;
        if (left && table.count(key, ball) > (best ? table.count(key, best) : 0))
            best = ball;
    }
    FUZZ_CHECK(table.GetBestFor(key, excluded, m) == best);
}

void checkOptimisedLines(const LinkTable& table, RecordFile file, int gameId, const QDate& date)
{
    const int k = table.lineLength();
    // The lines hold only numbers of their entry date's range.
    const int highest = GameCatalogue::highestNumber(gameId, date);
    const std::vector<EntryNumbers> made = OptimisedLines::makeLines(table, highest);
    FUZZ_CHECK(made.size() <= static_cast<size_t>(highest));
    for (size_t i = 0; i < made.size(); ++i) {
        FUZZ_CHECK(isStoredLine(made[i], k, highest));
        for (size_t j = 0; j < i; ++j)
            FUZZ_CHECK(!std::equal(made[i].begin(), made[i].begin() + 6, made[j].begin()));
    }

    const std::vector<EntryNumbers> before = linesOf(file.bytes());
    const QByteArray original = file.bytes();
    QString error;
    const bool appended = OptimisedLines::appendLines(file, made, gameId, date, &error);
    if (before.size() + made.size() > static_cast<size_t>(EntryFile::MaxLines)) {
        FUZZ_CHECK(!appended && !error.isEmpty() && file.bytes() == original);
        return;
    }
    const std::vector<EntryNumbers> after = linesOf(file.bytes());
    FUZZ_CHECK(appended && after.size() == before.size() + made.size());
    FUZZ_CHECK(std::equal(before.begin(), before.end(), after.begin()));
    for (size_t r = before.size(); r < after.size(); ++r) {
        FUZZ_CHECK(std::equal(after[r].begin(), after[r].begin() + k, made[r - before.size()].begin()));
        FUZZ_CHECK(datedOn(file.record(static_cast<int>(r) + 1), date));
    }
}

void checkRange(const QString& typed, int drawCount)
{
    const OptimisedLines::Range range = OptimisedLines::chooseRange(typed, drawCount);
    using R = OptimisedLines::RangeRefusal;
    FUZZ_CHECK((range.refusal == R::EmptyText) == typed.isEmpty());
    FUZZ_CHECK(range.refusal != R::NoDraws || drawCount <= 0);
    if (range.refusal != R::None)
        return;
    FUZZ_CHECK(range.first >= 1 && range.first <= drawCount);
    bool whole = false;
    const int n = typed.toInt(&whole);
    if (whole && !typed.startsWith(QLatin1Char('+')))
        FUZZ_CHECK(range.first == drawCount - n + 1);
}

int shared(const EntryNumbers& a, const EntryNumbers& b, int k)
{
    int pairs = 0;
    for (int p = 0; p < k; ++p)
        pairs += static_cast<int>(std::count(b.begin(), b.begin() + k, a[p]));
    return pairs;
}

void checkFilter(const RecordFile& file, int gameId, const EntryFilter::Settings& settings)
{
    const int k = GameCatalogue::mainCount(gameId);
    const std::vector<EntryNumbers> lines = linesOf(file.bytes());
    const std::optional<EntryFilter::Marks> marks = EntryFilter::check(lines, gameId, settings);
    FUZZ_CHECK(marks && marks->size() == lines.size());
    const EntryFilter::SumBand band = EntryFilter::sumBand(gameId, settings.sliderPosition, settings.rulesDate);
    std::vector<EntryNumbers> kept;
    for (size_t j = 0; j < lines.size(); ++j) {
        int sum = 0;
        for (int i = 0; i < k; ++i)
            sum += lines[j][i];
        const bool outside = settings.sumFilter && (sum < band.low || sum > band.high);
        // Of similar lines the first stays: a line is marked by coverage exactly when an earlier
        // kept line shares enough with it.
        const bool covered = settings.coverageFilter && std::any_of(kept.begin(), kept.end(), [&](const auto& e) {
                                 return shared(e, lines[j], k) >= settings.threshold;
                             });
        FUZZ_CHECK((*marks)[j] == (outside || covered));
        if (!(*marks)[j])
            kept.push_back(lines[j]);
    }
    if (settings.coverageFilter && !lines.empty())
        FUZZ_CHECK(!EntryFilter::check(lines, gameId, settings, [](int) { return false; }));

    const RecordFile thinned(EntryFile::RecordLength, EntryFilter::thinned(file, *marks));
    FUZZ_CHECK(linesOf(thinned.bytes()) == kept);
    if (EntryDamage::describe(file, gameId, {}).isEmpty())
        FUZZ_CHECK(EntryDamage::describe(thinned, gameId, {}).isEmpty());
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const int gameId = in.between(1, 7);
    const int first = in.between(-2, 40);
    const int last = in.between(-2, 40);
    EntryFilter::Settings settings;
    const uint8_t flags = in.byte();
    settings.sumFilter = flags & 1;
    settings.coverageFilter = flags & 2;
    settings.sliderPosition = in.between(0, 6);
    settings.threshold = in.between(0, 8);
    const QString typed = QString::fromLatin1(in.take(in.byte() % 8));
    const QDate date = QDate(2026, 12, 5).addDays(in.int16());
    const std::vector<DrawRecord> draws = HistoryImage(in.take(in.byte() * 8u)).draws();
    const QByteArray keyBytes = in.take(7);
    const RecordFile entries(EntryFile::RecordLength, in.rest());

    LinkTable table(gameId);
    table.process(draws, first, last);
    FuzzInput keys(reinterpret_cast<const uint8_t*>(keyBytes.constData()), keyBytes.size());
    checkLinks(table, draws, first, last, keys);
    checkOptimisedLines(table, entries, gameId, date);
    checkRange(typed, static_cast<int>(draws.size()));
    checkFilter(entries, gameId, settings);
    return 0;
}
