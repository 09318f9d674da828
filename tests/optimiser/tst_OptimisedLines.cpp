#include "EntryFilter.h"
#include "LinkTable.h"
#include "OptimisedLines.h"
#include "RecordFile.h"

#include <QTest>

using Lines = std::vector<EntryNumbers>;
using Marks = EntryFilter::Marks;
Q_DECLARE_METATYPE(Lines)
Q_DECLARE_METATYPE(Marks)
Q_DECLARE_METATYPE(EntryFilter::Settings)

namespace
{
// The link table of draws holding these lines, drawn on 5 June of a year (year 0: no date).
LinkTable tableOf(int gameId, const Lines& lines, int year = 0)
{
    std::vector<DrawRecord> draws;
    for (const EntryNumbers& numbers : lines)
        draws.push_back({.day = 5, .month = 6, .year = int16_t(year), .numbers = numbers});
    LinkTable table(gameId);
    table.process(draws, 1, int(draws.size()));
    return table;
}

// A line of k consecutive numbers from x, the top e of them one higher: k * x + k(k-1)/2 + e = sum.
EntryNumbers lineWithSum(int sum, int gameId)
{
    const int k = GameCatalogue::mainCount(gameId), x = (sum - k * (k - 1) / 2) / k, e = (sum - k * (k - 1) / 2) % k;
    EntryNumbers line{};
    for (int i = 0; i < k; ++i)
        line[i] = int16_t(x + i + (i >= k - e));
    return line;
}

// Entry record: offset-0 value, date fields (zeros for no date), numbers, and the two bytes at 26.
QByteArray rec(int32_t head, const EntryNumbers& n, const QDate& date = {}, int16_t tail = 0)
{
    QByteArray r(28, '\0');
    RecordFile::put32(r, 0, head);
    const int fields[] = {date.day(), date.month(), date.year(), n[0], n[1], n[2], n[3], n[4], n[5], n[6], tail};
    for (int i = 0; i < 11; ++i)
        RecordFile::put16(r, 6 + 2 * i, int16_t(fields[i]));
    return r;
}
} // namespace

class tst_OptimisedLines : public QObject
{
    Q_OBJECT

private slots:
    void linkTable();
    void lines();
    void append_data();
    void append();
    void filterMarks_data();
    void filterMarks();
    void filterStopAndThinnedFile();
};

void tst_OptimisedLines::linkTable()
{
    const LinkTable two = tableOf(1, Lines{{1, 2, 3, 4, 5, 6, 0}, {1, 2, 7, 8, 9, 10, 0}});
    QCOMPARE((QList{two.count(1, 2), two.count(2, 1), two.count(1, 7), two.count(3, 7), two.count(1, 1)}),
             (QList{2, 2, 1, 0, 0}));
    // A damaged draw: 1 twice (counted once), numbers out of range, and the unused seventh slot.
    const LinkTable broken = tableOf(1, Lines{{1, 1, 2, -2, 0, 60, 7}});
    QCOMPARE((QList{broken.count(1, 2), broken.count(2, 1), broken.count(1, 60), broken.count(1, 7)}),
             (QList{1, 2, 0, 0}));
    // A number above its own draw's range is damage, though a later period draws that high.
    const LinkTable damaged = tableOf(8, Lines{{1, 2, 3, 4, 5, 6, 51}}, 2015);
    QCOMPARE((QList{damaged.count(1, 51), damaged.count(51, 1), damaged.count(1, 6)}), (QList{0, 0, 1}));
    // The highest ball of the game can be a ball's best link.
    QCOMPARE(tableOf(1, Lines{{1, 2, 3, 4, 5, 49, 0}, {1, 6, 7, 8, 9, 49, 0}}).GetBestFor(1, {}, 49), 49);
}

void tst_OptimisedLines::lines()
{
    using OptimisedLines::makeLines;
    QCOMPARE(makeLines(tableOf(1, Lines{{45, 3, 34, 12, 41, 23, 0}}), 49), (Lines{{3, 12, 23, 34, 41, 45, 0}}));
    // Super 7: balls 1..6 lead to 1..7 and ball 8 to 1..6 and 8, dropped as a repeat of its first six.
    QCOMPARE(makeLines(tableOf(2, Lines{{1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 6, 8}}), 47),
             (Lines{{1, 2, 3, 4, 5, 6, 7}}));
    // Ball 7's best partner is 6, and 6's is 1: each step's key is the ball chosen before it.
    Lines chain{{1, 2, 3, 4, 5, 6, 0}};
    for (int16_t last = 7; last <= 11; ++last)
        chain.push_back({1, 2, 3, 4, 6, last, 0});
    QCOMPARE(makeLines(tableOf(1, Lines{chain[0], chain[0], {6, 7, 8, 9, 10, 11, 0}}), 49), chain);
    // Lotto Max: ball 52 is counted, but joins lines only for a date whose range holds it.
    const LinkTable max = tableOf(8, Lines{{1, 2, 3, 4, 5, 6, 52}});
    QCOMPARE(makeLines(max, 52), (Lines{{1, 2, 3, 4, 5, 6, 52}}));
    QCOMPARE(makeLines(max, 50), Lines{});
}

