#include "EntryFile.h"
#include "MainWindowFixture.h"
#include "RealDraws.h"
#include "ResultsFile.h"
#include "UiDriver.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QTest>

namespace
{
const QString app = QStringLiteral("Drawsmith Canada: ");

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

// The entries group of the main window: opening the add and edit windows, deleting, checking,
// standing entries and printing, driven through its buttons, menus and list.
class tst_Entries : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void addWindowTitlesAndQuestions();
    void editChosenLine();
    void deleteChosenLines();
    void wheelSetsAskFirst();
    void checkMessagesAndWins();
    void checkAgainstRealDraw();
    void standingEntries();
    void printLists();
    void printerSelection();
    void suggestedLinesReachTheList();

private:
    QListView* entries() const;
    QString count() const;
    QWidget* openAdd();
    void addLines(const QList<QStringList>& lines);
    QList<int> chosenRows() const;

    std::unique_ptr<MainWindowFixture> m_fx;
    Form1* m_main = nullptr;
};

void tst_Entries::init()
{
    m_fx = std::make_unique<MainWindowFixture>();
}

void tst_Entries::cleanup()
{
    FINISH_MAIN_WINDOW(m_fx);
    m_fx.reset();
}

QListView* tst_Entries::entries() const
{
    return m_main->findChild<QListView*>("entryList");
}

QString tst_Entries::count() const
{
    return m_main->findChild<QLineEdit*>("entryCountEdit")->text();
}

QWidget* tst_Entries::openAdd()
{
    QTest::mouseClick(m_main->findChild<QWidget*>("addEntryButton"), Qt::LeftButton);
    return openWindow("Form5");
}

void tst_Entries::addLines(const QList<QStringList>& lines)
{
    QWidget* add = openAdd();
    QVERIFY(add);
    for (const QStringList& line : lines) {
        TYPE_BOXES(add, line);
        CLICK(add, "addButton");
    }
    CLICK(add, "closeButton");
}

QList<int> tst_Entries::chosenRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : entries()->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void tst_Entries::addWindowTitlesAndQuestions()
{
    m_main = m_fx->start();
    QTest::mouseClick(m_main->findChild<QRadioButton*>("nationalRadio"), Qt::LeftButton);
    clickThroughWindow(m_main->findChild<QWidget*>("checkButton"));
    QCOMPARE(m_fx->prompts->last(), app + "You do not have any entries listed to check!");
    m_fx->prompts->shown.clear();
    QWidget* add = openAdd();
    QVERIFY(add);
    QCOMPARE(add->windowTitle(), QStringLiteral("National 6/94 Entries for  5 DEC 2026"));
    QVERIFY(!add->findChild<QLineEdit*>("numberBox7")->isVisible());
    QVERIFY(!m_main->isInputEnabled());
    // While the add window is open the main window keeps its look but a click on it does nothing.
    QWidget* addButton = m_main->findChild<QWidget*>("addEntryButton");
    QVERIFY(addButton->isEnabled());
    clickThroughWindow(addButton);
    clickThroughWindow(m_main->findChild<QWidget*>("checkButton"));
    QVERIFY(m_fx->prompts->shown.isEmpty());
    QCOMPARE(m_main->findChildren<QWidget*>("Form5").size(), 1);
    add->close(); // the frame's close button behaves as Close
    QVERIFY(m_main->isInputEnabled());

    QTest::mouseClick(m_main->findChild<QRadioButton*>("provincialRadio"), Qt::LeftButton);
    QCOMPARE(openAdd()->windowTitle(), QStringLiteral("Western 6/49 Entries for  5 DEC 2026"));
    QTest::keyClick(openWindow("Form5"), Qt::Key_Escape);
    QVERIFY(!openWindow("Form5"));

    QTest::mouseClick(m_main->findChild<QRadioButton*>("super7Radio"), Qt::LeftButton);
    m_fx->prompts->answers << false;
    QVERIFY(!openAdd());
    QCOMPARE(m_fx->prompts->last(),
             app + "This is not a Friday date. Are you sure you want to create/edit an entry for this date?");
    m_main->setEntryDate(QDate(2026, 12, 4));
    add = openAdd();
    QCOMPARE(add->windowTitle(), QStringLiteral("Super 7 Entries for  4 DEC 2026"));
    QVERIFY(add->findChild<QLineEdit*>("numberBox7")->isVisible());
    add->close();

    QTest::mouseClick(m_main->findChild<QRadioButton*>("nationalRadio"), Qt::LeftButton);
    m_fx->prompts->answers << true;
    QVERIFY(openAdd());
    QCOMPARE(m_fx->prompts->last(),
             app
                 + "This is not a Saturday or Wednesday date. Are you sure you want to create/edit an entry for this "
                   "date?");
    openWindow("Form5")->close();
}

