#include "MainWindowFixture.h"
#include "RealDraws.h"
#include "ResultsFile.h"
#include "UiDriver.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>

namespace
{
const QString prefix = QStringLiteral("Drawsmith Canada: ");

// A Super 7 history whose seventh number is always 47 and whose bonus is always 46.
std::vector<DrawRecord> super7Draws(int count)
{
    std::vector<DrawRecord> draws(count);
    for (DrawRecord& d : draws) {
        d.numbers = {1, 2, 3, 4, 5, 6, 47};
        d.bonus = 46;
    }
    return draws;
}
} // namespace

// The statistics window and the ball window it opens, from the main window's "Stats" icon.
class tst_Form4 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void gamesAndSortedMode();
    void sortedBarOpensItsBall();
    void infoBox_data();
    void infoBox();
    void lastDraws_data();
    void lastDraws();

private:
    QWidget* openStats(int nationalDraws);
    QBarSet* bars() const;
    int barTotal() const;
    QStringList labels() const;

    std::unique_ptr<MainWindowFixture> m_fx;
    QWidget* m_stats = nullptr;
};

void tst_Form4::init()
{
    m_fx = std::make_unique<MainWindowFixture>();
}

void tst_Form4::cleanup()
{
    FINISH_MAIN_WINDOW(m_fx);
    m_fx.reset();
}

QWidget* tst_Form4::openStats(int nationalDraws)
{
    auto draws = loadRealDraws();
    draws.resize(nationalDraws);
    if (!ResultsFile::writeAll(m_fx->path("CAN1.rtl"), draws)
        || !ResultsFile::writeAll(m_fx->path("CAN7.rtl"), super7Draws(25)))
        return nullptr;
    Form1* main = m_fx->start();
    auto* stats = main->findChild<QAbstractButton*>("statsButton");
    if (!stats || !stats->isEnabled())
        return nullptr;
    QTest::mouseClick(stats, Qt::LeftButton);
    m_stats = openWindow("Form4");
    if (m_stats)
        (void)QTest::qWaitForWindowExposed(m_stats);
    return m_stats;
}

QBarSet* tst_Form4::bars() const
{
    const auto series = m_stats->findChild<QChartView*>("chartView")->chart()->series();
    return series.size() == 1 ? static_cast<QBarSeries*>(series.front())->barSets().value(0) : nullptr;
}

int tst_Form4::barTotal() const
{
    return static_cast<int>(bars()->sum());
}

QStringList tst_Form4::labels() const
{
    const auto axes = m_stats->findChild<QChartView*>("chartView")->chart()->axes(Qt::Horizontal);
    return static_cast<QBarCategoryAxis*>(axes.front())->categories();
}

void tst_Form4::gamesAndSortedMode()
{
    QVERIFY(openStats(4453));
    QVERIFY(!m_fx->main->isInputEnabled());
    QCOMPARE(m_stats->windowTitle(), QStringLiteral("Draw Statistics for National 6/49"));
    QCOMPARE(bars()->count(), 49);
    QCOMPARE(barTotal(), 6 * 4453);

    TRIGGER(m_stats, "actionShowSuper7"); // the seventh number counts, the bonus never
    QCOMPARE(m_stats->windowTitle(), QStringLiteral("Draw Statistics for Super 7"));
    QCOMPARE(bars()->count(), 47);
    QCOMPARE(bars()->at(46), 25.0);
    QCOMPARE(bars()->at(45), 0.0);

    TRIGGER(m_stats, "actionShowProvincial"); // no Western history yet: all bars 0, balls in order
    TRIGGER(m_stats, "actionSortedYes");
    QCOMPARE(m_stats->windowTitle(), QStringLiteral("Draw Statistics for Western 6/49 (Sorted)"));
    QCOMPARE(barTotal(), 0);
    QCOMPARE(labels().front(), QStringLiteral(" 1"));
    QCOMPARE(labels().back(), QStringLiteral(" 49"));

    CLICK(m_stats, "closeButton");
    QTRY_VERIFY(!openWindow("Form4"));
    QVERIFY(m_fx->main->isInputEnabled());
}

