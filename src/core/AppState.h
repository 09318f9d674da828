// AppState: the values the main window shares with the windows it opens: the selected game and
// province, the application and share folders, the draw shown, the printer flag and the wheel context. It
// holds values, never hand-offs between windows: a window reports back through its own signals,
// and the shown entry set has its own owner (EntrySet).
#pragma once

#include <QString>

#include <array>
#include <cstdint>

struct AppState
{
    int16_t gameId = 0;   // 0 before the first game switch
    int16_t province = 0; // ProvinceCode 1..5
    QString appFolder;    // the player's files; no trailing separator
    QString shareFolder;  // the program's own files: wheel patterns and help

    int16_t drawDay = 0;
    int16_t drawMonth = 0;
    int16_t drawYear = 0;
    int16_t displayedRecord = 0;               // record of the shown draw, 0 = none found yet
    std::array<int16_t, 9> displayedNumbers{}; // per ball position; slot 8 is never written
    QString currentResultsFile;
    bool printerAvailable = false;

    // Wheel context, set by Wheels > Create before a builder opens.
    QString wheelGameWord;
    QString wheelResultsName;
    int16_t wheelHighest = 0;
    QString wheelGameTitle;

    // Full path of a file in the application folder.
    QString pathOf(const QString& fileName) const;
    // Full path of a game's draw history in the application folder.
    QString historyPath(int gameId) const;
};
