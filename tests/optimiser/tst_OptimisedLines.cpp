#include "EntryLineText.h"
#include "LinkTable.h"
#include "OptimisedLines.h"
#include "RandomSource.h"
#include "RealDraws.h"
#include "RecordByRecord.h"

#include <QTest>

using Draws = std::vector<EntryNumbers>;
using Lines = std::vector<EntryNumbers>;
using Counts = std::vector<std::array<int, 3>>; // ball, partner, links
using Excluded = std::array<int, 6>;
Q_DECLARE_METATYPE(Draws)
Q_DECLARE_METATYPE(Counts)
Q_DECLARE_METATYPE(Excluded)
Q_DECLARE_METATYPE(OptimisedLines::RangeRefusal)

namespace
{
std::vector<DrawRecord> recordsOf(const Draws& draws)
{
    std::vector<DrawRecord> records;
    for (const EntryNumbers& numbers : draws) {
        DrawRecord r;
        r.numbers = numbers;
        records.push_back(r);
    }
    return records;
}

RecordFile historyOf(const std::vector<DrawRecord>& draws)
{
    RecordFile file(DrawRecord::Size);
    for (size_t i = 0; i < draws.size(); ++i)
        file.setRecord(static_cast<int>(i + 1), draws[i].toBytes());
    return file;
}

bool sameAsPerBallPasses(const LinkTable& table, const RecordFile& history, int first, int last)
{
    const RecordByRecord::Table expected = RecordByRecord::linkTable(history, table.gameId(), first, last);
    for (int a = 0; a < LinkTable::Size; ++a) {
        for (int b = 0; b < LinkTable::Size; ++b) {
            if (table.count(a, b) != expected[a][b]) {
                qWarning("links %d-%d: %d, per-ball passes %d", a, b, table.count(a, b), expected[a][b]);
                return false;
            }
        }
    }
    return true;
}

// Entry record: offset-0 value, date fields, numbers, and the two bytes at 26.
QByteArray rec(int32_t head, const EntryNumbers& numbers, const QDate& date = {}, int16_t tail = 0)
{
    QByteArray r(28, '\0');
    RecordFile::put32(r, 0, head);
    if (date.isValid()) {
        RecordFile::put16(r, 6, int16_t(date.day()));
        RecordFile::put16(r, 8, int16_t(date.month()));
        RecordFile::put16(r, 10, int16_t(date.year()));
    }
    for (int i = 0; i < 7; ++i)
        RecordFile::put16(r, 12 + 2 * i, numbers[i]);
    RecordFile::put16(r, 26, tail);
    return r;
}
} // namespace

class tst_OptimisedLines : public QObject
{
    Q_OBJECT

private slots:
    void linkTable_data();
    void linkTable();
    void oneSweepMatchesPerBallPasses_data();
    void oneSweepMatchesPerBallPasses();
    void bestPartner_data();
    void bestPartner();
    void range_data();
    void range();
    void lines_data();
    void lines();
    void lastHundredRealDraws();
    void append_data();
    void append();
};

void tst_OptimisedLines::linkTable_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<int>("first");
    QTest::addColumn<Counts>("counts");
    const Draws two{{1, 2, 3, 4, 5, 6, 0}, {1, 2, 7, 8, 9, 10, 0}};
    QTest::newRow("two draws") << 1 << two << 1 << Counts{{1, 2, 2}, {2, 1, 2}, {1, 7, 1}, {3, 7, 0}, {1, 1, 0}};
    const Draws seven{{1, 2, 3, 4, 5, 6, 7}};
    QTest::newRow("super 7 counts the seventh") << 2 << seven << 1 << Counts{{1, 7, 1}, {7, 6, 1}};
    QTest::newRow("6/49 ignores the seventh slot") << 4 << seven << 1 << Counts{{1, 7, 0}, {7, 6, 0}, {1, 6, 1}};
    // Damaged records: a ball above M still counts as a partner, a repeated ball once as a key.
    QTest::newRow("super 7 with a 48") << 2 << Draws{{1, 2, 3, 4, 5, 6, 48}} << 1 << Counts{{1, 48, 1}, {48, 1, 0}};
    QTest::newRow("repeated ball") << 1 << Draws{{5, 5, 6, 7, 8, 9, 0}} << 1 << Counts{{5, 6, 1}, {6, 5, 2}, {5, 5, 0}};
}

