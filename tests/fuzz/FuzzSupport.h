// FuzzSupport: what the fuzz targets share. FUZZ_CHECK stops the run on a broken invariant (the
// fuzzer and the replay driver both take an abort as a finding), FuzzInput splits the fuzzer's
// bytes into choices and file content, and the scratch folder holds the files of readers that
// only take paths.
#pragma once

#include "EntryFile.h"
#include "GameCatalogue.h"
#include "RecordFile.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition);                     \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// Takes choices from the front of the input; a used-up input gives zeros, so every input runs.
struct FuzzInput
{
    const uint8_t* data;
    size_t size;
    size_t pos = 0;

    uint8_t byte()
    {
        return pos < size ? data[pos++] : 0;
    }
    int16_t int16()
    {
        const int low = byte();
        return static_cast<int16_t>(low | (byte() << 8));
    }
    // A value in low..high, at most 256 values.
    int between(int low, int high)
    {
        return low + byte() % (high - low + 1);
    }
    QByteArray take(size_t n)
    {
        n = std::min(n, size - pos);
        pos += n;
        return QByteArray(reinterpret_cast<const char*>(data + pos - n), static_cast<qsizetype>(n));
    }
    QByteArray rest()
    {
        return take(size - pos);
    }
};

// The entry point of a target with several readers: the first input byte picks the reader.
#define FUZZ_READERS(...)                                                                                              \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)                                            \
    {                                                                                                                  \
        static constexpr void (*readers[])(FuzzInput&) = {__VA_ARGS__};                                                \
        FuzzInput in{data, size};                                                                                      \
        readers[in.byte() % std::size(readers)](in);                                                                   \
        return 0;                                                                                                      \
    }

// A file in a folder kept for the whole run (under TMPDIR); each input rewrites what it uses.
inline QString scratchPath(const QString& name)
{
    static QTemporaryDir dir;
    return dir.filePath(name);
}

inline void putFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
}

// The file's bytes; a missing file reads as empty.
inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `look` and checks that it left the file as it was; returns what it found.
template <class Look> auto leavesFile(const QString& path, Look look)
{
    const QByteArray before = fileBytes(path);
    const auto found = look();
    FUZZ_CHECK(fileBytes(path) == before);
    return found;
}

// A line as the program stores it: `count` numbers rising strictly within 1..highest, zeros after.
template <class Numbers> bool isStoredLine(const Numbers& numbers, int count, int highest)
{
    const auto end = numbers.begin() + count;
    return numbers[0] >= 1 && numbers[count - 1] <= highest
           && std::adjacent_find(numbers.begin(), end, std::greater_equal<>()) == end
           && std::all_of(end, numbers.end(), [](int n) { return n == 0; });
}

// Whether an entry record carries the date as the program writes it: day, month, year at 6, 8, 10.
inline bool datedOn(const QByteArray& record, const QDate& date)
{
    return RecordFile::get16(record, 6) == date.day() && RecordFile::get16(record, 8) == date.month()
           && RecordFile::get16(record, 10) == date.year();
}

// Entry lines read from bytes the way the program reads an entry file, damaged records included.
inline std::vector<EntryNumbers> linesOf(const QByteArray& bytes)
{
    const RecordFile file(EntryFile::RecordLength, bytes);
    std::vector<EntryNumbers> lines;
    for (int k = 1; k <= EntryFile::lineCount(file); ++k)
        lines.push_back(EntryFile::lineOf(file, k));
    return lines;
}

// Whether two runs of lines hold the same main numbers (the 6/49 games keep no seventh).
inline bool sameMain(const std::vector<EntryNumbers>& a, const std::vector<EntryNumbers>& b, int gameId)
{
    const int count = GameCatalogue::mainCount(gameId);
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [count](const EntryNumbers& x, const EntryNumbers& y) {
        return std::equal(x.begin(), x.begin() + count, y.begin());
    });
}

// Cuts a record file to whole records, pads it to one record below, at or above `limit` records
// with copies of its last one (zeros when it has none) and puts that count, or one less, into the
// first four bytes, so that inputs reach the 32,767-record limit without megabytes of fuzzer data.
// Such files take seconds each under the sanitizers and would starve the fuzzer, so only the
// replay of the seeds in every test run grows them.
inline QByteArray grownToLimit(QByteArray bytes, int recordLength, int limit, int choice)
{
#ifdef DRAWSMITH_FUZZ_ENGINE
    return bytes;
#endif
    const int records = limit - 1 + choice % 3;
    const int32_t count = records - (choice / 3) % 2;
    bytes.truncate(std::min<qsizetype>(bytes.size() - bytes.size() % recordLength, qsizetype(records) * recordLength));
    const QByteArray last = bytes.isEmpty() ? QByteArray(recordLength, '\0') : bytes.right(recordLength);
    while (bytes.size() < qsizetype(records) * recordLength)
        bytes.append(last);
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((static_cast<uint32_t>(count) >> (8 * i)) & 0xff);
    return bytes;
}
