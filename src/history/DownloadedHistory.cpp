#include "DownloadedHistory.h"

#include "DrawRules.h"
#include "RecordFile.h"
#include "ResultsFile.h"

namespace
{
std::optional<DownloadedHistory::Accepted> refuse(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
    return std::nullopt;
}
} // namespace

namespace DownloadedHistory
{
std::optional<Accepted> verify(const QByteArray& body, int gameId, QString* reason)
{
    constexpr qsizetype largest = qsizetype(ResultsFile::MaxDraws) * DrawRecord::Size;
    if (body.size() < DrawRecord::Size || body.size() > largest)
        return refuse(reason, QStringLiteral("%1 bytes cannot be a history file").arg(body.size()));
    const int32_t count = RecordFile::get32(body, 0);
    if (count < 1 || count > ResultsFile::MaxDraws)
        return refuse(reason, QStringLiteral("a count of %1 draws").arg(count));
    if (body.size() < qsizetype(count) * DrawRecord::Size)
        return refuse(reason, QStringLiteral("%1 draws announced, %2 bytes received").arg(count).arg(body.size()));
    // Records after the count are stale draws a deletion left behind; anything else there (a web
    // page after a sound first part) means the body is not a history file.
    if (body.size() % DrawRecord::Size != 0)
        return refuse(reason, QStringLiteral("%1 bytes are not whole records").arg(body.size()));

    const RecordFile file(DrawRecord::Size, body);
    int previousKey = 0;
    DrawRecord newest;
    for (int k = 1; k <= file.recordsPresent(); ++k) {
        const DrawRecord r = DrawRecord::fromBytes(file.record(k));
        if (!DrawRules::isValidDate(r.day, r.month, r.year))
            return refuse(
                reason, QStringLiteral("record %1: no such date %2/%3/%4").arg(k).arg(r.day).arg(r.month).arg(r.year));
        if (k <= count && r.dateKey() <= previousKey)
            return refuse(reason, QStringLiteral("record %1: not dated after the record above it").arg(k));
        previousKey = r.dateKey();
        const QString problem = DrawRules::numbersProblem(gameId, r.date(), r.numbers, r.bonus, false);
        if (!problem.isEmpty())
            return refuse(reason, QStringLiteral("record %1: %2").arg(k).arg(problem));
        if (k == count)
            newest = r;
    }
    return Accepted{count, newest};
}
} // namespace DownloadedHistory
