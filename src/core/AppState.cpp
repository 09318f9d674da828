#include "AppState.h"

#include "AppFolder.h"

QString AppState::pathOf(const QString& fileName) const
{
    return AppFolder::pathOf(appFolder, fileName);
}
