#include "EntryFile.h"
#include "FileSizeLimit.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Lines = std::vector<EntryNumbers>;
Q_DECLARE_METATYPE(EntryNumbers)

namespace
{
const EntryNumbers A{3, 11, 19, 27, 38, 45, 0}, B{1, 2, 3, 4, 5, 6, 0}, C{7, 14, 21, 28, 35, 42, 0};
const EntryNumbers S7{2, 9, 16, 23, 30, 37, 44};

// One record: the offset-0 value and the seven number slots, zeros elsewhere.
QByteArray rec(int32_t head, const EntryNumbers& numbers)
{
    QByteArray r(EntryFile::RecordLength, '\0');
    RecordFile::put32(r, 0, head);
    for (int i = 0; i < 7; ++i)
        RecordFile::put16(r, 12 + 2 * i, numbers[i]);
    return r;
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool appendAll(const QString& path, const Lines& lines, int gameId)
{
    int count = 0;
    for (const EntryNumbers& line : lines) {
        if (EntryFile::AppendEntryLine(path, line, gameId) != ++count)
            return false;
    }
    return true;
}

} // namespace

class tst_EntryFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void names_data();
    void names();
    void edits_data();
    void edits();
    void replaceKeepsOtherBytes_data();
    void replaceKeepsOtherBytes();
    void damagedCount_data();
    void damagedCount();
    void failuresAreReportedAndHarmless();
    void removeEmpty_data();
    void removeEmpty();
    void standingCopy();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_EntryFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_EntryFile::names_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("dated");
    QTest::addColumn<QString>("standing");
    QTest::newRow("National") << 1 << QDate(2003, 1, 5) << "Nat64905JAN2003.lot"
                              << "StandLotto.lot";
    QTest::newRow("Super 7") << 2 << QDate(2004, 2, 13) << "Super713FEB2004.lot"
                             << "StandSuper7.lot";
    QTest::newRow("Western") << 3 << QDate(2004, 3, 9) << "Western09MAR2004.lot"
                             << "StandWestern.lot";
    QTest::newRow("Western Dec") << 3 << QDate(2004, 12, 25) << "Western25DEC2004.lot"
                                 << "StandWestern.lot";
    QTest::newRow("BC") << 4 << QDate(2003, 1, 5) << "BC05JAN2003.lot"
                        << "StandBC.lot";
    QTest::newRow("Quebec") << 5 << QDate(2010, 6, 30) << "Quebec30JUN2010.lot"
                            << "StandQuebec.lot";
    QTest::newRow("Ontario") << 6 << QDate(1999, 11, 1) << "Ontario01NOV1999.lot"
                             << "StandOntario.lot";
    QTest::newRow("Atlantic") << 7 << QDate(2026, 8, 19) << "Atlantic19AUG2026.lot"
                              << "StandAtlantic.lot";
}

void tst_EntryFile::names()
{
    QFETCH(int, gameId);
    QFETCH(QDate, date);
    QFETCH(QString, dated);
    QFETCH(QString, standing);
    QCOMPARE(EntryFile::DatedEntryFileName(gameId, date.day(), date.month(), date.year()), dated);
    QCOMPARE(EntryFile::StandingEntryFileName(gameId), standing);
    // The kind comes from the name alone, whatever the folders are called.
    QCOMPARE(EntryFile::entryKind("/home/jean-luc/Standing/" + dated), EntryKind::Dated);
    QCOMPARE(EntryFile::entryKind("C:\\my-files\\" + standing), EntryKind::Standing);
    QCOMPARE(EntryFile::entryKind("/Stand/National-6-5-4.lot"), EntryKind::Wheel);
}

