#include "DownloadCases.h"
#include "DownloadServer.h"
#include "DownloadedHistory.h"
#include "HistoryBytes.h"
#include "NetworkTransfer.h"
#include "RecordFile.h"
#include "ResultsDownload.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QQueue>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Mode = LoopbackHttpServer::Mode;

namespace
{
class ScriptedQuestions : public ResultsDownload::Questions
{
public:
    bool ask(const QString& question, bool overwrites) override
    {
        asked << question;
        overwriting << overwrites;
        if (answers.isEmpty()) {
            unexpected << question;
            return false;
        }
        return answers.dequeue();
    }
    void warn(const QString& message) override
    {
        informed << message;
    }

    QQueue<bool> answers;
    QStringList asked;
    QList<bool> overwriting;
    QStringList informed;
    QStringList unexpected;
};

QByteArray with16(QByteArray bytes, int record, int offset, int value)
{
    RecordFile::put16(bytes, (record - 1) * DrawRecord::Size + offset, static_cast<int16_t>(value));
    return bytes;
}

const QString replaceNational =
    QStringLiteral("Do you want to replace your current results for National 6/49 with those up to 23/9/2026");
const QString failedNational = QStringLiteral(
    "The download failed or was cancelled for National 6/49 Do you want to continue downloading the other results?");
const QString corruptNational =
    QStringLiteral("The download was corrupt for National 6/49 Do you want to continue downloading the other results?");
const QString allDone = QStringLiteral("All Selected Results Downloaded Successfully.");
const QString someFailed = QStringLiteral("Some Selected Results Failed to Download.");
const QString stoppedFailed =
    QStringLiteral("Download Failed or Was Cancelled. Some results may not have been updated.");
const QString stoppedCorrupt = QStringLiteral("Download Failed. Some results may not have been updated.");
} // namespace

class tst_ResultsDownload : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void verify_data();
    void verify();
    void download_data();
    void download();
    void statusesFollowTheTransfer();
    void declinedGameThenAnotherReplaced();
    void cancelWhileServerIsSilent();
    void silentServerTimesOut();
    void nothingSelected();
    void unwritableHistoryIsReported();
    void serverAddress_data();
    void serverAddress();

private:
    // Runs the downloader over the games and waits for it to end.
    void run(const std::vector<int>& games, bool checkBeforeOverwriting, int timeoutMs = 5000);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<LoopbackHttpServer> m_server;
    ScriptedQuestions m_questions;
    QStringList m_statuses;
    QString m_detail;
};

void tst_ResultsDownload::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_server = std::make_unique<LoopbackHttpServer>();
    m_questions = ScriptedQuestions();
    m_statuses.clear();
    m_detail.clear();
    QVERIFY(writeFileBytes(m_dir->filePath("CAN1.rtl"), officialHistory(100)));
}

void tst_ResultsDownload::run(const std::vector<int>& games, bool checkBeforeOverwriting, int timeoutMs)
{
    QNetworkAccessManager network;
    NetworkTransfer transfer(network, timeoutMs);
    ResultsDownload download(transfer, m_questions);
    connect(&download, &ResultsDownload::statusChanged, this, [this](const QString& s) { m_statuses << s; });
    connect(&download, &ResultsDownload::detailChanged, this, [this](const QString& s) { m_detail = s; });
    QSignalSpy finished(&download, &ResultsDownload::finished);
    QVERIFY(download.start(m_dir->path(), m_server->base(), games, checkBeforeOverwriting));
    QVERIFY(finished.wait(10000));
    QVERIFY2(m_questions.unexpected.isEmpty(), qPrintable(m_questions.unexpected.join('\n')));
    QVERIFY(m_questions.answers.isEmpty());
}

