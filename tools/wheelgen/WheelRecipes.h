// WheelRecipes: how each of the 73 pattern files is made. For searched wheels the table records the
// seed that succeeded and the moves it took, so regeneration replays exactly that search instead of
// hunting again; the entries were found with `make_wheels --explore`.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

enum class DesignMethod
{
    AllCombinations, // full wheels
    Annealing,       // CoverSearch annealing
    Walk,            // CoverSearch walk, for the few wheels annealing finds hard
};

struct WheelRecipe
{
    const char* wheel; // "6-6-3-17"
    DesignMethod method;
    int designLines;          // lines the design needs; the file is padded to the catalogue's count
    uint64_t seed;            // search seed, also used to choose the padding lines
    uint64_t moves;           // moves the recorded search needs to meet every subset
    const char* cycles = "";  // symmetry kept by the search: cycle lengths, "7+7"; "" for none
    int orbits = 0;           // lines that come as whole orbits of that symmetry
    const char* extends = ""; // a smaller wheel of the same kind whose lines are kept unchanged
};

namespace WheelRecipes
{
// The recipe of a wheel named "L-K-M-N"; nothing when the table has none.
std::optional<WheelRecipe> find(const QString& wheel);
} // namespace WheelRecipes
