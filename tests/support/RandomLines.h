// RandomLines: seeded 6/49 lines that are all different, for runs in which no line may be marked
// by chance.
#pragma once

#include "EntryFile.h"
#include "RandomSource.h"

#include <set>
#include <vector>

inline std::vector<EntryNumbers> distinctLines(int count, quint32 seed)
{
    SeededRandom random(seed);
    std::set<std::vector<int>> seen;
    std::vector<EntryNumbers> lines;
    while (lines.size() < size_t(count)) {
        std::set<int> numbers;
        while (numbers.size() < 6)
            numbers.insert(random.between(1, 49));
        if (!seen.insert({numbers.begin(), numbers.end()}).second)
            continue;
        EntryNumbers line{};
        std::copy(numbers.begin(), numbers.end(), line.begin());
        lines.push_back(line);
    }
    return lines;
}
