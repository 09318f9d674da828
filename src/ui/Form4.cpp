#include "Form4.h"

#include "Form26.h"
#include "GameCatalogue.h"
#include "NumberText.h"
#include "Prompt.h"
#include "ResultsFile.h"

#include <QActionGroup>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace
{
// Buttons and menu entries carry the object names tests and help refer to.
template <typename T> T* named(T* object, const QString& objectName)
{
    object->setObjectName(objectName);
    return object;
}
} // namespace

Form4::Form4(const AppState& state, QWidget* parent)
    : ChildWindow(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("Form4"));
    auto* column = new QVBoxLayout(this);

    auto* bar = new QMenuBar(this);
    column->setMenuBar(bar);
    QMenu* sorted = bar->addMenu(tr("&Sorted"));
    sorted->setObjectName(QStringLiteral("mnuSorted"));
    auto* order = new QActionGroup(this);
    m_sortedYes = named(new QAction(tr("&Yes"), this), QStringLiteral("actionSortedYes"));
    m_sortedNo = named(new QAction(tr("&No"), this), QStringLiteral("actionSortedNo"));
    for (QAction* a : {m_sortedYes, m_sortedNo}) {
        a->setCheckable(true);
        order->addAction(a);
        sorted->addAction(a);
    }
    m_sortedNo->setChecked(true);
    const QString provincialName = GameCatalogue::game(GameCatalogue::gameForProvince(state.province)).selectorCaption;
    QAction* national = named(new QAction(tr("National 6/49"), this), QStringLiteral("actionShowNational"));
    QAction* super7 = named(new QAction(tr("Super 7"), this), QStringLiteral("actionShowSuper7"));
    QAction* provincial = named(new QAction(provincialName, this), QStringLiteral("actionShowProvincial"));
    QAction* lottoMax = named(new QAction(tr("Lotto Max"), this), QStringLiteral("actionShowLottoMax"));
    QAction* closeAction = named(new QAction(tr("&Close"), this), QStringLiteral("actionClose"));
    for (QAction* a : {national, super7, provincial, lottoMax, closeAction})
        bar->addAction(a);

    buildChart();
    column->addWidget(m_chartView, 1);
    m_damaged = new QLabel(this);
    m_damaged->setObjectName(QStringLiteral("damagedLabel"));
    m_damaged->hide();
    column->addWidget(m_damaged);
    auto* hint =
        new QLabel(tr("Click on ball bar for more information or enter ball number and click Info Button"), this);
    hint->setObjectName(QStringLiteral("hintLabel"));
    column->addWidget(hint);

    // Each box sits with its own button, so Enter in a box presses that button.
    auto* controls = new QHBoxLayout;
    auto* drawsArea = new QWidget(this);
    auto* drawsRow = new QHBoxLayout(drawsArea);
    drawsRow->setContentsMargins(0, 0, 0, 0);
    drawsRow->addWidget(new QLabel(tr("Use Last Draws"), drawsArea));
    m_lastDraws = new QLineEdit(drawsArea);
    m_lastDraws->setObjectName(QStringLiteral("lastDrawsEdit"));
    m_lastDraws->setMaximumWidth(80);
    drawsRow->addWidget(m_lastDraws);
    QPushButton* show = named(new QPushButton(tr("Show"), drawsArea), QStringLiteral("showButton"));
    show->setDefault(true);
    QPushButton* clear = named(new QPushButton(tr("Clear"), drawsArea), QStringLiteral("clearButton"));
    drawsRow->addWidget(show);
    drawsRow->addWidget(clear);
    controls->addWidget(drawsArea);
    auto* ballArea = new QWidget(this);
    auto* ballRow = new QHBoxLayout(ballArea);
    ballRow->setContentsMargins(0, 0, 0, 0);
    ballRow->addWidget(new QLabel(tr("Ball"), ballArea));
    m_ball = new QLineEdit(ballArea);
    m_ball->setObjectName(QStringLiteral("ballEdit"));
    m_ball->setMaximumWidth(50);
    ballRow->addWidget(m_ball);
    QPushButton* info = named(new QPushButton(tr("Info"), ballArea), QStringLiteral("infoButton"));
    info->setDefault(true);
    ballRow->addWidget(info);
    controls->addWidget(ballArea);
    controls->addStretch(1);
    QPushButton* closeButton = named(new QPushButton(tr("Close"), this), QStringLiteral("closeButton"));
    controls->addWidget(closeButton);
    column->addLayout(controls);

    connect(m_sortedYes, &QAction::triggered, this, [this] { setSorted(true); });
    connect(m_sortedNo, &QAction::triggered, this, [this] { setSorted(false); });
    connect(national, &QAction::triggered, this, [this] { showGame(National); });
    connect(super7, &QAction::triggered, this, [this] { showGame(Super7); });
    connect(provincial, &QAction::triggered, this, [this] { showGame(Provincial); });
    connect(lottoMax, &QAction::triggered, this, [this] { showGame(LottoMax); });
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    connect(show, &QPushButton::clicked, this, [this] { showGame(m_statsGame); });
    connect(clear, &QPushButton::clicked, m_lastDraws, &QLineEdit::clear);
    connect(info, &QPushButton::clicked, this, &Form4::openInfoForTypedBall);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    setWindowTitle(title());
    showGame(National);
}

