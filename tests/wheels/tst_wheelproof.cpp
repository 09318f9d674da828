#include "WheelCatalogue.h"
#include "WheelFile.h"
#include "WheelProof.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QTest>

#include <set>

namespace
{
QString wheelPath(const Wheel& wheel)
{
    return QStringLiteral(WHEELS_DIR) + QLatin1Char('/') + wheel.fileName();
}

QByteArray readWheel(const QString& fileName)
{
    QFile file(QStringLiteral(WHEELS_DIR) + QLatin1Char('/') + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

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

Wheel steinerWheel()
{
    return {WheelCatalogue::kind(WheelBuilder::Pick6, 5), 12, 132};
}
} // namespace

class tst_wheelproof : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void folderHoldsExactlyTheCatalogue();
    void everyWheelKeepsItsPromise_data();
    void everyWheelKeepsItsPromise();
    void brokenCopyIsCaught_data();
    void brokenCopyIsCaught();
    void smallestPrefix();
};

void tst_wheelproof::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale::c());
}

void tst_wheelproof::folderHoldsExactlyTheCatalogue()
{
    QStringList expected;
    for (const Wheel& wheel : WheelCatalogue::allWheels())
        expected << wheel.fileName();
    expected.sort();
    QStringList present = QDir(QStringLiteral(WHEELS_DIR)).entryList({QStringLiteral("*.whl")}, QDir::Files);
    present.sort();
    QCOMPARE(present.size(), 73);
    QCOMPARE(present, expected);
}

void tst_wheelproof::everyWheelKeepsItsPromise_data()
{
    QTest::addColumn<int>("index");
    const std::vector<Wheel> wheels = WheelCatalogue::allWheels();
    for (std::size_t i = 0; i < wheels.size(); ++i)
        QTest::newRow(qPrintable(wheels[i].fileName())) << static_cast<int>(i);
}

void tst_wheelproof::everyWheelKeepsItsPromise()
{
    QFETCH(int, index);
    const Wheel wheel = WheelCatalogue::allWheels()[static_cast<std::size_t>(index)];
    QFile file(wheelPath(wheel));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(wheel.fileName() + QStringLiteral(": missing")));
    const QString broken = checkWheel(file, wheel);
    QVERIFY2(broken.isEmpty(), qPrintable(wheel.fileName() + QStringLiteral(": ") + broken));
}

void tst_wheelproof::brokenCopyIsCaught_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("one line changed") << "change"
                                      << "no line matches 5";
    QTest::newRow("one line repeated") << "repeat"
                                       << "a line appears twice";
    QTest::newRow("last line missing") << "drop"
                                       << "Line 132 is missing";
    QTest::newRow("positions out of order") << "swap"
                                            << "Line 4: positions are not strictly ascending";
    QTest::newRow("position past the group") << "past"
                                             << "Line 1: position 6 is corrupt";
    QTest::newRow("extra line") << "extra"
                                << "more lines than the catalogue's 132";
}

void tst_wheelproof::brokenCopyIsCaught()
{
    QFETCH(QString, damage);
    QFETCH(QString, complaint);
    // The S(5,6,12) wheel meets every 5 of its 12 numbers in exactly one line, so any damage to a
    // line must show up.
    QList<QByteArray> lines = readWheel(QStringLiteral("6-5-5-12.whl")).split('\n');
    lines.removeAll(QByteArray());
    QCOMPARE(lines.size(), 132);
    if (damage == QLatin1String("change")) {
        // Two hexads share at most four numbers, so 1..5 with a sixth other than the one its own
        // hexad holds is no line of the file.
        lines[40] = lines.contains("01 02 03 04 05 06") ? "01 02 03 04 05 07" : "01 02 03 04 05 06";
    } else if (damage == QLatin1String("repeat")) {
        lines[7] = lines[8];
    } else if (damage == QLatin1String("drop")) {
        lines.removeLast();
    } else if (damage == QLatin1String("swap")) {
        lines[3] = "02 01 03 04 05 06";
    } else if (damage == QLatin1String("past")) {
        lines[0] = "01 02 03 04 05 13";
    } else {
        lines << "01 02 03 04 05 06";
    }
    QByteArray text = lines.join('\n') + '\n';
    QBuffer buffer(&text);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const QString broken = checkWheel(buffer, steinerWheel());
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
