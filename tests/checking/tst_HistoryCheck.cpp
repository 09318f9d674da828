#include "DrawCheck.h"
#include "GameCatalogue.h"
#include "HistoryCheck.h"
#include "HistoryPageModel.h"
#include "RandomSource.h"
#include "RealDraws.h"

#include <QAbstractItemModelTester>
#include <QDate>
#include <QLocale>
#include <QTest>

#include <algorithm>

namespace
{
// The straightforward check every result is compared with: each draw, each line, ScoreLine.
struct Expected
{
    std::array<long long, 8> counts{};
    QStringList listing;
};

int rowOfLabel(int gameId, const QString& label)
{
    static const QStringList lotto{"(6)", "(5+B)", "(5)", "(4)", "(3)"};
    static const QStringList super7{"(7)", "(6+B)", "(6)", "(5)", "(4)", "(3+B)", "(3)"};
    return (GameCatalogue::isSuper7(gameId) ? super7 : lotto).indexOf(label) + 1;
}

Expected straightforward(const std::vector<EntryNumbers>& lines, const std::vector<DrawRecord>& draws, int gameId)
{
    static const QStringList lottoHits{"Hit 6", "Hit 5+BB", "Hit 5", "Hit 4", "Hit 3"};
    static const QStringList super7Hits{"Hit 7", "Hit 6+B", "Hit 6", "Hit 5", "Hit 4", "Hit 3+B", "Hit 3"};
    const int k = GameCatalogue::mainCount(gameId);
    Expected expected;
    for (const DrawRecord& draw : draws) {
        expected.listing << QStringLiteral("%1 %2  %3")
                                .arg(draw.day, 2, 10, QLatin1Char('0'))
                                .arg(QLocale::c().monthName(draw.month, QLocale::ShortFormat).toUpper())
                                .arg(draw.year);
        std::array<int16_t, 9> shown{};
        std::copy_n(draw.numbers.begin(), k, shown.begin());
        shown[k] = draw.bonus;
        for (const EntryNumbers& line : lines) {
            const QString label = ScoreLine(line, shown, gameId).label;
            if (label.isEmpty())
                continue;
            const int row = rowOfLabel(gameId, label);
            ++expected.counts[row];
            expected.listing << FormatWinningLine(line, gameId, (k == 7 ? super7Hits : lottoHits)[row - 1]);
        }
    }
    return expected;
}

QStringList listed(const HistoryCheck& check)
{
    QStringList text;
    for (int page = 0; page < HistoryListing::PageCount; ++page) {
        for (const ListingEntry& entry : check.listing().page(page))
            text << check.text(entry);
    }
    return text;
}

void compareWithStraightforward(const HistoryCheck& check, const Expected& expected)
{
    for (int row = 1; row <= HistoryCheck::RowCount; ++row)
        QCOMPARE(check.count(row), expected.counts[row]);
    QCOMPARE(check.listing().limitReached(), expected.listing.size() > HistoryListing::Capacity);
    QCOMPARE(listed(check), expected.listing.mid(0, HistoryListing::Capacity));
    for (int page = 0; page < HistoryListing::PageCount; ++page) {
        const int onPage = std::clamp<int>(
            expected.listing.size() - page * HistoryListing::PageCapacity, 0, HistoryListing::PageCapacity);
        QCOMPARE(static_cast<int>(check.listing().page(page).size()), onPage);
    }
}

// Lines holding `keep` main numbers of a past draw (and its bonus every third line), filled up with
// numbers that draw did not hold, so every prize category turns up; then a few damaged lines.
std::vector<EntryNumbers> fixedLines(const std::vector<DrawRecord>& draws, int gameId, int count)
{
    const int k = GameCatalogue::mainCount(gameId);
    SeededRandom random(2003);
    std::vector<EntryNumbers> lines;
    for (int i = 0; i < count; ++i) {
        const DrawRecord& draw = draws[(i * 37) % draws.size()];
        const auto held = [&](const EntryNumbers& line, int used, int n) {
            return std::count(line.begin(), line.begin() + used, n) > 0
                   || std::count(draw.numbers.begin(), draw.numbers.begin() + k, n) > 0 || n == draw.bonus;
        };
        EntryNumbers line{};
        int used = 0;
        const int keep = k - i % (k - 2);
        for (; used < keep; ++used)
            line[used] = draw.numbers[(used + i) % k];
        if (i % 3 == 0 && used < k)
            line[used++] = draw.bonus;
        while (used < k) {
            const int n = random.between(1, GameCatalogue::highestNumber(gameId));
            if (!held(line, used, n))
                line[used++] = static_cast<int16_t>(n);
        }
        lines.push_back(line);
    }
    const std::vector<EntryNumbers> damaged{
        {0, 0, 0, 0, 0, 0, 0}, {5, 5, 13, 21, 30, 37, 46}, {-3, 200, 64, 5, 13, 21, 30}, {-3, 200, 64, 0, 1, 2, 3}};
    lines.insert(lines.begin() + lines.size() / 2, damaged.begin(), damaged.end());
    return lines;
}

std::vector<DrawRecord> inRange(const std::vector<DrawRecord>& draws, const QDate& start, const QDate& end)
{
    std::vector<DrawRecord> chosen;
    std::copy_if(draws.begin(), draws.end(), std::back_inserter(chosen), [&](const DrawRecord& d) {
        const QDate date(d.year, d.month, d.day);
        return date >= start && date <= end;
    });
    return chosen;
}

QDate dateOf(const DrawRecord& draw)
{
    return QDate(draw.year, draw.month, draw.day);
}

int keyOf(const QDate& date)
{
    return date.year() * 10000 + date.month() * 100 + date.day();
}
} // namespace

