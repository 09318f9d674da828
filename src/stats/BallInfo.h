// BallInfo: how one ball has fared over a game's whole history, as a main number and as the
// bonus: when it was last drawn, how often, how many draws ago, and how often chance expects.
#pragma once

#include "DrawRecord.h"

#include <QString>

#include <vector>

struct BallFigures
{
    int timesDrawn = 0;
    int lastRecord = 0; // record number of the newest draw holding the ball; 0 when never drawn
    QString lastDate;   // "5 MAR 2003" for that draw
    long long expected = 0;

    QString dateLastDrawnText() const;           // the date, or "Never"
    QString drawsSinceText(int drawCount) const; // draws after the newest one holding the ball, or "N/A"
};

struct BallInfo
{
    int drawCount = 0;
    BallFigures asMain;
    BallFigures asBonus;

    // Every draw counts (6 main numbers, 7 for the seven-number games). A draw counts for the ball,
    // and towards its expected counts, only when the ball lies within the range of the draw's date.
    static BallInfo of(const std::vector<DrawRecord>& draws, int gameId, int ball);
};

namespace BallInfoText
{
// Day without a leading zero, month abbreviation, four-digit year: "5 MAR 2003".
QString drawDate(const DrawRecord& draw);
// numerator / denominator rounded to the nearest whole number, halves to the even neighbour, in
// 64-bit arithmetic so a full history cannot overflow. The denominator must be positive.
long long roundedRatio(long long numerator, long long denominator);
} // namespace BallInfoText
