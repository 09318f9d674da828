// AppFolder: where the program's data files live (the program's own folder) and the settings
// file game.dat that remembers the province.
#pragma once

#include <QString>

#include <optional>

namespace AppFolder
{
// The program's folder with no trailing separator; a drive root "C:\" becomes "C:", "/" becomes "".
QString rootRule(const QString& folder);

// Province stored in game.dat (0 when the file is missing or empty; the file is created then).
std::optional<int> readSavedProvince(const QString& appFolder, QString* error = nullptr);
// Writes the province code into game.dat.
bool updatesavedgame(const QString& appFolder, int provinceCode, QString* error = nullptr);
} // namespace AppFolder
