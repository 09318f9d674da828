#include "BallStrip.h"
#include "Form2.h"
#include "MainWindowFixture.h"
#include "RecordFile.h"
#include "UiDriver.h"

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
// for the picked date, the draw list, Delete, File Deletion, Help and About, and files it cannot use.
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

    // From a first start on Western through every selector, to the next start on the stored province.
    void gamesAndProvinces()
    {
        QVERIFY(ResultsFile::writeAll(m_fx->path("CAN1.rtl"), {draw(saturday, {1, 2, 3, 4, 5, 6, 0}, 9)}));
        for (const EntryNumbers& line : {EntryNumbers{1, 2, 3, 10, 11, 12, 0}, EntryNumbers{20, 21, 22, 23, 24, 25, 0}})
            QVERIFY(EntryFile::AppendEntryLine(m_fx->path("Nat64905DEC2026.lot"), line, 1));
        m_main = m_fx->start();
        QCOMPARE(savedProvince(), int16_t(1));
        auto* provincial = m_main->findChild<QRadioButton*>("provincialRadio");
        QVERIFY(provincial->isChecked());
        QCOMPARE(title("entriesGroup"), QStringLiteral("My Enties for Western 6/49"));
        // A game or province switch moves nothing but the balls.
        auto* strip = m_main->findChild<BallStrip*>("ballStrip");
        const int narrow = strip->width();
        auto* dateGroup = m_main->findChild<QWidget*>("drawDateGroup");
        const QPoint datePlace = dateGroup->mapTo(m_main, QPoint());
        const int windowWidth = m_main->width();

        QTest::mouseClick(m_main->findChild<QWidget*>("super7Radio"), Qt::LeftButton);
        QVERIFY(m_fx->prompts.shown.isEmpty()); // no draw on the date: no check, so no "No wins"
        QVERIFY(strip->width() > narrow);
        QCOMPARE(title("drawDateGroup"), QStringLiteral("Draw Date for Super 7"));
        QVERIFY(m_main->findChild<QLabel*>("bonusLabelSuper7")->isVisible());
        QVERIFY(!m_main->findChild<QLabel*>("bonusLabel649")->isVisible());

        QTest::mouseClick(m_main->findChild<QWidget*>("nationalRadio"), Qt::LeftButton);
        QCOMPARE(strip->width(), narrow);
        QCOMPARE(title("entriesGroup"), QStringLiteral("My Enties For National 6/49"));
        QCOMPARE(title("winningGroup"), QStringLiteral("Winning Lines for National 6/49"));
        // Entries and a draw are both shown, so the switch checked them.
        QCOMPARE(fieldText(m_main, "entryCountEdit"), QStringLiteral("2"));
        QCOMPARE(fieldText(m_main, "totalWinsEdit"), QStringLiteral("1"));
        QCOMPARE(rowTexts(m_main->findChild<QAbstractItemView*>("winningList")), QStringList{"01 02 03 10 11 12 (3)"});
        QVERIFY(m_main->findChild<QAbstractItemView*>("entryList")->selectionModel()->isRowSelected(0, {}));

        TRIGGER(m_main, "actionSelectQuebec");
        QCOMPARE(savedProvince(), int16_t(3));
        QCOMPARE(provincial->text(), QStringLiteral("Quebec 6/49"));
        QVERIFY(provincial->isChecked());
        TRIGGER(m_main, "actionSelectAtlantic"); // already on the provincial selector: still one switch
        QCOMPARE(dateGroup->mapTo(m_main, QPoint()), datePlace);
        QCOMPARE(m_main->width(), windowWidth);
        TRIGGER(m_main, "actionSelectBC");
        QCOMPARE(title("drawDateGroup"), QStringLiteral("Draw Date for BC 6/49"));
        QCOMPARE(savedProvince(), int16_t(2));
        // The entry file made for a game is removed on leaving it, since it holds no line.
        QVERIFY(QFile::exists(m_fx->path("BC05DEC2026.lot")));
        QVERIFY(!QFile::exists(m_fx->path("Western05DEC2026.lot")));
        TRIGGER(m_main, "actionExit");
        QVERIFY(!QFile::exists(m_fx->path("BC05DEC2026.lot")));

        m_fx->main.reset();
        m_fx->printers.names = {"Office", "Home", "Lab"};
        m_fx->printers.defaultName = "Home";
        m_main = m_fx->start();
        QCOMPARE(m_main->state().gameId, int16_t(4));
        QCOMPARE(m_main->findChild<QRadioButton*>("provincialRadio")->text(), QStringLiteral("BC 6/49"));
        // No printer chosen yet: printing goes to the system's default, and Printer Selection says so.
        TRIGGER(m_main, "actionSelectPrinter");
        QCOMPARE(openWindow("Form30")->findChild<QComboBox*>("printerCombo")->currentText(), "Home");
        CLICK(openWindow("Form30"), "closeButton");
    }

    // Add Result, the draw shown for the picked date, the draw list and Delete.
    void drawsAddedListedAndDeleted()
    {
        QVERIFY(ResultsFile::writeAll(m_fx->path("CAN1.rtl"), loadRealDraws()));
        m_main = m_fx->start(); // Western, with no history yet
        QWidget* addResult = openAddResult();
        QVERIFY(addResult);
        QVERIFY(!m_main->isInputEnabled());
        QVERIFY(!addResult->findChild<QLineEdit*>("numberBox8")->isVisible());
        TYPE_BOXES(addResult, {"1", "2", "3", "4", "5", "6", "6"});
        CLICK(addResult, "addButton");
        SAID(m_fx, "You have duplicate numbers");
        QCOMPARE(m_fx->prompts.icons.last(), PromptIcon::Warning);
        QCOMPARE(fieldText(addResult, "numberBox7"), QStringLiteral("6"));
        QTest::keyClick(addResult->findChild<QLineEdit*>("numberBox7"), Qt::Key_Escape);
        QVERIFY(!openWindow("Form2") && m_main->isInputEnabled());
        QCOMPARE(ResultsFile::readCount(m_fx->path("CAN2.rtl")), std::optional<int>(0));

        addResult = openAddResult();
        TYPE_BOXES(addResult, {"49", "12", "3", "30", "7", "22", "15"});
        QTest::keyClick(addResult->findChild<QLineEdit*>("numberBox7"), Qt::Key_Return); // Enter presses Add
        QTRY_VERIFY(!openWindow("Form2") && m_main->isInputEnabled());
        QVERIFY(m_main->findChild<QLabel*>("ball6")->property("bonusLook").toBool());
        QVERIFY(!m_main->findChild<QLabel*>("ball7")->isVisible());
        QVERIFY(!openAddResult()); // one draw per date and game
        SAID(m_fx,
             "There is already a draw result for this date and game. Delete the draw first if you want to change it.");

        m_main->setDrawDate(QDate(2026, 12, 1)); // a Tuesday, with no draw
        QVERIFY(!m_main->isDrawShown());
        m_fx->prompts.answers << false;
        QVERIFY(!openAddResult());
        SAID(m_fx, "This is not a Wednesday or Saturday Date. Do you want to proceed anyway?");
        QTest::mouseClick(m_main->findChild<QWidget*>("super7Radio"), Qt::LeftButton);
        m_fx->prompts.answers << true;
        addResult = openAddResult();
        SAID(m_fx, "This is not a Friday Date. Do you want to proceed anyway?");
        TYPE_BOXES(addResult, {"47", "1", "20", "33", "2", "9", "14", "5"});
        CLICK(addResult, "addButton");
        QCOMPARE(shownBalls(), QList<int16_t>({1, 2, 9, 14, 20, 33, 47, 5}));
        QVERIFY(!m_main->findChild<QLabel*>("ball6")->property("bonusLook").toBool());
        QVERIFY(m_main->findChild<QLabel*>("ball7")->property("bonusLook").toBool());

        m_fx->prompts.answers << false << true;
        CLICK(m_main, "deleteDrawButton");
        QCOMPARE(m_fx->prompts.last(), QStringLiteral("Drawsmith: Do you really want to delete this draw?"));
        QVERIFY(m_fx->prompts.noByDefault.last());
        QVERIFY(m_main->isDrawShown());
        CLICK(m_main, "deleteDrawButton");
        QVERIFY(!QFile::exists(m_fx->path("CAN7.rtl"))); // its only draw
        QVERIFY(!m_main->isDrawShown());
        CLICK(m_main, "deleteDrawButton");
        SAID(m_fx, "There is no draw displayed to delete");
        QTest::mouseClick(m_main->findChild<QWidget*>("provincialRadio"), Qt::LeftButton);
        m_main->setDrawDate(saturday); // Western's draw, sorted as it was stored
        QCOMPARE(shownBalls(), QList<int16_t>({3, 7, 12, 22, 30, 49, 15}));

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
                lottoMax->close();
            }
        }
        const auto lottoMax = ResultsFile::readAll(m_fx->path("CAN6.rtl")).value();
        QCOMPARE(lottoMax.size(), size_t(1));
        QCOMPARE(lottoMax[0].numbers, (std::array<int16_t, 7>{1, 2, 9, 14, 20, 33, 50}));
        QCOMPARE(lottoMax[0].bonus, int16_t(5));

        // The draw list opens at the picked date and stays open while a double click picks another.
        QTest::mouseClick(m_main->findChild<QWidget*>("nationalRadio"), Qt::LeftButton);
        m_main->setDrawDate(QDate(2003, 3, 26)); // record 2001, row 2000
        CLICK(m_main, "drawListButton");
        QVERIFY(openWindow("Form3") && QTest::qWaitForWindowExposed(openWindow("Form3")));
        auto* list = openWindow("Form3")->findChild<QListWidget*>();
        QCOMPARE(list->window()->windowTitle(), QStringLiteral("Draw Results for National 6/49"));
        QCOMPARE(rowTexts(list).value(0), QStringLiteral("00001 12 06 1982: 03 11 12 14 41 43 BB 13"));
        const auto visibleRow = [list](int row) {
            return list->viewport()->rect().contains(list->visualItemRect(list->item(row)).center());
        };
        QVERIFY(visibleRow(2000) && visibleRow(2001) && !visibleRow(0));
        const QPoint next = list->visualItemRect(list->item(2001)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, next);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, next);
        QCOMPARE(m_main->drawDate(), QDate(2003, 3, 29));
        QVERIFY(list->isVisible());
        CLICK(list->window(), "closeButton");
        QCOMPARE(shownBalls(), QList<int16_t>({5, 7, 18, 30, 37, 46, 19}));
    }

    void fileDeletion()
    {
        QVERIFY(EntryFile::AppendEntryLine(m_fx->path("StandSuper7.lot"), {2, 9, 16, 23, 30, 37, 44}, 2));
        QVERIFY(EntryFile::AppendEntryLine(m_fx->path("Nat64905JAN2003.lot"), {3, 11, 24, 30, 41, 49, 0}, 1));
        m_main = m_fx->start(); // shows Western05DEC2026.lot
        TRIGGER(m_main, "actionDeleteEntryFiles");
        QWidget* deletion = openWindow("Form11");
        QVERIFY(deletion);
        QVERIFY(!m_main->isInputEnabled());
        auto* files = deletion->findChild<QListWidget*>("fileList");
        const auto choose = [files](const QString& name) { clickRow(files, int(rowTexts(files).indexOf(name))); };
        QCOMPARE(rowTexts(files), QStringList({"Nat64905JAN2003.lot", "StandSuper7.lot", "Western05DEC2026.lot"}));
        CLICK(deletion, "deleteButton");
        SAID(m_fx, "You have not selected a file for deletion");
        // A click below the last file picks nothing.
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, QPoint(10, files->viewport()->height() - 5));
        SAID(m_fx, "You have not selected a file");
        choose("Western05DEC2026.lot");
        CLICK(deletion, "deleteButton");
        SAID(m_fx, "You cannot delete this file, you currently have it opened in the main program");
        QVERIFY(QFile::exists(m_main->entrySet().path()));

        choose("StandSuper7.lot");
        auto* contents = deletion->findChild<QListWidget*>("contentsList");
        QCOMPARE(rowTexts(contents), QStringList{"02 09 16 23 30 37 44 "});
        m_fx->prompts.answers << false << true;
        CLICK(deletion, "deleteButton");
        SAID(m_fx, "Are you sure you want to delete this lottery selection file?");
        QVERIFY(QFile::exists(m_fx->path("StandSuper7.lot")));
        CLICK(deletion, "deleteButton");
        QVERIFY(!QFile::exists(m_fx->path("StandSuper7.lot")));
        QCOMPARE(contents->count(), 0);

        // Files added and deleted behind the window's back.
        QVERIFY(EntryFile::AppendEntryLine(m_fx->path("BC05JAN2003.lot"), {1, 2, 3, 4, 5, 6, 0}, 4));
        QVERIFY(QFile::remove(m_fx->path("Nat64905JAN2003.lot")));
        QTRY_COMPARE(rowTexts(files), QStringList({"BC05JAN2003.lot", "Western05DEC2026.lot"}));
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
        TRIGGER(m_main, "actionHelpContents");
        SAID(m_fx, "Cannot find Help file in the installation directory");
        QVERIFY(QFile::copy(HELP_FILE, m_fx->path("share/DRAWSMITH.HLP")));
        TRIGGER(m_main, "actionHelpContents");
        TRIGGER(m_main, "actionHelpContents"); // the one help window again
        QCOMPARE(m_main->findChildren<QWidget*>("HelpViewer").size(), 1);
        QVERIFY(
            openWindow("HelpViewer")->findChild<QTextBrowser*>("helpBrowser")->toPlainText().contains("Add Result"));
        CLICK(openWindow("HelpViewer"), "closeButton");

        TRIGGER(m_main, "actionAbout");
        TRIGGER(m_main, "actionAbout");
        QCOMPARE(m_main->findChildren<QWidget*>("frmAbout").size(), 1);
        auto* about = openWindow("frmAbout");
        QCOMPARE(about->findChild<QLabel*>("versionLabel")->text(), QStringLiteral("Version 8.6.0"));
        QVERIFY(!about->findChild<QLabel*>("logoLabel")->pixmap().isNull()); // the program's icon
        CLICK(about, "okButton");
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

    void unusableFilesAreReported()
    {
        // Folders standing where the files should be cannot be opened as files, whoever runs the test;
        // a pipe would never answer and a link to an endless device would never end.
        for (const char* name : {"game.dat", "print.dat"})
            QVERIFY(QDir(m_fx->dir.path()).mkdir(name));
        QCOMPARE(mkfifo(QFile::encodeName(m_fx->path("CAN2.rtl")).constData(), 0600), 0);
        QVERIFY(QFile::link("/dev/zero", m_fx->path("Western05DEC2026.lot")));
        m_main = m_fx->start();
        QCOMPARE(m_main->state().gameId, int16_t(3)); // still starts, on Western
        QVERIFY2(told("game.dat") >= 1, qPrintable(m_fx->prompts.shown.join(" | ")));
        QVERIFY(told("CAN2.rtl: not a plain file") >= 1);
        QVERIFY(told("Western05DEC2026.lot: not a plain file") >= 1);
        QCOMPARE(told("print.dat"), 1);
    }

    // A history with a ball 999, one with its dates out of order and an entry file of noise are
    // shown as they are, reported once each per run, and never changed.
    void damagedFilesAreReportedOnce()
    {
        QVERIFY(ResultsFile::writeAll(
            m_fx->path("CAN2.rtl"),
            {draw(saturday.addDays(-3), {1, 2, 3, 4, 5, 6, 0}, 9), draw(saturday, {1, 2, 3, 4, 5, 999, 0}, 9)}));
        QByteArray noise(28 * 36, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 97 + 13) % 251);
        QVERIFY(writeFileBytes(m_fx->path("Western05DEC2026.lot"), noise));
        QVERIFY(ResultsFile::writeAll(
            m_fx->path("CAN1.rtl"),
            {draw(saturday, {1, 2, 3, 4, 5, 6, 0}, 9), draw(saturday.addDays(-3), {1, 2, 3, 4, 5, 7, 0}, 9)}));
        m_main = m_fx->start();
        QVERIFY(m_main->isDrawShown());
        QCOMPARE(told("CAN2.rtl: draw 2 holds numbers outside 1..49"), 1);
        QCOMPARE(told("Western05DEC2026.lot: "), 1);
        QVERIFY(m_main->entrySet().count() > 0);
        QTest::mouseClick(m_main->findChild<QWidget*>("nationalRadio"), Qt::LeftButton);
        QTest::mouseClick(m_main->findChild<QWidget*>("provincialRadio"), Qt::LeftButton);
        QCOMPARE(told("CAN1.rtl: draw 2 is not dated after draw 1"), 1);
        QCOMPARE(told("has not been changed"), 3);
        QCOMPARE(readFileBytes(m_fx->path("Western05DEC2026.lot")), noise);
    }

private:
    QWidget* openAddResult()
    {
        QTest::mouseClick(m_main->findChild<QWidget*>("addDrawButton"), Qt::LeftButton);
        return openWindow("Form2");
    }

    QString title(const char* group) const
    {
        return m_main->findChild<QGroupBox*>(group)->title();
    }

    int16_t savedProvince() const
    {
        const QByteArray bytes = readFileBytes(m_fx->path("game.dat"));
        return bytes.size() == 2 ? RecordFile::get16(bytes, 0) : -1;
    }

    // The numbers of the shown draw, bonus last: six and a bonus, or seven and a bonus for Super 7.
    QList<int16_t> shownBalls() const
    {
        const auto& n = m_main->state().displayedNumbers;
        return QList<int16_t>(n.begin(), n.begin() + (m_main->state().gameId == 2 ? 8 : 7));
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
