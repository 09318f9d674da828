#include "DownloadCases.h"
#include "HistoryBytes.h"
#include "MainWindowFixture.h"
#include "RDL.h"
#include "TestFiles.h"
#include "UiDriver.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

using Mode = LoopbackHttpServer::Mode;

namespace
{
const QString title = QStringLiteral("Drawsmith Canada: ");
const QString allDone = QStringLiteral("All Selected Results Downloaded Successfully.");
const QString replaceNational =
    QStringLiteral("Do you want to replace your current results for National 6/49 with those up to 23/9/2026");
const QString failedNational = QStringLiteral(
    "The download failed or was cancelled for National 6/49 Do you want to continue downloading the other results?");
} // namespace

// The downloader opened from the main window, fetching from a real HTTP server on loopback.
class tst_RDL : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensWithNationalAndSuper7();
    void download_data();
    void download();
    void cancelWhileServerIsSilent();
    void refusedServerAddress();

private:
    // Opens the downloader, points it at the loopback server and leaves National 6/49 alone selected.
    RDL* openForNational();
    QString statusText(RDL* downloader) const;

    std::unique_ptr<MainWindowFixture> m_fx;
    std::unique_ptr<LoopbackHttpServer> m_server;
    Form1* m_main = nullptr;
    QString m_history;
};

void tst_RDL::init()
{
    m_fx = std::make_unique<MainWindowFixture>();
    m_server = std::make_unique<LoopbackHttpServer>();
    m_history = m_fx->path("CAN1.rtl");
    QVERIFY(writeFileBytes(m_history, officialHistory(100)));
    m_main = m_fx->start();
    QTest::mouseClick(m_main->findChild<QRadioButton*>("nationalRadio"), Qt::LeftButton);
    m_main->setDrawDate(QDate(2026, 9, 23)); // the newest official draw
    QVERIFY(!m_main->isDrawShown());
}

void tst_RDL::cleanup()
{
    QVERIFY2(m_fx->prompts->drained(), qPrintable(m_fx->prompts->unexpected.join(" | ")));
    FINISH_MAIN_WINDOW(m_fx);
    m_fx.reset();
    m_server.reset();
}

RDL* tst_RDL::openForNational()
{
    m_main->findChild<QAction*>("actionUpdateResults")->trigger();
    auto* downloader = openWindow<RDL>("RDL");
    if (!downloader || !QTest::qWaitForWindowExposed(downloader))
        return nullptr;
    m_fx->prompts->typed << m_server->base().toString();
    downloader->findChild<QAction*>("actionChangeServerAddress")->trigger();
    // The player clicks Super 7's tick box to leave National 6/49 alone.
    auto* super7 = downloader->findChild<QCheckBox*>("gameCheckBox2");
    QTest::mouseClick(super7, Qt::LeftButton, {}, QPoint(super7->height() / 2, super7->height() / 2));
    m_fx->prompts->shown.clear();
    return downloader;
}

QString tst_RDL::statusText(RDL* downloader) const
{
    return downloader->findChild<QLabel*>("statusLabel")->text();
}

void tst_RDL::opensWithNationalAndSuper7()
{
    TRIGGER(m_main, "actionUpdateResults");
    auto* downloader = openWindow<RDL>("RDL");
    QVERIFY(downloader);
    QCOMPARE(downloader->windowTitle(), QStringLiteral("Results Downloader"));
    QVERIFY(!m_main->isInputEnabled());
    for (int id = 1; id <= 7; ++id)
        QCOMPARE(downloader->findChild<QCheckBox*>(QStringLiteral("gameCheckBox%1").arg(id))->isChecked(), id <= 2);
    QVERIFY(downloader->findChild<QCheckBox*>("modemCheckBox")->isHidden());
    QVERIFY(!downloader->findChild<QPushButton*>("cancelButton")->isEnabled());
    QVERIFY(downloader->findChild<QAction*>("actionCheckYes")->isChecked());
    QVERIFY(!downloader->findChild<QAction*>("actionCheckNo")->isChecked());
    CLICK(downloader, "closeButton");
    QTRY_VERIFY(m_main->isInputEnabled());
}

