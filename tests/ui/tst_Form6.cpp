#include "EntrySet.h"
#include "FixedClock.h"
#include "Form6.h"
#include "GameCatalogue.h"
#include "MainWindowFixture.h"
#include "RealDraws.h"
#include "ResultsFile.h"
#include "UiDriver.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

// The history check window over the real National 6/49 history; the main window only for opening it.
class tst_Form6 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void openingAndRefusals_data();
    void openingAndRefusals();
    void rangesWithoutCheck_data();
    void rangesWithoutCheck();
    void pagingAndLimit_data();
    void pagingAndLimit();
    void cancelKeepsPartialCounts();
    void closingWaitsForTheCheck();

private:
    Form6* open(int lineCount);
    HistoryCheck expectedCheck(int lastRecord) const;
    int visiblePage(Form6* form) const;
    QString countText(Form6* form, int row) const;

    std::vector<DrawRecord> m_draws;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<EntrySet> m_entries;
    FixedClock m_clock{QDate(2026, 12, 5)};
};

void tst_Form6::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    m_draws = loadRealDraws();
}

void tst_Form6::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_entries = std::make_unique<EntrySet>();
}

void tst_Form6::cleanup()
{
    CLOSE_ALL_WINDOWS();
    QVERIFY2(m_prompts->drained(), qPrintable(m_prompts->unexpected.join(" | ")));
    m_entries.reset();
    m_prompts.reset();
}

// A window over lineCount seeded lines and the whole real history.
Form6* tst_Form6::open(int lineCount)
{
    SeededRandom random(649);
    RecordFile file(EntryFile::RecordLength);
    for (int i = 0; i < lineCount; ++i) {
        EntryNumbers line{};
        for (int used = 0; used < 6;) {
            const auto n = static_cast<int16_t>(random.between(1, 49));
            if (std::count(line.begin(), line.begin() + used, n) == 0)
                line[used++] = n;
        }
        EntryFile::appendLine(file, line, GameCatalogue::National);
    }
    const QString entries = m_dir->filePath("StandLotto.lot");
    const QString results = m_dir->filePath("CAN1.rtl");
    if (!file.save(entries) || !ResultsFile::writeAll(results, m_draws) || !m_entries->open(entries, 1))
        qFatal("could not set up the history check files");
    auto* form = new Form6(GameCatalogue::National, results, *m_entries, m_clock, nullptr);
    form->show();
    return form;
}

// The logic run straight through over records 1..lastRecord, to compare the window with.
HistoryCheck tst_Form6::expectedCheck(int lastRecord) const
{
    HistoryCheck check(m_entries->lines(), m_draws, GameCatalogue::National, {1, lastRecord});
    check.run();
    return check;
}

int tst_Form6::visiblePage(Form6* form) const
{
    int shown = -1;
    for (int page = 0; page < HistoryListing::PageCount; ++page) {
        if (form->findChild<QListView*>(QStringLiteral("page%1View").arg(page))->isVisible()) {
            if (shown >= 0)
                return -2; // two pages at once
            shown = page;
        }
    }
    return shown;
}

QString tst_Form6::countText(Form6* form, int row) const
{
    return form->findChild<QLineEdit*>(QStringLiteral("count%1Edit").arg(row))->text();
}

void tst_Form6::openingAndRefusals_data()
{
    QTest::addColumn<bool>("withEntries");
    QTest::addColumn<bool>("withHistory");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("no entries") << false << true
                                << "You do not have any entries listed to check against the draw history!";
    QTest::newRow("no draws") << true << false
                              << "There are no results in the results file - you cannot do a history check!";
    QTest::newRow("opens") << true << true << "";
}

void tst_Form6::openingAndRefusals()
{
    QFETCH(bool, withEntries);
    QFETCH(bool, withHistory);
    QFETCH(QString, refusal);
    auto fx = std::make_unique<MainWindowFixture>();
    if (withHistory)
        QVERIFY(ResultsFile::writeAll(fx->path(GameCatalogue::game(3).resultsFile), m_draws));
    Form1* main = fx->start(); // Western 6/49 in a new folder
    if (withEntries)
        QVERIFY(main->entrySet().append({3, 11, 12, 14, 41, 43, 0}));
    CLICK(main, "historyCheckButton");
    auto* form = openWindow<Form6>("Form6");
    if (!refusal.isEmpty()) {
        QCOMPARE(fx->prompts->last(), "Drawsmith Canada: " + refusal);
        QVERIFY(!form);
        QVERIFY(main->isInputEnabled());
    } else {
        QVERIFY(form);
        QVERIFY(!main->isInputEnabled());
        QCOMPARE(form->windowTitle(), QStringLiteral("History Check Against Provincial Entry"));
        QCOMPARE(form->findChild<QDateEdit*>("startDateEdit")->date(), QDate(1982, 6, 12)); // the oldest draw
        QCOMPARE(form->findChild<QDateEdit*>("endDateEdit")->date(), fx->today);
        QVERIFY(form->findChild<QLabel*>("summaryLabel5")->isVisibleTo(form));
        QVERIFY(!form->findChild<QLabel*>("summaryLabel6")->isVisibleTo(form));
        CLICK(form, "closeButton");
        QTRY_VERIFY(main->isInputEnabled());
    }
    FINISH_MAIN_WINDOW(fx);
}

