#include "EntryFilter.h"
#include "RandomLines.h"
#include "RandomSource.h"
#include "RecordByRecord.h"

#include <QTest>

using Lines = std::vector<EntryNumbers>;
using Marks = EntryFilter::Marks;
Q_DECLARE_METATYPE(Lines)
Q_DECLARE_METATYPE(Marks)
Q_DECLARE_METATYPE(EntryFilter::Settings)

namespace
{
// A line of k consecutive numbers from x, the top e of them one higher: k * x + k(k-1)/2 + e = sum.
EntryNumbers lineWithSum(int sum, int gameId)
{
    const int k = GameCatalogue::mainCount(gameId), x = (sum - k * (k - 1) / 2) / k, e = (sum - k * (k - 1) / 2) % k;
    EntryNumbers line{};
    for (int i = 0; i < k; ++i)
        line[i] = int16_t(x + i + (i >= k - e));
    return line;
}

// Random lines, a third of them sharing all but their last number with an earlier line so that
// every threshold marks something; damaged lines hold numbers out of range and repeats.
Lines randomLines(int count, int gameId, bool damaged)
{
    SeededRandom random(17);
    const int k = GameCatalogue::mainCount(gameId);
    Lines lines(count);
    for (int r = 0; r < count; ++r) {
        for (int i = 0; i < k; ++i)
            lines[r][i] = int16_t(damaged ? random.between(-1, 70) : random.between(1, 49));
        if (r > 10 && random.between(0, 2) == 0)
            std::copy_n(lines[random.between(0, r - 1)].begin(), k - 1, lines[r].begin());
    }
    return lines;
}

// A record of one repeated byte, its first four bytes holding head: any byte moved, lost or
// changed shows.
QByteArray rec(int32_t head, char fill)
{
    QByteArray r(28, fill);
    RecordFile::put32(r, 0, head);
    return r;
}
} // namespace

class tst_EntryFilter : public QObject
{
    Q_OBJECT

private slots:
    void marks_data();
    void marks();
    void matchesRecordByRecord();
    void fileMaximum();
    void thinned();
};

void tst_EntryFilter::marks_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<EntryFilter::Settings>("settings");
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<Marks>("marks");
    const EntryNumbers a{1, 2, 3, 10, 11, 12, 0}, b{1, 2, 3, 20, 21, 22, 0}, c{20, 21, 22, 30, 31, 32, 0};
    const EntryFilter::Settings t3{false, 1, true, 3}, t6{false, 1, true, 6}, t7{false, 1, true, 7};
    // The sum band's edges at the widest position: 85..213 for the 6/49 games.
    const EntryFilter::Settings sum1{true, 1, false, 3};
    const Lines edges{lineWithSum(84, 1), lineWithSum(85, 1), lineWithSum(213, 1), lineWithSum(214, 1)};
    QTest::newRow("6/49 sums 84, 85, 213, 214") << 1 << sum1 << edges << Marks{1, 0, 0, 1};
    QTest::newRow("super 7 sums 97, 239") << 2 << sum1 << Lines{lineWithSum(97, 2), lineWithSum(239, 2)} << Marks{1, 1};
    // Lotto Max's band is centred on the mean sum of its range on the entry date, rounded inwards.
    for (const auto& [date, low, high] : {std::tuple{QDate(2019, 5, 10), 105, 245},
                                          std::tuple{QDate(2019, 5, 14), 109, 248},
                                          std::tuple{QDate(2026, 4, 14), 116, 255}}) {
        const Lines sums{lineWithSum(low - 1, 8), lineWithSum(low, 8), lineWithSum(high, 8), lineWithSum(high + 1, 8)};
        QTest::addRow("Lotto Max %d..%d", low, high)
            << 8 << EntryFilter::Settings{true, 1, false, 4, date} << sums << Marks{1, 0, 0, 1};
    }
    QTest::newRow("two identical, T 6") << 1 << t6 << Lines{a, a} << Marks{0, 1};
    QTest::newRow("a marked line is no reference") << 1 << t3 << Lines{a, b, c} << Marks{0, 1, 0};
    const EntryNumbers S7{2, 9, 16, 23, 30, 37, 44}, s2{2, 9, 16, 23, 30, 37, 45};
    QTest::newRow("super 7 six shared, T 7") << 2 << t7 << Lines{S7, s2} << Marks{0, 0};
    QTest::newRow("super 7 six shared, T 6") << 2 << t6 << Lines{S7, s2} << Marks{0, 1};
    const EntryNumbers m52{2, 9, 16, 23, 30, 37, 52};
    QTest::newRow("Lotto Max seven shared, T 7") << 8 << t7 << Lines{m52, s2, m52} << Marks{0, 0, 1};
    // The first line is out of the band: it is marked once and marks nothing itself, so the
    // second stays and marks the third.
    const Lines sumFirst{
        {1, 2, 3, 4, 5, 6, 0}, {1, 2, 3, 30, 40, 45, 0}, {1, 2, 30, 31, 41, 46, 0}, {8, 20, 25, 33, 37, 48, 0}};
    QTest::newRow("both filters") << 1 << EntryFilter::Settings{true, 1, true, 3} << sumFirst << Marks{1, 0, 1, 0};
    QTest::newRow("coverage alone") << 1 << t3 << sumFirst << Marks{0, 1, 0, 0};
}

