#include "Form6.h"
#include "GameCatalogue.h"
#include "RealDraws.h"
#include "MainWindowFixture.h"
#include "RandomLines.h"
#include "ResultsFile.h"
#include "UiDriver.h"

#include <QDateEdit>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QSignalSpy>

// The history check window over the real National 6/49 history; the main window only for opening it.
class tst_Form6 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        m_draws = loadRealDraws();
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

    void openingAndRefusals()
    {
        MainWindowFixture fx;
        Form1* main = fx.start(); // Western 6/49 in a new folder
        CLICK(main, "historyCheckButton");
        QCOMPARE(fx.prompts->last(),
                 "Drawsmith Canada: You do not have any entries listed to check against the draw history!");
        QVERIFY(main->entrySet().append({3, 11, 12, 14, 41, 43, 0}));
        CLICK(main, "historyCheckButton");
        QCOMPARE(fx.prompts->last(),
                 "Drawsmith Canada: There are no results in the results file - you cannot do a history check!");
        QVERIFY(!openWindow("Form6"));
        QVERIFY(ResultsFile::writeAll(fx.path(GameCatalogue::game(3).resultsFile), m_draws));
        CLICK(main, "historyCheckButton");
        auto* form = openWindow<Form6>("Form6");
        QVERIFY(form);
        QVERIFY(!main->isInputEnabled());
        QCOMPARE(form->windowTitle(), QStringLiteral("History Check Against Provincial Entry"));
        QCOMPARE(form->findChild<QDateEdit*>("startDateEdit")->date(), QDate(1982, 6, 12)); // the oldest draw
        QCOMPARE(form->findChild<QDateEdit*>("endDateEdit")->date(), fx.today);
        QVERIFY(!form->findChild<QLabel*>("summaryLabel6")->isVisibleTo(form)); // no 6/49 wins past row 5
        CLICK(form, "closeButton");
        QTRY_VERIFY(main->isInputEnabled());
        FINISH_MAIN_WINDOW(&fx);
    }

    // 2000 lines against every draw pass the listing's limit: the summary still counts them all.
    void pagingPastTheLimit()
    {
        Form6* form = open(2000);
        CLICK(form, "checkButton");
        QTRY_VERIFY(!form->isChecking());
        QCOMPARE(form->findChild<QLabel*>("statusLabel")->text(),
                 QStringLiteral("Check 2000 entries against  4453 results."));
        QCOMPARE(shownCounts(form), expectedCounts(int(m_draws.size())));
        QCOMPARE(
            m_w->prompts.last(),
            "Drawsmith Canada: Please note that not all the entries have been displayed in the list on the left. This "
            "is due to there being 131000 entries which is the limit. However the summary on the right has been "
            "completed. If you want details of the missing items you should change the your search dates.");
        QCOMPARE(form->findChild<QProgressBar*>("progressBar")->value(), 0);

        QCOMPARE(visiblePage(form), 0);
        QCOMPARE(form->findChild<QListView*>("page0View")->model()->index(0, 0).data().toString(), "12 JUN  1982");
        for (int page : {1, 2, 3, 3}) {
            CLICK(form, "moreButton");
            QCOMPARE(visiblePage(form), page);
            QCOMPARE(form->findChild<QLabel*>("pageLabel")->text(), QStringLiteral("Page %1 of 4").arg(page + 1));
        }
        for (int page : {2, 1, 0, 0}) {
            CLICK(form, "backButton");
            QCOMPARE(visiblePage(form), page);
        }
    }

    void rangesThenCancelAndClose()
    {
        Form6* form = open(3000);
        auto* start = form->findChild<QDateEdit*>("startDateEdit");
        auto* end = form->findChild<QDateEdit*>("endDateEdit");
        start->setDate(QDate(2003, 1, 4));
        end->setDate(QDate(2003, 1, 8));
        CLICK(form, "checkButton");
        QTRY_VERIFY(!form->isChecking());
        auto* firstPage = form->findChild<QListView*>("page0View")->model();
        QVERIFY(firstPage->rowCount() > 0);
        // A refused range leaves nothing of the check before it in view.
        start->setDate(QDate(2003, 1, 8));
        end->setDate(QDate(2003, 1, 4));
        CLICK(form, "checkButton");
        QCOMPARE(m_w->prompts.last(), "Drawsmith Canada: Your start date must be before your end date");
        QCOMPARE(firstPage->rowCount(), 0);
        QCOMPARE(form->findChild<QLabel*>("statusLabel")->text(), QString());
        start->setDate(QDate(2003, 1, 5)); // between two draws
        end->setDate(QDate(2003, 1, 7));
        CLICK(form, "checkButton");
        QVERIFY(!form->isChecking());
        QCOMPARE(form->findChild<QLabel*>("statusLabel")->text(), "No results in specified date range");
        QCOMPARE(fieldText(form, "count1Edit"), QString());

        // The whole history, cancelled at the first step of progress.
        start->setDate(QDate(1982, 6, 12));
        end->setDate(m_clock.today());
        QSignalSpy closed(form, &ChildWindow::closed);
        int cancelledAt = 0;
        connect(form->findChild<QProgressBar*>("progressBar"), &QProgressBar::valueChanged, form, [&](int value) {
            if (value > 0 && cancelledAt == 0) {
                cancelledAt = value;
                QTest::mouseClick(form->findChild<QWidget*>("cancelButton"), Qt::LeftButton);
            }
        });
        CLICK(form, "checkButton");
        QVERIFY(form->isChecking());
        QVERIFY(!form->close()); // the frame's close button waits for the check
        QTRY_VERIFY(!form->isChecking());
        QVERIFY(cancelledAt > 0 && cancelledAt < static_cast<int>(m_draws.size()));
        QCOMPARE(shownCounts(form), expectedCounts(cancelledAt));
        QVERIFY(shownCounts(form) != expectedCounts(int(m_draws.size())));
        QCOMPARE(closed.count(), 0);
        QVERIFY(form->close());
        QCOMPARE(closed.count(), 1);
    }

    // Lotto Max has its own title and nine summary rows; a 2020 draw pays five numbers and the bonus.
    void lottoMaxSummary()
    {
        const QString results = m_w->path("CAN6.rtl");
        QVERIFY(ResultsFile::writeAll(results, loadLottoMaxDraws()));
        QVERIFY(m_w->entries.open(m_w->path("StandLottoMax.lot"), GameCatalogue::LottoMax));
        QVERIFY(m_w->entries.append({1, 8, 15, 16, 31, 32, 45})); // five of 5 June 2020 and its bonus, 31
        auto* form = new Form6(GameCatalogue::LottoMax, results, m_w->entries, m_clock, nullptr);
        form->show();
        QCOMPARE(form->windowTitle(), QStringLiteral("History Check Against Lotto Max Entry"));
        for (const char* picker : {"startDateEdit", "endDateEdit"})
            form->findChild<QDateEdit*>(picker)->setDate(QDate(2020, 6, 5));
        CLICK(form, "checkButton");
        QTRY_VERIFY(!form->isChecking());
        QStringList summary;
        for (int row = 1; row <= HistoryCheck::RowCount; ++row) {
            const auto* label = form->findChild<QLabel*>(QStringLiteral("summaryLabel%1").arg(row));
            QVERIFY(label->isVisibleTo(form));
            summary << label->text() + ' ' + fieldText(form, qPrintable(QStringLiteral("count%1Edit").arg(row)));
        }
        QCOMPARE(summary.join(", "),
                 "Match 7 0, Match 6+B 0, Match 6 0, Match 5+B 1, Match 5 0, Match 4+B 0, Match 4 0, Match 3+B 0, "
                 "Match 3 0");
    }

