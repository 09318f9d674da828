#include "DownloadCases.h"
#include "DownloadServer.h"
#include "DownloadedHistory.h"
#include "DrawImport.h"
#include "DrawRules.h"
#include "HistoryBytes.h"
#include "HistoryDamage.h"
#include "NetworkTransfer.h"
#include "RecordFile.h"
#include "ResultsDownload.h"
#include "ResultsFile.h"
#include "TestFiles.h"

#include <QDir>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using Mode = LoopbackHttpServer::Mode;
using namespace DownloadMessages;

namespace
{
using Main = std::array<int16_t, 7>;

// One expected record: count, position, date and the numbers.
QByteArray rec(int32_t count, int16_t pos, int16_t d, int16_t m, int16_t y, Main nums, int16_t bonus)
{
    return DrawRecord{count, pos, d, m, y, nums, bonus}.toBytes();
}

const Main a{1, 2, 3, 4, 5, 6, 0}, b{7, 8, 9, 10, 11, 12, 0}, c{13, 14, 15, 16, 17, 18, 0};

const QByteArray operatorHeader = "\"PRODUCT\",\"DRAW NUMBER\",\"SEQUENCE NUMBER\",\"DRAW DATE\",\"NUMBER DRAWN 1\","
                                  "\"NUMBER DRAWN 2\",\"NUMBER DRAWN 3\",\"NUMBER DRAWN 4\",\"NUMBER DRAWN 5\","
                                  "\"NUMBER DRAWN 6\",\"BONUS NUMBER\"\n";
// Answers the run's questions from a script, No once it runs out, and records them.
struct ScriptedQuestions : ResultsDownload::Questions
{
    bool ask(const QString& question, bool overwrites) override
    {
        asked << question;
        // Only a question whose Yes replaces a history says so: its safe answer is No.
        wrongSafeAnswer |= overwrites == question.endsWith("the other results?");
        return !answers.isEmpty() && answers.takeFirst();
    }
    void warn(const QString& message) override
    {
        informed << message;
    }

    QList<bool> answers;
    QStringList asked;
    QStringList informed;
    bool wrongSafeAnswer = false;
};

// The history with one 16-bit field of one record (numbered from 1) changed.
QByteArray with16(QByteArray bytes, int record, int offset, int value)
{
    RecordFile::put16(bytes, (record - 1) * DrawRecord::Size + offset, static_cast<int16_t>(value));
    return bytes;
}
} // namespace

