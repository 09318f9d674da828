#include "WheelCatalogue.h"
#include "WheelFile.h"
#include "WheelProof.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTest>

#include <functional>
#include <set>

namespace
{
QString wheelPath(const QString& fileName)
{
    return QStringLiteral(WHEELS_DIR) + QLatin1Char('/') + fileName;
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
} // namespace

using Damage = std::function<void(QList<QByteArray>& lines)>;
Q_DECLARE_METATYPE(Damage)

class tst_wheelproof : public QObject
{
    Q_OBJECT

private slots:
    void shippedWheelsKeepTheirPromise();
    void brokenCopyIsCaught_data();
    void brokenCopyIsCaught();
    void smallestPrefix();
};

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
