// AppFolderLock: one running copy of the program per application folder. Two copies would each
// show the files as they last read them, and a change made in one by row number would land on a
// different line of what the other had since written.
#pragma once

#include <QLockFile>
#include <QString>

class AppFolderLock
{
public:
    explicit AppFolderLock(const QString& appFolder);

    // Takes the folder for this copy; false when another running copy has it, with the message
    // for the player in *refusal. A lock left behind by a copy that ended without releasing it (a
    // crash) is taken over. A folder where no lock can be made at all (read-only) is not refused:
    // no copy can change its files there either.
    bool acquire(QString* refusal = nullptr);

private:
    QString m_folder;
    QLockFile m_lock;
};
