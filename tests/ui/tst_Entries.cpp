#include "EntryFile.h"
#include "FixedClock.h"
#include "Form1.h"
#include "RealDraws.h"
#include "RecordingPrinter.h"
#include "ResultsFile.h"
#include "ScriptedPrompts.h"
#include "UiDriver.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace
{
const QDate saturday(2026, 12, 5);
const QString app = QStringLiteral("Drawsmith Canada: ");

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class tst_Entries : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void addWindowTitlesAndQuestions();
    void manualAddValidatesAndAppends_data();
    void manualAddValidatesAndAppends();
    void clearKeepsSeventhBox();
    void editOneLine();
    void deleteSelectedLines();
    void wheelSetsAskFirst();
    void checkMessagesAndWins();
    void checkAgainstRealDraw();
    void standingEntries();
    void printLists();
    void printerSelection();

private:
    void start();
    QListWidget* entries() const;
    QString count() const;
    QWidget* openAdd();
    void addLines(const QList<QStringList>& lines);
    void select(const QList<int>& rows);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FixedClock> m_clock;
    std::unique_ptr<RecordingPrinter> m_printers;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<Form1> m_main;
};

void tst_Entries::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_clock = std::make_unique<FixedClock>(saturday);
    m_printers = std::make_unique<RecordingPrinter>();
    m_prompts = std::make_unique<ScriptedPrompts>();
}

void tst_Entries::start()
{
    m_main = std::make_unique<Form1>(m_dir->path(), *m_clock, *m_printers);
    m_main->startUp();
    m_main->show();
}

void tst_Entries::cleanup()
{
    m_main.reset();
    QVERIFY2(m_prompts->unexpected.isEmpty(), qPrintable(m_prompts->unexpected.join(" | ")));
    QVERIFY(m_prompts->answers.isEmpty());
    m_prompts.reset();
}

QListWidget* tst_Entries::entries() const
{
    return m_main->findChild<QListWidget*>("entryList");
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
        typeBoxes(add, line);
        CLICK(add, "addButton");
    }
    CLICK(add, "closeButton");
}

void tst_Entries::select(const QList<int>& rows)
{
    entries()->clearSelection();
    for (int r : rows)
        entries()->item(r)->setSelected(true);
}

void tst_Entries::addWindowTitlesAndQuestions()
{
    start();
    QTest::mouseClick(m_main->findChild<QRadioButton*>("nationalRadio"), Qt::LeftButton);
    QWidget* add = openAdd();
    QVERIFY(add);
    QCOMPARE(add->windowTitle(), QStringLiteral("National 6/94 Entries for  5 DEC 2026"));
    QVERIFY(!add->findChild<QLineEdit*>("numberBox7")->isVisible());
    QVERIFY(!m_main->isInputEnabled());
    add->close(); // the frame's close button behaves as Close
    QVERIFY(m_main->isInputEnabled());

    QTest::mouseClick(m_main->findChild<QRadioButton*>("provincialRadio"), Qt::LeftButton);
    QCOMPARE(openAdd()->windowTitle(), QStringLiteral("Western 6/49 Entries for  5 DEC 2026"));
    openWindow("Form5")->close();

    QTest::mouseClick(m_main->findChild<QRadioButton*>("super7Radio"), Qt::LeftButton);
    m_prompts->answers << false;
    QVERIFY(!openAdd());
    QCOMPARE(m_prompts->last(),
             app + "This is not a Friday date. Are you sure you want to create/edit an entry for this date?");
    m_main->setEntryDate(QDate(2026, 12, 4));
    add = openAdd();
    QCOMPARE(add->windowTitle(), QStringLiteral("Super 7 Entries for  4 DEC 2026"));
    QVERIFY(add->findChild<QLineEdit*>("numberBox7")->isVisible());
    QVERIFY(!add->findChild<QWidget*>("suggestAddButton")->isEnabled()); // not offered yet
    add->close();

    QTest::mouseClick(m_main->findChild<QRadioButton*>("nationalRadio"), Qt::LeftButton);
    m_prompts->answers << true;
    QVERIFY(openAdd());
    QCOMPARE(m_prompts->last(),
             app + "This is not a Saturday or Wednesday date. Are you sure you want to create/edit an entry for this "
                   "date?");
    openWindow("Form5")->close();
}

