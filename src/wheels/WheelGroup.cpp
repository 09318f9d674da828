#include "WheelGroup.h"

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
} // namespace WheelGroup
