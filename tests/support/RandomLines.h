// RandomLines: seeded lines that are all different (6 of 1..49 unless asked otherwise), for runs
// in which no line may be marked by chance.
#pragma once

#include "EntryFile.h"
#include "RandomSource.h"

#include <set>
#include <vector>

inline std::vector<EntryNumbers> distinctLines(int count, quint32 seed, int perLine = 6, int highest = 49)
{
    SeededRandom random(seed);
    std::set<std::vector<int>> seen;
    std::vector<EntryNumbers> lines;
    while (lines.size() < size_t(count)) {
        std::set<int> numbers;
        while (numbers.size() < size_t(perLine))
            numbers.insert(random.between(1, highest));
        if (!seen.insert({numbers.begin(), numbers.end()}).second)
            continue;
        EntryNumbers line{};
        std::copy(numbers.begin(), numbers.end(), line.begin());
        lines.push_back(line);
    }
    return lines;
}
