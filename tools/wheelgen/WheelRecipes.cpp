#include "WheelRecipes.h"

#include <iterator>

namespace
{
constexpr WheelRecipe Recipes[] = {
    // 6-6-6
    {"6-6-6-7", DesignMethod::AllCombinations, 7, 1, 0},
    {"6-6-6-8", DesignMethod::AllCombinations, 28, 1, 0},
    {"6-6-6-9", DesignMethod::AllCombinations, 84, 1, 0},
    {"6-6-6-10", DesignMethod::AllCombinations, 210, 1, 0},
    // 6-6-5
    {"6-6-5-8", DesignMethod::Annealing, 4, 1, 0},
    {"6-6-5-9", DesignMethod::Annealing, 7, 1, 0},
    {"6-6-5-10", DesignMethod::Annealing, 14, 1, 0},
    {"6-6-5-11", DesignMethod::Annealing, 22, 1, 699293},
    {"6-6-5-12", DesignMethod::Annealing, 38, 3, 1190030},
    {"6-6-5-13", DesignMethod::Annealing, 61, 2, 1302147},
    {"6-6-5-14", DesignMethod::Walk, 98, 2, 834255},
    // 6-6-4
    {"6-6-4-10", DesignMethod::Annealing, 3, 1, 0},
    {"6-6-4-11", DesignMethod::Annealing, 5, 1, 0},
    {"6-6-4-12", DesignMethod::Annealing, 6, 1, 3291},
    {"6-6-4-13", DesignMethod::Annealing, 10, 1, 171164},
    {"6-6-4-14", DesignMethod::Walk, 14, 1, 5876},
    {"6-6-4-15", DesignMethod::Annealing, 20, 1, 941343},
    {"6-6-4-16", DesignMethod::Walk, 26, 1, 88514},
    // 6-6-3
    {"6-6-3-15", DesignMethod::Annealing, 4, 1, 0},
    {"6-6-3-16", DesignMethod::Annealing, 5, 1, 985},
    {"6-6-3-17", DesignMethod::Annealing, 6, 1, 13512},
    {"6-6-3-18", DesignMethod::Annealing, 7, 1, 14, "6+6+6", 1},
    {"6-6-3-19", DesignMethod::Annealing, 9, 1, 30176, "", 0, "6-6-3-17"},
    {"6-6-3-20", DesignMethod::Annealing, 10, 1, 0, "10+10", 1},
    // 6-5-5
    {"6-5-5-9", DesignMethod::Annealing, 30, 1, 0},
    {"6-5-5-10", DesignMethod::Annealing, 50, 1, 3898},
    {"6-5-5-11", DesignMethod::Annealing, 100, 1, 133370},
    {"6-5-5-12", DesignMethod::Annealing, 132, 1, 36463},
    // 6-5-4
    {"6-5-4-9", DesignMethod::Annealing, 3, 1, 0},
    {"6-5-4-10", DesignMethod::Annealing, 7, 1, 0},
    {"6-5-4-11", DesignMethod::Annealing, 10, 1, 20760},
    {"6-5-4-12", DesignMethod::Annealing, 14, 1, 177519},
    {"6-5-4-13", DesignMethod::Annealing, 22, 1, 2433305},
    {"6-5-4-14", DesignMethod::Annealing, 32, 1, 255088},
    // 6-5-3
    {"6-5-3-14", DesignMethod::Annealing, 5, 1, 79},
    {"6-5-3-15", DesignMethod::Annealing, 7, 1, 27505},
    {"6-5-3-16", DesignMethod::Annealing, 8, 1, 2529605},
    // 6-4-4
    {"6-4-4-8", DesignMethod::Annealing, 7, 1, 0},
    {"6-4-4-9", DesignMethod::Annealing, 12, 1, 0},
    {"6-4-4-10", DesignMethod::Annealing, 20, 1, 163010},
    {"6-4-4-11", DesignMethod::Annealing, 32, 1, 516637},
    // 6-4-3
    {"6-4-3-9", DesignMethod::Annealing, 3, 1, 0},
    {"6-4-3-10", DesignMethod::Annealing, 4, 1, 0},
    {"6-4-3-11", DesignMethod::Annealing, 5, 1, 63},
    // 6-3-3
    {"6-3-3-10", DesignMethod::Annealing, 10, 1, 0},
    {"6-3-3-11", DesignMethod::Annealing, 11, 1, 33925},
    {"6-3-3-12", DesignMethod::Annealing, 15, 1, 18117},
    {"6-3-3-13", DesignMethod::Annealing, 21, 1, 71482},
    // 7-7-7
    {"7-7-7-8", DesignMethod::AllCombinations, 8, 1, 0},
    {"7-7-7-9", DesignMethod::AllCombinations, 36, 1, 0},
    {"7-7-7-10", DesignMethod::AllCombinations, 120, 1, 0},
    {"7-7-7-11", DesignMethod::AllCombinations, 330, 1, 0},
    // 7-7-6
    {"7-7-6-9", DesignMethod::Annealing, 4, 1, 0},
    {"7-7-6-10", DesignMethod::Annealing, 8, 1, 0},
    {"7-7-6-11", DesignMethod::Annealing, 19, 1, 95089},
    {"7-7-6-12", DesignMethod::Annealing, 35, 1, 154432},
    {"7-7-6-13", DesignMethod::Annealing, 70, 1, 351033},
    {"7-7-6-14", DesignMethod::Annealing, 130, 1, 1703648},
    // 7-7-5
    {"7-7-5-12", DesignMethod::Annealing, 6, 1, 0},
    {"7-7-5-13", DesignMethod::Annealing, 10, 1, 153404},
    {"7-7-5-14", DesignMethod::Walk, 14, 1, 516},
    {"7-7-5-15", DesignMethod::Annealing, 24, 1, 195634, "3+3+3+3+3", 8},
    {"7-7-5-16", DesignMethod::Annealing, 31, 2, 1101909},
    {"7-7-5-17", DesignMethod::Annealing, 51, 2, 9789, "17", 3},
    {"7-7-5-18", DesignMethod::Annealing, 76, 1, 194261, "18", 4},
    // 7-7-4
    {"7-7-4-15", DesignMethod::Annealing, 5, 1, 0},
    {"7-7-4-16", DesignMethod::Annealing, 6, 1, 114774},
    {"7-7-4-17", DesignMethod::Annealing, 9, 1, 208324},
    {"7-7-4-18", DesignMethod::Walk, 12, 2, 551},
    {"7-7-4-19", DesignMethod::Walk, 16, 3, 1833},
    {"7-7-4-20", DesignMethod::Annealing, 20, 1, 0, "20", 1},
    // 7-7-3
    {"7-7-3-17", DesignMethod::Annealing, 3, 1, 0},
    {"7-7-3-20", DesignMethod::Annealing, 3, 1, 0},
};
} // namespace

namespace WheelRecipes
{
std::optional<WheelRecipe> find(const QString& wheel)
{
    for (const WheelRecipe& recipe : Recipes) {
        if (wheel == QLatin1String(recipe.wheel))
            return recipe;
    }
    return std::nullopt;
}
} // namespace WheelRecipes
