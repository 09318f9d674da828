// WholeFile: the one way the program replaces a file, and the one way it opens a file to read. The
// new bytes go to a temporary file beside the old one, which is renamed over it only when every
// byte is on disk, so a failure (full disk, size limit, read-only folder) leaves the old file as it
// was. Reading takes regular files only, and never more than a file of its kind can hold.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QFile;

namespace WholeFile
{
// Replaces the file at path with bytes. On failure the message names the file and the system's
// reason ("No space left on device", "File too large" ...).
bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Opens an existing file for reading when it is a regular file (or a link to one). A pipe would
// block the program and a device may never end, so either is refused as "not a plain file".
bool openToRead(QFile& file, QString* error = nullptr);
// The whole content of a regular file of at most maxBytes; a larger file is not one of ours and
// is refused by name.
std::optional<QByteArray> read(const QString& path, qint64 maxBytes, QString* error = nullptr);
} // namespace WholeFile

// Text of a file error for messages: "<file>: <reason>".
QString fileErrorText(const QString& path, const QString& reason);
