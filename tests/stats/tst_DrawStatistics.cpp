#include "BallInfo.h"
#include "DrawStatistics.h"
#include "RealDraws.h"

#include <QTest>

#include <numeric>

namespace
{
// Main-number counts of the last rows of the operator's own file, read apart from the draw
// records so that the two readings check each other.
std::vector<int> officialCounts(int last)
{
    QFile file(testDataPath(QStringLiteral("649-official.csv")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read 649-official.csv");
    const QList<QByteArray> rows = file.readAll().trimmed().split('\n');
    std::vector<int> counts(49);
    for (qsizetype i = rows.size() - last; i < rows.size(); ++i) {
        for (int c = 4; c <= 9; ++c)
            ++counts[rows[i].split(',')[c].toInt() - 1];
    }
    return counts;
}

std::vector<DrawRecord> firstRealDraws(int count)
{
    auto draws = loadRealDraws();
    draws.resize(count);
    return draws;
}
} // namespace

class tst_DrawStatistics : public QObject
{
    Q_OBJECT

private slots:
    void frequencies_data();
    void frequencies();
    void countedFields();
    void sortedOrder_data();
    void sortedOrder();
    void ballInfo_data();
    void ballInfo();
};

void tst_DrawStatistics::frequencies_data()
{
    QTest::addColumn<int>("history");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("counted"); // the most recent draws counted
    QTest::addColumn<bool>("exceed");
    QTest::newRow("all draws") << 4453 << 0 << 4453 << false;
    QTest::newRow("last 100") << 4453 << 100 << 100 << false;
    QTest::newRow("exactly all") << 30 << 30 << 30 << false;
    QTest::newRow("one more than all") << 30 << 31 << 30 << true;
    QTest::newRow("empty, one asked") << 0 << 1 << 0 << true;
}

void tst_DrawStatistics::frequencies()
{
    QFETCH(int, history);
    QFETCH(int, asked);
    QFETCH(int, counted);
    QFETCH(bool, exceed);
    const auto result = DrawStatistics::countMainNumbers(firstRealDraws(history), 1, asked);
    QCOMPARE(result.drawsCounted, counted);
    QCOMPARE(result.lastDrawsExceed, exceed);
    if (history == 4453)
        QCOMPARE(result.counts, officialCounts(counted));
    else
        QCOMPARE(std::accumulate(result.counts.begin(), result.counts.end(), 0), 6 * counted);
}

void tst_DrawStatistics::countedFields()
{
    // Super 7 counts its seventh field, 6/49 games do not; 0 and 48 lie outside the ranges.
    std::vector<DrawRecord> draws(2);
    draws[0].numbers = {0, 2, 3, 4, 5, 6, 7};
    draws[1].numbers = {1, 2, 3, 4, 5, 48, 47};
    const auto super7 = DrawStatistics::countMainNumbers(draws, 2);
    QCOMPARE((std::vector<int>{super7.counts[1], super7.counts[6], super7.counts[46]}), (std::vector<int>{2, 1, 1}));
    QCOMPARE(super7.damagedRecords, 2);
    const auto lotto = DrawStatistics::countMainNumbers(draws, 5);
    QCOMPARE((std::vector<int>{lotto.counts[6], lotto.counts[46], lotto.counts[47]}), (std::vector<int>{0, 0, 1}));
    QCOMPARE(lotto.damagedRecords, 1);
}

void tst_DrawStatistics::sortedOrder_data()
{
    QTest::addColumn<std::vector<int>>("counts");
    QTest::addColumn<std::vector<int>>("balls");
    QTest::newRow("all equal stay in ball order") << std::vector<int>{4, 4, 4, 4} << std::vector<int>{1, 2, 3, 4};
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
        QCOMPARE(rows[k].label, QLatin1Char(' ') + QString::number(balls[k]));
        QCOMPARE(rows[k].value, counts[balls[k] - 1]);
    }
}

void tst_DrawStatistics::ballInfo_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<int>("history"); // the first draws of the real history
    QTest::addColumn<int>("ball");
    QTest::addColumn<QStringList>("shown"); // main then bonus: date, times, since, expected
    const QString times = QString::number(officialCounts(4453)[10]);
    QTest::newRow("newest main ball") << 1 << 4453 << 11
                                      << QStringList{"23 SEP 2026", times, "0", "545", "", "", "", "91"};
    QTest::newRow("newest bonus") << 1 << 4453 << 9 << QStringList{"", "", "", "", "23 SEP 2026", "", "0", ""};
    QTest::newRow("never a bonus") << 3 << 2 << 41
                                   << QStringList{"19 JUN 1982", "2", "0", "1", "Never", "0", "N/A", "0"};
    QTest::newRow("empty") << 1 << 0 << 7 << QStringList{"Never", "0", "N/A", "1", "Never", "0", "N/A", "0"};
    // Expected counts: 600 / 49 = 12.24 and 100 / 49 = 2.04; 700 / 47 = 14.89 and 100 / 47 = 2.13;
    // past the 16-bit product: 6 x 32767 / 49 = 4012.29 and 32767 / 49 = 668.71.
    QTest::newRow("100 draws") << 1 << 100 << 7 << QStringList{"", "", "", "12", "", "", "", "2"};
    QTest::newRow("100 Super 7 draws") << 2 << 100 << 7 << QStringList{"", "", "", "15", "", "", "", "2"};
    QTest::newRow("32767 draws") << 1 << 32767 << 7 << QStringList{"", "", "", "4012", "", "", "", "669"};
}

void tst_DrawStatistics::ballInfo()
{
    QFETCH(int, gameId);
    QFETCH(int, history);
    QFETCH(int, ball);
    QFETCH(QStringList, shown);
    const BallInfo info =
        BallInfo::of(history <= 4453 ? firstRealDraws(history) : std::vector<DrawRecord>(history), gameId, ball);
    QStringList fields;
    for (const BallFigures* f : {&info.asMain, &info.asBonus}) {
        fields << f->dateLastDrawnText() << QString::number(f->timesDrawn) << f->drawsSinceText(info.drawCount)
               << QString::number(f->expected);
    }
    for (int i = 0; i < shown.size(); ++i) {
        if (!shown[i].isEmpty())
            QCOMPARE(fields[i], shown[i]);
    }
}

QTEST_GUILESS_MAIN(tst_DrawStatistics)
#include "tst_DrawStatistics.moc"
