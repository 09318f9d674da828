// FileBytes: a file's whole content for byte-for-byte comparisons; empty when it cannot be read.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
