// FuzzSupport: what the fuzz targets share. FUZZ_CHECK stops the run on a broken invariant (the
// fuzzer and the replay driver both take an abort as a finding), FuzzInput splits the fuzzer's
// bytes into choices and file content, and the scratch folder holds the files of readers that
// only take paths.
#pragma once

#include "RecordFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition);                     \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// Takes choices from the front of the input; a used-up input gives zeros, so every input runs.
class FuzzInput
{
public:
    FuzzInput(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    uint8_t byte()
    {
        return m_pos < m_size ? m_data[m_pos++] : 0;
    }
    int16_t int16()
    {
        const int low = byte();
        return static_cast<int16_t>(low | (byte() << 8));
    }
    // A value in low..high (at most 65,536 values).
    int between(int low, int high)
    {
        const unsigned span = static_cast<unsigned>(high - low) + 1;
        const unsigned raw = span > 256 ? static_cast<uint16_t>(int16()) : byte();
        return low + static_cast<int>(raw % span);
    }
    QByteArray take(size_t n)
    {
        n = std::min(n, m_size - m_pos);
        const QByteArray out(reinterpret_cast<const char*>(m_data + m_pos), static_cast<qsizetype>(n));
        m_pos += n;
        return out;
    }
    QByteArray rest()
    {
        return take(m_size - m_pos);
    }
    bool empty() const
    {
        return m_pos >= m_size;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// A file in a folder kept for the whole run (under TMPDIR); each input rewrites what it uses.
inline QString scratchPath(const QString& name)
{
    static QTemporaryDir dir;
    FUZZ_CHECK(dir.isValid());
    return dir.filePath(name);
}

inline void putFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
}

// Puts the bytes into the buffer and opens it for reading, as a reader of a device expects it.
inline void openForReading(QBuffer& device, const QByteArray& bytes)
{
    device.setData(bytes);
    FUZZ_CHECK(device.open(QIODevice::ReadOnly));
}

// The file's bytes; a missing file reads as empty.
inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The count a record file holds in its first four bytes, as written.
inline int32_t storedCount(const QString& path)
{
    const QByteArray bytes = fileBytes(path);
    FUZZ_CHECK(bytes.size() >= 4);
    return RecordFile::get32(bytes, 0);
}

// Runs `look` and checks that it left the file as it was; returns what it found.
template <class Look> auto leavesFile(const QString& path, Look look)
{
    const QByteArray before = fileBytes(path);
    const auto found = look();
    FUZZ_CHECK(fileBytes(path) == before);
    return found;
}

// A refused change says why and leaves the file as it was.
inline void checkRefused(bool done, const QString& error, const QString& path, const QByteArray& before)
{
    FUZZ_CHECK(!done && !error.isEmpty() && fileBytes(path) == before);
}

// The boxes with the first n in reverse order: typed values must not depend on the box they are in.
inline QStringList reversedFront(QStringList boxes, qsizetype n)
{
    std::reverse(boxes.begin(), boxes.begin() + std::clamp<qsizetype>(n, 0, boxes.size()));
    return boxes;
}

// A line as the program stores it: `count` numbers rising strictly within 1..highest, zeros after.
template <class Numbers> bool isStoredLine(const Numbers& numbers, int count, int highest)
{
    const auto end = numbers.begin() + count;
    return numbers[0] >= 1 && numbers[count - 1] <= highest
           && std::adjacent_find(numbers.begin(), end, std::greater_equal<>()) == end
           && std::all_of(end, numbers.end(), [](int16_t n) { return n == 0; });
}

// What a draw says, without the position and count that move with it.
template <class A, class B> bool sameDraw(const A& a, const B& b)
{
    return a.day == b.day && a.month == b.month && a.year == b.year && a.numbers == b.numbers && a.bonus == b.bonus;
}

// Whether an entry record carries the date as the program writes it: day, month, year at 6, 8, 10.
inline bool datedOn(const QByteArray& record, const QDate& date)
{
    return RecordFile::get16(record, 6) == date.day() && RecordFile::get16(record, 8) == date.month()
           && RecordFile::get16(record, 10) == date.year();
}

// Files grown to the 32,767-record limit take seconds each under the sanitizers and would starve
// the fuzzer, so its run leaves them out; the replay of the seeds in every test run covers them.
#ifdef DRAWSMITH_FUZZ_ENGINE
constexpr bool growToLimit = false;
#else
constexpr bool growToLimit = true;
#endif

// Whether an input also goes through the import from files. Reading a source file reserves the
// most a file may hold, which costs far more under the sanitizers than the import itself, so only
// flagged inputs whose size is a multiple of eight do; the size changes with most mutations, so
// the share stays small.
inline bool throughFiles(uint8_t flags, size_t size)
{
    return (flags & 1) && size % 8 == 0;
}

// Cuts a record file to whole records, pads it to one record below, at or above `limit` records
// with copies of its last one (zeros when it has none) and puts that count, or one less, into the
// first four bytes, so that inputs reach the 32,767-record limit of the formats without megabytes
// of fuzzer data. `choice` picks the size and the count.
inline QByteArray grownToLimit(QByteArray bytes, int recordLength, int limit, int choice)
{
    const int records = limit - 1 + choice % 3;
    const int32_t count = records - (choice / 3) % 2;
    bytes.truncate(std::min<qsizetype>(bytes.size() - bytes.size() % recordLength, qsizetype(records) * recordLength));
    const QByteArray last = bytes.isEmpty() ? QByteArray(recordLength, '\0') : bytes.right(recordLength);
    bytes.reserve(qsizetype(records) * recordLength);
    while (bytes.size() < qsizetype(records) * recordLength)
        bytes.append(last);
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((static_cast<uint32_t>(count) >> (8 * i)) & 0xff);
    return bytes;
}
