#include "DrawCheck.h"

#include "GameCatalogue.h"
#include "NumberText.h"

#include <algorithm>

namespace
{
QString super7Label(int matches, bool bonus)
{
    switch (matches) {
    case 7:
        return bonus ? QString() : QStringLiteral("(7)");
    case 6:
        return bonus ? QStringLiteral("(6+B)") : QStringLiteral("(6)");
    case 5:
        return QStringLiteral("(5)");
    case 4:
        return QStringLiteral("(4)");
    case 3:
        return bonus ? QStringLiteral("(3+B)") : QStringLiteral("(3)");
    default:
        return QString();
    }
}

QString lotto649Label(int matches, bool bonus)
{
    switch (matches) {
    case 6:
        return QStringLiteral("(6)");
    case 5:
        return bonus ? QStringLiteral("(5+B)") : QStringLiteral("(5)");
    case 4:
        return QStringLiteral("(4)");
    case 3:
        return QStringLiteral("(3)");
    default:
        return QString();
    }
}
} // namespace

LineScore ScoreLine(const EntryNumbers& line, const std::array<int16_t, 9>& displayedNumbers, int gameId)
{
    const int count = GameCatalogue::mainCount(gameId);
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
    score.label = GameCatalogue::isSuper7(gameId) ? super7Label(score.matches, score.bonus)
                                                  : lotto649Label(score.matches, score.bonus);
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

std::optional<CheckResult>
checkEntryFile(const QString& path, const std::array<int16_t, 9>& displayedNumbers, int gameId, QString* error)
{
    const auto lines = EntryFile::readAllLines(path, error);
    if (!lines)
        return std::nullopt;
    CheckResult result;
    for (int row = 0; row < static_cast<int>(lines->size()); ++row) {
        const EntryNumbers& line = (*lines)[row];
        const LineScore score = ScoreLine(line, displayedNumbers, gameId);
        if (score.label.isEmpty())
            continue;
        result.winningRows.push_back(row);
        result.winningLines << FormatWinningLine(line, gameId, score.label);
    }
    return result;
}
