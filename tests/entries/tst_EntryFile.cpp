#include "EntryFile.h"
#include "EntryFileContents.h"
#include "TestFiles.h"

#include <QDate>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Lines = std::vector<EntryNumbers>;
Q_DECLARE_METATYPE(EntryNumbers)

namespace
{
const EntryNumbers A{3, 11, 19, 27, 38, 45, 0}, B{1, 2, 3, 4, 5, 6, 0}, C{7, 14, 21, 28, 35, 42, 0};
const EntryNumbers S7{2, 9, 16, 23, 30, 37, 44};

// One record: the offset-0 value, the seven number slots, and an import's day and year and the
// filter's mark at 26, which edits of the numbers keep.
QByteArray rec(int32_t head, const EntryNumbers& numbers, int16_t day = 0, int16_t year = 0, int16_t mark = 0)
{
    QByteArray r(EntryFile::RecordLength, '\0');
    RecordFile::put32(r, 0, head);
    RecordFile::put16(r, 6, day);
    RecordFile::put16(r, 10, year);
    for (int i = 0; i < 7; ++i)
        RecordFile::put16(r, 12 + 2 * i, numbers[i]);
    RecordFile::put16(r, 26, mark);
    return r;
}

bool appendAll(const QString& path, const Lines& lines, int gameId)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        if (EntryFile::AppendEntryLine(path, lines[i], gameId) != int(i + 1))
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
    void replaceKeepsOtherBytes();
    void damagedCount();
    void failuresAreReportedAndHarmless();
    void removeEmpty();
    void standingCopy();
    void contentLines();

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
    // The name tells the kind of each game's entry files apart; the words come from the game table.
    QTest::addColumn<int>("gameId");
    QTest::addColumn<QString>("standing");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("dated");
    QTest::newRow("National") << 1 << "StandLotto.lot" << QDate(2003, 1, 5) << "Nat64905JAN2003.lot";
    QTest::newRow("Super 7") << 2 << "StandSuper7.lot" << QDate(2004, 2, 13) << "Super713FEB2004.lot";
    QTest::newRow("Western, December") << 3 << "StandWestern.lot" << QDate(2004, 12, 25) << "Western25DEC2004.lot";
    QTest::newRow("Lotto Max") << 8 << "StandLottoMax.lot" << QDate(2019, 5, 10) << "LottoMax10MAY2019.lot";
}

void tst_EntryFile::names()
{
    QFETCH(int, gameId);
    QFETCH(QString, standing);
    QFETCH(QDate, date);
    QFETCH(QString, dated);
    QCOMPARE(EntryFile::DatedEntryFileName(gameId, date.day(), date.month(), date.year()), dated);
    QCOMPARE(EntryFile::StandingEntryFileName(gameId), standing);
    // The kind comes from the name alone, whatever the folders are called.
    QCOMPARE(EntryFile::entryKind("/home/jean-luc/Standing/" + dated), EntryKind::Dated);
    QCOMPARE(EntryFile::entryKind("C:\\my-files\\" + standing), EntryKind::Standing);
    QCOMPARE(EntryFile::entryKind("/Stand/National-6-5-4.lot"), EntryKind::Wheel);
    // Only a dated name holds the date whose rules its lines follow.
    QCOMPARE(EntryFile::datedEntryDate("/home/jean-luc/Standing/" + dated), date);
    QCOMPARE(EntryFile::datedEntryDate(standing), QDate());
}

void tst_EntryFile::edits_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<Lines>("appended");
    QTest::addColumn<int>("deleted"); // line deleted afterwards, 0 for none
    QTest::addColumn<Lines>("appendedLast");
    QTest::addColumn<QByteArray>("bytes");
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
    QCOMPARE(readFileBytes(file), bytes);
}

void tst_EntryFile::replaceKeepsOtherBytes()
{
    // Offset 24 holds the seventh number: Super 7 and Lotto Max write it, the 6/49 games clear it.
    const QString file = m_dir->filePath("Super713FEB2004.lot");
    for (const auto& [gameId, seventh] : {std::pair<int, int16_t>{1, 0}, {2, 47}, {8, 47}}) {
        QVERIFY(writeFileBytes(file, rec(2, A) + rec(1, {1, 2, 3, 4, 5, 6, 33}, 5, 2003, -2)));
        QVERIFY(EntryFile::ReplaceEntryLine(file, 2, {4, 8, 15, 16, 23, 42, 47}, gameId));
        QCOMPARE(readFileBytes(file), rec(2, A) + rec(1, {4, 8, 15, 16, 23, 42, seventh}, 5, 2003, -2));
    }
}

void tst_EntryFile::damagedCount()
{
    for (const int32_t count : {-3, 9, 65538}) { // negative, beyond the records, beyond 16 bits
        const QString file = m_dir->filePath("StandLotto.lot");
        QVERIFY(writeFileBytes(file, rec(count, A) + rec(0, B)));
        QCOMPARE(EntryFile::ReadEntryCount(file), std::optional(2));
        QCOMPARE(EntryFile::readAllLines(file), std::optional(Lines{A, B}));
        // Editing repairs the count instead of writing past the lines present.
        QCOMPARE(EntryFile::AppendEntryLine(file, C, 1), std::optional(3));
        QCOMPARE(EntryFile::DeleteEntryLine(file, 1), std::optional(2));
        QCOMPARE(EntryFile::readAllLines(file), std::optional(Lines{B, C}));
    }
}

