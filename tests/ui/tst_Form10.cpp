#include "FileBytes.h"
#include "FileSizeLimit.h"
#include "Form10.h"
#include "MainWindowFixture.h"
#include "RandomLines.h"
#include "UiDriver.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>

using Lines = std::vector<EntryNumbers>;

namespace
{
const EntryNumbers Low{1, 2, 3, 4, 5, 6, 0}; // sum 21, below every band
const EntryNumbers A{3, 12, 23, 34, 41, 45, 0};
const EntryNumbers NearA{3, 12, 23, 34, 41, 46, 0}; // five numbers of A
const EntryNumbers B{7, 14, 21, 28, 35, 42, 0};

QStringList totals(QWidget* window)
{
    return {
        fieldText(window, "totalEntriesEdit"), fieldText(window, "checkedEdit"), fieldText(window, "resultingEdit")};
}

// Ticks the filters as the player does and presses Check.
void check(QWidget* window, bool sum, bool coverage)
{
    if (sum)
        QTest::mouseClick(window->findChild<QCheckBox*>("sumFilterCheck"), Qt::LeftButton);
    if (coverage)
        QTest::mouseClick(window->findChild<QCheckBox*>("coverageFilterCheck"), Qt::LeftButton);
    QTest::mouseClick(window->findChild<QWidget*>("checkButton"), Qt::LeftButton);
}
} // namespace

