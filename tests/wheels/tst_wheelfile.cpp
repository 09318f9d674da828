#include "WheelFile.h"

#include <QBuffer>
#include <QTest>

#include <numeric>

Q_DECLARE_METATYPE(PatternStatus)

namespace
{
const QList<int> Group{3, 9, 17, 22, 30, 41, 45};
}

class tst_wheelfile : public QObject
{
    Q_OBJECT

private slots:
    void readPatternLine_data();
    void readPatternLine();
    void lineMasks();
};

void tst_wheelfile::readPatternLine_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("lineSize");
    QTest::addColumn<int>("groupSize"); // 7: Group; 24: 1..24
    QTest::addColumn<PatternStatus>("status");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("failedPosition");
    const auto ok = PatternStatus::Ok, corrupt = PatternStatus::Corrupt, failure = PatternStatus::ReadFailure;
    const QList<int> none;
    QTest::newRow("order kept as written")
        << QByteArray("07 01 02 03 04 05\n") << 6 << 7 << ok << QList<int>{45, 3, 9, 17, 22, 30} << 0;
    QTest::newRow("single digits, blanks around, CRLF")
        << QByteArray("   1  2  3  4  5  7  \r\n") << 6 << 7 << ok << QList<int>{3, 9, 17, 22, 30, 45} << 0;
    QTest::newRow("quoted field") << QByteArray("\"01 03 04 05 06 07\"\n") << 6 << 7 << ok
                                  << QList<int>{3, 17, 22, 30, 41, 45} << 0;
    QTest::newRow("seven positions") << QByteArray("01 02 03 04 05 06 07\n") << 7 << 7 << ok << Group << 0;
    QTest::newRow("six fields for Super 7") << QByteArray("01 02 03 04 05 06\n") << 7 << 7 << corrupt << none << 7;
    QTest::newRow("blank line") << QByteArray("\n01 02 03 04 05 06\n") << 6 << 7 << corrupt << none << 1;
    QTest::newRow("zero position") << QByteArray("01 00 03 04 05 06\n") << 6 << 7 << corrupt << none << 2;
    QTest::newRow("comma ends the field") << QByteArray("01 02 03,04 05 06\n") << 6 << 7 << corrupt << none << 4;
    QTest::newRow("past the group") << QByteArray("01 02 03 04 05 08\n") << 6 << 7 << corrupt << none << 6;
    QTest::newRow("24 in a group of 24") << QByteArray("01 02 03 04 05 24\n") << 6 << 24 << ok
                                         << QList<int>{1, 2, 3, 4, 5, 24} << 0;
    QTest::newRow("above 24") << QByteArray("01 02 03 04 05 25\n") << 6 << 24 << failure << none << 6;
    QTest::newRow("no line at all") << QByteArray() << 6 << 7 << failure << none << 0;
}

void tst_wheelfile::readPatternLine()
{
    QFETCH(QByteArray, text);
    QFETCH(int, lineSize);
    QFETCH(int, groupSize);
    QFETCH(PatternStatus, status);
    QFETCH(QList<int>, numbers);
    QList<int> group = Group;
    if (groupSize == 24) {
        group.resize(24);
        std::iota(group.begin(), group.end(), 1);
    }
    QBuffer buffer(&text);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const PatternLine line =
        WheelFile(buffer).ReadPatternLine(lineSize, std::span<const int>(group.data(), group.size()));
    QCOMPARE(line.status, status);
    QTEST(line.failedPosition, "failedPosition");
    if (status == PatternStatus::Ok)
        QCOMPARE(QList<int>(line.numbers.begin(), line.numbers.begin() + lineSize), numbers);
}

void tst_wheelfile::lineMasks()
{
    // Lines are read one after another (saving a wheel reads them so too); lines beyond the count
    // asked for are not read.
    QByteArray text("01 02 03 04 05 06\n01 02 03 04 05 07\nnot a pattern line\n");
    QBuffer buffer(&text);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QString error;
    QCOMPARE(WheelFile::readLineMasks(buffer, 6, 7, 2, &error),
             std::optional(std::vector<uint32_t>{0b0111111, 0b1011111}));
    buffer.seek(0);
    QVERIFY(!WheelFile::readLineMasks(buffer, 6, 7, 4, &error));
    QCOMPARE(error, QStringLiteral("Line 3: position 1 is corrupt"));
    QVERIFY(!WheelFile::readLineMasks(QStringLiteral("/nonexistent/6-4-3-9.whl"), 6, 9, 3, &error));
    QVERIFY2(error.contains(QStringLiteral("6-4-3-9.whl")), qPrintable(error));
}

QTEST_GUILESS_MAIN(tst_wheelfile)
#include "tst_wheelfile.moc"
