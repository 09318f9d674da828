#include "DrawImport.h"
#include "RealDraws.h"
#include "RecordFile.h"
#include "ResultsFile.h"
#include "TestFiles.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace
{
QByteArray plainRow(const DrawRecord& r, int count = 6)
{
    QByteArray row = QDate(r.year, r.month, r.day).toString(Qt::ISODate).toLatin1();
    for (int i = 0; i < count; ++i)
        row += ',' + QByteArray::number(r.numbers[i]);
    return row + ',' + QByteArray::number(r.bonus) + '\n';
}

const QByteArray plainHeader = "date,n1,n2,n3,n4,n5,n6,bonus\n";
const QByteArray goodRow = "2003-06-14,3,7,12,22,30,49,15\n";
} // namespace

class tst_DrawImport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void officialFileFillsEmptyHistory();
    void bothLayoutsStoreTheSameBytes();
    void mergeStoresAsAddingByHand();
    void staleRecordsBeyondTheCountStay();
    void refusedRows_data();
    void refusedRows();
    void wholeFileRefused_data();
    void wholeFileRefused();
    void superSevenOperatorLayout();
    void cancelWritesNothing();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_history;
};

void tst_DrawImport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_history = m_dir->filePath("CAN1.rtl");
}

void tst_DrawImport::officialFileFillsEmptyHistory()
{
    const QString official = testDataPath("649-official.csv");
    QString error;
    const auto first = DrawImport::importFile(official, m_history, 1, {}, nullptr, &error);
    QVERIFY2(first, qPrintable(error));
    QCOMPARE(first->added, 4453);
    QCOMPARE(first->alreadyPresent + first->conflicts + first->refused, 0);

    const auto real = loadRealDraws();
    const QByteArray bytes = readFileBytes(m_history);
    QCOMPARE(bytes.size(), 4453 * 28);
    for (int k = 1; k <= 4453; ++k) {
        const DrawRecord r = DrawRecord::fromBytes(bytes.mid((k - 1) * 28, 28));
        const DrawRecord& want = real[k - 1];
        QCOMPARE(r.dateKey(), want.dateKey());
        QCOMPARE(r.numbers, want.numbers);
        QCOMPARE(r.bonus, want.bonus);
        QCOMPARE(r.position, int16_t(k));
        // Each draw was appended in turn, so it carries the count the file had just reached.
        QCOMPARE(r.count, k == 1 ? 4453 : k);
    }

    // Again, and in the plain layout: nothing to add, and the file is left alone.
    for (const char* name : {"649-official.csv", "lotto649.csv"}) {
        const auto again = DrawImport::importFile(testDataPath(name), m_history, 1, {}, nullptr, &error);
        QVERIFY2(again, qPrintable(error));
        QCOMPARE(again->added, 0);
        QCOMPARE(again->alreadyPresent, 4453);
        QCOMPARE(readFileBytes(m_history), bytes);
    }
}

void tst_DrawImport::bothLayoutsStoreTheSameBytes()
{
    const QString plain = m_dir->filePath("CAN7.rtl");
    QVERIFY(DrawImport::importFile(testDataPath("649-official.csv"), m_history, 1));
    QVERIFY(DrawImport::importFile(testDataPath("lotto649.csv"), plain, 1));
    QCOMPARE(readFileBytes(plain), readFileBytes(m_history));
}

void tst_DrawImport::mergeStoresAsAddingByHand()
{
    const auto real = loadRealDraws();
    std::vector<DrawRecord> stored(real.begin() + 1000, real.begin() + 1100);
    // The player typed every third draw of a stretch, and the file is the one Add Draw built.
    QString byHand = m_dir->filePath("CAN2.rtl");
    for (size_t i = 0; i < stored.size(); i += 3) {
        for (const QString& path : {m_history, byHand})
            QVERIFY(ResultsFile::insertDraw(
                path, 1, stored[i].day, stored[i].month, stored[i].year, stored[i].numbers, stored[i].bonus));
    }
    // The file brings the whole stretch, shuffled, plus two draws that contradict stored ones.
    std::vector<DrawRecord> rows(real.begin() + 990, real.begin() + 1110);
    QRandomGenerator shuffler(11);
    std::shuffle(rows.begin(), rows.end(), shuffler);
    DrawRecord wrongBonus = stored[3];
    wrongBonus.bonus = stored[3].numbers[0] == 1 ? 2 : 1;
    DrawRecord wrongNumber = stored[30];
    wrongNumber.numbers[5] = stored[30].numbers[5] == 49 ? 48 : 49;
    QByteArray csv = plainHeader;
    for (const DrawRecord& r : rows)
        csv += plainRow(r);
    csv += plainRow(wrongBonus) + plainRow(wrongNumber);
    const QString source = m_dir->filePath("stretch.csv");
    QVERIFY(writeFileBytes(source, csv));

    const auto summary = DrawImport::importFile(source, m_history, 1);
    QVERIFY(summary);
    QCOMPARE(summary->added, 120 - 34);
    QCOMPARE(summary->alreadyPresent, 34);
    QCOMPARE(summary->conflicts, 2);
    QCOMPARE(summary->firstConflicts.size(), size_t(2));
    QCOMPARE(summary->firstConflicts[0].line, 122);
    QVERIFY(summary->firstConflicts[1].reason.contains(
        QDate(wrongNumber.year, wrongNumber.month, wrongNumber.day).toString(Qt::ISODate)));

    std::vector<DrawRecord> missing(real.begin() + 990, real.begin() + 1110);
    for (size_t i = 0; i < missing.size(); ++i) {
        const DrawRecord& r = missing[i];
        if (!ResultsFile::findDraw(byHand, r.day, r.month, r.year).value())
            QVERIFY(ResultsFile::insertDraw(byHand, 1, r.day, r.month, r.year, r.numbers, r.bonus));
    }
    QCOMPARE(readFileBytes(m_history), readFileBytes(byHand));
}

