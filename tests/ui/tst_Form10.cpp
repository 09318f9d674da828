#include "FileBytes.h"
#include "FileSizeLimit.h"
#include "Form10.h"
#include "MainWindowFixture.h"
#include "RandomLines.h"
#include "UiDriver.h"

#include <QSlider>

using Lines = std::vector<EntryNumbers>;

namespace
{
const EntryNumbers Low{1, 2, 3, 4, 5, 6, 0}; // sum 21, below every band
const EntryNumbers A{3, 12, 23, 34, 41, 45, 0};
const EntryNumbers NearA{3, 12, 23, 34, 41, 46, 0}; // five numbers of A
const EntryNumbers B{7, 14, 21, 28, 35, 42, 0};
const EntryNumbers High{30, 31, 32, 33, 34, 35, 0}; // sum 195: inside the widest band only

QStringList totals(QWidget* window)
{
    return {
        fieldText(window, "totalEntriesEdit"), fieldText(window, "checkedEdit"), fieldText(window, "resultingEdit")};
}

// Ticks (or unticks) the filters as the player does and presses Check.
void check(QWidget* window, bool sum, bool coverage)
{
    if (sum)
        QTest::mouseClick(window->findChild<QCheckBox*>("sumFilterCheck"), Qt::LeftButton);
    if (coverage)
        QTest::mouseClick(window->findChild<QCheckBox*>("coverageFilterCheck"), Qt::LeftButton);
    QTest::mouseClick(window->findChild<QWidget*>("checkButton"), Qt::LeftButton);
}
} // namespace

// The filter window, over a wheel set of the main window and over the largest entry file.
class tst_Form10 : public QObject
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

    void checkChangeRemove()
    {
        m_fx->printers.names = QStringList{"Desk"};
        Form1* main = m_fx->start();
        TRIGGER(main, "actionFilterEntry");
        SAID(m_fx, "You have no entries displayed to filter.");
        EntrySet& shown = main->entrySet();
        const QString wheelSet = m_fx->path("Western-6-5-4.lot");
        QVERIFY(shown.open(wheelSet, 3, 6) && shown.append(Lines{Low, A, NearA, B, A, High}));
        m_fx->prompts.answers << false << true;
        TRIGGER(main, "actionFilterEntry");
        SAID(m_fx, "If you filter a wheel, the guarantee will no longer apply. Are you sure you want to continue?");
        QVERIFY(!openWindow("Form10"));
        TRIGGER(main, "actionFilterEntry");
        auto* filter = openWindow<Form10>("Form10");
        QVERIFY(filter);
        QVERIFY(!main->isInputEnabled());
        auto* list = filter->findChild<QListWidget*>("filteredList");
        CLICK(filter, "checkButton");
        SAID(m_fx, "No filter has been specified");
        QCOMPARE(list->count(), 0);

        // The sum band marks Low; five shared numbers, the third option, mark the near copy and the copy.
        check(filter, true, true);
        QCOMPARE(list->item(0)->text(), QStringLiteral("01 02 03 04 05 06 "));
        QList<bool> ticked;
        for (int r = 0; r < list->count(); ++r)
            ticked << (list->item(r)->checkState() == Qt::Checked);
        QCOMPARE(ticked, QList<bool>({true, false, true, false, true, false}));
        QCOMPARE(totals(filter), QStringList({"6", "3", "3"}));
        // The player keeps the near copy after all, and the printed list says so.
        clickRow(list, 2);
        QTest::keyClick(list->viewport(), Qt::Key_Space);
        QCOMPARE(totals(filter), QStringList({"6", "2", "4"}));
        CLICK(filter, "printButton");
        QCOMPARE(m_fx->printers.jobs.size(), size_t(1));
        QCOMPARE(m_fx->printers.jobs[0].lines.filter("Selected for Deletion").size(), 2);

        const QByteArray before = fileBytes(wheelSet);
        m_fx->prompts.answers << false << true << true;
        CLICK(filter, "removeButton");
        SAID(m_fx, "Remove 2 lines from the entry file?");
        QVERIFY(m_fx->prompts.noByDefault.last());
        // A removal whose write fails leaves the file and the marks as they were, to try again.
        {
            FileSizeLimit limit(20);
            CLICK(filter, "removeButton");
        }
        QVERIFY2(m_fx->prompts.last().contains("Western-6-5-4.lot"), qPrintable(m_fx->prompts.last()));
        QCOMPARE(shown.count(), 6);
        QCOMPARE(totals(filter), QStringList({"6", "2", "4"}));
        QCOMPARE(fileBytes(wheelSet), before);
        CLICK(filter, "removeButton");
        QCOMPARE(EntryFile::readAllLines(wheelSet), std::optional(Lines({A, NearA, B, High})));
        QCOMPARE(list->count(), 0);
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
        CLICK(filter, "closeButton");
        QTRY_VERIFY(main->isInputEnabled());
        // The same set is shown again, as its file now holds it.
        QCOMPARE(shown.path(), wheelSet);
        QCOMPARE(shown.selectedWheel(), 6);
        QCOMPARE(shown.lines(), Lines({A, NearA, B, High}));
    }

    void closeDuringLongCheck()
    {
        // The most lines a file holds, none alike, so the coverage check compares every pair.
        m_fx->entries.open(m_fx->path("Nat64905DEC2026.lot"), 1);
        QVERIFY(m_fx->entries.append(distinctLines(EntryFile::MaxLines, 9)));
        auto* filter = new Form10(m_fx->entries, m_fx->printers, true, nullptr);
        filter->show();
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

private:
    std::unique_ptr<MainWindowFixture> m_fx;
};

QTEST_MAIN(tst_Form10)
#include "tst_Form10.moc"
