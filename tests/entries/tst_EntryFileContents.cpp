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

// The deletion window's lines for a file of these bytes; reading must leave the file as it was.
QStringList shown(const QString& fileName, const QByteArray& bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    const auto lines = writeFileBytes(path, bytes) ? EntryFileContents::contentLines(path) : std::nullopt;
    if (!lines || readFileBytes(path) != bytes)
        return {QStringLiteral("<failed>")};
    return QStringList(lines->begin(), lines->end());
}
} // namespace

class tst_EntryFileContents : public QObject
{
    Q_OBJECT

private slots:
    void contentLines();
};

void tst_EntryFileContents::contentLines()
{
    const QByteArray two = rec(2, {3, 11, 24, 30, 41, 49, 7}) + rec(0, {1, 2, 3, 4, 5, 6, 0});
    const QStringList twoLines{"03 11 24 30 41 49 ", "01 02 03 04 05 06 "};
    QCOMPARE(shown("Nat64905JAN2003.lot", two), twoLines); // no seventh number outside "S" files
    QCOMPARE(shown("StandSuper7.lot", rec(1, {2, 9, 16, 23, 30, 37, 44})), QStringList{"02 09 16 23 30 37 44 "});
    // Numbers 6 and 7 show only above 0.
    QCOMPARE(shown("StandLotto.lot", rec(1, {10, 20, 30, 40, 45, 0, 0})), QStringList{"10 20 30 40 45 "});
    QCOMPARE(shown("Super713FEB2004.lot", QByteArray()), QStringList{});
    // The count is not consulted: what a deletion left beyond it shows, up to a zero record.
    QCOMPARE(shown("Ontario01NOV1999.lot", two + rec(0, {}) + rec(0, {7, 8, 9, 10, 11, 12, 0})), twoLines);
    // A cut-off last record shows what it holds.
    QCOMPARE(shown("Quebec30JUN2010.lot", two.left(28 + 16)), (QStringList{"03 11 24 30 41 49 ", "01 02 00 00 00 "}));

    // Deleted behind the window's back: nothing to show, and nothing comes back.
    QTemporaryDir dir;
    const QString gone = dir.filePath("Nat64905JAN2003.lot");
    QCOMPARE(EntryFileContents::contentLines(gone), std::optional(std::vector<QString>{}));
    QVERIFY(!QFile::exists(gone));
}

QTEST_GUILESS_MAIN(tst_EntryFileContents)
#include "tst_EntryFileContents.moc"
