#include "BallStrip.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QRadialGradient>

BallStrip::BallStrip(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ballStrip"));
    auto* grid = new QGridLayout(this);
    m_grid = grid;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(0);
    auto* caption = new QLabel(tr("Draw Result"), this);
    caption->setObjectName(QStringLiteral("drawResultLabel"));
    grid->addWidget(caption, 0, 0, 1, 6);

    m_bonus649 = new QLabel(tr("Bonus"), this);
    m_bonus649->setObjectName(QStringLiteral("bonusLabel649"));
    m_bonus649->setAlignment(Qt::AlignCenter);
    grid->addWidget(m_bonus649, 0, 6);
    m_bonusSuper7 = new QLabel(tr("Bonus"), this);
    m_bonusSuper7->setObjectName(QStringLiteral("bonusLabelSuper7"));
    m_bonusSuper7->setAlignment(Qt::AlignCenter);
    grid->addWidget(m_bonusSuper7, 0, 7);

    for (int i = 0; i < Positions; ++i) {
        auto* ball = new QLabel(this);
        ball->setObjectName(QStringLiteral("ball%1").arg(i));
        ball->setFixedSize(BallPixels, BallPixels);
        ball->hide();
        grid->addWidget(ball, 1, i);
        grid->setColumnMinimumWidth(i, BallPixels);
        m_balls[i] = ball;
    }
    // The row keeps its height without balls, so nothing moves when a draw appears.
    grid->setRowMinimumHeight(1, BallPixels);
    // An empty strip says why it is empty; a newcomer would otherwise think the history failed.
    m_placeholder = new QLabel(tr("No draw on this date"), this);
    m_placeholder->setObjectName(QStringLiteral("noDrawLabel"));
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setEnabled(false);
    grid->addWidget(m_placeholder, 1, 0, 1, Positions);
    setSevenNumbers(false);
}

void BallStrip::showBall(int position, int number, bool bonusLook)
{
    if (position < 0 || position >= Positions)
        return;
    m_balls[position]->setPixmap(ballPicture(number, bonusLook));
    m_balls[position]->setProperty("number", number);
    m_balls[position]->setProperty("bonusLook", bonusLook);
    m_balls[position]->show();
    m_placeholder->hide();
}

void BallStrip::hideBalls()
{
    for (QLabel* ball : m_balls)
        ball->hide();
    m_placeholder->show();
}

bool BallStrip::isBallVisible(int position) const
{
    return position >= 0 && position < Positions && !m_balls[position]->isHidden();
}

void BallStrip::setSevenNumbers(bool sevenNumbers)
{
    m_bonus649->setVisible(!sevenNumbers);
    m_bonusSuper7->setVisible(sevenNumbers);
    // Seven balls fill the 6/49 strip: the eighth column takes no room there.
    m_grid->setColumnMinimumWidth(Positions - 1, sevenNumbers ? BallPixels : 0);
    setFixedWidth(sevenNumbers ? WidthSevenNumbers : Width649);
}

QPixmap BallStrip::ballPicture(int number, bool bonusLook, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(2, 2, size - 4, size - 4);
    QRadialGradient shine(disc.center() - QPointF(size / 6.0, size / 6.0), size / 1.6);
    if (bonusLook) {
        shine.setColorAt(0, QColor(255, 236, 150));
        shine.setColorAt(1, QColor(200, 40, 30));
    } else {
        shine.setColorAt(0, QColor(255, 255, 255));
        shine.setColorAt(1, QColor(40, 90, 190));
    }
    painter.setBrush(shine);
    painter.setPen(QPen(bonusLook ? QColor(120, 20, 10) : QColor(20, 40, 110), 1.5));
    painter.drawEllipse(disc);
    // A white face for the number keeps it legible on either look.
    const QRectF face = disc.adjusted(size * 0.22, size * 0.22, -size * 0.22, -size * 0.22);
    painter.setBrush(Qt::white);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(face);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(size / 3);
    painter.setFont(font);
    painter.setPen(bonusLook ? QColor(160, 20, 10) : QColor(10, 30, 100));
    painter.drawText(face, Qt::AlignCenter, QString::number(number));
    return pixmap;
}