// A draw history: draws added by hand and deleted, byte for byte, files of draws imported into it,
// and whole histories downloaded from a real HTTP server on loopback.
class tst_ResultsFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_path = m_dir->filePath("CAN1.rtl");
        m_asked.clear();
        m_server = std::make_unique<LoopbackHttpServer>();
        m_questions = ScriptedQuestions();
        m_statuses.clear();
    }

    void insertPlacesDrawsByDate()
    {
        QCOMPARE(ResultsFile::findDraw(m_path, 1, 1, 2003), std::optional<int>(0));
        QVERIFY(QFile::exists(m_path)); // a lookup leaves an empty file behind
        QCOMPARE(ResultsFile::insertDraw(m_path, 1, 10, 6, 2003, b, 40), std::optional<int>(1));
        // Little-endian: count (32 bits), position, day, month, year, seven numbers, bonus.
        QCOMPARE(readFileBytes(m_path).toHex(' '),
                 QByteArray("01 00 00 00 01 00 0a 00 06 00 d3 07 07 00 08 00 09 00 0a 00 0b 00 0c 00 00 00 28 00"));
        // After every stored draw: appended, carrying the new count in its own count field.
        QCOMPARE(ResultsFile::insertDraw(m_path, 1, 20, 6, 2003, c, 41), std::optional<int>(2));
        QCOMPARE(readFileBytes(m_path), rec(2, 1, 10, 6, 2003, b, 40) + rec(2, 2, 20, 6, 2003, c, 41));
        // Before every stored draw: everything moves up, record 1 takes the new draw and count 3.
        QCOMPARE(ResultsFile::insertDraw(m_path, 1, 1, 6, 2003, a, 42), std::optional<int>(1));
        QCOMPARE(readFileBytes(m_path),
                 rec(3, 1, 1, 6, 2003, a, 42) + rec(2, 2, 10, 6, 2003, b, 40) + rec(2, 3, 20, 6, 2003, c, 41));
        // Between: the new record is built on the record it displaces, keeping that record's count field.
        QCOMPARE(ResultsFile::insertDraw(m_path, 1, 15, 6, 2003, a, 43), std::optional<int>(3));
        QCOMPARE(readFileBytes(m_path),
                 rec(4, 1, 1, 6, 2003, a, 42) + rec(2, 2, 10, 6, 2003, b, 40) + rec(2, 3, 15, 6, 2003, a, 43)
                     + rec(2, 4, 20, 6, 2003, c, 41));
        // A second draw on an existing date goes after it.
        QCOMPARE(ResultsFile::insertDraw(m_path, 1, 10, 6, 2003, c, 44), std::optional<int>(3));
        QCOMPARE(ResultsFile::findDraw(m_path, 15, 6, 2003), std::optional<int>(4));
    }

    void deleteMovesRecordsUp()
    {
        for (int d = 1; d <= 3; ++d)
            QVERIFY(ResultsFile::insertDraw(m_path, 1, d, 1, 2004, a, static_cast<int16_t>(d + 10)));
        // The later records move up, renumbered, and the old last one stays beyond the count.
        QVERIFY(ResultsFile::deleteDraw(m_path, 2));
        const QByteArray moved = rec(3, 2, 3, 1, 2004, a, 13), stale = rec(3, 3, 3, 1, 2004, a, 13);
        QCOMPARE(readFileBytes(m_path), rec(2, 1, 1, 1, 2004, a, 11) + moved + stale);
        QVERIFY(ResultsFile::deleteDraw(m_path, 1));
        QCOMPARE(readFileBytes(m_path), rec(1, 1, 3, 1, 2004, a, 13) + moved + stale);
        // Deleting the only draw deletes the file.
        QVERIFY(ResultsFile::deleteDraw(m_path, 1));
        QVERIFY(!QFile::exists(m_path));
        QCOMPARE(ResultsFile::findDraw(m_path, 3, 1, 2004), std::optional<int>(0));
        QVERIFY(!ResultsFile::deleteDraw(m_path, 1)); // nothing left to delete
    }

    void fullFileRefusesInsert()
    {
        QByteArray bytes(ResultsFile::MaxDraws * 28, '\0');
        RecordFile::put32(bytes, 0, ResultsFile::MaxDraws);
        QVERIFY(writeFileBytes(m_path, bytes));
        QString error;
        QVERIFY(!ResultsFile::insertDraw(m_path, 1, 1, 1, 2050, a, 9, &error));
        QVERIFY(error.contains("already holds 32767 draws"));
        QCOMPARE(readFileBytes(m_path), bytes);
    }

    // Lotto Max drew on Fridays until 10 May 2019, then on Tuesdays and Fridays.
    void offDayQuestions()
    {
        QCOMPARE(DrawRules::offDayQuestion(GameCatalogue::LottoMax, QDate(2019, 5, 7)),
                 "This is not a Friday Date. Do you want to proceed anyway?");
        QCOMPARE(DrawRules::offDayQuestion(GameCatalogue::LottoMax, QDate(2019, 5, 14)), QString());
        QCOMPARE(DrawRules::offDayQuestion(GameCatalogue::LottoMax, QDate(2019, 5, 15)),
                 "This is not a Tuesday or Friday Date. Do you want to proceed anyway?");
    }

    void officialFilesStoreAsAddingByHand()
    {
        // Into an empty history each draw is stored in turn, as adding it by hand stores it. The plain
        // layout names no game, so it goes in only after a Yes.
        QVERIFY(DrawImport::importFile(testDataPath("lotto649.csv"), m_path, 1, answer(true)));
        QCOMPARE(readFileBytes(m_path), officialHistory(4453));
        const auto declined =
            DrawImport::importFile(testDataPath("lotto649.csv"), m_dir->filePath("CAN3.rtl"), 1, answer(false));
        QVERIFY(declined && declined->cancelled);
        QVERIFY(!QFile::exists(m_dir->filePath("CAN3.rtl")));
        // The operator's own file of the same draws adds nothing and asks nothing.
        const auto again = DrawImport::importFile(testDataPath("649-official.csv"), m_path, 1, answer(true));
        QCOMPARE(again ? again->alreadyPresent : 0, 4453);
        QCOMPARE(readFileBytes(m_path), officialHistory(4453));
        QCOMPARE(m_asked, QStringList(2, "Import 4453 draws into National 6/49?"));
        // Another draw on a stored date keeps the stored one, and the summary names the row.
        const auto merged = DrawImport::merge(officialHistory(4453), *DrawImport::parse("1982-06-12,1,2,3,4,5,6,7", 1), 1);
        QVERIFY(DrawImport::summaryText(merged->summary)
                    .endsWith("Conflicts:\nLine 1: the draw of 1982-06-12 differs from the one already stored, which was kept"));
    }

    void importRefusals_data()
    {
        QTest::addColumn<int>("gameId");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("refusal");
        // A refused row is named by its line, here 3, after a header and a good row; blank lines are not rows.
        const auto row = [](int gameId, const QByteArray& bad) {
            const QByteArray good = gameId == 1 ? "2003-06-14,3,7,12,22,30,49,15\n" : "2003-06-13,1,2,3,4,5,6,7,8\n";
            return "header\r\n" + good + bad + "\r\n\r\n";
        };
        QTest::newRow("no such day") << 1 << row(1, "2003-02-30,1,2,3,4,5,6,7") << "there is no date 2003-02-30";
        QTest::newRow("number twice") << 1 << row(1, "2003-06-18,9,2,3,4,5,9,7") << "the number 9 is drawn twice";
        QTest::newRow("bonus among them")
            << 1 << row(1, "2003-06-18,1,2,3,4,5,6,6") << "the bonus 6 is also a main number";
        QTest::newRow("one field") << 1 << row(1, "2003-06-18") << "1 field where 8 were expected";
        QTest::newRow("super 7 with 48") << 2 << row(2, "2003-06-20,1,2,3,4,5,6,48,9")
                                         << "the number 48 is not within 1 to 47";
        // Lotto Max drew from 1..49 until 10 May 2019, from 1..50 until 10 April 2026, then from 1..52.
        QTest::newRow("lotto max 50 in its 7/49 days")
            << 8 << row(8, "2019-05-10,1,2,3,4,5,6,50,9") << "the number 50 is not within 1 to 49";
        QTest::newRow("lotto max bonus 52 in its 7/50 days")
            << 8 << row(8, "2026-04-10,1,2,3,4,5,6,7,52") << "the bonus 52 is not within 1 to 50";
        // Whole files refused.
        QTest::newRow("6/49 rows into super 7")
            << 2 << QByteArray("date,n1,n2,n3,n4,n5,n6,bonus\n2003-06-14,3,7,12,22,30,49,15\n")
            << "This file holds draws of 6 numbers; Super 7 draws 7.";
        QTest::newRow("National 6/49 file into Ontario 6/49")
            << 6 << operatorHeader + "\"649\",1,0,\"1982-06-12\",3,11,12,14,41,43,13\n"
            << "This file holds draws of National 6/49, not of Ontario 6/49. Nothing was imported.";
        QTest::newRow("Lotto Max file into Super 7")
            << 2 << readFileBytes(testDataPath("lottomax-official.csv"))
            << "This file holds draws of Lotto Max, not of Super 7. Nothing was imported.";
    }

    void importRefusals()
    {
        QFETCH(int, gameId);
        QFETCH(QByteArray, text);
        QFETCH(QString, refusal);
        QString why;
        const auto parsed = DrawImport::parse(text, gameId, {}, nullptr, &why);
        if (parsed) {
            QCOMPARE(parsed->refused, 1);
            QCOMPARE(parsed->firstRefused.at(0).line, 3);
            why = parsed->firstRefused[0].reason;
        }
        QCOMPARE(why, refusal);
    }

    // A product the program does not know goes in only after a Yes; the numbers are stored ascending.
    void superSevenOperatorLayout()
    {
        const QByteArray header = QByteArray(operatorHeader).replace(",\"BONUS", ",\"NUMBER DRAWN 7\",\"BONUS");
        QVERIFY(writeFileBytes(m_dir->filePath("s7.csv"),
                               "\xEF\xBB\xBF" + header + "\"S7\",2,0,\"2003-06-20\",47,2,30,8,11,19,25,33\n"
                                   + "\"S7\",1,0,\"2003-06-13\",1,2,3,4,5,6,7,8\n"));
        QVERIFY(DrawImport::importFile(m_dir->filePath("s7.csv"), m_path, 2, answer(true)));
        QCOMPARE(m_asked, QStringList{"Import 2 draws into Super 7?"});
        const auto draws = ResultsFile::readAll(m_path).value();
        QCOMPARE(draws.at(0).listLine(2), "00001 13 06 2003: 01 02 03 04 05 06 07 BB 08");
        QCOMPARE(draws.at(1).listLine(2), "00002 20 06 2003: 02 08 11 19 25 30 47 BB 33");
    }

    // The operator's file as published, with its MaxMillions prize draws (sequence numbers 1 and up),
    // and then rows with a 53: the summary names the first five refused and counts the rest.
    void lottoMaxByPeriod()
    {
        const QByteArray maxMillions = "\"LOTTO MAX\",1273,1,\"2026-09-25\",3,9,17,22,30,44,51,\n"
                                       "\"LOTTO MAX\",1273,2,\"2026-09-25\",1,5,12,19,28,40,49,\n";
        const QByteArray with53 = QByteArray("\"LOTTO MAX\",1274,0,\"2026-09-29\",1,2,3,4,5,6,53,7\n").repeated(7);
        QVERIFY(writeFileBytes(m_dir->filePath("max.csv"),
                               readFileBytes(testDataPath("lottomax-official.csv")) + maxMillions + with53));
        const auto summary = DrawImport::importFile(m_dir->filePath("max.csv"), m_path, 8, answer(false));
        QVERIFY(summary);
        QString refused;
        for (int line = 1277; line <= 1281; ++line)
            refused += QStringLiteral("\nLine %1: the number 53 is not within 1 to 52").arg(line);
        QCOMPARE(DrawImport::summaryText(*summary),
                 "Draws added: 1273\nDraws already present: 0\nConflicts (the stored draw was kept): 0\nRows refused: "
                 "7\nExtra prize draws skipped: 2\n\nRefused rows:"
                     + refused + "\n... and 2 more");
        QVERIFY(m_asked.isEmpty()); // the operator's own product for Lotto Max

        // Every draw as published, 50s from May 2019 and 51s and 52s from April 2026 included.
        QCOMPARE(readFileBytes(m_path), lottoMaxHistory());
        const auto draws = ResultsFile::readAll(m_path).value();
        QCOMPARE(draws.back().listLine(8), "01273 25 09 2026: 08 24 38 41 43 50 52 BB 07");
        // The history is sound by the rules of each draw's date; a 50 in the last 7/49 draw is not.
        QCOMPARE(HistoryDamage::describeFile(m_path, 8), QString());
        QByteArray damaged = readFileBytes(m_path);
        QCOMPARE(draws[502].date(), QDate(2019, 5, 10));
        RecordFile::put16(damaged, 502 * 28 + 24, 50);
        QCOMPARE(HistoryDamage::describe(RecordFile(DrawRecord::Size, damaged), 8),
                 "draw 503 holds numbers outside 1..49");
    }

    void verify_data()
    {
        QTest::addColumn<int>("gameId");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("reason"); // "" when accepted
        const QByteArray full = officialHistory(4453);
        const QByteArray page = "<html><body>Not Found</body></html>";
        QTest::newRow("stale record after the count") << 1 << full + full.left(28) << "";
        QTest::newRow("same date twice") << 1 << with16(with16(full, 2, 6, 12), 2, 8, 6) << "record 2: not dated after";
        QTest::newRow("a sound draw, then a web page") << 1 << officialHistory(1) + page << "63 bytes are not whole";
        QTest::newRow("empty") << 1 << QByteArray() << "0 bytes";
        QTest::newRow("count above the largest") << 1 << with16(full, 1, 0, 32768) << "a count of 32768";
        QTest::newRow("cut short") << 1 << full.left(full.size() - 1) << "4453 draws announced";
        QTest::newRow("bonus 0 in the last record") << 1 << with16(full, 4453, 26, 0) << "record 4453: the bonus 0";
        QTest::newRow("super 7 with 48") << 2 << with16(super7History(60), 45, 24, 48) << "record 45: the number 48";
        // Each draw is held to the range of its date: Lotto Max drew up to 50 from May 2019, 52 from April 2026.
        const QByteArray max = lottoMaxHistory();
        QTest::newRow("lotto max") << 8 << max << "";
        QTest::newRow("lotto max with 52 in 2019")
            << 8 << with16(max, 505, 24, 52) << "record 505: the number 52 is not within 1 to 50";
    }

    void verify()
    {
        QFETCH(int, gameId);
        QFETCH(QByteArray, body);
        QFETCH(QString, reason);
        QString why;
        const auto accepted = DownloadedHistory::verify(body, gameId, &why);
        QCOMPARE(accepted.has_value(), reason.isEmpty());
        QVERIFY2(reason.isEmpty() ? why.isEmpty() : why.startsWith(reason), qPrintable(why));
    }

    void download_data()
    {
        addDownloadColumns();
        const QByteArray full = officialHistory(4453);
        const QString tooLarge =
            QStringLiteral("National 6/49: The file is too large: the server sent more than a history file can hold.");
        // As many draws as the player has, so the question names the date; a stale record tells the files apart.
        QTest::newRow("same count asks about the date")
            << 200 << Mode::Plain << officialHistory(100) + full.mid(100 * 28, 28) << true << QList<bool>{true}
            << QStringList{"Do you want to replace your current results for National 6/49 with those up to 5/5/1984"}
            << true << allDone << "";
        QTest::newRow("one bad record deep inside")
            << 200 << Mode::Chunked << with16(full, 4000, 18, 0) << true << QList<bool>{false}
            << QStringList{corruptNational} << false << stoppedCorrupt
            << "National 6/49: record 4000: the number 0 is not within 1 to 49";
        QTest::newRow("larger than any history, chunked")
            << 200 << Mode::Chunked << full.repeated(8) << false << QList<bool>{false} << QStringList{failedNational}
            << false << stoppedFailed << tooLarge;
        QTest::newRow("larger than any history, with length")
            << 200 << Mode::Plain << full.repeated(8) << false << QList<bool>{true} << QStringList{failedNational}
            << false << someFailed << tooLarge;
        QTest::newRow("silent server times out")
            << 200 << Mode::Silent << QByteArray() << true << QList<bool>{true} << QStringList{failedNational} << false
            << someFailed << "National 6/49: The server did not answer within 0.3 seconds.";
        QTest::newRow("trickling server meets the deadline")
            << 200 << Mode::Trickle << full << true << QList<bool>{true} << QStringList{failedNational} << false
            << someFailed << "National 6/49: The server did not send the whole file within 0.3 seconds.";
    }

    void download()
    {
        QVERIFY(writeFileBytes(m_path, m_before));
        const DownloadCase c = fetchDownloadCase();
        m_server->serve("/dwnld/CAN1.rtl", c.answer);
        m_questions.answers << c.answers;
        run({1},
            c.checkBefore,
            c.answer.mode == Mode::Silent ? 300 : 5000,
            c.answer.mode == Mode::Trickle ? 300 : NetworkTransfer::DefaultDeadlineMs);
        QCOMPARE(m_questions.asked, c.questions);
        QCOMPARE(readFileBytes(m_path), c.replaced ? c.answer.body : m_before);
        QCOMPARE(m_statuses.last(), c.finalStatus);
        QCOMPARE(m_reason, c.reason);
        QCOMPARE(m_server->requests, QStringList{"/dwnld/CAN1.rtl"});
        if (!c.replaced)
            return;
        m_statuses.removeDuplicates();
        QCOMPARE(m_statuses.join('\n'),
                 "Looking up the IP address of the specified host computer\nConnecting to the host computer\n"
                 "Successfully sent the request\nReceiving a response from the host computer\n"
                 "The request has completed and all data has been received\n"
                     + allDone);
    }

    // National 6/49 declined, Super 7 replaced, Ontario's history unwritable (a folder stands in its place),
    // Lotto Max replaced.
    void eachGameOnItsOwn()
    {
        QVERIFY(writeFileBytes(m_path, m_before));
        const QByteArray seven = super7History(300);
        QVERIFY(writeFileBytes(m_dir->filePath("CAN7.rtl"), super7History(10)));
        QVERIFY(QDir(m_dir->path()).mkdir("CAN5.rtl"));
        m_server->serve("/dwnld/CAN1.rtl", {200, officialHistory(4453), Mode::Plain, {}});
        m_server->serve("/dwnld/CAN7.rtl", {200, seven, Mode::Chunked, {}});
        m_server->serve("/dwnld/CAN5.rtl", {200, officialHistory(20), Mode::Plain, {}});
        m_server->serve("/dwnld/CAN6.rtl", {200, lottoMaxHistory(), Mode::Plain, {}});
        m_questions.answers << false << true << true << true;
        run({1, 2, 6, 8}, true);
        QCOMPARE(m_questions.asked,
                 (QStringList{replaceNational,
                              "Do you want to replace your current results for Super 7 with those up to 29/9/2006",
                              "Do you want to replace your current results for Ontario with those up to 23/10/1982",
                              "Do you want to replace your current results for Lotto Max with those up to 25/9/2026"}));
        QVERIFY(m_statuses.contains("You cancelled the update for National 6/49"));
        QVERIFY2(m_questions.informed.value(0).contains("CAN5.rtl"), qPrintable(m_questions.informed.join('|')));
        QCOMPARE(m_statuses.last(), someFailed);
        QCOMPARE(readFileBytes(m_path), m_before);
        QCOMPARE(readFileBytes(m_dir->filePath("CAN7.rtl")), seven);
        QCOMPARE(readFileBytes(m_dir->filePath("CAN6.rtl")), lottoMaxHistory());

        // Nothing chosen: the run does not start.
        run({}, true);
        QCOMPARE(m_questions.informed.last(), "Nothing selected for download!");
    }

    void damagedSettings_data()
    {
        QTest::addColumn<QByteArray>("ini"); // null: a pipe stands in its place
        QTest::addColumn<QString>("reason");
        QTest::newRow("junk") << QByteArray("GIF89a\xff\xfe") << "the file names no server address.";
        QTest::newRow("control characters")
            << QByteArray("[download]\x01\nbase=http://example.ca/dwnld/\n") << "the file holds control characters.";
        QTest::newRow("pipe") << QByteArray() << "not a plain file";
    }

    // A download.ini the program did not write as it stands names no server: it is reported, never
    // replaced by the default address.
    void damagedSettings()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, reason);
        const QString path = m_dir->filePath(DownloadServer::SettingsFile);
        if (ini.isNull())
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(writeFileBytes(path, ini));
        QString error;
        QCOMPARE(DownloadServer::baseAddress(m_dir->path(), &error), std::nullopt);
        QCOMPARE(error, QDir::toNativeSeparators(path) + ": " + reason);
    }