class tst_HistoryCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void againstStraightforward_data();
    void againstStraightforward();
    void pageCut_data();
    void pageCut();
    void super7Categories();
    void cancelKeepsWhatWasGathered();
    void pageModel();

private:
    std::vector<DrawRecord> m_draws;
};

void tst_HistoryCheck::initTestCase()
{
    m_draws = loadRealDraws();
}

void tst_HistoryCheck::againstStraightforward_data()
{
    const QDate oldest = dateOf(m_draws.front());
    const QDate newest = dateOf(m_draws.back());
    const QDate last(2050, 12, 31);
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<bool>("damagedDraws");
    QTest::addColumn<int>("listingAtLeast"); // keeps each row meaningful
    QTest::newRow("whole history, past one page") << oldest << last << 1000 << false << HistoryListing::PageCapacity;
    QTest::newRow("one year") << QDate(2003, 1, 1) << QDate(2003, 12, 31) << 1000 << false << 1000;
    QTest::newRow("start and end on one draw") << QDate(2003, 1, 4) << QDate(2003, 1, 4) << 1000 << false << 2;
    QTest::newRow("end between draws") << QDate(2003, 1, 4) << QDate(2003, 1, 10) << 1000 << false << 3;
    QTest::newRow("between two draws") << QDate(2003, 1, 5) << QDate(2003, 1, 7) << 1000 << false << 0;
    QTest::newRow("start after newest") << newest.addDays(1) << last << 1000 << false << 0;
    QTest::newRow("end before oldest") << QDate(1950, 1, 1) << oldest.addDays(-1) << 1000 << false << 0;
    QTest::newRow("damaged draws") << oldest << newest << 400 << true << HistoryListing::PageCapacity;
    QTest::newRow("past the cap") << oldest << newest << 2000 << false << HistoryListing::Capacity + 1;
}

void tst_HistoryCheck::againstStraightforward()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(int, lineCount);
    QFETCH(bool, damagedDraws);
    QFETCH(int, listingAtLeast);
    std::vector<DrawRecord> draws = m_draws;
    if (damagedDraws) {
        draws[10].numbers[0] = -3;
        draws[20].numbers[1] = 200;
        draws[30].numbers = {5, 5, 5, 5, 5, 5, 5};
        draws[40].bonus = 64;
        draws[50].bonus = draws[50].numbers[0];
        draws[60].numbers = {0, 0, 0, 0, 0, 0, 0};
    }
    const std::vector<EntryNumbers> lines = fixedLines(m_draws, GameCatalogue::National, lineCount);
    const std::vector<DrawRecord> chosen = inRange(draws, start, end);
    const Expected expected = straightforward(lines, chosen, GameCatalogue::National);
    QVERIFY(expected.listing.size() >= listingAtLeast);

    const auto range = HistoryCheck::findRange(draws, keyOf(start), keyOf(end));
    QCOMPARE(range.has_value(), !chosen.empty());
    if (!range)
        return;
    QCOMPARE(range->drawCount(), static_cast<int>(chosen.size()));
    QCOMPARE(draws[range->first - 1].dateKey(), chosen.front().dateKey());
    HistoryCheck check(lines, draws, GameCatalogue::National, *range);
    QVERIFY(check.run());
    compareWithStraightforward(check, expected);
}

void tst_HistoryCheck::pageCut_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<QList<int>>("pages");
    QTest::addColumn<int>("pageIndex");
    QTest::addColumn<bool>("limitReached");
    QTest::newRow("one page full") << 32730 << QList<int>{32730, 0, 0, 0} << 0 << false;
    QTest::newRow("one line on page 1") << 32731 << QList<int>{32730, 1, 0, 0} << 1 << false;
    QTest::newRow("four pages full") << 130920 << QList<int>{32730, 32730, 32730, 32730} << 3 << false;
    QTest::newRow("one line past") << 130921 << QList<int>{32730, 32730, 32730, 32730} << 3 << true;
}

