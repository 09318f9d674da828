#include "EntryFileContents.h"

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
    void missingFileStaysMissing();
};

void tst_EntryFileContents::contentLines_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const QByteArray two = rec(2, {3, 11, 24, 30, 41, 49, 7}) + rec(0, {1, 2, 3, 4, 5, 6, 0});
    QTest::newRow("6/49 file: no seventh")
        << "Nat64905JAN2003.lot" << two << QStringList{"03 11 24 30 41 49 ", "01 02 03 04 05 06 "};
    QTest::newRow("Super 7 standing file")
        << "StandSuper7.lot" << rec(1, {2, 9, 16, 23, 30, 37, 44}) << QStringList{"02 09 16 23 30 37 44 "};
    QTest::newRow("S file without seventh")
        << "StandLotto.lot" << rec(1, {2, 9, 16, 23, 30, 37, 0}) << QStringList{"02 09 16 23 30 37 "};
    QTest::newRow("number 6 only above 0")
        << "BC05JAN2003.lot" << rec(1, {10, 20, 30, 40, 45, 0, 0}) << QStringList{"10 20 30 40 45 "};
    QTest::newRow("empty file") << "Super713FEB2004.lot" << QByteArray() << QStringList{};
    QTest::newRow("emptied file") << "Super713FEB2004.lot" << rec(0, {}) + rec(0, {1, 2, 3, 4, 5, 6, 7})
                                  << QStringList{};
    // The count is not consulted: what a deletion left beyond it shows, up to a zero record.
    QTest::newRow("stale record beyond the count")
        << "Ontario01NOV1999.lot"
        << rec(1, {1, 2, 3, 4, 5, 6, 0}) + rec(1, {1, 2, 3, 4, 5, 6, 0}) + rec(0, {}) + rec(0, {7, 8, 9, 10, 11, 12, 0})
        << QStringList{"01 02 03 04 05 06 ", "01 02 03 04 05 06 "};
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
    QFile file(dir.filePath(fileName));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    const auto shown = EntryFileContents::contentLines(file.fileName());
    QVERIFY(shown);
    QCOMPARE(QStringList(shown->begin(), shown->end()), lines);
    QCOMPARE(file.size(), bytes.size());
}

void tst_EntryFileContents::missingFileStaysMissing()
{
    QTemporaryDir dir;
    // Deleted behind the window's back: nothing to show, and nothing comes back.
    const QString gone = dir.filePath("Nat64905JAN2003.lot");
    QCOMPARE(EntryFileContents::contentLines(gone), std::optional(std::vector<QString>{}));
    QVERIFY(!QFile::exists(gone));
}

QTEST_GUILESS_MAIN(tst_EntryFileContents)
#include "tst_EntryFileContents.moc"
