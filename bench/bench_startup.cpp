// Start-up to the main window shown, and reading a whole history, with the official
// National 6/49 history (4,453 draws) in place.
#include "FixedClock.h"
#include "Form1.h"
#include "RandomSource.h"
#include "RealDraws.h"
#include "RecordingPrinter.h"
#include "ResultsFile.h"

#include <QApplication>
#include <QRadioButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{
QTemporaryDir& folderWithHistory()
{
    static QTemporaryDir dir;
    static const bool written = [] {
        const auto draws = loadRealDraws();
        // Both the start-up game (Western) and National 6/49 get the full history.
        return ResultsFile::writeAll(dir.filePath("CAN1.rtl"), draws)
               && ResultsFile::writeAll(dir.filePath("CAN2.rtl"), draws);
    }();
    if (!written)
        qFatal("could not write the benchmark history");
    return dir;
}

void BM_StartUpToMainWindowShown(benchmark::State& state)
{
    QTemporaryDir& dir = folderWithHistory();
    FixedClock clock(QDate(2026, 9, 23)); // the last draw of the history, so a draw is found and shown
    RecordingPrinter printers;
    SeededRandom random(1);
    for (auto _ : state) {
        Form1 main(dir.path(), clock, printers, random);
        main.startUp();
        main.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(main.isDrawShown());
    }
}
BENCHMARK(BM_StartUpToMainWindowShown)->Unit(benchmark::kMillisecond);

void BM_ReadWholeHistory(benchmark::State& state)
{
    const QString path = folderWithHistory().filePath("CAN1.rtl");
    for (auto _ : state) {
        const auto draws = ResultsFile::readAll(path);
        benchmark::DoNotOptimize(draws->size());
    }
    state.SetItemsProcessed(state.iterations() * 4453);
}
BENCHMARK(BM_ReadWholeHistory)->Unit(benchmark::kMicrosecond);

void BM_FindLastDrawByDate(benchmark::State& state)
{
    const QString path = folderWithHistory().filePath("CAN1.rtl");
    for (auto _ : state)
        benchmark::DoNotOptimize(ResultsFile::findDraw(path, 23, 9, 2026));
}
BENCHMARK(BM_FindLastDrawByDate)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
