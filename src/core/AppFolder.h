// AppFolder: where the program's data files live (the program's own folder) and the settings
// file game.dat that remembers the province.
#pragma once

#include <QString>

#include <optional>

namespace AppFolder
{
// The program's folder with no trailing separator; a drive root "C:\" becomes "C:", "/" becomes "".
// Blanks around the folder only decide whether it is a drive root; the folder keeps them.
QString rootRule(const QString& folder);
// The full path of a file in the application folder: every data file is found this way.
QString pathOf(const QString& appFolder, const QString& fileName);

// Province stored in game.dat (0 when the file is missing or empty; the file is created then).
std::optional<int> readSavedProvince(const QString& appFolder, QString* error = nullptr);
// Writes the province code into game.dat.
bool updatesavedgame(const QString& appFolder, int provinceCode, QString* error = nullptr);
} // namespace AppFolder
