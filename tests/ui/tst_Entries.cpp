#include "Form5.h"
#include "MainWindowFixture.h"
#include "Printing.h"
#include "editEntry.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QItemSelectionModel>
#include <QPointer>
#include <QPushButton>

// The entries group of the main window (adding, checking, editing, deleting, standing entries,
// wheel sets, printing), and the add and edit windows on their own.
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
        FINISH(m_fx);
    }

    // On National 6/49 over its real history, whose newest draw is 11 20 32 35 38 45, bonus 9.
    void addCheckEditDelete()
    {
        QVERIFY(ResultsFile::writeAll(m_fx->path("CAN1.rtl"), loadRealDraws()));
        m_main = m_fx->start();
        QTest::mouseClick(m_main->findChild<QWidget*>("nationalRadio"), Qt::LeftButton);
        CLICK_SAYS(m_fx, m_main, "deleteEntryButton", "There are no entries to delete");
        CLICK_SAYS(m_fx, m_main, "editEntryButton", "There are no entries displayed to edit.");
        QWidget* add = openAdd();
        QCOMPARE(add->windowTitle(), QStringLiteral("National 6/94 Entries for  5 DEC 2026"));
        QVERIFY(!add->findChild<QLineEdit*>("numberBox7")->isVisible());
        TYPE_BOXES(add, {"5", "5", "50", "2", "3", "4"});
        CLICK_SAYS(m_fx, add, "addButton", "One or more of your numbers are out of range for the game!");
        TYPE_BOXES(add, {"11", "20", "9", "1", "2", "3"}); // two numbers and the bonus win nothing
        CLICK(add, "addButton");
        CLICK(add, "closeButton");
        CLICK_SAYS(m_fx, m_main, "checkButton", "You do not have any draw result listed to check against!");
        m_main->setDrawDate(QDate(2026, 9, 23));
        CLICK_SAYS(m_fx, m_main, "checkButton", "No wins this time!");

        addLines({{"11", "20", "32", "35", "38", "9"}, {"11", "20", "32", "35", "9", "1"}});
        // The winners are selected in one step: one at a time costs the square of their number.
        QSignalSpy selecting(entries()->selectionModel(), &QItemSelectionModel::selectionChanged);
        CLICK(m_main, "checkButton");
        QCOMPARE(selecting.count(), 1);
        auto* winning = m_main->findChild<QAbstractItemView*>("winningList")->model();
        QCOMPARE(rowTexts(winning), QStringList({"09 11 20 32 35 38 (5+B)", "01 09 11 20 32 35 (4)"}));
        QCOMPARE(fieldText(m_main, "totalWinsEdit"), QStringLiteral("2"));
        QCOMPARE(chosenRows(), (QList<int>{1, 2}));
        CLICK(m_main, "editEntryButton");
        SAID(m_fx, "You have more than one entry selected. You must only select one entry at a time for editing.");
        // A plain click after a check chooses one line instead of adding it to the winners.
        clickRow(entries(), 0);
        QCOMPARE(chosenRows(), QList<int>{0});
        clickRow(entries(), 0, Qt::ControlModifier);
        CLICK_SAYS(m_fx, m_main, "editEntryButton", "You have not selected an entry to edit.");
        CLICK_SAYS(m_fx, m_main, "deleteEntryButton", "You have not selected any entries for deletion.");

        // Winning lines belong to the lines as checked: an edit empties them.
        CLICK(m_main, "checkButton");
        clickRow(entries(), 1);
        CLICK(m_main, "editEntryButton");
        QWidget* editor = openWindow("editEntry");
        QVERIFY(editor && !m_main->isInputEnabled());
        QCOMPARE(fieldText(editor, "numberBox1"), QStringLiteral("09"));
        TYPE_BOXES(editor, {"49", "45", "46", "47", "48", "44"});
        CLICK(editor, "changeButton");
        QVERIFY(m_main->isInputEnabled());
        QCOMPARE(rowTexts(entries()->model()).value(1), QStringLiteral("44 45 46 47 48 49"));
        QCOMPARE(chosenRows(), QList<int>{1});
        QCOMPARE(winning->rowCount(), 0);
        QCOMPARE(fieldText(m_main, "totalWinsEdit"), QStringLiteral("0"));

        const QString file = m_main->entrySet().path();
        m_fx->prompts.answers << false << true << true;
        CLICK_SAYS(m_fx, m_main, "deleteEntryButton", "Are you sure you want to delete the selected entry?");
        QVERIFY(m_fx->prompts.noByDefault.last()); // Enter does not delete
        QCOMPARE(count(), QStringLiteral("3"));
        clickRow(entries(), 0);
        clickRow(entries(), 2, Qt::ControlModifier);
        const qsizetype shownBefore = m_fx->prompts.shown.size();
        QTest::keyClick(entries(), Qt::Key_Delete); // the key asks as the button does
        SAID(m_fx, "Are you sure you want to delete the 2 selected entries?");
        QCOMPARE(m_fx->prompts.shown.size(), shownBefore + 1); // no closing message
        QCOMPARE(rowTexts(entries()->model()), QStringList{"44 45 46 47 48 49"});
        QCOMPARE(EntryFile::ReadEntryCount(file), std::optional<int>(1));
        clickRow(entries(), 0);
        CLICK_SAYS(m_fx, m_main, "deleteEntryButton", "Done");
        QCOMPARE(count(), QStringLiteral("0"));
        m_main->setEntryDate(m_fx->today.addDays(4));
        QVERIFY(!QFile::exists(file)); // emptied, then left
    }

    // On Western 6/49, with no history.
    void standingWheelSetsAndPrinting()
    {
        m_fx->printers.names = {"Home"};
        m_main = m_fx->start();

        TRIGGER_SAYS(
            m_fx, m_main, "actionSaveStanding", "You do not have any entries displayed to save as a standing entry");
        TRIGGER_SAYS(m_fx, m_main, "actionOpenStanding", "You do not have a standing entry for this game!");
        CLICK_SAYS(m_fx, m_main, "printWinningButton", "There is no list to print!");
        addLines({{"1", "2", "3", "4", "5", "6"}, {"3", "9", "18", "27", "36", "45"}});
        CLICK(m_main, "printEntriesButton");
        QCOMPARE(m_fx->printers.jobs.size(), size_t(1));
        QCOMPARE(m_fx->printers.jobs.front().printer, QStringLiteral("Home"));
        QCOMPARE(m_fx->printers.jobs.front().lines, listPrintLines({"01 02 03 04 05 06", "03 09 18 27 36 45"}));
        m_fx->printers.failJobs = true;
        CLICK(m_main, "printEntriesButton");
        QVERIFY(m_fx->prompts.last().contains("out of paper"));

        const QString standing = m_fx->path("StandWestern.lot");
        const QString dated = m_fx->path("Western05DEC2026.lot");
        TRIGGER_SAYS(m_fx, m_main, "actionSaveStanding", "Done!");
        QCOMPARE(readFileBytes(standing), readFileBytes(dated));
        addLines({{"13", "14", "15", "16", "17", "18"}});
        m_fx->prompts.answers << false << true;
        TRIGGER(m_main, "actionSaveStanding");
        QCOMPARE(m_fx->prompts.last(),
                 QStringLiteral("Drawsmith: You already have a standing for this game. Only one standing entry is "
                                "allowed per game. Do you want to continue and overwrite your existing file?"));
        QCOMPARE(EntryFile::ReadEntryCount(standing), std::optional<int>(2));
        TRIGGER(m_main, "actionSaveStanding");
        QCOMPARE(readFileBytes(standing), readFileBytes(dated));

        m_main->setEntryDate(m_fx->today.addDays(4)); // an empty dated file, left again by opening the standing entry
        const QString emptyDated = m_fx->path("Western09DEC2026.lot");
        QVERIFY(QFile::exists(emptyDated));
        TRIGGER(m_main, "actionOpenStanding");
        QVERIFY(!QFile::exists(emptyDated));
        QCOMPARE(count(), QStringLiteral("3"));
        QCOMPARE(m_main->findChild<QLabel*>("setNameLabel")->text(), QStringLiteral("Standing Entry"));
        QWidget* add = openAdd(); // no weekday question for a standing entry
        QCOMPARE(add->windowTitle(), QStringLiteral("Standing Entry"));
        add->close(); // the frame's close button behaves as Close
        QVERIFY(m_main->isInputEnabled());
        TRIGGER_SAYS(m_fx, m_main, "actionSaveStanding", "Done.");
        CLICK(m_main, "datedEntryButton");
        QVERIFY(!m_main->findChild<QWidget*>("datedEntryButton")->isVisible());
        QVERIFY(!m_main->findChild<QLabel*>("setNameLabel")->isVisible()); // a dated list names itself by its date
        QCOMPARE(m_main->entrySet().path(), emptyDated);

        // A wheel set loses its guarantee when changed, so a change asks first.
        const QString wheelSet = m_fx->path("Western-6-4-3.lot");
        QVERIFY(EntryFile::AppendEntryLine(wheelSet, {1, 2, 3, 4, 5, 6, 0}, 3));
        QVERIFY(m_main->entrySet().open(wheelSet, 3, 9));
        m_fx->prompts.answers << false << true;
        QVERIFY(!openAdd());
        SAID(m_fx, "Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to continue?");
        QCOMPARE(openAdd()->windowTitle(), QStringLiteral("Wheel Entry"));
        openWindow("Form5")->close();
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
        QCOMPARE(rowTexts(m_main->findChild<QAbstractItemView*>("winningList")->model()),
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

    // The edit and add windows over an entry set of their own, when the set refuses a line.
    void failedWrites()
    {
        const QString name = QStringLiteral("Ontario05DEC2026.lot");
        QVERIFY(m_fx->entries.open(m_fx->path(name), 6));
        QVERIFY(m_fx->entries.append({{1, 2, 3, 4, 5, 6, 0}, {7, 8, 9, 10, 11, 12, 0}}));
        // Another copy of the program deletes the line being edited: nothing is changed, and the
        // window closes on the lines shown afresh.
        QPointer<editEntry> stale = new editEntry(m_fx->entries, 0, m_fx->entries.lines()[0], nullptr);
        stale->show();
        QVERIFY(EntryFile::DeleteEntryLine(m_fx->entries.path(), 1));
        TYPE_BOXES(stale, {"40", "41", "42", "43", "44", "45"});
        CLICK(stale, "changeButton");
        QVERIFY2(m_fx->prompts.last().contains("changed outside the program"), qPrintable(m_fx->prompts.last()));
        QVERIFY(!stale || !stale->isVisible());
        QCOMPARE(EntryFile::readAllLines(m_fx->entries.path()),
                 std::optional(std::vector<EntryNumbers>{{7, 8, 9, 10, 11, 12, 0}}));

        // A set file that turned into a folder cannot be written: the add window says so and stays.
        QVERIFY(QDir(m_fx->dir.path()).mkdir("StandBC.lot"));
        Form5* add = openAlone(4, QStringLiteral("StandBC.lot"));
        TYPE_BOXES(add, {"1", "2", "3", "4", "5", "6"});
        CLICK(add, "addButton");
        QVERIFY2(m_fx->prompts.last().contains("StandBC.lot"), qPrintable(m_fx->prompts.last()));
        QCOMPARE(m_fx->entries.count(), 0);
        QVERIFY(add->isVisible());
    }

    // Over 20 copies of one draw, which yield one line and then nothing new.
    void suggestionsStop_data()
    {
        // Pressed as soon as the run lets events through; "enter": none, the run starts by Enter.
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QString>("message");
        const QString noFurther = "1 of 5 lines were added. No further line was found in 200000 attempts";
        QTest::newRow("no further line") << QString() << noFurther;
        QTest::newRow("cancel keeps the line made") << "suggestCancelButton" << QString();
        QTest::newRow("closing stops, then closes") << "close" << QString();
        // Enter presses the button of the frame typed in, and only that one.
        QTest::newRow("Enter in Enter No") << "enter" << noFurther;
    }

    void suggestionsStop()
    {
        QFETCH(QString, stop);
        QFETCH(QString, message);
        QVERIFY(ResultsFile::writeAll(m_fx->path("CAN1.rtl"), std::vector<DrawRecord>(20, loadRealDraws().back())));
        Form5* add = openAlone(1, QStringLiteral("StandLotto.lot"));
        QSignalSpy closed(add, &ChildWindow::closed);
        CLICK(add, "suggestCancelButton"); // a Cancel while nothing runs stops no later run
        auto* count = add->findChild<QLineEdit*>("suggestCountEdit");
        QTest::keyClicks(count, "5");
        QTest::mouseClick(add->findChild<QWidget*>("additionalRadio"), Qt::LeftButton);
        if (stop == "close")
            QTimer::singleShot(0, add, &QWidget::close);
        else if (stop.endsWith("Button"))
            QTimer::singleShot(0, add, [&] { QTest::mouseClick(add->findChild<QPushButton*>(stop), Qt::LeftButton); });
        if (stop == "enter") {
            QTest::mouseClick(count, Qt::LeftButton);
            QTest::keyClick(count, Qt::Key_Return);
        } else {
            CLICK(add, "suggestAddButton");
        }
        QCOMPARE(EntryFile::ReadEntryCount(m_fx->entries.path()), std::optional<int>(1));
        QCOMPARE(m_fx->prompts.texts().value(0).left(message.size()), message);
        QCOMPARE(m_fx->prompts.shown.size(), message.isEmpty() ? 0 : 1);
        QCOMPARE(closed.count(), stop == "close" ? 1 : 0);
    }

private:
    QAbstractItemView* entries() const
    {
        return m_main->findChild<QAbstractItemView*>("entryList");
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

    // An add window over the fixture's own entry set, without the main window.
    Form5* openAlone(int gameId, const QString& name)
    {
        m_fx->entries.open(m_fx->path(name), gameId);
        const QString history = m_fx->path(GameCatalogue::game(gameId).resultsFile);
        auto* add = new Form5(m_fx->entries, QStringLiteral("Standing Entry"), history, m_fx->random, nullptr);
        add->show();
        return add;
    }

    std::unique_ptr<MainWindowFixture> m_fx;
    Form1* m_main = nullptr;
};

QTEST_MAIN(tst_Entries)
#include "tst_Entries.moc"