void tst_EntryFilter::marks()
{
    QFETCH(int, gameId);
    QFETCH(EntryFilter::Settings, settings);
    QFETCH(Lines, lines);
    QFETCH(Marks, marks);
    QCOMPARE(EntryFilter::check(lines, gameId, settings), std::optional(marks));
}

void tst_EntryFilter::matchesRecordByRecord()
{
    const int n = 400;
    for (const auto& [gameId, damaged] : {std::pair{4, false}, {2, false}, {8, false}, {1, true}}) {
        const Lines lines = randomLines(n, gameId, damaged);
        RecordFile entries(EntryFile::RecordLength);
        for (const EntryNumbers& line : lines)
            EntryFile::appendLine(entries, line, GameCatalogue::Super7);
        const EntryFilter::SumBand band = EntryFilter::sumBand(gameId, 2, {});
        for (int threshold : EntryFilter::thresholdChoices(gameId)) {
            RecordFile work = RecordByRecord::workingCopy(entries, n);
            RecordByRecord::markSums(work, n, gameId, band.low, band.high);
            RecordByRecord::markCoverage(work, n, gameId, threshold);
            QCOMPARE(EntryFilter::check(lines, gameId, {true, 2, true, threshold}),
                     std::optional(RecordByRecord::marksOf(work, n)));
        }
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
    QVERIFY(reports.size() > 10 && std::is_sorted(reports.begin(), reports.end()));
    QCOMPARE(reports.back(), EntryFile::MaxLines);
    // A stop asked for through the progress report ends the run without a result.
    int calls = 0;
    QCOMPARE(EntryFilter::check(lines, 1, {false, 1, true, 6}, [&](int) { return ++calls < 3; }), std::nullopt);
    QCOMPARE(calls, 3);
}

void tst_EntryFilter::thinned()
{
    const auto thin = [](const QByteArray& before, const Marks& marks) {
        return EntryFilter::thinned(RecordFile(28, before), marks);
    };
    QCOMPARE(thin(rec(2, 'a') + rec(0, 'b'), {0, 0}), rec(2, 'a') + rec(0, 'b'));
    // Kept records travel whole; only record 1's count is rewritten.
    QCOMPARE(thin(rec(3, 'a') + rec(7, 'b') + rec(1, 'c'), {1, 0, 0}), rec(2, 'b') + rec(1, 'c'));
    QCOMPARE(thin(rec(2, 'a') + rec(5, 'b') + rec(9, 'c'), {0, 1}), rec(1, 'a')); // stale records dropped
    QCOMPARE(thin(rec(2, 'a') + rec(5, 'b'), {1, 1}), QByteArray(28, '\0'));      // an empty file
}

QTEST_GUILESS_MAIN(tst_EntryFilter)
#include "tst_EntryFilter.moc"
