#include "DrawParser.h"

#include "GameCatalogue.h"
#include "NumberText.h"

#include <algorithm>
#include <vector>

namespace DrawParser
{
std::optional<DrawRecord> parse(const QStringList& boxes, int gameId, const QDate& date, QString* refusal)
{
    const auto refuse = [refusal](const char* text) {
        if (refusal)
            *refusal = QString::fromLatin1(text);
        return std::nullopt;
    };
    const int mainCount = GameCatalogue::mainCount(gameId);
    const int highest = GameCatalogue::highestNumber(gameId, date);
    std::vector<long long> values(mainCount + 1, 0);
    for (int i = 0; i <= mainCount && i < boxes.size(); ++i)
        values[i] = NumberText::wholeNumber(boxes[i]);

    // The bonus must be in range too, although the message speaks of main numbers.
    if (std::any_of(values.begin(), values.end(), [highest](long long v) { return v < 1 || v > highest; }))
        return refuse("One or more of your main numbers is not in the correct range");
    std::vector<long long> distinct = values;
    std::sort(distinct.begin(), distinct.end());
    if (std::adjacent_find(distinct.begin(), distinct.end()) != distinct.end())
        return refuse("You have duplicate numbers");

    DrawRecord draw;
    // The bonus keeps its place after the main numbers.
    std::sort(values.begin(), values.begin() + mainCount);
    for (int i = 0; i < mainCount; ++i)
        draw.numbers[i] = static_cast<int16_t>(values[i]);
    draw.bonus = static_cast<int16_t>(values[mainCount]);
    draw.day = static_cast<int16_t>(date.day());
    draw.month = static_cast<int16_t>(date.month());
    draw.year = static_cast<int16_t>(date.year());
    return draw;
}
} // namespace DrawParser
