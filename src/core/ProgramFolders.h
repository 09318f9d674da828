// ProgramFolders: the one place that decides where the player's files live and where the files the
// program ships (wheel patterns, help, bundled draw histories) are found. A copy installed into a
// folder of its own keeps all of them there; a copy built for a system package keeps the player's
// files in the user's data folder and reads its own from <program folder>/../share/drawsmith.
#pragma once

#include <QString>
#include <QStringList>

struct ProgramFolders
{
    QString app;       // the player's files: histories, entries, settings
    QString share;     // the wheel patterns ("wheels") and the help file
    QString histories; // the draw histories a new player can import at once

    // Everything in the program's own folder; the bundled histories in its "history" folder.
    static ProgramFolders oneFolder(const QString& programFolder);
    // The packaged layout: the player's files in $DRAWSMITH_HOME, or else the user's data folder for
    // the application, created when missing.
    static ProgramFolders packaged(const QString& programFolder);
    // The layout this copy of the program was built for.
    static ProgramFolders forThisBuild(const QString& programFolder);

    // Where the shipped files lie within a share folder: the help file and the wheel patterns' folder.
    static QString helpFile(const QString& shareFolder);
    static QString wheelsFolder(const QString& shareFolder);

    // The shipped files that cannot be found: the help file, the wheel patterns, the histories.
    QStringList missingShippedFiles() const;
    // The installation check (--check-install): prints the folders and what is missing; 0 when
    // nothing is.
    int reportInstallation() const;
};
