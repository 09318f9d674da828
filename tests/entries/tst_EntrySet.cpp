#include "EntrySet.h"
#include "FileSizeLimit.h"
#include "TestFiles.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <optional>

namespace
{
const EntryNumbers L{1, 9, 17, 25, 33, 41, 0};
} // namespace

using Change = std::function<bool(EntrySet&, QString*)>;

// The model of the shown entry set: the file first, the views second, and nothing changed when
// the file cannot be written or no longer holds the lines shown.
class tst_EntrySet : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_set = std::make_unique<EntrySet>();
        m_tester = std::make_unique<QAbstractItemModelTester>(m_set.get(),
                                                              QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    void changesFollowTheFile()
    {
        const QString path = fill("Western05DEC2026.lot");
        QVERIFY(m_set->open(path, 3));
        QCOMPARE(m_set->count(), 5);
        QSignalSpy inserted(m_set.get(), &QAbstractItemModel::rowsInserted);
        QCOMPARE(m_set->append({9, 19, 29, 39, 45, 49, 0}), std::optional<int>(6));
        QCOMPARE(inserted.count(), 1);
        QVERIFY(m_set->replace(0, L));
        QCOMPARE(EntryFile::ReadEntryLine(path, 1), std::optional<EntryNumbers>(L));
        QCOMPARE(m_set->index(0).data().toString(), QStringLiteral("01 09 17 25 33 41"));

        // Another window wrote the file: only the shown path makes the set read it again.
        EntryFile::AppendEntryLine(path, L, 3);
        QVERIFY(m_set->reloadIfShown(m_dir->filePath("Western12DEC2026.lot")));
        QCOMPARE(m_set->count(), 6);
        QVERIFY(m_set->reloadIfShown(path));
        QCOMPARE(m_set->count(), 7);

        // Deleting several rows writes what deleting them one after another would, stale records included.
        const QString expected = m_dir->filePath("StandWestern.lot");
        QVERIFY(QFile::copy(path, expected));
        for (const int line : {1, 3, 3})
            QVERIFY(EntryFile::DeleteEntryLine(expected, line));
        QVERIFY(m_set->removeLines({4, 0, 3}));
        QCOMPARE(readFileBytes(path), readFileBytes(expected));
        QCOMPARE(m_set->lines(), EntryFile::readAllLines(path).value());

        // Leaving a file with no line deletes it; opening a missing file creates it.
        const QString empty = m_dir->filePath("Western09DEC2026.lot");
        QVERIFY(m_set->open(empty, 3));
        QVERIFY(QFile::exists(empty));
        QVERIFY(m_set->open(path, 3));
        QVERIFY(!QFile::exists(empty));
    }

    void refusedChangeChangesNothing_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("changedOutside"); // else the disk is full
        const Change appendTwo = [](EntrySet& s, QString* e) { return s.append({L, L}, e).has_value(); };
        const Change replace = [](EntrySet& s, QString* e) { return s.replace(2, L, e); };
        const Change remove = [](EntrySet& s, QString* e) { return s.removeLines({0, 3}, e); };
        const Change rewrite = [](EntrySet& s, QString* e) { return s.rewrite(QByteArray(200, '\0'), e); };
        QTest::newRow("append two, disk full") << appendTwo << false;
        QTest::newRow("replace, disk full") << replace << false;
        QTest::newRow("delete rows, disk full") << remove << false;
        QTest::newRow("rewrite, disk full") << rewrite << false;
        QTest::newRow("replace, line changed outside") << replace << true;
        QTest::newRow("delete rows, line changed outside") << remove << true;
    }

    void refusedChangeChangesNothing()
    {
        QFETCH(Change, change);
        QFETCH(bool, changedOutside);
        const QString path = fill("Western05DEC2026.lot");
        QVERIFY(m_set->open(path, 3));
        // Another copy of the program deleted the second line: the rows after it now name other lines.
        if (changedOutside)
            QVERIFY(EntryFile::DeleteEntryLine(path, 2));
        const QByteArray before = readFileBytes(path);
        std::optional<FileSizeLimit> diskFull;
        if (!changedOutside)
            QVERIFY(diskFull.emplace(28).active);
        QString error;
        QVERIFY(!change(*m_set, &error));
        diskFull.reset();
        const char* reason = changedOutside ? "changed outside the program" : "Western05DEC2026.lot: File too large";
        QVERIFY2(error.contains(QLatin1String(reason)), qPrintable(error));
        QCOMPARE(readFileBytes(path), before);
        // The set shows the file as it is, and no temporary file is left behind.
        QCOMPARE(m_set->lines(), EntryFile::readAllLines(path).value());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"Western05DEC2026.lot"});
    }

private:
    // Five lines of Western 6/49.
    QString fill(const QString& name)
    {
        const QString path = m_dir->filePath(name);
        for (int16_t k = 1; k <= 5; ++k)
            EntryFile::AppendEntryLine(path, {k, int16_t(k + 1), int16_t(k + 2), 20, 30, 40, 0}, 3);
        return path;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<EntrySet> m_set;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

QTEST_GUILESS_MAIN(tst_EntrySet)
#include "tst_EntrySet.moc"
