// WheelCover: the text of a wheel's cover sheet: the game, the guarantee, the group as the ball
// boxes hold it, the group size, the number of lines and the name of the saved set.
#pragma once

#include <QString>
#include <QStringList>

struct WheelCoverData
{
    QString gameTitle;       // "National 6/49"
    QString guaranteeHeader; // the kind's header line
    QStringList boxTexts;    // the visible ball boxes, in box order
    QString groupSizeText;   // the chosen "No of Balls" entry
    int lines = 0;           // "Entries Required"
    QString setFileName;     // "National-6-4-3.lot"
};

namespace WheelCover
{
// How a ball box prints: its value as a plain decimal number ("07" prints 7, "12.5" prints 12.5);
// text that holds no number prints as written, trimmed, rather than as a misleading 0.
QString boxPrintText(const QString& text);

// The lines of the sheet, top to bottom; the whole group stands on one line.
QStringList PrintCover(const WheelCoverData& cover);
} // namespace WheelCover
