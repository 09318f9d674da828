#include "EntryFile.h"
#include "MainWindowFixture.h"
#include "Printing.h"
#include "RealDraws.h"
#include "ResultsFile.h"
#include "TestFiles.h"
#include "UiDriver.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

// The entries group of the main window: opening the add and edit windows, deleting, checking,
// standing entries and printing, driven through its buttons, menus and list.
class tst_Entries : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fx = std::make_unique<MainWindowFixture>();
    }

    void cleanup()
    {
        FINISH_MAIN_WINDOW(m_fx);
        m_fx.reset();
    }

    void addWindowTitlesAndQuestions()
    {
        m_main = m_fx->start();
        QTest::mouseClick(m_main->findChild<QWidget*>("nationalRadio"), Qt::LeftButton);
        QWidget* add = openAdd();
        QVERIFY(add);
        QCOMPARE(add->windowTitle(), QStringLiteral("National 6/94 Entries for  5 DEC 2026"));
        QVERIFY(!add->findChild<QLineEdit*>("numberBox7")->isVisible());
        // While the add window is open the main window keeps its look but a click on it does nothing.
        QWidget* addButton = m_main->findChild<QWidget*>("addEntryButton");
        QVERIFY(addButton->isEnabled());
        clickThroughWindow(addButton);
        clickThroughWindow(m_main->findChild<QWidget*>("checkButton"));
        QVERIFY(m_fx->prompts->shown.isEmpty());
        QCOMPARE(m_main->findChildren<QWidget*>("Form5").size(), 1);
        add->close(); // the frame's close button behaves as Close
        QVERIFY(m_main->isInputEnabled());
        clickThroughWindow(m_main->findChild<QWidget*>("checkButton"));
        QCOMPARE(m_fx->prompts->last(), app + "You do not have any entries listed to check!");

        QTest::mouseClick(m_main->findChild<QWidget*>("super7Radio"), Qt::LeftButton);
        m_fx->prompts->answers << false;
        QVERIFY(!openAdd());
        QCOMPARE(m_fx->prompts->last(),
                 app + "This is not a Friday date. Are you sure you want to create/edit an entry for this date?");

        m_main->setEntryDate(QDate(2026, 12, 4)); // a Friday: Super 7's day, not Western's
        QTest::mouseClick(m_main->findChild<QWidget*>("provincialRadio"), Qt::LeftButton);
        m_fx->prompts->answers << true;
        QVERIFY(openAdd());
        QCOMPARE(
            m_fx->prompts->last(),
            app
                + "This is not a Saturday or Wednesday date. Are you sure you want to create/edit an entry for this "
                  "date?");
        openWindow("Form5")->close();
    }

    void deleteChosenLines()
    {
        m_main = m_fx->start();
        CLICK(m_main, "deleteEntryButton");
        QCOMPARE(m_fx->prompts->last(), app + "There are no entries to delete");
        addLines({{"1", "2", "3", "4", "5", "6"},
                  {"2", "3", "4", "5", "6", "7"},
                  {"3", "4", "5", "6", "7", "8"},
                  {"4", "5", "6", "7", "8", "9"}});
        chooseRows(entries(), {});
        CLICK(m_main, "deleteEntryButton");
        QCOMPARE(m_fx->prompts->last(), app + "You have not selected any entries for deletion.");
        chooseRows(entries(), {1});
        m_fx->prompts->answers << false;
        CLICK(m_main, "deleteEntryButton");
        QCOMPARE(m_fx->prompts->last(), app + "Are you sure you want to delete the selected entry?");
        QVERIFY(m_fx->prompts->noByDefault.last()); // Enter does not delete
        QCOMPARE(count(), QStringLiteral("4"));

        chooseRows(entries(), {1, 3});
        m_fx->prompts->answers << true;
        const qsizetype shownBefore = m_fx->prompts->shown.size();
        QTest::keyClick(entries(), Qt::Key_Delete); // the key asks as the button does
        QCOMPARE(m_fx->prompts->last(), app + "Are you sure you want to delete the 2 selected entries?");
        QCOMPARE(m_fx->prompts->shown.size(), shownBefore + 1); // no closing message
        QCOMPARE(rowTexts(entries()), QStringList({"01 02 03 04 05 06", "03 04 05 06 07 08"}));
        const QString file = m_fx->path("Western05DEC2026.lot");
        QCOMPARE(EntryFile::ReadEntryCount(file), std::optional<int>(2));

        chooseRows(entries(), {0, 1});
        m_fx->prompts->answers << true;
        CLICK(m_main, "deleteEntryButton");
        QCOMPARE(m_fx->prompts->last(), app + "Done");
        QCOMPARE(count(), QStringLiteral("0"));
        m_main->setEntryDate(m_fx->today.addDays(4));
        QVERIFY(!QFile::exists(file)); // emptied, then left
    }

    void wheelSetsAskFirst()
    {
        const QString wheelSet = m_fx->path("Western-6-4-3.lot");
        QVERIFY(EntryFile::AppendEntryLine(wheelSet, {1, 2, 3, 4, 5, 6, 0}, 3));
        m_main = m_fx->start();
        QVERIFY(m_main->entrySet().open(wheelSet, 3, 9));
        m_fx->prompts->answers << false << false << false;
        QVERIFY(!openAdd());
        chooseRows(entries(), {0});
        CLICK(m_main, "editEntryButton");
        CLICK(m_main, "deleteEntryButton");
        const QString modifying =
            "Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to "
            "continue?";
        QCOMPARE(m_fx->prompts->texts(),
                 (QStringList{modifying,
                              "Editing a wheel entry can change the guarantee of the wheel. Are you sure you want to "
                              "continue?",
                              modifying}));
        m_fx->prompts->answers << true;
        QCOMPARE(openAdd()->windowTitle(), QStringLiteral("Wheel Entry"));
        openWindow("Form5")->close();
        QCOMPARE(EntryFile::ReadEntryCount(wheelSet), std::optional<int>(1));
    }

    void checkAgainstRealDraw()
    {
        QVERIFY(ResultsFile::writeAll(m_fx->path("CAN1.rtl"), loadRealDraws()));
        m_main = m_fx->start();
        QTest::mouseClick(m_main->findChild<QWidget*>("nationalRadio"), Qt::LeftButton);
        CLICK(m_main, "editEntryButton");
        QCOMPARE(m_fx->prompts->last(), app + "There are no entries displayed to edit.");
        // A line with two numbers and the bonus wins nothing, and no draw on the entries' date.
        addLines({{"11", "20", "9", "1", "2", "3"}});
        CLICK(m_main, "checkButton");
        QCOMPARE(m_fx->prompts->last(), app + "You do not have any draw result listed to check against!");
        m_main->setDrawDate(QDate(2026, 9, 23)); // the newest draw: 11 20 32 35 38 45, bonus 9
        CLICK(m_main, "checkButton");
        QCOMPARE(m_fx->prompts->last(), app + "No wins this time!");
        QCOMPARE(fieldText(m_main, "totalWinsEdit"), QStringLiteral("0"));

        addLines({{"11", "20", "32", "35", "38", "9"}, {"11", "20", "32", "35", "9", "1"}});
        QVERIFY(m_main->entrySet().path().endsWith("Nat64905DEC2026.lot"));
        // The winners are selected in one step: one at a time costs the square of their number.
        QSignalSpy selecting(entries()->selectionModel(), &QItemSelectionModel::selectionChanged);
        CLICK(m_main, "checkButton");
        QCOMPARE(selecting.count(), 1);
        auto* winning = m_main->findChild<QAbstractItemView*>("winningList");
        QCOMPARE(rowTexts(winning), QStringList({"09 11 20 32 35 38 (5+B)", "01 09 11 20 32 35 (4)"}));
        QCOMPARE(fieldText(m_main, "totalWinsEdit"), QStringLiteral("2"));
        QCOMPARE(chosenRows(), (QList<int>{1, 2}));
        CLICK(m_main, "editEntryButton");
        QCOMPARE(m_fx->prompts->last(),
                 app + "You have more than one entry selected. You must only select one entry at a time for editing.");

        // A plain click after a check chooses one line instead of adding it to the winners.
        clickRow(entries(), 0);
        QCOMPARE(chosenRows(), QList<int>{0});
        chooseRows(entries(), {});
        CLICK(m_main, "editEntryButton");
        QCOMPARE(m_fx->prompts->last(), app + "You have not selected an entry to edit.");

        // Winning lines belong to the lines as checked: an edit empties them.
        CLICK(m_main, "checkButton");
        clickRow(entries(), 1);
        CLICK(m_main, "editEntryButton");
        QWidget* editor = openWindow("editEntry");
        QVERIFY(editor);
        QVERIFY(!m_main->isInputEnabled());
        QCOMPARE(fieldText(editor, "numberBox1"), QStringLiteral("09"));
        TYPE_BOXES(editor, {"49", "45", "46", "47", "48", "44"});
        CLICK(editor, "changeButton");
        QVERIFY(m_main->isInputEnabled());
        QCOMPARE(rowTexts(entries()).value(1), QStringLiteral("44 45 46 47 48 49"));
        QCOMPARE(chosenRows(), QList<int>{1});
        QCOMPARE(winning->model()->rowCount(), 0);
        QCOMPARE(fieldText(m_main, "totalWinsEdit"), QStringLiteral("0"));
    }

    void standingEntries()
    {
        m_main = m_fx->start();
        TRIGGER(m_main, "actionSaveStanding");
        QCOMPARE(m_fx->prompts->last(), app + "You do not have any entries displayed to save as a standing entry");
        TRIGGER(m_main, "actionOpenStanding");
        QCOMPARE(m_fx->prompts->last(), app + "You do not have a standing entry for this game!");
        const QString standing = m_fx->path("StandWestern.lot");

        addLines({{"1", "2", "3", "4", "5", "6"}, {"7", "8", "9", "10", "11", "12"}});
        TRIGGER(m_main, "actionSaveStanding");
        QCOMPARE(m_fx->prompts->last(), app + "Done!");
        const QString dated = m_fx->path("Western05DEC2026.lot");
        QCOMPARE(readFileBytes(standing), readFileBytes(dated));

        addLines({{"13", "14", "15", "16", "17", "18"}});
        m_fx->prompts->answers << false << true;
        TRIGGER(m_main, "actionSaveStanding");
        QCOMPARE(
            m_fx->prompts->last(),
            QStringLiteral("Drawsmith: You already have a standing for this game. Only one standing entry is allowed "
                           "per game. Do you want to continue and overwrite your existing file?"));
        QCOMPARE(EntryFile::ReadEntryCount(standing), std::optional<int>(2));
        TRIGGER(m_main, "actionSaveStanding");
        QCOMPARE(readFileBytes(standing), readFileBytes(dated));

        m_main->setEntryDate(m_fx->today.addDays(4)); // an empty dated file, left again by opening the standing entry
        const QString emptyDated = m_fx->path("Western09DEC2026.lot");
        QVERIFY(QFile::exists(emptyDated));
        TRIGGER(m_main, "actionOpenStanding");
        QVERIFY(!QFile::exists(emptyDated));
        QCOMPARE(m_main->entrySet().path(), standing);
        QCOMPARE(count(), QStringLiteral("3"));
        QCOMPARE(setName()->text(), QStringLiteral("Standing Entry"));
        QWidget* add = openAdd(); // no weekday question for a standing entry
        QCOMPARE(add->windowTitle(), QStringLiteral("Standing Entry"));
        add->close();
        TRIGGER(m_main, "actionSaveStanding");
        QCOMPARE(m_fx->prompts->last(), app + "Done.");

        CLICK(m_main, "datedEntryButton");
        QVERIFY(!m_main->findChild<QWidget*>("datedEntryButton")->isVisible());
        QVERIFY(!setName()->isVisible()); // a dated list names itself by its date
        QCOMPARE(m_main->entrySet().path(), emptyDated);
    }

    void printerSelectionAndPrinting()
    {
        m_main = m_fx->start();
        TRIGGER(m_main, "actionSelectPrinter");
        QWidget* selection = openWindow("Form30");
        QVERIFY(selection);
        QCOMPARE(selection->findChild<QComboBox*>("printerCombo")->currentText(),
                 QStringLiteral("No Printer Available"));
        CLICK(selection, "closeButton");
        QVERIFY(!m_main->findChild<QWidget*>("printEntriesButton")->isEnabled());

        m_fx->printers.names = {"Office", "Home"}; // printers installed while the program runs
        TRIGGER(m_main, "actionSelectPrinter");
        auto* combo = openWindow("Form30")->findChild<QComboBox*>("printerCombo");
        QCOMPARE(combo->currentText(), QStringLiteral("Office"));
        combo->setCurrentIndex(1);
        CLICK(openWindow("Form30"), "closeButton");
        QCOMPARE(readFileBytes(m_fx->path("print.dat")), QByteArray("Home") + QByteArray(251, ' '));

        CLICK(m_main, "printWinningButton");
        QCOMPARE(m_fx->prompts->last(), app + "There is no list to print!");
        addLines({{"1", "2", "3", "4", "5", "6"}, {"3", "9", "18", "27", "36", "45"}});
        CLICK(m_main, "printEntriesButton");
        QCOMPARE(m_fx->printers.jobs.size(), size_t(1));
        QCOMPARE(m_fx->printers.jobs.front().printer, QStringLiteral("Home"));
        QCOMPARE(m_fx->printers.jobs.front().lines, listPrintLines({"01 02 03 04 05 06", "03 09 18 27 36 45"}));
        m_fx->printers.failJobs = true;
        CLICK(m_main, "printEntriesButton");
        QVERIFY(m_fx->prompts->last().contains("out of paper"));
    }

    void suggestedLinesReachTheList()
    {
        QVERIFY(ResultsFile::writeAll(m_fx->path("CAN2.rtl"), loadRealDraws())); // Western, the first game
        m_main = m_fx->start();
        addLines({{"1", "2", "3", "4", "5", "6"}});
        QWidget* add = openAdd();
        QVERIFY(add);
        QTest::keyClicks(add->findChild<QLineEdit*>("suggestCountEdit"), "4"); // "Total": three more
        CLICK(add, "suggestAddButton");
        QCOMPARE(count(), QStringLiteral("4"));
        CLICK(add, "closeButton");
        QCOMPARE(EntryFile::ReadEntryCount(m_main->entrySet().path()), std::optional<int>(4));
    }

    // Lotto Max from the selector to a ball's window, on a Tuesday of its 1..52 period.
    void lottoMaxWalk()
    {
        m_main = m_fx->start();
        const QDate tuesday(2026, 12, 1);
        m_main->setDrawDate(tuesday);
        m_main->setEntryDate(tuesday);
        QTest::mouseClick(m_main->findChild<QWidget*>("lottoMaxRadio"), Qt::LeftButton);
        QCOMPARE(m_main->findChild<QGroupBox*>("entriesGroup")->title(), QStringLiteral("My Enties for Lotto Max"));

        CLICK(m_main, "addDrawButton"); // a draw day of the period: no question
        QWidget* addResult = openWindow("Form2");
        QVERIFY(addResult);
        TYPE_BOXES(addResult, {"8", "24", "38", "41", "43", "50", "52", "7"});
        CLICK(addResult, "addButton");
        const auto& shown = m_main->state().displayedNumbers;
        QCOMPARE(QList<int16_t>(shown.begin(), shown.begin() + 8), QList<int16_t>({8, 24, 38, 41, 43, 50, 52, 7}));
        QVERIFY(m_main->findChild<QLabel*>("ball7")->property("bonusLook").toBool());

        QWidget* add = openAdd();
        QVERIFY(add);
        QCOMPARE(add->windowTitle(), QStringLiteral("Lotto Max Entries for  1 DEC 2026"));
        TYPE_BOXES(add, {"43", "41", "38", "24", "8", "7", "1"}); // five numbers and the bonus
        CLICK(add, "addButton");
        CLICK(add, "closeButton");
        CLICK(m_main, "checkButton");
        QCOMPARE(rowTexts(m_main->findChild<QAbstractItemView*>("winningList")),
                 QStringList{"01 07 08 24 38 41 43 (5+B)"});

        CLICK(m_main, "statsButton");
        QWidget* stats = openWindow("Form4");
        QVERIFY(stats && QTest::qWaitForWindowExposed(stats));
        TRIGGER(stats, "actionShowLottoMax");
        auto* view = stats->findChild<QChartView*>("chartView");
        QChart* chart = view->chart();
        auto* series = static_cast<QBarSeries*>(chart->series().front());
        QCOMPARE(series->barSets().front()->count(), 52);
        // A real click on the middle of bar 52, which the one draw holds.
        const QPointF middle = chart->mapToPosition(QPointF(51, 0.5), series);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(chart->mapToScene(middle)));
        QWidget* ball = openWindow("Form26");
        QVERIFY(ball);
        QVERIFY2(ball->windowTitle().endsWith("<Ball  52>"), qPrintable(ball->windowTitle()));
        CLICK(ball, "closeButton");
        CLICK(stats, "closeButton");
        QTRY_VERIFY(m_main->isInputEnabled());
    }

private:
    QAbstractItemView* entries() const
    {
        return m_main->findChild<QAbstractItemView*>("entryList");
    }

    QLabel* setName() const
    {
        return m_main->findChild<QLabel*>("setNameLabel");
    }

    QString count() const
    {
        return fieldText(m_main, "entryCountEdit");
    }

    QWidget* openAdd()
    {
        QTest::mouseClick(m_main->findChild<QWidget*>("addEntryButton"), Qt::LeftButton);
        return openWindow("Form5");
    }

    void addLines(const QList<QStringList>& lines)
    {
        QWidget* add = openAdd();
        QVERIFY(add);
        for (const QStringList& line : lines) {
            TYPE_BOXES(add, line);
            CLICK(add, "addButton");
        }
        CLICK(add, "closeButton");
    }

    QList<int> chosenRows() const
    {
        QList<int> rows;
        for (const QModelIndex& index : entries()->selectionModel()->selectedRows())
            rows << index.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    const QString app = QStringLiteral("Drawsmith Canada: ");
    std::unique_ptr<MainWindowFixture> m_fx;
    Form1* m_main = nullptr;
};

QTEST_MAIN(tst_Entries)
#include "tst_Entries.moc"
