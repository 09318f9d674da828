// History check with the official National 6/49 history (4,453 draws) and a Lotto Max history at the
// format's limit (the official 1,273 draws repeated to 32,767, so the draws keep switching between
// the three prize tables): the mask check against the straightforward method (the entry file re-read
// for every draw, each line scored by ScoreLine), the largest entry file against every draw, a full
// listing page shown, and the whole check as the window runs it.
#include "DrawCheck.h"
#include "EntryFile.h"
#include "EntrySet.h"
#include "FixedClock.h"
#include "Form6.h"
#include "GameCatalogue.h"
#include "HistoryCheck.h"
#include "HistoryPageModel.h"
#include "RandomSource.h"
#include "RealDraws.h"
#include "ResultsFile.h"
#include "ScriptedPrompts.h"

#include <QApplication>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{
constexpr int Game = 1;

const std::vector<DrawRecord>& realDraws()
{
    static const std::vector<DrawRecord> draws = loadRealDraws();
    return draws;
}

const std::vector<DrawRecord>& lottoMaxAtLimit()
{
    static const std::vector<DrawRecord> draws = [] {
        const std::vector<DrawRecord> real = loadLottoMaxDraws();
        std::vector<DrawRecord> all;
        for (int i = 0; i < ResultsFile::MaxDraws; ++i)
            all.push_back(real[i % real.size()]);
        return all;
    }();
    return draws;
}

const std::vector<DrawRecord>& drawsOf(int gameId)
{
    return gameId == GameCatalogue::LottoMax ? lottoMaxAtLimit() : realDraws();
}

std::vector<EntryNumbers> randomLines(int count, int gameId = Game)
{
    const int perLine = GameCatalogue::mainCount(gameId);
    SeededRandom random(49);
    std::vector<EntryNumbers> lines;
    while (static_cast<int>(lines.size()) < count) {
        std::vector<int16_t> numbers;
        while (static_cast<int>(numbers.size()) < perLine) {
            const auto n = static_cast<int16_t>(random.between(1, GameCatalogue::highestEver(gameId)));
            if (std::count(numbers.begin(), numbers.end(), n) == 0)
                numbers.push_back(n);
        }
        std::sort(numbers.begin(), numbers.end());
        EntryNumbers& line = lines.emplace_back();
        std::copy(numbers.begin(), numbers.end(), line.begin());
    }
    return lines;
}

// An entry file of that many lines, written once per run.
QString entryFileOf(int count, int gameId = Game)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench%1-%2.lot").arg(count).arg(gameId));
    if (!EntryFile::fileExists(path)) {
        RecordFile file(EntryFile::RecordLength);
        for (const EntryNumbers& line : randomLines(count, gameId)) {
            if (!EntryFile::appendLine(file, line, gameId))
                qFatal("could not build the benchmark entry file");
        }
        if (!file.save(path))
            qFatal("could not write %s", qPrintable(path));
    }
    return path;
}

HistoryRange wholeHistory()
{
    return {1, static_cast<int>(realDraws().size())};
}

void setComparisons(benchmark::State& state, int lines, int gameId = Game)
{
    const double comparisons = double(lines) * double(drawsOf(gameId).size());
    state.counters["comparisons/s"] =
        benchmark::Counter(comparisons * double(state.iterations()), benchmark::Counter::kIsRate);
}

// The straightforward method: every draw re-reads the entry file and scores each line by the prizes
// of the draw's date, building the listing text as it goes. Arguments: lines, game.
void BM_StraightforwardCheck(benchmark::State& state)
{
    const int gameId = static_cast<int>(state.range(1));
    const int perDraw = GameCatalogue::mainCount(gameId);
    const QString path = entryFileOf(static_cast<int>(state.range(0)), gameId);
    for (auto _ : state) {
        std::array<long long, HistoryCheck::RowCount + 1> counts{};
        QStringList listing;
        for (const DrawRecord& draw : drawsOf(gameId)) {
            listing << DrawRecord(draw).listLine(gameId);
            std::array<int16_t, 9> shown{};
            std::copy_n(draw.numbers.begin(), perDraw, shown.begin());
            shown[perDraw] = draw.bonus;
            const QDate date(draw.year, draw.month, draw.day);
            const auto lines = EntryFile::readAllLines(path);
            for (const EntryNumbers& line : *lines) {
                const GamePeriod& rules = GameCatalogue::period(gameId, date);
                const LineScore score = ScoreLine(line, shown, rules);
                if (score.label.isEmpty())
                    continue;
                const int row = HistoryCheck::rowOf(rules, score.matches, score.bonus);
                ++counts[row];
                if (listing.size() < HistoryListing::Capacity)
                    listing << FormatWinningLine(line, gameId, HistoryCheck::hitLabel(gameId, row));
            }
        }
        benchmark::DoNotOptimize(counts);
    }
    setComparisons(state, static_cast<int>(state.range(0)), gameId);
}
BENCHMARK(BM_StraightforwardCheck)
    ->Args({2500, Game})
    ->Args({2500, GameCatalogue::LottoMax})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The entry file read once, lines and draws as masks; includes building the check.
