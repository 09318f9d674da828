#include "EntryFilter.h"
#include "RandomLines.h"
#include "RandomSource.h"
#include "RecordByRecord.h"

#include <QTest>

using Lines = std::vector<EntryNumbers>;
using Marks = EntryFilter::Marks;
Q_DECLARE_METATYPE(Lines)
Q_DECLARE_METATYPE(Marks)

namespace
{
const EntryNumbers S7{2, 9, 16, 23, 30, 37, 44};

// A line of distinct ascending numbers adding up to sum.
EntryNumbers lineWithSum(int sum, int gameId)
{
    const int k = GameCatalogue::mainCount(gameId);
    EntryNumbers line{};
    int rest = sum;
    for (int i = 0; i < k; ++i) {
        line[i] = int16_t(i + 1);
        rest -= i + 1;
    }
    for (int i = k - 1; i >= 0 && rest > 0; --i) {
        const int room = GameCatalogue::highestNumber(gameId) - (k - 1 - i) - line[i];
        const int add = std::min(rest, room);
        line[i] = int16_t(line[i] + add);
        rest -= add;
    }
    return line;
}

RecordFile fileOf(const Lines& lines)
{
    RecordFile file(EntryFile::RecordLength);
    for (const EntryNumbers& line : lines)
        EntryFile::appendLine(file, line, GameCatalogue::Super7);
    return file;
}

QByteArray rec(int32_t head, const EntryNumbers& numbers, int16_t day = 0, int16_t tail = 0)
{
    QByteArray r(28, '\0');
    RecordFile::put32(r, 0, head);
    RecordFile::put16(r, 6, day);
    for (int i = 0; i < 7; ++i)
        RecordFile::put16(r, 12 + 2 * i, numbers[i]);
    RecordFile::put16(r, 26, tail);
    return r;
}

// Random lines, with some near copies of earlier ones so that every threshold marks something.
Lines randomLines(int count, int gameId, quint32 seed, bool damaged)
{
    SeededRandom random(seed);
    const int k = GameCatalogue::mainCount(gameId);
    Lines lines;
    for (int r = 0; r < count; ++r) {
        EntryNumbers line{};
        if (r > 10 && random.between(0, 2) == 0) {
            line = lines[random.between(0, r - 1)];
            line[random.between(0, k - 1)] = int16_t(random.between(1, 49));
        } else {
            for (int i = 0; i < k; ++i)
                line[i] = int16_t(damaged ? random.between(-1, 70) : random.between(1, 49));
        }
        lines.push_back(line);
    }
    return lines;
}
} // namespace

class tst_EntryFilter : public QObject
{
    Q_OBJECT

private slots:
    void sumEdges_data();
    void sumEdges();
    void coverage_data();
    void coverage();
    void bothFilters();
    void matchesRecordByRecord_data();
    void matchesRecordByRecord();
    void fileMaximum();
    void thinned_data();
    void thinned();
};

void tst_EntryFilter::sumEdges_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("sum");
    QTest::addColumn<bool>("marked");
    QTest::newRow("6/49 84") << 1 << 1 << 84 << true;
    QTest::newRow("6/49 85") << 1 << 1 << 85 << false;
    QTest::newRow("6/49 213") << 1 << 1 << 213 << false;
    QTest::newRow("6/49 214") << 1 << 1 << 214 << true;
    QTest::newRow("6/49 at 5, 124") << 3 << 5 << 124 << true;
    QTest::newRow("6/49 at 5, 125") << 3 << 5 << 125 << false;
    QTest::newRow("super 7 97") << 2 << 1 << 97 << true;
    QTest::newRow("super 7 239") << 2 << 1 << 239 << true;
    QTest::newRow("super 7 at 3, 117") << 2 << 3 << 117 << true;
}

void tst_EntryFilter::sumEdges()
{
    QFETCH(int, gameId);
    QFETCH(int, position);
    QFETCH(int, sum);
    QFETCH(bool, marked);
    const Lines lines{lineWithSum(sum, gameId)};
    const auto marks = EntryFilter::check(lines, gameId, {true, position, false, 3});
    QVERIFY(marks);
    QCOMPARE(marks->at(0) != 0, marked);
}

void tst_EntryFilter::coverage_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<int>("threshold");
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<Marks>("marks");
    const EntryNumbers a{1, 2, 3, 10, 11, 12, 0}, b{1, 2, 3, 20, 21, 22, 0}, c{20, 21, 22, 30, 31, 32, 0};
    QTest::newRow("two identical, T 6") << 1 << 6 << Lines{a, a} << Marks{0, 1};
    QTest::newRow("a marked line is no reference") << 1 << 3 << Lines{a, b, c} << Marks{0, 1, 0};
    QTest::newRow("later reference") << 5 << 3 << Lines{c, a, b} << Marks{0, 0, 1};
    const EntryNumbers s2{2, 9, 16, 23, 30, 37, 45};
    QTest::newRow("super 7 identical, T 7") << 2 << 7 << Lines{S7, S7} << Marks{0, 1};
    QTest::newRow("super 7 six shared, T 7") << 2 << 7 << Lines{S7, s2} << Marks{0, 0};
    QTest::newRow("super 7 six shared, T 6") << 2 << 6 << Lines{S7, s2} << Marks{0, 1};
    // A number held three times matches three times, as the pair count has it.
    QTest::newRow("damaged line counts pairs")
        << 1 << 3 << Lines{{1, 1, 1, 2, 3, 4, 0}, {1, 40, 41, 42, 43, 44, 0}} << Marks{0, 1};
}

