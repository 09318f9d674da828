// FuzzRecords: draws and entry lines made from the fuzzer's bytes the way the program reads a
// history or an entry file, so the logic over them meets damaged records as the program would.
#pragma once

#include "EntryFile.h"
#include "HistoryImage.h"

#include <vector>

inline std::vector<DrawRecord> drawsOf(const QByteArray& bytes)
{
    return HistoryImage(bytes).draws();
}

inline std::vector<EntryNumbers> linesOf(const QByteArray& bytes)
{
    const RecordFile file(EntryFile::RecordLength, bytes);
    std::vector<EntryNumbers> lines;
    for (int k = 1; k <= EntryFile::lineCount(file); ++k)
        lines.push_back(EntryFile::lineOf(file, k));
    return lines;
}
