#include "DownloadCases.h"
#include "HistoryBytes.h"
#include "MainWindowFixture.h"
#include "RDL.h"
#include "TestFiles.h"
#include "UiDriver.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

using Mode = LoopbackHttpServer::Mode;
using namespace DownloadMessages;

static const QString title = QStringLiteral("Drawsmith Canada: ");

// Bringing draw histories in from the main window, over the first 100 official National 6/49
// draws: the downloader, fetching from a real HTTP server on loopback, and the import of the
// operator's own file.
class tst_RDL : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fx = std::make_unique<MainWindowFixture>();
        m_server = std::make_unique<LoopbackHttpServer>();
        m_history = m_fx->path("CAN1.rtl");
        QVERIFY(writeFileBytes(m_history, officialHistory(100)));
        m_main = m_fx->start();
        QTest::mouseClick(m_main->findChild<QWidget*>("nationalRadio"), Qt::LeftButton);
        m_main->setDrawDate(QDate(2026, 9, 23)); // the newest official draw
    }

    void cleanup()
    {
        QVERIFY2(m_fx->prompts->drained(), qPrintable(m_fx->prompts->unexpected.join(" | ")));
        FINISH_MAIN_WINDOW(m_fx);
        m_fx.reset();
        m_server.reset();
    }

    void opensWithNationalAndSuper7()
    {
        TRIGGER(m_main, "actionUpdateResults");
        auto* downloader = openWindow<RDL>("RDL");
        QVERIFY(downloader);
        QCOMPARE(downloader->windowTitle(), QStringLiteral("Results Downloader"));
        QVERIFY(!m_main->isInputEnabled());
        for (int id = 1; id <= GameCatalogue::LastGame; ++id)
            QCOMPARE(downloader->findChild<QCheckBox*>(QStringLiteral("gameCheckBox%1").arg(id))->isChecked(), id <= 2);
        QCOMPARE(downloader->findChild<QCheckBox*>("gameCheckBox8")->text(), QStringLiteral("Lotto Max"));
        QVERIFY(downloader->findChild<QCheckBox*>("modemCheckBox")->isHidden());
        QVERIFY(!downloader->findChild<QWidget*>("cancelButton")->isEnabled());
        QVERIFY(downloader->findChild<QAction*>("actionCheckYes")->isChecked());
        // Only web addresses are taken; a refused one is not stored and comes back as typed.
        m_fx->prompts->typed << "ftp://results.example.ca/dwnld/"
                             << "";
        TRIGGER(downloader, "actionChangeServerAddress");
        QCOMPARE(m_fx->prompts->shown.at(1), title + "The address must start with http:// or https://.");
        QCOMPARE(m_fx->prompts->offered,
                 (QStringList{"http://localhost:8000/dwnld/", "ftp://results.example.ca/dwnld/"}));
        QVERIFY(!QFile::exists(m_fx->path("download.ini")));
        // A damaged download.ini is named, and the address is asked for before anything is fetched.
        QVERIFY(writeFileBytes(m_fx->path("download.ini"), "base=file:///etc/\n"));
        m_fx->prompts->typed << "";
        CLICK(downloader, "downloadButton");
        QCOMPARE(m_fx->prompts->texts().mid(3),
                 (QStringList{m_fx->path("download.ini") + ": The address must start with http:// or https://.",
                              "Web folder holding the history files (http:// or https://):"}));
        QVERIFY(downloader->findChild<QWidget*>("downloadButton")->isEnabled());
        CLICK(downloader, "closeButton");
        QTRY_VERIFY(m_main->isInputEnabled());
    }

    void download_data()
    {
        addDownloadColumns();
        QTest::newRow("replaced after the date question")
            << 200 << Mode::Plain << officialHistory(4453) << true << QList<bool>{true} << QStringList{replaceNational}
            << true << allDone << "";
        QTest::newRow("Check Before Overwriting No: no question")
            << 200 << Mode::Plain << officialHistory(4453) << false << QList<bool>{} << QStringList{} << true << allDone
            << "";
        QTest::newRow("404, player says No: run stopped")
            << 404 << Mode::Plain << QByteArray("Not here") << true << QList<bool>{false} << QStringList{failedNational}
            << false << stoppedFailed << "National 6/49: The server replied 404 Not Found.";
    }

    void download()
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
        QTRY_VERIFY(downloader->findChild<QWidget*>("closeButton")->isEnabled());

        QStringList expected;
        QList<bool> noByDefault; // a question whose Yes overwrites the history defaults to No
        for (const QString& q : c.questions) {
            const bool failure = q.endsWith("continue downloading the other results?");
            expected << title + q + (failure ? "\n\n" + c.reason : QString()); // a failure says why
            noByDefault << !failure;
        }
        QCOMPARE(m_fx->prompts->shown, expected);
        QCOMPARE(m_fx->prompts->noByDefault, noByDefault);
        QCOMPARE(downloader->findChild<QLabel*>("statusLabel")->text(), c.finalStatus);
        QCOMPARE(downloader->findChild<QLabel*>("reasonLabel")->text(), c.reason);
        QCOMPARE(fieldText(downloader, "downloadingEdit"), QStringLiteral("Downloading National 6/49"));
        QCOMPARE(readFileBytes(m_history), c.replaced ? c.answer.body : before);
        // A failed transfer leaves no full bar behind, whatever the error page held.
        QCOMPARE(downloader->findChild<QProgressBar*>("downloadProgressBar")->value(), c.replaced ? 100 : 0);

        // Closing shows the draw of the picked date from the history as it now is.
        CLICK(downloader, "closeButton");
        QTRY_VERIFY(m_main->isInputEnabled());
        QCOMPARE(m_main->isDrawShown(), c.replaced);
    }

    void cancelWhileServerIsSilent()
    {
        const QByteArray before = readFileBytes(m_history);
        m_server->serve("/dwnld/CAN1.rtl", {200, {}, Mode::Silent, {}});
        RDL* downloader = openForNational();
        QVERIFY(downloader);
        CLICK(downloader, "downloadButton");
        QTRY_COMPARE(m_server->requests.size(), 1);
        // While the download runs the window cannot be closed.
        QVERIFY(!downloader->findChild<QWidget*>("closeButton")->isEnabled());
        downloader->close();
        QVERIFY(downloader->isVisible());
        m_fx->prompts->answers << false;
        CLICK(downloader, "cancelButton");
        QTRY_VERIFY(downloader->findChild<QWidget*>("closeButton")->isEnabled());
        QCOMPARE(m_fx->prompts->shown,
                 QStringList{title + failedNational + "\n\nNational 6/49: The download was cancelled."});
        QCOMPARE(readFileBytes(m_history), before);
        CLICK(downloader, "closeButton");
    }

    // "File" > "Import Draw History…" over the same history.
    void importCancelledThenDone()
    {
        const QByteArray before = readFileBytes(m_history);
        m_fx->prompts->fileNames << testDataPath("649-official.csv") << testDataPath("lotto649.csv")
                                 << testDataPath("649-official.csv");
        // Cancel is pressed as soon as the import first lets the window take a click.
        QTimer::singleShot(0, this, [] {
            if (auto* import = openWindow("HistoryImport"))
                CLICK(import, "cancelButton");
        });
        TRIGGER(m_main, "actionImportDrawHistory");
        QCOMPARE(m_fx->prompts->last(),
                 "Drawsmith Canada: The import was cancelled. The draw history was not changed.");
        QCOMPARE(readFileBytes(m_history), before);
        QTRY_VERIFY(m_main->isInputEnabled());
        QVERIFY(!m_main->isDrawShown());

        // A plain file names no game: it goes in only after a Yes, and No is the default answer.
        m_fx->prompts->answers << false;
        TRIGGER(m_main, "actionImportDrawHistory");
        QCOMPARE(m_fx->prompts->texts().mid(3),
                 (QStringList{"Import 4453 draws into National 6/49?",
                              "The import was cancelled. The draw history was not changed."}));
        QCOMPARE(m_fx->prompts->noByDefault, QList<bool>{true});
        QCOMPARE(readFileBytes(m_history), before);
        QTRY_VERIFY(m_main->isInputEnabled());

        m_fx->prompts->shown.clear();
        TRIGGER(m_main, "actionImportDrawHistory");
        QCOMPARE(m_fx->prompts->shown,
                 (QStringList{"file: Import Draw History for National 6/49",
                              "Drawsmith Canada: Draws added: 4353\nDraws already present: 100\nConflicts (the stored "
                              "draw was kept): 0\nRows refused: 0"}));
        QCOMPARE(ResultsFile::readCount(m_history), std::optional<int>(4453));
        QTRY_VERIFY(m_main->isInputEnabled());
        QVERIFY(m_main->isDrawShown()); // the newest draw, now in the history
        // The chooser opens where the program's own real histories are installed.
        QCOMPARE(m_fx->prompts->fileFolders, QStringList(3, m_fx->path("history")));
    }

private:
    // Opens the downloader, points it at the loopback server and leaves National 6/49 alone selected.
    RDL* openForNational()
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

    std::unique_ptr<MainWindowFixture> m_fx;
    std::unique_ptr<LoopbackHttpServer> m_server;
    Form1* m_main = nullptr;
    QString m_history;
};

QTEST_MAIN(tst_RDL)
#include "tst_RDL.moc"
