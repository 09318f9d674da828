#include "EntryLineText.h"

#include <QDate>
#include <QTest>

Q_DECLARE_METATYPE(EntryNumbers)

class tst_EntryLineText : public QObject
{
    Q_OBJECT

private slots:
    void formatEntryLine();
    void validateLine_data();
    void validateLine();
};

void tst_EntryLineText::formatEntryLine()
{
    QCOMPARE(FormatEntryLine({3, 11, 19, 27, 38, 45, 0}, 1), QStringLiteral("03 11 19 27 38 45"));
    QCOMPARE(FormatEntryLine({1, 2, 3, 4, 5, 6, 7}, 6), QStringLiteral("01 02 03 04 05 06"));
    QCOMPARE(FormatEntryLine({1, 9, 10, 22, 30, 46, 47}, 2), QStringLiteral("01 09 10 22 30 46 47"));
}

void tst_EntryLineText::validateLine_data()
{
    const QString same = "One or more of your numbers are the same!";
    const QString notNumber = "One or more of your entries is not a number!";
    const QString range = "One or more of your numbers are out of range for the game!";
    const EntryNumbers none{-1, -1, -1, -1, -1, -1, -1}; // a refused line is not stored
    QTest::addColumn<int>("gameId");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<EntryNumbers>("stored");
    QTest::addColumn<QDate>("date"); // the entry date; null: the newest rules
    // The last failed test wins: the range test on box 3 comes after the duplicate of boxes 1, 2.
    QTest::newRow("range after duplicate")
        << 1 << QStringList{"5", "5", "60", "2", "3", "4"} << range << none << QDate();
    QTest::newRow("duplicate after range")
        << 1 << QStringList{"60", "2", "3", "4", "5", "5"} << same << none << QDate();
    QTest::newRow("empty box") << 3 << QStringList{"1", "2", "", "4", "5", "6"} << notNumber << none << QDate();
    QTest::newRow("range, then letters") << 5 << QStringList{"50", "2", "3", "4", "5", "x"} << notNumber << none
                                         << QDate();
    QTest::newRow("below 1 before rounding")
        << 5 << QStringList{"0.6", "2", "3", "4", "5", "6"} << notNumber << none << QDate();
    QTest::newRow("box missing") << 1 << QStringList{"1", "2", "3", "4", "5"} << notNumber << none << QDate();
    // "2.5" and "2" differ as typed but would both be stored as 2.
    QTest::newRow("same once rounded") << 1 << QStringList{"2.5", "2", "3", "4", "5", "6"} << same << none << QDate();
    QTest::newRow("halves to even, sorted") << 7 << QStringList{"49", "3.5", " 10", "20abc", "30", "2.5"} << QString()
                                            << EntryNumbers{2, 4, 10, 20, 30, 49, 0} << QDate();
    QTest::newRow("super 7") << 2 << QStringList{"47", "1", "30", "12", "8", "22", "9"} << QString()
                             << EntryNumbers{1, 8, 9, 12, 22, 30, 47} << QDate();
    QTest::newRow("super 7 ends at 47") << 2 << QStringList{"48", "1", "30", "12", "8", "22", "9"} << range << none
                                        << QDate();
    QTest::newRow("super 7 box 7") << 2 << QStringList{"1", "2", "3", "4", "5", "6", ""} << notNumber << none
                                   << QDate();
    // Lotto Max's range follows the entry date: 1..49 up to 10 May 2019, 1..50, then 1..52 from 14 April 2026.
    const QStringList with50{"50", "1", "30", "12", "8", "22", "9"}, with52{"52", "1", "30", "12", "8", "22", "9"};
    const EntryNumbers sorted50{1, 8, 9, 12, 22, 30, 50}, sorted52{1, 8, 9, 12, 22, 30, 52};
    QTest::newRow("Lotto Max 50, 2019-05-10") << 8 << with50 << range << none << QDate(2019, 5, 10);
    QTest::newRow("Lotto Max 50, 2019-05-14") << 8 << with50 << QString() << sorted50 << QDate(2019, 5, 14);
    QTest::newRow("Lotto Max 52, 2026-04-10") << 8 << with52 << range << none << QDate(2026, 4, 10);
    QTest::newRow("Lotto Max 52, 2026-04-14") << 8 << with52 << QString() << sorted52 << QDate(2026, 4, 14);
}

void tst_EntryLineText::validateLine()
{
    QFETCH(int, gameId);
    QFETCH(QStringList, boxes);
    QFETCH(QString, message);
    QFETCH(EntryNumbers, stored);
    QFETCH(QDate, date);
    EntryNumbers result{-1, -1, -1, -1, -1, -1, -1};
    QCOMPARE(validationMessage(ValidateLine(boxes, gameId, date, &result)), message);
    QCOMPARE(result, stored);
}

QTEST_GUILESS_MAIN(tst_EntryLineText)
#include "tst_EntryLineText.moc"
