// FuzzRecords: entry lines made from the fuzzer's bytes the way the program reads an entry file,
// so the logic over them meets damaged records as the program would. (Draws come the same way
// from HistoryImage(bytes).draws().)
#pragma once

#include "EntryFile.h"
#include "GameCatalogue.h"

#include <vector>

inline std::vector<EntryNumbers> linesOf(const QByteArray& bytes)
{
    const RecordFile file(EntryFile::RecordLength, bytes);
    std::vector<EntryNumbers> lines;
    for (int k = 1; k <= EntryFile::lineCount(file); ++k)
        lines.push_back(EntryFile::lineOf(file, k));
    return lines;
}

// The main numbers of the lines one after another: six a line, or seven for Super 7.
inline std::vector<int16_t> mainOf(const std::vector<EntryNumbers>& lines, int gameId)
{
    std::vector<int16_t> out;
    for (const EntryNumbers& line : lines)
        out.insert(out.end(), line.begin(), line.begin() + GameCatalogue::mainCount(gameId));
    return out;
}
