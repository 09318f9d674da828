#include "TextImport.h"

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Verdict = TextImport::Verdict;
using Lines = std::vector<EntryNumbers>;
Q_DECLARE_METATYPE(Verdict)
Q_DECLARE_METATYPE(Lines)

namespace
{
const QDate Day(2003, 1, 5);

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The record an import writes, laid out field by field.
QByteArray importRecord(int32_t head, const EntryNumbers& numbers, const QDate& date)
{
    QByteArray r(28, '\0');
    RecordFile::put32(r, 0, head);
    RecordFile::put16(r, 6, int16_t(date.day()));
    RecordFile::put16(r, 8, int16_t(date.month()));
    RecordFile::put16(r, 10, int16_t(date.year()));
    for (int i = 0; i < 7; ++i)
        RecordFile::put16(r, 12 + 2 * i, numbers[i]);
    return r;
}
} // namespace

class tst_TextImport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readFields_data();
    void readFields();
    void validate_data();
    void validate();
    void importBytes_data();
    void importBytes();
    void failedWriteIsReported();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_text;
    QString m_target;
};

void tst_TextImport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_text = m_dir->filePath("mine.txt");
    m_target = TextImport::targetPath(m_dir->path(), 1, Day);
    QCOMPARE(m_target, m_dir->filePath("Nat64905JAN2003.lot"));
}

void tst_TextImport::readFields_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("isText");
    QTest::newRow("empty") << QByteArray() << QStringList{} << true;
    QTest::newRow("comma") << QByteArray("05 12 19,26 33 40\n") << QStringList{"05 12 19", "26 33 40"} << true;
    QTest::newRow("blanks, line ends") << QByteArray("  \t03 11 \r\n04\r05") << QStringList{"03 11 ", "04", "05"}
                                       << true;
    QTest::newRow("blank line") << QByteArray("01\n\n02\n") << QStringList{"01", "", "02"} << true;
    QTest::newRow("quoted comma") << QByteArray("\"01, 02\" tail,03\n") << QStringList{"01, 02", "03"} << true;
    QTest::newRow("unclosed quote") << QByteArray("\"01,02\n03") << QStringList{"01,02", "03"} << true;
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF \"01,02\"") << QStringList{"01,02"} << true;
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
    const QByteArray seventh("05 12 19 26 33 40 07\r\n");
    QTest::newRow("seventh number, 6/49") << 1 << seventh << Verdict::OutOfRange;
    QTest::newRow("seventh number, Super 7") << 2 << seventh << Verdict::Valid;
    QTest::newRow("zero seventh, 6/49") << 3 << QByteArray("05 12 19 26 33 40 00 77\n") << Verdict::Valid;
    QTest::newRow("repeated number") << 4 << QByteArray("01 02 03 04 05 05\n") << Verdict::SameBalls;
    QTest::newRow("single digits") << 5 << QByteArray("1 2 3 4 5 6\n") << Verdict::OutOfRange;
    QTest::newRow("unsorted") << 6 << QByteArray("49 01 25 13 07 30\n") << Verdict::Valid;
    QTest::newRow("comma splits a line") << 7 << QByteArray("05 12 19,26 33 40\n") << Verdict::OutOfRange;
    QTest::newRow("empty file") << 1 << QByteArray() << Verdict::Valid;
    QTest::newRow("first bad line decides")
        << 1 << QByteArray("03 11 24 30 41 49\n01 02 03 04 05 05\n01 02 03 04 05 50\n") << Verdict::SameBalls;
    QTest::newRow("Super 7 above 47") << 2 << QByteArray("01 02 03 04 05 06 48\n") << Verdict::OutOfRange;
    QTest::newRow("Super 7 repeat in slot 7") << 2 << QByteArray("01 02 03 04 05 06 01\n") << Verdict::SameBalls;
    // A binary file is refused as such, even when its first bytes read as a bad line.
    QTest::newRow("image file") << 1 << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << Verdict::NotText;
}

void tst_TextImport::validate()
{
    QFETCH(int, gameId);
    QFETCH(QByteArray, text);
    QFETCH(Verdict, verdict);
    QVERIFY(writeBytes(m_text, text));
    QCOMPARE(TextImport::validate(m_text, gameId, m_target), verdict);
    // Checking never leaves a file behind.
    QVERIFY(!QFile::exists(m_target));

    // A target that already holds a line refuses even a valid file; an emptied one does not.
    if (verdict == Verdict::Valid) {
        QByteArray held(2 * 28, '\0');
        RecordFile::put16(held, 12, 5);
        QVERIFY(writeBytes(m_target, held));
        QCOMPARE(TextImport::validate(m_text, gameId, m_target), Verdict::Valid);
        RecordFile::put32(held, 0, 1);
        QVERIFY(writeBytes(m_target, held));
        QCOMPARE(TextImport::validate(m_text, gameId, m_target), Verdict::AlreadyEntered);
    }
}

void tst_TextImport::importBytes_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Lines>("stored");
    QTest::newRow("stored sorted") << 1 << QByteArray("49 01 25 13 07 30\n03 11 24 30 41 49")
                                   << Lines{{1, 7, 13, 25, 30, 49, 0}, {3, 11, 24, 30, 41, 49, 0}};
    QTest::newRow("Super 7") << 2 << QByteArray("47 01 30 12 08 22 09\n") << Lines{{1, 8, 9, 12, 22, 30, 47}};
    QTest::newRow("empty file") << 1 << QByteArray() << Lines{};
}

void tst_TextImport::importBytes()
{
    QFETCH(int, gameId);
    QFETCH(QByteArray, text);
    QFETCH(Lines, stored);
    QByteArray expected = stored.empty() ? QByteArray(28, '\0') : QByteArray();
    for (std::size_t k = 0; k < stored.size(); ++k)
        expected += importRecord(k == 0 ? int32_t(stored.size()) : 0, stored[k], Day);

    QVERIFY(writeBytes(m_text, text));
    QString error;
    QCOMPARE(TextImport::importFile(m_text, gameId, Day, m_target, &error), Verdict::Valid);
    QCOMPARE(readBytes(m_target), expected);
    QCOMPARE(EntryFile::readAllLines(m_target), std::optional(stored));
}

void tst_TextImport::failedWriteIsReported()
{
    QVERIFY(writeBytes(m_text, "03 11 24 30 41 49\n"));
    const QString target = m_dir->filePath("gone/Nat64905JAN2003.lot");
    QString error;
    QCOMPARE(TextImport::importFile(m_text, 1, Day, target, &error), Verdict::FileError);
    QVERIFY2(error.contains("Nat64905JAN2003.lot"), qPrintable(error));
    QVERIFY(!QFile::exists(target));
}

QTEST_GUILESS_MAIN(tst_TextImport)
#include "tst_TextImport.moc"
