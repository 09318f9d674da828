#include "EntryDamage.h"
#include "EntryFile.h"
#include "EntryFileContents.h"
#include "EntryLineText.h"
#include "Printing.h"
#include "RecordingPrinter.h"
#include "TestFiles.h"
#include "TextImport.h"

#include <QBuffer>
#include <QDate>
#include <QTemporaryDir>
#include <QTest>

using Lines = std::vector<EntryNumbers>;
using Verdict = TextImport::Verdict;

namespace
{
const EntryNumbers A{3, 11, 19, 27, 38, 45, 0}, B{1, 2, 3, 4, 5, 6, 0}, C{7, 14, 21, 28, 35, 42, 0};
const EntryNumbers S7{2, 9, 16, 23, 30, 37, 44};

// The day entries are imported for, which the imported file's name holds.
const QDate Day(2003, 1, 5);

// One record: the offset-0 value, an import's date, the seven number slots and the filter's mark at
// 26; edits of the numbers keep the date and the mark.
QByteArray rec(int32_t head, const EntryNumbers& numbers, const QDate& date = {}, int16_t mark = 0)
{
    QByteArray r(EntryFile::RecordLength, '\0');
    RecordFile::put32(r, 0, head);
    for (const auto& [offset, value] :
         {std::pair{6, date.day()}, {8, date.month()}, {10, date.year()}, {26, int(mark)}})
        RecordFile::put16(r, offset, int16_t(value));
    for (int i = 0; i < 7; ++i)
        RecordFile::put16(r, 12 + 2 * i, numbers[i]);
    return r;
}
} // namespace

