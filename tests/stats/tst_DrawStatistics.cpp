#include "BallInfo.h"
#include "DrawStatistics.h"
#include "GameCatalogue.h"
#include "RealDraws.h"

#include <QTest>

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
    static const std::vector<DrawRecord> real = loadRealDraws();
    return {real.begin(), real.begin() + count};
}

// The balls by count, as the sorted chart shows them (its labels and clicks are checked in tst_Form4).
std::vector<int> sortedChart(const std::vector<int>& counts)
{
    std::vector<int> balls;
    for (const DrawStatistics::BallCount& b : DrawStatistics::sortedBalls(counts))
        balls.push_back(b.ball);
    return balls;
}
} // namespace

class tst_DrawStatistics : public QObject
{
    Q_OBJECT

private slots:
    void frequencies();
    void countedFields();
    void sortedOrder();
    void ballInfo_data();
    void ballInfo();
};

void tst_DrawStatistics::frequencies()
{
    // Against the operator's own file: all draws, and the last 100.
    for (const int last : {4453, 100}) {
        const auto result = DrawStatistics::countMainNumbers(firstRealDraws(4453), 1, last == 4453 ? 0 : last);
        QVERIFY(result.drawsCounted == last && !result.lastDrawsExceed);
        QCOMPARE(result.counts, officialCounts(last));
    }
    // Asking for more draws than there are counts them all and says so (also shown by tst_Form4).
    const auto thirty = DrawStatistics::countMainNumbers(firstRealDraws(30), 1, 30);
    QVERIFY(thirty.drawsCounted == 30 && !thirty.lastDrawsExceed);
    const auto empty = DrawStatistics::countMainNumbers({}, 1, 1);
    QVERIFY(empty.drawsCounted == 0 && empty.lastDrawsExceed);
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

    // Lotto Max: 52 bars; a 51 is damage in a 2018 draw and a number drawn in 2026.
    for (int i = 0; i < 2; ++i)
        draws[i] = {0, 0, 5, 6, int16_t(i == 0 ? 2018 : 2026), {1, 2, 3, 4, 5, 6, 51}, 7};
    const auto max = DrawStatistics::countMainNumbers(draws, GameCatalogue::LottoMax);
    QCOMPARE((std::vector<int>{int(max.counts.size()), max.counts[50], max.damagedRecords}),
             (std::vector<int>{52, 1, 1}));
}

void tst_DrawStatistics::sortedOrder()
{
    QCOMPARE(sortedChart({4, 4, 4, 4}), (std::vector<int>{1, 2, 3, 4})); // all equal stay in ball order
    // Worked by hand through the exchanges: a stable sort would give 3 1 2 and 2 4 1 3.
    QCOMPARE(sortedChart({0, 0, 1}), (std::vector<int>{3, 2, 1}));
    QCOMPARE(sortedChart({1, 2, 1, 2}), (std::vector<int>{2, 4, 3, 1}));
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
    // The real Lotto Max history: 503 draws of 7/49, 722 of 7/50 and 48 of 7/52. A ball expects
    // only from the draws whose range holds it: ball 52 7 x 48 / 52 = 6.46 and 48 / 52 = 0.92;
    // ball 50 adds 7 x 722 / 50 (107.54 and 15.36); ball 1 adds 7 x 503 / 49 (179.40 and 25.63).
    const int max = GameCatalogue::LottoMax;
    QTest::newRow("lotto max 52") << max << 1273 << 52
                                  << QStringList{"25 SEP 2026", "10", "0", "6", "2 JUN 2026", "1", "33", "1"};
    QTest::newRow("lotto max 50") << max << 1273 << 50 << QStringList{"", "", "", "108", "", "", "", "15"};
    QTest::newRow("lotto max 1") << max << 1273 << 1 << QStringList{"", "", "", "179", "", "", "", "26"};
}

void tst_DrawStatistics::ballInfo()
{
    QFETCH(int, gameId);
    QFETCH(int, history);
    QFETCH(int, ball);
    QFETCH(QStringList, shown);
    const BallInfo info = BallInfo::of(gameId == GameCatalogue::LottoMax ? loadLottoMaxDraws()
                                       : history <= 4453                 ? firstRealDraws(history)
                                                                         : std::vector<DrawRecord>(history),
                                       gameId,
                                       ball);
    QStringList fields;
    for (const BallFigures* f : {&info.asMain, &info.asBonus}) {
        fields << f->dateLastDrawnText() << QString::number(f->timesDrawn) << f->drawsSinceText(info.drawCount)
               << QString::number(f->expected);
    }
    for (int i = 0; i < shown.size(); ++i)
        QVERIFY2(shown[i].isEmpty() || fields[i] == shown[i], qPrintable(fields.join(QLatin1Char('|'))));
}

QTEST_GUILESS_MAIN(tst_DrawStatistics)
#include "tst_DrawStatistics.moc"
