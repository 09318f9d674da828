// Fuzz target for the wheel builders' group: the input becomes the texts of the ball boxes, a group
// size and the game's highest number. A group is accepted exactly when its numbers differ and lie in
// range; it is then the boxes' numbers in ascending order, whatever the order of the boxes, and a
// refusal names repeats before the range.
#include "FuzzSupport.h"
#include "WheelGroup.h"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const int groupSize = in.between(-1, 26);
    const int highest = in.byte() % 2 ? 47 : 49;
    const QStringList boxes = QString::fromUtf8(in.rest()).split(QLatin1Char('\n'));

    std::vector<int> values;
    for (int k = 0; k < groupSize; ++k)
        values.push_back(k < boxes.size() ? WheelGroup::boxValue(boxes[k]) : 0);
    std::vector<int> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> exchanged = values;
    WheelGroup::ordertheballs(exchanged);
    FUZZ_CHECK(exchanged == sorted);
    const bool distinct = std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end();
    const bool inRange = std::all_of(sorted.begin(), sorted.end(), [highest](int n) { return n >= 1 && n <= highest; });

    QString message;
    const auto group = WheelGroup::readGroup(boxes, groupSize, highest, &message);
    FUZZ_CHECK(group.has_value() == (distinct && inRange));
    if (group)
        FUZZ_CHECK(*group == sorted);
    else
        FUZZ_CHECK(message
                   == QLatin1String(distinct ? "One or more of your numbers are out of range!"
                                             : "One or more of your numbers are the same!"));

    FUZZ_CHECK(WheelGroup::readGroup(reversedFront(boxes, groupSize), groupSize, highest) == group);
    return 0;
}
