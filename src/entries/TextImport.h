// TextImport: turns a plain text file of entry lines ("03 11 24 30 41 49", one per line) into the
// dated entry file of a draw date. Reading is bounded so that a file that is not text, or is
// huge, is refused quickly instead of hanging the window.
#pragma once

#include "EntryFile.h"

#include <QByteArray>
#include <QDate>
#include <QIODevice>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace TextImport
{
// No legitimate import file comes near these: an entry file holds at most MaxLines lines of
// about 20 characters each.
constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;
constexpr int MaxLineLength = 1024;
constexpr int MaxFields = EntryFile::MaxLines;

// The fields of a text file. When the file could not be read whole or is not plain text,
// `problem` says why and `fields` holds the complete fields read before the fault.
struct TextFields
{
    std::vector<QString> fields;
    QString problem;
};

// A field ends at a line end or a comma; leading blanks are skipped; a field in double quotes may
// hold commas. Tabs, line ends and printable text are all a text file may hold.
TextFields readFields(QIODevice& device);
TextFields readFields(const QString& path);

// The seven two-character slots at character positions 1-2, 4-5 ... 19-20, each read by the
// number-text rule; a slot with no digit, or beyond the end of the field, reads 0.
EntryNumbers readSlots(QStringView field);

enum class Verdict
{
    Valid,
    OutOfRange,
    SameBalls,
    NotText,
    AlreadyEntered,
    FileError
};

// One field as one entry line of the game on the entry date: the range of every number by that
// date's rules (a 6/49 line has no seventh number), then repeated numbers.
Verdict checkLine(QStringView field, int gameId, const QDate& date);
// The verdict of the first field that fails, Valid when none does (or there is none).
Verdict checkFields(const std::vector<QString>& fields, int gameId, const QDate& date);

// The message for a refusal; "" for Valid and FileError (whose text comes with the error).
QString refusalText(Verdict verdict);

// The whole entry file for valid fields: record k holds field k's numbers in ascending order
// and the date at offsets 6, 8 and 10; record 1 also holds the count.
QByteArray importBytes(const std::vector<QString>& fields, int gameId, const QDate& date);

// The lines of an existing entry file; 0 when there is no such file. Never creates the file.
std::optional<int> existingLineCount(const QString& path, QString* error = nullptr);

// The full path of the dated entry file an import for this game and date writes.
QString targetPath(const QString& appFolder, int gameId, const QDate& date);

// Reads and checks the text file, as lines for the entry date, and the target entry file; writes
// nothing.
Verdict
validate(const QString& textPath, int gameId, const QDate& date, const QString& target, QString* error = nullptr);
// Checks again (the text file may have changed since it was validated), then writes the target
// in one piece. Anything but Valid means nothing was written.
Verdict
importFile(const QString& textPath, int gameId, const QDate& date, const QString& target, QString* error = nullptr);
} // namespace TextImport
