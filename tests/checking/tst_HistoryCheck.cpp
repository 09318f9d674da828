#include "DrawCheck.h"
#include "HistoryCheck.h"
#include "HistoryPageModel.h"
#include "RealDraws.h"
#include "TestFiles.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <QTest>

using Draw = std::array<int16_t, 9>;
using Lines = std::vector<EntryNumbers>;
using Draws = std::vector<DrawRecord>;
Q_DECLARE_METATYPE(EntryNumbers)

namespace
{
constexpr int PageCapacity = HistoryListing::PageCapacity;
const Draw Max{2, 11, 17, 18, 22, 25, 39, 3, 0}; // 1 June 2018

// The straightforward check every result is compared with: each draw, each line, ScoreLine.
struct Expected
{
    std::array<long long, HistoryCheck::RowCount + 1> counts{};
    QStringList listing;
};

Expected straightforward(const Lines& lines, const Draws& draws, int gameId)
{
    const int k = GameCatalogue::mainCount(gameId); // 6/49 or Lotto Max
    const QStringList labels = k == 7
                                   ? QStringList{"(7)", "(6+B)", "(6)", "(5+B)", "(5)", "(4+B)", "(4)", "(3+B)", "(3)"}
                                   : QStringList{"(6)", "(5+B)", "(5)", "(4)", "(3)"};
    Expected expected;
    for (const DrawRecord& draw : draws) {
        expected.listing << draw.date().toString(QStringLiteral("dd MMM  yyyy")).toUpper();
        Draw shown{};
        std::copy_n(draw.numbers.begin(), k, shown.begin());
        shown[k] = draw.bonus;
        std::pair<EntryNumbers, QString> last; // a run of copies of one line is written out once
        for (const EntryNumbers& line : lines) {
            const QString label = ScoreLine(line, shown, GameCatalogue::period(gameId, draw.date())).label;
            const auto row = labels.indexOf(label);
            if (row < 0)
                continue;
            ++expected.counts[row + 1];
            // The 6/49 games list a win of "(5+B)" as "Hit 5+BB".
            const QString hit = "Hit " + label.mid(1).chopped(1) + (k == 6 && row == 1 ? "B" : "");
            expected.listing << (std::pair(line, label) == last ? expected.listing.last()
                                                                : FormatWinningLine(line, gameId, hit));
            last = {line, label};
        }
    }
    return expected;
}

// Lines holding `keep` main numbers of a past draw (and its bonus every third line), filled up with
// numbers that draw did not hold, so every prize category turns up; then a few damaged lines.
Lines fixedLines(const Draws& draws, int gameId, int count)
{
    const int k = GameCatalogue::mainCount(gameId);
    Lines lines;
    for (int i = 0; i < count; ++i) {
        const DrawRecord& draw = draws[(i * 37) % draws.size()];
        EntryNumbers line{};
        int used = 0;
        for (const int keep = k - i % (k - 2); used < keep; ++used)
            line[used] = draw.numbers[(used + i) % k];
        if (i % 3 == 0 && used < k)
            line[used++] = draw.bonus;
        for (int16_t n = 1 + i % 30; used < k; ++n) {
            if (std::count(draw.numbers.begin(), draw.numbers.end(), n) == 0 && n != draw.bonus)
                line[used++] = n;
        }
        lines.push_back(line);
    }
    const Lines damaged{{}, {5, 5, 13, 21, 30, 37, 46}, {-3, 200, 64, 5, 13, 21, 30}, {-3, 200, 64, 0, 1, 2, 3}};
    lines.insert(lines.begin() + lines.size() / 2, damaged.begin(), damaged.end());
    return lines;
}
} // namespace

class tst_HistoryCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void scoreLine_data();
    void scoreLine();
    void againstStraightforward_data();
    void againstStraightforward();
    void lottoMaxPrizesByDrawDate();

private:
    Draws m_draws, m_lottoMax;
};

void tst_HistoryCheck::initTestCase()
{
    m_draws = loadRealDraws();
    // Damaged 1982 and 1983 draws: numbers out of range, repeated or missing, a bonus out of range
    // or drawn; the last one scores the damaged lines' seventh numbers if they were read.
    m_draws[10].numbers[0] = -3;
    m_draws[20].numbers[1] = 200;
    m_draws[30].numbers = {5, 5, 5, 5, 5, 5, 5};
    m_draws[40].bonus = 64;
    m_draws[50].bonus = m_draws[50].numbers[0];
    m_draws[60].numbers = {0, 5, 13, 21, 37, 46};
    m_lottoMax = loadLottoMaxDraws();
}