void tst_Entries::editChosenLine()
{
    m_main = m_fx->start();
    CLICK(m_main, "editEntryButton");
    QCOMPARE(m_fx->prompts->last(), app + "There are no entries displayed to edit.");
    addLines({{"1", "2", "3", "4", "5", "6"}, {"7", "8", "9", "10", "11", "12"}});
    chooseRows(entries(), {});
    CLICK(m_main, "editEntryButton");
    QCOMPARE(m_fx->prompts->last(), app + "You have not selected an entry to edit.");
    chooseRows(entries(), {0, 1});
    CLICK(m_main, "editEntryButton");
    QCOMPARE(m_fx->prompts->last(),
             app + "You have more than one entry selected. You must only select one entry at a time for editing.");

    // A plain click after a multiple choice chooses that one line alone.
    clickRow(entries(), 1);
    QCOMPARE(chosenRows(), QList<int>{1});
    CLICK(m_main, "editEntryButton");
    QWidget* editor = openWindow("editEntry");
    QVERIFY(editor);
    QCOMPARE(editor->findChild<QLineEdit*>("numberBox1")->text(), QStringLiteral("07"));
    QVERIFY(!editor->findChild<QLineEdit*>("numberBox7")->isVisible());
    TYPE_BOXES(editor, {"49", "8", "9", "10", "11", "1"});
    QTest::keyClick(editor->findChild<QLineEdit*>("numberBox6"), Qt::Key_Return); // Enter presses Change
    QTRY_VERIFY(!openWindow("editEntry"));
    QVERIFY(m_main->isInputEnabled());
    QCOMPARE(entries()->model()->index(1, 0).data().toString(), QStringLiteral("01 08 09 10 11 49"));
    QCOMPARE(chosenRows(), QList<int>{1});
    const auto lines = EntryFile::readAllLines(m_fx->path("Western05DEC2026.lot")).value();
    QCOMPARE(lines[1], (EntryNumbers{1, 8, 9, 10, 11, 49, 0}));
}

void tst_Entries::deleteChosenLines()
{
    m_main = m_fx->start();
    CLICK(m_main, "deleteEntryButton");
    QCOMPARE(m_fx->prompts->last(), app + "There are no entries to delete");
    addLines({{"1", "2", "3", "4", "5", "6"},
              {"2", "3", "4", "5", "6", "7"},
              {"3", "4", "5", "6", "7", "8"},
              {"4", "5", "6", "7", "8", "9"},
              {"5", "6", "7", "8", "9", "10"}});
    chooseRows(entries(), {});
    CLICK(m_main, "deleteEntryButton");
    QCOMPARE(m_fx->prompts->last(), app + "You have not selected any entries for deletion.");
    chooseRows(entries(), {1});
    m_fx->prompts->answers << false;
    CLICK(m_main, "deleteEntryButton");
    QCOMPARE(m_fx->prompts->last(), app + "Are you sure you want to delete the selected entry?");
    QVERIFY(m_fx->prompts->noByDefault.last()); // Enter does not delete
    QCOMPARE(count(), QStringLiteral("5"));

    chooseRows(entries(), {1, 3});
    m_fx->prompts->answers << true;
    const qsizetype shownBefore = m_fx->prompts->shown.size();
    CLICK(m_main, "deleteEntryButton");
    QCOMPARE(m_fx->prompts->last(), app + "Are you sure you want to delete the 2 selected entries?");
    QCOMPARE(m_fx->prompts->shown.size(), shownBefore + 1); // no closing message
    QCOMPARE(count(), QStringLiteral("3"));
    QCOMPARE(entries()->model()->index(1, 0).data().toString(), QStringLiteral("03 04 05 06 07 08"));
    const QString file = m_fx->path("Western05DEC2026.lot");
    QCOMPARE(EntryFile::ReadEntryCount(file), std::optional<int>(3));

    chooseRows(entries(), {0, 1, 2});
    m_fx->prompts->answers << true;
    CLICK(m_main, "deleteEntryButton");
    QCOMPARE(m_fx->prompts->last(), app + "Done");
    QCOMPARE(count(), QStringLiteral("0"));
    m_main->setEntryDate(m_fx->today.addDays(4));
    QVERIFY(!QFile::exists(file)); // emptied, then left
}