void tst_EntryFile::edits_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<Lines>("appended");
    QTest::addColumn<int>("deleted"); // line deleted afterwards, 0 for none
    QTest::addColumn<Lines>("appendedLast");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("first line is record 1") << 1 << Lines{A} << 0 << Lines{} << rec(1, A);
    // A new record starts as a copy of record 1, so it carries the count of its day.
    QTest::newRow("records copy record 1") << 1 << Lines{A, B, C} << 0 << Lines{} << rec(3, A) + rec(1, B) + rec(2, C);
    QTest::newRow("super 7 uses offset 24") << 2 << Lines{S7} << 0 << Lines{} << rec(1, S7);
    QTest::newRow("6/49 leaves offset 24") << 4 << Lines{S7} << 0 << Lines{} << rec(1, {2, 9, 16, 23, 30, 37, 0});
    // Whole records move up, stale counts and all; a stale copy stays beyond the count.
    QTest::newRow("delete middle") << 5 << Lines{A, B, C} << 2 << Lines{} << rec(2, A) + rec(2, C) + rec(2, C);
    QTest::newRow("delete first of two") << 5 << Lines{A, B} << 1 << Lines{} << rec(1, B) + rec(1, B);
    QTest::newRow("delete only line") << 6 << Lines{A} << 1 << Lines{} << rec(0, A);
    QTest::newRow("append over stale") << 6 << Lines{A, B, C} << 2 << Lines{B} << rec(3, A) + rec(2, C) + rec(2, B);
}

void tst_EntryFile::edits()
{
    QFETCH(int, gameId);
    QFETCH(Lines, appended);
    QFETCH(int, deleted);
    QFETCH(Lines, appendedLast);
    QFETCH(QByteArray, bytes);
    const QString file = m_dir->filePath("Nat64905JAN2003.lot");
    QVERIFY(appendAll(file, appended, gameId));
    if (deleted)
        QCOMPARE(EntryFile::DeleteEntryLine(file, deleted), std::optional(int(appended.size()) - 1));
    for (const EntryNumbers& line : appendedLast)
        QVERIFY(EntryFile::AppendEntryLine(file, line, gameId));
    QCOMPARE(readBytes(file), bytes);
}

void tst_EntryFile::replaceKeepsOtherBytes_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<int16_t>("offset24");
    QTest::newRow("6/49 clears offset 24") << 1 << int16_t(0);
    QTest::newRow("super 7 writes offset 24") << 2 << int16_t(47);
}

void tst_EntryFile::replaceKeepsOtherBytes()
{
    QFETCH(int, gameId);
    QFETCH(int16_t, offset24);
    QByteArray second = rec(1, B);
    RecordFile::put16(second, 6, 5); // an import's date
    RecordFile::put16(second, 10, 2003);
    RecordFile::put16(second, 24, 33);
    RecordFile::put16(second, 26, -2); // the filter's mark
    const QString file = m_dir->filePath("Super713FEB2004.lot");
    QVERIFY(writeBytes(file, rec(2, A) + second));

    QVERIFY(EntryFile::ReplaceEntryLine(file, 2, {4, 8, 15, 16, 23, 42, 47}, gameId));
    for (int i = 0; i < 6; ++i)
        RecordFile::put16(second, 12 + 2 * i, EntryNumbers{4, 8, 15, 16, 23, 42}[i]);
    RecordFile::put16(second, 24, offset24);
    QCOMPARE(readBytes(file), rec(2, A) + second);
}

void tst_EntryFile::damagedCount_data()
{
    QTest::addColumn<int32_t>("count");
    QTest::newRow("negative") << int32_t(-3);
    QTest::newRow("beyond the records") << int32_t(9);
    QTest::newRow("beyond 16 bits") << int32_t(65538);
}

void tst_EntryFile::damagedCount()
{
    QFETCH(int32_t, count);
    const QString file = m_dir->filePath("StandLotto.lot");
    QVERIFY(writeBytes(file, rec(count, A) + rec(0, B)));
    QCOMPARE(EntryFile::ReadEntryCount(file), std::optional(2));
    QCOMPARE(EntryFile::readAllLines(file), std::optional(Lines{A, B}));
    // Editing repairs the count instead of writing past the lines present.
    QCOMPARE(EntryFile::AppendEntryLine(file, C, 1), std::optional(3));
    QCOMPARE(EntryFile::DeleteEntryLine(file, 1), std::optional(2));
    QCOMPARE(EntryFile::readAllLines(file), std::optional(Lines{B, C}));
}

