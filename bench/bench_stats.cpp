// Statistics and ball information over a history at the 32,767-draw maximum (the official
// National 6/49 draws repeated), and 2,500 suggested lines from the official history. Each fast
// method runs beside the record-by-record baseline: the file read one 28-byte record at a time.
#include "BallInfo.h"
#include "DrawStatistics.h"
#include "EntrySet.h"
#include "RealDraws.h"
#include "RecordFile.h"
#include "ResultsFile.h"
#include "SuggestLines.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <benchmark/benchmark.h>

namespace
{
constexpr int Ball = 7;

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

const QString& fullHistory()
{
    static const QString path = [] {
        const auto real = loadRealDraws();
        std::vector<DrawRecord> draws;
        draws.reserve(ResultsFile::MaxDraws);
        while (draws.size() < size_t(ResultsFile::MaxDraws))
            draws.push_back(real[draws.size() % real.size()]);
        const QString file = folder().filePath(QStringLiteral("CAN1.rtl"));
        if (!ResultsFile::writeAll(file, draws))
            qFatal("could not write the benchmark history");
        return file;
    }();
    return path;
}

// The baseline's reader: record 1's count, then every record in turn through one QFile.
template <typename Visit> int readRecordByRecord(const QString& path, Visit visit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const int count = RecordFile::get32(file.read(DrawRecord::Size), 0);
    for (int r = 1; r <= count; ++r) {
        file.seek(qint64(r - 1) * DrawRecord::Size);
        visit(r, DrawRecord::fromBytes(file.read(DrawRecord::Size)));
    }
    return count;
}

void BM_SortedStatistics(benchmark::State& state)
{
    for (auto _ : state) {
        const auto draws = ResultsFile::readAll(fullHistory());
        const auto counts = DrawStatistics::countMainNumbers(*draws, 1).counts;
        benchmark::DoNotOptimize(DrawStatistics::chartRows(counts, true));
    }
}
BENCHMARK(BM_SortedStatistics)->Unit(benchmark::kMillisecond);

void BM_SortedStatistics_RecordByRecord(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<int> counts(49);
        readRecordByRecord(fullHistory(), [&](int, const DrawRecord& d) {
            for (int p = 0; p < 6; ++p)
                ++counts[d.numbers[p] - 1];
        });
        benchmark::DoNotOptimize(DrawStatistics::chartRows(counts, true));
    }
}
BENCHMARK(BM_SortedStatistics_RecordByRecord)->Unit(benchmark::kMillisecond);

void BM_BallInformation(benchmark::State& state)
{
    for (auto _ : state) {
        const auto draws = ResultsFile::readAll(fullHistory());
        benchmark::DoNotOptimize(BallInfo::of(*draws, 1, Ball));
    }
}
BENCHMARK(BM_BallInformation)->Unit(benchmark::kMillisecond);

void BM_BallInformation_RecordByRecord(benchmark::State& state)
{
    for (auto _ : state) {
        int times = 0;
        int last = 0;
        readRecordByRecord(fullHistory(), [&](int r, const DrawRecord& d) {
            if (std::count(d.numbers.begin(), d.numbers.begin() + 6, Ball) > 0) {
                ++times;
                last = r;
            }
        });
        benchmark::DoNotOptimize(times + last);
    }
}
BENCHMARK(BM_BallInformation_RecordByRecord)->Unit(benchmark::kMillisecond);

// 2,500 "Additional" lines into an empty set, kept in memory.
void BM_Suggest2500(benchmark::State& state)
{
    const auto draws = loadRealDraws();
    for (auto _ : state) {
        std::vector<EntryNumbers> made;
        SeededRandom random(1);
        const auto append = [&](const EntryNumbers& line, QString*) {
            made.push_back(line);
            return true;
        };
        SuggestLines(
            {}, draws, {1, 2500, SuggestMode::Additional, 0, QDate(2026, 12, 5)}, random, append, [] { return false; });
        if (made.size() != 2500)
            state.SkipWithError("the run made fewer lines");
    }
}
BENCHMARK(BM_Suggest2500)->Unit(benchmark::kMillisecond);

// The same run with every line stored through the entry set as it is made, as the add window does.
void BM_Suggest2500_IntoEntrySet(benchmark::State& state)
{
    const auto draws = loadRealDraws();
    const QString path = folder().filePath(QStringLiteral("Nat64905JAN2003.lot"));
    for (auto _ : state) {
        QFile::remove(path);
        EntrySet entries;
        entries.open(path, 1);
        SeededRandom random(1);
        const auto append = [&](const EntryNumbers& line, QString* error) {
            return entries.append(line, error).has_value();
        };
        const auto outcome = SuggestLines(
            {}, draws, {1, 2500, SuggestMode::Additional, 0, QDate(2026, 12, 5)}, random, append, [] { return false; });
        if (outcome.added != 2500)
            state.SkipWithError(qPrintable(outcome.message));
    }
}
BENCHMARK(BM_Suggest2500_IntoEntrySet)->Unit(benchmark::kMillisecond)->Iterations(1);

// As the add window runs it: the lines made in the last 100 ms go through the entry set in one write.
void BM_Suggest2500_IntoEntrySetInBatches(benchmark::State& state)
{
    const auto draws = loadRealDraws();
    const QString path = folder().filePath(QStringLiteral("Nat64905JAN2003.lot"));
    for (auto _ : state) {
        QFile::remove(path);
        EntrySet entries;
        entries.open(path, 1);
        SeededRandom random(1);
        std::vector<EntryNumbers> pending;
        QElapsedTimer sinceWrite;
        sinceWrite.start();
        const auto write = [&] {
            entries.append(pending);
            pending.clear();
            sinceWrite.restart();
        };
        const auto append = [&](const EntryNumbers& line, QString*) {
            pending.push_back(line);
            return true;
        };
        const auto yield = [&] {
            if (sinceWrite.elapsed() >= 100)
                write();
            return false;
        };
        SuggestLines({}, draws, {1, 2500, SuggestMode::Additional, 0, QDate(2026, 12, 5)}, random, append, yield);
        write();
        if (entries.count() != 2500)
            state.SkipWithError("the set holds fewer lines");
    }
}
BENCHMARK(BM_Suggest2500_IntoEntrySetInBatches)->Unit(benchmark::kMillisecond)->Iterations(3);
} // namespace
