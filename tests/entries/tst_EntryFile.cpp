#include "EntryDamage.h"
#include "EntryFile.h"
#include "EntryFileContents.h"
#include "TestFiles.h"

#include <QDate>
#include <QTemporaryDir>
#include <QTest>

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
} // namespace

// The entry files: their names, their records byte for byte, and what a damaged one reads as.
class tst_EntryFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_file = m_dir->filePath("Nat64905JAN2003.lot");
    }

    // The name of a dated file holds the date whose rules its lines follow; the folders do not count.
    void names()
    {
        QCOMPARE(EntryFile::DatedEntryFileName(8, 10, 5, 2019), "LottoMax10MAY2019.lot");
        QCOMPARE(EntryFile::DatedEntryFileName(3, 25, 12, 2004), "Western25DEC2004.lot");
        QCOMPARE(EntryFile::datedEntryDate("/home/jean-luc/Standing/LottoMax10MAY2019.lot"), QDate(2019, 5, 10));
        QCOMPARE(EntryFile::datedEntryDate(EntryFile::StandingEntryFileName(8)), QDate());
        QCOMPARE(EntryFile::entryKind("C:\\my-files\\StandSuper7.lot"), EntryKind::Standing);
        QCOMPARE(EntryFile::entryKind("/Stand/National-6-5-4.lot"), EntryKind::Wheel);
    }

    void edits_data()
    {
        QTest::addColumn<int>("gameId");
        QTest::addColumn<Lines>("appended");
        QTest::addColumn<int>("deleted"); // line deleted afterwards, 0 for none
        QTest::addColumn<Lines>("appendedLast");
        QTest::addColumn<QByteArray>("bytes");
        // A new record starts as a copy of record 1, so it carries the count of its day.
        QTest::newRow("records copy record 1")
            << 1 << Lines{A, B, C} << 0 << Lines{} << rec(3, A) + rec(1, B) + rec(2, C);
        QTest::newRow("super 7 uses offset 24") << 2 << Lines{S7} << 0 << Lines{} << rec(1, S7);
        QTest::newRow("6/49 leaves offset 24") << 4 << Lines{S7} << 0 << Lines{} << rec(1, {2, 9, 16, 23, 30, 37, 0});
        // Whole records move up, stale counts and all; a stale copy stays beyond the count.
        QTest::newRow("delete middle") << 5 << Lines{A, B, C} << 2 << Lines{} << rec(2, A) + rec(2, C) + rec(2, C);
        QTest::newRow("delete only line") << 6 << Lines{A} << 1 << Lines{} << rec(0, A);
        QTest::newRow("append over stale") << 6 << Lines{A, B, C} << 2 << Lines{B} << rec(3, A) + rec(2, C) + rec(2, B);
    }

    void edits()
    {
        QFETCH(int, gameId);
        QFETCH(Lines, appended);
        QFETCH(int, deleted);
        QFETCH(Lines, appendedLast);
        QFETCH(QByteArray, bytes);
        for (size_t i = 0; i < appended.size(); ++i)
            QCOMPARE(EntryFile::AppendEntryLine(m_file, appended[i], gameId), std::optional(int(i + 1)));
        if (deleted)
            QCOMPARE(EntryFile::DeleteEntryLine(m_file, deleted), std::optional(int(appended.size()) - 1));
        for (const EntryNumbers& line : appendedLast)
            QVERIFY(EntryFile::AppendEntryLine(m_file, line, gameId));
        QCOMPARE(readFileBytes(m_file), bytes);
    }

    void replaceKeepsOtherBytes()
    {
        // Offset 24 holds the seventh number: Super 7 and Lotto Max write it, the 6/49 games clear it.
        for (const auto& [gameId, seventh] : {std::pair<int, int16_t>{1, 0}, {2, 47}, {8, 47}}) {
            QVERIFY(writeFileBytes(m_file, rec(2, A) + rec(1, {1, 2, 3, 4, 5, 6, 33}, 5, 2003, -2)));
            QVERIFY(EntryFile::ReplaceEntryLine(m_file, 2, {4, 8, 15, 16, 23, 42, 47}, gameId));
            QCOMPARE(readFileBytes(m_file), rec(2, A) + rec(1, {4, 8, 15, 16, 23, 42, seventh}, 5, 2003, -2));
        }
    }

    void damaged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lines"); // the lines the program reads
        QTest::addColumn<QString>("damage");
        const QByteArray second = rec(0, B);
        QTest::newRow("sound") << rec(2, A) + second << 2 << "";
        QTest::newRow("negative count") << rec(-3, A) + second << 2
                                        << "the line count says -3 but the file holds 2 lines";
        QTest::newRow("count beyond the records")
            << rec(9, A) + second << 2 << "the line count says 9 but the file holds 2 lines";
        QTest::newRow("count beyond 16 bits")
            << rec(65538, A) + second << 2 << "the line count says 65538 but the file holds 2 lines";
        QTest::newRow("last line out of range")
            << rec(2, A) + rec(0, {1, 2, 3, 4, 5, 50, 0}) << 2 << "line 2 holds numbers outside 1..49";
        QTest::newRow("no line, stale records") << rec(0, A) + second << 0 << "";
        QTest::newRow("empty") << QByteArray() << 0 << "";
    }

    void damaged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lines);
        QFETCH(QString, damage);
        QVERIFY(writeFileBytes(m_file, bytes));
        QCOMPARE(EntryFile::ReadEntryCount(m_file), std::optional(lines));
        QCOMPARE(EntryDamage::describeFile(m_file, 1, QDate(2003, 1, 5)), damage);
        // Only a file without a line goes when it is left; a damaged count is not taken for none.
        QVERIFY(EntryFile::RemoveEmptyEntryFile(m_file));
        QCOMPARE(QFile::exists(m_file), lines > 0);
        if (lines == 0)
            return;
        // Editing repairs the count instead of writing past the lines present.
        QCOMPARE(EntryFile::AppendEntryLine(m_file, C, 1), std::optional(lines + 1));
        QCOMPARE(EntryFile::DeleteEntryLine(m_file, 1), std::optional(lines));
        QCOMPARE(EntryFile::readAllLines(m_file)->back(), C);
    }

    void refusals()
    {
        // A line that is not there is neither read, changed nor deleted.
        QVERIFY(writeFileBytes(m_file, rec(2, A) + rec(1, B)));
        QString error;
        QVERIFY(!EntryFile::ReadEntryLine(m_file, 3, &error));
        QVERIFY2(error.contains("Nat64905JAN2003.lot") && error.contains("line 3"), qPrintable(error));
        QVERIFY(!EntryFile::ReplaceEntryLine(m_file, 0, C, 1));
        QVERIFY(!EntryFile::DeleteEntryLine(m_file, 3));
        QCOMPARE(readFileBytes(m_file), rec(2, A) + rec(1, B));
    }

    void contentLines()
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
        QCOMPARE(shown("LottoMax-7-7-4.lot", rec(1, S7)), QStringList{"02 09 16 23 30 37 44 "});
        // Numbers 6 and 7 show only above 0.
        QCOMPARE(shown("StandLotto.lot", rec(1, {10, 20, 30, 40, 45, 0, 0})), QStringList{"10 20 30 40 45 "});
        // The count is not consulted: what a deletion left beyond it shows, up to a zero record.
        QCOMPARE(shown("Ontario01NOV1999.lot", two + rec(0, {}) + rec(0, C)), twoLines);
        // Deleted behind the window's back: nothing to show, and nothing comes back.
        const QString gone = m_dir->filePath("Nat64912JAN2003.lot");
        QCOMPARE(EntryFileContents::contentLines(gone), std::optional(std::vector<QString>{}));
        QVERIFY(!QFile::exists(gone));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;
};

QTEST_GUILESS_MAIN(tst_EntryFile)
#include "tst_EntryFile.moc"
