// Form4: the draw statistics window. How often each ball was drawn as a main number in National
// 6/49, Super 7, the provincial game or Lotto Max, over every draw or the most recent ones, as a bar
// chart in ball order or by frequency; a bar or a typed ball number opens that ball's information.
#pragma once

#include "AppState.h"
#include "ChildWindow.h"
#include "DrawStatistics.h"

#include <vector>

class QAction;
class QBarCategoryAxis;
class QBarSet;
class QChartView;
class QLabel;
class QLineEdit;
class QValueAxis;

class Form4 : public ChildWindow
{
    Q_OBJECT

public:
    // Opens on National 6/49 over every draw, in ball order.
    Form4(const AppState& state, QWidget* parent);

private:
    // The four games the window offers, as its menus list them.
    enum StatsGame
    {
        National = 1,
        Super7 = 2,
        Provincial = 3,
        LottoMax = 4
    };

    // A game menu entry: reads "Use Last Draws" and shows that game; a refused value or an
    // unreadable history leaves the game shown before.
    bool showGame(int statsGame);
    bool display(int statsGame, int lastDraws);
    void buildChart();
    void fillChart();
    void setSorted(bool sorted);
    void openInfoForTypedBall();
    void openInfo(int ball, const QString& ballText);
    int gameOf(int statsGame) const;
    int gameId() const;
    QString title() const;
    bool isSorted() const;

    AppState m_state;
    int m_statsGame = National;
    std::vector<DrawStatistics::ChartRow> m_rows; // bar k stands for m_rows[k].ball
    bool m_sortedShown = false;
    QChartView* m_chartView = nullptr;
    QBarSet* m_bars = nullptr;
    QBarCategoryAxis* m_balls = nullptr;
    QValueAxis* m_times = nullptr;
    QLineEdit* m_lastDraws = nullptr;
    QLineEdit* m_ball = nullptr;
    QLabel* m_damaged = nullptr;
    QAction* m_sortedYes = nullptr;
    QAction* m_sortedNo = nullptr;
};
