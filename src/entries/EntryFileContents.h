// EntryFileContents: what the file deletion window shows of any entry file. It reads without
// creating or changing the file, and shows records up to the first one without a first number, so
// lines left beyond the count by earlier deletions show too, and a damaged file shows what it holds.
#pragma once

#include "RecordFile.h"

#include <QString>

#include <optional>
#include <vector>

namespace EntryFileContents
{
// At most EntryFile::MaxLines records of an existing file; a missing file reads as no records.
std::optional<RecordFile> readRecords(const QString& path, QString* error = nullptr);

// "03 11 24 30 41 49 ": numbers 1 to 5, number 6 when above 0, number 7 when `withSeventh` and
// above 0; two digits and one blank each.
QString contentLine(const QByteArray& record, bool withSeventh);

// One content line per record, stopping at the first record whose first number is 0. Only files
// whose name begins with "S" (the Super 7 and standing files) or with "LottoMax" show a seventh
// number.
std::vector<QString> contentLines(const RecordFile& file, const QString& fileName);
std::optional<std::vector<QString>> contentLines(const QString& path, QString* error = nullptr);
} // namespace EntryFileContents