void tst_Form6::rangesWithoutCheck_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("status");
    QTest::newRow("start after end") << QDate(2003, 1, 8) << QDate(2003, 1, 4)
                                     << "Your start date must be before your end date"
                                     << "";
    QTest::newRow("between two draws") << QDate(2003, 1, 5) << QDate(2003, 1, 7) << ""
                                       << "No results in specified date range";
    QTest::newRow("after the newest draw") << QDate(2026, 9, 24) << QDate(2026, 12, 5) << ""
                                           << "No results in specified date range";
}

void tst_Form6::rangesWithoutCheck()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QString, refusal);
    QFETCH(QString, status);
    Form6* form = open(50);
    form->findChild<QDateEdit*>("startDateEdit")->setDate(start);
    form->findChild<QDateEdit*>("endDateEdit")->setDate(end);
    CLICK(form, "checkButton");
    QVERIFY(!form->isChecking());
    QCOMPARE(m_prompts->last(), refusal.isEmpty() ? QString() : "Drawsmith Canada: " + refusal);
    QCOMPARE(form->findChild<QLabel*>("statusLabel")->text(), status);
    QCOMPARE(countText(form, 1), QString());
    QVERIFY(form->findChild<QPushButton*>("checkButton")->isEnabled());
    QVERIFY(form->findChild<QPushButton*>("closeButton")->isEnabled());
}

void tst_Form6::pagingAndLimit_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QList<int>>("afterMore"); // the page shown after each press of "More..."
    QTest::newRow("past the limit") << 2000 << QList<int>{1, 2, 3, 3};
    QTest::newRow("within one page") << 10 << QList<int>{1, 1};
}

void tst_Form6::pagingAndLimit()
{
    QFETCH(int, lineCount);
    QFETCH(QList<int>, afterMore);
    Form6* form = open(lineCount);
    CLICK(form, "checkButton");
    QTRY_VERIFY(!form->isChecking());
    const HistoryCheck expected = expectedCheck(static_cast<int>(m_draws.size()));
    QCOMPARE(form->findChild<QLabel*>("statusLabel")->text(),
             QStringLiteral("Check %1 entries against  4453 results.").arg(lineCount));
    for (int row = 1; row <= 5; ++row)
        QCOMPARE(countText(form, row), QString::number(expected.count(row)));
    const QString limit = "Drawsmith Canada: Please note that not all the entries have been displayed in the list on "
                          "the left. This is due to there being 131000 entries which is the limit. However the "
                          "summary on the right has been completed. If you want details of the missing items you "
                          "should change the your search dates.";
    QCOMPARE(m_prompts->last(), expected.listing().limitReached() ? limit : QString());
    QCOMPARE(form->findChild<QProgressBar*>("progressBar")->value(), 0);

    auto* first = form->findChild<QListView*>("page0View");
    QCOMPARE(visiblePage(form), 0);
    QCOMPARE(first->model()->index(0, 0).data().toString(), QStringLiteral("12 JUN  1982"));
    for (int page : afterMore) {
        CLICK(form, "moreButton");
        QCOMPARE(visiblePage(form), page);
    }
    for (int page = afterMore.back() - 1; page >= -1; --page) {
        CLICK(form, "backButton");
        QCOMPARE(visiblePage(form), std::max(page, 0));
    }
}

void tst_Form6::cancelKeepsPartialCounts()
{
    Form6* form = open(3000);
    auto* progress = form->findChild<QProgressBar*>("progressBar");
    int cancelledAt = 0;
    connect(progress, &QProgressBar::valueChanged, form, [&](int value) {
        if (value > 0 && cancelledAt == 0) {
            cancelledAt = value;
            QTest::mouseClick(form->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
        }
    });
    CLICK(form, "checkButton");
    QTRY_VERIFY(!form->isChecking());
    QVERIFY(cancelledAt > 0 && cancelledAt < static_cast<int>(m_draws.size()));
    const HistoryCheck partial = expectedCheck(cancelledAt);
    for (int row = 1; row <= 5; ++row)
        QCOMPARE(countText(form, row), QString::number(partial.count(row)));
    QVERIFY(partial.count(5) < expectedCheck(static_cast<int>(m_draws.size())).count(5));
    QCOMPARE(form->findChild<QListView*>("page0View")->model()->rowCount(), partial.listing().page(0).size());
    QVERIFY(form->findChild<QPushButton*>("closeButton")->isEnabled());
}

void tst_Form6::closingWaitsForTheCheck()
{
    Form6* form = open(3000);
    QSignalSpy closed(form, &ChildWindow::closed);
    CLICK(form, "checkButton");
    QVERIFY(form->isChecking());
    QVERIFY(!form->close()); // the frame's close button
    QTest::keyClick(form, Qt::Key_Escape);
    QVERIFY(form->isVisible());
    QCOMPARE(closed.count(), 0);
    QTRY_VERIFY(!form->isChecking());
    QVERIFY(form->close());
    QCOMPARE(closed.count(), 1);
}

QTEST_MAIN(tst_Form6)
#include "tst_Form6.moc"
