// FuzzSupport: what the fuzz targets share. FUZZ_CHECK stops the run on a broken invariant (the
// fuzzer and the replay driver both take an abort as a finding), FuzzInput splits the fuzzer's
// bytes into choices and file content, and the scratch folder holds the files of readers that
// only take paths.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
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
    return static_cast<int32_t>(uint8_t(bytes[0]) | uint8_t(bytes[1]) << 8 | uint8_t(bytes[2]) << 16
                                | uint32_t(uint8_t(bytes[3])) << 24);
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

// Cuts a record file to whole records, pads it to `records` records with copies of its last one
// (zeros when it has none) and puts `count` into the first four bytes, so that inputs reach the
// 32,767-record limit of the formats without megabytes of fuzzer data.
inline QByteArray growToRecords(QByteArray bytes, int recordLength, int records, int32_t count)
{
    bytes.truncate(std::min<qsizetype>(bytes.size() - bytes.size() % recordLength, qsizetype(records) * recordLength));
    const QByteArray last = bytes.isEmpty() ? QByteArray(recordLength, '\0') : bytes.right(recordLength);
    bytes.reserve(qsizetype(records) * recordLength);
    while (bytes.size() < qsizetype(records) * recordLength)
        bytes.append(last);
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((static_cast<uint32_t>(count) >> (8 * i)) & 0xff);
    return bytes;
}
