#include "HistoryDamage.h"

#include "DrawRecord.h"
#include "GameCatalogue.h"

namespace HistoryDamage
{
QString describe(const RecordFile& file, int gameId)
{
    const int32_t stated = RecordFile::get32(file.record(1), 0);
    const int usable = file.usableCount();
    if (stated != usable)
        return QStringLiteral("the draw count says %1 but the file holds %2 draws").arg(stated).arg(usable);
    const int count = GameCatalogue::mainCount(gameId);
    int previousKey = 0;
    GameCatalogue::PeriodCursor periods(gameId);
    for (int k = 1; k <= usable; ++k) {
        const DrawRecord draw = DrawRecord::fromBytes(file.record(k));
        if (!draw.date().isValid())
            return QStringLiteral("draw %1 has no valid date").arg(k);
        // Lookups, ranges and "the last N draws" all count on one draw a date, oldest first.
        if (k > 1 && draw.dateKey() <= previousKey)
            return QStringLiteral("draw %1 is not dated after draw %2").arg(k).arg(k - 1);
        previousKey = draw.dateKey();
        // Each draw is held to the range of its own date.
        const int highest = periods.at(draw.date()).highest;
        const auto outside = [highest](int n) { return n < 1 || n > highest; };
        bool out = outside(draw.bonus);
        for (int i = 0; i < count; ++i)
            out = out || outside(draw.numbers[i]);
        if (out)
            return QStringLiteral("draw %1 holds numbers outside 1..%2").arg(k).arg(highest);
    }
    return QString();
}

QString describeFile(const QString& path, int gameId)
{
    RecordFile file(DrawRecord::Size);
    return file.load(path) ? describe(file, gameId) : QString();
}
} // namespace HistoryDamage
