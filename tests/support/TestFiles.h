// TestFiles: whole-file reads and writes for test set-up and checks, where a file that cannot be
// read must never compare equal to expected bytes.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The file's whole content, or `unreadable` when it cannot be opened.
inline QByteArray readFileOr(const QString& path, const QByteArray& unreadable)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : unreadable;
}

inline QByteArray readFileBytes(const QString& path)
{
    return readFileOr(path, QByteArrayLiteral("<unreadable>"));
}

inline bool writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
