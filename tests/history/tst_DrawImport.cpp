#include "DrawImport.h"
#include "GameCatalogue.h"
#include "HistoryDamage.h"
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
QByteArray plainRow(const DrawRecord& r)
{
    QByteArray row = r.date().toString(Qt::ISODate).toLatin1();
    for (int i = 0; i < 6; ++i)
        row += ',' + QByteArray::number(r.numbers[i]);
    return row + ',' + QByteArray::number(r.bonus) + '\n';
}

const QByteArray plainHeader = "date,n1,n2,n3,n4,n5,n6,bonus\n";
const QByteArray goodRow = "2003-06-14,3,7,12,22,30,49,15\n";
const QByteArray operatorHeader = "\"PRODUCT\",\"DRAW NUMBER\",\"SEQUENCE NUMBER\",\"DRAW DATE\",\"NUMBER DRAWN 1\","
                                  "\"NUMBER DRAWN 2\",\"NUMBER DRAWN 3\",\"NUMBER DRAWN 4\",\"NUMBER DRAWN 5\","
                                  "\"NUMBER DRAWN 6\",\"BONUS NUMBER\"\n";
} // namespace

class tst_DrawImport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void officialFileFillsEmptyHistory();
    void mergeStoresAsAddingByHand();
    void refusedRows_data();
    void refusedRows();
    void wholeFileRefused_data();
    void wholeFileRefused();
    void superSevenOperatorLayout();
    void lottoMaxByPeriod();
    void cancelDuringTheMergeWritesNothing();

private:
    // Answers the question asked before a file of unknown product is imported, and keeps it.
    DrawImport::Confirm answer(bool yes)
    {
        return [this, yes](const QString& question) {
            m_asked << question;
            return yes;
        };
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_history;
    QStringList m_asked;
};

void tst_DrawImport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_history = m_dir->filePath("CAN1.rtl");
    m_asked.clear();
}

void tst_DrawImport::officialFileFillsEmptyHistory()
{
    QString error;
    const auto first =
        DrawImport::importFile(testDataPath("649-official.csv"), m_history, 1, answer(false), {}, nullptr, &error);
    QVERIFY2(first, qPrintable(error));
    QCOMPARE(first->added, 4453);
    QCOMPARE(first->alreadyPresent + first->conflicts + first->refused, 0);

    const auto real = loadRealDraws();
    const QByteArray bytes = readFileBytes(m_history);
    QCOMPARE(bytes.size(), 4453 * 28);
    for (int k = 1; k <= 4453; ++k) {
        const DrawRecord r = DrawRecord::fromBytes(bytes.mid((k - 1) * 28, 28));
        QCOMPARE(r.dateKey(), real[k - 1].dateKey());
        QCOMPARE(r.numbers, real[k - 1].numbers);
        QCOMPARE(r.bonus, real[k - 1].bonus);
        QCOMPARE(r.position, int16_t(k));
        // Each draw was appended in turn, so it carries the count the file had just reached.
        QCOMPARE(r.count, k == 1 ? 4453 : k);
    }

    // Again, and in the plain layout: nothing to add, and the file is left alone. The plain layout
    // names no game, so it goes in only after a Yes; into an empty history it stores the same bytes.
    for (const char* name : {"649-official.csv", "lotto649.csv"}) {
        const auto again = DrawImport::importFile(testDataPath(name), m_history, 1, answer(true), {}, nullptr, &error);
        QVERIFY2(again, qPrintable(error));
        QCOMPARE(again->added, 0);
        QCOMPARE(again->alreadyPresent, 4453);
        QCOMPARE(readFileBytes(m_history), bytes);
    }
    QVERIFY(DrawImport::importFile(testDataPath("lotto649.csv"), m_dir->filePath("CAN7.rtl"), 1, answer(true)));
    QCOMPARE(readFileBytes(m_dir->filePath("CAN7.rtl")), bytes);
    const auto declined =
        DrawImport::importFile(testDataPath("lotto649.csv"), m_dir->filePath("CAN3.rtl"), 1, answer(false));
    QVERIFY(declined && declined->cancelled);
    QVERIFY(!QFile::exists(m_dir->filePath("CAN3.rtl")));
    QCOMPARE(m_asked, QStringList(3, "Import 4453 draws into National 6/49?"));
}

