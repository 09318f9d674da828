#include "DownloadCases.h"
#include "DownloadServer.h"
#include "DownloadedHistory.h"
#include "HistoryBytes.h"
#include "NetworkTransfer.h"
#include "RecordFile.h"
#include "ResultsDownload.h"
#include "TestFiles.h"

#include <QDir>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using Mode = LoopbackHttpServer::Mode;
using namespace DownloadMessages;

namespace
{
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

class tst_ResultsDownload : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_server = std::make_unique<LoopbackHttpServer>();
        m_questions = ScriptedQuestions();
        m_statuses.clear();
        m_path = m_dir->filePath("CAN1.rtl");
        m_before = officialHistory(100);
        QVERIFY(writeFileBytes(m_path, m_before));
    }

    void verify_data()
    {
        QTest::addColumn<int>("gameId");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("reason"); // "" when accepted
        const QByteArray full = officialHistory(4453);
        const QByteArray seven = super7History(60);
        QTest::newRow("official history") << 1 << full << "";
        const QByteArray page = "<html><body>Not Found</body></html>";
        QTest::newRow("stale record after the count") << 1 << full + full.left(28) << "";
        QTest::newRow("same date twice") << 1 << with16(with16(full, 2, 6, 12), 2, 8, 6) << "record 2: not dated after";
        QTest::newRow("a sound draw, then a web page") << 1 << officialHistory(1) + page << "63 bytes are not whole";
        QTest::newRow("empty") << 1 << QByteArray() << "0 bytes";
        QTest::newRow("count above the largest") << 1 << with16(full, 1, 0, 32768) << "a count of 32768";
        QTest::newRow("cut short") << 1 << full.left(full.size() - 1) << "4453 draws announced";
        QTest::newRow("bonus 0 in the last record") << 1 << with16(full, 4453, 26, 0) << "record 4453: the bonus 0";
        QTest::newRow("super 7 with 48") << 2 << with16(seven, 45, 24, 48) << "record 45: the number 48";
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
        QCOMPARE(m_statuses,
                 (QStringList{"Looking up the IP address of the specified host computer",
                              "Connecting to the host computer",
                              "Successfully sent the request",
                              "Receiving a response from the host computer",
                              "The request has completed and all data has been received",
                              allDone}));
    }

    // https is fetched only from a server whose certificate the system trusts.
    void httpsChecksTheCertificate()
    {
        QVERIFY2(QSslSocket::supportsSsl(), "this Qt has no TLS backend, so https downloads cannot work");
        const QByteArray full = officialHistory(4453);
        m_server = std::make_unique<LoopbackHttpServer>(LoopbackHttpServer::Tls::On);
        m_server->serve("/dwnld/CAN1.rtl", {200, full, Mode::Plain, {}});
        m_questions.answers << true;
        run({1}, false);
        QCOMPARE(m_questions.asked, QStringList{failedNational});
        QCOMPARE(m_statuses.last(), someFailed);
        QCOMPARE(m_server->requests, QStringList{});
        QCOMPARE(readFileBytes(m_path), m_before);

        const QSslConfiguration untrusting = QSslConfiguration::defaultConfiguration();
        QSslConfiguration trusting = untrusting;
        trusting.addCaCertificate(LoopbackHttpServer::certificate());
        QSslConfiguration::setDefaultConfiguration(trusting);
        m_questions = ScriptedQuestions();
        run({1}, false);
        QSslConfiguration::setDefaultConfiguration(untrusting);
        QCOMPARE(m_statuses.last(), allDone);
        QCOMPARE(readFileBytes(m_path), full);
    }

    // National 6/49 declined, Super 7 replaced, Ontario's history unwritable (a folder stands in its place),
    // Lotto Max replaced.
    void eachGameOnItsOwn()
    {
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
    std::unique_ptr<LoopbackHttpServer> m_server;
    ScriptedQuestions m_questions;
    QStringList m_statuses;
    QString m_reason;
    QString m_path; // the National 6/49 history, first holding m_before
    QByteArray m_before;
};

QTEST_GUILESS_MAIN(tst_ResultsDownload)
#include "tst_ResultsDownload.moc"
