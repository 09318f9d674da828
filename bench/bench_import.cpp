// Filling an empty National 6/49 history from the operator's file (4,453 draws): the import builds
// the file in memory and writes it once; the baseline adds the same draws one at a time through
// the Add Draw path, each insert reading and rewriting the file.
#include "DrawImport.h"
#include "ResultsFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{
const QString official = QStringLiteral(TEST_DATA_DIR "/649-official.csv");

void BM_ImportOfficialFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString history = dir.filePath("CAN1.rtl");
    for (auto _ : state) {
        QFile::remove(history);
        const auto summary = DrawImport::importFile(official, history, 1, {});
        if (!summary || summary->added != 4453)
            state.SkipWithError("the import did not add the whole history");
    }
    state.SetItemsProcessed(state.iterations() * 4453);
}
BENCHMARK(BM_ImportOfficialFile)->Unit(benchmark::kMillisecond);

void BM_AddEachDrawInTurn(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString history = dir.filePath("CAN1.rtl");
    const auto parsed = DrawImport::parse(DrawImport::readSource(official).value_or(QByteArray()), 1);
    if (!parsed) {
        state.SkipWithError("the official file did not parse");
        return;
    }
    for (auto _ : state) {
        QFile::remove(history);
        for (const DrawImport::ImportedDraw& d : parsed->draws)
            benchmark::DoNotOptimize(ResultsFile::insertDraw(history, 1, d.day, d.month, d.year, d.numbers, d.bonus));
    }
    state.SetItemsProcessed(state.iterations() * 4453);
}
BENCHMARK(BM_AddEachDrawInTurn)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace

BENCHMARK_MAIN();
