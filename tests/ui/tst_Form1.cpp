#include "AppFolder.h"
#include "BallStrip.h"
#include "EntryFile.h"
#include "MainWindowFixture.h"
#include "RealDraws.h"
#include "RecordFile.h"
#include "ResultsFile.h"
#include "UiDriver.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>

namespace
{
const QDate saturday(2026, 12, 5);

DrawRecord draw(QDate date, std::array<int16_t, 7> numbers, int16_t bonus)
{
    DrawRecord r;
    r.day = static_cast<int16_t>(date.day());
    r.month = static_cast<int16_t>(date.month());
    r.year = static_cast<int16_t>(date.year());
    r.numbers = numbers;
    r.bonus = bonus;
    return r;
}

int16_t savedProvince(const QString& folder)
{
    QFile f(folder + "/game.dat");
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return RecordFile::get16(f.readAll(), 0);
}
} // namespace

class tst_Form1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void firstStartInEmptyFolder();
    void storedProvinceSelectsItsGame();
    void gameSwitchRetitlesAndResizes();
    void provinceMenuWritesGameDat();
    void drawDisplayFollowsDateAndGame();
    void deleteDrawAsksAndRemovesFile();
    void drawListDoubleClickPicksDate();
    void drawListOpensAtPickedDate();
    void gameSwitchChecksEntriesAndRemovesEmptyFile();
    void helpAndAbout();
    void exitRemovesEmptyEntryFile();
    void unusableFilesAreReported();
    void damagedFilesAreReportedOnce();

private:
    void start();
    QString text(const char* name) const;
    QGroupBox* group(const char* name) const;

    std::unique_ptr<MainWindowFixture> m_fx;
    Form1* m_main = nullptr;
};

void tst_Form1::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void tst_Form1::init()
{
    m_fx = std::make_unique<MainWindowFixture>();
}

void tst_Form1::start()
{
    m_main = m_fx->start();
}

void tst_Form1::cleanup()
{
    FINISH_MAIN_WINDOW(m_fx);
    m_fx.reset();
}

QString tst_Form1::text(const char* name) const
{
    return m_main->findChild<QLineEdit*>(name)->text();
}

QGroupBox* tst_Form1::group(const char* name) const
{
    return m_main->findChild<QGroupBox*>(name);
}

void tst_Form1::firstStartInEmptyFolder()
{
    start();
    QCOMPARE(savedProvince(m_fx->dir->path()), int16_t(1));
    auto* provincial = m_main->findChild<QRadioButton*>("provincialRadio");
    QCOMPARE(provincial->text(), QStringLiteral("Western 6/49"));
    QVERIFY(provincial->isChecked());
    QCOMPARE(m_main->state().gameId, int16_t(3));
    QCOMPARE(m_main->state().appFolder, m_fx->dir->path());
    QVERIFY(!m_main->isDrawShown());
    QCOMPARE(text("entryCountEdit"), QStringLiteral("0"));
    QCOMPARE(text("totalWinsEdit"), QStringLiteral("0"));
    QCOMPARE(group("entriesGroup")->title(), QStringLiteral("My Enties for Western 6/49"));
    QCOMPARE(m_main->findChild<QDateEdit*>("drawDateEdit")->date(), saturday);
    QVERIFY(!m_main->findChild<QWidget*>("printEntriesButton")->isEnabled()); // no printer installed
    QVERIFY(!m_main->findChild<QWidget*>("datedEntryButton")->isVisible());
    QVERIFY(m_fx->prompts->shown.isEmpty());
}

void tst_Form1::storedProvinceSelectsItsGame()
{
    QVERIFY(AppFolder::updatesavedgame(m_fx->dir->path(), 4));
    m_fx->printers.names = {"Office", "Home"};
    start();
    QCOMPARE(m_main->state().gameId, int16_t(6));
    QCOMPARE(m_main->findChild<QRadioButton*>("provincialRadio")->text(), QStringLiteral("Ontario 6/49"));
    QVERIFY(m_main->findChild<QWidget*>("printEntriesButton")->isEnabled());
    QCOMPARE(m_fx->printers.current, QStringLiteral("Home"));
}

