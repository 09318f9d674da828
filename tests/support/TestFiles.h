// TestFiles: whole-file reads and writes for test set-up and checks, where a file that cannot be
// read must never compare equal to expected bytes.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray readFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline bool writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