private:
    // Answers the question asked before a file of unknown product is imported, and keeps it.
    DrawImport::Confirm answer(bool yes)
    {
        return [this, yes](const QString& question) {
            m_asked << question;
            return yes;
        };
    }

    // Runs the downloader over the games until it ends.
    void run(const std::vector<int>& games,
             bool checkBeforeOverwriting,
             int timeoutMs = 5000,
             int deadlineMs = NetworkTransfer::DefaultDeadlineMs)
    {
        QNetworkAccessManager network;
        NetworkTransfer transfer(network, timeoutMs, deadlineMs);
        ResultsDownload download(transfer, m_questions);
        connect(&download, &ResultsDownload::statusChanged, this, [this](const QString& s) { m_statuses << s; });
        connect(&download, &ResultsDownload::detailChanged, this, [this](const QString& s) { m_reason = s; });
        QSignalSpy finished(&download, &ResultsDownload::finished);
        const qsizetype scripted = m_questions.answers.size();
        QCOMPARE(download.start(m_dir->path(), m_server->base(), games, checkBeforeOverwriting), !games.empty());
        if (games.empty())
            return;
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
        // Every question was scripted.
        QCOMPARE(m_questions.asked.size(), scripted);
        QVERIFY(!m_questions.wrongSafeAnswer);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path; // the National 6/49 history; downloads start from m_before in it
    QStringList m_asked;
    std::unique_ptr<LoopbackHttpServer> m_server;
    ScriptedQuestions m_questions;
    QStringList m_statuses;
    QString m_reason;
    const QByteArray m_before = officialHistory(100);
};

QTEST_GUILESS_MAIN(tst_ResultsFile)
#include "tst_ResultsFile.moc"
