#include "FileBytes.h"
#include "FileSizeLimit.h"
#include "LinkProcess.h"
#include "MainWindowFixture.h"
#include "UiDriver.h"

namespace
{
// Types N and presses "Process Range".
void process(QWidget* optimiser, const QString& text)
{
    auto* n = optimiser->findChild<QLineEdit*>("drawsEdit");
    n->clear();
    QTest::keyClicks(n, text);
    QTest::mouseClick(optimiser->findChild<QWidget*>("processRangeButton"), Qt::LeftButton);
}
} // namespace

// The optimiser, opened from the main window over Western 6/49's history.
class tst_LinkProcess : public QObject
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
        FINISH(m_fx);
    }

    void processAndCreate()
    {
        Form1* main = m_fx->start();
        TRIGGER(main, "actionCreateOptimised");
        auto* optimiser = openWindow<LinkProcess>("LinkProcess");
        QVERIFY(optimiser);
        QVERIFY(!main->isInputEnabled()); // no game switch behind its back
        QCOMPARE(optimiser->windowTitle(), "Optimiser for Western 6/49");
        process(optimiser, "5");
        SAID(m_fx, "There are no draws in the history file, this process cannot be run.");
        const std::vector<DrawRecord> real = loadRealDraws();
        QVERIFY(ResultsFile::writeAll(m_fx->path("CAN2.rtl"), {real.end() - 100, real.end()}));
        process(optimiser, "");
        SAID(m_fx, "Please enter a value");
        process(optimiser, "101");
        SAID(m_fx, "Your entry is outside the permitted draw range");
        QCOMPARE(optimiser->findChild<QGroupBox*>("rangeGroup")->title(), "Enter number from 1 to 100");
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
        m_fx->prompts.answers << true << false; // added to the line there; then kept as it is
        CLICK(optimiser, "createEntriesButton");
        const QString path = m_fx->path("Western09MAR2024.lot");
        const QByteArray two = fileBytes(path);
        CLICK(optimiser, "createEntriesButton");
        SAID(m_fx,
             "You already have a date entry for this date, do you want to add the new optimised entry to the existing "
             "entry?");
        QCOMPARE(fileBytes(path), two);
        QCOMPARE(EntryFile::ReadEntryCount(path), std::optional(2));
        // The last real draw, sorted: one processed draw makes exactly this line.
        QCOMPARE(EntryFile::lineOf(RecordFile(28, two), 2), (EntryNumbers{11, 20, 32, 35, 38, 45, 0}));
        QCOMPARE(two.mid(28 + 6, 6), QByteArray::fromHex("09000300e807")); // 9, 3, 2024
        {
            // A full disk: the file keeps its lines and the message names it and the reason.
            FileSizeLimit limit(two.size());
            QVERIFY(limit.active);
            m_fx->prompts.answers << true;
            CLICK(optimiser, "createEntriesButton");
        }
        QVERIFY2(m_fx->prompts.last().contains("Western09MAR2024.lot")
                     && m_fx->prompts.last().contains("File too large"),
                 qPrintable(m_fx->prompts.last()));
        QCOMPARE(fileBytes(path), two);

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

QTEST_MAIN(tst_LinkProcess)
#include "tst_LinkProcess.moc"