class tst_Form10 : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_w = std::make_unique<WindowFixture>();
    }

    void cleanup()
    {
        FINISH_WINDOWS(m_w);
        m_w.reset();
    }

    void checkChangeRemove()
    {
        Form10* filter = open(1, {Low, A, NearA, B, A});
        auto* list = filter->findChild<QListWidget*>("filteredList");
        CLICK(filter, "checkButton");
        QCOMPARE(m_w->prompts.last(), QStringLiteral("Drawsmith Canada: No filter has been specified"));
        QCOMPARE(list->count(), 0);

        // The sum band marks Low; five shared numbers, the third option, mark the near copy and the copy.
        check(filter, true, true);
        QCOMPARE(list->item(0)->text(), QStringLiteral("01 02 03 04 05 06 "));
        QList<bool> ticked;
        for (int r = 0; r < list->count(); ++r)
            ticked << (list->item(r)->checkState() == Qt::Checked);
        QCOMPARE(ticked, QList<bool>({true, false, true, false, true}));
        QCOMPARE(totals(filter), QStringList({"5", "3", "2"}));

        // The player keeps the near copy after all.
        clickRow(list, 2);
        QTest::keyClick(list->viewport(), Qt::Key_Space);
        QCOMPARE(totals(filter), QStringList({"5", "2", "3"}));

        m_w->prompts.answers << true << true;
#ifdef Q_OS_UNIX
        // A removal whose write fails leaves the file and the marks as they were, to try again.
        const QByteArray before = fileBytes(m_w->entries.path());
        {
            FileSizeLimit limit(20);
            CLICK(filter, "removeButton");
        }
        QVERIFY2(m_w->prompts.last().contains(QStringLiteral("Nat64905DEC2026.lot")), qPrintable(m_w->prompts.last()));
        QCOMPARE(fileBytes(m_w->entries.path()), before);
        QCOMPARE(m_w->entries.count(), 5);
        QCOMPARE(totals(filter), QStringList({"5", "2", "3"}));
#endif
        CLICK(filter, "removeButton");
        QCOMPARE(EntryFile::readAllLines(m_w->entries.path()), std::optional(Lines({A, NearA, B})));
        QCOMPARE(list->count(), 0);
        QCOMPARE(totals(filter), QStringList({"", "", ""}));
    }

    void printThenRemoveEveryLine()
    {
        m_printers.names = QStringList{"Desk"};
        Form10* filter = open(4, {Low, {30, 31, 32, 33, 34, 35, 0}, {25, 26, 27, 28, 29, 39, 0}});
        check(filter, true, false); // 85..213: only the sum 21 is outside
        CLICK(filter, "printButton");
        QCOMPARE(m_printers.jobs.size(), size_t(1));
        const QString indent(16, QLatin1Char(' '));
        QCOMPARE(m_printers.jobs[0].lines,
                 QStringList({"",
                              "",
                              "",
                              indent + "01 02 03 04 05 06  Selected for Deletion",
                              indent + "30 31 32 33 34 35 ",
                              indent + "25 26 27 28 29 39 "}));

        // A refused check leaves no marks behind for Remove to act on.
        auto* sumFilter = filter->findChild<QCheckBox*>("sumFilterCheck");
        QTest::mouseClick(sumFilter, Qt::LeftButton);
        CLICK(filter, "checkButton");
        QCOMPARE(totals(filter), QStringList({"", "", ""}));
        QCOMPARE(filter->findChild<QListWidget*>("filteredList")->count(), 0);
        QTest::mouseClick(sumFilter, Qt::LeftButton);

        filter->findChild<QSlider*>("sumSlider")->setValue(5); // sums 21, 195 and 174 are outside
        QCOMPARE(filter->findChild<QLabel*>("sumBandLabel")->text(), QStringLiteral("Sums 125 to 173"));
        CLICK(filter, "checkButton");
        QCOMPARE(totals(filter), QStringList({"3", "3", "0"}));
        m_w->prompts.answers << false << true;
        const QByteArray before = fileBytes(m_w->entries.path());
        CLICK(filter, "removeButton");
        QCOMPARE(m_w->prompts.last(), QStringLiteral("Drawsmith Canada: Remove 3 lines from the entry file?"));
        QVERIFY(m_w->prompts.noByDefault.last());
        QCOMPARE(fileBytes(m_w->entries.path()), before);
        CLICK(filter, "removeButton");
        QCOMPARE(fileBytes(m_w->entries.path()), QByteArray(28, '\0'));
        QCOMPARE(m_w->entries.count(), 0);
    }

    void closeDuringLongCheck()
    {
        // The most lines a file holds, none alike, so the coverage check compares every pair.
        Form10* filter = open(1, distinctLines(EntryFile::MaxLines, 9));
        const QByteArray before = fileBytes(m_w->entries.path());
        QSignalSpy closed(filter, &ChildWindow::closed);
        filter->findChild<QRadioButton*>("thresholdOption4")->setChecked(true);
        // Delivered while the check runs: the window answers it and stops the check to close.
        QTimer::singleShot(0, filter, &QWidget::close);
        check(filter, false, true);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(filter->findChild<QListWidget*>("filteredList")->count(), 0); // stopped, not finished
        QCOMPARE(fileBytes(m_w->entries.path()), before);
    }

    void fromMainWindow_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("wheel");
        QTest::addColumn<bool>("filled");         // with three lines
        QTest::addColumn<QList<bool>>("answers"); // to the wheel question
        QTest::newRow("nothing shown") << "Western05DEC2026.lot" << 0 << false << QList<bool>{};
        QTest::newRow("wheel") << "Western-6-5-4.lot" << 6 << true << QList<bool>{true};
        QTest::newRow("wheel refused") << "Western-6-5-4.lot" << 6 << true << QList<bool>{false};
    }

    void fromMainWindow()
    {
        QFETCH(QString, file);
        QFETCH(int, wheel);
        QFETCH(bool, filled);
        QFETCH(QList<bool>, answers);
        MainWindowFixture fx;
        Form1* main = fx.start();
        EntrySet& shown = main->entrySet();
        QVERIFY(shown.open(fx.path(file), 3, wheel));
        if (filled)
            QVERIFY(shown.append(Lines{Low, A, B}));
        fx.prompts->answers << answers;
        TRIGGER(main, "actionFilterEntry");
        auto* filter = openWindow<Form10>("Form10");
        QCOMPARE(bool(filter), filled && answers != QList<bool>{false});
        if (!filled)
            QCOMPARE(fx.prompts->last(), "Drawsmith Canada: You have no entries displayed to filter.");
        if (filter) {
            QVERIFY(!main->isInputEnabled());
            check(filter, true, false);
            fx.prompts->answers << true;
            CLICK(filter, "removeButton");
            CLICK(filter, "closeButton");
            QTRY_VERIFY(main->isInputEnabled());
            // The same set is shown again, as its file now holds it.
            QCOMPARE(shown.path(), fx.path(file));
            QCOMPARE(shown.selectedWheel(), wheel);
            QCOMPARE(shown.lines(), Lines({A, B}));
        }
        FINISH_MAIN_WINDOW(&fx);
    }

private:
    // A filter over the dated entry file of 5 December 2026.
    Form10* open(int gameId, const Lines& lines)
    {
        m_w->entries.open(m_w->path(EntryFile::DatedEntryFileName(gameId, 5, 12, 2026)), gameId);
        m_w->entries.append(lines);
        auto* filter = new Form10(m_w->entries, m_printers, true, nullptr);
        filter->show();
        return filter;
    }

    std::unique_ptr<WindowFixture> m_w;
    RecordingPrinter m_printers;
};

QTEST_MAIN(tst_Form10)
#include "tst_Form10.moc"
