#include "DrawCheck.h"
#include "GameCatalogue.h"
#include "HistoryBytes.h"
#include "HistoryCheck.h"
#include "HistoryPageModel.h"
#include "RealDraws.h"
#include "RandomSource.h"

#include <QAbstractItemModelTester>
#include <QLocale>
#include <QTest>

#include <algorithm>

namespace
{
// The straightforward check every result is compared with: each draw, each line, ScoreLine.
struct Expected
{
    std::array<long long, HistoryCheck::RowCount + 1> counts{};
    QStringList listing;
};

Expected straightforward(const std::vector<EntryNumbers>& lines, const std::vector<DrawRecord>& draws, int gameId)
{
    const bool super7 = GameCatalogue::isSuper7(gameId);
    QStringList labels = super7 ? QStringList{"(7)", "(6+B)", "(6)", "(5)", "(4)", "(3+B)", "(3)"}
                                : QStringList{"(6)", "(5+B)", "(5)", "(4)", "(3)"};
    QStringList hits = super7 ? QStringList{"Hit 7", "Hit 6+B", "Hit 6", "Hit 5", "Hit 4", "Hit 3+B", "Hit 3"}
                              : QStringList{"Hit 6", "Hit 5+BB", "Hit 5", "Hit 4", "Hit 3"};
    if (gameId == GameCatalogue::LottoMax) {
        labels = {"(7)", "(6+B)", "(6)", "(5+B)", "(5)", "(4+B)", "(4)", "(3+B)", "(3)"};
        hits = {"Hit 7", "Hit 6+B", "Hit 6", "Hit 5+B", "Hit 5", "Hit 4+B", "Hit 4", "Hit 3+B", "Hit 3"};
    }
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
        const GamePeriod& rules = GameCatalogue::period(gameId, draw.date());
        for (const EntryNumbers& line : lines) {
            const auto row = labels.indexOf(ScoreLine(line, shown, rules).label);
            if (row >= 0) {
                ++expected.counts[row + 1];
                expected.listing << FormatWinningLine(line, gameId, hits[row]);
            }
        }
    }
    return expected;
}

// The check's result as its four pages show it, against the straightforward one.
void compareWithStraightforward(const HistoryCheck& check, const Expected& expected)
{
    for (int row = 1; row <= HistoryCheck::RowCount; ++row)
        QCOMPARE(check.count(row), expected.counts[row]);
    QCOMPARE(check.listing().limitReached(), expected.listing.size() > HistoryListing::Capacity);
    QStringList listed;
    for (int page = 0; page < HistoryListing::PageCount; ++page) {
        HistoryPageModel model(page);
        model.setCheck(&check);
        QCOMPARE(model.rowCount(), std::clamp<int>(expected.listing.size() - page * 32730, 0, 32730));
        for (int row = 0; row < model.rowCount(); ++row)
            listed << model.index(row).data().toString();
    }
    QCOMPARE(listed, expected.listing.mid(0, HistoryListing::Capacity));
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
        EntryNumbers line{};
        int used = 0;
        const int keep = k - i % (k - 2);
        for (; used < keep; ++used)
            line[used] = draw.numbers[(used + i) % k];
        if (i % 3 == 0 && used < k)
            line[used++] = draw.bonus;
        while (used < k) {
            const auto n = static_cast<int16_t>(random.between(1, GameCatalogue::highestEver(gameId)));
            if (std::count(line.begin(), line.begin() + used, n) == 0
                && std::count(draw.numbers.begin(), draw.numbers.begin() + k, n) == 0 && n != draw.bonus)
                line[used++] = n;
        }
        lines.push_back(line);
    }
    const std::vector<EntryNumbers> damaged{
        {0, 0, 0, 0, 0, 0, 0}, {5, 5, 13, 21, 30, 37, 46}, {-3, 200, 64, 5, 13, 21, 30}, {-3, 200, 64, 0, 1, 2, 3}};
    lines.insert(lines.begin() + lines.size() / 2, damaged.begin(), damaged.end());
    return lines;
}
} // namespace

class tst_HistoryCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void againstStraightforward_data();
    void againstStraightforward();
    void pageFollowsTheCheck();
    void lottoMaxPrizesByDrawDate();

private:
    std::vector<DrawRecord> m_draws;
    std::vector<DrawRecord> m_super7;
    std::vector<DrawRecord> m_lottoMax;
};

void tst_HistoryCheck::initTestCase()
{
    m_draws = loadRealDraws();
    const QByteArray super7 = super7History(600);
    for (int i = 0; i < 600; ++i)
        m_super7.push_back(DrawRecord::fromBytes(super7.mid(i * DrawRecord::Size, DrawRecord::Size)));
    m_super7[5].bonus = m_super7[5].numbers[3]; // damaged: the bonus is also a main number
    m_lottoMax = loadLottoMaxDraws();
}

