// Fuzz target for typed entry lines: the input becomes a game, an entry date and the texts of the
// number boxes. A line is accepted exactly when every number is in the game's range on that date
// and no two round to the same number;
// an accepted line is sorted, distinct and in range, shows as two-digit fields, and does not depend
// on the order of the boxes.
#include "EntryLineText.h"
#include "FuzzSupport.h"
#include "GameCatalogue.h"
#include "NumberText.h"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const int gameId = in.between(1, GameCatalogue::LastGame);
    const QDate date = QDate(2019, 5, 14).addDays(in.int16());
    const QStringList boxes = QString::fromUtf8(in.rest()).split(QLatin1Char('\n'));
    const int count = GameCatalogue::mainCount(gameId);
    const int highest = GameCatalogue::highestNumber(gameId, date);

    EntryNumbers sorted{};
    const LineProblem problem = ValidateLine(boxes, gameId, date, &sorted);
    FUZZ_CHECK(validationMessage(problem).isEmpty() == (problem == LineProblem::None));

    bool inRange = true;
    std::vector<long long> rounded;
    for (int i = 0; i < count; ++i) {
        const double value = i < boxes.size() ? NumberText::leadingValue(boxes[i]) : 0.0;
        inRange = inRange && value >= 1 && value <= highest;
        rounded.push_back(NumberText::roundHalfEven(value));
    }
    std::sort(rounded.begin(), rounded.end());
    const bool distinct = std::adjacent_find(rounded.begin(), rounded.end()) == rounded.end();
    FUZZ_CHECK((problem == LineProblem::None) == (inRange && distinct));

    EntryNumbers sortedAgain{};
    const LineProblem again = ValidateLine(reversedFront(boxes, count), gameId, date, &sortedAgain);
    FUZZ_CHECK((again == LineProblem::None) == (problem == LineProblem::None));
    if (problem != LineProblem::None)
        return 0;

    FUZZ_CHECK(sortedAgain == sorted && isStoredLine(sorted, count, highest));
    FUZZ_CHECK(std::equal(rounded.begin(), rounded.end(), sorted.begin()));

    const QStringList shown = FormatEntryLine(sorted, gameId).split(QLatin1Char(' '));
    FUZZ_CHECK(shown.size() == count);
    for (int i = 0; i < count; ++i)
        FUZZ_CHECK(shown[i].size() == 2 && shown[i].toInt() == sorted[i]);
    return 0;
}