private:
    // A window over lineCount seeded lines and the whole real history.
    Form6* open(int lineCount)
    {
        const QString results = m_w->path("CAN1.rtl");
        if (!ResultsFile::writeAll(results, m_draws) || !m_w->entries.open(m_w->path("StandLotto.lot"), 1)
            || !m_w->entries.append(distinctLines(lineCount, 649)))
            qFatal("could not set up the history check files");
        auto* form = new Form6(GameCatalogue::National, results, m_w->entries, m_clock, nullptr);
        form->show();
        return form;
    }

    // The counts the logic finds over records 1..lastRecord, as the summary rows 1..5 show them.
    QStringList expectedCounts(int lastRecord) const
    {
        HistoryCheck check(m_w->entries.lines(), m_draws, GameCatalogue::National, {1, lastRecord});
        check.run();
        QStringList counts;
        for (int row = 1; row <= 5; ++row)
            counts << QString::number(check.count(row));
        return counts;
    }

    QStringList shownCounts(Form6* form) const
    {
        QStringList counts;
        for (int row = 1; row <= 5; ++row)
            counts << fieldText(form, qPrintable(QStringLiteral("count%1Edit").arg(row)));
        return counts;
    }

    // The one page shown, or -1 for none and -2 for several.
    int visiblePage(Form6* form) const
    {
        QList<int> shown;
        for (int page = 0; page < HistoryListing::PageCount; ++page) {
            if (form->findChild<QListView*>(QStringLiteral("page%1View").arg(page))->isVisible())
                shown << page;
        }
        return shown.size() == 1 ? shown.front() : shown.isEmpty() ? -1 : -2;
    }

    std::vector<DrawRecord> m_draws;
    std::unique_ptr<WindowFixture> m_w;
    FixedClock m_clock{QDate(2026, 12, 5)};
};

QTEST_MAIN(tst_Form6)
#include "tst_Form6.moc"
