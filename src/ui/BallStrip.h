// BallStrip: the row of eight ball positions in the main window that shows the draw of the picked
// date, with the "Draw Result" caption and the two "Bonus" labels. The ball pictures are drawn,
// not loaded, in a main-ball and a bonus-ball look, for any ball number.
#pragma once

#include <QWidget>

#include <array>

class QGridLayout;
class QLabel;

class BallStrip : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Positions = 8;
    static constexpr int BallPixels = 48; // one ball is half an inch wide
    // 5175 and 5895 twips at 15 twips to the pixel.
    static constexpr int Width649 = 345;
    static constexpr int WidthSevenNumbers = 393;

    explicit BallStrip(QWidget* parent = nullptr);

    void showBall(int position, int number, bool bonusLook);
    void hideBalls();
    bool isBallVisible(int position) const;
    // Seven positions wide for the 6/49 games, eight for the seven-number games (Super 7, Lotto Max).
    void setSevenNumbers(bool sevenNumbers);

    static QPixmap ballPicture(int number, bool bonusLook, int size = BallPixels);

private:
    QGridLayout* m_grid = nullptr;
    std::array<QLabel*, Positions> m_balls{};
    QLabel* m_placeholder = nullptr;
    QLabel* m_bonus649 = nullptr;
    QLabel* m_bonusSuper7 = nullptr;
};
