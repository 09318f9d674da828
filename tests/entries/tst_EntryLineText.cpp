#include "EntryLineText.h"

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
    // The last failed test wins: the range test on box 3 comes after the duplicate of boxes 1, 2.
    QTest::newRow("range after duplicate") << 1 << QStringList{"5", "5", "60", "2", "3", "4"} << range << none;
    QTest::newRow("duplicate after range") << 1 << QStringList{"60", "2", "3", "4", "5", "5"} << same << none;
    QTest::newRow("empty box") << 3 << QStringList{"1", "2", "", "4", "5", "6"} << notNumber << none;
    QTest::newRow("range, then letters") << 5 << QStringList{"50", "2", "3", "4", "5", "x"} << notNumber << none;
    QTest::newRow("below 1 before rounding") << 5 << QStringList{"0.6", "2", "3", "4", "5", "6"} << notNumber << none;
    QTest::newRow("box missing") << 1 << QStringList{"1", "2", "3", "4", "5"} << notNumber << none;
    // "2.5" and "2" differ as typed but would both be stored as 2.
    QTest::newRow("same once rounded") << 1 << QStringList{"2.5", "2", "3", "4", "5", "6"} << same << none;
    QTest::newRow("halves to even, sorted") << 7 << QStringList{"49", "3.5", " 10", "20abc", "30", "2.5"} << QString()
                                            << EntryNumbers{2, 4, 10, 20, 30, 49, 0};
    QTest::newRow("super 7") << 2 << QStringList{"47", "1", "30", "12", "8", "22", "9"} << QString()
                             << EntryNumbers{1, 8, 9, 12, 22, 30, 47};
    QTest::newRow("super 7 ends at 47") << 2 << QStringList{"48", "1", "30", "12", "8", "22", "9"} << range << none;
    QTest::newRow("super 7 box 7") << 2 << QStringList{"1", "2", "3", "4", "5", "6", ""} << notNumber << none;
}

void tst_EntryLineText::validateLine()
{
    QFETCH(int, gameId);
    QFETCH(QStringList, boxes);
    QFETCH(QString, message);
    QFETCH(EntryNumbers, stored);
    EntryNumbers result{-1, -1, -1, -1, -1, -1, -1};
    QCOMPARE(validationMessage(ValidateLine(boxes, gameId, &result)), message);
    QCOMPARE(result, stored);
}

QTEST_GUILESS_MAIN(tst_EntryLineText)
#include "tst_EntryLineText.moc"
