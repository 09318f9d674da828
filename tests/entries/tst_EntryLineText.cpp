#include "EntryLineText.h"
#include "TestFiles.h"
#include "TextImport.h"

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Verdict = TextImport::Verdict;
using Lines = std::vector<EntryNumbers>;
Q_DECLARE_METATYPE(EntryNumbers)
Q_DECLARE_METATYPE(Verdict)
Q_DECLARE_METATYPE(Lines)

// Entry lines from text: typed into the number boxes, or imported from a text file.
class tst_EntryLineText : public QObject
{
    Q_OBJECT

private slots:
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
        QTest::newRow("below 1 before rounding")
            << 5 << QDate() << QStringList{"0.6", "2", "3", "4", "5", "6"} << notNumber;
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
        QTest::addColumn<Lines>("stored"); // the lines a valid file imports, sorted
        const QByteArray seventh("05 12 19 26 33 40 07\r\n");
        QTest::newRow("seventh number, 6/49") << 1 << seventh << Verdict::OutOfRange << Lines{};
        QTest::newRow("repeated number") << 4 << QByteArray("01 02 03 04 05 05\n") << Verdict::SameBalls << Lines{};
        QTest::newRow("unsorted, stored sorted")
            << 6 << QByteArray("49 01 25 13 07 30\n03 11 24 30 41 49") << Verdict::Valid
            << Lines{{1, 7, 13, 25, 30, 49, 0}, {3, 11, 24, 30, 41, 49, 0}};
        QTest::newRow("empty file") << 1 << QByteArray() << Verdict::Valid << Lines{};
        QTest::newRow("first bad line decides")
            << 1 << QByteArray("03 11 24 30 41 49\n01 02 03 04 05 05\n01 02 03 04 05 50\n") << Verdict::SameBalls
            << Lines{};
        QTest::newRow("Super 7 above 47")
            << 2 << QByteArray("01 02 03 04 05 06 48\n") << Verdict::OutOfRange << Lines{};
        // Seven slots for Lotto Max too; on 5 January 2003 its range is that of its first years, 1..49.
        QTest::newRow("Lotto Max") << 8 << seventh << Verdict::Valid << Lines{{5, 7, 12, 19, 26, 33, 40}};
        QTest::newRow("Lotto Max 50 in 2003")
            << 8 << QByteArray("01 02 03 04 05 06 50\n") << Verdict::OutOfRange << Lines{};
        // A binary file is refused as such, even when its first bytes read as a bad line.
        QTest::newRow("image file") << 1 << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << Verdict::NotText
                                    << Lines{};
    }

    void importText()
    {
        QFETCH(int, gameId);
        QFETCH(QByteArray, text);
        QFETCH(Verdict, verdict);
        QFETCH(Lines, stored);
        const QDate day(2003, 1, 5);
        QTemporaryDir dir;
        const QString textFile = dir.filePath("mine.txt"), target = dir.filePath("Nat64905JAN2003.lot");
        QVERIFY(writeFileBytes(textFile, text));
        QCOMPARE(TextImport::validate(textFile, gameId, day, target), verdict);
        // Checking never leaves a file behind, and importing refuses what checking refused.
        QVERIFY(!QFile::exists(target));
        QCOMPARE(TextImport::importFile(textFile, gameId, day, target), verdict);
        QCOMPARE(QFile::exists(target), verdict == Verdict::Valid);
        if (verdict != Verdict::Valid)
            return;

        // Record 1 alone holds the count; each record holds the entry date; an empty file is one zero record.
        QByteArray expected = stored.empty() ? QByteArray(28, '\0') : QByteArray();
        for (std::size_t k = 0; k < stored.size(); ++k) {
            QByteArray r(28, '\0');
            RecordFile::put32(r, 0, k == 0 ? int32_t(stored.size()) : 0);
            RecordFile::put16(r, 6, int16_t(day.day()));
            RecordFile::put16(r, 8, int16_t(day.month()));
            RecordFile::put16(r, 10, int16_t(day.year()));
            for (int i = 0; i < 7; ++i)
                RecordFile::put16(r, 12 + 2 * i, stored[k][i]);
            expected += r;
        }
        QCOMPARE(readFileBytes(target), expected);
        // A target that holds a line refuses even a valid file; one with none does not.
        const Verdict again = stored.empty() ? Verdict::Valid : Verdict::AlreadyEntered;
        QCOMPARE(TextImport::validate(textFile, gameId, day, target), again);
        QCOMPARE(TextImport::importFile(textFile, gameId, day, target), again);
        QCOMPARE(readFileBytes(target), expected);
    }
};

QTEST_GUILESS_MAIN(tst_EntryLineText)
#include "tst_EntryLineText.moc"
