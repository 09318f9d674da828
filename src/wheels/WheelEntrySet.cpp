#include "WheelEntrySet.h"

#include "EntryFile.h"
#include "RecordFile.h"
#include "WheelFile.h"
#include "WholeFile.h"

#include <QFile>

namespace
{
std::optional<QByteArray>
fail(WheelEntrySet::Failure kind, const QString& text, WheelEntrySet::Failure* failure, QString* detail)
{
    if (failure)
        *failure = kind;
    if (detail)
        *detail = text;
    return std::nullopt;
}
} // namespace

namespace WheelEntrySet
{
std::optional<QByteArray>
build(QIODevice& pattern, int lineSize, std::span<const int> sortedGroup, int lines, Failure* failure, QString* detail)
{
    if (lines < 1 || lines > EntryFile::MaxLines)
        return fail(
            Failure::CannotRead, QStringLiteral("a wheel of %1 lines cannot be saved").arg(lines), failure, detail);
    WheelFile file(pattern);
    QByteArray bytes(qsizetype(lines) * EntryFile::RecordLength, '\0');
    for (int r = 1; r <= lines; ++r) {
        const PatternLine line = file.ReadPatternLine(lineSize, sortedGroup);
        if (line.status == PatternStatus::Corrupt)
            return fail(Failure::Corrupt,
                        QStringLiteral("line %1, position %2").arg(r).arg(line.failedPosition),
                        failure,
                        detail);
        if (line.status != PatternStatus::Ok) {
            const QString where = line.failedPosition == 0
                                      ? QStringLiteral("line %1 is missing").arg(r)
                                      : QStringLiteral("line %1, position %2").arg(r).arg(line.failedPosition);
            return fail(Failure::CannotRead, where, failure, detail);
        }
        QByteArray record(EntryFile::RecordLength, '\0');
        RecordFile::put32(record, 0, lines);
        for (int j = 0; j < lineSize; ++j)
            RecordFile::put16(
                record, EntryFile::FirstNumberOffset + 2 * j, static_cast<int16_t>(line.numbers[std::size_t(j)]));
        bytes.replace(qsizetype(r - 1) * EntryFile::RecordLength, EntryFile::RecordLength, record);
    }
    return bytes;
}

std::optional<QByteArray> build(const QString& patternPath,
                                int lineSize,
                                std::span<const int> sortedGroup,
                                int lines,
                                Failure* failure,
                                QString* detail)
{
    QFile file(patternPath);
    QString reason;
    if (!WholeFile::openToRead(file, &reason))
        return fail(Failure::CannotRead, reason, failure, detail);
    QString where;
    std::optional<QByteArray> bytes = build(file, lineSize, sortedGroup, lines, failure, &where);
    if (!bytes && detail)
        *detail = fileErrorText(patternPath, where);
    return bytes;
}

QString failureMessage(Failure failure)
{
    return failure == Failure::Corrupt ? QStringLiteral("Your wheel data file is corrupt")
                                       : QStringLiteral("The wheel file cannot be found!");
}

std::optional<int> savedLines(const QString& setPath, QString* error)
{
    if (!QFile::exists(setPath))
        return 0;
    RecordFile set(EntryFile::RecordLength);
    if (!set.load(setPath, error))
        return std::nullopt;
    return EntryFile::lineCount(set);
}

SaveResult save(const QString& patternPath,
                const QString& setPath,
                int lineSize,
                std::span<const int> sortedGroup,
                int lines,
                const std::function<bool()>& confirmOverwrite)
{
    Failure failure = Failure::CannotRead;
    QString error;
    const std::optional<QByteArray> bytes = build(patternPath, lineSize, sortedGroup, lines, &failure, &error);
    if (!bytes)
        return {Outcome::Failed, failureMessage(failure) + QStringLiteral("\n\n") + error};

    // The set's own file is not the wheel file: its failures say only what they are.
    const std::optional<int> existing = savedLines(setPath, &error);
    if (!existing)
        return {Outcome::Failed, error};
    if (*existing > 0 && !confirmOverwrite())
        return {Outcome::Declined, {}};
    if (!WholeFile::write(setPath, *bytes, &error))
        return {Outcome::Failed, error};
    return {Outcome::Saved, QStringLiteral("Done!")};
}
} // namespace WheelEntrySet