void tst_ResultsDownload::verify_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("reason"); // "" when accepted
    const QByteArray full = officialHistory(4453);
    const QByteArray seven = super7History(60);
    QTest::newRow("official history") << 1 << full << "";
    QTest::newRow("stale record after the count") << 1 << full + full.left(28) << "";
    QTest::newRow("same date twice") << 1 << with16(with16(full, 2, 6, 12), 2, 8, 6) << "";
    QTest::newRow("super 7") << 2 << seven << "";
    QTest::newRow("error page") << 1 << QByteArray("<html><body>Service unavailable, try later</body></html>")
                                << "a count of";
    QTest::newRow("empty") << 1 << QByteArray() << "0 bytes";
    QTest::newRow("count 0") << 1 << with16(full, 1, 0, 0) << "a count of 0";
    QTest::newRow("count above the largest") << 1 << [&] {
        QByteArray b = full;
        RecordFile::put32(b, 0, 32768);
        return b;
    }() << "a count of 32768";
    QTest::newRow("cut short") << 1 << full.left(full.size() - 1) << "4453 draws announced";
    QTest::newRow("30 February deep inside")
        << 1 << with16(with16(full, 3000, 6, 30), 3000, 8, 2) << "record 3000: no such date";
    QTest::newRow("two-digit year") << 1 << with16(full, 17, 10, 99) << "record 17: no such date";
    QTest::newRow("dated before the one above") << 1 << with16(full, 4000, 10, 1990) << "record 4000: dated before";
    QTest::newRow("6/49 number 50") << 1 << with16(full, 200, 22, 50) << "record 200: the number 50";
    QTest::newRow("6/49 number twice") << 1 << with16(full, 201, 14, RecordFile::get16(full, 200 * 28 + 12))
                                       << "record 201: the number";
    QTest::newRow("bonus 0") << 1 << with16(full, 4453, 26, 0) << "record 4453: the bonus 0";
    QTest::newRow("super 7 with 48") << 2 << with16(seven, 45, 24, 48) << "record 45: the number 48";
    QTest::newRow("6/49 history as super 7") << 2 << full << "record 1:";
}

void tst_ResultsDownload::verify()
{
    QFETCH(int, gameId);
    QFETCH(QByteArray, body);
    QFETCH(QString, reason);
    QString why;
    const auto accepted = DownloadedHistory::verify(body, gameId, &why);
    QCOMPARE(accepted.has_value(), reason.isEmpty());
    QVERIFY2(reason.isEmpty() ? why.isEmpty() : why.startsWith(reason), qPrintable(why));
}

void tst_ResultsDownload::download_data()
{
    addDownloadColumns();

    const QByteArray full = officialHistory(4453);
    const QByteArray html = "<!DOCTYPE html><html><head><title>Maintenance</title></head><body>Back soon</body></html>";
    QTest::newRow("chunked without length")
        << 200 << Mode::Chunked << full << true << QList<bool>{true} << QStringList{replaceNational} << true << allDone;
    QTest::newRow("replacement declined")
        << 200 << Mode::Plain << full << true << QList<bool>{false} << QStringList{replaceNational} << false << allDone;
    QTest::newRow("same count asks about the date")
        << 200 << Mode::Plain << officialHistory(100) << true << QList<bool>{true}
        << QStringList{"Do you want to replace your current results for National 6/49 with those up to 5/5/1984"}
        << true << allDone;
    QTest::newRow("error page, go on") << 200 << Mode::Plain << html << false << QList<bool>{true}
                                       << QStringList{corruptNational} << false << someFailed;
    QTest::newRow("404, go on") << 404 << Mode::Plain << html << true << QList<bool>{true}
                                << QStringList{failedNational} << false << someFailed;
    QTest::newRow("one bad record deep inside")
        << 200 << Mode::Chunked << with16(full, 4000, 18, 0) << false << QList<bool>{false}
        << QStringList{corruptNational} << false << stoppedCorrupt;
    QTest::newRow("larger than any history, chunked")
        << 200 << Mode::Chunked << full.repeated(8) << false << QList<bool>{false} << QStringList{failedNational}
        << false << stoppedFailed;
    QTest::newRow("larger than any history, with length")
        << 200 << Mode::Plain << full.repeated(8) << false << QList<bool>{false} << QStringList{failedNational} << false
        << stoppedFailed;
}

