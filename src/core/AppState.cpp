#include "AppState.h"

#include "AppFolder.h"
#include "GameCatalogue.h"

QString AppState::pathOf(const QString& fileName) const
{
    return AppFolder::pathOf(appFolder, fileName);
}

QString AppState::historyPath(int gameId) const
{
    return pathOf(GameCatalogue::game(gameId).resultsFile);
}
