#include "EntrySet.h"
#include "FileSizeLimit.h"
#include "TestFiles.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace
{
const EntryNumbers L{1, 9, 17, 25, 33, 41, 0};
const std::vector<EntryNumbers> fiveLines{
    {1, 2, 3, 4, 5, 6, 0}, {2, 3, 4, 5, 6, 7, 0}, {3, 4, 5, 6, 7, 8, 0}, {4, 5, 6, 7, 8, 9, 0}, {5, 6, 7, 8, 9, 10, 0}};
} // namespace

using Change = std::function<bool(EntrySet&, QString*)>;
Q_DECLARE_METATYPE(Change)

// The model of the shown entry set: the file first, the views second, and nothing changed when
// the file cannot be written.
class tst_EntrySet : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void changesFollowTheFile();
    void deletingSeveralRowsWritesOnce_data();
    void deletingSeveralRowsWritesOnce();
    void failedWriteChangesNothing_data();
    void failedWriteChangesNothing();
    void lineChangedOutside_data();
    void lineChangedOutside();

private:
    QString fill(const QString& name);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<EntrySet> m_set;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void tst_EntrySet::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_set = std::make_unique<EntrySet>();
    m_tester =
        std::make_unique<QAbstractItemModelTester>(m_set.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

QString tst_EntrySet::fill(const QString& name)
{
    const QString path = m_dir->filePath(name);
    for (const EntryNumbers& line : fiveLines)
        EntryFile::AppendEntryLine(path, line, 3);
    return path;
}

void tst_EntrySet::changesFollowTheFile()
{
    const QString path = fill("Western05DEC2026.lot");
    QVERIFY(m_set->open(path, 3));
    QCOMPARE(m_set->count(), 5);
    QSignalSpy inserted(m_set.get(), &QAbstractItemModel::rowsInserted);
    QCOMPARE(m_set->append({9, 19, 29, 39, 45, 49, 0}), std::optional<int>(6));
    QCOMPARE(inserted.count(), 1);
    QVERIFY(m_set->replace(0, {40, 41, 42, 43, 44, 48, 0}));
    QCOMPARE(EntryFile::ReadEntryLine(path, 1), std::optional<EntryNumbers>({40, 41, 42, 43, 44, 48, 0}));
    QCOMPARE(m_set->index(0).data().toString(), QStringLiteral("40 41 42 43 44 48"));

    // Another window wrote the file: only the shown path makes the set read it again.
    EntryFile::AppendEntryLine(path, {1, 2, 3, 4, 5, 49, 0}, 3);
    QVERIFY(m_set->reloadIfShown(m_dir->filePath("Western12DEC2026.lot")));
    QCOMPARE(m_set->count(), 6);
    QVERIFY(m_set->reloadIfShown(path));
    QCOMPARE(m_set->count(), 7);

    m_set->clear();
    QCOMPARE(m_set->count(), 0);
    QVERIFY(QFile::exists(path));

    // Leaving a file with no line deletes it; opening a missing file creates it.
    const QString empty = m_dir->filePath("Western09DEC2026.lot");
    QVERIFY(m_set->open(empty, 3));
    QVERIFY(QFile::exists(empty));
    QVERIFY(m_set->open(path, 3, 9));
    QVERIFY(!QFile::exists(empty));
    QCOMPARE(m_set->selectedWheel(), 9);
    m_set->clear();
    QCOMPARE(m_set->selectedWheel(), 0);
}

void tst_EntrySet::deletingSeveralRowsWritesOnce_data()
{
    QTest::addColumn<QList<int>>("chosen");
    QTest::newRow("two apart") << QList<int>{1, 3};
    QTest::newRow("first and last") << QList<int>{4, 0};
    QTest::newRow("all") << QList<int>{0, 1, 2, 3, 4};
}

void tst_EntrySet::deletingSeveralRowsWritesOnce()
{
    QFETCH(QList<int>, chosen);
    // The bytes of deleting the lines one after another, stale records included.
    const QString expected = fill("StandWestern.lot");
    QList<int> sorted = chosen;
    std::sort(sorted.begin(), sorted.end());
    for (qsizetype k = 0; k < sorted.size(); ++k)
        QVERIFY(EntryFile::DeleteEntryLine(expected, sorted[k] - int(k) + 1));

    const QString path = fill("Western05DEC2026.lot");
    QVERIFY(m_set->open(path, 3));
    QVERIFY(m_set->removeLines(chosen));
    QCOMPARE(readFileBytes(path), readFileBytes(expected));
    QCOMPARE(m_set->lines(), EntryFile::readAllLines(path).value());
}

void tst_EntrySet::failedWriteChangesNothing_data()
{
    QTest::addColumn<Change>("change");
    QTest::newRow("append") << Change([](EntrySet& s, QString* e) { return s.append(L, e).has_value(); });
    QTest::newRow("append several") << Change([](EntrySet& s, QString* e) { return s.append({L, L}, e).has_value(); });
    QTest::newRow("replace") << Change([](EntrySet& s, QString* e) { return s.replace(2, L, e); });
    QTest::newRow("delete rows") << Change([](EntrySet& s, QString* e) { return s.removeLines({0, 3}, e); });
    QTest::newRow("rewrite") << Change([](EntrySet& s, QString* e) { return s.rewrite(QByteArray(200, '\0'), e); });
}

void tst_EntrySet::failedWriteChangesNothing()
{
#ifndef Q_OS_UNIX
    QSKIP("needs a file-size limit");
#else
    QFETCH(Change, change);
    const QString path = fill("Western05DEC2026.lot");
    QVERIFY(m_set->open(path, 3));
    const QByteArray before = readFileBytes(path);
    const std::vector<EntryNumbers> shown = m_set->lines();
    QString error;
    {
        FileSizeLimit limit(28);
        QVERIFY(limit.active);
        QVERIFY(!change(*m_set, &error));
    }
    QVERIFY2(error.contains("Western05DEC2026.lot") && error.contains("File too large"), qPrintable(error));
    QCOMPARE(readFileBytes(path), before);
    QCOMPARE(m_set->lines(), shown);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"Western05DEC2026.lot"});
#endif
}

void tst_EntrySet::lineChangedOutside_data()
{
    QTest::addColumn<Change>("change");
    QTest::newRow("replace") << Change([](EntrySet& s, QString* e) { return s.replace(2, L, e); });
    QTest::newRow("delete rows") << Change([](EntrySet& s, QString* e) { return s.removeLines({0, 3}, e); });
}

void tst_EntrySet::lineChangedOutside()
{
    QFETCH(Change, change);
    const QString path = fill("Western05DEC2026.lot");
    QVERIFY(m_set->open(path, 3));
    // Another copy of the program deleted the second line: the rows after it now name other lines.
    QVERIFY(EntryFile::DeleteEntryLine(path, 2));
    const QByteArray changed = readFileBytes(path);
    QString error;
    QVERIFY(!change(*m_set, &error));
    QVERIFY2(error.contains("changed outside the program"), qPrintable(error));
    QCOMPARE(readFileBytes(path), changed);
    QCOMPARE(m_set->lines(), EntryFile::readAllLines(path).value());
}

QTEST_GUILESS_MAIN(tst_EntrySet)
#include "tst_EntrySet.moc"