void tst_EntryFile::failuresAreReportedAndHarmless()
{
    // A folder that is really a file stops root as well.
    QVERIFY(writeBytes(m_dir->filePath("notafolder"), "x"));
    const QString lost = m_dir->filePath("notafolder/Nat64905JAN2003.lot");
    QString error;
    QVERIFY(!EntryFile::ReadEntryCount(lost, &error));
    QVERIFY2(error.contains("Nat64905JAN2003.lot"), qPrintable(error));
    QVERIFY(!EntryFile::AppendEntryLine(lost, A, 1));
    QVERIFY(!EntryFile::fileExists(lost));

    const QString file = m_dir->filePath("BC05JAN2003.lot");
    QVERIFY(appendAll(file, {A, B, C, A}, 4));
    const QByteArray before = readBytes(file);
    QVERIFY(!EntryFile::ReadEntryLine(file, 5, &error));
    QVERIFY2(error.contains("BC05JAN2003.lot") && error.contains("line 5"), qPrintable(error));
    QVERIFY(!EntryFile::ReplaceEntryLine(file, 0, C, 4));
    QVERIFY(!EntryFile::DeleteEntryLine(file, 5));
#ifdef Q_OS_UNIX
    {
        FileSizeLimit limit(before.size() + 10);
        QVERIFY(limit.active);
        QVERIFY(!EntryFile::AppendEntryLine(file, B, 4, &error));
    }
    QVERIFY2(error.contains("BC05JAN2003.lot"), qPrintable(error));
#endif
    QCOMPARE(readBytes(file), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList({"BC05JAN2003.lot", "notafolder"}));
}

void tst_EntryFile::removeEmpty_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("kept");
    QTest::newRow("created by reading") << QByteArray() << false;
    QTest::newRow("count 0, stale records") << rec(0, A) + rec(1, B) << false;
    QTest::newRow("with a line") << rec(1, A) << true;
    QTest::newRow("damaged count") << rec(-1, A) << true;
}

void tst_EntryFile::removeEmpty()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, kept);
    const QString file = m_dir->filePath("Western09MAR2004.lot");
    if (bytes.isEmpty())
        QCOMPARE(EntryFile::ReadEntryCount(file), std::optional(0));
    else
        QVERIFY(writeBytes(file, bytes));
    QVERIFY(EntryFile::fileExists(file));
    QVERIFY(EntryFile::RemoveEmptyEntryFile(file));
    QCOMPARE(readBytes(file), kept ? bytes : QByteArray("<unreadable>"));
    QVERIFY(EntryFile::RemoveEmptyEntryFile(QString()));
    QVERIFY(EntryFile::RemoveEmptyEntryFile(m_dir->filePath("Western16MAR2004.lot")));
    QVERIFY(!QFile::exists(m_dir->filePath("Western16MAR2004.lot")));
}

void tst_EntryFile::standingCopy()
{
    const QString dated = m_dir->filePath("Super713FEB2004.lot");
    QVERIFY(appendAll(dated, Lines(20, S7), 2));
    QCOMPARE(EntryFile::DeleteEntryLine(dated, 1), std::optional(19)); // leaves a stale record
    const QString standing = m_dir->filePath("StandSuper7.lot");
    QVERIFY(writeBytes(standing, rec(1, A)));
    QString error;
#ifdef Q_OS_UNIX
    // A copy that fails half way leaves the old standing entry whole.
    {
        FileSizeLimit limit(100);
        QVERIFY(limit.active);
        QVERIFY(!EntryFile::saveStandingCopy(dated, standing, &error));
    }
    QVERIFY2(error.contains("StandSuper7.lot"), qPrintable(error));
    QCOMPARE(readBytes(standing), rec(1, A));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
#endif
    QVERIFY(!EntryFile::saveStandingCopy(m_dir->filePath("Super720FEB2004.lot"), standing, &error));
    QVERIFY2(error.contains("Super720FEB2004.lot"), qPrintable(error));
    QVERIFY(EntryFile::saveStandingCopy(dated, standing));
    QCOMPARE(readBytes(standing), readBytes(dated));
    QCOMPARE(readBytes(standing).size(), 20 * EntryFile::RecordLength);
}

QTEST_GUILESS_MAIN(tst_EntryFile)
#include "tst_EntryFile.moc"
