// HistoryImage: a whole draw history file held in memory and changed the way the file operations
// change it, byte for byte. Adding one draw or thousands costs a single write of bytes().
#pragma once

#include "DrawRecord.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <vector>

class HistoryImage
{
public:
    explicit HistoryImage(QByteArray fileBytes = {});

    int count() const;
    const std::vector<DrawRecord>& draws() const;

    // Stores a draw at its place in date order (after any draw of the same date) and returns its
    // record number; 0 when the history already holds the most draws a file can hold.
    int insert(int gameId, int day, int month, int year, const std::array<int16_t, 7>& mainNumbers, int16_t bonus);

    // The file as it now stands: the draws, then whatever stale bytes lay beyond them.
    QByteArray bytes() const;

private:
    QByteArray m_file;
    std::vector<DrawRecord> m_draws;
    bool m_changed = false;
    // Dates in order, as every file the program writes has them: the place of a draw is then
    // found by halving instead of a scan, with the same result.
    bool m_inDateOrder = true;
};
