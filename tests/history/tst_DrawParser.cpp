#include "DrawParser.h"

#include <QTest>

using Numbers = std::array<int16_t, 7>;
Q_DECLARE_METATYPE(Numbers)

class tst_DrawParser : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
};

void tst_DrawParser::parse_data()
{
    const QString range = QStringLiteral("One or more of your main numbers is not in the correct range");
    const QString duplicate = QStringLiteral("You have duplicate numbers");
    QTest::addColumn<int>("gameId");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<Numbers>("numbers");
    QTest::addColumn<int>("bonus");
    QTest::newRow("sorted, bonus kept") << 3 << QStringList{"49", "12", "3", "30", "7", "22", "15"} << QString()
                                        << Numbers{3, 7, 12, 22, 30, 49, 0} << 15;
    QTest::newRow("super 7") << 2 << QStringList{"47", "1", "20", "33", "2", "9", "14", "5"} << QString()
                             << Numbers{1, 2, 9, 14, 20, 33, 47} << 5;
    QTest::newRow("6/49 takes 48") << 1 << QStringList{"1", "2", "3", "4", "5", "48", "9"} << QString()
                                   << Numbers{1, 2, 3, 4, 5, 48, 0} << 9;
    QTest::newRow("empty box") << 3 << QStringList{"1", "2", "", "4", "5", "6", "7"} << range << Numbers{} << 0;
    QTest::newRow("letters") << 3 << QStringList{"1", "2", "x", "4", "5", "6", "7"} << range << Numbers{} << 0;
    QTest::newRow("bonus 50") << 3 << QStringList{"1", "2", "3", "4", "5", "6", "50"} << range << Numbers{} << 0;
    QTest::newRow("beyond 16 bits") << 3 << QStringList{"1", "2", "3", "4", "5", "6", "70000"} << range << Numbers{}
                                    << 0;
    QTest::newRow("range before repeats")
        << 3 << QStringList{"1", "1", "3", "4", "5", "6", "0"} << range << Numbers{} << 0;
    QTest::newRow("bonus repeats") << 3 << QStringList{"1", "2", "3", "4", "5", "6", "6"} << duplicate << Numbers{}
                                   << 0;
    QTest::newRow("7.5 rounds to 8") << 3 << QStringList{"1", "2", "3", "4", "5", "8", "7.5"} << duplicate << Numbers{}
                                     << 0;
    QTest::newRow("super 7 with 48") << 2 << QStringList{"1", "2", "3", "4", "5", "6", "48", "9"} << range << Numbers{}
                                     << 0;
    QTest::newRow("super 7 bonus repeats")
        << 2 << QStringList{"1", "2", "3", "4", "5", "6", "7", "1"} << duplicate << Numbers{} << 0;
}

void tst_DrawParser::parse()
{
    QFETCH(int, gameId);
    QFETCH(QStringList, boxes);
    QFETCH(QString, refusal);
    QFETCH(Numbers, numbers);
    QFETCH(int, bonus);
    QString why;
    const auto draw = DrawParser::parse(boxes, gameId, QDate(2026, 12, 5), &why);
    QCOMPARE(why, refusal);
    QCOMPARE(draw.has_value(), refusal.isEmpty());
    if (!draw)
        return;
    QCOMPARE(draw->numbers, numbers);
    QCOMPARE(int(draw->bonus), bonus);
    QCOMPARE(QDate(draw->year, draw->month, draw->day), QDate(2026, 12, 5));
}

QTEST_GUILESS_MAIN(tst_DrawParser)
#include "tst_DrawParser.moc"