void tst_HistoryCheck::againstStraightforward_data()
{
    const int oldest = m_draws.front().dateKey(); // 12 June 1982
    const int newest = m_draws.back().dateKey();  // 23 September 2026
    QTest::addColumn<int>("gameId");
    QTest::addColumn<int>("startKey");
    QTest::addColumn<int>("endKey");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<bool>("damagedDraws");
    QTest::addColumn<int>("listingAtLeast"); // keeps each row meaningful
    const int national = GameCatalogue::National;
    QTest::newRow("whole history, past one page")
        << national << oldest << 20501231 << 1000 << false << HistoryListing::PageCapacity;
    QTest::newRow("one year") << national << 20030101 << 20031231 << 1000 << false << 1000;
    QTest::newRow("start and end on one draw") << national << 20030104 << 20030104 << 1000 << false << 2;
    QTest::newRow("end between draws") << national << 20030104 << 20030110 << 1000 << false << 3;
    QTest::newRow("between two draws") << national << 20030105 << 20030107 << 1000 << false << 0;
    QTest::newRow("start after newest") << national << newest + 1 << 20501231 << 1000 << false << 0;
    QTest::newRow("damaged draws") << national << oldest << newest << 400 << true << HistoryListing::PageCapacity;
    QTest::newRow("past the cap") << national << oldest << newest << 2000 << false << HistoryListing::Capacity + 1;
    QTest::newRow("super 7, every category")
        << int(GameCatalogue::Super7) << oldest << 20501231 << 2000 << false << 2000;
    // The real history through its three periods, each draw scored by its own date's prizes.
    QTest::newRow("lotto max, every category")
        << int(GameCatalogue::LottoMax) << 20090925 << 20260925 << 300 << false << 300;
}

void tst_HistoryCheck::againstStraightforward()
{
    QFETCH(int, gameId);
    QFETCH(int, startKey);
    QFETCH(int, endKey);
    QFETCH(int, lineCount);
    QFETCH(bool, damagedDraws);
    QFETCH(int, listingAtLeast);
    std::vector<DrawRecord> draws = gameId == GameCatalogue::Super7     ? m_super7
                                    : gameId == GameCatalogue::LottoMax ? m_lottoMax
                                                                        : m_draws;
    const std::vector<EntryNumbers> lines = fixedLines(draws, gameId, lineCount);
    if (damagedDraws) {
        draws[10].numbers[0] = -3;
        draws[20].numbers[1] = 200;
        draws[30].numbers = {5, 5, 5, 5, 5, 5, 5};
        draws[40].bonus = 64;
        draws[50].bonus = draws[50].numbers[0];
        draws[60].numbers = {0, 0, 0, 0, 0, 0, 0};
    }
    std::vector<DrawRecord> chosen;
    std::copy_if(draws.begin(), draws.end(), std::back_inserter(chosen), [&](const DrawRecord& d) {
        return d.dateKey() >= startKey && d.dateKey() <= endKey;
    });
    const Expected expected = straightforward(lines, chosen, gameId);
    QVERIFY(expected.listing.size() >= listingAtLeast);
    for (int row = 1; gameId != GameCatalogue::National && row <= HistoryCheck::rowCount(gameId); ++row)
        QVERIFY2(expected.counts[row] > 0, qPrintable(HistoryCheck::summaryLabel(gameId, row)));

    const auto range = HistoryCheck::findRange(draws, startKey, endKey);
    QCOMPARE(range.has_value(), !chosen.empty());
    if (!range)
        return;
    HistoryCheck check(lines, draws, gameId, *range);
    QVERIFY(check.run());
    compareWithStraightforward(check, expected);
}

// A page grows while the check runs, each step announced to its views.
void tst_HistoryCheck::pageFollowsTheCheck()
{
    const std::vector<EntryNumbers> lines = fixedLines(m_draws, GameCatalogue::National, 1000);
    HistoryCheck check(lines, m_draws, GameCatalogue::National, {1, static_cast<int>(m_draws.size())});
    HistoryPageModel page1(1);
    QAbstractItemModelTester tester(&page1, QAbstractItemModelTester::FailureReportingMode::QtTest);
    page1.setCheck(&check);
    for (bool done = false; !done;) {
        done = check.step(500);
        page1.sync();
        QCOMPARE(page1.rowCount(), static_cast<int>(check.listing().page(1).size()));
    }
    QVERIFY(page1.rowCount() > 0);
    page1.setCheck(nullptr);
    QCOMPARE(page1.rowCount(), 0);
}

// Five numbers and the bonus win "(5)" in a 2018 draw and "(5+B)" in a 2020 draw, each on its own row.
void tst_HistoryCheck::lottoMaxPrizesByDrawDate()
{
    const auto drawOn = [&](int day, int month, int year) {
        return *std::find_if(
            m_lottoMax.begin(), m_lottoMax.end(), [&](const DrawRecord& d) { return d.isOn(day, month, year); });
    };
    // 1 June 2018: 02 11 17 18 22 25 39, bonus 03; 5 June 2020: 01 08 15 16 32 39 40, bonus 31.
    const std::vector<EntryNumbers> lines{{2, 3, 11, 17, 18, 22, 40}, {1, 8, 15, 16, 31, 32, 45}};
    HistoryCheck check(lines, {drawOn(1, 6, 2018), drawOn(5, 6, 2020)}, GameCatalogue::LottoMax, {1, 2});
    QVERIFY(check.run());
    QStringList listed;
    for (const ListingEntry& entry : check.listing().page(0))
        listed << check.text(entry);
    QCOMPARE(
        listed,
        QStringList({"01 JUN  2018", "02 03 11 17 18 22 40 Hit 5", "05 JUN  2020", "01 08 15 16 31 32 45 Hit 5+B"}));
    QCOMPARE(HistoryCheck::summaryLabel(GameCatalogue::LottoMax, 4), "Match 5+B");
    QVERIFY(check.count(4) == 1 && check.count(5) == 1);
}

QTEST_GUILESS_MAIN(tst_HistoryCheck)
#include "tst_HistoryCheck.moc"
