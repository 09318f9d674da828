#include "ResultsFile.h"

#include "GameCatalogue.h"
#include "DateText.h"
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

void setDraw(DrawRecord& r, int gameId, int day, int month, int year, const std::array<int16_t, 7>& main, int16_t bonus)
{
    for (int i = 0; i < 6; ++i)
        r.numbers[i] = main[i];
    // A 6/49 draw leaves the seventh slot as the buffer held it.
    if (GameCatalogue::isSuper7(gameId))
        r.numbers[6] = main[6];
    r.bonus = bonus;
    r.day = static_cast<int16_t>(day);
    r.month = static_cast<int16_t>(month);
    r.year = static_cast<int16_t>(year);
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
    const int n = file.usableCount();
    if (n >= MaxDraws) {
        fail(error,
             QStringLiteral("%1 already holds %2 draws, the most a history file can hold. The draw was not added.")
                 .arg(QDir::toNativeSeparators(path))
                 .arg(MaxDraws));
        return std::nullopt;
    }

    int stored = 0;
    if (n == 0) {
        DrawRecord r = DrawRecord::fromBytes(file.record(1));
        setDraw(r, gameId, day, month, year, mainNumbers, bonus);
        r.position = 1;
        r.count = 1;
        file.setRecord(1, r.toBytes());
        stored = 1;
    } else {
        const int newKey = DateText::DateKey(day, month, year);
        int at = 0;
        for (int i = 1; i <= n && at == 0; ++i) {
            if (DrawRecord::fromBytes(file.record(i)).dateKey() > newKey)
                at = i;
        }
        if (at == 0) {
            // Append: record 1 takes the new count first, and the new record is built on its copy.
            DrawRecord first = DrawRecord::fromBytes(file.record(1));
            first.count = n + 1;
            file.setRecord(1, first.toBytes());
            DrawRecord r = first;
            setDraw(r, gameId, day, month, year, mainNumbers, bonus);
            r.position = static_cast<int16_t>(n + 1);
            file.setRecord(n + 1, r.toBytes());
            stored = n + 1;
        } else {
            for (int j = n; j >= at; --j) {
                DrawRecord moved = DrawRecord::fromBytes(file.record(j));
                ++moved.position;
                file.setRecord(j + 1, moved.toBytes());
            }
            // The new draw is built on the buffer last read: the former record at the insertion point.
            DrawRecord r = DrawRecord::fromBytes(file.record(at));
            setDraw(r, gameId, day, month, year, mainNumbers, bonus);
            r.position = static_cast<int16_t>(at);
            file.setRecord(at, r.toBytes());
            DrawRecord first = DrawRecord::fromBytes(file.record(1));
            first.count = n + 1;
            file.setRecord(1, first.toBytes());
            stored = at;
        }
    }
    if (!file.save(path, error))
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
