#include "FileBytes.h"
#include "Form10.h"
#include "MainWindowFixture.h"
#include "RandomLines.h"

#include <QSlider>

using Lines = std::vector<EntryNumbers>;

namespace
{
const EntryNumbers Low{1, 2, 3, 4, 5, 6, 0}; // sum 21, below every band
const EntryNumbers A{3, 12, 23, 34, 41, 45, 0};
const EntryNumbers NearA{3, 12, 23, 34, 41, 46, 0}; // five numbers of A
const EntryNumbers B{7, 14, 21, 28, 35, 42, 0};
const EntryNumbers High{30, 31, 32, 33, 34, 35, 0}; // sum 195: inside the widest band only

QStringList totals(QWidget* filter)
{
    return {
        fieldText(filter, "totalEntriesEdit"), fieldText(filter, "checkedEdit"), fieldText(filter, "resultingEdit")};
}

// Ticks (or unticks) the filters as the player does and presses Check.
void check(QWidget* filter, bool sum, bool coverage)
{
    if (sum)
        QTest::mouseClick(filter->findChild<QCheckBox*>("sumFilterCheck"), Qt::LeftButton);
    if (coverage)
        QTest::mouseClick(filter->findChild<QCheckBox*>("coverageFilterCheck"), Qt::LeftButton);
    QTest::mouseClick(filter->findChild<QWidget*>("checkButton"), Qt::LeftButton);
}

// Types N into the optimiser and presses "Process Range".
void process(QWidget* optimiser, const QString& text)
{
    auto* n = optimiser->findChild<QLineEdit*>("drawsEdit");
    n->clear();
    QTest::keyClicks(n, text);
    QTest::mouseClick(optimiser->findChild<QWidget*>("processRangeButton"), Qt::LeftButton);
}
} // namespace