void tst_Form4::sortedBarOpensItsBall()
{
    QVERIFY(openStats(4453));
    TRIGGER(m_stats, "actionSortedYes");
    const QString ball = labels().front().trimmed();
    const int times = static_cast<int>(bars()->at(0));
    for (int k = 1; k < bars()->count(); ++k)
        QVERIFY(bars()->at(k) <= times);
    QVERIFY(ball != QStringLiteral("1")); // the bar stands for its ball, not for ball 1

    emit bars()->hovered(true, 0);
    QCOMPARE(QToolTip::text(), QStringLiteral("Ball %1: %2 times").arg(ball).arg(times));

    // A real click on the middle of the first bar.
    auto* view = m_stats->findChild<QChartView*>("chartView");
    QChart* chart = view->chart();
    const QPointF middle = chart->mapToPosition(QPointF(0, times / 2.0), chart->series().front());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(chart->mapToScene(middle)));
    QWidget* info = openWindow("Form26");
    QVERIFY(info);
    QCOMPARE(info->windowTitle(), QStringLiteral("Draw Statistics for National 6/49 (Sorted) <Ball  %1>").arg(ball));
    QCOMPARE(info->findChild<QLineEdit*>("mainTimesEdit")->text(), QString::number(times));

    // While the ball's window is open the statistics window takes no input.
    m_stats->findChild<QLineEdit*>("ballEdit")->setText("5");
    clickThroughWindow(m_stats->findChild<QAbstractButton*>("infoButton"));
    QCOMPARE(m_stats->findChildren<QWidget*>("Form26").size(), 1);
    CLICK(info, "closeButton");
    QTRY_VERIFY(!openWindow("Form26"));
    clickThroughWindow(m_stats->findChild<QAbstractButton*>("infoButton"));
    QTRY_VERIFY(openWindow("Form26"));
    QCOMPARE(openWindow("Form26")->windowTitle(),
             QStringLiteral("Draw Statistics for National 6/49 (Sorted) <Ball 5>"));
}

void tst_Form4::infoBox_data()
{
    QTest::addColumn<bool>("super7");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("outcome"); // the refusal, or the ball window's title
    const QString to49 = QStringLiteral("You must enter a number between 1 and 49");
    QTest::newRow("no number") << false << "seven" << to49;
    QTest::newRow("just above 49") << false << "49.4" << to49;
    QTest::newRow("Super 7 range") << true << "48"
                                   << "You must enter a number between 1 and 47";
    QTest::newRow("fraction kept as typed") << false << "7.4"
                                            << "Draw Statistics for National 6/49 <Ball 7.4>";
}

void tst_Form4::infoBox()
{
    QFETCH(bool, super7);
    QFETCH(QString, typed);
    QFETCH(QString, outcome);
    QVERIFY(openStats(100));
    if (super7)
        TRIGGER(m_stats, "actionShowSuper7");
    QTest::keyClicks(m_stats->findChild<QLineEdit*>("ballEdit"), typed);
    CLICK(m_stats, "infoButton");
    QWidget* info = openWindow("Form26");
    QCOMPARE(info ? info->windowTitle() : m_fx->prompts->last().mid(prefix.size()), outcome);
}

void tst_Form4::lastDraws_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("counted"); // draws counted, of 30
    QTest::addColumn<QString>("message");
    QTest::newRow("fewer") << "10" << 10 << "";
    QTest::newRow("one more")
        << "31" << 30 << "Your value for last draws exceed the number of actual draws. Setting to actual draws.";
    QTest::newRow("past 16 bits") << "32768" << 30 << "Use Last Draws accepts at most 32767 draws.";
}

void tst_Form4::lastDraws()
{
    QFETCH(QString, typed);
    QFETCH(int, counted);
    QFETCH(QString, message);
    QVERIFY(openStats(30));
    m_fx->prompts->shown.clear();
    auto* lastDraws = m_stats->findChild<QLineEdit*>("lastDrawsEdit");
    QTest::keyClicks(lastDraws, typed);
    CLICK(m_stats, "showButton");
    QCOMPARE(barTotal(), 6 * counted);
    QCOMPARE(m_fx->prompts->texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(lastDraws->text(), typed);
}

QTEST_MAIN(tst_Form4)
#include "tst_Form4.moc"
