#include "ResultsFile.h"

#include "HistoryImage.h"
#include "RecordFile.h"

#include <QDir>
#include <QFile>

namespace
{
bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}
} // namespace

namespace ResultsFile
{
std::optional<int> readCount(const QString& path, QString* error)
{
    RecordFile file(DrawRecord::Size);
    if (!file.load(path, error))
        return std::nullopt;
    return file.usableCount();
}

std::optional<std::vector<DrawRecord>> readAll(const QString& path, QString* error)
{
    RecordFile file(DrawRecord::Size);
    if (!file.load(path, error))
        return std::nullopt;
    const int n = file.usableCount();
    std::vector<DrawRecord> draws;
    draws.reserve(n);
    for (int k = 1; k <= n; ++k)
        draws.push_back(DrawRecord::fromBytes(file.record(k)));
    return draws;
}

std::optional<int> findDraw(const QString& path, int day, int month, int year, QString* error)
{
    RecordFile file(DrawRecord::Size);
    if (!file.load(path, error))
        return std::nullopt;
    const int n = file.usableCount();
    for (int k = 1; k <= n; ++k) {
        if (DrawRecord::fromBytes(file.record(k)).isOn(day, month, year))
            return k;
    }
    return 0;
}

std::optional<int> insertDraw(const QString& path,
                              int gameId,
                              int day,
                              int month,
                              int year,
                              const std::array<int16_t, 7>& mainNumbers,
                              int16_t bonus,
                              QString* error)
{
    RecordFile file(DrawRecord::Size);
    if (!file.load(path, error))
        return std::nullopt;
    HistoryImage image(file.bytes());
    const int stored = image.insert(gameId, day, month, year, mainNumbers, bonus);
    if (stored == 0) {
        fail(error,
             QStringLiteral("%1 already holds %2 draws, the most a history file can hold. The draw was not added.")
                 .arg(QDir::toNativeSeparators(path))
                 .arg(MaxDraws));
        return std::nullopt;
    }
    if (!WholeFile::write(path, image.bytes(), error))
        return std::nullopt;
    return stored;
}

bool deleteDraw(const QString& path, int k, QString* error)
{
    RecordFile file(DrawRecord::Size);
    if (!file.load(path, error))
        return false;
    const int n = file.usableCount();
    if (k < 1 || k > n)
        return fail(error, QStringLiteral("%1 holds no draw number %2.").arg(QDir::toNativeSeparators(path)).arg(k));
    if (n == 1) {
        QFile victim(path);
        return victim.remove() || fail(error, fileErrorText(path, victim.errorString()));
    }
    for (int j = k + 1; j <= n; ++j) {
        DrawRecord r = DrawRecord::fromBytes(file.record(j));
        --r.position;
        file.setRecord(j - 1, r.toBytes());
    }
    DrawRecord first = DrawRecord::fromBytes(file.record(1));
    first.count = n - 1;
    file.setRecord(1, first.toBytes());
    return file.save(path, error);
}

bool writeAll(const QString& path, std::vector<DrawRecord> draws, QString* error)
{
    if (draws.size() > static_cast<size_t>(MaxDraws))
        return fail(error, QStringLiteral("Too many draws for one history file."));
    RecordFile file(DrawRecord::Size);
    for (size_t i = 0; i < draws.size(); ++i) {
        draws[i].position = static_cast<int16_t>(i + 1);
        draws[i].count = static_cast<int32_t>(i == 0 ? draws.size() : 0);
        file.setRecord(static_cast<int>(i + 1), draws[i].toBytes());
    }
    return file.save(path, error);
}
} // namespace ResultsFile
