#include "SuggestNumbers.h"

#include <algorithm>

namespace SuggestNumbers
{
std::vector<int> tally(std::span<const DrawRecord> draws, int lineSize, int highest)
{
    std::vector<int> counts(static_cast<std::size_t>(std::max(highest, 0)) + 1, 0);
    const int fields = std::clamp(lineSize, 0, 7);
    for (const DrawRecord& draw : draws) {
        for (int i = 0; i < fields; ++i) {
            const int number = draw.numbers[static_cast<std::size_t>(i)];
            if (number >= 1 && number <= highest)
                ++counts[static_cast<std::size_t>(number)];
        }
    }
    return counts;
}

std::vector<int> ranked(const std::vector<int>& tally)
{
    std::vector<int> numbers;
    for (std::size_t n = 1; n < tally.size(); ++n) {
        if (tally[n] > 0)
            numbers.push_back(static_cast<int>(n));
    }
    // Stable on an ascending list: among equal tallies the lower number stays first.
    std::stable_sort(numbers.begin(), numbers.end(), [&tally](int a, int b) {
        return tally[static_cast<std::size_t>(a)] > tally[static_cast<std::size_t>(b)];
    });
    if (numbers.size() > static_cast<std::size_t>(Slots))
        numbers.resize(Slots);
    return numbers;
}

Proposal complete(const std::vector<int>& ranked, int highest, RandomSource& random)
{
    Proposal proposal{};
    const std::size_t found = std::min(ranked.size(), proposal.size());
    std::copy_n(ranked.begin(), found, proposal.begin());
    // Every redraw needs a number not yet proposed, so stop once none is left rather than loop.
    for (std::size_t i = found; i < proposal.size() && static_cast<int>(i) < highest; ++i) {
        int r = 0;
        do {
            r = static_cast<int>(random.fraction() * highest) + 1;
        } while (std::find(proposal.begin(), proposal.end(), r) != proposal.end());
        proposal[i] = r;
    }
    return proposal;
}

Proposal propose(std::span<const DrawRecord> draws, int lineSize, int highest, RandomSource& random)
{
    return complete(ranked(tally(draws, lineSize, highest)), highest, random);
}
} // namespace SuggestNumbers