void tst_Entries::wheelSetsAskFirst()
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
    QCOMPARE(m_fx->prompts->texts(),
             (QStringList{"Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to "
                          "continue?",
                          "Editing a wheel entry can change the guarantee of the wheel. Are you sure you want to "
                          "continue?",
                          "Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to "
                          "continue?"}));
    m_fx->prompts->answers << true;
    QCOMPARE(openAdd()->windowTitle(), QStringLiteral("Wheel Entry"));
    openWindow("Form5")->close();
    QCOMPARE(EntryFile::ReadEntryCount(wheelSet), std::optional<int>(1));
}

void tst_Entries::checkMessagesAndWins()
{
    m_main = m_fx->start();
    CLICK(m_main, "checkButton");
    QCOMPARE(m_fx->prompts->last(), app + "You do not have any entries listed to check!");
    addLines({{"1", "2", "3", "4", "5", "6"}, {"10", "20", "30", "40", "41", "42"}});
    CLICK(m_main, "checkButton");
    QCOMPARE(m_fx->prompts->last(), app + "You do not have any draw result listed to check against!");

    QVERIFY(ResultsFile::insertDraw(m_fx->path("CAN2.rtl"), 3, 5, 12, 2026, {11, 21, 31, 43, 44, 45, 0}, 1));
    m_main->setDrawDate(m_fx->today.addDays(-1));
    m_main->setDrawDate(m_fx->today);
    chooseRows(entries(), {0, 1});
    CLICK(m_main, "checkButton");
    QCOMPARE(m_fx->prompts->last(), app + "No wins this time!");
    QVERIFY(chosenRows().isEmpty());
    QCOMPARE(m_main->findChild<QLineEdit*>("totalWinsEdit")->text(), QStringLiteral("0"));
}

void tst_Entries::checkAgainstRealDraw()
{
    // The newest National 6/49 draw of the official history, 23 September 2026.
    const std::vector<DrawRecord> real = loadRealDraws();
    QVERIFY(ResultsFile::writeAll(m_fx->path("CAN1.rtl"), real));
    const DrawRecord& last = real.back();
    m_main = m_fx->start();
    QTest::mouseClick(m_main->findChild<QRadioButton*>("nationalRadio"), Qt::LeftButton);
    m_main->setDrawDate(QDate(last.year, last.month, last.day));
    QVERIFY(m_main->isDrawShown());
    auto box = [&](int i) { return QString::number(last.numbers[i]); };
    // Five main numbers and the bonus; four and the bonus; two and the bonus.
    QStringList four{box(0), box(1), box(2), box(3), QString::number(last.bonus)};
    QStringList two{box(0), box(1), QString::number(last.bonus)};
    for (int n = 1; four.size() < 6 || two.size() < 6; ++n) {
        const bool drawn = std::find(last.numbers.begin(), last.numbers.begin() + 6, n) != last.numbers.begin() + 6;
        if (drawn || n == last.bonus)
            continue;
        (four.size() < 6 ? four : two) << QString::number(n);
    }
    addLines({{box(0), box(1), box(2), box(3), box(4), QString::number(last.bonus)}, four, two});
    QVERIFY(m_main->entrySet().path().endsWith("Nat64905DEC2026.lot"));
    CLICK(m_main, "checkButton");
    auto* winning = m_main->findChild<QListView*>("winningList");
    QCOMPARE(winning->model()->rowCount(), 2);
    QVERIFY(winning->model()->index(0, 0).data().toString().endsWith(" (5+B)"));
    QVERIFY(winning->model()->index(1, 0).data().toString().endsWith(" (4)"));
    QCOMPARE(m_main->findChild<QLineEdit*>("totalWinsEdit")->text(), QStringLiteral("2"));
    QCOMPARE(chosenRows(), (QList<int>{0, 1}));

    // A plain click after a check chooses one line instead of adding it to the winners.
    clickRow(entries(), 2);
    QCOMPARE(chosenRows(), QList<int>{2});

    // Winning lines belong to the lines as checked: an edit empties them.
    clickRow(entries(), 0);
    CLICK(m_main, "checkButton");
    clickRow(entries(), 0);
    CLICK(m_main, "editEntryButton");
    QWidget* editor = openWindow("editEntry");
    TYPE_BOXES(editor, {"44", "45", "46", "47", "48", "49"});
    CLICK(editor, "changeButton");
    QCOMPARE(winning->model()->rowCount(), 0);
    QCOMPARE(m_main->findChild<QLineEdit*>("totalWinsEdit")->text(), QStringLiteral("0"));
}

