// Fuzz target for typed draws: the input becomes a date and the texts of the Add Result boxes. A
// draw is accepted exactly when its numbers and bonus are in range on its date and all differ; it comes back
// dated, its main numbers ascending, the bonus kept apart, whatever the order of the main boxes.
#include "DrawParser.h"
#include "FuzzSupport.h"
#include "GameCatalogue.h"
#include "NumberText.h"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const int gameId = in.between(1, GameCatalogue::LastGame);
    const QDate date = QDate(1982, 6, 12).addDays(in.int16());
    const QStringList boxes = QString::fromUtf8(in.rest()).split(QLatin1Char('\n'));
    const int count = GameCatalogue::mainCount(gameId);
    const int highest = GameCatalogue::highestNumber(gameId, date);

    std::vector<long long> values;
    for (int i = 0; i <= count; ++i)
        values.push_back(i < boxes.size() ? NumberText::wholeNumber(boxes[i]) : 0);
    const bool inRange =
        std::all_of(values.begin(), values.end(), [highest](long long v) { return v >= 1 && v <= highest; });
    std::vector<long long> main(values.begin(), values.begin() + count);
    std::sort(main.begin(), main.end());
    const bool distinct = std::adjacent_find(main.begin(), main.end()) == main.end()
                          && !std::binary_search(main.begin(), main.end(), values[count]);

    QString refusal;
    const std::optional<DrawRecord> draw = DrawParser::parse(boxes, gameId, date, &refusal);
    FUZZ_CHECK(draw.has_value() == (inRange && distinct));

    const std::optional<DrawRecord> again = DrawParser::parse(reversedFront(boxes, count), gameId, date);
    FUZZ_CHECK(again.has_value() == draw.has_value());
    if (!draw) {
        FUZZ_CHECK(refusal
                   == QLatin1String(inRange ? "You have duplicate numbers"
                                            : "One or more of your main numbers is not in the correct range"));
        return 0;
    }

    FUZZ_CHECK(draw->isOn(date.day(), date.month(), date.year()) && draw->bonus == values[count]);
    FUZZ_CHECK(std::equal(main.begin(), main.end(), draw->numbers.begin())
               && isStoredLine(draw->numbers, count, highest));
    FUZZ_CHECK(again->numbers == draw->numbers && again->bonus == draw->bonus);
    return 0;
}