void tst_Form1::gameSwitchRetitlesAndResizes()
{
    start();
    auto* strip = m_main->findChild<BallStrip*>("ballStrip");
    const int narrow = strip->width();
    // A game or province switch moves nothing but the balls.
    auto* dateGroup = group("drawDateGroup");
    const QPoint datePlace = dateGroup->mapTo(m_main, QPoint());
    const int windowWidth = m_main->width();
    QTest::mouseClick(m_main->findChild<QRadioButton*>("super7Radio"), Qt::LeftButton);
    QCOMPARE(dateGroup->mapTo(m_main, QPoint()), datePlace);
    QCOMPARE(m_main->state().gameId, int16_t(2));
    QVERIFY(strip->width() > narrow);
    QCOMPARE(group("entriesGroup")->title(), QStringLiteral("My Enties for Super 7"));
    QCOMPARE(group("drawDateGroup")->title(), QStringLiteral("Draw Date for Super 7"));
    QCOMPARE(group("winningGroup")->title(), QStringLiteral("Winning Lines for Super 7"));
    QVERIFY(m_main->findChild<QLabel*>("bonusLabelSuper7")->isVisible());
    QVERIFY(!m_main->findChild<QLabel*>("bonusLabel649")->isVisible());
    QVERIFY(m_main->findChild<QAction*>("mnu777")->isVisible());
    QVERIFY(!m_main->findChild<QAction*>("mnu666")->isVisible());

    QTest::mouseClick(m_main->findChild<QRadioButton*>("nationalRadio"), Qt::LeftButton);
    QCOMPARE(m_main->state().gameId, int16_t(1));
    QCOMPARE(strip->width(), narrow);
    QCOMPARE(group("entriesGroup")->title(), QStringLiteral("My Enties For National 6/49"));
    QCOMPARE(group("winningGroup")->title(), QStringLiteral("Winning Lines for National 6/49"));
    QVERIFY(m_main->findChild<QAction*>("mnu666")->isVisible());
    QVERIFY(m_main->findChild<QAction*>("mnu633")->isVisible());
    QVERIFY(!m_main->findChild<QAction*>("mnu773")->isVisible());
    QVERIFY(m_main->findChild<QLabel*>("bonusLabel649")->isVisible());

    const QList<QAction*> open = m_main->findChild<QMenu*>("mnuWheelOpen")->actions();
    QCOMPARE(open.size(), 15);
    QCOMPARE(open.first()->objectName(), QStringLiteral("mnu777"));
    QCOMPARE(open.first()->text(), QStringLiteral("Guarantee Match 7 if 7 Picked from Group"));
    QCOMPARE(open.last()->objectName(), QStringLiteral("mnu633"));
    QCOMPARE(open.last()->text(), QStringLiteral("Guarantee Match 3 if 3 Picked from Group"));
    TRIGGER(m_main, "actionSelectAtlantic");
    QCOMPARE(dateGroup->mapTo(m_main, QPoint()), datePlace);
    QCOMPARE(m_main->width(), windowWidth);
}

void tst_Form1::provinceMenuWritesGameDat()
{
    start();
    QTest::mouseClick(m_main->findChild<QRadioButton*>("nationalRadio"), Qt::LeftButton);
    TRIGGER(m_main, "actionSelectQuebec");
    QCOMPARE(savedProvince(m_fx->dir->path()), int16_t(3));
    auto* provincial = m_main->findChild<QRadioButton*>("provincialRadio");
    QCOMPARE(provincial->text(), QStringLiteral("Quebec 6/49"));
    QVERIFY(provincial->isChecked());
    QCOMPARE(m_main->state().gameId, int16_t(5));
    QCOMPARE(m_main->state().province, int16_t(3));
    QVERIFY(m_main->findChild<QAction*>("actionSelectQuebec")->isChecked());
    TRIGGER(m_main, "actionSelectBC"); // already on the provincial selector: still one switch
    QCOMPARE(m_main->state().gameId, int16_t(4));
    QCOMPARE(group("drawDateGroup")->title(), QStringLiteral("Draw Date for BC 6/49"));
}