void tst_RDL::download_data()
{
    addDownloadColumns();
    const QByteArray full = officialHistory(4453);
    QTest::newRow("replaced after the date question")
        << 200 << Mode::Plain << full << true << QList<bool>{true} << QStringList{replaceNational} << true << allDone;
    QTest::newRow("Check Before Overwriting No, sent chunked")
        << 200 << Mode::Chunked << full << false << QList<bool>{} << QStringList{} << true << allDone;
    QTest::newRow("fewer draws, player says No: game skipped")
        << 200 << Mode::Plain << officialHistory(40) << true << QList<bool>{false}
        << QStringList{"You seem to have more results in your history file for National 6/49 than the downloaded "
                       "ones. Do you still want to overwrite your current result history with the downloaded result "
                       "history."}
        << false << allDone;
    QTest::newRow("error page, player says No: run stopped")
        << 200 << Mode::Plain << QByteArray("<html><body>Server busy</body></html>") << true << QList<bool>{false}
        << QStringList{"The download was corrupt for National 6/49 Do you want to continue downloading the other "
                       "results?"}
        << false << "Download Failed. Some results may not have been updated.";
    QTest::newRow("404, player says No: run stopped")
        << 404 << Mode::Plain << QByteArray("Not here") << true << QList<bool>{false} << QStringList{failedNational}
        << false << "Download Failed or Was Cancelled. Some results may not have been updated.";
    QTest::newRow("body cut short, player goes on")
        << 200 << Mode::CutShort << full << true << QList<bool>{true} << QStringList{failedNational} << false
        << "Some Selected Results Failed to Download.";
}

void tst_RDL::download()
{
    const DownloadCase c = fetchDownloadCase();

    const QByteArray before = readFileBytes(m_history);
    m_server->serve("/dwnld/CAN1.rtl", c.answer);
    RDL* downloader = openForNational();
    QVERIFY(downloader);
    if (!c.checkBefore)
        TRIGGER(downloader, "actionCheckNo");
    m_fx->prompts->answers << c.answers;
    CLICK(downloader, "downloadButton");
    QTRY_VERIFY(downloader->findChild<QPushButton*>("closeButton")->isEnabled());

    QStringList expected;
    QList<bool> noByDefault; // a question whose Yes overwrites the history defaults to No
    for (const QString& q : c.questions) {
        expected << title + q;
        noByDefault << !q.endsWith("continue downloading the other results?");
    }
    QCOMPARE(m_fx->prompts->shown, expected);
    QCOMPARE(m_fx->prompts->noByDefault, noByDefault);
    QCOMPARE(statusText(downloader), c.finalStatus);
    QCOMPARE(downloader->findChild<QLineEdit*>("downloadingEdit")->text(), QStringLiteral("Downloading National 6/49"));
    QVERIFY(!downloader->findChild<QPushButton*>("cancelButton")->isEnabled());
    QCOMPARE(readFileBytes(m_history), c.replaced ? c.answer.body : before);
    if (c.replaced)
        QCOMPARE(downloader->findChild<QProgressBar*>("downloadProgressBar")->value(), 100);

    // Closing shows the draw of the picked date from the history as it now is.
    CLICK(downloader, "closeButton");
    QTRY_VERIFY(m_main->isInputEnabled());
    QCOMPARE(m_main->isDrawShown(), c.replaced);
}

void tst_RDL::cancelWhileServerIsSilent()
{
    const QByteArray before = readFileBytes(m_history);
    m_server->serve("/dwnld/CAN1.rtl", {200, {}, Mode::Silent, {}});
    RDL* downloader = openForNational();
    QVERIFY(downloader);
    CLICK(downloader, "downloadButton");
    QVERIFY(!downloader->findChild<QPushButton*>("closeButton")->isEnabled());
    QTRY_COMPARE(m_server->requests.size(), 1);
    // While the download runs the window cannot be closed.
    downloader->close();
    QVERIFY(downloader->isVisible());
    m_fx->prompts->answers << false;
    CLICK(downloader, "cancelButton");
    QTRY_VERIFY(downloader->findChild<QPushButton*>("closeButton")->isEnabled());
    QCOMPARE(m_fx->prompts->shown, QStringList{title + failedNational});
    QCOMPARE(statusText(downloader), "Download Failed or Was Cancelled. Some results may not have been updated.");
    QCOMPARE(readFileBytes(m_history), before);
    CLICK(downloader, "closeButton");
}

void tst_RDL::refusedServerAddress()
{
    TRIGGER(m_main, "actionUpdateResults");
    auto* downloader = openWindow<RDL>("RDL");
    QVERIFY(downloader);
    m_fx->prompts->typed << "ftp://results.example.ca/dwnld/";
    TRIGGER(downloader, "actionChangeServerAddress");
    QCOMPARE(m_fx->prompts->last(), title + "The address must start with http:// or https://.");
    QVERIFY(!QFile::exists(m_fx->path("download.ini")));
    CLICK(downloader, "closeButton");
}

QTEST_MAIN(tst_RDL)
#include "tst_RDL.moc"
