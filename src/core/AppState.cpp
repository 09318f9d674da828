#include "AppState.h"

QString AppState::pathOf(const QString& fileName) const
{
    return appFolder + QLatin1Char('/') + fileName;
}
