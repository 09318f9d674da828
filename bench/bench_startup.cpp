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
#include <QItemSelection>
#include <QListView>
#include <QRadioButton>
#include <QStringListModel>
#include <QTemporaryDir>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

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
        Form1 main(ProgramFolders::oneFolder(dir.path()), clock, printers, random);
        main.startUp();
        main.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(main.isDrawShown());
    }
}
BENCHMARK(BM_StartUpToMainWindowShown)->Unit(benchmark::kMillisecond);

// An entry file of 32,767 lines for the newest draw's date. Every `step`-th line holds the draw's
// numbers and wins; the others hold numbers it missed. Step 1 makes one run of winning rows, step 2
// the most runs (16,384), the costly case for a selection.
QTemporaryDir& folderWithWinningEntries(int step)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    std::unique_ptr<QTemporaryDir>& dir = folders[step];
    if (dir)
        return *dir;
    dir = std::make_unique<QTemporaryDir>();
    const auto draws = loadRealDraws();
    const DrawRecord& last = draws.back();
    RecordFile entries(EntryFile::RecordLength);
    EntryNumbers winner{};
    std::copy_n(last.numbers.begin(), 6, winner.begin());
    EntryNumbers loser{};
    for (int n = 1, k = 0; k < 6; ++n) {
        if (std::find(last.numbers.begin(), last.numbers.begin() + 6, n) == last.numbers.begin() + 6 && n != last.bonus)
            loser[k++] = n;
    }
    for (int k = 0; k < EntryFile::MaxLines; ++k)
        EntryFile::appendLine(entries, k % step == 0 ? winner : loser, 3);
    if (!ResultsFile::writeAll(dir->filePath("CAN2.rtl"), draws)
        || !entries.save(dir->filePath(EntryFile::DatedEntryFileName(3, last.day, last.month, last.year))))
        qFatal("could not write the benchmark entries");
    return *dir;
}

void BM_StartUpWithMaximumWinningEntryFile(benchmark::State& state)
{
    const int step = int(state.range(0));
    QTemporaryDir& dir = folderWithWinningEntries(step);
    FixedClock clock(QDate(2026, 9, 23));
    RecordingPrinter printers;
    SeededRandom random(1);
    const int winners = (EntryFile::MaxLines + step - 1) / step;
    for (auto _ : state) {
        Form1 main(ProgramFolders::oneFolder(dir.path()), clock, printers, random);
        main.startUp();
        main.show();
        QApplication::processEvents();
        if (main.findChild<QListView*>(QStringLiteral("entryList"))->selectionModel()->selectedIndexes().size()
            != winners)
            state.SkipWithError("the winning lines were not all selected");
    }
}
BENCHMARK(BM_StartUpWithMaximumWinningEntryFile)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

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

// Reading back 16,384 scattered selected rows, as Edit and Delete do after a check: every selected
// index at once, against Qt's row query (the baseline), which tests every row against every range.
void BM_ReadScatteredSelection(benchmark::State& state)
{
    QStringListModel model(QStringList(EntryFile::MaxLines, QStringLiteral("01 02 03 04 05 06")));
    QListView view;
    view.setModel(&model);
    QItemSelection everyOther;
    for (int r = 0; r < model.rowCount(); r += 2)
        everyOther.select(model.index(r), model.index(r));
    view.selectionModel()->select(everyOther, QItemSelectionModel::Select);
    const bool byIndexes = state.range(0) == 1;
    for (auto _ : state) {
        const auto rows = byIndexes ? view.selectionModel()->selectedIndexes() : view.selectionModel()->selectedRows();
        if (rows.size() != (EntryFile::MaxLines + 1) / 2)
            state.SkipWithError("rows missing");
    }
}
BENCHMARK(BM_ReadScatteredSelection)->ArgName("byIndexes")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