int Form4::gameOf(int statsGame) const
{
    switch (statsGame) {
    case Super7:
        return GameCatalogue::Super7;
    case Provincial:
        return GameCatalogue::gameForProvince(m_state.province);
    case LottoMax:
        return GameCatalogue::LottoMax;
    default:
        return GameCatalogue::National;
    }
}

int Form4::gameId() const
{
    return gameOf(m_statsGame);
}

QString Form4::title() const
{
    return tr("Draw Statistics for ") + GameCatalogue::game(gameId()).selectorCaption
           + (isSorted() ? tr(" (Sorted)") : QString());
}

bool Form4::isSorted() const
{
    return m_sortedYes->isChecked();
}

void Form4::setSorted(bool sorted)
{
    (sorted ? m_sortedYes : m_sortedNo)->setChecked(true);
    // The tick says how the chart is shown, so it goes back when the chart stays as it was.
    if (!showGame(m_statsGame))
        (m_sortedShown ? m_sortedYes : m_sortedNo)->setChecked(true);
}

bool Form4::showGame(int statsGame)
{
    const long long lastDraws = NumberText::wholeNumber(m_lastDraws->text());
    // A history never holds more draws than this, and larger values would not fit the file's counts.
    if (lastDraws > ResultsFile::MaxDraws) {
        Prompt::warn(this, tr("Use Last Draws accepts at most %1 draws.").arg(ResultsFile::MaxDraws));
        return false;
    }
    return display(statsGame, lastDraws < 1 ? 0 : static_cast<int>(lastDraws));
}

bool Form4::display(int statsGame, int lastDraws)
{
    const int game = gameOf(statsGame);
    QString error;
    const auto draws = ResultsFile::readAll(m_state.historyPath(game), &error);
    if (!draws) {
        Prompt::warn(this, error);
        return false;
    }
    // The game changes only together with its chart, so the title, the bars and "Info" agree.
    m_statsGame = statsGame;
    setWindowTitle(title());
    const DrawStatistics::Frequencies counted = DrawStatistics::countMainNumbers(*draws, game, lastDraws);
    if (counted.lastDrawsExceed)
        Prompt::warn(this, tr("Your value for last draws exceed the number of actual draws. Setting to actual draws."));
    m_sortedShown = isSorted();
    m_rows = DrawStatistics::chartRows(counted.counts, m_sortedShown);
    // A damaged file is shown as far as it can be, but not silently.
    m_damaged->setVisible(counted.damagedRecords > 0);
    const QString range = GameCatalogue::periods(game).size() == 1 ? tr("1 to %1").arg(counted.counts.size())
                                                                   : tr("the range of their draw date");
    m_damaged->setText(tr("%1 of the draws counted hold numbers outside %2; those numbers are not counted.")
                           .arg(counted.damagedRecords)
                           .arg(range));
    fillChart();
    return true;
}

