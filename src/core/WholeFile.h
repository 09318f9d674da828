// WholeFile: the one way the program replaces a file. The new bytes go to a temporary file beside
// the old one, which is renamed over it only when every byte is on disk, so a failure (full disk,
// size limit, read-only folder) leaves the old file as it was.
#pragma once

#include <QByteArray>
#include <QString>

namespace WholeFile
{
// Replaces the file at path with bytes. On failure the message names the file and the system's
// reason ("No space left on device", "File too large" ...).
bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);
} // namespace WholeFile

// Text of a file error for messages: "<file>: <reason>".
QString fileErrorText(const QString& path, const QString& reason);
