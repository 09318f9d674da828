// Start-up to the main window shown, and reading a whole history, with the official
// National 6/49 history (4,453 draws) in place; start-up with an entry file at the format's
// maximum whose every line wins, against selecting the winning rows one at a time.
#include "EntryFile.h"
#include "FixedClock.h"
#include "Form1.h"
#include "RandomSource.h"
#include "RealDraws.h"
#include "RecordingPrinter.h"
#include "ResultsFile.h"

#include <QApplication>
#include <QListView>
#include <QRadioButton>
#include <QStringListModel>
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

// The newest draw's numbers in every line of the entry file of its date: 32,767 winning lines.
QTemporaryDir& folderWithWinningEntries()
{
    static QTemporaryDir dir;
    static const bool written = [] {
        const auto draws = loadRealDraws();
        const DrawRecord& last = draws.back();
        RecordFile entries(EntryFile::RecordLength);
        EntryNumbers line{};
        std::copy_n(last.numbers.begin(), 6, line.begin());
        for (int k = 0; k < EntryFile::MaxLines; ++k)
            EntryFile::appendLine(entries, line, 3);
        return ResultsFile::writeAll(dir.filePath("CAN2.rtl"), draws)
               && entries.save(dir.filePath(EntryFile::DatedEntryFileName(3, last.day, last.month, last.year)));
    }();
    if (!written)
        qFatal("could not write the benchmark entries");
    return dir;
}

void BM_StartUpWithMaximumWinningEntryFile(benchmark::State& state)
{
    QTemporaryDir& dir = folderWithWinningEntries();
    FixedClock clock(QDate(2026, 9, 23));
    RecordingPrinter printers;
    SeededRandom random(1);
    for (auto _ : state) {
        Form1 main(dir.path(), clock, printers, random);
        main.startUp();
        main.show();
        QApplication::processEvents();
        if (main.findChild<QListView*>(QStringLiteral("entryList"))->selectionModel()->selectedRows().size()
            != EntryFile::MaxLines)
            state.SkipWithError("not every line was selected as a winner");
    }
}
BENCHMARK(BM_StartUpWithMaximumWinningEntryFile)->Unit(benchmark::kMillisecond);

// The baseline: the winning rows selected one at a time, each merged into the growing selection.
void BM_SelectWinningRowsOneByOne(benchmark::State& state)
{
    QStringListModel model(QStringList(int(state.range(0)), QStringLiteral("01 02 03 04 05 06")));
    QListView view;
    view.setModel(&model);
    for (auto _ : state) {
        view.clearSelection();
        for (int r = 0; r < model.rowCount(); ++r)
            view.selectionModel()->select(model.index(r), QItemSelectionModel::Select);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SelectWinningRowsOneByOne)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond);

void BM_SelectWinningRowsAtOnce(benchmark::State& state)
{
    QStringListModel model(QStringList(int(state.range(0)), QStringLiteral("01 02 03 04 05 06")));
    QListView view;
    view.setModel(&model);
    for (auto _ : state) {
        view.clearSelection();
        QItemSelection all;
        all.select(model.index(0), model.index(model.rowCount() - 1));
        view.selectionModel()->select(all, QItemSelectionModel::Select);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SelectWinningRowsAtOnce)->Arg(2000)->Arg(4000)->Arg(32767)->Unit(benchmark::kMillisecond);

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
