#include "EntryFile.h"

#include "DateText.h"
#include "GameCatalogue.h"
#include "NumberText.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace
{
constexpr int CountOffset = 0;
constexpr int SeventhNumberOffset = 24;

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

// Paths may come with either separator; only the name itself counts.
QString fileNameOf(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

QString noSuchLine(int k, int count)
{
    return QStringLiteral("line %1 does not exist (the file holds %2 lines)").arg(k).arg(count);
}
} // namespace

namespace EntryFile
{
void putNumbers(QByteArray& record, const EntryNumbers& numbers, int gameId)
{
    const int count = GameCatalogue::mainCount(gameId);
    for (int i = 0; i < count; ++i)
        RecordFile::put16(record, FirstNumberOffset + 2 * i, numbers[i]);
}

void putEntryDate(QByteArray& record, const QDate& date)
{
    RecordFile::put16(record, 6, static_cast<int16_t>(date.day()));
    RecordFile::put16(record, 8, static_cast<int16_t>(date.month()));
    RecordFile::put16(record, 10, static_cast<int16_t>(date.year()));
}

QString DatedEntryFileName(int gameId, int day, int month, int year)
{
    return GameCatalogue::game(gameId).entryWord + NumberText::twoDigits(day) + DateText::MonthAbbrev(month)
           + QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0')) + QStringLiteral(".lot");
}

QString StandingEntryFileName(int gameId)
{
    return GameCatalogue::game(gameId).standingFile;
}

EntryKind entryKind(const QString& path)
{
    const QString name = fileNameOf(path);
    if (name.contains(QLatin1String("Stand")))
        return EntryKind::Standing;
    if (name.contains(QLatin1Char('-')))
        return EntryKind::Wheel;
    return EntryKind::Dated;
}

QDate datedEntryDate(const QString& path)
{
    const QString name = fileNameOf(path);
    // Day, month abbreviation and year stand right before ".lot": "05JAN2003.lot".
    constexpr int DateAndSuffix = 13;
    if (entryKind(path) != EntryKind::Dated || name.size() < DateAndSuffix || !name.endsWith(QLatin1String(".lot")))
        return {};
    const QString date = name.right(DateAndSuffix);
    bool dayRead = false;
    bool yearRead = false;
    const int day = date.left(2).toInt(&dayRead);
    const int month = DateText::monthFromAbbrev(date.mid(2, 3));
    const int year = date.mid(5, 4).toInt(&yearRead);
    return dayRead && yearRead ? QDate(year, month, day) : QDate();
}

std::optional<RecordFile> changeFile(const QString& path, const FileChange& change, QString* error)
{
    RecordFile file(RecordLength);
    if (!file.load(path, error))
        return std::nullopt;
    QString reason;
    if (!change(file, &reason)) {
        fail(error, fileErrorText(path, reason));
        return std::nullopt;
    }
    if (!file.save(path, error))
        return std::nullopt;
    return file;
}

int lineCount(const RecordFile& file)
{
    return file.usableCount(CountOffset);
}

EntryNumbers lineOf(const RecordFile& file, int k)
{
    const QByteArray record = file.record(k);
    EntryNumbers numbers{};
    for (int i = 0; i < 7; ++i)
        numbers[i] = RecordFile::get16(record, FirstNumberOffset + 2 * i);
    return numbers;
}

bool appendLine(RecordFile& file, const EntryNumbers& numbers, int gameId, QString* error)
{
    const int n = lineCount(file);
    if (n >= MaxLines)
        return fail(error, QStringLiteral("the file already holds %1 lines, the most it can hold").arg(n));
    // The new line starts as a copy of record 1, as the format has always written it.
    QByteArray buffer = file.record(1);
    putNumbers(buffer, numbers, gameId);
    file.setRecord(n + 1, buffer);
    // The count rises only once the line is in place.
    QByteArray first = file.record(1);
    RecordFile::put32(first, CountOffset, n + 1);
    file.setRecord(1, first);
    return true;
}

bool replaceLine(RecordFile& file, int k, const EntryNumbers& numbers, int gameId, QString* error)
{
    const int n = lineCount(file);
    if (k < 1 || k > n)
        return fail(error, noSuchLine(k, n));
    QByteArray record = file.record(k);
    putNumbers(record, numbers, gameId);
    RecordFile::put16(record, SeventhNumberOffset, GameCatalogue::mainCount(gameId) == 7 ? numbers[6] : int16_t(0));
    file.setRecord(k, record);
    return true;
}

bool deleteLine(RecordFile& file, int k, QString* error)
{
    const int n = lineCount(file);
    if (k < 1 || k > n)
        return fail(error, noSuchLine(k, n));
    // Whole records move up; the last one stays behind as a stale copy beyond the count.
    for (int j = k + 1; j <= n; ++j)
        file.setRecord(j - 1, file.record(j));
    QByteArray first = file.record(1);
    RecordFile::put32(first, CountOffset, n - 1);
    file.setRecord(1, first);
    return true;
}

std::optional<int> ReadEntryCount(const QString& path, QString* error)
{
    RecordFile file(RecordLength);
    if (!file.load(path, error))
        return std::nullopt;
    return lineCount(file);
}

std::optional<std::vector<EntryNumbers>> readAllLines(const QString& path, QString* error)
{
    RecordFile file(RecordLength);
    if (!file.load(path, error))
        return std::nullopt;
    const int n = lineCount(file);
    std::vector<EntryNumbers> lines;
    lines.reserve(n);
    for (int k = 1; k <= n; ++k)
        lines.push_back(lineOf(file, k));
    return lines;
}

std::optional<EntryNumbers> ReadEntryLine(const QString& path, int k, QString* error)
{
    RecordFile file(RecordLength);
    if (!file.load(path, error))
        return std::nullopt;
    const int n = lineCount(file);
    if (k < 1 || k > n) {
        fail(error, fileErrorText(path, noSuchLine(k, n)));
        return std::nullopt;
    }
    return lineOf(file, k);
}

std::optional<int> AppendEntryLine(const QString& path, const EntryNumbers& numbers, int gameId, QString* error)
{
    const auto change = [&](RecordFile& file, QString* reason) { return appendLine(file, numbers, gameId, reason); };
    const std::optional<RecordFile> file = changeFile(path, change, error);
    return file ? std::optional(lineCount(*file)) : std::nullopt;
}

bool ReplaceEntryLine(const QString& path, int k, const EntryNumbers& numbers, int gameId, QString* error)
{
    const auto change = [&](RecordFile& file, QString* reason) {
        return replaceLine(file, k, numbers, gameId, reason);
    };
    return changeFile(path, change, error).has_value();
}

std::optional<int> DeleteEntryLine(const QString& path, int k, QString* error)
{
    const auto change = [&](RecordFile& file, QString* reason) { return deleteLine(file, k, reason); };
    const std::optional<RecordFile> file = changeFile(path, change, error);
    return file ? std::optional(lineCount(*file)) : std::nullopt;
}

bool RemoveEmptyEntryFile(const QString& path, QString* error)
{
    // Opening a missing file would only create it to delete it again.
    if (path.isEmpty() || !QFileInfo::exists(path))
        return true;
    RecordFile file(RecordLength);
    if (!file.load(path, error))
        return false;
    if (lineCount(file) != 0)
        return true;
    QFile doomed(path);
    if (!doomed.remove())
        return fail(error, fileErrorText(path, doomed.errorString()));
    return true;
}

bool saveStandingCopy(const QString& source, const QString& standingPath, QString* error)
{
    const auto bytes = WholeFile::read(source, qint64(RecordFile::MaxRecords) * RecordLength, error);
    return bytes && WholeFile::write(standingPath, *bytes, error);
}

bool fileExists(const QString& path)
{
    QFile file(path);
    return WholeFile::openToRead(file);
}
} // namespace EntryFile
