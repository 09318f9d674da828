#include "FileBytes.h"
#include "FileSizeLimit.h"
#include "LinkProcess.h"
#include "MainWindowFixture.h"
#include "RealDraws.h"
#include "ResultsFile.h"
#include "UiDriver.h"

#include <QDateEdit>
#include <QGroupBox>

namespace
{
// The last real draw, sorted: one processed draw makes exactly this line.
const EntryNumbers LastDraw{11, 20, 32, 35, 38, 45, 0};

// Types N and presses "Process Range".
void process(QWidget* optimiser, const QString& text)
{
    auto* n = optimiser->findChild<QLineEdit*>("drawsEdit");
    n->clear();
    QTest::keyClicks(n, text);
    QTest::mouseClick(optimiser->findChild<QWidget*>("processRangeButton"), Qt::LeftButton);
}
} // namespace

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
        m_w = std::make_unique<WindowFixture>();
    }

    void cleanup()
    {
        FINISH_WINDOWS(m_w);
        m_w.reset();
    }

    void refusals_data()
    {
        QTest::addColumn<int>("draws");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << 100 << QString() << "Please enter a value";
        QTest::newRow("one more than the history")
            << 100 << QStringLiteral("101") << "Your entry is outside the permitted draw range";
        QTest::newRow("no history") << 0 << QStringLiteral("5")
                                    << "There are no draws in the history file, this process cannot be run.";
    }

    void refusals()
    {
        QFETCH(int, draws);
        QFETCH(QString, text);
        QFETCH(QString, message);
        LinkProcess* optimiser = open(draws);
        QCOMPARE(optimiser->findChild<QGroupBox*>("rangeGroup")->title(),
                 "Enter number from 1 to " + QString::number(draws));
        process(optimiser, text);
        QCOMPARE(m_w->prompts.last(), app + message);
        QVERIFY(!optimiser->findChild<QWidget*>("createEntriesButton")->isEnabled());
        QVERIFY(optimiser->close()); // nothing processed, so nothing to ask
    }

    void createForDate()
    {
        LinkProcess* optimiser = open(100);
        const QString path = m_w->path("Nat64909MAR2024.lot");
        process(optimiser, "1");
        QCOMPARE(m_w->prompts.last(), app + "Last 1 draws have been link processed");
        // Processed but nothing created: closing asks before the table is lost.
        m_w->prompts.answers << false;
        QVERIFY(!optimiser->close());
        QCOMPARE(m_w->prompts.last(),
                 app
                     + "You have not yet created an entry from the last initiation of Process Range. Do you still want "
                       "to quit?");

        optimiser->findChild<QDateEdit*>("entryDateEdit")->setDate(QDate(2024, 3, 9));
        CLICK(optimiser, "createEntriesButton"); // into a new date
        QCOMPARE(m_w->prompts.last(), app + "Done - 1 entries added to draw 9 Mar 2024");
        m_w->prompts.answers << true << false; // added to the line there; then kept as it is
        CLICK(optimiser, "createEntriesButton");
        const QByteArray two = fileBytes(path);
        CLICK(optimiser, "createEntriesButton");
        QCOMPARE(m_w->prompts.last(),
                 app
                     + "You already have a date entry for this date, do you want to add the new optimised entry to the "
                       "existing entry?");
        QCOMPARE(fileBytes(path), two);
        QCOMPARE(EntryFile::ReadEntryCount(path), std::optional(2));
        QCOMPARE(EntryFile::lineOf(RecordFile(28, two), 2), LastDraw);
        QCOMPARE(two.mid(28 + 6, 6), QByteArray::fromHex("09000300e807")); // 9, 3, 2024
        {
            // A full disk: the file keeps its lines and the message names it and the reason.
            FileSizeLimit limit(two.size());
            QVERIFY(limit.active);
            m_w->prompts.answers << true;
            CLICK(optimiser, "createEntriesButton");
        }
        QVERIFY2(m_w->prompts.last().contains("Nat64909MAR2024.lot") && m_w->prompts.last().contains("File too large"),
                 qPrintable(m_w->prompts.last()));
        QCOMPARE(fileBytes(path), two);
        QVERIFY(optimiser->close());
    }

    void mainWindowReloadsShownDate()
    {
        MainWindowFixture fx;
        const std::vector<DrawRecord> real = loadRealDraws();
        QVERIFY(ResultsFile::writeAll(fx.path("CAN2.rtl"), {real.end() - 1, real.end()})); // Western
        Form1* main = fx.start();
        TRIGGER(main, "actionCreateOptimised");
        auto* optimiser = openWindow<LinkProcess>("LinkProcess");
        QVERIFY(optimiser);
        QVERIFY(!main->isInputEnabled()); // no game switch behind its back
        QCOMPARE(optimiser->windowTitle(), "Optimiser for Western 6/49");
        process(optimiser, "1");
        auto* date = optimiser->findChild<QDateEdit*>("entryDateEdit");
        date->setDate(fx.today.addDays(7));
        CLICK(optimiser, "createEntriesButton");
        QCOMPARE(fieldText(main, "entryCountEdit"), "0");
        date->setDate(fx.today);
        CLICK(optimiser, "createEntriesButton");
        QCOMPARE(fieldText(main, "entryCountEdit"), "1");
        // The lines belong to the range processed: a new number needs a new run.
        QTest::keyClick(optimiser->findChild<QLineEdit*>("drawsEdit"), Qt::Key_Backspace);
        QVERIFY(!optimiser->findChild<QWidget*>("createEntriesButton")->isEnabled());
        process(optimiser, "1");
        // Exit asks once whether to quit without creating from the new run; No keeps every window.
        fx.prompts->answers << false;
        TRIGGER(main, "actionExit");
        QVERIFY(main->isVisible() && optimiser->isVisible());
        fx.prompts->answers << true;
        TRIGGER(main, "actionExit");
        QTRY_VERIFY(!main->isVisible() && !openWindow("LinkProcess"));
        FINISH_MAIN_WINDOW(&fx);
    }

private:
    // An optimiser on its own over the last real National 6/49 draws.
    LinkProcess* open(int draws)
    {
        const std::vector<DrawRecord> real = loadRealDraws();
        const QString history = m_w->path("CAN1.rtl");
        if (draws > 0 && !ResultsFile::writeAll(history, {real.end() - draws, real.end()}))
            qFatal("cannot write the test history");
        auto* optimiser = new LinkProcess(1, history, m_w->dir.path(), m_clock, nullptr);
        optimiser->show();
        return optimiser;
    }

    const QString app = QStringLiteral("Drawsmith Canada: ");
    std::unique_ptr<WindowFixture> m_w;
    FixedClock m_clock{QDate(2026, 12, 5)};
};

QTEST_MAIN(tst_LinkProcess)
#include "tst_LinkProcess.moc"
