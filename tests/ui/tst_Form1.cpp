#include "DownloadCases.h"
#include "Form2.h"
#include "HistoryBytes.h"
#include "MainWindowFixture.h"
#include "RDL.h"

#include <QTextBrowser>

#include <sys/stat.h>

namespace
{
const QDate saturday(2026, 12, 5);

DrawRecord draw(QDate date, std::array<int16_t, 7> numbers, int16_t bonus)
{
    return {0, 0, int16_t(date.day()), int16_t(date.month()), int16_t(date.year()), numbers, bonus};
}
} // namespace

// The main window and the small windows it opens: games and provinces, Add Result, the draw shown
// for the picked date, the draw list, Delete, File Deletion, the downloader and the history import,
// Help and About, and files it cannot use.
class tst_Form1 : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fx = std::make_unique<MainWindowFixture>();
    }

    void cleanup()
    {
        FINISH(m_fx);
    }

    // From a first start on Western through the selectors, to the next start on the stored province.
    void gamesAndProvinces()
    {
        QVERIFY(ResultsFile::writeAll(m_fx->path("CAN1.rtl"), {draw(saturday, {1, 2, 3, 4, 5, 6, 0}, 9)}));
        QVERIFY(EntryFile::AppendEntryLine(m_fx->path("Nat64905DEC2026.lot"), {1, 2, 3, 10, 11, 12, 0}, 1));
        m_main = m_fx->start();
        QCOMPARE(title("entriesGroup"), QStringLiteral("My Enties for Western 6/49"));
        QTest::mouseClick(m_main->findChild<QWidget*>("super7Radio"), Qt::LeftButton);
        QVERIFY(m_fx->prompts.shown.isEmpty()); // no draw on the date: no check, so no "No wins"
        QCOMPARE(title("drawDateGroup"), QStringLiteral("Draw Date for Super 7"));
        QTest::mouseClick(m_main->findChild<QWidget*>("nationalRadio"), Qt::LeftButton);
        QCOMPARE(title("entriesGroup"), QStringLiteral("My Enties For National 6/49"));
        // Entries and a draw are both shown, so the switch checked them.
        QCOMPARE(rowTexts(m_main->findChild<QAbstractItemView*>("winningList")->model()),
                 QStringList{"01 02 03 10 11 12 (3)"});
        QCOMPARE(fieldText(m_main, "totalWinsEdit"), QStringLiteral("1"));

        TRIGGER(m_main, "actionSelectQuebec");
        QCOMPARE(m_main->findChild<QRadioButton*>("provincialRadio")->text(), QStringLiteral("Quebec 6/49"));
        TRIGGER(m_main, "actionSelectBC"); // already on the provincial selector: still one switch
        QCOMPARE(title("drawDateGroup"), QStringLiteral("Draw Date for BC 6/49"));
        // The entry file made for a game is removed on leaving it, since it holds no line.
        QVERIFY(QFile::exists(m_fx->path("BC05DEC2026.lot")));
        QVERIFY(!QFile::exists(m_fx->path("Western05DEC2026.lot")));
        TRIGGER(m_main, "actionExit");
        QVERIFY(!QFile::exists(m_fx->path("BC05DEC2026.lot")));

        m_fx->main.reset();
        m_fx->printers.names = {"Office", "Home", "Lab"};
        m_fx->printers.defaultName = "Home";
        m_main = m_fx->start();
        QCOMPARE(m_main->findChild<QRadioButton*>("provincialRadio")->text(), QStringLiteral("BC 6/49"));
        // No printer chosen yet: printing goes to the system's default, and Printer Selection says so.
        TRIGGER(m_main, "actionSelectPrinter");
        QCOMPARE(openWindow("Form30")->findChild<QComboBox*>("printerCombo")->currentText(), "Home");
        CLICK(openWindow("Form30"), "closeButton");
    }

    // Add Result, the draw shown for the picked date, Delete and the draw list.
    void drawsAddedDeletedAndListed()
    {
        QVERIFY(ResultsFile::writeAll(m_fx->path("CAN1.rtl"), loadRealDraws()));
        m_main = m_fx->start(); // Western, with no history yet
        QWidget* addResult = openAddResult();
        QVERIFY(addResult && !m_main->isInputEnabled());
        QVERIFY(!addResult->findChild<QLineEdit*>("numberBox8")->isVisible());
        TYPE_BOXES(addResult, {"49", "12", "3", "30", "7", "22", "15"});
        QTest::keyClick(addResult->findChild<QLineEdit*>("numberBox7"), Qt::Key_Return); // Enter presses Add
        QTRY_VERIFY(!openWindow("Form2") && m_main->isInputEnabled());
        QVERIFY(!openAddResult()); // one draw per date and game
        SAID(m_fx,
             "There is already a draw result for this date and game. Delete the draw first if you want to change it.");
        m_main->setDrawDate(QDate(2026, 12, 1)); // a Tuesday
        m_fx->prompts.answers << false;
        QVERIFY(!openAddResult());
        SAID(m_fx, "This is not a Wednesday or Saturday Date. Do you want to proceed anyway?");
        m_main->setDrawDate(saturday); // the draw as stored: sorted, the bonus last
        QCOMPARE(shownBalls(), QList<int16_t>({3, 7, 12, 22, 30, 49, 15}));
        QVERIFY(m_main->findChild<QLabel*>("ball6")->property("bonusLook").toBool());
        m_fx->prompts.answers << false << true;
        CLICK(m_main, "deleteDrawButton");
        QCOMPARE(m_fx->prompts.last(), QStringLiteral("Drawsmith: Do you really want to delete this draw?"));
        QVERIFY(m_fx->prompts.noByDefault.last() && m_main->isDrawShown());
        CLICK(m_main, "deleteDrawButton");
        QVERIFY(!QFile::exists(m_fx->path("CAN2.rtl")) && !m_main->isDrawShown()); // its only draw
        CLICK_SAYS(m_fx, m_main, "deleteDrawButton", "There is no draw displayed to delete");

        // Lotto Max takes its bonus in an eighth box, and numbers in the range of the picked date:
        // 1..49 until 10 May 2019, then 1..50.
        for (const QDate& date : {QDate(2019, 5, 10), QDate(2019, 5, 17)}) {
            auto* lottoMax = new Form2(GameCatalogue::LottoMax, m_fx->path("CAN6.rtl"), date, m_main);
            lottoMax->show();
            QVERIFY(lottoMax->findChild<QLineEdit*>("numberBox8")->isVisible());
            TYPE_BOXES(lottoMax, {"50", "1", "20", "33", "2", "9", "14", "5"});
            CLICK(lottoMax, "addButton");
            QCOMPARE(lottoMax->isVisible(), date.day() == 10); // a refused draw keeps the window open
            if (date.day() == 10) {
                SAID(m_fx, "One or more of your main numbers is not in the correct range");
                QTest::keyClick(lottoMax, Qt::Key_Escape); // Escape closes a window, as Close does
                QVERIFY(!lottoMax->isVisible());
            }
        }
        const auto lottoMax = ResultsFile::readAll(m_fx->path("CAN6.rtl")).value();
        QCOMPARE(lottoMax.size(), size_t(1));
        QCOMPARE(lottoMax[0].numbers, (std::array<int16_t, 7>{1, 2, 9, 14, 20, 33, 50}));
        QCOMPARE(lottoMax[0].bonus, int16_t(5));

        // The draw list opens at the picked date, and a double click picks another.
        QTest::mouseClick(m_main->findChild<QWidget*>("nationalRadio"), Qt::LeftButton);
        m_main->setDrawDate(QDate(2003, 3, 26)); // record 2001, row 2000
        CLICK(m_main, "drawListButton");
        QVERIFY(openWindow("Form3") && QTest::qWaitForWindowExposed(openWindow("Form3")));
        auto* list = openWindow("Form3")->findChild<QListWidget*>();
        QCOMPARE(list->window()->windowTitle(), QStringLiteral("Draw Results for National 6/49"));
        const QPoint next = list->visualItemRect(list->item(2001)).center();
        QVERIFY(list->viewport()->rect().contains(next));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, next);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, next);
        CLICK(list->window(), "closeButton");
        QCOMPARE(m_main->drawDate(), QDate(2003, 3, 29));
        QCOMPARE(shownBalls(), QList<int16_t>({5, 7, 18, 30, 37, 46, 19}));
    }

    void fileDeletion()
    {
        QVERIFY(EntryFile::AppendEntryLine(m_fx->path("StandSuper7.lot"), {2, 9, 16, 23, 30, 37, 44}, 2));
        m_main = m_fx->start(); // shows Western05DEC2026.lot
        TRIGGER(m_main, "actionDeleteEntryFiles");
        QWidget* deletion = openWindow("Form11");
        QVERIFY(deletion && !m_main->isInputEnabled());
        auto* files = deletion->findChild<QListWidget*>("fileList");
        QCOMPARE(rowTexts(files->model()), QStringList({"StandSuper7.lot", "Western05DEC2026.lot"}));
        CLICK_SAYS(m_fx, deletion, "deleteButton", "You have not selected a file for deletion");
        clickRow(files, 1);
        CLICK(deletion, "deleteButton");
        SAID(m_fx, "You cannot delete this file, you currently have it opened in the main program");
        clickRow(files, 0);
        m_fx->prompts.answers << false << true;
        CLICK_SAYS(m_fx, deletion, "deleteButton", "Are you sure you want to delete this lottery selection file?");
        QVERIFY(QFile::exists(m_fx->path("StandSuper7.lot")));
        CLICK(deletion, "deleteButton");
        QVERIFY(!QFile::exists(m_fx->path("StandSuper7.lot")));
        CLICK(deletion, "closeButton");
        QTRY_VERIFY(m_main->isInputEnabled());
    }

    // Help comes from the program's share folder, which a package keeps apart from the player's files.
    void helpAboutAndMessages()
    {
        m_fx->folders.share = m_fx->path("share");
        QVERIFY(QDir().mkpath(m_fx->folders.share));
        QVERIFY(QFile::copy(HELP_FILE, m_fx->path("DRAWSMITH.HLP")));
        m_main = m_fx->start();
        TRIGGER_SAYS(m_fx, m_main, "actionHelpContents", "Cannot find Help file in the installation directory");
        QVERIFY(QFile::copy(HELP_FILE, m_fx->path("share/DRAWSMITH.HLP")));
        TRIGGER(m_main, "actionHelpContents");
        TRIGGER(m_main, "actionHelpContents"); // the one help window again
        QCOMPARE(m_main->findChildren<QWidget*>("HelpViewer").size(), 1);
        QVERIFY(openWindow("HelpViewer")->findChild<QTextBrowser*>()->toPlainText().contains("Add Result"));
        CLICK(openWindow("HelpViewer"), "closeButton");
        TRIGGER(m_main, "actionAbout");
        TRIGGER(m_main, "actionAbout");
        QCOMPARE(m_main->findChildren<QWidget*>("frmAbout").size(), 1);
        QCOMPARE(openWindow("frmAbout")->findChild<QLabel*>("versionLabel")->text(), "Version 8.6.0");
        CLICK(openWindow("frmAbout"), "okButton");
        QTRY_VERIFY(!openWindow("frmAbout"));

        // A real message box, with a text much shorter than its title, keeps the title readable
        // beside the title bar's buttons.
        PromptHandler* scripted = Prompt::setHandler(nullptr);
        int width = 0;
        QTimer::singleShot(0, [&width] {
            width = QApplication::activeModalWidget()->width();
            QApplication::activeModalWidget()->close();
        });
        Prompt::inform(nullptr, "Done");
        Prompt::setHandler(scripted);
        QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
        titleFont.setBold(true);
        QVERIFY2(width > QFontMetrics(titleFont).horizontalAdvance(Prompt::appTitle()) + 100,
                 qPrintable(QString::number(width)));
    }

    // Files the program cannot use, or that look damaged, are reported (once each per run) and
    // left as they are; the program still starts and shows what it can.
    void unusableAndDamagedFiles()
    {
        // Folders standing where files should be cannot be opened as files, whoever runs the test;
        // a pipe would never answer and a link to an endless device would never end.
        for (const char* name : {"game.dat", "print.dat"})
            QVERIFY(QDir(m_fx->dir.path()).mkdir(name));
        QCOMPARE(mkfifo(QFile::encodeName(m_fx->path("CAN2.rtl")).constData(), 0600), 0);
        QVERIFY(QFile::link("/dev/zero", m_fx->path("Western05DEC2026.lot")));
        QVERIFY(ResultsFile::writeAll(
            m_fx->path("CAN1.rtl"),
            {draw(saturday, {1, 2, 3, 4, 5, 6, 0}, 9), draw(saturday.addDays(-3), {1, 2, 3, 4, 5, 7, 0}, 9)}));
        QByteArray noise(28 * 36, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 97 + 13) % 251);
        QVERIFY(writeFileBytes(m_fx->path("Super705DEC2026.lot"), noise));
        m_main = m_fx->start();
        QCOMPARE(m_main->state().gameId, int16_t(3)); // on Western
        QVERIFY2(told("game.dat") >= 1, qPrintable(m_fx->prompts.shown.join(" | ")));
        QVERIFY(told("CAN2.rtl: not a plain file") >= 1);
        QVERIFY(told("Western05DEC2026.lot: not a plain file") >= 1);
        QCOMPARE(told("print.dat"), 1);
        for (const char* selector : {"nationalRadio", "super7Radio", "nationalRadio", "super7Radio"})
            QTest::mouseClick(m_main->findChild<QWidget*>(selector), Qt::LeftButton);
        QVERIFY(m_main->entrySet().count() > 0);
        QCOMPARE(told("CAN1.rtl: draw 2 is not dated after draw 1"), 1);
        QCOMPARE(told("Super705DEC2026.lot: "), 1);
        QCOMPARE(told("has not been changed"), 2);
        QCOMPARE(readFileBytes(m_fx->path("Super705DEC2026.lot")), noise);
    }

    // The downloader over the first 100 official National 6/49 draws, fetching from a real HTTP
    // server on loopback.
    void downloader()
    {
        const QString history = startOnOfficialNational();
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
                              DownloadMessages::failedNational + "\n\n" + reason}));
        QCOMPARE(m_fx->prompts.noByDefault, QList<bool>{false});
        QCOMPARE(downloader->findChild<QLabel*>("statusLabel")->text(), DownloadMessages::stoppedFailed);
        QCOMPARE(downloader->findChild<QLabel*>("reasonLabel")->text(), reason);
        QCOMPARE(readFileBytes(history), officialHistory(100));
        auto* progress = downloader->findChild<QProgressBar*>("downloadProgressBar");
        QCOMPARE(progress->value(), 0); // no full bar behind, whatever the error page held

        // Replaced after the date question, whose Yes overwrites the history: No is its default.
        server.serve("/dwnld/CAN1.rtl", {200, officialHistory(4453), LoopbackHttpServer::Mode::Plain, {}});
        m_fx->prompts.answers << true;
        CLICK(downloader, "downloadButton");
        QTRY_VERIFY(downloader->findChild<QWidget*>("closeButton")->isEnabled());
        SAID(m_fx, DownloadMessages::replaceNational);
        QVERIFY(m_fx->prompts.noByDefault.last());
        QCOMPARE(downloader->findChild<QLabel*>("statusLabel")->text(), DownloadMessages::allDone);
        QCOMPARE(downloader->findChild<QLabel*>("reasonLabel")->text(), QString());
        QCOMPARE(readFileBytes(history), officialHistory(4453));
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
        SAID(m_fx, DownloadMessages::failedNational + "\n\nNational 6/49: The download was cancelled.");
        QCOMPARE(readFileBytes(history), officialHistory(4453));
        // Closing shows the draw of the picked date from the history as it now is.
        CLICK(downloader, "closeButton");
        QTRY_VERIFY(m_main->isInputEnabled());
        QVERIFY(m_main->isDrawShown());
    }

    // "File" > "Import Draw History…" over the same history.
    void historyImport()
    {
        const QString history = startOnOfficialNational();
        const QByteArray before = readFileBytes(history);
        m_fx->prompts.fileNames << testDataPath("lotto649.csv") << testDataPath("649-official.csv");
        // A plain file names no game: it goes in only after a Yes, and No is the default answer.
        m_fx->prompts.answers << false;
        TRIGGER(m_main, "actionImportDrawHistory");
        QCOMPARE(m_fx->prompts.texts().mid(1),
                 (QStringList{"Import 4453 draws into National 6/49?",
                              "The import was cancelled. The draw history was not changed."}));
        QCOMPARE(m_fx->prompts.noByDefault, QList<bool>{true});
        QCOMPARE(readFileBytes(history), before);
        QTRY_VERIFY(m_main->isInputEnabled());

        m_fx->prompts.shown.clear();
        TRIGGER(m_main, "actionImportDrawHistory");
        QCOMPARE(m_fx->prompts.shown,
                 (QStringList{"file: Import Draw History for National 6/49",
                              "Drawsmith Canada: Draws added: 4353\nDraws already present: 100\nConflicts (the stored "
                              "draw was kept): 0\nRows refused: 0"}));
        QCOMPARE(ResultsFile::readCount(history), std::optional<int>(4453));
        QTRY_VERIFY(m_main->isInputEnabled());
        QVERIFY(m_main->isDrawShown()); // the newest draw, now in the history
        // The chooser opens where the program's own real histories are installed.
        QCOMPARE(m_fx->prompts.fileFolders, QStringList(2, m_fx->path("history")));
    }