void BM_MaskCheck(benchmark::State& state)
{
    const int gameId = static_cast<int>(state.range(1));
    const QString path = entryFileOf(static_cast<int>(state.range(0)), gameId);
    const std::vector<DrawRecord>& draws = drawsOf(gameId);
    for (auto _ : state) {
        HistoryCheck check(*EntryFile::readAllLines(path), draws, gameId, {1, static_cast<int>(draws.size())});
        check.run();
        benchmark::DoNotOptimize(check.count(5));
    }
    setComparisons(state, static_cast<int>(state.range(0)), gameId);
}
BENCHMARK(BM_MaskCheck)
    ->Args({2500, Game})
    ->Args({EntryFile::MaxLines, Game})
    ->Args({2500, GameCatalogue::LottoMax})
    ->Args({EntryFile::MaxLines, GameCatalogue::LottoMax})
    ->Unit(benchmark::kMillisecond);

// A listing whose first page is full, for the page benchmarks.
const HistoryCheck& fullListing()
{
    static const HistoryCheck check = [] {
        HistoryCheck c(randomLines(2500), realDraws(), Game, wholeHistory());
        c.run();
        if (c.listing().page(0).size() != HistoryListing::PageCapacity)
            qFatal("the benchmark listing does not fill a page");
        return c;
    }();
    return check;
}

// The page as a view on a model that makes its lines on demand.
void BM_ShowPageModel(benchmark::State& state)
{
    const HistoryCheck& check = fullListing();
    for (auto _ : state) {
        QListView view;
        view.setUniformItemSizes(true);
        view.setFont(QFont(QStringLiteral("Courier New")));
        HistoryPageModel page(0);
        page.setCheck(&check);
        view.setModel(&page);
        view.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(view.model()->rowCount());
    }
    state.SetItemsProcessed(state.iterations() * HistoryListing::PageCapacity);
}
BENCHMARK(BM_ShowPageModel)->Unit(benchmark::kMillisecond);

// The page filled one widget item at a time, as a list box is.
void BM_ShowPageItemByItem(benchmark::State& state)
{
    const HistoryCheck& check = fullListing();
    for (auto _ : state) {
        QListWidget list;
        list.setFont(QFont(QStringLiteral("Courier New")));
        for (const ListingEntry& entry : check.listing().page(0))
            list.addItem(check.text(entry));
        list.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(list.count());
    }
    state.SetItemsProcessed(state.iterations() * HistoryListing::PageCapacity);
}
BENCHMARK(BM_ShowPageItemByItem)->Unit(benchmark::kMillisecond)->Iterations(1);
// What the player waits for: "Check" pressed in the window until the summary and the first page
// are shown, the check running in slices on the event loop.
void BM_WindowCheck(benchmark::State& state)
{
    static QTemporaryDir dir;
    const QString results = dir.filePath(QStringLiteral("CAN1.rtl"));
    if (!ResultsFile::writeAll(results, realDraws()))
        qFatal("could not write the benchmark history");
    EntrySet entries;
    entries.open(entryFileOf(static_cast<int>(state.range(0))), Game);
    const FixedClock clock(QDate(2026, 12, 5));
    ScriptedPrompts prompts; // answers the listing-limit message
    for (auto _ : state) {
        Form6 form(Game, results, entries, clock, nullptr);
        form.show();
        form.findChild<QPushButton*>(QStringLiteral("checkButton"))->click();
        while (form.isChecking())
            QApplication::processEvents();
        benchmark::DoNotOptimize(prompts.shown.size());
    }
    setComparisons(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_WindowCheck)->Arg(2500)->Unit(benchmark::kMillisecond);
} // namespace
