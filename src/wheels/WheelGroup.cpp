#include "WheelGroup.h"

#include "NumberText.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace WheelGroup
{
void ordertheballs(std::span<int> numbers)
{
    const std::size_t n = numbers.size();
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            if (numbers[i] < numbers[j])
                std::swap(numbers[i], numbers[j]);
        }
    }
}

int boxValue(const QString& text)
{
    // Huge values only need to stay out of range, so clamping them is harmless.
    const long long value = NumberText::wholeNumber(text);
    return static_cast<int>(
        std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

std::optional<std::vector<int>> readGroup(const QStringList& boxTexts, int groupSize, int highest, QString* message)
{
    const auto refuse = [message](const char* text) -> std::optional<std::vector<int>> {
        if (message)
            *message = QString::fromLatin1(text);
        return std::nullopt;
    };
    std::vector<int> group(static_cast<std::size_t>(std::max(groupSize, 0)));
    for (std::size_t k = 0; k < group.size(); ++k)
        group[k] = k < static_cast<std::size_t>(boxTexts.size()) ? boxValue(boxTexts[qsizetype(k)]) : 0;
    ordertheballs(group);
    if (std::adjacent_find(group.begin(), group.end()) != group.end())
        return refuse("One or more of your numbers are the same!");
    if (std::any_of(group.begin(), group.end(), [highest](int n) { return n < 1 || n > highest; }))
        return refuse("One or more of your numbers are out of range!");
    return group;
}
} // namespace WheelGroup