void tst_DrawImport::staleRecordsBeyondTheCountStay()
{
    // Two draws, then the stale copies a deletion leaves behind.
    QVERIFY(writeFileBytes(m_dir->filePath("two.csv"),
                           plainHeader + "2003-06-11,1,2,3,4,5,6,7\n2003-06-18,1,2,3,4,5,6,8\n"));
    QVERIFY(DrawImport::importFile(m_dir->filePath("two.csv"), m_history, 1));
    const QByteArray stale = QByteArray(28, '\x11') + QByteArray(28, '\x22');
    QVERIFY(writeFileBytes(m_history, readFileBytes(m_history) + stale));
    QVERIFY(writeFileBytes(m_dir->filePath("one.csv"), plainHeader + goodRow));
    QCOMPARE(DrawImport::importFile(m_dir->filePath("one.csv"), m_history, 1)->added, 1);
    const QByteArray after = readFileBytes(m_history);
    QCOMPARE(after.size(), 4 * 28);
    QCOMPARE(after.mid(3 * 28), stale.mid(28));
    QCOMPARE(RecordFile::get32(after, 0), 3);
    QCOMPARE(DrawRecord::fromBytes(after.mid(28, 28)).bonus, int16_t(15));
    QCOMPARE(DrawRecord::fromBytes(after.mid(2 * 28, 28)).bonus, int16_t(8));
}

void tst_DrawImport::refusedRows_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no such day") << 1 << QByteArray("2003-02-30,1,2,3,4,5,6,7") << "there is no date 2003-02-30";
    QTest::newRow("day first") << 1 << QByteArray("14/06/2003,1,2,3,4,5,6,7")
                               << "\"14/06/2003\" is not a date written YYYY-MM-DD";
    QTest::newRow("number 50") << 1 << QByteArray("2003-06-18,1,2,3,4,5,50,7") << "the number 50 is not within 1 to 49";
    QTest::newRow("number 0") << 1 << QByteArray("2003-06-18,0,2,3,4,5,6,7") << "the number 0 is not within 1 to 49";
    QTest::newRow("number twice") << 1 << QByteArray("2003-06-18,9,2,3,4,5,9,7") << "the number 9 is drawn twice";
    QTest::newRow("bonus among them") << 1 << QByteArray("2003-06-18,1,2,3,4,5,6,6")
                                      << "the bonus 6 is also a main number";
    QTest::newRow("bonus 50") << 1 << QByteArray("2003-06-18,1,2,3,4,5,6,50") << "the bonus 50 is not within 1 to 49";
    QTest::newRow("a number short") << 1 << QByteArray("2003-06-18,1,2,3,4,5,6") << "7 fields where 8 were expected";
    QTest::newRow("a number more") << 1 << QByteArray("2003-06-18,1,2,3,4,5,6,7,8") << "9 fields where 8 were expected";
    QTest::newRow("fraction") << 1 << QByteArray("2003-06-18,1,2,3,4,5,7.5,8") << "\"7.5\" is not a whole number";
    QTest::newRow("empty cell") << 1 << QByteArray("2003-06-18,1,2,,4,5,6,8") << "\"\" is not a whole number";
    QTest::newRow("super 7 with 48") << 2 << QByteArray("2003-06-20,1,2,3,4,5,6,48,9")
                                     << "the number 48 is not within 1 to 47";
}

