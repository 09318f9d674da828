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

int ValidateLine(const QStringList& boxes, int gameId, EntryNumbers* sorted)
{
    const int count = GameCatalogue::mainCount(gameId);
    const int highest = GameCatalogue::highestNumber(gameId);
    std::vector<double> values(count, 0.0);
    for (int i = 0; i < count && i < boxes.size(); ++i)
        values[i] = NumberText::leadingValue(boxes[i]);

    // Every test that holds overwrites the code, so the last one in this order decides.
    int code = 0;
    for (int i = 0; i < count; ++i) {
        for (int j = 0; j < count; ++j) {
            if (j == i)
                continue;
            if (values[j] == values[i])
                code = 1;
            if (values[i] < 1)
                code = 2;
            if (values[i] > highest)
                code = 3;
        }
    }
    if (code != 0)
        return code;

    EntryNumbers whole{};
    for (int i = 0; i < count; ++i)
        whole[i] = static_cast<int16_t>(NumberText::roundHalfEven(values[i]));
    std::sort(whole.begin(), whole.begin() + count);
    // Different texts can round to the same number ("2.5" and "2"); such a line is refused like
    // any other repeated number rather than stored with a number twice.
    if (std::adjacent_find(whole.begin(), whole.begin() + count) != whole.begin() + count)
        return 1;
    if (sorted)
        *sorted = whole;
    return 0;
}

QString validationMessage(int code)
{
    switch (code) {
    case 1:
        return QStringLiteral("One or more of your numbers are the same!");
    case 2:
        return QStringLiteral("One or more of your entries is not a number!");
    case 3:
        return QStringLiteral("One or more of your numbers are out of range for the game!");
    default:
        return QString();
    }
}
