#include "AppFolderLock.h"

#include "AppFolder.h"

#include <QDir>

AppFolderLock::AppFolderLock(const QString& appFolder)
    : m_folder(appFolder)
    , m_lock(AppFolder::pathOf(AppFolder::rootRule(appFolder), QStringLiteral("Drawsmith.lock")))
{
    // Only a holder that no longer runs frees the lock; a copy left open for days keeps it.
    m_lock.setStaleLockTime(0);
}

bool AppFolderLock::acquire(QString* refusal)
{
    if (m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError)
        return true;
    if (refusal)
        *refusal = QStringLiteral("Drawsmith Canada is already running with this folder:\n")
                   + QDir::toNativeSeparators(m_folder);
    return false;
}
