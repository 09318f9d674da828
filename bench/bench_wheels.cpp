// Proving every wheel of the catalogue: how long the exhaustive check of the 73 shipped pattern
// files takes, with the files read once up front and with reading included. Saving the largest
// Super 7 wheel: checked whole and written once, beside writing record by record as lines are read.
#include "RecordFile.h"
#include "WheelCatalogue.h"
#include "WheelEntrySet.h"
#include "WheelFile.h"
#include "WheelProof.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace
{
struct LoadedWheel
{
    Wheel wheel;
    std::vector<uint32_t> lines;
};

QString pathOf(const Wheel& wheel)
{
    return QStringLiteral(WHEELS_DIR) + QLatin1Char('/') + wheel.fileName();
}

std::vector<LoadedWheel> loadAll(benchmark::State& state)
{
    std::vector<LoadedWheel> loaded;
    for (const Wheel& wheel : WheelCatalogue::allWheels()) {
        QString error;
        const auto lines =
            WheelFile::readLineMasks(pathOf(wheel), wheel.kind->lineSize, wheel.balls, wheel.lines, &error);
        if (!lines) {
            state.SkipWithError(qPrintable(error));
            return {};
        }
        loaded.push_back({wheel, *lines});
    }
    return loaded;
}

void BM_ProveAllWheels(benchmark::State& state)
{
    const std::vector<LoadedWheel> loaded = loadAll(state);
    for (auto _ : state) {
        int kept = 0;
        for (const LoadedWheel& w : loaded) {
            const WheelKind& kind = *w.wheel.kind;
            kept += !WheelProof::firstUncovered(w.lines, w.wheel.balls, kind.drawn, kind.match);
        }
        if (kept != 73)
            state.SkipWithError("a wheel does not keep its guarantee");
        benchmark::DoNotOptimize(kept);
    }
}
BENCHMARK(BM_ProveAllWheels)->Unit(benchmark::kMillisecond);

void BM_ReadAndProveAllWheels(benchmark::State& state)
{
    for (auto _ : state) {
        const std::vector<LoadedWheel> loaded = loadAll(state);
        int kept = 0;
        for (const LoadedWheel& w : loaded) {
            const WheelKind& kind = *w.wheel.kind;
            kept += !WheelProof::firstUncovered(w.lines, w.wheel.balls, kind.drawn, kind.match);
        }
        benchmark::DoNotOptimize(kept);
    }
}
BENCHMARK(BM_ReadAndProveAllWheels)->Unit(benchmark::kMillisecond);

const QString LargestPattern = QStringLiteral(WHEELS_DIR "/7-7-7-11.whl");
const std::vector<int> ElevenBalls{2, 5, 9, 14, 18, 23, 27, 31, 36, 40, 47};

void BM_SaveWheelWhole(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString setPath = dir.filePath(QStringLiteral("Super7-7-7-7.lot"));
    for (auto _ : state) {
        const auto result = WheelEntrySet::save(LargestPattern, setPath, 7, ElevenBalls, 330, [] { return true; });
        if (result.outcome != WheelEntrySet::Outcome::Saved)
            state.SkipWithError(qPrintable(result.message));
    }
}
BENCHMARK(BM_SaveWheelWhole)->Unit(benchmark::kMicrosecond);

// Baseline: each pattern line read and its record written straight away into the open set.
void BM_SaveWheelRecordByRecord(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString setPath = dir.filePath(QStringLiteral("Super7-7-7-7.lot"));
    for (auto _ : state) {
        QFile pattern(LargestPattern);
        QFile set(setPath);
        if (!pattern.open(QIODevice::ReadOnly)
            || !set.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
            state.SkipWithError("cannot open the files");
            return;
        }
        WheelFile file(pattern);
        for (int r = 1; r <= 330; ++r) {
            const PatternLine line = file.ReadPatternLine(7, ElevenBalls);
            QByteArray record(28, '\0');
            RecordFile::put32(record, 0, 330);
            for (int j = 0; j < 7; ++j)
                RecordFile::put16(record, 12 + 2 * j, static_cast<int16_t>(line.numbers[std::size_t(j)]));
            set.write(record);
        }
    }
}
BENCHMARK(BM_SaveWheelRecordByRecord)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