void Form4::buildChart()
{
    m_chartView = new QChartView(this);
    m_chartView->setObjectName(QStringLiteral("chartView"));
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setMinimumSize(980, 380);
    QChart* chart = m_chartView->chart();
    chart->legend()->hide();
    // Every pixel of width goes to the bars, so each ball number fits under its bar.
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->layout()->setContentsMargins(0, 0, 0, 0);

    QFont small = m_chartView->font();
    small.setPointSize(7);
    m_bars = new QBarSet(tr("Times drawn"), this);
    m_bars->setObjectName(QStringLiteral("ballBars"));
    m_bars->setLabelFont(small);
    m_bars->setLabelColor(Qt::white);
    auto* series = new QBarSeries(this);
    series->setBarWidth(0.8);
    series->append(m_bars);
    // Each count is written up its own bar, so the chart reads without hovering.
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    series->setLabelsAngle(-90);
    chart->addSeries(series);
    m_balls = new QBarCategoryAxis(this);
    m_balls->setLabelsFont(small);
    // The chart would shorten two-digit numbers to "..." although they fit under their bars.
    m_balls->setTruncateLabels(false);
    chart->addAxis(m_balls, Qt::AlignBottom);
    series->attachAxis(m_balls);
    m_times = new QValueAxis(this);
    m_times->setLabelFormat(QStringLiteral("%d"));
    m_times->setTickType(QValueAxis::TicksDynamic);
    m_times->setTickAnchor(0);
    chart->addAxis(m_times, Qt::AlignLeft);
    series->attachAxis(m_times);

    connect(m_bars, &QBarSet::clicked, this, [this](int k) {
        if (k >= 0 && k < static_cast<int>(m_rows.size()))
            openInfo(m_rows[k].ball, QLatin1Char(' ') + QString::number(m_rows[k].ball));
    });
    connect(m_bars, &QBarSet::hovered, this, [this](bool over, int k) {
        if (!over || k < 0 || k >= static_cast<int>(m_rows.size())) {
            QToolTip::hideText();
            return;
        }
        const auto& row = m_rows[k];
        QToolTip::showText(QCursor::pos(), tr("Ball %1: %2 times").arg(row.ball).arg(row.value), m_chartView);
    });
}

void Form4::fillChart()
{
    QStringList labels;
    QList<qreal> values;
    int highest = 0;
    for (const DrawStatistics::ChartRow& row : m_rows) {
        labels << row.label;
        values << row.value;
        highest = std::max(highest, row.value);
    }
    m_bars->remove(0, m_bars->count());
    m_bars->append(values);
    m_balls->setCategories(labels);
    // Gridlines every 1, 2 or 5 times a power of ten, about five of them, on whole counts.
    int step = 1;
    for (int power = 1; step * 5 < highest; power *= 10) {
        for (int factor : {1, 2, 5, 10}) {
            step = factor * power;
            if (step * 5 >= highest)
                break;
        }
    }
    m_times->setTickInterval(step);
    m_times->setRange(0, std::max(step, (highest + step - 1) / step * step));
}

void Form4::openInfoForTypedBall()
{
    const QString text = m_ball->text();
    const double value = NumberText::leadingValue(text);
    const int highest = GameCatalogue::highestEver(gameId());
    if (!(value >= 1 && value <= highest)) {
        Prompt::warn(this, tr("You must enter a number between 1 and %1").arg(highest));
        return;
    }
    openInfo(static_cast<int>(NumberText::roundHalfEven(value)), text);
}

void Form4::openInfo(int ball, const QString& ballText)
{
    const QString title = windowTitle() + QStringLiteral(" <Ball ") + ballText + QLatin1Char('>');
    auto* info = new Form26(gameId(), m_state.historyPath(gameId()), ball, title, this);
    // The statistics window takes no input until the ball's window closes.
    info->setWindowModality(Qt::WindowModal);
    connect(info, &ChildWindow::closed, this, [this] {
        raise();
        activateWindow();
    });
    info->show();
}
