// RecordFile: a whole fixed-length record file held in memory. Records are numbered from 1, a
// record past the end reads as zeros and writing past the end grows the file, as random-access
// files behave. Loading creates a missing file empty; saving replaces the file atomically, so a
// failed write never leaves half a file behind.
#pragma once

#include "WholeFile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

class RecordFile
{
public:
    // No file of records is longer: counts and record numbers are 16-bit. A longer file, or
    // anything but a regular file, is refused by name when loaded.
    static constexpr int MaxRecords = 32768;

    explicit RecordFile(int recordLength, QByteArray bytes = {});

    // Opens (creating it empty when missing) and reads the whole file.
    bool load(const QString& path, QString* error = nullptr);
    // Writes the whole file through QSaveFile.
    bool save(const QString& path, QString* error = nullptr) const;

    int recordLength() const;
    // Whole records present in the file (a partial last record counts as present).
    int recordsPresent() const;
    QByteArray record(int k) const;
    void setRecord(int k, const QByteArray& record);
    const QByteArray& bytes() const;

    // Little-endian field access on a record buffer.
    static int16_t get16(const QByteArray& record, int offset);
    static int32_t get32(const QByteArray& record, int offset);
    static void put16(QByteArray& record, int offset, int16_t value);
    static void put32(QByteArray& record, int offset, int32_t value);

    // The count held in the first four bytes of record 1, as the program uses it: 16-bit, and
    // never more than the records present nor negative. A damaged count reads as the records present.
    int usableCount(int countOffset = 0) const;

private:
    int m_recordLength;
    QByteArray m_bytes;
};