void tst_HistoryCheck::pageCut()
{
    QFETCH(int, lines);
    QFETCH(QList<int>, pages);
    QFETCH(int, pageIndex);
    QFETCH(bool, limitReached);
    HistoryListing listing;
    int kept = 0;
    for (int i = 0; i < lines; ++i)
        kept += listing.add({i, 0});
    QCOMPARE(kept, std::min(lines, HistoryListing::Capacity));
    for (int page = 0; page < HistoryListing::PageCount; ++page)
        QCOMPARE(static_cast<int>(listing.page(page).size()), pages[page]);
    QCOMPARE(listing.page(pageIndex).back().index, std::min(lines, HistoryListing::Capacity) - 1);
    QCOMPARE(listing.pageIndex(), pageIndex);
    QCOMPARE(listing.limitReached(), limitReached);
}

void tst_HistoryCheck::super7Categories()
{
    // A Super 7 history made up from the real draws: seven main numbers and a bonus up to 47.
    SeededRandom random(7);
    std::vector<DrawRecord> draws;
    for (int i = 0; i < 600; ++i) {
        DrawRecord draw = m_draws[i];
        std::array<int16_t, 8> balls{};
        for (int used = 0; used < 8;) {
            const auto n = static_cast<int16_t>(random.between(1, 47));
            if (std::count(balls.begin(), balls.begin() + used, n) == 0)
                balls[used++] = n;
        }
        std::copy_n(balls.begin(), 7, draw.numbers.begin());
        draw.bonus = balls[7];
        draws.push_back(draw);
    }
    draws[5].bonus = draws[5].numbers[3]; // damaged: seven main numbers and the bonus
    const std::vector<EntryNumbers> lines = fixedLines(draws, GameCatalogue::Super7, 2000);
    const Expected expected = straightforward(lines, draws, GameCatalogue::Super7);
    for (int row = 1; row <= 7; ++row)
        QVERIFY2(expected.counts[row] > 0, qPrintable(HistoryCheck::summaryLabel(GameCatalogue::Super7, row)));

    HistoryCheck check(lines, draws, GameCatalogue::Super7, {1, static_cast<int>(draws.size())});
    QVERIFY(check.run());
    compareWithStraightforward(check, expected);
}

void tst_HistoryCheck::cancelKeepsWhatWasGathered()
{
    const std::vector<EntryNumbers> lines = fixedLines(m_draws, GameCatalogue::National, 2000);
    HistoryCheck check(lines, m_draws, GameCatalogue::National, {101, 1500});
    std::atomic_bool cancel = false;
    int reported = 0;
    QVERIFY(!check.run(
        [&](int done) {
            reported = done;
            cancel = true;
        },
        &cancel));
    QCOMPARE(check.drawsDone(), reported);
    QVERIFY(reported > 0 && reported < check.drawCount());
    const std::vector<DrawRecord> done(m_draws.begin() + 100, m_draws.begin() + 100 + reported);
    compareWithStraightforward(check, straightforward(lines, done, GameCatalogue::National));

    QVERIFY(check.run()); // going on from there reaches the same end as one run
    const std::vector<DrawRecord> all(m_draws.begin() + 100, m_draws.begin() + 1500);
    QCOMPARE(check.count(4), straightforward(lines, all, GameCatalogue::National).counts[4]);
}

void tst_HistoryCheck::pageModel()
{
    const std::vector<EntryNumbers> lines = fixedLines(m_draws, GameCatalogue::National, 1000);
    HistoryCheck check(lines, m_draws, GameCatalogue::National, {1, static_cast<int>(m_draws.size())});
    HistoryPageModel page1(1);
    QAbstractItemModelTester tester(&page1, QAbstractItemModelTester::FailureReportingMode::QtTest);
    page1.setCheck(&check);
    while (!check.step(500)) {
        page1.sync();
        QCOMPARE(page1.rowCount(), static_cast<int>(check.listing().page(1).size()));
    }
    page1.sync();
    QVERIFY(page1.rowCount() > 0);
    const int last = page1.rowCount() - 1;
    QCOMPARE(page1.index(last).data().toString(), check.text(check.listing().page(1)[last]));
    page1.setCheck(nullptr);
    QCOMPARE(page1.rowCount(), 0);
}

QTEST_GUILESS_MAIN(tst_HistoryCheck)
#include "tst_HistoryCheck.moc"