void tst_DrawImport::refusedRows()
{
    QFETCH(int, gameId);
    QFETCH(QByteArray, row);
    QFETCH(QString, reason);
    const QByteArray good = gameId == 1 ? goodRow : "2003-06-13,1,2,3,4,5,6,7,8\n";
    // The refused row is line 3, after a header and a good row; blank lines are not rows.
    const auto parsed = DrawImport::parse("header\r\n" + good + row + "\r\n\r\n", gameId);
    QVERIFY(parsed);
    QCOMPARE(parsed->draws.size(), size_t(1));
    QCOMPARE(parsed->refused, 1);
    QCOMPARE(parsed->firstRefused[0].line, 3);
    QCOMPARE(parsed->firstRefused[0].reason, reason);

    // Many refused rows: the summary names the first few and counts the rest.
    const auto many = DrawImport::parse(good + (row + '\n').repeated(8), gameId);
    const auto merged = DrawImport::merge({}, *many, gameId);
    QVERIFY(merged);
    const QString text = DrawImport::summaryText(merged->summary);
    QVERIFY2(text.startsWith("Draws added: 1\n"), qPrintable(text));
    QVERIFY(text.contains("Rows refused: 8"));
    QVERIFY(text.contains("\nLine 6: " + reason));
    QVERIFY(!text.contains("Line 7:"));
    QVERIFY(text.endsWith("... and 3 more"));
}

void tst_DrawImport::wholeFileRefused_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");
    QByteArray official = readFileBytes(testDataPath("649-official.csv")).left(1000);
    QTest::newRow("6/49 operator file into super 7")
        << 2 << official << "This file holds draws of 6 numbers; Super 7 draws 7.";
    QTest::newRow("6/49 rows into super 7")
        << 2 << plainHeader + goodRow << "This file holds draws of 6 numbers; Super 7 draws 7.";
    QTest::newRow("header without numbers") << 1 << QByteArray("\"PRODUCT\",\"DRAW DATE\"\n\"649\",\"2003-06-14\"\n")
                                            << "The header names no draw date, numbers drawn or bonus number.";
    QTest::newRow("not a table") << 1 << QByteArray("Dear player,\nplease find attached\n")
                                 << "The file is neither the operator's draw-history layout nor rows of a date, the "
                                    "numbers drawn and the bonus.";
    QTest::newRow("empty") << 1 << QByteArray("\n\n") << "The file holds no draws.";
}

void tst_DrawImport::wholeFileRefused()
{
    QFETCH(int, gameId);
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    QString why;
    QVERIFY(!DrawImport::parse(text, gameId, {}, nullptr, &why));
    QCOMPARE(why, error);
}

void tst_DrawImport::superSevenOperatorLayout()
{
    const QByteArray csv =
        "\xEF\xBB\xBF\"PRODUCT\",\"DRAW NUMBER\",\"SEQUENCE NUMBER\",\"DRAW DATE\",\"NUMBER DRAWN 1\","
        "\"NUMBER DRAWN 2\",\"NUMBER DRAWN 3\",\"NUMBER DRAWN 4\",\"NUMBER DRAWN 5\",\"NUMBER DRAWN 6\","
        "\"NUMBER DRAWN 7\",\"BONUS NUMBER\"\n"
        "\"S7\",2,0,\"2003-06-20\",47,2,30,8,11,19,25,33\n"
        "\"S7\",1,0,\"2003-06-13\",1,2,3,4,5,6,7,8\n";
    QVERIFY(writeFileBytes(m_dir->filePath("s7.csv"), csv));
    const QString path = m_dir->filePath("CAN7.rtl");
    const auto summary = DrawImport::importFile(m_dir->filePath("s7.csv"), path, 2);
    QVERIFY(summary);
    QCOMPARE(summary->added, 2);
    const auto draws = ResultsFile::readAll(path).value();
    QCOMPARE(draws.size(), size_t(2));
    QCOMPARE(draws[0].day, int16_t(13));
    QCOMPARE(draws[1].numbers, (std::array<int16_t, 7>{2, 8, 11, 19, 25, 30, 47}));
    QCOMPARE(draws[1].bonus, int16_t(33));
}

void tst_DrawImport::cancelWritesNothing()
{
    QVERIFY(DrawImport::importFile(testDataPath("lotto649.csv"), m_history, 1));
    const QByteArray before = readFileBytes(m_history);
    bool cancel = false;
    int calls = 0;
    // The player presses Cancel once the merge is under way (the second half of the work).
    const auto stopHalfway = [&](int done, int total) {
        ++calls;
        cancel = done > total / 2;
    };
    QVERIFY(writeFileBytes(m_dir->filePath("other.csv"), plainHeader + goodRow));
    const QString fresh = m_dir->filePath("CAN3.rtl");
    const auto summary = DrawImport::importFile(testDataPath("649-official.csv"), fresh, 1, stopHalfway, &cancel);
    QVERIFY(summary);
    QVERIFY(summary->cancelled);
    QVERIFY(calls > 2);
    QVERIFY(!QFile::exists(fresh));
    QCOMPARE(readFileBytes(m_history), before);
}

QTEST_GUILESS_MAIN(tst_DrawImport)
#include "tst_DrawImport.moc"