void tst_EntryFilter::coverage()
{
    QFETCH(int, gameId);
    QFETCH(int, threshold);
    QFETCH(Lines, lines);
    QFETCH(Marks, marks);
    QCOMPARE(EntryFilter::check(lines, gameId, {false, 1, true, threshold}), std::optional(marks));
}

void tst_EntryFilter::bothFilters()
{
    // The first line is out of the band: it is marked once and marks nothing itself, so the
    // second stays and marks the third.
    const Lines lines{
        {1, 2, 3, 4, 5, 6, 0}, {1, 2, 3, 30, 40, 45, 0}, {1, 2, 30, 31, 41, 46, 0}, {8, 20, 25, 33, 37, 48, 0}};
    QCOMPARE(EntryFilter::check(lines, 1, {true, 1, true, 3}), std::optional(Marks{1, 0, 1, 0}));
    QCOMPARE(EntryFilter::check(lines, 1, {false, 1, true, 3}), std::optional(Marks{0, 1, 0, 0}));
}

void tst_EntryFilter::matchesRecordByRecord_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<bool>("sumFilter");
    QTest::addColumn<bool>("damaged");
    QTest::newRow("6/49") << 1 << false << false;
    QTest::newRow("6/49 both filters") << 4 << true << false;
    QTest::newRow("super 7 both filters") << 2 << true << false;
    QTest::newRow("damaged lines") << 1 << true << true;
}

void tst_EntryFilter::matchesRecordByRecord()
{
    QFETCH(int, gameId);
    QFETCH(bool, sumFilter);
    QFETCH(bool, damaged);
    const int n = 400;
    const Lines lines = randomLines(n, gameId, 17, damaged);
    const RecordFile entries = fileOf(lines);
    for (int threshold : EntryFilter::thresholdChoices(gameId)) {
        const EntryFilter::SumBand band = EntryFilter::sumBand(gameId, 2);
        RecordFile work = RecordByRecord::workingCopy(entries, n);
        if (sumFilter)
            RecordByRecord::markSums(work, n, gameId, band.low, band.high);
        RecordByRecord::markCoverage(work, n, gameId, threshold);
        const auto marks = EntryFilter::check(lines, gameId, {sumFilter, 2, true, threshold});
        QCOMPARE(marks, std::optional(RecordByRecord::marksOf(work, n)));
    }
}

void tst_EntryFilter::fileMaximum()
{
    // The most lines a file holds, all different except a copy of an earlier line every 1000th.
    std::vector<EntryNumbers> lines = distinctLines(EntryFile::MaxLines, 3);
    Marks expected(lines.size(), 0);
    for (size_t r = 999; r < lines.size(); r += 1000) {
        lines[r] = lines[r - 500];
        expected[r] = 1;
    }
    std::vector<int> reports;
    const auto record = [&](int done) {
        reports.push_back(done);
        return true;
    };
    QCOMPARE(EntryFilter::check(lines, 1, {false, 1, true, 6}, record), std::optional(expected));
    QVERIFY(reports.size() > 10);
    QVERIFY(std::is_sorted(reports.begin(), reports.end()));
    QCOMPARE(reports.back(), EntryFile::MaxLines);

    int calls = 0;
    const auto stop = [&](int) { return ++calls < 3; };
    QCOMPARE(EntryFilter::check(lines, 1, {false, 1, true, 6}, stop), std::nullopt);
    QCOMPARE(calls, 3);
}

void tst_EntryFilter::thinned_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<Marks>("marks");
    QTest::addColumn<QByteArray>("after");
    const EntryNumbers a{3, 12, 23, 34, 41, 45, 0}, b{1, 2, 3, 4, 5, 6, 0};
    QTest::newRow("nothing marked") << rec(2, a, 5, -3) + rec(0, b) << Marks{0, 0} << rec(2, a, 5, -3) + rec(0, b);
    // Kept records travel whole; only record 1's count is rewritten.
    QTest::newRow("first marked") << rec(3, a) + rec(7, S7, 9, -3) + rec(1, b) << Marks{1, 0, 0}
                                  << rec(2, S7, 9, -3) + rec(1, b);
    QTest::newRow("stale records dropped") << rec(2, a) + rec(5, b) + rec(9, S7) << Marks{0, 1} << rec(1, a);
    QTest::newRow("every line marked") << rec(2, a) + rec(5, b) << Marks{1, 1} << QByteArray(28, '\0');
}

void tst_EntryFilter::thinned()
{
    QFETCH(QByteArray, before);
    QFETCH(Marks, marks);
    QFETCH(QByteArray, after);
    QCOMPARE(EntryFilter::thinned(RecordFile(28, before), marks), after);
}

QTEST_GUILESS_MAIN(tst_EntryFilter)
#include "tst_EntryFilter.moc"