private:
    // The main window on National 6/49 over its first 100 official draws, on the newest one's date.
    QString startOnOfficialNational()
    {
        const QString history = m_fx->path("CAN1.rtl");
        if (!writeFileBytes(history, officialHistory(100)))
            qFatal("cannot write the history");
        m_main = m_fx->start();
        QTest::mouseClick(m_main->findChild<QWidget*>("nationalRadio"), Qt::LeftButton);
        m_main->setDrawDate(QDate(2026, 9, 23));
        return history;
    }

    QWidget* openAddResult()
    {
        QTest::mouseClick(m_main->findChild<QWidget*>("addDrawButton"), Qt::LeftButton);
        return openWindow("Form2");
    }

    QString title(const char* group) const
    {
        return m_main->findChild<QGroupBox*>(group)->title();
    }

    // The numbers of the shown 6/49 draw, bonus last.
    QList<int16_t> shownBalls() const
    {
        const auto& n = m_main->state().displayedNumbers;
        return QList<int16_t>(n.begin(), n.begin() + 7);
    }

    // How many messages shown so far hold the text.
    qsizetype told(const QString& text) const
    {
        return m_fx->prompts.texts().filter(text).size();
    }

    std::unique_ptr<MainWindowFixture> m_fx;
    Form1* m_main = nullptr;
};

QTEST_MAIN(tst_Form1)
#include "tst_Form1.moc"
