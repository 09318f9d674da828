#include "EntryLineText.h"

#include "GameCatalogue.h"
#include "NumberText.h"

#include <algorithm>
#include <vector>

QString FormatEntryLine(const EntryNumbers& numbers, int gameId)
{
    QStringList parts;
    const int count = GameCatalogue::mainCount(gameId);
    for (int i = 0; i < count; ++i)
        parts << NumberText::twoDigits(numbers[i]);
    return parts.join(QLatin1Char(' '));
}

LineProblem ValidateLine(const QStringList& boxes, int gameId, const QDate& rulesDate, EntryNumbers* sorted)
{
    const int count = GameCatalogue::mainCount(gameId);
    const int highest = GameCatalogue::highestNumber(gameId, rulesDate);
    std::vector<double> values(count, 0.0);
    for (int i = 0; i < count && i < boxes.size(); ++i)
        values[i] = NumberText::leadingValue(boxes[i]);

    // Every test that holds overwrites the code, so the last one in this order decides.
    LineProblem problem = LineProblem::None;
    for (int i = 0; i < count; ++i) {
        for (int j = 0; j < count; ++j) {
            if (j == i)
                continue;
            if (values[j] == values[i])
                problem = LineProblem::SameNumbers;
            if (values[i] < 1)
                problem = LineProblem::NotANumber;
            if (values[i] > highest)
                problem = LineProblem::OutOfRange;
        }
    }
    if (problem != LineProblem::None)
        return problem;

    std::vector<int16_t> whole(count);
    for (int i = 0; i < count; ++i)
        whole[i] = static_cast<int16_t>(NumberText::roundHalfEven(values[i]));
    std::sort(whole.begin(), whole.end());
    // Different texts can round to the same number ("2.5" and "2"); such a line is refused like
    // any other repeated number rather than stored with a number twice.
    if (std::adjacent_find(whole.begin(), whole.end()) != whole.end())
        return LineProblem::SameNumbers;
    if (sorted) {
        *sorted = EntryNumbers{};
        std::copy(whole.begin(), whole.end(), sorted->begin());
    }
    return LineProblem::None;
}

QString validationMessage(LineProblem problem)
{
    switch (problem) {
    case LineProblem::SameNumbers:
        return QStringLiteral("One or more of your numbers are the same!");
    case LineProblem::NotANumber:
        return QStringLiteral("One or more of your entries is not a number!");
    case LineProblem::OutOfRange:
        return QStringLiteral("One or more of your numbers are out of range for the game!");
    case LineProblem::None:
        break;
    }
    return QString();
}
