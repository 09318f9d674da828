#include "EntryFile.h"
#include "FileBytes.h"
#include "FixedClock.h"
#include "LinkProcess.h"
#include "MainWindowFixture.h"
#include "RealDraws.h"
#include "ResultsFile.h"
#include "ScriptedPrompts.h"
#include "UiDriver.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace
{
const QDate Today(2026, 12, 5);
// The last real draw, sorted: one processed draw makes exactly this line.
const EntryNumbers LastDraw{11, 20, 32, 35, 38, 45, 0};
} // namespace

class tst_LinkProcess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void refusals_data();
    void refusals();
    void createForDate_data();
    void createForDate();
    void editAndClose();
    void mainWindowReloadsShownDate_data();
    void mainWindowReloadsShownDate();

private:
    LinkProcess* open(int draws);
    void process(LinkProcess* optimiser, const QString& text);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<FixedClock> m_clock;
    std::unique_ptr<MainWindowFixture> m_fx;
};

void tst_LinkProcess::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void tst_LinkProcess::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_clock = std::make_unique<FixedClock>(Today);
}

void tst_LinkProcess::cleanup()
{
    if (m_fx) {
        FINISH_MAIN_WINDOW(m_fx);
        m_fx.reset();
    }
    CLOSE_ALL_WINDOWS();
    QVERIFY2(m_prompts->drained(), qPrintable(m_prompts->unexpected.join(" | ")));
    m_prompts.reset();
}

LinkProcess* tst_LinkProcess::open(int draws)
{
    const std::vector<DrawRecord> real = loadRealDraws();
    const QString history = m_dir->filePath("CAN1.rtl");
    if (draws > 0 && !ResultsFile::writeAll(history, {real.end() - draws, real.end()}))
        qFatal("cannot write the test history");
    auto* optimiser = new LinkProcess(1, history, m_dir->path(), *m_clock, nullptr);
    optimiser->show();
    return optimiser;
}

void tst_LinkProcess::process(LinkProcess* optimiser, const QString& text)
{
    auto* n = optimiser->findChild<QLineEdit*>("drawsEdit");
    n->clear();
    QTest::keyClicks(n, text);
    QTest::mouseClick(optimiser->findChild<QPushButton*>("processRangeButton"), Qt::LeftButton);
}

void tst_LinkProcess::refusals_data()
{
    QTest::addColumn<int>("draws");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString range = "Your entry is outside the permitted draw range";
    QTest::newRow("empty") << 100 << ""
                           << "Please enter a value";
    QTest::newRow("one more than the history") << 100 << "101" << range;
    QTest::newRow("past 16 bits") << 100 << "40000" << range;
    QTest::newRow("no history") << 0 << "5"
                                << "There are no draws in the history file, this process cannot be run.";
}

void tst_LinkProcess::refusals()
{
    QFETCH(int, draws);
    QFETCH(QString, text);
    QFETCH(QString, message);
    LinkProcess* optimiser = open(draws);
    QCOMPARE(optimiser->findChild<QGroupBox*>("rangeGroup")->title(),
             "Enter number from 1 to " + QString::number(draws));
    process(optimiser, text);
    QCOMPARE(m_prompts->last(), "Drawsmith Canada: " + message);
    QVERIFY(!optimiser->findChild<QPushButton*>("createEntriesButton")->isEnabled());
    QVERIFY(optimiser->close()); // nothing processed, so nothing to ask
}

void tst_LinkProcess::createForDate_data()
{
    QTest::addColumn<int>("existing"); // lines already entered for the date
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("count");
    QTest::newRow("new date") << 0 << false << 1;
    QTest::newRow("add to existing") << 2 << true << 3;
    QTest::newRow("keep existing") << 2 << false << 2;
}