void tst_DrawImport::mergeStoresAsAddingByHand()
{
    const auto real = loadRealDraws();
    // The player typed every third draw of a stretch, and the file is the one Add Draw built.
    const QString byHand = m_dir->filePath("CAN2.rtl");
    for (int i = 1000; i < 1100; i += 3) {
        for (const QString& path : {m_history, byHand})
            QVERIFY(ResultsFile::insertDraw(
                path, 1, real[i].day, real[i].month, real[i].year, real[i].numbers, real[i].bonus));
    }
    // Then stale records, as deletions leave them beyond the count: those not written over stay.
    for (const QString& path : {m_history, byHand})
        QVERIFY(writeFileBytes(path, readFileBytes(path) + QByteArray(100 * 28, '\x11')));
    // The file brings the whole stretch and more, shuffled, plus two draws that contradict stored ones.
    std::vector<DrawRecord> rows(real.begin() + 990, real.begin() + 1110);
    std::shuffle(rows.begin(), rows.end(), QRandomGenerator(11));
    DrawRecord wrongBonus = real[1003];
    wrongBonus.bonus = wrongBonus.numbers[0] == 1 ? 2 : 1;
    DrawRecord wrongNumber = real[1030];
    wrongNumber.numbers[5] = wrongNumber.numbers[5] == 49 ? 48 : 49;
    QByteArray csv = plainHeader;
    for (const DrawRecord& r : rows)
        csv += plainRow(r);

    QVERIFY(writeFileBytes(m_dir->filePath("draws.csv"), csv + plainRow(wrongBonus) + plainRow(wrongNumber)));
    const auto summary = DrawImport::importFile(m_dir->filePath("draws.csv"), m_history, 1, answer(true));
    QVERIFY(summary);
    QCOMPARE(summary->added, 120 - 34);
    QCOMPARE(summary->alreadyPresent, 34);
    QCOMPARE(summary->conflicts, 2);
    QCOMPARE(summary->firstConflicts.size(), size_t(2));
    QCOMPARE(summary->firstConflicts[0].line, 122);
    QVERIFY(summary->firstConflicts[1].reason.contains(
        wrongNumber.date().toString(Qt::ISODate)));

    for (int i = 990; i < 1110; ++i) {
        const DrawRecord& r = real[i];
        if (!ResultsFile::findDraw(byHand, r.day, r.month, r.year).value())
            QVERIFY(ResultsFile::insertDraw(byHand, 1, r.day, r.month, r.year, r.numbers, r.bonus));
    }
    QCOMPARE(readFileBytes(m_history), readFileBytes(byHand));
    QCOMPARE(readFileBytes(m_history).sliced(120 * 28), QByteArray(14 * 28, '\x11'));
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
    QTest::newRow("number twice") << 1 << QByteArray("2003-06-18,9,2,3,4,5,9,7") << "the number 9 is drawn twice";
    QTest::newRow("bonus among them") << 1 << QByteArray("2003-06-18,1,2,3,4,5,6,6")
                                      << "the bonus 6 is also a main number";
    QTest::newRow("bonus 50") << 1 << QByteArray("2003-06-18,1,2,3,4,5,6,50") << "the bonus 50 is not within 1 to 49";
    QTest::newRow("a number short") << 1 << QByteArray("2003-06-18,1,2,3,4,5,6") << "7 fields where 8 were expected";
    QTest::newRow("one field") << 1 << QByteArray("2003-06-18") << "1 field where 8 were expected";
    QTest::newRow("fraction") << 1 << QByteArray("2003-06-18,1,2,3,4,5,7.5,8") << "\"7.5\" is not a whole number";
    QTest::newRow("super 7 with 48") << 2 << QByteArray("2003-06-20,1,2,3,4,5,6,48,9")
                                     << "the number 48 is not within 1 to 47";
    // Lotto Max drew from 1..49 until 10 May 2019, from 1..50 until 10 April 2026, then from 1..52.
    QTest::newRow("lotto max 50 in its 7/49 days")
        << 8 << QByteArray("2019-05-10,1,2,3,4,5,6,50,9") << "the number 50 is not within 1 to 49";
    QTest::newRow("lotto max bonus 52 in its 7/50 days")
        << 8 << QByteArray("2026-04-10,1,2,3,4,5,6,7,52") << "the bonus 52 is not within 1 to 50";
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
    const auto merged = DrawImport::merge({}, *DrawImport::parse(good + (row + '\n').repeated(8), gameId), gameId);
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
    QTest::newRow("6/49 rows into super 7")
        << 2 << plainHeader + goodRow << "This file holds draws of 6 numbers; Super 7 draws 7.";
    QTest::newRow("header without numbers") << 1 << QByteArray("\"PRODUCT\",\"DRAW DATE\"\n\"649\",\"2003-06-14\"\n")
                                            << "The header names no draw date, numbers drawn or bonus number.";
    QTest::newRow("not a table") << 1 << QByteArray("Dear player,\nplease find attached\n")
                                 << "The file is neither the operator's draw-history layout nor rows of a date, the "
                                    "numbers drawn and the bonus.";
    QTest::newRow("empty") << 1 << QByteArray("\n\n") << "The file holds no draws.";
    QTest::newRow("National 6/49 file into Ontario 6/49")
        << 6 << operatorHeader + "\"649\",1,0,\"1982-06-12\",3,11,12,14,41,43,13\n"
        << "This file holds draws of National 6/49, not of Ontario 6/49. Nothing was imported.";
    QTest::newRow("Lotto Max file into Super 7") << 2 << readFileBytes(testDataPath("lottomax-official.csv"))
                                                 << "This file holds draws of Lotto Max, not of Super 7. Nothing "
                                                    "was imported.";
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
    QVERIFY(
        writeFileBytes(m_dir->filePath("s7.csv"),
                       "\xEF\xBB\xBF\"PRODUCT\",\"DRAW NUMBER\",\"SEQUENCE NUMBER\",\"DRAW DATE\",\"NUMBER DRAWN 1\","
                       "\"NUMBER DRAWN 2\",\"NUMBER DRAWN 3\",\"NUMBER DRAWN 4\",\"NUMBER DRAWN 5\",\"NUMBER DRAWN 6\","
                       "\"NUMBER DRAWN 7\",\"BONUS NUMBER\"\n"
                       "\"S7\",2,0,\"2003-06-20\",47,2,30,8,11,19,25,33\n"
                       "\"S7\",1,0,\"2003-06-13\",1,2,3,4,5,6,7,8\n"));
    const QString path = m_dir->filePath("CAN7.rtl");
    const auto summary = DrawImport::importFile(m_dir->filePath("s7.csv"), path, 2, answer(true));
    QVERIFY(summary);
    QCOMPARE(m_asked, QStringList{"Import 2 draws into Super 7?"}); // a product the program does not know
    QCOMPARE(summary->added, 2);
    const auto draws = ResultsFile::readAll(path).value();
    QCOMPARE(draws.size(), size_t(2));
    QCOMPARE(draws[0].day, int16_t(13));
    QCOMPARE(draws[1].numbers, (std::array<int16_t, 7>{2, 8, 11, 19, 25, 30, 47}));
    QCOMPARE(draws[1].bonus, int16_t(33));
}