void tst_Entries::standingEntries()
{
    m_main = m_fx->start();
    TRIGGER(m_main, "actionSaveStanding");
    QCOMPARE(m_fx->prompts->last(), app + "You do not have any entries displayed to save as a standing entry");
    TRIGGER(m_main, "actionOpenStanding");
    QCOMPARE(m_fx->prompts->last(), app + "You do not have a standing entry for this game!");
    const QString standing = m_fx->path("StandWestern.lot");
    QVERIFY(!QFile::exists(standing));

    addLines({{"1", "2", "3", "4", "5", "6"}, {"7", "8", "9", "10", "11", "12"}});
    TRIGGER(m_main, "actionSaveStanding");
    QCOMPARE(m_fx->prompts->last(), app + "Done!");
    const QString dated = m_fx->path("Western05DEC2026.lot");
    QCOMPARE(bytesOf(standing), bytesOf(dated));

    addLines({{"13", "14", "15", "16", "17", "18"}});
    m_fx->prompts->answers << false;
    TRIGGER(m_main, "actionSaveStanding");
    QCOMPARE(m_fx->prompts->last(),
             QStringLiteral("Drawsmith: You already have a standing for this game. Only one standing entry is allowed "
                            "per game. Do you want to continue and overwrite your existing file?"));
    QCOMPARE(EntryFile::ReadEntryCount(standing), std::optional<int>(2));
    m_fx->prompts->answers << true;
    TRIGGER(m_main, "actionSaveStanding");
    QCOMPARE(bytesOf(standing), bytesOf(dated));

    m_main->setEntryDate(m_fx->today.addDays(4)); // an empty dated file, left again by opening the standing entry
    const QString emptyDated = m_fx->path("Western09DEC2026.lot");
    QVERIFY(QFile::exists(emptyDated));
    TRIGGER(m_main, "actionOpenStanding");
    QVERIFY(!QFile::exists(emptyDated));
    QCOMPARE(m_main->entrySet().path(), standing);
    QCOMPARE(count(), QStringLiteral("3"));
    QVERIFY(m_main->findChild<QWidget*>("datedEntryButton")->isVisible());
    QWidget* add = openAdd(); // no weekday question for a standing entry
    QCOMPARE(add->windowTitle(), QStringLiteral("Standing Entry"));
    TYPE_BOXES(add, {"20", "21", "22", "23", "24", "25"});
    CLICK(add, "addButton");
    CLICK(add, "closeButton");
    QCOMPARE(EntryFile::ReadEntryCount(standing), std::optional<int>(4));
    TRIGGER(m_main, "actionSaveStanding");
    QCOMPARE(m_fx->prompts->last(), app + "Done.");

    CLICK(m_main, "datedEntryButton");
    QVERIFY(!m_main->findChild<QWidget*>("datedEntryButton")->isVisible());
    QCOMPARE(m_main->entrySet().path(), emptyDated);

    // Each game has its own standing entry.
    m_main->setEntryDate(m_fx->today);
    QTest::mouseClick(m_main->findChild<QRadioButton*>("super7Radio"), Qt::LeftButton);
    QVERIFY(QFile::exists(m_fx->path("Super705DEC2026.lot")));
}

