#include "RecordFile.h"

#include "WholeFile.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace
{
bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}
} // namespace

RecordFile::RecordFile(int recordLength, QByteArray bytes)
    : m_recordLength(recordLength)
    , m_bytes(std::move(bytes))
{
}

bool RecordFile::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.exists()) {
        // Opening for read and write creates a missing file, as a random-access open does.
        if (!file.open(QIODevice::ReadWrite))
            return fail(error, fileErrorText(path, file.errorString()));
        m_bytes.clear();
        return true;
    }
    auto bytes = WholeFile::read(path, qint64(MaxRecords) * m_recordLength, error);
    if (!bytes)
        return false;
    m_bytes = std::move(*bytes);
    return true;
}

bool RecordFile::save(const QString& path, QString* error) const
{
    return WholeFile::write(path, m_bytes, error);
}

int RecordFile::recordLength() const
{
    return m_recordLength;
}

int RecordFile::recordsPresent() const
{
    return static_cast<int>((m_bytes.size() + m_recordLength - 1) / m_recordLength);
}

QByteArray RecordFile::record(int k) const
{
    QByteArray out(m_recordLength, '\0');
    const qsizetype start = qsizetype(k - 1) * m_recordLength;
    if (k < 1 || start >= m_bytes.size())
        return out;
    const qsizetype n = std::min<qsizetype>(m_recordLength, m_bytes.size() - start);
    std::copy_n(m_bytes.constData() + start, n, out.data());
    return out;
}

void RecordFile::setRecord(int k, const QByteArray& record)
{
    if (k < 1)
        return;
    const qsizetype start = qsizetype(k - 1) * m_recordLength;
    if (m_bytes.size() < start + m_recordLength)
        m_bytes.append(QByteArray(start + m_recordLength - m_bytes.size(), '\0'));
    std::copy_n(record.constData(), std::min<qsizetype>(m_recordLength, record.size()), m_bytes.data() + start);
}

const QByteArray& RecordFile::bytes() const
{
    return m_bytes;
}

int16_t RecordFile::get16(const QByteArray& record, int offset)
{
    return qFromLittleEndian<qint16>(record.constData() + offset);
}

int32_t RecordFile::get32(const QByteArray& record, int offset)
{
    return qFromLittleEndian<qint32>(record.constData() + offset);
}

void RecordFile::put16(QByteArray& record, int offset, int16_t value)
{
    qToLittleEndian<qint16>(value, record.data() + offset);
}

void RecordFile::put32(QByteArray& record, int offset, int32_t value)
{
    qToLittleEndian<qint32>(value, record.data() + offset);
}

int RecordFile::usableCount(int countOffset) const
{
    const int32_t raw = get32(record(1), countOffset);
    const int present = std::min(recordsPresent(), 32767);
    if (raw < 0 || raw > present)
        return present;
    return raw;
}