void tst_Entries::manualAddValidatesAndAppends_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("result");
    QTest::newRow("sorted") << QStringList{"45", "3", "27", "9", "18", "36"} << "03 09 18 27 36 45";
    QTest::newRow("rounded") << QStringList{"2.5", "3.5", "10", "11", "12", "13"} << "02 04 10 11 12 13";
    QTest::newRow("range wins last") << QStringList{"5", "5", "60", "2", "3", "4"}
                                     << "One or more of your numbers are out of range for the game!";
    QTest::newRow("same") << QStringList{"1", "2", "3", "4", "5", "5"} << "One or more of your numbers are the same!";
    QTest::newRow("empty") << QStringList{"1", "2", "", "4", "5", "6"} << "One or more of your entries is not a number!";
}

void tst_Entries::manualAddValidatesAndAppends()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, result);
    start();
    QWidget* add = openAdd();
    typeBoxes(add, boxes);
    CLICK(add, "addButton");
    const QString file = m_dir->filePath("Western05DEC2026.lot");
    if (result.front().isDigit()) {
        QCOMPARE(entries()->count(), 1);
        QCOMPARE(entries()->item(0)->text(), result);
        QVERIFY(!entries()->item(0)->isSelected());
        QCOMPARE(count(), QStringLiteral("1"));
        QCOMPARE(EntryFile::ReadEntryCount(file), std::optional<int>(1));
        QCOMPARE(add->findChild<QLineEdit*>("numberBox1")->text(), boxes[0]); // boxes keep their text
        CLICK(add, "addButton"); // a repeated line is taken again
        QCOMPARE(count(), QStringLiteral("2"));
    } else {
        QCOMPARE(m_prompts->last(), app + result);
        QCOMPARE(entries()->count(), 0);
        QCOMPARE(EntryFile::ReadEntryCount(file), std::optional<int>(0));
    }
    CLICK(add, "closeButton");
}

void tst_Entries::clearKeepsSeventhBox()
{
    m_clock = std::make_unique<FixedClock>(QDate(2026, 12, 4)); // a Friday
    start();
    QTest::mouseClick(m_main->findChild<QRadioButton*>("super7Radio"), Qt::LeftButton);
    QWidget* add = openAdd();
    typeBoxes(add, {"1", "2", "3", "4", "5", "6", "47"});
    CLICK(add, "clearButton");
    QCOMPARE(add->findChild<QLineEdit*>("numberBox1")->text(), QString());
    QCOMPARE(add->findChild<QLineEdit*>("numberBox6")->text(), QString());
    QCOMPARE(add->findChild<QLineEdit*>("numberBox7")->text(), QStringLiteral("47"));
    typeBoxes(add, {"7", "6", "5", "4", "3", "2", "1"});
    CLICK(add, "addButton");
    QCOMPARE(entries()->item(0)->text(), QStringLiteral("01 02 03 04 05 06 07"));
    CLICK(add, "closeButton");
}

void tst_Entries::editOneLine()
{
    start();
    CLICK(m_main, "editEntryButton");
    QCOMPARE(m_prompts->last(), app + "There are no entries displayed to edit.");
    addLines({{"1", "2", "3", "4", "5", "6"}, {"7", "8", "9", "10", "11", "12"}});
    select({});
    CLICK(m_main, "editEntryButton");
    QCOMPARE(m_prompts->last(), app + "You have not selected an entry to edit.");
    select({0, 1});
    CLICK(m_main, "editEntryButton");
    QCOMPARE(m_prompts->last(),
             app + "You have more than one entry selected. You must only select one entry at a time for editing.");

    select({1});
    CLICK(m_main, "editEntryButton");
    QWidget* editor = openWindow("editEntry");
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), QStringLiteral("Edit Entry"));
    QCOMPARE(editor->findChild<QLineEdit*>("numberBox1")->text(), QStringLiteral("07"));
    QVERIFY(!editor->findChild<QLineEdit*>("numberBox7")->isVisible());
    typeBoxes(editor, {"49", "8", "9", "10", "11", "11"});
    CLICK(editor, "changeButton");
    QCOMPARE(m_prompts->last(), app + "One or more of your numbers are the same!");
    typeBoxes(editor, {"49", "8", "9", "10", "11", "1"});
    CLICK(editor, "changeButton");
    QTRY_VERIFY(!openWindow("editEntry"));
    QVERIFY(m_main->isInputEnabled());
    QCOMPARE(entries()->item(1)->text(), QStringLiteral("01 08 09 10 11 49"));
    QVERIFY(entries()->item(1)->isSelected());
    const auto lines = EntryFile::readAllLines(m_dir->filePath("Western05DEC2026.lot")).value();
    QCOMPARE(lines[1], (EntryNumbers{1, 8, 9, 10, 11, 49, 0}));

    CLICK(m_main, "editEntryButton");
    openWindow("editEntry")->close(); // frame close behaves as Cancel
    QVERIFY(m_main->isInputEnabled());
}

