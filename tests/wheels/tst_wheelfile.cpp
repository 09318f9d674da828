#include "WheelFile.h"

#include <QBuffer>
#include <QLocale>
#include <QStandardPaths>
#include <QTest>

Q_DECLARE_METATYPE(PatternStatus)

namespace
{
const QList<int> Group{3, 9, 17, 22, 30, 41, 45};
}

class tst_wheelfile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readPatternLine_data();
    void readPatternLine();
    void readsLineByLineUntilNoneIsLeft();
    void linesBeyondTheCountAreIgnored();
    void unreadableFileIsReported();
};

void tst_wheelfile::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale::c());
}

void tst_wheelfile::readPatternLine_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("lineSize");
    QTest::addColumn<int>("groupSize");
    QTest::addColumn<PatternStatus>("status");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("failedPosition");

    const auto ok = PatternStatus::Ok;
    const auto corrupt = PatternStatus::Corrupt;
    const auto failure = PatternStatus::ReadFailure;
    QTest::newRow("two digits") << QByteArray("01 02 03 04 05 06\n") << 6 << 7 << ok << QList<int>{3, 9, 17, 22, 30, 41}
                                << 0;
    QTest::newRow("right-aligned single digits")
        << QByteArray(" 1  2  3  4  5  7\n") << 6 << 7 << ok << QList<int>{3, 9, 17, 22, 30, 45} << 0;
    QTest::newRow("blanks around, CRLF") << QByteArray("   01 02 03 04 05 07  \r\n") << 6 << 7 << ok
                                         << QList<int>{3, 9, 17, 22, 30, 45} << 0;
    QTest::newRow("quoted field") << QByteArray("\"01 03 04 05 06 07\"\n") << 6 << 7 << ok
                                  << QList<int>{3, 17, 22, 30, 41, 45} << 0;
    QTest::newRow("order kept as written")
        << QByteArray("07 01 02 03 04 05\n") << 6 << 7 << ok << QList<int>{45, 3, 9, 17, 22, 30} << 0;
    QTest::newRow("seven positions") << QByteArray("01 02 03 04 05 06 07\n") << 7 << 7 << ok
                                     << QList<int>{3, 9, 17, 22, 30, 41, 45} << 0;
    QTest::newRow("five fields") << QByteArray("01 02 03 04 05\n") << 6 << 7 << corrupt << QList<int>{} << 6;
    QTest::newRow("six fields for Super 7")
        << QByteArray("01 02 03 04 05 06\n") << 7 << 7 << corrupt << QList<int>{} << 7;
    QTest::newRow("blank line") << QByteArray("\n01 02 03 04 05 06\n") << 6 << 7 << corrupt << QList<int>{} << 1;
    QTest::newRow("zero position") << QByteArray("01 00 03 04 05 06\n") << 6 << 7 << corrupt << QList<int>{} << 2;
    QTest::newRow("letters") << QByteArray("01 02 xx 04 05 06\n") << 6 << 7 << corrupt << QList<int>{} << 3;
    QTest::newRow("comma ends the field")
        << QByteArray("01 02 03,04 05 06\n") << 6 << 7 << corrupt << QList<int>{} << 4;
    QTest::newRow("past the group") << QByteArray("01 02 03 04 05 08\n") << 6 << 7 << corrupt << QList<int>{} << 6;
    QTest::newRow("24 in a group of 24") << QByteArray("01 02 03 04 05 24\n") << 6 << 24 << ok
                                         << QList<int>{1, 2, 3, 4, 5, 24} << 0;
    QTest::newRow("above 24") << QByteArray("01 02 03 04 05 25\n") << 6 << 24 << failure << QList<int>{} << 6;
    QTest::newRow("negative") << QByteArray("-1 02 03 04 05 06\n") << 6 << 7 << failure << QList<int>{} << 1;
    QTest::newRow("no line at all") << QByteArray() << 6 << 7 << failure << QList<int>{} << 0;
}

void tst_wheelfile::readPatternLine()
{
    QFETCH(QByteArray, text);
    QFETCH(int, lineSize);
    QFETCH(int, groupSize);
    QFETCH(PatternStatus, status);
    QFETCH(QList<int>, numbers);

    QList<int> group = Group;
    if (groupSize != group.size()) {
        group.clear();
        for (int i = 1; i <= groupSize; ++i)
            group << i;
    }
    QBuffer buffer(&text);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    WheelFile file(buffer);
    const PatternLine line = file.ReadPatternLine(lineSize, std::span<const int>(group.data(), group.size()));
    QCOMPARE(line.status, status);
    QTEST(line.failedPosition, "failedPosition");
    if (status == PatternStatus::Ok)
        QCOMPARE(QList<int>(line.numbers.begin(), line.numbers.begin() + lineSize), numbers);
}

void tst_wheelfile::readsLineByLineUntilNoneIsLeft()
{
    QByteArray text("01 02 03 04 05 06\n02 03 04 05 06 07");
    QBuffer buffer(&text);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    WheelFile file(buffer);
    const std::span<const int> group(Group.data(), Group.size());
    QCOMPARE(file.ReadPatternLine(6, group).numbers[0], 3);
    QVERIFY(!file.atEnd());
    const PatternLine last = file.ReadPatternLine(6, group);
    QCOMPARE(last.status, PatternStatus::Ok);
    QCOMPARE(last.numbers[5], 45);
    QVERIFY(file.atEnd());
    QCOMPARE(file.ReadPatternLine(6, group).status, PatternStatus::ReadFailure);
}

void tst_wheelfile::linesBeyondTheCountAreIgnored()
{
    QByteArray text("01 02 03 04 05 06\n01 02 03 04 05 07\nnot a pattern line\n");
    QBuffer buffer(&text);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QString error;
    const auto masks = WheelFile::readLineMasks(buffer, 6, 7, 2, &error);
    QVERIFY2(masks, qPrintable(error));
    QCOMPARE(*masks, (std::vector<uint32_t>{0b0111111, 0b1011111}));

    buffer.seek(0);
    QVERIFY(!WheelFile::readLineMasks(buffer, 6, 7, 4, &error));
    QCOMPARE(error, QStringLiteral("Line 3: position 1 is corrupt"));
}

void tst_wheelfile::unreadableFileIsReported()
{
    QString error;
    QVERIFY(!WheelFile::readLineMasks(QStringLiteral("/nonexistent/6-4-3-9.whl"), 6, 9, 3, &error));
    QVERIFY(error.contains(QStringLiteral("6-4-3-9.whl")));
}

QTEST_GUILESS_MAIN(tst_wheelfile)
#include "tst_wheelfile.moc"
