// EntryFile: the player's entry files (dated, standing and wheel entry sets) and the record
// operations on them. Each change works on the whole file in memory, record by record as the file
// format expects, and is written back atomically, so a failed write never leaves half a file.
#pragma once

#include "RecordFile.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

enum class EntryKind
{
    Dated,
    Standing,
    Wheel
};

// The numbers of one entry line; slot 6 is 0 for 6/49 lines.
using EntryNumbers = std::array<int16_t, 7>;

namespace EntryFile
{
constexpr int RecordLength = 28;
// Counts are 16-bit on disk, so no file holds more lines than this.
constexpr int MaxLines = 32767;
// Where a record holds its first number; the others follow, two bytes each.
constexpr int FirstNumberOffset = 12;

// Writes the game's main numbers into a record (the seventh only for a seven-number game, so a 6/49
// line keeps whatever the record held at offset 24).
void putNumbers(QByteArray& record, const EntryNumbers& numbers, int gameId);
// Writes an entry date into a record: day, month and year at offsets 6, 8 and 10.
void putEntryDate(QByteArray& record, const QDate& date);

QString DatedEntryFileName(int gameId, int day, int month, int year); // "Nat64905JAN2003.lot"
QString StandingEntryFileName(int gameId);                            // "StandLotto.lot" ...
// Told from the file name alone: a folder called "Stand" or "a-b" changes nothing.
EntryKind entryKind(const QString& path);
// The entry date a dated entry file's name holds ("Nat64905JAN2003.lot": 5 January 2003); a null
// date for standing and wheel sets and for names that hold no date.
QDate datedEntryDate(const QString& path);

// The path operations below create a missing file empty, as the program always has.
std::optional<int> ReadEntryCount(const QString& path, QString* error = nullptr);
std::optional<std::vector<EntryNumbers>> readAllLines(const QString& path, QString* error = nullptr);
std::optional<EntryNumbers> ReadEntryLine(const QString& path, int k, QString* error = nullptr);
// Returns the new line count.
std::optional<int>
AppendEntryLine(const QString& path, const EntryNumbers& numbers, int gameId, QString* error = nullptr);
bool ReplaceEntryLine(const QString& path, int k, const EntryNumbers& numbers, int gameId, QString* error = nullptr);
// Returns the new line count.
std::optional<int> DeleteEntryLine(const QString& path, int k, QString* error = nullptr);
// Deletes the file when it holds no line; "" does nothing.
bool RemoveEmptyEntryFile(const QString& path, QString* error = nullptr);
// Copies the source byte for byte over the standing entry; the old standing entry stays whole
// until the copy is complete.
bool saveStandingCopy(const QString& source, const QString& standingPath, QString* error = nullptr);
// True when the file can be opened for reading.
bool fileExists(const QString& path);

// A change made to a whole file in memory. It may refuse, changing nothing, and say why in reason;
// it may also refuse on what it finds in the file before changing anything.
using FileChange = std::function<bool(RecordFile& file, QString* reason)>;
// Reads the file (created empty when missing), applies the change and saves it: nothing is written
// when the change refuses, and
// its reason is reported against the file. Returns the file as saved.
std::optional<RecordFile> changeFile(const QString& path, const FileChange& change, QString* error = nullptr);

// The same operations on a file already in memory, for callers that change many lines at once
// and save once. A damaged count reads as the lines actually present.
int lineCount(const RecordFile& file);
EntryNumbers lineOf(const RecordFile& file, int k);
bool appendLine(RecordFile& file, const EntryNumbers& numbers, int gameId, QString* error = nullptr);
bool replaceLine(RecordFile& file, int k, const EntryNumbers& numbers, int gameId, QString* error = nullptr);
bool deleteLine(RecordFile& file, int k, QString* error = nullptr);
} // namespace EntryFile