void tst_Entries::deleteSelectedLines()
{
    start();
    CLICK(m_main, "deleteEntryButton");
    QCOMPARE(m_prompts->last(), app + "There are no entries to delete");
    addLines({{"1", "2", "3", "4", "5", "6"},
              {"2", "3", "4", "5", "6", "7"},
              {"3", "4", "5", "6", "7", "8"},
              {"4", "5", "6", "7", "8", "9"},
              {"5", "6", "7", "8", "9", "10"}});
    select({});
    CLICK(m_main, "deleteEntryButton");
    QCOMPARE(m_prompts->last(), app + "You have not selected any entries for deletion.");
    select({1});
    m_prompts->answers << false;
    CLICK(m_main, "deleteEntryButton");
    QCOMPARE(m_prompts->last(), app + "Are you sure you want to delete the selected entry?");
    QCOMPARE(count(), QStringLiteral("5"));

    select({1, 3});
    m_prompts->answers << true;
    const int shownBefore = m_prompts->shown.size();
    CLICK(m_main, "deleteEntryButton");
    QCOMPARE(m_prompts->last(), app + "Are you sure you want to delete the 2 selected entries?");
    QCOMPARE(m_prompts->shown.size(), shownBefore + 1); // no closing message
    QCOMPARE(count(), QStringLiteral("3"));
    QCOMPARE(entries()->item(1)->text(), QStringLiteral("03 04 05 06 07 08"));
    const QString file = m_dir->filePath("Western05DEC2026.lot");
    QCOMPARE(EntryFile::ReadEntryCount(file), std::optional<int>(3));

    select({0, 1, 2});
    m_prompts->answers << true;
    CLICK(m_main, "deleteEntryButton");
    QCOMPARE(m_prompts->last(), app + "Done");
    QCOMPARE(count(), QStringLiteral("0"));
    m_main->setEntryDate(saturday.addDays(4));
    QVERIFY(!QFile::exists(file)); // emptied, then left
}

void tst_Entries::wheelSetsAskFirst()
{
    const QString wheelSet = m_dir->filePath("Western-6-4-3.lot");
    QVERIFY(EntryFile::AppendEntryLine(wheelSet, {1, 2, 3, 4, 5, 6, 0}, 3));
    start();
    m_main->state().currentEntryFile = wheelSet;
    m_main->appendEntryRow(QStringLiteral("01 02 03 04 05 06"), 1);
    m_prompts->answers << false << false << false;
    QVERIFY(!openAdd());
    select({0});
    CLICK(m_main, "editEntryButton");
    CLICK(m_main, "deleteEntryButton");
    QCOMPARE(m_prompts->texts(),
             (QStringList{"Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to "
                          "continue?",
                          "Editing a wheel entry can change the guarantee of the wheel. Are you sure you want to "
                          "continue?",
                          "Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to "
                          "continue?"}));
    m_prompts->answers << true;
    QCOMPARE(openAdd()->windowTitle(), QStringLiteral("Wheel Entry"));
    openWindow("Form5")->close();
    QCOMPARE(EntryFile::ReadEntryCount(wheelSet), std::optional<int>(1));
}

void tst_Entries::checkMessagesAndWins()
{
    start();
    CLICK(m_main, "checkButton");
    QCOMPARE(m_prompts->last(), app + "You do not have any entries listed to check!");
    addLines({{"1", "2", "3", "4", "5", "6"}, {"10", "20", "30", "40", "41", "42"}});
    CLICK(m_main, "checkButton");
    QCOMPARE(m_prompts->last(), app + "You do not have any draw result listed to check against!");

    QVERIFY(ResultsFile::insertDraw(m_dir->filePath("CAN2.rtl"), 3, 5, 12, 2026, {11, 21, 31, 43, 44, 45, 0}, 1));
    m_main->setDrawDate(saturday.addDays(-1));
    m_main->setDrawDate(saturday);
    select({0, 1});
    CLICK(m_main, "checkButton");
    QCOMPARE(m_prompts->last(), app + "No wins this time!");
    QVERIFY(entries()->selectedItems().isEmpty());
    QCOMPARE(m_main->findChild<QLineEdit*>("totalWinsEdit")->text(), QStringLiteral("0"));
}

