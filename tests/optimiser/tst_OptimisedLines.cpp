#include "EntryLineText.h"
#include "LinkTable.h"
#include "OptimisedLines.h"
#include "RandomSource.h"
#include "RealDraws.h"
#include "RecordByRecord.h"

#include <QTest>

#include <set>

using Lines = std::vector<EntryNumbers>;
Q_DECLARE_METATYPE(Lines)

namespace
{
LinkTable tableOf(int gameId, const std::vector<DrawRecord>& draws, int first = 1)
{
    LinkTable table(gameId);
    table.process(draws, first, int(draws.size()));
    return table;
}

LinkTable tableOf(int gameId, const Lines& lines)
{
    std::vector<DrawRecord> draws;
    for (const EntryNumbers& numbers : lines)
        draws.push_back({.numbers = numbers});
    return tableOf(gameId, draws);
}

// The one-pass table against the per-ball passes over the same records.
bool sameAsPerBallPasses(int gameId, const std::vector<DrawRecord>& draws, int first)
{
    RecordFile history(DrawRecord::Size);
    for (size_t i = 0; i < draws.size(); ++i)
        history.setRecord(int(i + 1), draws[i].toBytes());
    const LinkTable table = tableOf(gameId, draws, first);
    RecordByRecord::Table counted{};
    for (int a = 0; a < LinkTable::Size; ++a) {
        for (int b = 0; b < LinkTable::Size; ++b)
            counted[a][b] = table.count(a, b);
    }
    return counted == RecordByRecord::linkTable(history, gameId, first, int(draws.size()));
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
    void lastHundredRealDraws();
    void append_data();
    void append();
};

void tst_OptimisedLines::linkTable()
{
    const LinkTable two = tableOf(1, Lines{{1, 2, 3, 4, 5, 6, 0}, {1, 2, 7, 8, 9, 10, 0}});
    QCOMPARE((QList{two.count(1, 2), two.count(2, 1), two.count(1, 7), two.count(3, 7), two.count(1, 1)}),
             (QList{2, 2, 1, 0, 0}));
    // Numbers from -2 to 60 in all seven slots, repeats allowed: damaged histories, and the
    // seventh slot of each game, must count as the per-ball passes do.
    for (const int gameId : {1, 2}) {
        SeededRandom random(quint32(6 + gameId));
        std::vector<DrawRecord> draws(300);
        for (DrawRecord& d : draws)
            std::generate(d.numbers.begin(), d.numbers.end(), [&] { return int16_t(random.between(-2, 60)); });
        QVERIFY(sameAsPerBallPasses(gameId, draws, 41));
    }
    // A number above its own draw's range is damage, though a later period draws that high.
    const LinkTable damaged =
        tableOf(8, {DrawRecord{.day = 5, .month = 6, .year = 2015, .numbers = {1, 2, 3, 4, 5, 6, 51}}});
    QCOMPARE((QList{damaged.count(1, 51), damaged.count(51, 1), damaged.count(1, 6)}), (QList{0, 0, 1}));
    // The partner chosen for the next ball of a line.
    const Lines one{{1, 2, 3, 4, 5, 6, 0}};
    QCOMPARE(tableOf(1, one).GetBestFor(1, {1}, 49), 2);   // a tie goes to the lowest ball
    QCOMPARE(tableOf(1, one).GetBestFor(40, {40}, 49), 0); // never drawn
    const Lines three{one[0], {1, 9, 10, 11, 12, 13, 0}, {1, 9, 20, 21, 22, 23, 0}};
    QCOMPARE(tableOf(1, three).GetBestFor(1, {1}, 49), 9); // a higher count beats a lower ball
    QCOMPARE(tableOf(1, three).GetBestFor(1, {1, 9}, 49), 2);
    // The sixth excluded ball only counts for Super 7.
    QCOMPARE(tableOf(1, one).GetBestFor(1, {2, 3, 4, 5, 0, 6}, 49), 6);
    QCOMPARE(tableOf(2, Lines{{1, 2, 3, 4, 5, 6, 7}}).GetBestFor(1, {2, 3, 4, 5, 6, 7}, 47), 0);
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

void tst_OptimisedLines::lastHundredRealDraws()
{
    const std::vector<DrawRecord> real = loadRealDraws();
    QVERIFY(sameAsPerBallPasses(1, real, 1));
    const int d = int(real.size());
    using OptimisedLines::chooseRange, OptimisedLines::RangeRefusal;
    QCOMPARE(chooseRange(QString::number(d), d).first, 1);
    QCOMPARE(chooseRange(QStringLiteral("0"), d).refusal, RangeRefusal::OutOfRange);
    QCOMPARE(chooseRange(QStringLiteral("99999999999999999999999"), 32767).refusal, RangeRefusal::OutOfRange);
    // The empty box and history, and N past the draws present, are refused in the window's tests.
    const OptimisedLines::Range range = chooseRange(QStringLiteral("100"), d);
    QCOMPARE(range.first, d - 99);
    const Lines lines = OptimisedLines::makeLines(tableOf(1, real, range.first), 49);
    QVERIFY(!lines.empty() && lines.size() <= 49);
    QCOMPARE(std::set<EntryNumbers>(lines.begin(), lines.end()).size(), lines.size());
    // Each line strictly rising within 1..49, with no seventh number.
    for (const EntryNumbers& line : lines)
        QVERIFY(std::adjacent_find(line.begin(), line.begin() + 6, std::greater_equal<>()) == line.begin() + 6
                && line[0] >= 1 && line[5] <= 49 && line[6] == 0);
    qInfo("last 100 real draws: %zu lines, the first %s", lines.size(), qPrintable(FormatEntryLine(lines[0], 1)));
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
    QFETCH(QByteArray, after);
    RecordFile file(28, before);
    QString error;
    const bool ok = OptimisedLines::appendLines(file, lines, gameId, QDate(2024, 3, 9), &error);
    QCOMPARE(ok, error.isEmpty());
    QCOMPARE(file.bytes(), after);
}

QTEST_GUILESS_MAIN(tst_OptimisedLines)
#include "tst_OptimisedLines.moc"
