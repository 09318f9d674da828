#include "AppFolder.h"

#include "RecordFile.h"

namespace
{
const QString settingsFile = QStringLiteral("game.dat");
}

namespace AppFolder
{
QString rootRule(const QString& folder)
{
    const QString trimmed = folder.trimmed();
    if (trimmed.size() == 3 && trimmed.at(1) == QLatin1Char(':'))
        return trimmed.left(2);
    QString result = folder;
    while (result.endsWith(QLatin1Char('/')) || result.endsWith(QLatin1Char('\\')))
        result.chop(1);
    return result;
}

QString pathOf(const QString& appFolder, const QString& fileName)
{
    return appFolder + QLatin1Char('/') + fileName;
}

std::optional<int> readSavedProvince(const QString& appFolder, QString* error)
{
    RecordFile file(2);
    if (!file.load(pathOf(appFolder, settingsFile), error))
        return std::nullopt;
    return RecordFile::get16(file.record(1), 0);
}

bool updatesavedgame(const QString& appFolder, int provinceCode, QString* error)
{
    const QString path = pathOf(appFolder, settingsFile);
    RecordFile file(2);
    if (!file.load(path, error))
        return false;
    QByteArray record = file.record(1);
    RecordFile::put16(record, 0, static_cast<int16_t>(provinceCode));
    file.setRecord(1, record);
    return file.save(path, error);
}
} // namespace AppFolder
