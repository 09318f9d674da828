#include "WheelCatalogue.h"
#include "WheelFile.h"
#include "WheelProof.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTest>

#include <functional>
#include <numeric>
#include <set>

namespace
{
QString wheelPath(const QString& fileName)
{
    return QStringLiteral(WHEELS_DIR) + QLatin1Char('/') + fileName;
}

const QList<int> Group{3, 9, 17, 22, 30, 41, 45};

// Everything a shipped pattern file must satisfy; returns the first broken promise, or "".
QString checkWheel(QIODevice& device, const Wheel& wheel)
{
    const WheelKind& kind = *wheel.kind;
    QString error;
    const auto lines = WheelFile::readLineMasks(device, kind.lineSize, wheel.balls, wheel.lines, &error);
    if (!lines)
        return error;
    if (!device.atEnd())
        return QStringLiteral("more lines than the catalogue's %1").arg(wheel.lines);
    if (std::set<uint32_t>(lines->begin(), lines->end()).size() != lines->size())
        return QStringLiteral("a line appears twice");
    if (const auto miss = WheelProof::firstUncovered(*lines, wheel.balls, kind.drawn, kind.match)) {
        return QStringLiteral("no line matches %1 when %2 are drawn")
            .arg(kind.match)
            .arg(WheelProof::positionsText(*miss));
    }
    return {};
}
} // namespace

using Damage = std::function<void(QList<QByteArray>& lines)>;
Q_DECLARE_METATYPE(Damage)
Q_DECLARE_METATYPE(PatternStatus)

class tst_wheelproof : public QObject
{
    Q_OBJECT

private slots:
    void readPatternLine_data();
    void readPatternLine();
    void lineMasks();
    void shippedWheelsKeepTheirPromise();
    void brokenCopyIsCaught_data();
    void brokenCopyIsCaught();
    void smallestPrefix();
};

void tst_wheelproof::readPatternLine_data()
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

void tst_wheelproof::readPatternLine()
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

void tst_wheelproof::lineMasks()
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

void tst_wheelproof::shippedWheelsKeepTheirPromise()
{
    QStringList expected;
    for (const Wheel& wheel : WheelCatalogue::allWheels()) {
        expected << wheel.fileName();
        QFile file(wheelPath(wheel.fileName()));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(wheel.fileName() + QStringLiteral(": missing")));
        const QString broken = checkWheel(file, wheel);
        QVERIFY2(broken.isEmpty(), qPrintable(wheel.fileName() + QStringLiteral(": ") + broken));
    }
    expected.sort();
    QStringList present = QDir(QStringLiteral(WHEELS_DIR)).entryList({QStringLiteral("*.whl")}, QDir::Files);
    present.sort();
    QCOMPARE(present, expected);
}

void tst_wheelproof::brokenCopyIsCaught_data()
{
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<QString>("complaint");
    // Two hexads share at most four numbers, so 1..5 with a sixth other than the one its own hexad
    // holds is no line of the file.
    QTest::newRow("one line changed") << Damage([](QList<QByteArray>& l) {
        l[40] = l.contains("01 02 03 04 05 06") ? "01 02 03 04 05 07" : "01 02 03 04 05 06";
    }) << "no line matches 5";
    QTest::newRow("last line missing") << Damage([](QList<QByteArray>& l) { l.removeLast(); }) << "Line 132 is missing";
    QTest::newRow("positions out of order") << Damage([](QList<QByteArray>& l) { l[3] = "02 01 03 04 05 06"; })
                                            << "Line 4: positions are not strictly ascending";
    QTest::newRow("position past the group")
        << Damage([](QList<QByteArray>& l) { l[0] = "01 02 03 04 05 13"; }) << "Line 1: position 6 is corrupt";
}

void tst_wheelproof::brokenCopyIsCaught()
{
    QFETCH(Damage, damage);
    QFETCH(QString, complaint);
    // The S(5,6,12) wheel meets every 5 of its 12 numbers in exactly one line, so any damage to a
    // line must show up.
    QFile file(wheelPath(QStringLiteral("6-5-5-12.whl")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = file.readAll().split('\n');
    lines.removeAll(QByteArray());
    QCOMPARE(lines.size(), 132);
    damage(lines);
    QByteArray text = lines.join('\n') + '\n';
    QBuffer buffer(&text);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const QString broken = checkWheel(buffer, {WheelCatalogue::kind(WheelBuilder::Pick6, 5), 12, 132});
    QVERIFY2(!broken.isEmpty(), "damage went unnoticed");
    QVERIFY2(broken.startsWith(complaint), qPrintable(broken));
}

void tst_wheelproof::smallestPrefix()
{
    // Twenty numbers in three groups of at most seven: any seven drawn put three in one group.
    const std::vector<uint32_t> lines{0x0007F, 0x03F80, 0xFC000 | 0x1, 0x00F07, 0x070F0};
    QCOMPARE(WheelProof::smallestPrefix(lines, 20, 7, 3), std::optional<int>(3));
    QVERIFY(!WheelProof::firstUncovered(lines, 20, 7, 3));
    const std::vector<uint32_t> twoGroups(lines.begin(), lines.begin() + 2);
    QVERIFY(!WheelProof::smallestPrefix(twoGroups, 20, 7, 3));
    QCOMPARE(WheelProof::firstUncovered(twoGroups, 20, 7, 3), std::optional<uint32_t>(0x1C000 | 0x180 | 0x3));
}

QTEST_GUILESS_MAIN(tst_wheelproof)
#include "tst_wheelproof.moc"
