#include "WheelRecipes.h"

#include <iterator>

namespace
{
constexpr WheelRecipe Recipes[] = {
    {"6-6-6-7", DesignMethod::AllCombinations, 7, 1, 0},
    {"6-6-6-8", DesignMethod::AllCombinations, 28, 1, 0},
    {"6-6-6-9", DesignMethod::AllCombinations, 84, 1, 0},
    {"6-6-6-10", DesignMethod::AllCombinations, 210, 1, 0},
    {"7-7-7-8", DesignMethod::AllCombinations, 8, 1, 0},
    {"7-7-7-9", DesignMethod::AllCombinations, 36, 1, 0},
    {"7-7-7-10", DesignMethod::AllCombinations, 120, 1, 0},
    {"7-7-7-11", DesignMethod::AllCombinations, 330, 1, 0},
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