void tst_Entries::checkAgainstRealDraw()
{
    // The National 6/49 draw of 23 September 2026 from the official history.
    QVERIFY(ResultsFile::writeAll(m_dir->filePath("CAN1.rtl"), loadRealDraws()));
    const auto draws = ResultsFile::readAll(m_dir->filePath("CAN1.rtl")).value();
    const DrawRecord& last = draws.back();
    const QDate drawDay(last.year, last.month, last.day);
    start();
    QTest::mouseClick(m_main->findChild<QRadioButton*>("nationalRadio"), Qt::LeftButton);
    m_main->setDrawDate(drawDay);
    QVERIFY(m_main->isDrawShown());
    auto box = [&](int i) { return QString::number(last.numbers[i]); };
    // Five main numbers and the bonus; four and the bonus; two and the bonus.
    addLines({{box(0), box(1), box(2), box(3), box(4), QString::number(last.bonus)}});
    QStringList four{box(0), box(1), box(2), box(3), QString::number(last.bonus)};
    QStringList two{box(0), box(1), QString::number(last.bonus)};
    for (int n = 1; four.size() < 6 || two.size() < 6; ++n) {
        const bool drawn = std::find(last.numbers.begin(), last.numbers.begin() + 6, n) != last.numbers.begin() + 6;
        if (drawn || n == last.bonus)
            continue;
        if (four.size() < 6)
            four << QString::number(n);
        else
            two << QString::number(n);
    }
    addLines({four, two});
    const QString file = m_main->state().currentEntryFile;
    QVERIFY(file.endsWith("Nat64905DEC2026.lot"));
    CLICK(m_main, "checkButton");
    auto* winning = m_main->findChild<QListWidget*>("winningList");
    QCOMPARE(winning->count(), 2);
    QVERIFY(winning->item(0)->text().endsWith(" (5+B)"));
    QVERIFY(winning->item(1)->text().endsWith(" (4)"));
    QCOMPARE(m_main->findChild<QLineEdit*>("totalWinsEdit")->text(), QStringLiteral("2"));
    QVERIFY(entries()->item(0)->isSelected());
    QVERIFY(!entries()->item(2)->isSelected());
}

void tst_Entries::standingEntries()
{
    start();
    TRIGGER(m_main, "actionSaveStanding");
    QCOMPARE(m_prompts->last(), app + "You do not have any entries displayed to save as a standing entry");
    TRIGGER(m_main, "actionOpenStanding");
    QCOMPARE(m_prompts->last(), app + "You do not have a standing entry for this game!");
    const QString standing = m_dir->filePath("StandWestern.lot");
    QVERIFY(!QFile::exists(standing));

    addLines({{"1", "2", "3", "4", "5", "6"}, {"7", "8", "9", "10", "11", "12"}});
    TRIGGER(m_main, "actionSaveStanding");
    QCOMPARE(m_prompts->last(), app + "Done!");
    const QString dated = m_dir->filePath("Western05DEC2026.lot");
    QCOMPARE(bytesOf(standing), bytesOf(dated));

    addLines({{"13", "14", "15", "16", "17", "18"}});
    m_prompts->answers << false;
    TRIGGER(m_main, "actionSaveStanding");
    QCOMPARE(m_prompts->last(),
             QStringLiteral("Drawsmith: You already have a standing for this game. Only one standing entry is allowed "
                            "per game. Do you want to continue and overwrite your existing file?"));
    QCOMPARE(EntryFile::ReadEntryCount(standing), std::optional<int>(2));
    m_prompts->answers << true;
    TRIGGER(m_main, "actionSaveStanding");
    QCOMPARE(bytesOf(standing), bytesOf(dated));

    m_main->setEntryDate(saturday.addDays(4)); // an empty dated file, left again by opening the standing entry
    const QString emptyDated = m_dir->filePath("Western09DEC2026.lot");
    QVERIFY(QFile::exists(emptyDated));
    TRIGGER(m_main, "actionOpenStanding");
    QVERIFY(!QFile::exists(emptyDated));
    QCOMPARE(m_main->state().currentEntryFile, standing);
    QCOMPARE(count(), QStringLiteral("3"));
    QVERIFY(m_main->findChild<QWidget*>("datedEntryButton")->isVisible());
    QWidget* add = openAdd(); // no weekday question for a standing entry
    QCOMPARE(add->windowTitle(), QStringLiteral("Standing Entry"));
    typeBoxes(add, {"20", "21", "22", "23", "24", "25"});
    CLICK(add, "addButton");
    CLICK(add, "closeButton");
    QCOMPARE(EntryFile::ReadEntryCount(standing), std::optional<int>(4));
    TRIGGER(m_main, "actionSaveStanding");
    QCOMPARE(m_prompts->last(), app + "Done.");

    CLICK(m_main, "datedEntryButton");
    QVERIFY(!m_main->findChild<QWidget*>("datedEntryButton")->isVisible());
    QCOMPARE(m_main->state().currentEntryFile, emptyDated);

    // Each game has its own standing entry.
    m_main->setEntryDate(saturday);
    QTest::mouseClick(m_main->findChild<QRadioButton*>("super7Radio"), Qt::LeftButton);
    QVERIFY(QFile::exists(m_dir->filePath("Super705DEC2026.lot")));
}

