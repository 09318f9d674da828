// The optimiser's link count and the filter's two passes at their largest sizes, for the 6/49 games
// and for Lotto Max, each beside the record-by-record way of doing the same work.
#include "EntryFilter.h"
#include "LinkTable.h"
#include "OptimisedLines.h"
#include "RandomLines.h"
#include "RandomSource.h"
#include "RealDraws.h"
#include "RecordByRecord.h"
#include "ResultsFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{
constexpr int MaxLines = 32767;
// A Lotto Max entry date of its 1..52 period.
const QDate LottoMaxDay(2026, 12, 1);

// All different, so that at six shared numbers (seven for Lotto Max's 7 of 1..52) nothing is
// marked and every pair is compared.
const std::vector<EntryNumbers>& allLines(int gameId)
{
    static const std::vector<EntryNumbers> sixes = distinctLines(MaxLines, 11);
    static const std::vector<EntryNumbers> lottoMax = distinctLines(MaxLines, 12, 7, 52);
    return gameId == GameCatalogue::LottoMax ? lottoMax : sixes;
}

RecordFile fileOf(const std::vector<EntryNumbers>& lines, int gameId = GameCatalogue::National)
{
    RecordFile file(EntryFile::RecordLength);
    for (const EntryNumbers& line : lines)
        EntryFile::appendLine(file, line, gameId);
    return file;
}

RecordFile firstLines(int n, int gameId)
{
    const auto& all = allLines(gameId);
    return fileOf({all.begin(), all.begin() + n}, gameId);
}

std::vector<EntryNumbers> linesOf(const RecordFile& file)
{
    std::vector<EntryNumbers> lines;
    const int n = EntryFile::lineCount(file);
    lines.reserve(n);
    for (int k = 1; k <= n; ++k)
        lines.push_back(EntryFile::lineOf(file, k));
    return lines;
}

// Args: lines, threshold, game.
void BM_CoverageFilter(benchmark::State& state)
{
    const int gameId = int(state.range(2));
    const RecordFile file = firstLines(int(state.range(0)), gameId);
    const EntryFilter::Settings settings{false, 1, true, int(state.range(1)), LottoMaxDay};
    int marked = 0;
    for (auto _ : state) {
        const auto marks = EntryFilter::check(linesOf(file), gameId, settings);
        marked = int(std::count(marks->begin(), marks->end(), 1));
    }
    state.counters["marked"] = marked;
}
BENCHMARK(BM_CoverageFilter)
    ->Args({MaxLines, 3, GameCatalogue::National})
    ->Args({MaxLines, 6, GameCatalogue::National})
    ->Args({4096, 6, GameCatalogue::National})
    ->Args({MaxLines, 4, GameCatalogue::LottoMax})
    ->Args({MaxLines, 7, GameCatalogue::LottoMax})
    ->Args({4096, 7, GameCatalogue::LottoMax})
    ->Unit(benchmark::kMillisecond);

void BM_CoverageFilterRecordByRecord(benchmark::State& state)
{
    const int n = int(state.range(0));
    const int gameId = int(state.range(2));
    const RecordFile file = firstLines(n, gameId);
    int marked = 0;
    for (auto _ : state) {
        RecordFile work = RecordByRecord::workingCopy(file, n);
        marked = RecordByRecord::markCoverage(work, n, gameId, int(state.range(1)));
    }
    state.counters["marked"] = marked;
}
// Every pair read twice over 32,767 lines takes minutes; the worst case is measured at 4,096.
BENCHMARK(BM_CoverageFilterRecordByRecord)
    ->Args({MaxLines, 3, GameCatalogue::National})
    ->Args({4096, 6, GameCatalogue::National})
    ->Args({MaxLines, 4, GameCatalogue::LottoMax})
    ->Args({4096, 7, GameCatalogue::LottoMax})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

std::vector<EntryNumbers> sumLines()
{
    SeededRandom random(5);
    std::vector<EntryNumbers> lines(2500);
    for (EntryNumbers& line : lines) {
        for (int i = 0; i < 6; ++i)
            line[i] = int16_t(random.between(1, 49));
    }
    return lines;
}

void BM_SumFilter(benchmark::State& state)
{
    const RecordFile file = fileOf(sumLines());
    for (auto _ : state) {
        const auto marks = EntryFilter::check(linesOf(file), 1, {true, 5, false, 3});
        benchmark::DoNotOptimize(marks->data());
    }
}
BENCHMARK(BM_SumFilter)->Unit(benchmark::kMicrosecond);

void BM_SumFilterRecordByRecord(benchmark::State& state)
{
    const RecordFile file = fileOf(sumLines());
    const EntryFilter::SumBand band = EntryFilter::sumBand(1, 5, {});
    for (auto _ : state) {
        RecordFile work = RecordByRecord::workingCopy(file, 2500);
        benchmark::DoNotOptimize(RecordByRecord::markSums(work, 2500, 1, band.low, band.high));
    }
}
BENCHMARK(BM_SumFilterRecordByRecord)->Unit(benchmark::kMicrosecond);

// A full history file: the real draws over and over up to the most a file holds.
const QString& fullHistory()
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("CAN1.rtl"));
    static const bool written = [] {
        const std::vector<DrawRecord> real = loadRealDraws();
        std::vector<DrawRecord> draws;
        while (draws.size() < size_t(ResultsFile::MaxDraws))
            draws.push_back(real[draws.size() % real.size()]);
        return ResultsFile::writeAll(path, draws);
    }();
    if (!written)
        qFatal("could not write the benchmark history");
    return path;
}

void BM_ProcessRange(benchmark::State& state)
{
    const QString& path = fullHistory();
    LinkTable table(1);
    for (auto _ : state) {
        const auto draws = ResultsFile::readAll(path);
        const OptimisedLines::Range range = OptimisedLines::chooseRange(QStringLiteral("32767"), int(draws->size()));
        table.process(*draws, range.first, int(draws->size()));
        benchmark::DoNotOptimize(table.count(1, 2));
    }
}
BENCHMARK(BM_ProcessRange)->Unit(benchmark::kMillisecond);

void BM_ProcessRangePerBall(benchmark::State& state)
{
    const QString& path = fullHistory();
    for (auto _ : state) {
        RecordFile history(DrawRecord::Size);
        history.load(path);
        const int d = history.usableCount();
        benchmark::DoNotOptimize(RecordByRecord::linkTable(history, 1, 1, d)[1][2]);
    }
}
BENCHMARK(BM_ProcessRangePerBall)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