void tst_ResultsDownload::download()
{
    const DownloadCase c = fetchDownloadCase();

    const QString path = m_dir->filePath("CAN1.rtl");
    const QByteArray before = readFileBytes(path);
    m_server->serve("/dwnld/CAN1.rtl", c.answer);
    m_questions.answers << c.answers;
    run({1}, c.checkBefore);
    QCOMPARE(m_questions.asked, c.questions);
    QCOMPARE(readFileBytes(path), c.replaced ? c.answer.body : before);
    QCOMPARE(m_statuses.last(), c.finalStatus);
    QCOMPARE(m_server->requests, QStringList{"/dwnld/CAN1.rtl"});
}

void tst_ResultsDownload::statusesFollowTheTransfer()
{
    const QByteArray full = officialHistory(4453);
    // A redirect on the way changes nothing the player sees but the address.
    m_server->serve("/dwnld/CAN1.rtl", {302, {}, Mode::Plain, m_server->address("/mirror/CAN1.rtl").toEncoded()});
    m_server->serve("/mirror/CAN1.rtl", {200, full, Mode::Plain, {}});
    run({1}, false);
    QCOMPARE(readFileBytes(m_dir->filePath("CAN1.rtl")), full);
    QStringList seen = m_statuses;
    seen.removeDuplicates();
    QCOMPARE(seen,
             (QStringList{"Looking up the IP address of the specified host computer",
                          "Connecting to the host computer",
                          "Successfully sent the request",
                          "Receiving a response from the host computer",
                          "The request has completed and all data has been received",
                          allDone}));

    // A redirect loop ends as a failed transfer.
    m_statuses.clear();
    m_server->serve("/dwnld/CAN1.rtl", {302, {}, Mode::Plain, "/dwnld/CAN1.rtl"});
    m_questions.answers << true;
    run({1}, false);
    QCOMPARE(m_questions.asked, QStringList{failedNational});
    QVERIFY(m_statuses.contains("An error occured in communicating with the host computer"));
    QCOMPARE(m_statuses.last(), someFailed);
    QCOMPARE(readFileBytes(m_dir->filePath("CAN1.rtl")), full);
}

void tst_ResultsDownload::declinedGameThenAnotherReplaced()
{
    const QByteArray seven = super7History(300);
    QVERIFY(writeFileBytes(m_dir->filePath("CAN7.rtl"), super7History(10)));
    const QByteArray before = readFileBytes(m_dir->filePath("CAN1.rtl"));
    m_server->serve("/dwnld/CAN1.rtl", {200, officialHistory(4453), Mode::Plain, {}});
    m_server->serve("/dwnld/CAN7.rtl", {200, seven, Mode::Chunked, {}});
    m_questions.answers << false << true;
    run({1, 2}, true);
    QCOMPARE(m_questions.asked,
             (QStringList{replaceNational,
                          "Do you want to replace your current results for Super 7 with those up to 29/9/2006"}));
    QCOMPARE(m_questions.overwriting, (QList<bool>{true, true}));
    QVERIFY(m_statuses.contains("You cancelled the update for National 6/49"));
    QCOMPARE(m_statuses.last(), allDone);
    QCOMPARE(readFileBytes(m_dir->filePath("CAN1.rtl")), before);
    QCOMPARE(readFileBytes(m_dir->filePath("CAN7.rtl")), seven);
}

void tst_ResultsDownload::cancelWhileServerIsSilent()
{
    const QByteArray before = readFileBytes(m_dir->filePath("CAN1.rtl"));
    m_server->serve("/dwnld/CAN1.rtl", {200, {}, Mode::Silent, {}});
    QNetworkAccessManager network;
    NetworkTransfer transfer(network);
    ResultsDownload download(transfer, m_questions);
    connect(&download, &ResultsDownload::statusChanged, this, [this](const QString& s) { m_statuses << s; });
    QSignalSpy finished(&download, &ResultsDownload::finished);
    m_questions.answers << false;
    QVERIFY(download.start(m_dir->path(), m_server->base(), {1}, true));
    QTRY_COMPARE(m_server->requests.size(), 1);
    download.cancel();
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(m_questions.asked, QStringList{failedNational});
    QCOMPARE(m_questions.overwriting, QList<bool>{false});
    // Cancelling is not a communication error.
    QVERIFY(!m_statuses.contains("An error occured in communicating with the host computer"));
    QCOMPARE(m_statuses.last(), stoppedFailed);
    QCOMPARE(readFileBytes(m_dir->filePath("CAN1.rtl")), before);
}

