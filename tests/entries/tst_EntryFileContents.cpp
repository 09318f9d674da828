#include "EntryFileContents.h"
#include "TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace
{
// One record: the offset-0 value and the seven number slots, zeros elsewhere.
QByteArray rec(int32_t head, std::array<int16_t, 7> numbers)
{
    QByteArray r(28, '\0');
    RecordFile::put32(r, 0, head);
    for (int i = 0; i < 7; ++i)
        RecordFile::put16(r, 12 + 2 * i, numbers[i]);
    return r;
}
} // namespace

class tst_EntryFileContents : public QObject
{
    Q_OBJECT

private slots:
    void contentLines_data();
    void contentLines();
};

void tst_EntryFileContents::contentLines_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const QByteArray two = rec(2, {3, 11, 24, 30, 41, 49, 7}) + rec(0, {1, 2, 3, 4, 5, 6, 0});
    const QStringList twoLines{"03 11 24 30 41 49 ", "01 02 03 04 05 06 "};
    QTest::newRow("6/49 file: no seventh") << "Nat64905JAN2003.lot" << two << twoLines;
    const QByteArray seven = rec(1, {2, 9, 16, 23, 30, 37, 44});
    QTest::newRow("Super 7 standing file") << "StandSuper7.lot" << seven << QStringList{"02 09 16 23 30 37 44 "};
    const QByteArray five = rec(1, {10, 20, 30, 40, 45, 0, 0});
    QTest::newRow("S file, numbers 6 and 7 only above 0") << "StandLotto.lot" << five << QStringList{"10 20 30 40 45 "};
    QTest::newRow("empty file") << "Super713FEB2004.lot" << QByteArray() << QStringList{};
    // The count is not consulted: what a deletion left beyond it shows, up to a zero record.
    const QByteArray stale = two + rec(0, {}) + rec(0, {7, 8, 9, 10, 11, 12, 0});
    QTest::newRow("stale record beyond the count") << "Ontario01NOV1999.lot" << stale << twoLines;
    // A cut-off last record shows what it holds.
    QTest::newRow("cut-off record") << "Quebec30JUN2010.lot" << two.left(28 + 16)
                                    << QStringList{"03 11 24 30 41 49 ", "01 02 00 00 00 "};
}

void tst_EntryFileContents::contentLines()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    QVERIFY(writeFileBytes(path, bytes));
    QCOMPARE(EntryFileContents::contentLines(path), std::optional(std::vector<QString>(lines.begin(), lines.end())));
    QCOMPARE(readFileBytes(path), bytes);
    // Deleted behind the window's back: nothing to show, and nothing comes back.
    QVERIFY(QFile::remove(path));
    QCOMPARE(EntryFileContents::contentLines(path), std::optional(std::vector<QString>{}));
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(tst_EntryFileContents)
#include "tst_EntryFileContents.moc"
