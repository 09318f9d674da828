#include "AppFolder.h"
#include "BallStrip.h"
#include "EntryFile.h"
#include "MainWindowFixture.h"
#include "RealDraws.h"
#include "RecordFile.h"
#include "ResultsFile.h"
#include "TestFiles.h"
#include "UiDriver.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTimer>

#include <sys/stat.h>

namespace
{
const QDate saturday(2026, 12, 5);

DrawRecord draw(QDate date, std::array<int16_t, 7> numbers, int16_t bonus)
{
    return {0, 0, int16_t(date.day()), int16_t(date.month()), int16_t(date.year()), numbers, bonus};
}
} // namespace

class tst_Form1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
    }

    void init()
    {
        m_fx = std::make_unique<MainWindowFixture>();
    }

    void cleanup()
    {
        FINISH_MAIN_WINDOW(m_fx);
        m_fx.reset();
    }

    void provinceFromFirstStartToNextStart()
    {
        m_main = m_fx->start();
        QCOMPARE(savedProvince(), int16_t(1));
        auto* provincial = m_main->findChild<QRadioButton*>("provincialRadio");
        QCOMPARE(provincial->text(), QStringLiteral("Western 6/49"));
        QVERIFY(provincial->isChecked());
        QVERIFY(!m_main->isDrawShown());
        QCOMPARE(m_main->findChild<QDateEdit*>("drawDateEdit")->date(), saturday);
        QVERIFY(!m_main->findChild<QWidget*>("datedEntryButton")->isVisible());
        QVERIFY(m_fx->prompts->shown.isEmpty());

        QTest::mouseClick(m_main->findChild<QWidget*>("nationalRadio"), Qt::LeftButton);
        TRIGGER(m_main, "actionSelectQuebec");
        QCOMPARE(savedProvince(), int16_t(3));
        QCOMPARE(provincial->text(), QStringLiteral("Quebec 6/49"));
        QVERIFY(provincial->isChecked());
        TRIGGER(m_main, "actionSelectBC"); // already on the provincial selector: still one switch
        QCOMPARE(title("drawDateGroup"), QStringLiteral("Draw Date for BC 6/49"));
        QCOMPARE(savedProvince(), int16_t(2));
        // The entry file made for the first game is removed on leaving, since it holds no line.
        QVERIFY(QFile::exists(m_fx->path("BC05DEC2026.lot")));
        QVERIFY(!QFile::exists(m_fx->path("Western05DEC2026.lot")));
        TRIGGER(m_main, "actionExit");
        QVERIFY(!QFile::exists(m_fx->path("BC05DEC2026.lot")));

        m_fx->main.reset();
        m_fx->printers.names = {"Office", "Home", "Lab"};
        m_fx->printers.defaultName = "Home";
        m_main = m_fx->start(); // the next start opens on the stored province
        QCOMPARE(m_main->state().gameId, int16_t(4));
        QCOMPARE(m_main->findChild<QRadioButton*>("provincialRadio")->text(), QStringLiteral("BC 6/49"));
        QVERIFY(m_main->findChild<QWidget*>("printEntriesButton")->isEnabled());
        // No printer chosen yet: printing goes to the system's default, and Printer Selection says so.
        TRIGGER(m_main, "actionSelectPrinter");
        QCOMPARE(openWindow("Form30")->findChild<QComboBox*>("printerCombo")->currentText(), "Home");
        CLICK(openWindow("Form30"), "closeButton");
    }

    void gameSwitchKeepsTheLayoutAndChecks()
    {
        QVERIFY(ResultsFile::writeAll(m_fx->path("CAN1.rtl"), {draw(saturday, {1, 2, 3, 4, 5, 6, 0}, 9)}));
        const QString nationalEntries = m_fx->path("Nat64905DEC2026.lot");
        QVERIFY(EntryFile::AppendEntryLine(nationalEntries, {1, 2, 3, 10, 11, 12, 0}, 1));
        QVERIFY(EntryFile::AppendEntryLine(nationalEntries, {20, 21, 22, 23, 24, 25, 0}, 1));
        m_main = m_fx->start();
        auto* strip = m_main->findChild<BallStrip*>("ballStrip");
        const int narrow = strip->width();
        // A game or province switch moves nothing but the balls.
        auto* dateGroup = m_main->findChild<QWidget*>("drawDateGroup");
        const QPoint datePlace = dateGroup->mapTo(m_main, QPoint());
        const int windowWidth = m_main->width();
        QCOMPARE(title("entriesGroup"), QStringLiteral("My Enties for Western 6/49"));
        QTest::mouseClick(m_main->findChild<QWidget*>("super7Radio"), Qt::LeftButton);
        // No draw on the date in this game: no check, so no "No wins" message either.
        QVERIFY(m_fx->prompts->shown.isEmpty());
        QCOMPARE(dateGroup->mapTo(m_main, QPoint()), datePlace);
        QVERIFY(strip->width() > narrow);
        QCOMPARE(title("entriesGroup"), QStringLiteral("My Enties for Super 7"));
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
        TRIGGER(m_main, "actionSelectAtlantic");
        QCOMPARE(dateGroup->mapTo(m_main, QPoint()), datePlace);
        QCOMPARE(m_main->width(), windowWidth);
    }

    void drawDisplayFollowsDateAndDeletion()
    {
        const QDate wednesday(2026, 12, 2);
        QVERIFY(ResultsFile::writeAll(
            m_fx->path("CAN2.rtl"),
            {draw(wednesday, {3, 7, 12, 22, 30, 49, 0}, 15), draw(saturday, {1, 2, 3, 4, 5, 6, 0}, 9)}));
        QVERIFY(ResultsFile::writeAll(m_fx->path("CAN7.rtl"), {draw(saturday, {2, 9, 14, 20, 33, 41, 47}, 5)}));
        m_main = m_fx->start();
        QCOMPARE(shownBalls(), QList<int16_t>({1, 2, 3, 4, 5, 6, 9})); // today's draw
        m_main->setDrawDate(wednesday);
        QCOMPARE(shownBalls(), QList<int16_t>({3, 7, 12, 22, 30, 49, 15}));
        QCOMPARE(m_main->findChild<QLabel*>("ball6")->property("bonusLook").toBool(), true);
        QVERIFY(!m_main->findChild<QLabel*>("ball7")->isVisible());
        m_main->setDrawDate(QDate(2026, 12, 1));
        QVERIFY(!m_main->isDrawShown());

        m_main->setDrawDate(saturday);
        QTest::mouseClick(m_main->findChild<QWidget*>("super7Radio"), Qt::LeftButton);
        QCOMPARE(shownBalls(), QList<int16_t>({2, 9, 14, 20, 33, 41, 47, 5}));
        QCOMPARE(m_main->findChild<QLabel*>("ball6")->property("bonusLook").toBool(), false);
        QCOMPARE(m_main->findChild<QLabel*>("ball7")->property("bonusLook").toBool(), true);

        m_fx->prompts->answers << false << true;
        CLICK(m_main, "deleteDrawButton");
        QCOMPARE(m_fx->prompts->last(), QStringLiteral("Drawsmith: Do you really want to delete this draw?"));
        QVERIFY(m_fx->prompts->noByDefault.last());
        QVERIFY(m_main->isDrawShown());
        CLICK(m_main, "deleteDrawButton");
        QVERIFY(!QFile::exists(m_fx->path("CAN7.rtl")));
        QVERIFY(!m_main->isDrawShown());
        CLICK(m_main, "deleteDrawButton");
        QCOMPARE(m_fx->prompts->last(), QStringLiteral("Drawsmith Canada: There is no draw displayed to delete"));
    }

    void drawListOpensAtPickedDateAndPicks()
    {
        QVERIFY(ResultsFile::writeAll(m_fx->path("CAN2.rtl"), loadRealDraws()));
        m_main = m_fx->start();
        const auto openList = [this] {
            QTest::mouseClick(m_main->findChild<QWidget*>("drawListButton"), Qt::LeftButton);
            QWidget* drawList = openWindow("Form3");
            return drawList && QTest::qWaitForWindowExposed(drawList) ? drawList->findChild<QListWidget*>() : nullptr;
        };
        const auto visibleRow = [](QListWidget* list, int row) {
            return list->viewport()->rect().contains(list->visualItemRect(list->item(row)).center());
        };
        m_main->setDrawDate(QDate(2003, 3, 26)); // the draw of record 2001, row 2000
        QListWidget* list = openList();
        QVERIFY(list);
        QCOMPARE(list->window()->windowTitle(), QStringLiteral("Draw Results for Western 6/49"));
        QCOMPARE(rowTexts(list).value(0), QStringLiteral("00001 12 06 1982: 03 11 12 14 41 43 BB 13"));
        QVERIFY(visibleRow(list, 2000) && visibleRow(list, 2001) && !visibleRow(list, 0));
        emit list->itemActivated(list->item(2001)); // with nothing selected: nothing happens
        QCOMPARE(m_main->drawDate(), QDate(2003, 3, 26));
        const QPoint next = list->visualItemRect(list->item(2001)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, next);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, next);
        QCOMPARE(m_main->drawDate(), QDate(2003, 3, 29));
        QVERIFY(list->isVisible()); // stays open for another pick
        CLICK(list->window(), "closeButton");
        QCOMPARE(shownBalls(), QList<int16_t>({5, 7, 18, 30, 37, 46, 19}));
    }

    // Help comes from the program's share folder, which a package keeps apart from the player's files.
    void helpAndAbout()
    {
        m_fx->folders.share = m_fx->path("share");
        QVERIFY(QDir().mkpath(m_fx->folders.share));
        QVERIFY(QFile::copy(HELP_FILE, m_fx->path("DRAWSMITH.HLP")));
        m_main = m_fx->start();
        TRIGGER(m_main, "actionHelpContents");
        QCOMPARE(m_fx->prompts->last(),
                 QStringLiteral("Drawsmith Canada: Cannot find Help file in the installation directory"));
        QVERIFY(QFile::copy(HELP_FILE, m_fx->path("share/DRAWSMITH.HLP")));
        TRIGGER(m_main, "actionHelpContents");
        TRIGGER(m_main, "actionHelpContents"); // the one help window again
        QCOMPARE(m_main->findChildren<QWidget*>("HelpViewer").size(), 1);
        auto* help = openWindow("HelpViewer");
        QVERIFY(help);
        auto* browser = help->findChild<QTextBrowser*>("helpBrowser");
        QVERIFY(browser->toPlainText().contains("Add Result"));
        CLICK(help, "closeButton");

        TRIGGER(m_main, "actionAbout");
        TRIGGER(m_main, "actionAbout");
        QCOMPARE(m_main->findChildren<QWidget*>("frmAbout").size(), 1);
        auto* about = openWindow("frmAbout");
        QVERIFY(about);
        QCOMPARE(about->findChild<QLabel*>("versionLabel")->text(), QStringLiteral("Version 8.6.0"));
        QVERIFY(!about->findChild<QLabel*>("logoLabel")->pixmap().isNull()); // the program's icon
        CLICK(about, "okButton");
        QTRY_VERIFY(!openWindow("frmAbout"));
    }

    void messageBoxHoldsItsTitle()
    {
        // The real box, with a text much shorter than its title and the title bar's buttons.
        PromptHandler* scripted = Prompt::setHandler(nullptr);
        int width = 0;
        QTimer::singleShot(0, [&width] {
            QWidget* box = QApplication::activeModalWidget();
            width = box->width();
            box->close();
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
            QVERIFY(QDir(m_fx->dir->path()).mkdir(name));
        QCOMPARE(mkfifo(QFile::encodeName(m_fx->path("CAN2.rtl")).constData(), 0600), 0);
        QVERIFY(QFile::link("/dev/zero", m_fx->path("Western05DEC2026.lot")));
        m_main = m_fx->start();
        QCOMPARE(m_main->state().gameId, int16_t(3)); // still starts, on Western
        const QString shown = m_fx->prompts->shown.join(" | ");
        QVERIFY2(m_fx->prompts->texts().filter("game.dat").size() >= 1, qPrintable(shown));
        QVERIFY2(m_fx->prompts->texts().filter("CAN2.rtl: not a plain file").size() >= 1, qPrintable(shown));
        QVERIFY2(m_fx->prompts->texts().filter("Western05DEC2026.lot: not a plain file").size() >= 1,
                 qPrintable(shown));
        QVERIFY2(m_fx->prompts->texts().filter("print.dat").size() == 1, qPrintable(shown));
    }

    void damagedFilesAreReportedOnce()
    {
        // A history with a ball 999 and an entry file of random bytes: shown as they are, reported
        // once each per run, never changed.
        QVERIFY(ResultsFile::writeAll(
            m_fx->path("CAN2.rtl"),
            {draw(saturday.addDays(-3), {1, 2, 3, 4, 5, 6, 0}, 9), draw(saturday, {1, 2, 3, 4, 5, 999, 0}, 9)}));
        QByteArray noise(28 * 36, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 97 + 13) % 251);
        QVERIFY(writeFileBytes(m_fx->path("Western05DEC2026.lot"), noise));
        // National 6/49's two draws are stored newest first.
        QVERIFY(ResultsFile::writeAll(
            m_fx->path("CAN1.rtl"),
            {draw(saturday, {1, 2, 3, 4, 5, 6, 0}, 9), draw(saturday.addDays(-3), {1, 2, 3, 4, 5, 7, 0}, 9)}));
        m_main = m_fx->start();
        QVERIFY(m_main->isDrawShown());
        QCOMPARE(m_fx->prompts->texts().filter("CAN2.rtl: draw 2 holds numbers outside 1..49").size(), 1);
        QCOMPARE(m_fx->prompts->texts().filter("Western05DEC2026.lot: ").size(), 1);
        QVERIFY(m_main->entrySet().count() > 0);
        QTest::mouseClick(m_main->findChild<QWidget*>("nationalRadio"), Qt::LeftButton);
        QTest::mouseClick(m_main->findChild<QWidget*>("provincialRadio"), Qt::LeftButton);
        QCOMPARE(m_fx->prompts->texts().filter("CAN1.rtl: draw 2 is not dated after draw 1").size(), 1);
        QCOMPARE(m_fx->prompts->texts().filter("has not been changed").size(), 3);
        QCOMPARE(readFileBytes(m_fx->path("Western05DEC2026.lot")), noise);
    }

private:
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

    std::unique_ptr<MainWindowFixture> m_fx;
    Form1* m_main = nullptr;
};

QTEST_MAIN(tst_Form1)
#include "tst_Form1.moc"
