#include "Form6.h"
#include "GameCatalogue.h"
#include "MainWindowFixture.h"
#include "RandomLines.h"
#include "UiDriver.h"

#include <QListView>

// The history check window over the real National 6/49 history, which serves as Western's here.
class tst_Form6 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_draws = loadRealDraws();
    }

    void init()
    {
        m_fx = std::make_unique<MainWindowFixture>();
    }

    void cleanup()
    {
        FINISH(m_fx);
    }

    // 2000 lines from the main window: past the listing's limit over four pages, refused and empty
    // ranges, and a check cancelled half way.
    void checkFromMainWindow()
    {
        Form1* main = m_fx->start();
        CLICK(main, "historyCheckButton");
        SAID(m_fx, "You do not have any entries listed to check against the draw history!");
        QVERIFY(main->entrySet().append(distinctLines(2000, 649)));
        CLICK(main, "historyCheckButton");
        SAID(m_fx, "There are no results in the results file - you cannot do a history check!");
        QVERIFY(ResultsFile::writeAll(m_fx->path("CAN2.rtl"), m_draws));
        CLICK(main, "historyCheckButton");
        auto* form = openWindow<Form6>("Form6");
        QVERIFY(form);
        QVERIFY(!main->isInputEnabled());
        QCOMPARE(form->windowTitle(), QStringLiteral("History Check Against Provincial Entry"));
        auto* start = form->findChild<QDateEdit*>("startDateEdit");
        auto* end = form->findChild<QDateEdit*>("endDateEdit");
        QCOMPARE(start->date(), QDate(1982, 6, 12)); // the oldest draw
        QCOMPARE(end->date(), m_fx->today);
        QVERIFY(!form->findChild<QLabel*>("summaryLabel6")->isVisibleTo(form)); // no 6/49 wins past row 5

        CLICK(form, "checkButton");
        QTRY_VERIFY(!form->isChecking());
        auto* status = form->findChild<QLabel*>("statusLabel");
        QCOMPARE(status->text(), QStringLiteral("Check 2000 entries against  4453 results."));
        QCOMPARE(shownCounts(form), expectedCounts(int(m_draws.size())));
        SAID(m_fx,
             "Please note that not all the entries have been displayed in the list on the left. This is due to there "
             "being 131000 entries which is the limit. However the summary on the right has been completed. If you "
             "want details of the missing items you should change the your search dates.");
        QCOMPARE(form->findChild<QProgressBar*>("progressBar")->value(), 0);
        auto* firstPage = form->findChild<QListView*>("page0View")->model();
        QCOMPARE(firstPage->index(0, 0).data().toString(), QStringLiteral("12 JUN  1982"));
        QCOMPARE(visiblePage(form), 0);
        for (int page : {1, 2, 3, 3}) {
            CLICK(form, "moreButton");
            QCOMPARE(visiblePage(form), page);
            QCOMPARE(form->findChild<QLabel*>("pageLabel")->text(), QStringLiteral("Page %1 of 4").arg(page + 1));
        }
        for (int page : {2, 1, 0, 0}) {
            CLICK(form, "backButton");
            QCOMPARE(visiblePage(form), page);
        }

        // A refused range leaves nothing of the check before it in view.
        start->setDate(QDate(2003, 1, 8));
        end->setDate(QDate(2003, 1, 4));
        CLICK(form, "checkButton");
        SAID(m_fx, "Your start date must be before your end date");
        QCOMPARE(firstPage->rowCount(), 0);
        QCOMPARE(status->text(), QString());
        start->setDate(QDate(2003, 1, 5)); // between two draws
        end->setDate(QDate(2003, 1, 7));
        CLICK(form, "checkButton");
        QCOMPARE(status->text(), QStringLiteral("No results in specified date range"));
        QCOMPARE(fieldText(form, "count1Edit"), QString());

        // The whole history, cancelled at the first step of progress.
        start->setDate(QDate(1982, 6, 12));
        end->setDate(m_fx->today);
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
        QTRY_VERIFY(main->isInputEnabled());
    }

    // Lotto Max has its own title and nine summary rows; a 2020 draw pays five numbers and the bonus.
    void lottoMaxSummary()
    {
        const QString results = m_fx->path("CAN6.rtl");
        QVERIFY(ResultsFile::writeAll(results, loadLottoMaxDraws()));
        QVERIFY(m_fx->entries.open(m_fx->path("StandLottoMax.lot"), GameCatalogue::LottoMax));
        QVERIFY(m_fx->entries.append({1, 8, 15, 16, 31, 32, 45})); // five of 5 June 2020 and its bonus, 31
        auto* form = new Form6(GameCatalogue::LottoMax, results, m_fx->entries, m_fx->clock, nullptr);
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
    // The counts the logic finds for the shown lines over records 1..lastRecord, as summary rows 1..5.
    QStringList expectedCounts(int lastRecord) const
    {
        HistoryCheck check(m_fx->main->entrySet().lines(), m_draws, 3, {1, lastRecord});
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
    std::unique_ptr<MainWindowFixture> m_fx;
};

QTEST_MAIN(tst_Form6)
#include "tst_Form6.moc"