void tst_HistoryCheck::scoreLine_data()
{
    using L = EntryNumbers;
    QTest::addColumn<int>("gameId"); // 1, 3, 4, 6, 7: the 6/49 games; 2: Super 7; 8: Lotto Max
    QTest::addColumn<L>("line");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QDate>("drawDate"); // a date only changes Lotto Max's prizes
    const QDate none;
    QTest::newRow("6") << 1 << L{43, 41, 14, 12, 11, 3} << "(6)" << none;
    QTest::newRow("5+B") << 1 << L{3, 11, 12, 13, 14, 41} << "(5+B)" << none;
    QTest::newRow("5") << 3 << L{1, 3, 11, 12, 14, 41} << "(5)" << none;
    QTest::newRow("4+B") << 4 << L{1, 3, 11, 12, 13, 14} << "(4)" << none;
    QTest::newRow("3+B") << 6 << L{1, 2, 3, 11, 12, 13} << "(3)" << none;
    QTest::newRow("2+B") << 7 << L{1, 2, 4, 11, 12, 13} << "" << none;
    QTest::newRow("seventh slots unused") << 1 << L{3, 11, 44, 1, 2, 4, 12} << "" << none;
    QTest::newRow("S7 7") << 2 << L{1, 5, 9, 14, 22, 30, 47} << "(7)" << none;
    QTest::newRow("S7 6+B") << 2 << L{1, 5, 9, 14, 22, 30, 33} << "(6+B)" << none;
    QTest::newRow("S7 5+B") << 2 << L{1, 2, 5, 9, 14, 22, 33} << "(5)" << none;
    QTest::newRow("S7 4+B") << 2 << L{1, 2, 3, 5, 9, 14, 33} << "(4)" << none;
    QTest::newRow("S7 3+B") << 2 << L{1, 2, 3, 4, 5, 9, 33} << "(3+B)" << none;
    QTest::newRow("S7 3 at 6") << 2 << L{2, 3, 4, 6, 22, 30, 47} << "(3)" << none;
    // Lotto Max pays by the prize table of the draw's date: the bonus counts with five and four
    // numbers from 14 May 2019 on.
    const L five{2, 3, 11, 17, 18, 22, 40};
    QTest::newRow("LM 5+B, 2018") << 8 << five << "(5)" << QDate(2018, 6, 1);
    QTest::newRow("LM 5+B, last 7/49") << 8 << five << "(5)" << QDate(2019, 5, 10);
    QTest::newRow("LM 5+B, first 7/50") << 8 << five << "(5+B)" << QDate(2019, 5, 14);
    QTest::newRow("LM 4+B") << 8 << L{2, 3, 11, 17, 18, 40, 41} << "(4+B)" << QDate(2020, 6, 5);
}

void tst_HistoryCheck::scoreLine()
{
    // The shown draw: for 6/49 main numbers in 0..5, the bonus in 6 and 7 unused; for the
    // seven-number games main numbers in 0..6 and the bonus in 7.
    const Draw lotto{3, 11, 12, 14, 41, 43, 13, 44}, super7{1, 5, 9, 14, 22, 30, 47, 33};
    QFETCH(int, gameId);
    QFETCH(EntryNumbers, line);
    QFETCH(QDate, drawDate);
    const Draw& draw = gameId == 2 ? super7 : gameId == 8 ? Max : lotto;
    QTEST(ScoreLine(line, draw, GameCatalogue::period(gameId, drawDate)).label, "label");
}

void tst_HistoryCheck::againstStraightforward_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<int>("startKey");
    QTest::addColumn<int>("endKey");
    QTest::addColumn<int>("lineCount");      // 0: a page of copies of a line every draw of the range drew
    QTest::addColumn<int>("listingAtLeast"); // keeps each row meaningful
    const int national = GameCatalogue::National, newest = m_draws.back().dateKey();
    QTest::newRow("whole history") << national << 19820612 << 20501231 << 20 << 4500;
    QTest::newRow("damaged draws") << national << 19820612 << 19831231 << 400 << 400;
    QTest::newRow("start and end on one draw") << national << 20030104 << 20030104 << 1000 << 2;
    QTest::newRow("end between draws") << national << 20030104 << 20030110 << 1000 << 3;
    QTest::newRow("between two draws") << national << 20030105 << 20030107 << 1000 << 0;
    QTest::newRow("start on newest") << national << newest << 20501231 << 1000 << 1;
    QTest::newRow("start after newest") << national << newest + 1 << 20501231 << 1000 << 0;
    QTest::newRow("second page") << national << 20030104 << 20030104 << 0 << PageCapacity + 1;
    QTest::newRow("past the cap") << national << 20030104 << 20030115 << 0 << HistoryListing::Capacity + 1;
    // The real history through its three periods, each draw scored by its own date's prizes: five
    // numbers and the bonus a hit of "5" before 14 May 2019 and of "5+B" after.
    QTest::newRow("lotto max, every category") << int(GameCatalogue::LottoMax) << 20090925 << 20260925 << 100 << 100;
}