void tst_OptimisedLines::append_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<QByteArray>("after");
    const QDate day(2024, 3, 9);
    const EntryNumbers a{3, 12, 23, 34, 41, 45, 0}, b{1, 2, 3, 4, 5, 6, 0}, s{2, 9, 16, 23, 30, 37, 44};
    const EntryNumbers x{7, 14, 21, 28, 35, 42, 33}, y{5, 10, 15, 20, 25, 30, 0}, a33{3, 12, 23, 34, 41, 45, 33};
    // New records are built on record 1's buffer; only the count in record 1 changes after.
    QTest::newRow("new file") << 1 << QByteArray() << Lines{a, b} << rec(2, a, day) + rec(0, b, day);
    QTest::newRow("empty record kept as buffer") << 3 << rec(0, x, {}, -7) << Lines{a} << rec(1, a33, day, -7);
    QTest::newRow("after two lines") << 4 << rec(2, x, {}, -7) + rec(9, y) << Lines{a}
                                     << rec(3, x, {}, -7) + rec(9, y) + rec(2, a33, day, -7);
    QTest::newRow("super 7 seventh") << 2 << rec(1, x) << Lines{s} << rec(2, x) + rec(1, s, day);
    QByteArray full(28 * 32760, '\0');
    RecordFile::put32(full, 0, 32760);
    QTest::newRow("past the line limit") << 1 << full << Lines(8, a) << full;
}

void tst_OptimisedLines::append()
{
    QFETCH(int, gameId);
    QFETCH(QByteArray, before);
    QFETCH(Lines, lines);
    RecordFile file(28, before);
    QString error;
    const bool ok = OptimisedLines::appendLines(file, lines, gameId, QDate(2024, 3, 9), &error);
    QCOMPARE(ok, error.isEmpty());
    QTEST(file.bytes(), "after");
}

void tst_OptimisedLines::filterMarks_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<EntryFilter::Settings>("settings");
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<Marks>("marks");
    // The sum band's edges at the widest position: 85..213 for the 6/49 games.
    const Lines edges{lineWithSum(84, 1), lineWithSum(85, 1), lineWithSum(213, 1), lineWithSum(214, 1)};
    QTest::newRow("6/49 sums 84, 85, 213, 214") << 1 << EntryFilter::Settings{true, 1} << edges << Marks{1, 0, 0, 1};
    // Lotto Max's band is centred on the mean sum of its range on the entry date, rounded inwards.
    for (const auto& [date, low, high] : {std::tuple{QDate(2019, 5, 10), 105, 245},
                                          std::tuple{QDate(2019, 5, 14), 109, 248},
                                          std::tuple{QDate(2026, 4, 14), 116, 255}}) {
        const Lines sums{lineWithSum(low - 1, 8), lineWithSum(low, 8), lineWithSum(high, 8), lineWithSum(high + 1, 8)};
        QTest::addRow("Lotto Max %d..%d", low, high)
            << 8 << EntryFilter::Settings{true, 1, false, 4, date} << sums << Marks{1, 0, 0, 1};
    }
    const EntryNumbers m52{2, 9, 16, 23, 30, 37, 52}, s2{2, 9, 16, 23, 30, 37, 45};
    // Lotto Max's highest threshold offered is 7: of two lines sharing six, neither is marked.
    const int highest = EntryFilter::thresholdChoices(8).back();
    QTest::newRow("Lotto Max seven shared, highest threshold")
        << 8 << EntryFilter::Settings{false, 1, true, highest} << Lines{m52, s2, m52} << Marks{0, 0, 1};
    // A damaged line is compared number by number: its repeated 5 meets the other line's 5 twice.
    QTest::newRow("repeated number, T 6") << 1 << EntryFilter::Settings{false, 1, true, 6}
                                          << Lines{{5, 5, 13, 21, 30, 37}, {5, 13, 21, 30, 37, 70}} << Marks{0, 1};
    // The first line is out of the band: it is marked once and marks nothing itself, so the
    // second stays and marks the third.
    const Lines sumFirst{
        {1, 2, 3, 4, 5, 6, 0}, {1, 2, 3, 30, 40, 45, 0}, {1, 2, 30, 31, 41, 46, 0}, {8, 20, 25, 33, 37, 48, 0}};
    QTest::newRow("both filters") << 1 << EntryFilter::Settings{true, 1, true, 3} << sumFirst << Marks{1, 0, 1, 0};
}

void tst_OptimisedLines::filterMarks()
{
    QFETCH(int, gameId);
    QFETCH(EntryFilter::Settings, settings);
    QFETCH(Lines, lines);
    QTEST(EntryFilter::check(lines, gameId, settings).value_or(Marks{9}), "marks");
}

void tst_OptimisedLines::filterStopAndThinnedFile()
{
    // A stop asked for through the progress report ends the run without a result.
    QCOMPARE(EntryFilter::check(
                 Lines(50, EntryNumbers{1, 2, 3, 4, 5, 6}), 1, {false, 1, true, 6}, [](int) { return false; }),
             std::nullopt);

    // The thinned file: kept records travel whole, only record 1's count is rewritten.
    const auto thin = [](const QByteArray& before, const Marks& marks) {
        return EntryFilter::thinned(RecordFile(28, before), marks);
    };
    const QByteArray a = rec(3, {1, 1, 1}), b = rec(7, {2, 2, 2}), c = rec(1, {3, 3, 3});
    QCOMPARE(thin(a + b + c, {0, 0, 0}), a + b + c);
    QCOMPARE(thin(a + b + c, {1, 0, 0}), rec(2, {2, 2, 2}) + c);
    QCOMPARE(thin(rec(2, {1, 1, 1}) + b + c, {0, 1}), rec(1, {1, 1, 1})); // stale records dropped
    QCOMPARE(thin(rec(2, {1, 1, 1}) + b, {1, 1}), QByteArray(28, '\0'));  // an empty file
}

QTEST_GUILESS_MAIN(tst_OptimisedLines)
#include "tst_OptimisedLines.moc"
