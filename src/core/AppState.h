// AppState: the values the main window shares with every child window (selected game, shown
// draw, current entry file, printer flag, wheel context). One instance lives in the main window
// and is handed to each child by reference.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

struct AppState
{
    int16_t gameId = 0;   // 0 before the first game switch
    int16_t province = 0; // ProvinceCode 1..5
    QString appFolder;    // no trailing separator

    int16_t drawDay = 0;
    int16_t drawMonth = 0;
    int16_t drawYear = 0;
    int16_t displayedRecord = 0;             // record of the shown draw, 0 = none found yet
    std::array<int16_t, 9> displayedNumbers{}; // per ball position; slot 8 is never written
    QString currentResultsFile;
    QString currentEntryFile; // "" = none
    int16_t selectedWheel = 0;
    bool printerAvailable = false;
    bool drawListOpen = false;

    int16_t editIndex = 0;    // line being edited, 1-based
    bool stopRequest = false; // set by Cancel buttons of long operations
    bool listLimitReached = false;

    // Wheel context, set by Wheels > Create before a builder opens.
    QString wheelGameWord;
    QString wheelResultsName;
    int16_t wheelHighest = 0;
    QString wheelGameTitle;

    // Full path of a file in the application folder.
    QString pathOf(const QString& fileName) const;
};