void tst_OptimisedLines::linkTable()
{
    QFETCH(int, gameId);
    QFETCH(Draws, draws);
    QFETCH(int, first);
    QFETCH(Counts, counts);
    LinkTable table(gameId);
    table.process(recordsOf(draws), first, int(draws.size()));
    for (const auto& [a, b, links] : counts)
        QVERIFY2(table.count(a, b) == links,
                 qPrintable(QStringLiteral("%1-%2: %3").arg(a).arg(b).arg(table.count(a, b))));
}

void tst_OptimisedLines::oneSweepMatchesPerBallPasses_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("6/49") << 1 << 7u;
    QTest::newRow("super 7") << 2 << 8u;
}

void tst_OptimisedLines::oneSweepMatchesPerBallPasses()
{
    QFETCH(int, gameId);
    QFETCH(quint32, seed);
    // Numbers from -2 to 60, repeats allowed: damaged histories must count as the passes do.
    SeededRandom random(seed);
    Draws draws(300);
    for (EntryNumbers& d : draws) {
        for (int16_t& n : d)
            n = static_cast<int16_t>(random.between(-2, 60));
    }
    const std::vector<DrawRecord> records = recordsOf(draws);
    LinkTable table(gameId);
    table.process(records, 41, 300);
    QVERIFY(sameAsPerBallPasses(table, historyOf(records), 41, 300));

    const std::vector<DrawRecord> real = loadRealDraws();
    table.process(real, 1, int(real.size()));
    QVERIFY(sameAsPerBallPasses(table, historyOf(real), 1, int(real.size())));
}

void tst_OptimisedLines::bestPartner_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<int>("keyball");
    QTest::addColumn<Excluded>("excluded");
    QTest::addColumn<int>("best");
    const Draws one{{1, 2, 3, 4, 5, 6, 0}};
    const Draws three{{1, 2, 3, 4, 5, 6, 0}, {1, 9, 10, 11, 12, 13, 0}, {1, 9, 20, 21, 22, 23, 0}};
    QTest::newRow("tie goes to the lowest") << 1 << one << 1 << Excluded{1} << 2;
    QTest::newRow("higher count beats lower ball") << 1 << three << 1 << Excluded{1} << 9;
    QTest::newRow("excluded best") << 1 << three << 1 << Excluded{1, 9} << 2;
    QTest::newRow("6/49 ignores the sixth") << 1 << one << 1 << Excluded{2, 3, 4, 5, 0, 6} << 6;
    const Draws seven{{1, 2, 3, 4, 5, 6, 7}};
    QTest::newRow("super 7 honours the sixth") << 2 << seven << 1 << Excluded{2, 3, 4, 5, 6, 7} << 0;
    QTest::newRow("ball never drawn") << 1 << one << 40 << Excluded{40} << 0;
}

void tst_OptimisedLines::bestPartner()
{
    QFETCH(int, gameId);
    QFETCH(Draws, draws);
    QFETCH(int, keyball);
    QFETCH(Excluded, excluded);
    QFETCH(int, best);
    LinkTable table(gameId);
    table.process(recordsOf(draws), 1, int(draws.size()));
    QCOMPARE(table.GetBestFor(keyball, excluded), best);
}

void tst_OptimisedLines::range_data()
{
    using R = OptimisedLines::RangeRefusal;
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("draws");
    QTest::addColumn<R>("refusal");
    QTest::addColumn<int>("first");
    QTest::newRow("empty") << "" << 100 << R::EmptyText << 0;
    QTest::newRow("empty history") << "5" << 0 << R::NoDraws << 0;
    QTest::newRow("whole history") << "100" << 100 << R::None << 1;
    QTest::newRow("last draw") << "1" << 100 << R::None << 100;
    QTest::newRow("one too many") << "101" << 100 << R::OutOfRange << 0;
    QTest::newRow("zero") << "0" << 100 << R::OutOfRange << 0;
    QTest::newRow("no number") << "ten" << 100 << R::OutOfRange << 0;
    QTest::newRow("past 64 bits") << "99999999999999999999999" << 32767 << R::OutOfRange << 0;
    QTest::newRow("leading number") << " 12 draws" << 100 << R::None << 89;
    QTest::newRow("half to even") << "3.5" << 100 << R::None << 98;
}