// The windows that write entry files from the main window's menus besides the add window: the text
// import, the filter and the optimiser.
class tst_EntryTools : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        m_fx = std::make_unique<MainWindowFixture>();
    }

    void cleanup()
    {
        FINISH(m_fx);
    }

    // On a French desktop.
    void textImport()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::Canada));
        QVERIFY(writeFileBytes(m_fx->path("lines.txt"), "49 01 25 13 07 30\r\n03 11 24 30 41 49\r\n"));
        QVERIFY(writeFileBytes(m_fx->path("notes.TXT"), QByteArray("hel\0lo\n", 7)));
        Form1* main = m_fx->start();
        TRIGGER(main, "actionImportText");
        QWidget* import = openWindow("Form8");
        QVERIFY(import && !main->isInputEnabled());
        // "Import" shows in place of "Validate" only while a validation holds.
        const auto offersImport = [import] {
            return import->findChild<QWidget*>("importButton")->isVisible()
                   && !import->findChild<QWidget*>("validateButton")->isVisible();
        };
        CLICK_SAYS(m_fx, import, "validateButton", "You have not selected a file");
        auto* files = import->findChild<QListWidget*>("fileList");
        QCOMPARE(rowTexts(files->model()), QStringList({"lines.txt", "notes.TXT"}));
        clickRow(files, 1);
        CLICK(import, "validateButton");
        SAID(m_fx, "Your txt file is not valid\n\n" + m_fx->path("notes.TXT") + ": byte 4 is not text");
        clickRow(files, 0);
        QCOMPARE(rowTexts(import->findChild<QListWidget*>("contentsList")->model()),
                 QStringList({"49 01 25 13 07 30", "03 11 24 30 41 49"}));
        auto* date = import->findChild<QDateEdit*>("entryDateEdit");
        QVERIFY2(date->text().endsWith(" December 2026"), qPrintable(date->text())); // English, as everywhere
        const auto* drawDate = main->findChild<QDateEdit*>("drawDateEdit");
        QCOMPARE(drawDate->text(), QLocale(QLocale::English).toString(drawDate->date(), "dd MMMM yyyy"));
        CLICK_SAYS(m_fx, import, "validateButton", "Entry Valid - click Import to create entry");
        QVERIFY(offersImport());
        CLICK_SAYS(m_fx, import, "importButton", "Entry imported succsessfully");
        QVERIFY(!offersImport());
        // The lines went into the main window's own entry file, so it shows them.
        QCOMPARE(rowTexts(main->findChild<QAbstractItemView*>("entryList")->model()),
                 QStringList({"01 07 13 25 30 49", "03 11 24 30 41 49"}));
        auto* count = main->findChild<QLineEdit*>("entryCountEdit");
        QTest::keyClicks(count, "9"); // the program fills it; the player cannot
        QCOMPARE(count->text(), "2");
        CLICK_SAYS(
            m_fx, import, "validateButton", "You already have a date entry for this date, please choose another date");
        QVERIFY(!offersImport());
        // Changed after validation: the import refuses and writes nothing.
        date->setDate(m_fx->today.addDays(2));
        CLICK(import, "validateButton");
        QVERIFY(writeFileBytes(m_fx->path("lines.txt"), "03 11 24 30 41 49\n03 11 24 30 41 41\n"));
        CLICK_SAYS(m_fx, import, "importButton", "One or more of the balls in a line are the same!");
        QVERIFY(!QFile::exists(m_fx->path("Western07DEC2026.lot")));
        CLICK(import, "closeButton");
        QTRY_VERIFY(main->isInputEnabled());
    }

    // Over a wheel set shown in the main window.
    void filter()
    {
        m_fx->printers.names << "Home";
        Form1* main = m_fx->start();
        TRIGGER_SAYS(m_fx, main, "actionFilterEntry", "You have no entries displayed to filter.");
        EntrySet& shown = main->entrySet();
        const QString wheelSet = m_fx->path("Western-6-5-4.lot");
        QVERIFY(shown.open(wheelSet, 3, 6) && shown.append(Lines{Low, A, NearA, B, A, High}));
        m_fx->prompts.answers << false << true;
        TRIGGER(main, "actionFilterEntry");
        SAID(m_fx, "If you filter a wheel, the guarantee will no longer apply. Are you sure you want to continue?");
        QVERIFY(!openWindow("Form10"));
        TRIGGER(main, "actionFilterEntry");
        QWidget* filter = openWindow("Form10");
        QVERIFY(filter && !main->isInputEnabled());
        auto* list = filter->findChild<QListWidget*>("filteredList");
        CLICK_SAYS(m_fx, filter, "checkButton", "No filter has been specified");

        // The sum band marks Low; five shared numbers, the third option, mark the near copy and the copy.
        check(filter, true, true);
        QCOMPARE(list->item(0)->text(), QStringLiteral("01 02 03 04 05 06 "));
        QCOMPARE(list->count(), 6);
        QCOMPARE(totals(filter), QStringList({"6", "3", "3"}));
        m_fx->printers.failJobs = true;
        CLICK_SAYS(m_fx, filter, "printButton", "Home: the printer is out of paper");
        m_fx->printers.failJobs = false;
        // The player keeps the near copy after all.
        clickRow(list, 2);
        QTest::keyClick(list->viewport(), Qt::Key_Space);
        QCOMPARE(totals(filter), QStringList({"6", "2", "4"}));

        m_fx->prompts.answers << false << true;
        CLICK_SAYS(m_fx, filter, "removeButton", "Remove 2 lines from the entry file?");
        QVERIFY(m_fx->prompts.noByDefault.last());
        QCOMPARE(shown.count(), 6);
        CLICK(filter, "removeButton");
        QCOMPARE(EntryFile::readAllLines(wheelSet), std::optional(Lines({A, NearA, B, High})));
        QCOMPARE(totals(filter), QStringList({"", "", ""}));

        filter->findChild<QSlider*>("sumSlider")->setValue(5);
        QCOMPARE(filter->findChild<QLabel*>("sumBandLabel")->text(), QStringLiteral("Sums 125 to 173"));
        check(filter, false, true); // the sum filter alone
        QCOMPARE(totals(filter), QStringList({"4", "1", "3"}));
        // A refused check leaves no marks behind for Remove to act on.
        check(filter, true, false);
        SAID(m_fx, "No filter has been specified");
        QCOMPARE(totals(filter), QStringList({"", "", ""}));
        QCOMPARE(list->count(), 0);
        CLICK_SAYS(m_fx, filter, "printButton", "There is no list to print!");
        CLICK(filter, "closeButton");
        QTRY_VERIFY(main->isInputEnabled());
        // The same set is shown again, as its file now holds it.
        QCOMPARE(shown.path(), wheelSet);
        QCOMPARE(shown.selectedWheel(), 6);
        QCOMPARE(shown.lines(), Lines({A, NearA, B, High}));
    }

    // A Lotto Max file of 2018 is filtered by the rules of its date: sums 105 to 245 for 1..49.
    void lottoMaxFilterByEntryDate()
    {
        m_fx->entries.open(m_fx->path("LottoMax01JUN2018.lot"), 8);
        QVERIFY(m_fx->entries.append(Lines{{1, 2, 3, 4, 5, 45, 49}, {1, 2, 3, 4, 5, 6, 7}})); // sums 109 and 28
        auto* filter = new Form10(m_fx->entries, m_fx->printers, false, nullptr);
        filter->show();
        QCOMPARE(filter->findChild<QLabel*>("sumBandLabel")->text(), QStringLiteral("Sums 105 to 245"));
        check(filter, true, false);
        QCOMPARE(totals(filter), QStringList({"2", "1", "1"}));
        filter->close();
    }

    void filterClosedDuringLongCheck()
    {
        // The most lines a file holds, none alike, so the coverage check compares every pair.
        m_fx->entries.open(m_fx->path("Nat64905DEC2026.lot"), 1);
        QVERIFY(m_fx->entries.append(distinctLines(EntryFile::MaxLines, 9)));
        auto* filter = new Form10(m_fx->entries, m_fx->printers, false, nullptr);
        filter->show();
        QVERIFY(!filter->findChild<QWidget*>("printButton")->isEnabled()); // no printer on this system
        const QByteArray before = fileBytes(m_fx->entries.path());
        QSignalSpy closed(filter, &ChildWindow::closed);
        filter->findChild<QRadioButton*>("thresholdOption4")->setChecked(true);
        // Delivered while the check runs: the window answers it and stops the check to close.
        QTimer::singleShot(0, filter, &QWidget::close);
        check(filter, false, true);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(filter->findChild<QListWidget*>("filteredList")->count(), 0); // stopped, not finished
        QCOMPARE(fileBytes(m_fx->entries.path()), before);
    }

    // Over the last 100 real draws of Western 6/49, the last of them 11 20 32 35 38 45.
    void optimiser()
    {
        Form1* main = m_fx->start();
        TRIGGER(main, "actionCreateOptimised");
        QWidget* optimiser = openWindow("LinkProcess");
        QVERIFY(optimiser && !main->isInputEnabled()); // no game switch behind its back
        QCOMPARE(optimiser->windowTitle(), "Optimiser for Western 6/49");
        process(optimiser, "5");
        SAID(m_fx, "There are no draws in the history file, this process cannot be run.");
        const std::vector<DrawRecord> real = loadRealDraws();
        QVERIFY(ResultsFile::writeAll(m_fx->path("CAN2.rtl"), {real.end() - 100, real.end()}));
        process(optimiser, "");
        SAID(m_fx, "Please enter a value");
        process(optimiser, "101");
        SAID(m_fx, "Your entry is outside the permitted draw range");
        QVERIFY(!optimiser->findChild<QWidget*>("createEntriesButton")->isEnabled());
        process(optimiser, "1");
        SAID(m_fx, "Last 1 draws have been link processed");
        // Processed but nothing created: closing asks before the table is lost.
        m_fx->prompts.answers << false;
        QVERIFY(!optimiser->close());
        SAID(m_fx,
             "You have not yet created an entry from the last initiation of Process Range. Do you still want to quit?");

        auto* date = optimiser->findChild<QDateEdit*>("entryDateEdit");
        date->setDate(QDate(2024, 3, 9));
        CLICK(optimiser, "createEntriesButton"); // into a new date
        SAID(m_fx, "Done - 1 entries added to draw 9 Mar 2024");
        m_fx->prompts.answers << true << false; // added to the line there, then kept as it is
        CLICK(optimiser, "createEntriesButton");
        const QString path = m_fx->path("Western09MAR2024.lot");
        CLICK(optimiser, "createEntriesButton");
        SAID(m_fx,
             "You already have a date entry for this date, do you want to add the new optimised entry to the existing "
             "entry?");
        QCOMPARE(EntryFile::readAllLines(path), std::optional(Lines(2, {11, 20, 32, 35, 38, 45, 0})));
        // The main window shows the lines when they go into the file it shows.
        QCOMPARE(fieldText(main, "entryCountEdit"), "0");
        date->setDate(m_fx->today);
        CLICK(optimiser, "createEntriesButton");
        QCOMPARE(fieldText(main, "entryCountEdit"), "1");
        // The lines belong to the range processed: a new number needs a new run.
        QTest::keyClick(optimiser->findChild<QLineEdit*>("drawsEdit"), Qt::Key_Backspace);
        QVERIFY(!optimiser->findChild<QWidget*>("createEntriesButton")->isEnabled());
        process(optimiser, "1");
        // Exit asks once whether to quit without creating from the new run; No keeps every window.
        m_fx->prompts.answers << false;
        TRIGGER(main, "actionExit");
        QVERIFY(main->isVisible() && optimiser->isVisible());
        m_fx->prompts.answers << true;
        TRIGGER(main, "actionExit");
        QTRY_VERIFY(!main->isVisible() && !openWindow("LinkProcess"));
    }

private:
    std::unique_ptr<MainWindowFixture> m_fx;
};

QTEST_MAIN(tst_EntryTools)
#include "tst_EntryTools.moc"
