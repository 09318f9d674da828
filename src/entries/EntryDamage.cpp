#include "EntryDamage.h"

#include "EntryFile.h"
#include "GameCatalogue.h"

#include <QFileInfo>

namespace EntryDamage
{
QString describe(const RecordFile& file, int gameId, const QDate& rulesDate)
{
    const int32_t stated = RecordFile::get32(file.record(1), 0);
    const int usable = EntryFile::lineCount(file);
    if (stated != usable)
        return QStringLiteral("the line count says %1 but the file holds %2 lines").arg(stated).arg(usable);
    const int count = GameCatalogue::mainCount(gameId);
    const int highest = GameCatalogue::highestNumber(gameId, rulesDate);
    for (int k = 1; k <= usable; ++k) {
        const EntryNumbers line = EntryFile::lineOf(file, k);
        for (int i = 0; i < count; ++i) {
            if (line[i] < 1 || line[i] > highest)
                return QStringLiteral("line %1 holds numbers outside 1..%2").arg(k).arg(highest);
        }
    }
    return QString();
}

QString describeFile(const QString& path, int gameId, const QDate& rulesDate)
{
    // Looking must not create the file.
    if (!QFileInfo::exists(path))
        return QString();
    RecordFile file(EntryFile::RecordLength);
    return file.load(path) ? describe(file, gameId, rulesDate) : QString();
}
} // namespace EntryDamage
