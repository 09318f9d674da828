// Proving every wheel of the catalogue: how long the exhaustive check of the 73 shipped pattern
// files takes, with the files read once up front and with reading included.
#include "WheelCatalogue.h"
#include "WheelFile.h"
#include "WheelProof.h"

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
} // namespace

BENCHMARK_MAIN();