void tst_ResultsDownload::silentServerTimesOut()
{
    const QByteArray before = readFileBytes(m_dir->filePath("CAN1.rtl"));
    m_server->serve("/dwnld/CAN1.rtl", {200, {}, Mode::Silent, {}});
    m_questions.answers << true;
    run({1}, true, 200);
    QCOMPARE(m_questions.asked, QStringList{failedNational});
    QVERIFY2(m_detail.contains("did not answer"), qPrintable(m_detail));
    QCOMPARE(m_statuses.last(), someFailed);
    QCOMPARE(readFileBytes(m_dir->filePath("CAN1.rtl")), before);
}

void tst_ResultsDownload::nothingSelected()
{
    QNetworkAccessManager network;
    NetworkTransfer transfer(network);
    ResultsDownload download(transfer, m_questions);
    QVERIFY(!download.start(m_dir->path(), m_server->base(), {}, true));
    QCOMPARE(m_questions.informed, QStringList{"Nothing selected for download!"});
    QVERIFY(!download.isRunning());
}

void tst_ResultsDownload::unwritableHistoryIsReported()
{
    // A folder where the history file should be: the write fails whoever runs the test.
    QVERIFY(QDir(m_dir->path()).mkdir("CAN5.rtl"));
    m_server->serve("/dwnld/CAN5.rtl", {200, officialHistory(20), Mode::Plain, {}});
    run({6}, false);
    QCOMPARE(m_questions.informed.size(), 1);
    QVERIFY2(m_questions.informed[0].contains("CAN5.rtl"), qPrintable(m_questions.informed[0]));
    QCOMPARE(m_statuses.last(), someFailed);
    QVERIFY(QFileInfo(m_dir->filePath("CAN5.rtl")).isDir());
}

void tst_ResultsDownload::serverAddress_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // "" when refused
    QTest::newRow("folder") << "http://results.example.ca/dwnld/"
                            << "http://results.example.ca/dwnld/";
    QTest::newRow("no closing slash") << " https://example.ca:8443/lotto/dwnld "
                                      << "https://example.ca:8443/lotto/dwnld/";
    QTest::newRow("ftp") << "ftp://example.ca/dwnld/"
                         << "";
    QTest::newRow("file") << "file:///etc/"
                          << "";
    QTest::newRow("no server") << "http:///dwnld/"
                               << "";
    QTest::newRow("query") << "http://example.ca/get?file="
                           << "";
    QTest::newRow("words") << "results please"
                           << "";
    QTest::newRow("encoded blank") << "http://example.ca/my%20draws/"
                                   << "http://example.ca/my draws/";
}

void tst_ResultsDownload::serverAddress()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    const QUrl before = DownloadServer::baseAddress(m_dir->path());
    QCOMPARE(before.toString(), QString(DownloadServer::DefaultBaseAddress));
    QString error;
    QCOMPARE(DownloadServer::setBaseAddress(m_dir->path(), typed, &error), !stored.isEmpty());
    const QUrl after = DownloadServer::baseAddress(m_dir->path());
    QCOMPARE(after.toString(), stored.isEmpty() ? before.toString() : stored);
    QVERIFY(stored.isEmpty() != error.isEmpty());
    // The address window offers the stored address for editing; confirming it must keep it.
    QCOMPARE(DownloadServer::parseBaseAddress(DownloadServer::addressText(after)), std::optional<QUrl>(after));
    QCOMPARE(DownloadServer::fileAddress(after, "CAN8.rtl").path(), after.path() + "CAN8.rtl");
}

QTEST_GUILESS_MAIN(tst_ResultsDownload)
#include "tst_ResultsDownload.moc"