void tst_Entries::printLists()
{
    m_printers->names = {"Laser"};
    start();
    QVERIFY(m_main->findChild<QWidget*>("printWinningButton")->isEnabled());
    CLICK(m_main, "printWinningButton");
    QCOMPARE(m_prompts->last(), app + "There is no list to print!");
    QVERIFY(m_printers->jobs.empty());
    addLines({{"1", "2", "3", "4", "5", "6"}, {"7", "8", "9", "10", "11", "12"}, {"3", "9", "18", "27", "36", "45"}});
    CLICK(m_main, "printEntriesButton");
    QCOMPARE(m_printers->jobs.size(), size_t(1));
    const auto& job = m_printers->jobs.front();
    QCOMPARE(job.printer, QStringLiteral("Laser"));
    QCOMPARE(job.setup.fontFamily, QStringLiteral("Courier"));
    QCOMPARE(job.setup.pointSize, 10);
    QCOMPARE(job.lines,
             (QStringList{"", "", "", QString(16, ' ') + "01 02 03 04 05 06", QString(16, ' ') + "07 08 09 10 11 12",
                          QString(16, ' ') + "03 09 18 27 36 45"}));

    m_printers->failJobs = true;
    CLICK(m_main, "printEntriesButton");
    QVERIFY(m_prompts->last().contains("out of paper"));
}

void tst_Entries::printerSelection()
{
    start();
    TRIGGER(m_main, "actionSelectPrinter");
    QWidget* selection = openWindow("Form30");
    QVERIFY(selection);
    QCOMPARE(selection->findChild<QComboBox*>("printerCombo")->currentText(), QStringLiteral("No Printer Available"));
    CLICK(selection, "closeButton");
    QVERIFY(!m_main->findChild<QWidget*>("printEntriesButton")->isEnabled());
    QCOMPARE(bytesOf(m_dir->filePath("print.dat")), QByteArray()); // created empty, nothing stored

    m_printers->names = {"Office", "Home"}; // printers installed while the program runs
    TRIGGER(m_main, "actionSelectPrinter");
    selection = openWindow("Form30");
    auto* combo = selection->findChild<QComboBox*>("printerCombo");
    QCOMPARE(combo->currentText(), QStringLiteral("Office"));
    combo->setCurrentIndex(1);
    CLICK(selection, "closeButton");
    QVERIFY(m_main->isInputEnabled());
    QCOMPARE(m_printers->current, QStringLiteral("Home"));
    QVERIFY(m_main->findChild<QWidget*>("printEntriesButton")->isEnabled());
    QCOMPARE(bytesOf(m_dir->filePath("print.dat")), QByteArray("Home") + QByteArray(251, ' '));

    TRIGGER(m_main, "actionSelectPrinter");
    QCOMPARE(openWindow("Form30")->findChild<QComboBox*>("printerCombo")->currentText(), QStringLiteral("Home"));
    openWindow("Form30")->close();
}

QTEST_MAIN(tst_Entries)
#include "tst_Entries.moc"
