// SystemInfo: finds the operating system's system information tool through the registry, where
// the system has one.
#pragma once

#include <QString>

namespace SystemInfo
{
// Reads one registry value under a root such as "HKEY_LOCAL_MACHINE"; false and "" when it cannot.
bool GetKeyValue(const QString& rootKey, const QString& keyName, const QString& valueName, QString* value);
// Full path of the system information tool, or "" when there is none.
QString toolPath();
} // namespace SystemInfo