void tst_HistoryCheck::againstStraightforward()
{
    QFETCH(int, gameId);
    QFETCH(int, startKey);
    QFETCH(int, endKey);
    QFETCH(int, lineCount);
    QFETCH(int, listingAtLeast);
    Draws draws = gameId == GameCatalogue::LottoMax ? m_lottoMax : m_draws;
    Draws chosen;
    for (DrawRecord& d : draws) {
        if (d.dateKey() >= startKey && d.dateKey() <= endKey) {
            d.numbers = lineCount ? d.numbers : std::array<int16_t, 7>{3, 11, 12, 14, 41, 43};
            chosen.push_back(d);
        }
    }
    const Lines lines = lineCount ? fixedLines(draws, gameId, lineCount) : Lines(PageCapacity, {3, 11, 12, 14, 41, 43});
    const Expected expected = straightforward(lines, chosen, gameId);
    QVERIFY(expected.listing.size() >= listingAtLeast);
    for (int row = 1; gameId != GameCatalogue::National && row <= HistoryCheck::rowCount(gameId); ++row)
        QVERIFY2(expected.counts[row] > 0, qPrintable(HistoryCheck::summaryLabel(gameId, row)));
    const auto range = HistoryCheck::findRange(draws, startKey, endKey);
    QCOMPARE(range.has_value(), !chosen.empty());
    if (!range)
        return;

    HistoryCheck check(lines, draws, gameId, *range);
    HistoryPageModel first(0); // follows the running check, each step announced to its views
    QAbstractItemModelTester tester(&first, QAbstractItemModelTester::FailureReportingMode::QtTest);
    first.setCheck(&check);
    while (!check.step(500))
        first.sync();
    QVERIFY(check.run());
    first.sync();
    for (int row = 1; row <= HistoryCheck::RowCount; ++row)
        QCOMPARE(check.count(row), expected.counts[row]);
    QCOMPARE(check.listing().limitReached(), expected.listing.size() > HistoryListing::Capacity);
    for (int page = 0; page < HistoryListing::PageCount; ++page) {
        HistoryPageModel model(page);
        model.setCheck(&check);
        const int rows = (page == 0 ? first : model).rowCount();
        QCOMPARE(rows, std::clamp<int>(int(expected.listing.size()) - page * PageCapacity, 0, PageCapacity));
        // A full page is compared at its ends, where it meets the next one.
        for (int row = 0; row < rows; row += rows < PageCapacity || row < 9 || row >= rows - 9 ? 1 : rows - 18)
            QCOMPARE(model.index(row).data().toString(), expected.listing[page * PageCapacity + row]);
    }
    first.setCheck(nullptr);
    QCOMPARE(first.rowCount(), 0);
}

// The check of an entry file against the shown draw takes the draw's date: five numbers and the
// bonus win "(5)" on a 2018 draw and "(5+B)" on a 2020 draw.
void tst_HistoryCheck::lottoMaxPrizesByDrawDate()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("LottoMax01JUN2018.lot");
    for (const EntryNumbers& line :
         Lines{{1, 4, 5, 6, 7, 8, 9}, {40, 22, 18, 17, 11, 3, 2}, {2, 11, 17, 18, 22, 25, 39}})
        QVERIFY(EntryFile::AppendEntryLine(file, line, 8));
    const QByteArray before = readFileBytes(file);
    const auto in2018 = checkEntryFile(file, Max, 8, QDate(2018, 6, 1));
    QVERIFY(in2018 && in2018->winningRows == (std::vector<int>{1, 2}));
    QCOMPARE(in2018->winningLines, QStringList({"40 22 18 17 11 03 02 (5)", "02 11 17 18 22 25 39 (7)"}));
    QCOMPARE(checkEntryFile(file, Max, 8, QDate(2020, 6, 5))->winningLines.value(0), "40 22 18 17 11 03 02 (5+B)");
    QCOMPARE(readFileBytes(file), before); // checking never changes the file
}

QTEST_GUILESS_MAIN(tst_HistoryCheck)
#include "tst_HistoryCheck.moc"