void tst_Entries::printLists()
{
    m_fx->printers.names = {"Laser"};
    m_main = m_fx->start();
    CLICK(m_main, "printWinningButton");
    QCOMPARE(m_fx->prompts->last(), app + "There is no list to print!");
    QVERIFY(m_fx->printers.jobs.empty());
    addLines({{"1", "2", "3", "4", "5", "6"}, {"7", "8", "9", "10", "11", "12"}, {"3", "9", "18", "27", "36", "45"}});
    CLICK(m_main, "printEntriesButton");
    QCOMPARE(m_fx->printers.jobs.size(), size_t(1));
    const auto& job = m_fx->printers.jobs.front();
    QCOMPARE(job.printer, QStringLiteral("Laser"));
    QCOMPARE(job.setup.fontFamily, QStringLiteral("Courier"));
    QCOMPARE(job.lines,
             (QStringList{"",
                          "",
                          "",
                          QString(16, ' ') + "01 02 03 04 05 06",
                          QString(16, ' ') + "07 08 09 10 11 12",
                          QString(16, ' ') + "03 09 18 27 36 45"}));

    m_fx->printers.failJobs = true;
    CLICK(m_main, "printEntriesButton");
    QVERIFY(m_fx->prompts->last().contains("out of paper"));
}

void tst_Entries::printerSelection()
{
    m_main = m_fx->start();
    TRIGGER(m_main, "actionSelectPrinter");
    QWidget* selection = openWindow("Form30");
    QVERIFY(selection);
    QCOMPARE(selection->findChild<QComboBox*>("printerCombo")->currentText(), QStringLiteral("No Printer Available"));
    CLICK(selection, "closeButton");
    QVERIFY(!m_main->findChild<QWidget*>("printEntriesButton")->isEnabled());
    QCOMPARE(bytesOf(m_fx->path("print.dat")), QByteArray()); // created empty, nothing stored

    m_fx->printers.names = {"Office", "Home"}; // printers installed while the program runs
    TRIGGER(m_main, "actionSelectPrinter");
    selection = openWindow("Form30");
    auto* combo = selection->findChild<QComboBox*>("printerCombo");
    QCOMPARE(combo->currentText(), QStringLiteral("Office"));
    combo->setCurrentIndex(1);
    CLICK(selection, "closeButton");
    QVERIFY(m_main->isInputEnabled());
    QCOMPARE(m_fx->printers.current, QStringLiteral("Home"));
    QVERIFY(m_main->findChild<QWidget*>("printEntriesButton")->isEnabled());
    QCOMPARE(bytesOf(m_fx->path("print.dat")), QByteArray("Home") + QByteArray(251, ' '));

    TRIGGER(m_main, "actionSelectPrinter");
    QCOMPARE(openWindow("Form30")->findChild<QComboBox*>("printerCombo")->currentText(), QStringLiteral("Home"));
    openWindow("Form30")->close();
}

void tst_Entries::suggestedLinesReachTheList()
{
    QVERIFY(ResultsFile::writeAll(m_fx->path("CAN2.rtl"), loadRealDraws())); // Western, the first game
    m_main = m_fx->start();
    addLines({{"1", "2", "3", "4", "5", "6"}});
    QWidget* add = openAdd();
    QVERIFY(add);
    QTest::keyClicks(add->findChild<QLineEdit*>("suggestCountEdit"), "4"); // "Total": three more
    CLICK(add, "suggestAddButton");
    QCOMPARE(entries()->model()->rowCount(), 4);
    QCOMPARE(count(), QStringLiteral("4"));
    CLICK(add, "closeButton");
    QCOMPARE(EntryFile::ReadEntryCount(m_main->entrySet().path()), std::optional<int>(4));
}

QTEST_MAIN(tst_Entries)
#include "tst_Entries.moc"