void tst_Form1::drawDisplayFollowsDateAndGame()
{
    const QDate wednesday(2026, 12, 2);
    QVERIFY(ResultsFile::writeAll(
        m_fx->path("CAN2.rtl"),
        {draw(wednesday, {3, 7, 12, 22, 30, 49, 0}, 15), draw(saturday, {1, 2, 3, 4, 5, 6, 0}, 9)}));
    QVERIFY(ResultsFile::writeAll(m_fx->path("CAN7.rtl"), {draw(saturday, {2, 9, 14, 20, 33, 41, 47}, 5)}));
    start();
    QVERIFY(m_main->isDrawShown()); // today's draw
    QCOMPARE(m_main->state().displayedRecord, int16_t(2));
    m_main->setDrawDate(wednesday);
    QCOMPARE(m_main->state().displayedRecord, int16_t(1));
    const std::array<int16_t, 7> shown{m_main->state().displayedNumbers[0],
                                       m_main->state().displayedNumbers[1],
                                       m_main->state().displayedNumbers[2],
                                       m_main->state().displayedNumbers[3],
                                       m_main->state().displayedNumbers[4],
                                       m_main->state().displayedNumbers[5],
                                       m_main->state().displayedNumbers[6]};
    QCOMPARE(shown, (std::array<int16_t, 7>{3, 7, 12, 22, 30, 49, 15}));
    auto* bonusBall = m_main->findChild<QLabel*>("ball6");
    QVERIFY(bonusBall->isVisible());
    QCOMPARE(bonusBall->property("bonusLook").toBool(), true);
    QVERIFY(!m_main->findChild<QLabel*>("ball7")->isVisible());

    m_main->setDrawDate(QDate(2026, 12, 1));
    QVERIFY(!m_main->isDrawShown());
    QCOMPARE(m_main->state().displayedRecord, int16_t(1)); // kept when nothing is found

    m_main->setDrawDate(saturday);
    QTest::mouseClick(m_main->findChild<QRadioButton*>("super7Radio"), Qt::LeftButton);
    QVERIFY(m_main->findChild<QLabel*>("ball7")->isVisible());
    QCOMPARE(m_main->findChild<QLabel*>("ball6")->property("bonusLook").toBool(), false);
    QCOMPARE(m_main->findChild<QLabel*>("ball7")->property("bonusLook").toBool(), true);
    QCOMPARE(m_main->state().displayedNumbers[7], int16_t(5));
    QVERIFY(m_main->state().currentResultsFile.endsWith("/CAN7.rtl"));
}

void tst_Form1::deleteDrawAsksAndRemovesFile()
{
    QVERIFY(ResultsFile::writeAll(m_fx->path("CAN2.rtl"), {draw(saturday, {1, 2, 3, 4, 5, 6, 0}, 9)}));
    start();
    m_fx->prompts->answers << false;
    CLICK(m_main, "deleteDrawButton");
    QCOMPARE(m_fx->prompts->last(), QStringLiteral("Drawsmith: Do you really want to delete this draw?"));
    QVERIFY(QFile::exists(m_fx->path("CAN2.rtl")));
    QVERIFY(m_main->isDrawShown());

    m_fx->prompts->answers << true;
    CLICK(m_main, "deleteDrawButton");
    QVERIFY(!QFile::exists(m_fx->path("CAN2.rtl")));
    QVERIFY(!m_main->isDrawShown());
    QCOMPARE(text("totalWinsEdit"), QStringLiteral("0"));

    CLICK(m_main, "deleteDrawButton");
    QCOMPARE(m_fx->prompts->last(), QStringLiteral("Drawsmith Canada: There is no draw displayed to delete"));
}

void tst_Form1::drawListDoubleClickPicksDate()
{
    const QDate december21(2002, 12, 21);
    QVERIFY(ResultsFile::writeAll(
        m_fx->path("CAN2.rtl"),
        {draw(december21, {1, 12, 23, 34, 45, 49, 0}, 7), draw(saturday, {1, 2, 3, 4, 5, 6, 0}, 9)}));
    start();
    CLICK(m_main, "drawListButton");
    auto* drawList = openWindow("Form3");
    QVERIFY(drawList);
    QVERIFY(!m_main->isInputEnabled());
    QCOMPARE(drawList->windowTitle(), QStringLiteral("Draw Results for Western 6/49"));
    auto* list = drawList->findChild<QListWidget*>("drawList");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("00001 21 12 2002: 01 12 23 34 45 49 BB 07"));

    // Activating with nothing selected changes nothing.
    emit list->itemActivated(list->item(0));
    QCOMPARE(m_main->drawDate(), saturday);

    QVERIFY(QTest::qWaitForWindowExposed(drawList));
    const QPoint firstLine = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, firstLine);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, firstLine);
    QCOMPARE(m_main->drawDate(), december21);
    QVERIFY(drawList->isVisible()); // stays open for another pick

    CLICK(drawList, "closeButton");
    QVERIFY(m_main->isInputEnabled());
    QVERIFY(m_main->isDrawShown());
    QCOMPARE(m_main->state().displayedNumbers[6], int16_t(7));
}

