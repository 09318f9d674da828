// Fuzz target for the shown entry set: the input becomes an entry file and a run of changes made
// through the model (append, replace, delete rows, rewrite, reload, open another file). After each
// one the rows are exactly the lines on disk, a change that succeeds moves the count as it says,
// a refused one leaves file and rows alone, and the model's signals stay consistent.
#include "EntryFile.h"
#include "EntrySet.h"
#include "FuzzRecords.h"
#include "FuzzSupport.h"
#include "GameCatalogue.h"

#include <QAbstractItemModelTester>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

namespace
{
void checkShowsFile(const EntrySet& set)
{
    const std::optional<std::vector<EntryNumbers>> onDisk = EntryFile::readAllLines(set.path());
    FUZZ_CHECK(onDisk && set.count() == static_cast<int>(onDisk->size()) && set.rowCount() == set.count());
    FUZZ_CHECK(set.count() <= EntryFile::MaxLines);
    FUZZ_CHECK(mainOf(set.lines(), set.gameId()) == mainOf(*onDisk, set.gameId()));
}

// A row from -1 to count, so the rows just outside the set come up too.
int rowChoice(FuzzInput& in, int count)
{
    return static_cast<uint16_t>(in.int16()) % (count + 2) - 1;
}

EntryNumbers numbersFrom(FuzzInput& in)
{
    EntryNumbers numbers{};
    for (int16_t& n : numbers)
        n = in.int16();
    return numbers;
}

// Runs one change chosen by the input and checks what it should leave: the lines and count it
// promises on success, the file and rows untouched on failure.
void change(EntrySet& set, FuzzInput& in)
{
    const int count = set.count();
    const std::vector<EntryNumbers> shown = set.lines();
    const QByteArray before = fileBytes(set.path());
    std::vector<EntryNumbers> expected = shown; // the lines a success leaves
    bool expectSuccess = true;
    bool done = false;
    QString error;
    switch (in.byte() % 6) {
    case 0: {
        const EntryNumbers numbers = numbersFrom(in);
        expected.push_back(numbers);
        expectSuccess = count < EntryFile::MaxLines;
        const std::optional<int> newCount = set.append(numbers, &error);
        done = newCount.has_value();
        FUZZ_CHECK(!done || *newCount == count + 1);
        break;
    }
    case 1: {
        const int row = rowChoice(in, count);
        const EntryNumbers numbers = numbersFrom(in);
        expectSuccess = row >= 0 && row < count;
        if (expectSuccess)
            expected[row] = numbers;
        done = set.replace(row, numbers, &error);
        break;
    }
    case 2: {
        QList<int> rows;
        for (int i = in.byte() % 4; i >= 0; --i)
            rows << rowChoice(in, count);
        const std::set<int> distinct(rows.begin(), rows.end());
        expectSuccess = *distinct.begin() >= 0 && *distinct.rbegin() < count;
        for (auto row = distinct.rbegin(); expectSuccess && row != distinct.rend(); ++row)
            expected.erase(expected.begin() + *row);
        done = set.removeLines(rows, &error);
        break;
    }
    case 3: {
        const QByteArray bytes = in.take(in.byte());
        expected = linesOf(bytes);
        done = set.rewrite(bytes, &error);
        FUZZ_CHECK(!done || fileBytes(set.path()) == bytes);
        break;
    }
    case 4: {
        std::vector<EntryNumbers> added(in.byte() % 4);
        for (EntryNumbers& numbers : added)
            numbers = numbersFrom(in);
        expected.insert(expected.end(), added.begin(), added.end());
        expectSuccess = expected.size() <= static_cast<size_t>(EntryFile::MaxLines);
        const std::optional<int> newCount = set.append(added, &error);
        done = newCount.has_value();
        FUZZ_CHECK(!done || *newCount == static_cast<int>(expected.size()));
        break;
    }
    default:
        done = set.reload(&error);
        break;
    }
    FUZZ_CHECK(done == expectSuccess);
    if (done)
        FUZZ_CHECK(mainOf(set.lines(), set.gameId()) == mainOf(expected, set.gameId()));
    else
        FUZZ_CHECK(!error.isEmpty() && fileBytes(set.path()) == before && set.lines() == shown);
    checkShowsFile(set);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t flags = in.byte();
    const int gameId = in.between(1, 7);
    const int sizeChoice = in.byte();
    QByteArray bytes = in.take(in.byte() * EntryFile::RecordLength / 4);
    if (growToLimit && (flags & 1))
        bytes = grownToLimit(bytes, EntryFile::RecordLength, EntryFile::MaxLines, sizeChoice);
    const QString first = scratchPath(QStringLiteral("Nat64905JAN2003.lot"));
    const QString second = scratchPath(QStringLiteral("National-6-4-3.lot"));
    putFile(first, bytes);
    QFile::remove(second);

    EntrySet set;
    // The tester walks every row on each reset, too slow for the files at the line limit.
    std::unique_ptr<QAbstractItemModelTester> tester;
    if (bytes.size() < qsizetype(EntryFile::RecordLength) * 1000)
        tester =
            std::make_unique<QAbstractItemModelTester>(&set, QAbstractItemModelTester::FailureReportingMode::Fatal);
    FUZZ_CHECK(set.open(first, gameId));
    checkShowsFile(set);
    for (int step = 0; step < 16 && !in.empty(); ++step) {
        if (step == 8) {
            // Leaving a set deletes its file only when it holds no line.
            const bool empty = set.count() == 0;
            FUZZ_CHECK(set.open(second, gameId));
            FUZZ_CHECK(QFile::exists(first) == !empty);
            checkShowsFile(set);
        }
        change(set, in);
    }
    set.clear();
    QFile::remove(first);
    QFile::remove(second);
    return 0;
}
