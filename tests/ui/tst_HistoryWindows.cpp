#include "Form6.h"
#include "MainWindowFixture.h"
#include "RandomLines.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QListView>
#include <QStackedWidget>
#include <QValueAxis>

// The windows over the draw histories, opened from the main window: the statistics window with
// the ball window it opens, and the history check of the shown entries.
class tst_HistoryWindows : public QObject
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

    // Over the real National 6/49 and Lotto Max histories, and a Super 7 one no one can read.
    void statistics()
    {
        QVERIFY(ResultsFile::writeAll(m_fx->path("CAN1.rtl"), loadRealDraws()));
        QVERIFY(ResultsFile::writeAll(m_fx->path("CAN6.rtl"), loadLottoMaxDraws()));
        QVERIFY(QDir(m_fx->dir.path()).mkdir("CAN7.rtl"));
        CLICK(m_fx->start(), "statsButton");
        m_stats = openWindow("Form4");
        QVERIFY(m_stats && QTest::qWaitForWindowExposed(m_stats));
        QCOMPARE(m_stats->windowTitle(), QStringLiteral("Draw Statistics for National 6/49"));
        QVERIFY(bars()->count() == 49 && bars()->sum() == 6 * 4453);
        // The count axis reaches above the tallest bar.
        double tallest = 0;
        for (int ball = 0; ball < 49; ++ball)
            tallest = std::max(tallest, bars()->at(ball));
        const auto* view = m_stats->findChild<QChartView*>("chartView");
        QVERIFY(qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).value(0))->max() >= tallest);

        // "Use Last Draws": fewer, more than the history, and past what a history can hold.
        auto* lastDraws = m_stats->findChild<QLineEdit*>("lastDrawsEdit");
        const QString tooMany = "Your value for last draws exceed the number of actual draws. Setting to actual draws.";
        for (const auto& [typed, sum, message] : {std::tuple<QString, double, QString>{"10", 60, ""},
                                                  {"1", 6, ""},
                                                  {"4454", 6 * 4453, tooMany},
                                                  {"32767", 6 * 4453, tooMany},
                                                  {"32768", 6 * 4453, "Use Last Draws accepts at most 32767 draws."}}) {
            m_fx->prompts.shown.clear();
            CLICK(m_stats, "clearButton");
            QTest::mouseClick(lastDraws, Qt::LeftButton);
            QTest::keyClicks(lastDraws, typed);
            QTest::keyClick(lastDraws, Qt::Key_Return); // Enter in the box is "Show"
            QCOMPARE(bars()->sum(), sum);
            QCOMPARE(m_fx->prompts.texts().value(0), message);
        }
        // Neither the refused value nor an unreadable history changes the game or the order shown,
        // so "Info" still serves the game shown.
        TRIGGER(m_stats, "actionShowSuper7");
        TRIGGER(m_stats, "actionSortedYes");
        QVERIFY(m_stats->findChild<QAction*>("actionSortedNo")->isChecked());
        CLICK(m_stats, "clearButton");
        m_fx->prompts.shown.clear();
        TRIGGER(m_stats, "actionShowSuper7");
        QVERIFY(m_fx->prompts.texts().value(0).contains("CAN7.rtl"));
        QCOMPARE(m_stats->windowTitle(), QStringLiteral("Draw Statistics for National 6/49"));
        auto* ballEdit = m_stats->findChild<QLineEdit*>("ballEdit");
        QTest::mouseClick(ballEdit, Qt::LeftButton);
        QTest::keyClicks(ballEdit, "48");
        QTest::keyClick(ballEdit, Qt::Key_Return); // Enter in the ball box is "Info"
        QWidget* info = openWindow("Form26");
        QVERIFY(info);
        QCOMPARE(info->windowTitle(), QStringLiteral("Draw Statistics for National 6/49 <Ball 48>"));
        QCOMPARE(info->geometry().center(), m_stats->geometry().center());
        CLICK(info, "closeButton");

        TRIGGER(m_stats, "actionShowLottoMax"); // a bar for every ball up to 52
        QCOMPARE(m_stats->windowTitle(), QStringLiteral("Draw Statistics for Lotto Max"));
        QVERIFY(bars()->count() == 52 && bars()->sum() == 7 * 1273);
        for (const QString ball : {"53", "52"}) {
            ballEdit->clear();
            QTest::keyClicks(ballEdit, ball);
            CLICK(m_stats, "infoButton");
        }
        SAID(m_fx, "You must enter a number between 1 and 52");
        QCOMPARE(fieldText(openWindow("Form26"), "mainExpectedEdit"), "6"); // from the 48 draws since 14 April 2026
        CLICK(openWindow("Form26"), "closeButton");

        TRIGGER(m_stats, "actionShowNational");
        TRIGGER(m_stats, "actionSortedYes"); // the most drawn ball first
        QCOMPARE(m_stats->windowTitle(), QStringLiteral("Draw Statistics for National 6/49 (Sorted)"));
        // A real click on the middle of the first bar opens the window of its ball, not of ball 1.
        const int times = static_cast<int>(bars()->at(0));
        const QPointF middle = view->chart()->mapToPosition(QPointF(0, times / 2.0), view->chart()->series().front());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(view->chart()->mapToScene(middle)));
        QCOMPARE(fieldText(openWindow("Form26"), "mainTimesEdit"), QString::number(times));
        QVERIFY(!openWindow("Form26")->windowTitle().endsWith("<Ball  1>"));
        CLICK(openWindow("Form26"), "closeButton");
        CLICK(m_stats, "closeButton");
        QTRY_VERIFY(m_fx->main->isInputEnabled());
    }

    // 2000 lines over the real history: past the listing's limit over four pages, refused and
    // empty ranges, and a check cancelled half way.
    void historyCheck()
    {
        Form1* main = m_fx->start();
        CLICK_SAYS(
            m_fx, main, "historyCheckButton", "You do not have any entries listed to check against the draw history!");
        QVERIFY(main->entrySet().append(distinctLines(2000, 649)));
        CLICK(main, "historyCheckButton");
        SAID(m_fx, "There are no results in the results file - you cannot do a history check!");
        const std::vector<DrawRecord> draws = loadRealDraws();
        QVERIFY(ResultsFile::writeAll(m_fx->path("CAN2.rtl"), draws));
        CLICK(main, "historyCheckButton");
        auto* form = openWindow<Form6>("Form6");
        QVERIFY(form && !main->isInputEnabled());
        QCOMPARE(form->windowTitle(), QStringLiteral("History Check Against Provincial Entry"));
        auto* start = form->findChild<QDateEdit*>("startDateEdit");
        auto* end = form->findChild<QDateEdit*>("endDateEdit");
        QCOMPARE(start->date(), QDate(1982, 6, 12));                            // the oldest draw
        QVERIFY(!form->findChild<QLabel*>("summaryLabel6")->isVisibleTo(form)); // no 6/49 wins past row 5
        CLICK(form, "checkButton");
        QTRY_VERIFY(!form->isChecking());
        auto* status = form->findChild<QLabel*>("statusLabel");
        QCOMPARE(status->text(), QStringLiteral("Check 2000 entries against  4453 results."));
        // The summary counts every line, as the logic does, though the listing stops at its limit.
        HistoryCheck check(main->entrySet().lines(), draws, 3, {1, int(draws.size())});
        check.run();
        const QStringList whole = summary(form);
        for (int row = 1; row <= 5; ++row)
            QCOMPARE(whole[row - 1].section(' ', -1), QString::number(check.count(row)));
        SAID(m_fx,
             "Please note that not all the entries have been displayed in the list on the left. This is due to there "
             "being 131000 entries which is the limit. However the summary on the right has been completed. If you "
             "want details of the missing items you should change the your search dates.");
        auto* firstPage = form->findChild<QListView*>("page0View")->model();
        QCOMPARE(firstPage->index(0, 0).data().toString(), QStringLiteral("12 JUN  1982"));
        auto* pages = form->findChild<QStackedWidget*>("pageStack");
        const QList<int> shownAfter{1, 2, 3, 3, 2, 1, 0, 0}; // four clicks on More, then four on Back
        for (int i = 0; i < shownAfter.size(); ++i) {
            QTest::mouseClick(form->findChild<QWidget*>(i < 4 ? "moreButton" : "backButton"), Qt::LeftButton);
            QCOMPARE(pages->currentIndex(), shownAfter[i]);
            QCOMPARE(form->findChild<QLabel*>("pageLabel")->text(),
                     QStringLiteral("Page %1 of 4").arg(shownAfter[i] + 1));
        }

        // A refused range leaves nothing of the check before it in view.
        start->setDate(QDate(2003, 1, 8));
        end->setDate(QDate(2003, 1, 4));
        CLICK_SAYS(m_fx, form, "checkButton", "Your start date must be before your end date");
        QVERIFY(firstPage->rowCount() == 0 && status->text().isEmpty());

        // The whole history again, cancelled at the first step of progress: the frame's close
        // button waits for the check, which keeps what it counted so far.
        start->setDate(QDate(1982, 6, 12));
        end->setDate(m_fx->today);
        int cancelledAt = 0;
        bool checkOffered = true; // while a check runs
        connect(form->findChild<QProgressBar*>("progressBar"), &QProgressBar::valueChanged, form, [&](int value) {
            if (value > 0 && cancelledAt == 0) {
                cancelledAt = value;
                checkOffered = form->findChild<QWidget*>("checkButton")->isEnabled();
                QTest::mouseClick(form->findChild<QWidget*>("cancelButton"), Qt::LeftButton);
            }
        });
        CLICK(form, "checkButton");
        QVERIFY(form->isChecking() && !form->close());
        QTRY_VERIFY(!form->isChecking());
        QVERIFY(cancelledAt > 0 && !checkOffered && summary(form) != whole);
        QVERIFY(form->close());
        QTRY_VERIFY(main->isInputEnabled());
    }

    // Lotto Max has its own title and nine summary rows; a 2020 draw pays five numbers and the bonus.
    void lottoMaxHistoryCheck()
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
        QCOMPARE(summary(form).join(", "),
                 "Match 7 0, Match 6+B 0, Match 6 0, Match 5+B 1, Match 5 0, Match 4+B 0, Match 4 0, Match 3+B 0, "
                 "Match 3 0");
    }

private:
    QBarSet* bars() const
    {
        const auto series = m_stats->findChild<QChartView*>("chartView")->chart()->series();
        return series.size() == 1 ? static_cast<QBarSeries*>(series.front())->barSets().value(0) : nullptr;
    }

    // The history check's summary rows in view, as "label count".
    QStringList summary(QWidget* form) const
    {
        QStringList rows;
        for (int row = 1; row <= HistoryCheck::RowCount; ++row) {
            const auto* label = form->findChild<QLabel*>(QStringLiteral("summaryLabel%1").arg(row));
            if (label->isVisibleTo(form))
                rows << label->text() + ' ' + fieldText(form, qPrintable(QStringLiteral("count%1Edit").arg(row)));
        }
        return rows;
    }

    std::unique_ptr<MainWindowFixture> m_fx;
    QWidget* m_stats = nullptr;
};

QTEST_MAIN(tst_HistoryWindows)
#include "tst_HistoryWindows.moc"