void tst_DrawImport::lottoMaxByPeriod()
{
    // The operator's file as published, MaxMillions prize draws (sequence numbers 1 and up) included.
    const QByteArray maxMillions = "\"LOTTO MAX\",1273,1,\"2026-09-25\",3,9,17,22,30,44,51,\n"
                                   "\"LOTTO MAX\",1273,2,\"2026-09-25\",1,5,12,19,28,40,49,\n";
    QVERIFY(
        writeFileBytes(m_dir->filePath("max.csv"), readFileBytes(testDataPath("lottomax-official.csv")) + maxMillions));
    const QString path = m_dir->filePath("CAN6.rtl");
    const auto summary =
        DrawImport::importFile(m_dir->filePath("max.csv"), path, GameCatalogue::LottoMax, answer(false));
    QVERIFY(summary);
    QCOMPARE(DrawImport::summaryText(*summary),
             "Draws added: 1273\nDraws already present: 0\nConflicts (the stored draw was kept): 0\nRows refused: "
             "0\nExtra prize draws skipped: 2");
    QVERIFY(m_asked.isEmpty()); // the operator's own product for Lotto Max

    // Every draw as published, 50s from May 2019 and 51s and 52s from April 2026 included.
    const auto real = loadRealDraws("lottomax-official.csv", GameCatalogue::LottoMax);
    const auto draws = ResultsFile::readAll(path).value();
    QCOMPARE(draws.size(), size_t(1273));
    for (size_t k = 0; k < draws.size(); ++k) {
        QCOMPARE(draws[k].dateKey(), real[k].dateKey());
        QCOMPARE(draws[k].numbers, real[k].numbers);
        QCOMPARE(draws[k].bonus, real[k].bonus);
    }
    QCOMPARE(draws.back().listLine(GameCatalogue::LottoMax), "01273 25 09 2026: 08 24 38 41 43 50 52 BB 07");

    // The history is sound by the rules of each draw's date; a 50 in the last 7/49 draw is not.
    QCOMPARE(HistoryDamage::describeFile(path, GameCatalogue::LottoMax), QString());
    QByteArray damaged = readFileBytes(path);
    QCOMPARE(draws[502].date(), QDate(2019, 5, 10));
    RecordFile::put16(damaged, 502 * 28 + 24, 50);
    QCOMPARE(HistoryDamage::describe(RecordFile(DrawRecord::Size, damaged), GameCatalogue::LottoMax),
             "draw 503 holds numbers outside 1..49");
}

void tst_DrawImport::cancelDuringTheMergeWritesNothing()
{
    bool cancel = false;
    int calls = 0;
    // Cancel is pressed once the merge, the second half of the work, is under way.
    const auto stopHalfway = [&](int done, int total) {
        ++calls;
        cancel = done > total / 2;
    };
    const auto summary =
        DrawImport::importFile(testDataPath("649-official.csv"), m_history, 1, answer(false), stopHalfway, &cancel);
    QVERIFY(summary && summary->cancelled);
    QVERIFY(calls > 2);
    QVERIFY(!QFile::exists(m_history));
}

QTEST_GUILESS_MAIN(tst_DrawImport)
#include "tst_DrawImport.moc"
