#include "DownloadCases.h"
#include "HistoryBytes.h"
#include "MainWindowFixture.h"
#include "RDL.h"
#include "UiDriver.h"

using namespace DownloadMessages;

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
        m_history = m_fx->path("CAN1.rtl");
        QVERIFY(writeFileBytes(m_history, officialHistory(100)));
        m_main = m_fx->start();
        QTest::mouseClick(m_main->findChild<QWidget*>("nationalRadio"), Qt::LeftButton);
        m_main->setDrawDate(QDate(2026, 9, 23)); // the newest official draw
    }

    void cleanup()
    {
        FINISH(m_fx);
    }

    void download()
    {
        LoopbackHttpServer server;
        TRIGGER(m_main, "actionUpdateResults");
        auto* downloader = openWindow<RDL>("RDL");
        QVERIFY(downloader && QTest::qWaitForWindowExposed(downloader));
        QVERIFY(!m_main->isInputEnabled());
        for (int id = 1; id <= GameCatalogue::LastGame; ++id)
            QCOMPARE(downloader->findChild<QCheckBox*>(QStringLiteral("gameCheckBox%1").arg(id))->isChecked(), id <= 2);
        QCOMPARE(downloader->findChild<QCheckBox*>("gameCheckBox8")->text(), QStringLiteral("Lotto Max"));
        QVERIFY(downloader->findChild<QCheckBox*>("modemCheckBox")->isHidden());
        // Only web addresses are taken; a refused one is not stored and comes back as typed.
        m_fx->prompts.typed << "ftp://results.example.ca/dwnld/"
                            << "";
        TRIGGER(downloader, "actionChangeServerAddress");
        const QString refused = "The address must start with http:// or https://.";
        QCOMPARE(m_fx->prompts.texts().at(1), refused);
        QCOMPARE(m_fx->prompts.offered,
                 (QStringList{"http://localhost:8000/dwnld/", "ftp://results.example.ca/dwnld/"}));
        QVERIFY(!QFile::exists(m_fx->path("download.ini")));
        // The player clicks Super 7's tick box to leave National 6/49 alone.
        auto* super7 = downloader->findChild<QCheckBox*>("gameCheckBox2");
        QTest::mouseClick(super7, Qt::LeftButton, {}, QPoint(super7->height() / 2, super7->height() / 2));

        // A damaged download.ini is named, and the address is asked for before anything is fetched.
        QVERIFY(writeFileBytes(m_fx->path("download.ini"), "base=file:///etc/\n"));
        server.serve("/dwnld/CAN1.rtl", {404, "Not here", LoopbackHttpServer::Mode::Plain, {}});
        m_fx->prompts.typed << server.base().toString();
        m_fx->prompts.answers << false;
        m_fx->prompts.shown.clear();
        CLICK(downloader, "downloadButton");
        QTRY_VERIFY(downloader->findChild<QWidget*>("closeButton")->isEnabled());
        // A failure says why, beside the status and in the question whether to go on.
        const QString reason = "National 6/49: The server replied 404 Not Found.";
        QCOMPARE(m_fx->prompts.texts(),
                 (QStringList{m_fx->path("download.ini") + ": " + refused,
                              "Web folder holding the history files (http:// or https://):",
                              failedNational + "\n\n" + reason}));
        QCOMPARE(m_fx->prompts.noByDefault, QList<bool>{false});
        QCOMPARE(downloader->findChild<QLabel*>("statusLabel")->text(), stoppedFailed);
        QCOMPARE(downloader->findChild<QLabel*>("reasonLabel")->text(), reason);
        QCOMPARE(fieldText(downloader, "downloadingEdit"), QStringLiteral("Downloading National 6/49"));
        QCOMPARE(readFileBytes(m_history), officialHistory(100));
        auto* progress = downloader->findChild<QProgressBar*>("downloadProgressBar");
        QCOMPARE(progress->value(), 0); // no full bar behind, whatever the error page held

        // Replaced after the date question, whose Yes overwrites the history: No is its default.
        server.serve("/dwnld/CAN1.rtl", {200, officialHistory(4453), LoopbackHttpServer::Mode::Plain, {}});
        m_fx->prompts.answers << true;
        CLICK(downloader, "downloadButton");
        QTRY_VERIFY(downloader->findChild<QWidget*>("closeButton")->isEnabled());
        SAID(m_fx, replaceNational);
        QVERIFY(m_fx->prompts.noByDefault.last());
        QCOMPARE(downloader->findChild<QLabel*>("statusLabel")->text(), allDone);
        QCOMPARE(downloader->findChild<QLabel*>("reasonLabel")->text(), QString());
        QCOMPARE(readFileBytes(m_history), officialHistory(4453));
        QCOMPARE(progress->value(), 100);

        // A server that never answers: the window cannot be closed until Cancel stops the download.
        server.serve("/dwnld/CAN1.rtl", {200, {}, LoopbackHttpServer::Mode::Silent, {}});
        CLICK(downloader, "downloadButton");
        QTRY_COMPARE(server.requests.size(), 3);
        QVERIFY(!downloader->findChild<QWidget*>("closeButton")->isEnabled());
        downloader->close();
        QVERIFY(downloader->isVisible());
        m_fx->prompts.answers << false;
        CLICK(downloader, "cancelButton");
        QTRY_VERIFY(downloader->findChild<QWidget*>("closeButton")->isEnabled());
        SAID(m_fx, failedNational + "\n\nNational 6/49: The download was cancelled.");
        QCOMPARE(readFileBytes(m_history), officialHistory(4453));
        // Closing shows the draw of the picked date from the history as it now is.
        CLICK(downloader, "closeButton");
        QTRY_VERIFY(m_main->isInputEnabled());
        QVERIFY(m_main->isDrawShown());
    }

    // "File" > "Import Draw History…" over the same history.
    void importCancelledThenDone()
    {
        const QByteArray before = readFileBytes(m_history);
        m_fx->prompts.fileNames << testDataPath("649-official.csv") << testDataPath("lotto649.csv")
                                << testDataPath("649-official.csv");
        // Cancel is pressed as soon as the import first lets the window take a click.
        QTimer::singleShot(0, this, [] {
            if (auto* import = openWindow("HistoryImport"))
                CLICK(import, "cancelButton");
        });
        TRIGGER(m_main, "actionImportDrawHistory");
        SAID(m_fx, "The import was cancelled. The draw history was not changed.");
        QCOMPARE(readFileBytes(m_history), before);
        QTRY_VERIFY(m_main->isInputEnabled());
        QVERIFY(!m_main->isDrawShown());

        // A plain file names no game: it goes in only after a Yes, and No is the default answer.
        m_fx->prompts.answers << false;
        TRIGGER(m_main, "actionImportDrawHistory");
        QCOMPARE(m_fx->prompts.texts().mid(3),
                 (QStringList{"Import 4453 draws into National 6/49?",
                              "The import was cancelled. The draw history was not changed."}));
        QCOMPARE(m_fx->prompts.noByDefault, QList<bool>{true});
        QCOMPARE(readFileBytes(m_history), before);
        QTRY_VERIFY(m_main->isInputEnabled());

        m_fx->prompts.shown.clear();
        TRIGGER(m_main, "actionImportDrawHistory");
        QCOMPARE(m_fx->prompts.shown,
                 (QStringList{"file: Import Draw History for National 6/49",
                              "Drawsmith Canada: Draws added: 4353\nDraws already present: 100\nConflicts (the stored "
                              "draw was kept): 0\nRows refused: 0"}));
        QCOMPARE(ResultsFile::readCount(m_history), std::optional<int>(4453));
        QTRY_VERIFY(m_main->isInputEnabled());
        QVERIFY(m_main->isDrawShown()); // the newest draw, now in the history
        // The chooser opens where the program's own real histories are installed.
        QCOMPARE(m_fx->prompts.fileFolders, QStringList(3, m_fx->path("history")));
    }

private:
    std::unique_ptr<MainWindowFixture> m_fx;
    Form1* m_main = nullptr;
    QString m_history;
};

QTEST_MAIN(tst_RDL)
#include "tst_RDL.moc"