// Entry lines: typed into the number boxes or imported from text, and stored in entry files, byte
// for byte; what a damaged file reads as; the printer they are printed on.
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
        QCOMPARE(EntryFile::datedEntryDate("/home/jean-luc/Standing/LottoMax10MAY2019.lot"), QDate(2019, 5, 10));
        QCOMPARE(EntryFile::datedEntryDate(EntryFile::StandingEntryFileName(8)), QDate());
        QCOMPARE(EntryFile::entryKind("/Stand/National-6-5-4.lot"), EntryKind::Wheel);
    }

    void edits_data()
    {
        QTest::addColumn<int>("gameId");
        QTest::addColumn<Lines>("appended");
        QTest::addColumn<int>("deleted"); // line deleted afterwards, 0 for none
        QTest::addColumn<QByteArray>("bytes");
        // A new record starts as a copy of record 1, so it carries the count of its day.
        QTest::newRow("records copy record 1") << 1 << Lines{A, B, C} << 0 << rec(3, A) + rec(1, B) + rec(2, C);
        QTest::newRow("super 7 uses offset 24") << 2 << Lines{S7} << 0 << rec(1, S7);
        QTest::newRow("6/49 leaves offset 24") << 4 << Lines{S7} << 0 << rec(1, {2, 9, 16, 23, 30, 37, 0});
        // Whole records move up, stale counts and all; a stale copy stays beyond the count.
        QTest::newRow("delete middle") << 5 << Lines{A, B, C} << 2 << rec(2, A) + rec(2, C) + rec(2, C);
        QTest::newRow("delete only line") << 6 << Lines{A} << 1 << rec(0, A);
    }

    void edits()
    {
        QFETCH(int, gameId);
        QFETCH(Lines, appended);
        QFETCH(int, deleted);
        QFETCH(QByteArray, bytes);
        for (size_t i = 0; i < appended.size(); ++i)
            QCOMPARE(EntryFile::AppendEntryLine(m_file, appended[i], gameId), std::optional(int(i + 1)));
        if (deleted)
            QCOMPARE(EntryFile::DeleteEntryLine(m_file, deleted), std::optional(int(appended.size()) - 1));
        QCOMPARE(readFileBytes(m_file), bytes);
    }

    void replaceKeepsOtherBytes()
    {
        // Offset 24 holds the seventh number: Super 7 and Lotto Max write it, the 6/49 games clear it.
        for (const auto& [gameId, seventh] : {std::pair<int, int16_t>{1, 0}, {2, 47}, {8, 47}}) {
            QVERIFY(writeFileBytes(m_file, rec(2, A) + rec(1, {1, 2, 3, 4, 5, 6, 33}, Day, -2)));
            QVERIFY(EntryFile::ReplaceEntryLine(m_file, 2, {4, 8, 15, 16, 23, 42, 47}, gameId));
            QCOMPARE(readFileBytes(m_file), rec(2, A) + rec(1, {4, 8, 15, 16, 23, 42, seventh}, Day, -2));
        }
        // A line that is not there is neither read, changed nor deleted.
        const QByteArray two = readFileBytes(m_file);
        QString error;
        QVERIFY(!EntryFile::ReadEntryLine(m_file, 3, &error));
        QVERIFY2(error.contains("Nat64905JAN2003.lot") && error.contains("line 3"), qPrintable(error));
        QVERIFY(!EntryFile::ReplaceEntryLine(m_file, 0, C, 1));
        QVERIFY(!EntryFile::DeleteEntryLine(m_file, 3));
        QCOMPARE(readFileBytes(m_file), two);
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
        // The count is not consulted: what a deletion left beyond it shows, up to a zero record.
        QCOMPARE(shown("Ontario01NOV1999.lot", two + rec(0, {}) + rec(0, C)), twoLines);
        // Deleted behind the window's back: nothing to show, and nothing comes back.
        const QString gone = m_dir->filePath("Nat64912JAN2003.lot");
        QCOMPARE(EntryFileContents::contentLines(gone), std::optional(std::vector<QString>{}));
        QVERIFY(!QFile::exists(gone));
    }

    // The number boxes become a line, stored sorted, or are refused.
    void validateLine_data()
    {
        const QString same = "One or more of your numbers are the same!";
        const QString notNumber = "One or more of your entries is not a number!";
        const QString range = "One or more of your numbers are out of range for the game!";
        QTest::addColumn<int>("gameId");
        QTest::addColumn<QDate>("date"); // the entry date; null: the newest rules
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("result"); // the line stored, or the refusal
        // The last failed test wins: the range test on box 3 comes after the duplicate of boxes 1, 2.
        QTest::newRow("range after duplicate") << 1 << QDate() << QStringList{"5", "5", "60", "2", "3", "4"} << range;
        QTest::newRow("duplicate after range") << 1 << QDate() << QStringList{"60", "2", "3", "4", "5", "5"} << same;
        QTest::newRow("box missing") << 1 << QDate() << QStringList{"1", "2", "3", "4", "5"} << notNumber;
        // "2.5" and "2" differ as typed but would both be stored as 2.
        QTest::newRow("same once rounded") << 1 << QDate() << QStringList{"2.5", "2", "3", "4", "5", "6"} << same;
        QTest::newRow("halves to even, sorted")
            << 7 << QDate() << QStringList{"49", "3.5", " 10", "20abc", "30", "2.5"} << "02 04 10 20 30 49";
        // Lotto Max's range follows the entry date: 1..49 up to 10 May 2019, 1..50, then 1..52 from 14 April 2026.
        const QStringList with50{"50", "1", "30", "12", "8", "22", "9"}, with52{"52", "1", "30", "12", "8", "22", "9"};
        QTest::newRow("Lotto Max 50, 2019-05-10") << 8 << QDate(2019, 5, 10) << with50 << range;
        QTest::newRow("Lotto Max 50, 2019-05-14") << 8 << QDate(2019, 5, 14) << with50 << "01 08 09 12 22 30 50";
        QTest::newRow("Lotto Max 52, 2026-04-10") << 8 << QDate(2026, 4, 10) << with52 << range;
        QTest::newRow("Lotto Max 52, 2026-04-14") << 8 << QDate(2026, 4, 14) << with52 << "01 08 09 12 22 30 52";
    }

    void validateLine()
    {
        QFETCH(int, gameId);
        QFETCH(QDate, date);
        QFETCH(QStringList, boxes);
        QFETCH(QString, result);
        EntryNumbers stored{-1, -1, -1, -1, -1, -1, -1};
        const QString refusal = validationMessage(ValidateLine(boxes, gameId, date, &stored));
        QCOMPARE(refusal.isEmpty() ? FormatEntryLine(stored, gameId) : refusal, result);
        // A refused line is not stored.
        QCOMPARE(stored[0] == -1, !refusal.isEmpty());
    }

    void readFields_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<bool>("isText");
        const QByteArray ends("  \t03 11 \r\n04\r05,06\n\n07");
        QTest::newRow("blanks, line ends, commas") << ends << QStringList{"03 11 ", "04", "05", "06", "", "07"} << true;
        // Fields before the fault are kept for showing; the one it cuts is not.
        QTest::newRow("NUL byte") << QByteArray("01 02\n03\0xyz\n", 13) << QStringList{"01 02"} << false;
        QTest::newRow("line too long") << "01\n" + QByteArray(TextImport::MaxLineLength + 1, '1') << QStringList{"01"}
                                       << false;
        const int most = TextImport::MaxFields;
        QTest::newRow("one line more") << QByteArray("1\n").repeated(most + 1) << QStringList(most, "1") << false;
        // Lines padded so that the size limit comes before the line limit.
        const QString padded = QString("01").leftJustified(255);
        const int fit = int(TextImport::MaxFileBytes / (padded.size() + 1));
        QTest::newRow("largest file") << (padded.toLatin1() + '\n').repeated(fit) << QStringList(fit, padded) << true;
        QTest::newRow("huge file") << (padded.toLatin1() + '\n').repeated(fit + 1) << QStringList(fit, padded) << false;
    }

    void readFields()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        QFETCH(bool, isText);
        QBuffer device(&bytes);
        QVERIFY(device.open(QIODevice::ReadOnly));
        const TextImport::TextFields read = TextImport::readFields(device);
        QCOMPARE(QStringList(read.fields.begin(), read.fields.end()), fields);
        QCOMPARE(read.problem.isEmpty(), isText);
    }

    void importText_data()
    {
        QTest::addColumn<int>("gameId");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QByteArray>("stored"); // sorted lines, each with the date; record 1 alone holds the count
        const QByteArray seventh("05 12 19 26 33 40 07\r\n");
        QTest::newRow("seventh number, 6/49") << 1 << seventh << Verdict::OutOfRange << QByteArray();
        QTest::newRow("repeated number") << 4 << QByteArray("01 02 03 04 05 05\n") << Verdict::SameBalls
                                         << QByteArray();
        QTest::newRow("unsorted, stored sorted")
            << 6 << QByteArray("49 01 25 13 07 30\n03 11 24 30 41 49") << Verdict::Valid
            << rec(2, {1, 7, 13, 25, 30, 49, 0}, Day) + rec(0, {3, 11, 24, 30, 41, 49, 0}, Day);
        QTest::newRow("empty file") << 1 << QByteArray() << Verdict::Valid << QByteArray(28, '\0');
        // Seven slots for Lotto Max too; on 5 January 2003 its range is that of its first years, 1..49.
        QTest::newRow("Lotto Max") << 8 << seventh << Verdict::Valid << rec(1, {5, 7, 12, 19, 26, 33, 40}, Day);
        QTest::newRow("Lotto Max 50 in 2003")
            << 8 << QByteArray("01 02 03 04 05 06 50\n") << Verdict::OutOfRange << QByteArray();
        // A binary file is refused as such, even when its first bytes read as a bad line.
        QTest::newRow("image file") << 1 << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << Verdict::NotText
                                    << QByteArray();
    }

    void importText()
    {
        QFETCH(int, gameId);
        QFETCH(QByteArray, text);
        QFETCH(Verdict, verdict);
        QFETCH(QByteArray, stored);
        const QString textFile = m_dir->filePath("mine.txt");
        QVERIFY(writeFileBytes(textFile, text));
        QCOMPARE(TextImport::validate(textFile, gameId, Day, m_file), verdict);
        // Checking never leaves a file behind, and importing refuses what checking refused.
        QVERIFY(!QFile::exists(m_file));
        QCOMPARE(TextImport::importFile(textFile, gameId, Day, m_file), verdict);
        QCOMPARE(QFile::exists(m_file), verdict == Verdict::Valid);
        if (verdict != Verdict::Valid)
            return;
        QCOMPARE(readFileBytes(m_file), stored);
        // A target that holds a line refuses even a valid file; one with none does not.
        const Verdict again = stored.startsWith(QByteArray(4, '\0')) ? Verdict::Valid : Verdict::AlreadyEntered;
        QCOMPARE(TextImport::validate(textFile, gameId, Day, m_file), again);
        QCOMPARE(TextImport::importFile(textFile, gameId, Day, m_file), again);
        QCOMPARE(readFileBytes(m_file), stored);
    }

    // The printer chosen at start-up from print.dat and the printers installed (failed writes of
    // print.dat are in tst_WriteFailures).
    void readPrinterChoice_data()
    {
        QTest::addColumn<QString>("systemDefault");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("stored");  // null: no print.dat; "notafolder": print.dat cannot be read
        QTest::addColumn<QString>("current"); // null: no printer to print on
        const QString office = QString::fromUtf8("Bureau \u00e9t\u00e9");
        const QStringList two{"HP", office};
        QTest::newRow("first start, two printers") << "HP" << two << QString() << "HP";
        QTest::newRow("first start, no default") << "" << two << QString() << office;
        QTest::newRow("default not installed") << "Brother" << two << QString() << office;
        QTest::newRow("stored met") << "HP" << QStringList{"HP", office, "Epson"} << office << office;
        QTest::newRow("stored gone") << "HP" << two << "Brother" << office;
        QTest::newRow("print.dat unreadable") << "HP" << two << "notafolder"
                                              << "HP";
        QTest::newRow("empty names skipped") << "" << QStringList{"", "HP", ""} << QString() << "HP";
        QTest::newRow("no printer") << "" << QStringList{} << "HP" << QString();
    }

    void readPrinterChoice()
    {
        QFETCH(QString, systemDefault);
        QFETCH(QStringList, installed);
        QFETCH(QString, stored);
        QFETCH(QString, current);
        QTemporaryDir tmp;
        // A folder that is really a file stops root as well.
        const QString dir = stored == "notafolder" ? tmp.filePath(stored) : tmp.path();
        QVERIFY(stored == "notafolder" ? writeFileBytes(dir, "x") : stored.isNull() || storePrinter(dir, stored));
        const QByteArray before = readFileBytes(tmp.filePath("print.dat"));
        // print.dat holds the name in Latin-1, padded with blanks to 255 bytes.
        if (!stored.isNull() && dir == tmp.path())
            QCOMPARE(before, stored.toLatin1().leftJustified(255, ' '));
        RecordingPrinter printers;
        printers.names = installed;
        printers.defaultName = systemDefault;
        QCOMPARE(ReadPrinterChoice(printers, dir), !current.isNull());
        QCOMPARE(printers.current, current);
        // Start-up never writes print.dat; a missing one is created empty.
        QCOMPARE(readFileBytes(tmp.filePath("print.dat")), stored.isNull() ? QByteArray() : before);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;
};

QTEST_GUILESS_MAIN(tst_EntryFile)
#include "tst_EntryFile.moc"