void tst_LinkProcess::createForDate()
{
    QFETCH(int, existing);
    QFETCH(bool, answer);
    QFETCH(int, count);
    LinkProcess* optimiser = open(100);
    QSignalSpy written(optimiser, &LinkProcess::entryFileWritten);
    const QString path = m_dir->filePath("Nat64909MAR2024.lot");
    for (int i = 0; i < existing; ++i)
        QVERIFY(EntryFile::AppendEntryLine(path, {1, 2, 3, 4, 5, int16_t(6 + i), 0}, 1));
    const QByteArray before = fileBytes(path);

    process(optimiser, "1");
    QCOMPARE(m_prompts->last(), QStringLiteral("Drawsmith Canada: Last 1 draws have been link processed"));
    optimiser->findChild<QDateEdit*>("entryDateEdit")->setDate(QDate(2024, 3, 9));
    if (existing)
        m_prompts->answers << answer;
    CLICK(optimiser, "createEntriesButton");

    QCOMPARE(EntryFile::ReadEntryCount(path), std::optional(count));
    if (existing && !answer) {
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(written.count(), 0);
        m_prompts->answers << true; // nothing created yet: closing asks
        QVERIFY(optimiser->close());
        return;
    }
    QCOMPARE(m_prompts->last(), QStringLiteral("Drawsmith Canada: Done - 1 entries added to draw 9 Mar 2024"));
    QCOMPARE(written.count(), 1);
    QCOMPARE(written.front().front().toString(), path);
    const QByteArray bytes = fileBytes(path);
    QCOMPARE(bytes.left(28 * existing).mid(4), before.mid(4)); // earlier lines kept
    const QByteArray added = bytes.mid(28 * existing, 28);
    QCOMPARE(EntryFile::lineOf(RecordFile(28, bytes), count), LastDraw);
    QCOMPARE(RecordFile::get16(added, 6), int16_t(9));
    QCOMPARE(RecordFile::get16(added, 8), int16_t(3));
    QCOMPARE(RecordFile::get16(added, 10), int16_t(2024));
}

void tst_LinkProcess::editAndClose()
{
    LinkProcess* optimiser = open(100);
    auto* create = optimiser->findChild<QPushButton*>("createEntriesButton");
    process(optimiser, "100");
    QVERIFY(create->isEnabled());
    QTest::keyClick(optimiser->findChild<QLineEdit*>("drawsEdit"), Qt::Key_Backspace);
    QVERIFY(!create->isEnabled());

    // Processed but nothing created: the player is asked before the table is lost.
    const QString question = "Drawsmith Canada: You have not yet created an entry from the last initiation of "
                             "Process Range. Do you still want to quit?";
    m_prompts->answers << false << true;
    CLICK(optimiser, "closeButton");
    QCOMPARE(m_prompts->last(), question);
    QVERIFY(optimiser->isVisible());
    QSignalSpy closed(optimiser, &ChildWindow::closed);
    QTest::keyClick(optimiser, Qt::Key_Escape);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(m_prompts->shown.count(question), 2);
}

void tst_LinkProcess::mainWindowReloadsShownDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("shown");
    QTest::newRow("the date shown") << Today << 1;
    QTest::newRow("another date") << Today.addDays(7) << 0;
}

void tst_LinkProcess::mainWindowReloadsShownDate()
{
    QFETCH(QDate, date);
    QFETCH(int, shown);
    m_fx = std::make_unique<MainWindowFixture>();
    const std::vector<DrawRecord> real = loadRealDraws();
    QVERIFY(ResultsFile::writeAll(m_fx->path("CAN2.rtl"), {real.end() - 1, real.end()})); // Western
    Form1* main = m_fx->start();
    TRIGGER(main, "actionCreateOptimised");
    auto* optimiser = openWindow<LinkProcess>("LinkProcess");
    QVERIFY(optimiser);
    QVERIFY(main->isInputEnabled()); // the optimiser does not block the main window
    auto* create = main->findChild<QAction*>("actionCreateOptimised");
    QVERIFY(!create->isEnabled()); // but one optimiser at a time

    process(optimiser, "1");
    optimiser->findChild<QDateEdit*>("entryDateEdit")->setDate(date);
    CLICK(optimiser, "createEntriesButton");
    QCOMPARE(main->entrySet().count(), shown);
    QCOMPARE(main->findChild<QLineEdit*>("entryCountEdit")->text(), QString::number(shown));
    QVERIFY(EntryFile::fileExists(m_fx->path(EntryFile::DatedEntryFileName(3, date.day(), date.month(), date.year()))));
    QVERIFY(optimiser->close());
    QVERIFY(create->isEnabled());
}

QTEST_MAIN(tst_LinkProcess)
#include "tst_LinkProcess.moc"
