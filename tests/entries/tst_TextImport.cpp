#include "TestFiles.h"
#include "TextImport.h"

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Verdict = TextImport::Verdict;
using Lines = std::vector<EntryNumbers>;
Q_DECLARE_METATYPE(Verdict)
Q_DECLARE_METATYPE(Lines)

namespace
{
const QDate Day(2003, 1, 5);

// The record an import writes, laid out field by field: count, date, numbers.
QByteArray importRecord(int32_t head, const EntryNumbers& n, const QDate& date)
{
    QByteArray r(28, '\0');
    RecordFile::put32(r, 0, head);
    const int fields[] = {date.day(), date.month(), date.year(), n[0], n[1], n[2], n[3], n[4], n[5], n[6]};
    for (int i = 0; i < 10; ++i)
        RecordFile::put16(r, 6 + 2 * i, int16_t(fields[i]));
    return r;
}
} // namespace

class tst_TextImport : public QObject
{
    Q_OBJECT

private slots:
    void readFields_data();
    void readFields();
    void validate_data();
    void validate();
};

void tst_TextImport::readFields_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("isText");
    const QByteArray ends("  \t03 11 \r\n04\r05,06\n\n07");
    QTest::newRow("blanks, line ends, commas") << ends << QStringList{"03 11 ", "04", "05", "06", "", "07"} << true;
    const QByteArray quoted("\xEF\xBB\xBF \"01, 02\" tail,03\n");
    QTest::newRow("byte order mark, quoted comma") << quoted << QStringList{"01, 02", "03"} << true;
    QTest::newRow("unclosed quote") << QByteArray("\"01,02\n03") << QStringList{"01,02", "03"} << true;
    // Fields before the fault are kept for showing; the one it cuts is not.
    QTest::newRow("NUL byte") << QByteArray("01 02\n03\0xyz\n", 13) << QStringList{"01 02"} << false;
    QTest::newRow("line too long") << "01\n" + QByteArray(TextImport::MaxLineLength + 1, '1') << QStringList{"01"}
                                   << false;
    const int most = TextImport::MaxFields;
    QTest::newRow("most lines") << QByteArray("1\n").repeated(most) << QStringList(most, "1") << true;
    QTest::newRow("one line more") << QByteArray("1\n").repeated(most + 1) << QStringList(most, "1") << false;
    // Lines padded so that the size limit comes before the line limit.
    const QString padded = QString("01").leftJustified(255);
    const int fit = int(TextImport::MaxFileBytes / (padded.size() + 1));
    QTest::newRow("huge file") << (padded.toLatin1() + '\n').repeated(fit + 1) << QStringList(fit, padded) << false;
}

void tst_TextImport::readFields()
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

void tst_TextImport::validate_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<Lines>("stored"); // the lines a valid file imports, sorted
    const QByteArray seventh("05 12 19 26 33 40 07\r\n");
    QTest::newRow("seventh number, 6/49") << 1 << seventh << Verdict::OutOfRange << Lines{};
    QTest::newRow("seventh number, Super 7") << 2 << seventh << Verdict::Valid << Lines{{5, 7, 12, 19, 26, 33, 40}};
    QTest::newRow("zero seventh, 6/49") << 3 << QByteArray("05 12 19 26 33 40 00 77\n") << Verdict::Valid
                                        << Lines{{5, 12, 19, 26, 33, 40, 0}};
    QTest::newRow("repeated number") << 4 << QByteArray("01 02 03 04 05 05\n") << Verdict::SameBalls << Lines{};
    QTest::newRow("single digits") << 5 << QByteArray("1 2 3 4 5 6\n") << Verdict::OutOfRange << Lines{};
    QTest::newRow("unsorted, stored sorted")
        << 6 << QByteArray("49 01 25 13 07 30\n03 11 24 30 41 49") << Verdict::Valid
        << Lines{{1, 7, 13, 25, 30, 49, 0}, {3, 11, 24, 30, 41, 49, 0}};
    QTest::newRow("comma splits a line") << 7 << QByteArray("05 12 19,26 33 40\n") << Verdict::OutOfRange << Lines{};
    QTest::newRow("empty file") << 1 << QByteArray() << Verdict::Valid << Lines{};
    QTest::newRow("first bad line decides")
        << 1 << QByteArray("03 11 24 30 41 49\n01 02 03 04 05 05\n01 02 03 04 05 50\n") << Verdict::SameBalls
        << Lines{};
    QTest::newRow("Super 7 above 47") << 2 << QByteArray("01 02 03 04 05 06 48\n") << Verdict::OutOfRange << Lines{};
    // Seven slots for Lotto Max too; on 5 January 2003 its range is that of its first years, 1..49.
    QTest::newRow("Lotto Max") << 8 << seventh << Verdict::Valid << Lines{{5, 7, 12, 19, 26, 33, 40}};
    QTest::newRow("Lotto Max 50 in 2003")
        << 8 << QByteArray("01 02 03 04 05 06 50\n") << Verdict::OutOfRange << Lines{};
    QTest::newRow("Super 7 repeat, slot 7")
        << 2 << QByteArray("01 02 03 04 05 06 01\n") << Verdict::SameBalls << Lines{};
    // A binary file is refused as such, even when its first bytes read as a bad line.
    QTest::newRow("image file") << 1 << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << Verdict::NotText << Lines{};
}

void tst_TextImport::validate()
{
    QFETCH(int, gameId);
    QFETCH(QByteArray, text);
    QFETCH(Verdict, verdict);
    QFETCH(Lines, stored);
    QTemporaryDir dir;
    const QString textFile = dir.filePath("mine.txt"), target = TextImport::targetPath(dir.path(), 1, Day);
    QCOMPARE(target, dir.filePath("Nat64905JAN2003.lot"));
    QVERIFY(writeFileBytes(textFile, text));
    QCOMPARE(TextImport::validate(textFile, gameId, Day, target), verdict);
    // Checking never leaves a file behind, and importing refuses what checking refused.
    QVERIFY(!QFile::exists(target));
    QCOMPARE(TextImport::importFile(textFile, gameId, Day, target), verdict);
    QCOMPARE(QFile::exists(target), verdict == Verdict::Valid);
    if (verdict != Verdict::Valid)
        return;

    // Record 1 alone holds the count; an empty file is one zero record.
    QByteArray expected = stored.empty() ? QByteArray(28, '\0') : QByteArray();
    for (std::size_t k = 0; k < stored.size(); ++k)
        expected += importRecord(k == 0 ? int32_t(stored.size()) : 0, stored[k], Day);
    QCOMPARE(readFileBytes(target), expected);
    // A target that holds a line refuses even a valid file; one with none does not.
    const Verdict again = stored.empty() ? Verdict::Valid : Verdict::AlreadyEntered;
    QCOMPARE(TextImport::validate(textFile, gameId, Day, target), again);
    QCOMPARE(TextImport::importFile(textFile, gameId, Day, target), again);
    QCOMPARE(readFileBytes(target), expected);
}

QTEST_GUILESS_MAIN(tst_TextImport)
#include "tst_TextImport.moc"
