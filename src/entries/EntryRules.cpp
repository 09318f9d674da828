#include "EntryRules.h"

#include "DateText.h"
#include "GameCatalogue.h"

namespace EntryRules
{
QString offDayQuestion(int gameId, const QDate& entryDate)
{
    if (GameCatalogue::isRegularDrawDay(gameId, entryDate))
        return {};
    // The 6/49 games have always named Saturday first. Super 7 and Lotto Max name the days of the
    // entry date's own period: Lotto Max moved from Fridays to Tuesdays and Fridays.
    const bool sevenNumberGame = gameId == GameCatalogue::Super7 || gameId == GameCatalogue::LottoMax;
    const QString days =
        sevenNumberGame ? GameCatalogue::drawDaysText(gameId, entryDate) : QStringLiteral("Saturday or Wednesday");
    return QStringLiteral("This is not a %1 date. Are you sure you want to create/edit an entry for this date?")
        .arg(days);
}

QString datedSetTitle(int gameId, const QDate& entryDate)
{
    const QString dateText = QStringLiteral(" %1 %2 %3")
                                 .arg(entryDate.day())
                                 .arg(DateText::MonthAbbrev(entryDate.month()))
                                 .arg(entryDate.year());
    // "6/94" is how the National set's title has always read.
    return gameId == GameCatalogue::National
               ? QStringLiteral("National 6/94 Entries for ") + dateText
               : GameCatalogue::game(gameId).selectorCaption + QStringLiteral(" Entries for ") + dateText;
}
} // namespace EntryRules
