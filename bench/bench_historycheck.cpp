// History check with the official National 6/49 history (4,453 draws): the mask check against the
// straightforward method (the entry file re-read for every draw, each line scored by ScoreLine),
// the largest entry file against every draw, a full listing page shown, and the whole check as the
// window runs it.
#include "DrawCheck.h"
#include "EntryFile.h"
#include "EntrySet.h"
#include "FixedClock.h"
#include "Form6.h"
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

std::vector<EntryNumbers> randomLines(int count)
{
    SeededRandom random(49);
    std::vector<EntryNumbers> lines;
    while (static_cast<int>(lines.size()) < count) {
        EntryNumbers line{};
        for (int used = 0; used < 6;) {
            const auto n = static_cast<int16_t>(random.between(1, 49));
            if (std::count(line.begin(), line.begin() + used, n) == 0)
                line[used++] = n;
        }
        std::sort(line.begin(), line.begin() + 6);
        lines.push_back(line);
    }
    return lines;
}

// An entry file of that many lines, written once per run.
QString entryFileOf(int count)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench%1.lot").arg(count));
    if (!EntryFile::fileExists(path)) {
        RecordFile file(EntryFile::RecordLength);
        for (const EntryNumbers& line : randomLines(count)) {
            if (!EntryFile::appendLine(file, line, Game))
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

void setComparisons(benchmark::State& state, int lines)
{
    const double comparisons = double(lines) * double(realDraws().size());
    state.counters["comparisons/s"] =
        benchmark::Counter(comparisons * double(state.iterations()), benchmark::Counter::kIsRate);
}

// The straightforward method: every draw re-reads the entry file and scores each line, building
// the listing text as it goes.
void BM_StraightforwardCheck(benchmark::State& state)
{
    const QString path = entryFileOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::array<long long, 8> counts{};
        QStringList listing;
        for (const DrawRecord& draw : realDraws()) {
            listing << DrawRecord(draw).listLine(Game);
            std::array<int16_t, 9> shown{};
            std::copy_n(draw.numbers.begin(), 6, shown.begin());
            shown[6] = draw.bonus;
            const auto lines = EntryFile::readAllLines(path);
            for (const EntryNumbers& line : *lines) {
                const LineScore score = ScoreLine(line, shown, Game);
                if (score.label.isEmpty())
                    continue;
                const int row = HistoryCheck::rowOf(Game, score.matches, score.bonus);
                ++counts[row];
                if (listing.size() < HistoryListing::Capacity)
                    listing << FormatWinningLine(line, Game, HistoryCheck::hitLabel(Game, row));
            }
        }
        benchmark::DoNotOptimize(counts);
    }
    setComparisons(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_StraightforwardCheck)->Arg(2500)->Unit(benchmark::kMillisecond)->Iterations(1);

// The entry file read once, lines and draws as masks; includes building the check.
void BM_MaskCheck(benchmark::State& state)
{
    const QString path = entryFileOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        HistoryCheck check(*EntryFile::readAllLines(path), realDraws(), Game, wholeHistory());
        check.run();
        benchmark::DoNotOptimize(check.count(5));
    }
    setComparisons(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_MaskCheck)->Arg(2500)->Arg(EntryFile::MaxLines)->Unit(benchmark::kMillisecond);

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
