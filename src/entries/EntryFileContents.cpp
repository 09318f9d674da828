#include "EntryFileContents.h"

#include "EntryFile.h"
#include "GameCatalogue.h"
#include "NumberText.h"
#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>

namespace
{
int16_t numberOf(const QByteArray& record, int n)
{
    return RecordFile::get16(record, EntryFile::FirstNumberOffset + 2 * (n - 1));
}
} // namespace

namespace EntryFileContents
{
std::optional<RecordFile> readRecords(const QString& path, QString* error)
{
    if (!QFileInfo::exists(path))
        return RecordFile(EntryFile::RecordLength);
    QFile file(path);
    if (!WholeFile::openToRead(file, error))
        return std::nullopt;
    const QByteArray bytes = file.read(qint64(EntryFile::MaxLines) * EntryFile::RecordLength);
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = fileErrorText(path, file.errorString());
        return std::nullopt;
    }
    return RecordFile(EntryFile::RecordLength, bytes);
}

QString contentLine(const QByteArray& record, bool withSeventh)
{
    QString line;
    for (int n = 1; n <= 7; ++n) {
        const int16_t number = numberOf(record, n);
        if ((n == 6 && number <= 0) || (n == 7 && (!withSeventh || number <= 0)))
            continue;
        line += NumberText::twoDigits(number) + QLatin1Char(' ');
    }
    return line;
}

std::vector<QString> contentLines(const RecordFile& file, const QString& fileName)
{
    const bool withSeventh = fileName.startsWith(QLatin1Char('S'))
                             || fileName.startsWith(GameCatalogue::game(GameCatalogue::LottoMax).entryWord);
    std::vector<QString> lines;
    // A record past the end reads as zeros, so the end of the file stops the walk too.
    for (int k = 1; k <= file.recordsPresent(); ++k) {
        const QByteArray record = file.record(k);
        if (numberOf(record, 1) == 0)
            break;
        lines.push_back(contentLine(record, withSeventh));
    }
    return lines;
}

std::optional<std::vector<QString>> contentLines(const QString& path, QString* error)
{
    const std::optional<RecordFile> file = readRecords(path, error);
    if (!file)
        return std::nullopt;
    return contentLines(*file, QFileInfo(path).fileName());
}
} // namespace EntryFileContents