void tst_EntryFile::failuresAreReportedAndHarmless()
{
    // Failed writes on a full disk or in a read-only folder are in tst_WriteFailures.
    // A folder that is really a file stops root as well.
    QVERIFY(writeFileBytes(m_dir->filePath("notafolder"), "x"));
    const QString lost = m_dir->filePath("notafolder/Nat64905JAN2003.lot");
    QString error;
    QVERIFY(!EntryFile::ReadEntryCount(lost, &error));
    QVERIFY2(error.contains("Nat64905JAN2003.lot"), qPrintable(error));
    QVERIFY(!EntryFile::AppendEntryLine(lost, A, 1));

    const QString file = m_dir->filePath("BC05JAN2003.lot");
    QVERIFY(appendAll(file, {A, B, C, A}, 4));
    const QByteArray before = readFileBytes(file);
    QVERIFY(!EntryFile::ReadEntryLine(file, 5, &error));
    QVERIFY2(error.contains("BC05JAN2003.lot") && error.contains("line 5"), qPrintable(error));
    QVERIFY(!EntryFile::ReplaceEntryLine(file, 0, C, 4));
    QVERIFY(!EntryFile::DeleteEntryLine(file, 5));
    QCOMPARE(readFileBytes(file), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList({"BC05JAN2003.lot", "notafolder"}));
}

void tst_EntryFile::removeEmpty()
{
    const QString file = m_dir->filePath("Western09MAR2004.lot");
    QCOMPARE(EntryFile::ReadEntryCount(file), std::optional(0)); // reading created it empty
    QVERIFY(EntryFile::RemoveEmptyEntryFile(file));
    QVERIFY(!QFile::exists(file));
    // A count of 0 goes, stale records and all; a line, or a damaged count, stays.
    for (const auto& [bytes, kept] : {std::pair{rec(0, A) + rec(1, B), false}, {rec(1, A), true}, {rec(-1, A), true}}) {
        QVERIFY(writeFileBytes(file, bytes));
        QVERIFY(EntryFile::RemoveEmptyEntryFile(file));
        QCOMPARE(readFileBytes(file), kept ? bytes : QByteArray("<unreadable>"));
    }
    QVERIFY(EntryFile::RemoveEmptyEntryFile(QString()));
    QVERIFY(EntryFile::RemoveEmptyEntryFile(m_dir->filePath("Western16MAR2004.lot")));
    QVERIFY(!QFile::exists(m_dir->filePath("Western16MAR2004.lot")));
}

void tst_EntryFile::standingCopy()
{
    const QString dated = m_dir->filePath("Super713FEB2004.lot");
    const QByteArray datedBytes = rec(1, S7) + rec(7, B); // a stale record beyond the count travels too
    QVERIFY(writeFileBytes(dated, datedBytes));
    const QString standing = m_dir->filePath("StandSuper7.lot");
    QVERIFY(writeFileBytes(standing, rec(1, A)));
    // A missing source leaves the old standing entry whole (a failed write is in tst_WriteFailures).
    QString error;
    QVERIFY(!EntryFile::saveStandingCopy(m_dir->filePath("Super720FEB2004.lot"), standing, &error));
    QVERIFY2(error.contains("Super720FEB2004.lot"), qPrintable(error));
    QCOMPARE(readFileBytes(standing), rec(1, A));
    QVERIFY(EntryFile::saveStandingCopy(dated, standing));
    QCOMPARE(readFileBytes(standing), datedBytes);
}

void tst_EntryFile::contentLines()
{
    // The deletion window's lines for a file of these bytes; reading must leave the file as it was.
    const auto shown = [this](const QString& name, const QByteArray& bytes) {
        const QString path = m_dir->filePath(name);
        const auto lines = writeFileBytes(path, bytes) ? EntryFileContents::contentLines(path) : std::nullopt;
        return lines && readFileBytes(path) == bytes ? QStringList(lines->begin(), lines->end()) : QStringList{"?"};
    };
    const QByteArray two = rec(2, {3, 11, 24, 30, 41, 49, 7}) + rec(0, B);
    const QStringList twoLines{"03 11 24 30 41 49 ", "01 02 03 04 05 06 "};
    QCOMPARE(shown("Nat64905JAN2003.lot", two), twoLines); // no seventh number outside "S" files
    QCOMPARE(shown("StandSuper7.lot", rec(1, S7)), QStringList{"02 09 16 23 30 37 44 "});
    QCOMPARE(shown("LottoMax-7-7-4.lot", rec(1, S7)), QStringList{"02 09 16 23 30 37 44 "});
    // Numbers 6 and 7 show only above 0.
    QCOMPARE(shown("StandLotto.lot", rec(1, {10, 20, 30, 40, 45, 0, 0})), QStringList{"10 20 30 40 45 "});
    QCOMPARE(shown("Super713FEB2004.lot", QByteArray()), QStringList{});
    // The count is not consulted: what a deletion left beyond it shows, up to a zero record.
    QCOMPARE(shown("Ontario01NOV1999.lot", two + rec(0, {}) + rec(0, C)), twoLines);
    // A cut-off last record shows what it holds.
    QCOMPARE(shown("Quebec30JUN2010.lot", two.left(28 + 16)), (QStringList{"03 11 24 30 41 49 ", "01 02 00 00 00 "}));

    // Deleted behind the window's back: nothing to show, and nothing comes back.
    const QString gone = m_dir->filePath("Nat64912JAN2003.lot");
    QCOMPARE(EntryFileContents::contentLines(gone), std::optional(std::vector<QString>{}));
    QVERIFY(!QFile::exists(gone));
}

QTEST_GUILESS_MAIN(tst_EntryFile)
#include "tst_EntryFile.moc"