void tst_OptimisedLines::range()
{
    QFETCH(QString, text);
    QFETCH(int, draws);
    QFETCH(OptimisedLines::RangeRefusal, refusal);
    QFETCH(int, first);
    const OptimisedLines::Range range = OptimisedLines::chooseRange(text, draws);
    QCOMPARE(range.refusal, refusal);
    QCOMPARE(range.first, first);
}

void tst_OptimisedLines::lines_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<Lines>("lines");
    QTest::newRow("one draw, one line") << 1 << Draws{{45, 3, 34, 12, 41, 23, 0}} << Lines{{3, 12, 23, 34, 41, 45, 0}};
    // Balls 1..6 lead to 1..7 and ball 8 to 1..6 and 8, dropped as a repeat of its first six.
    const Draws sevens{{1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 6, 8}};
    QTest::newRow("super 7 seventh not compared") << 2 << sevens << Lines{{1, 2, 3, 4, 5, 6, 7}};
    // Ball 7's best partner is 6, and 6's is 1: each step's key is the ball chosen before it.
    const Draws twice{{1, 2, 3, 4, 5, 6, 0}, {1, 2, 3, 4, 5, 6, 0}, {6, 7, 8, 9, 10, 11, 0}};
    QTest::newRow("key moves along the chain") << 1 << twice
                                               << Lines{{1, 2, 3, 4, 5, 6, 0},
                                                        {1, 2, 3, 4, 6, 7, 0},
                                                        {1, 2, 3, 4, 6, 8, 0},
                                                        {1, 2, 3, 4, 6, 9, 0},
                                                        {1, 2, 3, 4, 6, 10, 0},
                                                        {1, 2, 3, 4, 6, 11, 0}};
}

void tst_OptimisedLines::lines()
{
    QFETCH(int, gameId);
    QFETCH(Draws, draws);
    QFETCH(Lines, lines);
    LinkTable table(gameId);
    table.process(recordsOf(draws), 1, int(draws.size()));
    QCOMPARE(OptimisedLines::makeLines(table), lines);
}

void tst_OptimisedLines::lastHundredRealDraws()
{
    const std::vector<DrawRecord> real = loadRealDraws();
    const int d = int(real.size());
    const OptimisedLines::Range range = OptimisedLines::chooseRange(QStringLiteral("100"), d);
    QCOMPARE(range.first, d - 99);
    LinkTable table(1);
    table.process(real, range.first, d);
    const Lines lines = OptimisedLines::makeLines(table);
    QVERIFY(!lines.empty() && lines.size() <= 49);
    for (const EntryNumbers& line : lines) {
        QVERIFY(std::is_sorted(line.begin(), line.begin() + 6));
        QVERIFY(std::adjacent_find(line.begin(), line.begin() + 6) == line.begin() + 6);
        QVERIFY(line[0] >= 1 && line[5] <= 49 && line[6] == 0);
        QVERIFY(std::count(lines.begin(), lines.end(), line) == 1);
    }
    QString first;
    for (size_t i = 0; i < std::min<size_t>(3, lines.size()); ++i)
        first += QStringLiteral(" [") + FormatEntryLine(lines[i], 1) + QLatin1Char(']');
    qInfo("last 100 real draws: %zu lines;%s", lines.size(), qPrintable(first));
}

void tst_OptimisedLines::append_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<QByteArray>("after");
    const QDate day(2024, 3, 9);
    const EntryNumbers a{3, 12, 23, 34, 41, 45, 0}, b{1, 2, 3, 4, 5, 6, 0}, s{2, 9, 16, 23, 30, 37, 44};
    const EntryNumbers x{7, 14, 21, 28, 35, 42, 33}, y{5, 10, 15, 20, 25, 30, 0};
    // New records are built on record 1's buffer; only the count in record 1 changes after.
    QTest::newRow("new file") << 1 << QByteArray() << Lines{a, b} << rec(2, a, day) + rec(0, b, day);
    QTest::newRow("empty record kept as buffer")
        << 3 << rec(0, x, {}, -7) << Lines{a} << rec(1, {3, 12, 23, 34, 41, 45, 33}, day, -7);
    QTest::newRow("after two lines") << 4 << rec(2, x, {}, -7) + rec(9, y) << Lines{a}
                                     << rec(3, x, {}, -7) + rec(9, y) + rec(2, {3, 12, 23, 34, 41, 45, 33}, day, -7);
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
