#include "GameCatalogue.h"

namespace
{
const std::array<GameInfo, 7>& table()
{
    static const std::array<GameInfo, 7> rows{{
        {1, "National 6/49", "National 6/49", 0, "", "CAN1.rtl", "Nat649", "StandLotto.lot", "National"},
        {2, "Super 7", "Super 7", 0, "", "CAN7.rtl", "Super7", "StandSuper7.lot", "Super7"},
        {3, "Western 6/49", "Western 6/49", 1, "Western", "CAN2.rtl", "Western", "StandWestern.lot", "Western"},
        {4, "British Columbia 6/49", "BC 6/49", 2, "British Columbia", "CAN3.rtl", "BC", "StandBC.lot", "BC"},
        {5, "Quebec 6/49", "Quebec 6/49", 3, "Quebec", "CAN4.rtl", "Quebec", "StandQuebec.lot", "Quebec"},
        {6, "Ontario 6/49", "Ontario 6/49", 4, "Ontario", "CAN5.rtl", "Ontario", "StandOntario.lot", "Ontario"},
        {7, "Atlantic 6/49", "Atlantic 6/49", 5, "Atlantic", "CAN8.rtl", "Atlantic", "StandAtlantic.lot", "Atlantic"},
    }};
    return rows;
}
} // namespace

namespace GameCatalogue
{
bool isValidGame(int gameId)
{
    return gameId >= National && gameId <= LastGame;
}

const GameInfo& game(int gameId)
{
    return table()[isValidGame(gameId) ? gameId - 1 : FirstProvincial - 1];
}

bool isSuper7(int gameId)
{
    return gameId == Super7;
}

int mainCount(int gameId)
{
    return isSuper7(gameId) ? 7 : 6;
}

int highestNumber(int gameId)
{
    return isSuper7(gameId) ? 47 : 49;
}

int gameForProvince(int provinceCode)
{
    return provinceCode >= 1 && provinceCode <= ProvinceCount ? provinceCode + 2 : 0;
}

int gameForSelectorCaption(const QString& caption)
{
    for (int id = FirstProvincial; id <= LastGame; ++id) {
        if (game(id).selectorCaption == caption)
            return id;
    }
    return 0;
}

bool isRegularDrawDay(int gameId, int weekday)
{
    if (isSuper7(gameId))
        return weekday == 6;
    return weekday == 4 || weekday == 7;
}
} // namespace GameCatalogue
