#include "BallInfo.h"
#include "DrawStatistics.h"
#include "RealDraws.h"

#include <QTest>

#include <algorithm>
#include <array>

namespace
{
// Main-number counts of the last `last` rows of the operator's own file, read apart from the
// draw records so that the two readings check each other.
std::array<int, 49> officialCounts(int last)
{
    QFile file(testDataPath(QStringLiteral("649-official.csv")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read 649-official.csv");
    QList<QByteArray> rows = file.readAll().trimmed().split('\n');
    rows.removeFirst();
    std::array<int, 49> counts{};
    for (qsizetype i = rows.size() - last; i < rows.size(); ++i) {
        const QList<QByteArray> cells = rows[i].split(',');
        for (int c = 4; c <= 9; ++c)
            ++counts[cells[c].toInt() - 1];
    }
    return counts;
}

DrawRecord draw(std::array<int16_t, 7> numbers, int16_t bonus)
{
    DrawRecord r;
    r.day = 5;
    r.month = 3;
    r.year = 2003;
    r.numbers = numbers;
    r.bonus = bonus;
    return r;
}
} // namespace

class tst_DrawStatistics : public QObject
{
    Q_OBJECT

private slots:
    void realFrequencies_data();
    void realFrequencies();
    void lastDraws_data();
    void lastDraws();
    void countedFields();
    void sortedOrder_data();
    void sortedOrder();
    void realSortedChart();
    void ballInfo_data();
    void ballInfo();
    void expectedCounts_data();
    void expectedCounts();
    void halvesGoToEven();
};

void tst_DrawStatistics::realFrequencies_data()
{
    QTest::addColumn<int>("last");
    QTest::newRow("all draws") << 4453;
    QTest::newRow("last 100") << 100;
    QTest::newRow("last one") << 1;
}

void tst_DrawStatistics::realFrequencies()
{
    QFETCH(int, last);
    const auto draws = loadRealDraws();
    const auto result = DrawStatistics::countMainNumbers(draws, 1, last);
    const std::array<int, 49> expected = officialCounts(last);
    QVERIFY(std::equal(expected.begin(), expected.end(), result.counts.begin(), result.counts.end()));
    QCOMPARE(result.drawsCounted, last);
    QCOMPARE(result.firstRecord, 4453 - last + 1);
    QVERIFY(!result.lastDrawsExceed);
    QCOMPARE(result.damagedRecords, 0);
}

void tst_DrawStatistics::lastDraws_data()
{
    QTest::addColumn<int>("history");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("counted");
    QTest::addColumn<bool>("exceed");
    QTest::newRow("none asked") << 30 << 0 << 30 << false;
    QTest::newRow("negative") << 30 << -4 << 30 << false;
    QTest::newRow("exactly all") << 30 << 30 << 30 << false;
    QTest::newRow("one more than all") << 30 << 31 << 30 << true;
    QTest::newRow("most a file holds") << 30 << 32767 << 30 << true;
    QTest::newRow("empty, none asked") << 0 << 0 << 0 << false;
    QTest::newRow("empty, one asked") << 0 << 1 << 0 << true;
}

void tst_DrawStatistics::lastDraws()
{
    QFETCH(int, history);
    QFETCH(int, asked);
    QFETCH(int, counted);
    QFETCH(bool, exceed);
    auto draws = loadRealDraws();
    draws.resize(history);
    const auto result = DrawStatistics::countMainNumbers(draws, 1, asked);
    QCOMPARE(result.drawsCounted, counted);
    QCOMPARE(result.lastDrawsExceed, exceed);
    int total = 0;
    for (int c : result.counts)
        total += c;
    QCOMPARE(total, 6 * counted);
}

void tst_DrawStatistics::countedFields()
{
    // The seventh field counts for Super 7 only, the bonus never; 0, 48 and -3 are outside the ranges.
    const std::vector<DrawRecord> draws{
        draw({1, 2, 3, 4, 5, 6, 7}, 8), draw({1, 2, 3, 4, 5, 48, 47}, 9), draw({0, 2, 3, 4, 5, 49, -3}, 10)};
    const auto super7 = DrawStatistics::countMainNumbers(draws, 2);
    QCOMPARE(super7.counts.size(), size_t(47));
    QCOMPARE(super7.counts[0], 2);
    QCOMPARE(super7.counts[6], 1);
    QCOMPARE(super7.counts[46], 1);
    QCOMPARE(super7.counts[7] + super7.counts[8] + super7.counts[9], 0);
    QCOMPARE(super7.damagedRecords, 2);
    const auto lotto = DrawStatistics::countMainNumbers(draws, 5);
    QCOMPARE(lotto.counts.size(), size_t(49));
    QCOMPARE(lotto.counts[6] + lotto.counts[46], 0);
    QCOMPARE(lotto.counts[47], 1);
    QCOMPARE(lotto.counts[48], 1);
    QCOMPARE(lotto.damagedRecords, 1);
}

void tst_DrawStatistics::sortedOrder_data()
{
    QTest::addColumn<std::vector<int>>("counts");
    QTest::addColumn<std::vector<int>>("balls");
    QTest::newRow("all equal stay in ball order") << std::vector<int>{4, 4, 4, 4} << std::vector<int>{1, 2, 3, 4};
    QTest::newRow("descending") << std::vector<int>{1, 5, 3} << std::vector<int>{2, 3, 1};
    // Worked by hand through the exchanges: a stable sort would give 3 1 2 and 2 4 1 3.
    QTest::newRow("ties behind a larger last ball") << std::vector<int>{0, 0, 1} << std::vector<int>{3, 2, 1};
    QTest::newRow("two tied pairs") << std::vector<int>{1, 2, 1, 2} << std::vector<int>{2, 4, 3, 1};
}

void tst_DrawStatistics::sortedOrder()
{
    QFETCH(std::vector<int>, counts);
    QFETCH(std::vector<int>, balls);
    const auto rows = DrawStatistics::chartRows(counts, true);
    QCOMPARE(rows.size(), balls.size());
    for (size_t k = 0; k < rows.size(); ++k) {
        QCOMPARE(rows[k].ball, balls[k]);
        QCOMPARE(rows[k].label, QLatin1Char(' ') + QString::number(balls[k]));
        QCOMPARE(rows[k].value, counts[balls[k] - 1]);
    }
}

void tst_DrawStatistics::realSortedChart()
{
    const auto counts = DrawStatistics::countMainNumbers(loadRealDraws(), 1).counts;
    const auto sorted = DrawStatistics::chartRows(counts, true);
    QVERIFY(
        std::is_sorted(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.value > b.value; }));
    std::vector<int> balls;
    for (const auto& row : sorted)
        balls.push_back(row.ball);
    std::sort(balls.begin(), balls.end());
    for (int b = 1; b <= 49; ++b)
        QCOMPARE(balls[b - 1], b);
    const auto plain = DrawStatistics::chartRows(counts, false);
    QCOMPARE(plain[6].label, QStringLiteral(" 7"));
    QCOMPARE(plain[6].value, counts[6]);
}

void tst_DrawStatistics::ballInfo_data()
{
    QTest::addColumn<int>("history"); // the first draws of the real history
    QTest::addColumn<int>("ball");
    QTest::addColumn<QStringList>("main"); // date, times, since, expected
    QTest::addColumn<QStringList>("bonus");
    const QString all = QString::number(officialCounts(4453)[10]);
    QTest::newRow("newest draw, main") << 4453 << 11 << QStringList{"23 SEP 2026", all, "0", "545"}
                                       << QStringList{"", "", "", "91"};
    QTest::newRow("newest draw, bonus") << 4453 << 9 << QStringList{"", "", "", "545"}
                                        << QStringList{"23 SEP 2026", "", "0", "91"};
    QTest::newRow("never a bonus") << 2 << 41 << QStringList{"19 JUN 1982", "2", "0", "1"}
                                   << QStringList{"Never", "0", "N/A", "0"};
    QTest::newRow("never a main ball") << 2 << 13 << QStringList{"Never", "0", "N/A", "1"}
                                       << QStringList{"12 JUN 1982", "1", "1", "0"};
    QTest::newRow("empty history") << 0 << 7 << QStringList{"Never", "0", "N/A", "1"}
                                   << QStringList{"Never", "0", "N/A", "0"};
}

void tst_DrawStatistics::ballInfo()
{
    QFETCH(int, history);
    QFETCH(int, ball);
    QFETCH(QStringList, main);
    QFETCH(QStringList, bonus);
    auto draws = loadRealDraws();
    draws.resize(history);
    const BallInfo info = BallInfo::of(draws, 1, ball);
    const auto check = [&](const BallFigures& figures, const QStringList& expected) {
        const QStringList shown{figures.dateLastDrawnText(),
                                QString::number(figures.timesDrawn),
                                figures.drawsSinceText(info.drawCount),
                                QString::number(figures.expected)};
        for (int i = 0; i < 4; ++i) {
            if (!expected[i].isEmpty())
                QCOMPARE(shown[i], expected[i]);
        }
    };
    check(info.asMain, main);
    check(info.asBonus, bonus);
}

void tst_DrawStatistics::expectedCounts_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<int>("draws");
    QTest::addColumn<int>("main");
    QTest::addColumn<int>("bonus");
    QTest::newRow("6/49, 100 draws") << 3 << 100 << 12 << 2;                     // 12.24 and 2.04
    QTest::newRow("Super 7, 100 draws") << 2 << 100 << 15 << 2;                  // 14.89 and 2.13
    QTest::newRow("6/49, past 16-bit products") << 1 << 32767 << 4012 << 669;    // 4012.29 and 668.71
    QTest::newRow("Super 7, past 16-bit products") << 2 << 32767 << 4880 << 697; // 4880.19 and 697.17
    QTest::newRow("one draw") << 1 << 1 << 1 << 0;
}

void tst_DrawStatistics::expectedCounts()
{
    QFETCH(int, gameId);
    QFETCH(int, draws);
    QFETCH(int, main);
    QFETCH(int, bonus);
    const std::vector<DrawRecord> history(draws, draw({1, 2, 3, 4, 5, 6, 7}, 8));
    const BallInfo info = BallInfo::of(history, gameId, 40);
    QCOMPARE(info.asMain.expected, main);
    QCOMPARE(info.asBonus.expected, bonus);
}

void tst_DrawStatistics::halvesGoToEven()
{
    QCOMPARE(BallInfoText::roundedRatio(5, 2), 2);
    QCOMPARE(BallInfoText::roundedRatio(7, 2), 4);
    QCOMPARE(BallInfoText::roundedRatio(7, 3), 2);
}

QTEST_GUILESS_MAIN(tst_DrawStatistics)
#include "tst_DrawStatistics.moc"