void tst_Form1::drawListOpensAtPickedDate()
{
    const std::vector<DrawRecord> real = loadRealDraws();
    QVERIFY(ResultsFile::writeAll(m_fx->path("CAN2.rtl"), real));
    start();
    const auto visibleRow = [](QListWidget* list, int row) {
        return list->viewport()->rect().contains(list->visualItemRect(list->item(row)).center());
    };
    const DrawRecord& middle = real[2000];
    m_main->setDrawDate(QDate(middle.year, middle.month, middle.day));
    CLICK(m_main, "drawListButton");
    auto* list = openWindow("Form3")->findChild<QListWidget*>("drawList");
    QVERIFY(visibleRow(list, 2000));
    QVERIFY(!visibleRow(list, 0));
    openWindow("Form3")->close();

    m_main->setDrawDate(saturday); // no draw on that day: the newest is shown
    CLICK(m_main, "drawListButton");
    list = openWindow("Form3")->findChild<QListWidget*>("drawList");
    QVERIFY(visibleRow(list, int(real.size()) - 1));
    openWindow("Form3")->close();
}

void tst_Form1::gameSwitchChecksEntriesAndRemovesEmptyFile()
{
    QVERIFY(ResultsFile::writeAll(m_fx->path("CAN1.rtl"), {draw(saturday, {1, 2, 3, 4, 5, 6, 0}, 9)}));
    const QString nationalEntries = m_fx->path("Nat64905DEC2026.lot");
    QVERIFY(EntryFile::AppendEntryLine(nationalEntries, {1, 2, 3, 10, 11, 12, 0}, 1));
    QVERIFY(EntryFile::AppendEntryLine(nationalEntries, {20, 21, 22, 23, 24, 25, 0}, 1));
    start();
    const QString westernEntries = m_fx->path("Western05DEC2026.lot");
    QVERIFY(QFile::exists(westernEntries)); // the load created it empty
    QTest::mouseClick(m_main->findChild<QRadioButton*>("nationalRadio"), Qt::LeftButton);
    QVERIFY(!QFile::exists(westernEntries)); // left without a line: removed
    QCOMPARE(text("entryCountEdit"), QStringLiteral("2"));
    // Entries and a draw are both shown, so the switch checked them.
    QCOMPARE(text("totalWinsEdit"), QStringLiteral("1"));
    auto* winning = m_main->findChild<QListView*>("winningList")->model();
    QCOMPARE(winning->rowCount(), 1);
    QCOMPARE(winning->index(0, 0).data().toString(), QStringLiteral("01 02 03 10 11 12 (3)"));
    QVERIFY(m_main->findChild<QListView*>("entryList")->selectionModel()->isRowSelected(0, {}));

    // No draw on the date in the new game: no check, so no "No wins" message either.
    QTest::mouseClick(m_main->findChild<QRadioButton*>("super7Radio"), Qt::LeftButton);
    QVERIFY(m_fx->prompts->shown.isEmpty());
}

