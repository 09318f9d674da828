// FileBytes: a file's whole content for byte-for-byte comparisons; empty when it cannot be read.
#pragma once

#include "TestFiles.h"

inline QByteArray fileBytes(const QString& path)
{
    return readFileOr(path, QByteArray());
}
