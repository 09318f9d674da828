#include "DrawCheck.h"

#include "GameCatalogue.h"
#include "NumberText.h"

#include <algorithm>

LineScore ScoreLine(const EntryNumbers& line, const std::array<int16_t, 9>& displayedNumbers, const GamePeriod& rules)
{
    const int count = GameCatalogue::mainCount(rules.gameId);
    const auto mainBegin = displayedNumbers.begin();
    const auto mainEnd = displayedNumbers.begin() + count;
    const int16_t bonusNumber = displayedNumbers[count];

    LineScore score;
    for (int i = 0; i < count; ++i) {
        if (std::find(mainBegin, mainEnd, line[i]) != mainEnd)
            ++score.matches;
        if (line[i] == bonusNumber)
            score.bonus = true;
    }
    if (const PrizeCategory* prize = GameCatalogue::prizeFor(rules, score.matches, score.bonus))
        score.label = QString::fromLatin1(prize->label);
    return score;
}

QString FormatWinningLine(const EntryNumbers& line, int gameId, const QString& label)
{
    QString text;
    const int count = GameCatalogue::mainCount(gameId);
    for (int i = 0; i < count; ++i)
        text += NumberText::twoDigits(line[i]) + QLatin1Char(' ');
    return text + label;
}

std::optional<CheckResult> checkEntryFile(const QString& path,
                                          const std::array<int16_t, 9>& displayedNumbers,
                                          int gameId,
                                          const QDate& drawDate,
                                          QString* error)
{
    const auto lines = EntryFile::readAllLines(path, error);
    if (!lines)
        return std::nullopt;
    const GamePeriod& rules = GameCatalogue::period(gameId, drawDate);
    CheckResult result;
    for (int row = 0; row < static_cast<int>(lines->size()); ++row) {
        const EntryNumbers& line = (*lines)[row];
        const LineScore score = ScoreLine(line, displayedNumbers, rules);
        if (score.label.isEmpty())
            continue;
        result.winningRows.push_back(row);
        result.winningLines << FormatWinningLine(line, gameId, score.label);
    }
    return result;
}
