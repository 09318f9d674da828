#include "WheelFile.h"

#include "NumberText.h"
#include "WholeFile.h"

#include <QFile>

#include <numeric>

namespace
{
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
} // namespace

WheelFile::WheelFile(QIODevice& device)
    : m_device(device)
{
}

bool WheelFile::atEnd() const
{
    return !m_hasRest && m_device.atEnd();
}

// A field runs to the next comma or the end of its line; a field that opens with a double quote
// runs to the closing quote. Text after a comma stays for the next field, as a delimited text
// reader continues where it stopped.
std::optional<QString> WheelFile::nextField()
{
    QString line;
    if (m_hasRest) {
        line = m_rest;
        m_hasRest = false;
    } else {
        if (m_device.atEnd())
            return std::nullopt;
        const QByteArray raw = m_device.readLine();
        if (raw.isEmpty())
            return std::nullopt;
        line = QString::fromLatin1(raw);
        while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }

    qsizetype start = 0;
    while (start < line.size() && isBlank(line.at(start)))
        ++start;

    QString field;
    qsizetype comma = -1;
    if (start < line.size() && line.at(start) == QLatin1Char('"')) {
        const qsizetype close = line.indexOf(QLatin1Char('"'), start + 1);
        if (close < 0) {
            field = line.mid(start + 1);
        } else {
            field = line.mid(start + 1, close - start - 1);
            comma = line.indexOf(QLatin1Char(','), close + 1);
        }
    } else {
        comma = line.indexOf(QLatin1Char(','), start);
        field = comma < 0 ? line.mid(start) : line.mid(start, comma - start);
    }
    if (comma >= 0) {
        m_rest = line.mid(comma + 1);
        m_hasRest = true;
    }
    return field;
}

PatternLine WheelFile::ReadPatternLine(int lineSize, std::span<const int> sortedGroup)
{
    PatternLine result;
    if (lineSize < 1 || lineSize > MaxLineSize)
        return result;
    const std::optional<QString> field = nextField();
    if (!field)
        return result;

    const QString text = field->trimmed();
    const auto groupSize = static_cast<long long>(sortedGroup.size());
    for (int j = 1; j <= lineSize; ++j) {
        const long long position = NumberText::wholeNumber(QStringView(text).mid(3 * (j - 1)).left(2));
        result.failedPosition = j;
        if (position == 0) {
            result.status = PatternStatus::Corrupt;
            return result;
        }
        if (position < 0 || position > MaxPosition) {
            result.status = PatternStatus::ReadFailure;
            return result;
        }
        if (position > groupSize) {
            result.status = PatternStatus::Corrupt;
            return result;
        }
        result.numbers[static_cast<std::size_t>(j - 1)] = sortedGroup[static_cast<std::size_t>(position - 1)];
    }
    result.failedPosition = 0;
    result.status = PatternStatus::Ok;
    return result;
}

std::optional<std::vector<uint32_t>>
WheelFile::readLineMasks(QIODevice& device, int lineSize, int balls, int lines, QString* error)
{
    auto fail = [error](const QString& message) -> std::optional<std::vector<uint32_t>> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    if (balls < 1 || balls > MaxPosition)
        return fail(QStringLiteral("Group size %1 is outside 1..%2").arg(balls).arg(MaxPosition));

    // Reading against the group 1..N gives the positions themselves.
    std::vector<int> identity(static_cast<std::size_t>(balls));
    std::iota(identity.begin(), identity.end(), 1);

    WheelFile file(device);
    std::vector<uint32_t> masks;
    masks.reserve(static_cast<std::size_t>(std::max(lines, 0)));
    for (int r = 1; r <= lines; ++r) {
        const PatternLine line = file.ReadPatternLine(lineSize, identity);
        if (line.status == PatternStatus::ReadFailure && line.failedPosition == 0)
            return fail(QStringLiteral("Line %1 is missing").arg(r));
        if (line.status != PatternStatus::Ok) {
            return fail(QStringLiteral("Line %1: position %2 is %3")
                            .arg(r)
                            .arg(line.failedPosition)
                            .arg(line.status == PatternStatus::Corrupt ? QStringLiteral("corrupt")
                                                                       : QStringLiteral("unreadable")));
        }
        uint32_t mask = 0;
        for (int j = 0; j < lineSize; ++j) {
            const int position = line.numbers[static_cast<std::size_t>(j)];
            if (j > 0 && position <= line.numbers[static_cast<std::size_t>(j - 1)])
                return fail(QStringLiteral("Line %1: positions are not strictly ascending").arg(r));
            mask |= uint32_t{1} << (position - 1);
        }
        masks.push_back(mask);
    }
    return masks;
}

std::optional<std::vector<uint32_t>>
WheelFile::readLineMasks(const QString& path, int lineSize, int balls, int lines, QString* error)
{
    QFile file(path);
    if (!WholeFile::openToRead(file, error))
        return std::nullopt;
    return readLineMasks(file, lineSize, balls, lines, error);
}