void tst_Form1::helpAndAbout()
{
    start();
    TRIGGER(m_main, "actionHelpContents");
    QCOMPARE(m_fx->prompts->last(),
             QStringLiteral("Drawsmith Canada: Cannot find Help file in the installation directory"));
    QVERIFY(QFile::copy(HELP_FILE, m_fx->path("DRAWSMITH.HLP")));
    TRIGGER(m_main, "actionHelpContents");
    auto* help = openWindow("HelpViewer");
    QVERIFY(help);
    auto* browser = help->findChild<QTextBrowser*>("helpBrowser");
    QVERIFY(browser->toPlainText().contains("Add Result"));
    browser->setSource(QUrl(QStringLiteral("#check")));
    CLICK(help, "backButton");
    QVERIFY(!help->findChild<QWidget*>("backButton")->isEnabled());
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!openWindow("HelpViewer"));

    TRIGGER(m_main, "actionAbout");
    auto* about = openWindow("frmAbout");
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("Drawsmith"));
    QCOMPARE(about->findChild<QLabel*>("versionLabel")->text(), QStringLiteral("Version 8.6.0"));
    QCOMPARE(about->findChild<QWidget*>("okButton")->width(), about->findChild<QWidget*>("sysInfoButton")->width());
    QVERIFY(!about->findChild<QLabel*>("logoLabel")->pixmap().isNull()); // the program's icon
#ifndef Q_OS_WIN
    CLICK(about, "sysInfoButton");
    QCOMPARE(m_fx->prompts->last(), QStringLiteral("Drawsmith Canada: System Information Is Unavailable At This Time"));
#endif
    CLICK(about, "okButton");
    QTRY_VERIFY(!openWindow("frmAbout"));
}

void tst_Form1::exitRemovesEmptyEntryFile()
{
    start();
    const QString westernEntries = m_fx->path("Western05DEC2026.lot");
    QVERIFY(QFile::exists(westernEntries));
    TRIGGER(m_main, "actionExit");
    QVERIFY(!QFile::exists(westernEntries));
}

void tst_Form1::unusableFilesAreReported()
{
    // Folders standing where the files should be cannot be opened as files, whoever runs the test.
    QVERIFY(QDir(m_fx->dir->path()).mkdir("game.dat"));
    QVERIFY(QDir(m_fx->dir->path()).mkdir("CAN2.rtl"));
    QVERIFY(QDir(m_fx->dir->path()).mkdir("print.dat"));
    start();
    QCOMPARE(m_main->state().gameId, int16_t(3)); // still starts, on Western
    QVERIFY(m_fx->prompts->shown.size() >= 2);
    QVERIFY2(m_fx->prompts->texts().filter("game.dat").size() >= 1, qPrintable(m_fx->prompts->shown.join(" | ")));
    QVERIFY2(m_fx->prompts->texts().filter("CAN2.rtl").size() >= 1, qPrintable(m_fx->prompts->shown.join(" | ")));
    QVERIFY2(m_fx->prompts->texts().filter("print.dat").size() == 1, qPrintable(m_fx->prompts->shown.join(" | ")));
}

void tst_Form1::damagedFilesAreReportedOnce()
{
    // A history with a ball 999 and an entry file of random bytes: shown as they are, reported
    // once each per run, never changed.
    QVERIFY(ResultsFile::writeAll(
        m_fx->path("CAN2.rtl"),
        {draw(saturday.addDays(-3), {1, 2, 3, 4, 5, 6, 0}, 9), draw(saturday, {1, 2, 3, 4, 5, 999, 0}, 9)}));
    QByteArray noise(28 * 36, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 97 + 13) % 251);
    QFile entries(m_fx->path("Western05DEC2026.lot"));
    QVERIFY(entries.open(QIODevice::WriteOnly) && entries.write(noise) == noise.size());
    entries.close();
    start();
    QVERIFY(m_main->isDrawShown());
    QCOMPARE(m_fx->prompts->texts().filter("CAN2.rtl: draw 2 holds numbers outside 1..49").size(), 1);
    QCOMPARE(m_fx->prompts->texts().filter("Western05DEC2026.lot: ").size(), 1);
    QVERIFY(m_main->entrySet().count() > 0);
    QTest::mouseClick(m_main->findChild<QRadioButton*>("nationalRadio"), Qt::LeftButton);
    QTest::mouseClick(m_main->findChild<QRadioButton*>("provincialRadio"), Qt::LeftButton);
    QCOMPARE(m_fx->prompts->texts().filter("has not been changed").size(), 2);
    QFile back(m_fx->path("Western05DEC2026.lot"));
    QVERIFY(back.open(QIODevice::ReadOnly));
    QCOMPARE(back.readAll(), noise);
}

QTEST_MAIN(tst_Form1)
#include "tst_Form1.moc"
