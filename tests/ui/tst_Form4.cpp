#include "MainWindowFixture.h"
#include "UiDriver.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>

// The statistics window and the ball window it opens, from the main window's "Stats" icon, over
// the real National 6/49 and Lotto Max draws and a Super 7 history whose seventh number is always
// 47 and whose bonus is always 46.
class tst_Form4 : public QObject
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

    void gamesAndSortedMode()
    {
        QVERIFY(openStats());
        QCOMPARE(m_stats->windowTitle(), QStringLiteral("Draw Statistics for National 6/49"));
        QCOMPARE(bars()->count(), 49);
        QCOMPARE(bars()->sum(), 6 * 4453);

        // "Use Last Draws": fewer, more than the history, and past what the history can hold.
        auto* lastDraws = m_stats->findChild<QLineEdit*>("lastDrawsEdit");
        const QString tooMany = "Your value for last draws exceed the number of actual draws. Setting to actual draws.";
        for (const auto& [typed, sum, message] : {std::tuple<QString, double, QString>{"10", 60, ""},
                                                  {"4454", 6 * 4453, tooMany},
                                                  {"32768", 6 * 4453, "Use Last Draws accepts at most 32767 draws."}}) {
            m_fx->prompts.shown.clear();
            CLICK(m_stats, "clearButton");
            QTest::mouseClick(lastDraws, Qt::LeftButton);
            QTest::keyClicks(lastDraws, typed);
            QTest::keyClick(lastDraws, Qt::Key_Return); // Enter in the box is "Show"
            QCOMPARE(bars()->sum(), sum);
            QCOMPARE(m_fx->prompts.texts().value(0), message);
        }
        // The refused value changes neither game nor order, so "Info" still serves the game shown.
        TRIGGER(m_stats, "actionShowSuper7");
        TRIGGER(m_stats, "actionSortedYes");
        QVERIFY(m_stats->findChild<QAction*>("actionSortedNo")->isChecked());
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
        CLICK(m_stats, "clearButton");

        TRIGGER(m_stats, "actionShowSuper7"); // the seventh number counts, the bonus never
        QCOMPARE(m_stats->windowTitle(), QStringLiteral("Draw Statistics for Super 7"));
        QCOMPARE(bars()->count(), 47);
        QCOMPARE(bars()->at(46), 25.0);
        CLICK(m_stats, "infoButton");
        SAID(m_fx, "You must enter a number between 1 and 47");

        TRIGGER(m_stats, "actionShowLottoMax"); // the real history: a bar for every ball up to 52
        QCOMPARE(m_stats->windowTitle(), QStringLiteral("Draw Statistics for Lotto Max"));
        QVERIFY(bars()->count() == 52 && bars()->sum() == 7 * 1273);
        for (const QString ball : {"53", "52"}) {
            ballEdit->clear();
            QTest::keyClicks(ballEdit, ball);
            CLICK(m_stats, "infoButton");
        }
        SAID(m_fx, "You must enter a number between 1 and 52");
        info = openWindow("Form26");
        QVERIFY(info);
        QCOMPARE(fieldText(info, "mainExpectedEdit"), "6"); // from the 48 draws since 14 April 2026 only
        CLICK(info, "closeButton");

        TRIGGER(m_stats, "actionShowProvincial"); // no Western history yet: all bars 0, balls in order
        TRIGGER(m_stats, "actionSortedYes");
        QCOMPARE(m_stats->windowTitle(), QStringLiteral("Draw Statistics for Western 6/49 (Sorted)"));
        QCOMPARE(bars()->sum(), 0);
        QCOMPARE(labels().front(), QStringLiteral(" 1"));

        TRIGGER(m_stats, "actionShowNational"); // still sorted
        const QString ball = labels().front().trimmed();
        const int times = static_cast<int>(bars()->at(0));
        QVERIFY(ball != QStringLiteral("1")); // the bar stands for its ball, not for ball 1

        // A real click on the middle of the first bar.
        auto* view = m_stats->findChild<QChartView*>("chartView");
        QChart* chart = view->chart();
        const QPointF middle = chart->mapToPosition(QPointF(0, times / 2.0), chart->series().front());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(chart->mapToScene(middle)));
        info = openWindow("Form26");
        QVERIFY(info);
        QCOMPARE(info->windowTitle(),
                 QStringLiteral("Draw Statistics for National 6/49 (Sorted) <Ball  %1>").arg(ball));
        QCOMPARE(fieldText(info, "mainTimesEdit"), QString::number(times));
        CLICK(info, "closeButton");

        // An unreadable history leaves the game shown as well.
        QVERIFY(QFile::remove(m_fx->path("CAN7.rtl")) && QDir(m_fx->dir.path()).mkdir("CAN7.rtl"));
        TRIGGER(m_stats, "actionShowSuper7");
        QCOMPARE(m_stats->windowTitle(), QStringLiteral("Draw Statistics for National 6/49 (Sorted)"));
        CLICK(m_stats, "closeButton");
        QTRY_VERIFY(m_fx->main->isInputEnabled());
    }

private:
    QWidget* openStats()
    {
        std::vector<DrawRecord> super7(25);
        for (DrawRecord& d : super7) {
            d.numbers = {1, 2, 3, 4, 5, 6, 47};
            d.bonus = 46;
        }
        if (!ResultsFile::writeAll(m_fx->path("CAN1.rtl"), loadRealDraws())
            || !ResultsFile::writeAll(m_fx->path("CAN7.rtl"), super7)
            || !ResultsFile::writeAll(m_fx->path("CAN6.rtl"), loadLottoMaxDraws()))
            return nullptr;
        QTest::mouseClick(m_fx->start()->findChild<QWidget*>("statsButton"), Qt::LeftButton);
        m_stats = openWindow("Form4");
        return m_stats && QTest::qWaitForWindowExposed(m_stats) ? m_stats : nullptr;
    }

    QBarSet* bars() const
    {
        const auto series = m_stats->findChild<QChartView*>("chartView")->chart()->series();
        return series.size() == 1 ? static_cast<QBarSeries*>(series.front())->barSets().value(0) : nullptr;
    }

    QStringList labels() const
    {
        const auto axes = m_stats->findChild<QChartView*>("chartView")->chart()->axes(Qt::Horizontal);
        return static_cast<QBarCategoryAxis*>(axes.front())->categories();
    }

    std::unique_ptr<MainWindowFixture> m_fx;
    QWidget* m_stats = nullptr;
};

QTEST_MAIN(tst_Form4)
#include "tst_Form4.moc"
