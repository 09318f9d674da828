// ResultsFile: a game's draw history file, oldest draw first, and the operations that read and
// change it. Changes are made on the whole file in memory and written back atomically, so a
// failure leaves the previous history intact.
#pragma once

#include "DrawRecord.h"

#include <QString>

#include <optional>
#include <vector>

namespace ResultsFile
{
// The most draws a file can hold: counts and record numbers are 16-bit.
constexpr int MaxDraws = 32767;

std::optional<int> readCount(const QString& path, QString* error = nullptr);
std::optional<std::vector<DrawRecord>> readAll(const QString& path, QString* error = nullptr);
// Record number of the first draw on that date, 0 when there is none.
std::optional<int> findDraw(const QString& path, int day, int month, int year, QString* error = nullptr);
// Stores a draw at its place in date order; returns its record number.
std::optional<int> insertDraw(const QString& path,
                              int gameId,
                              int day,
                              int month,
                              int year,
                              const std::array<int16_t, 7>& mainNumbers,
                              int16_t bonus,
                              QString* error = nullptr);
// Removes record k; the file itself goes when its last draw does.
bool deleteDraw(const QString& path, int k, QString* error = nullptr);
// Writes a whole history (positions and counts filled in) in one go.
bool writeAll(const QString& path, std::vector<DrawRecord> draws, QString* error = nullptr);
} // namespace ResultsFile
