#include "WheelCover.h"

#include "NumberText.h"

#include <QRegularExpression>

namespace WheelCover
{
QString boxPrintText(const QString& text)
{
    // The start of a number as the number reader takes it: a sign, a point, then a digit, with
    // blanks anywhere in between.
    static const QRegularExpression numberStart(QStringLiteral("^[ \\t]*([+-][ \\t]*)?(\\.[ \\t]*)?[0-9]"));
    if (!numberStart.match(text).hasMatch())
        return text.trimmed();
    return QString::number(NumberText::leadingValue(text), 'g', 15);
}

QStringList PrintCover(const WheelCoverData& cover)
{
    QString group;
    for (const QString& text : cover.boxTexts)
        group += QLatin1Char(' ') + boxPrintText(text);
    return {
        QString(),
        QString(),
        QStringLiteral("Wheel for ") + cover.gameTitle,
        QString(44, QLatin1Char('-')),
        cover.guaranteeHeader,
        QString(),
        group,
        QString(60, QLatin1Char('-')),
        QString(),
        QStringLiteral("Number of Balls is ") + cover.groupSizeText.trimmed(),
        QString(),
        QStringLiteral("Number of game entries required for coverage is ") + QString::number(cover.lines),
        QString(),
        QStringLiteral("File Maintenance Name: ") + cover.setFileName,
    };
}
} // namespace WheelCover
