// Fuzz target for the check of a downloaded history: the input becomes a body as a server might send
// it, and a run of believable draws. An accepted body holds exactly the draws it announces, all of
// them sound, and is never reported as damaged once stored; a body cut short is refused; and a
// history the program itself writes from believable draws is always accepted.
#include "DownloadedHistory.h"
#include "FuzzSupport.h"
#include "GameCatalogue.h"
#include "HistoryDamage.h"
#include "HistoryImage.h"
#include "ResultsFile.h"

#include <QDate>

#include <algorithm>
#include <numeric>
#include <vector>

namespace
{
void checkBody(const QByteArray& body, int gameId)
{
    QString reason;
    const std::optional<DownloadedHistory::Accepted> accepted = DownloadedHistory::verify(body, gameId, &reason);
    if (!accepted) {
        FUZZ_CHECK(!reason.isEmpty());
        return;
    }
    const RecordFile file(DrawRecord::Size, body);
    FUZZ_CHECK(accepted->count >= 1 && accepted->count <= ResultsFile::MaxDraws);
    FUZZ_CHECK(RecordFile::get32(body, 0) == accepted->count && file.usableCount() == accepted->count);
    FUZZ_CHECK(accepted->newest.toBytes() == DrawRecord::fromBytes(file.record(accepted->count)).toBytes());
    FUZZ_CHECK(HistoryDamage::describe(file, gameId).isEmpty());
    FUZZ_CHECK(HistoryImage(body).count() == accepted->count);
    const qsizetype needed = qsizetype(accepted->count) * DrawRecord::Size;
    FUZZ_CHECK(!DownloadedHistory::verify(body.left(needed - 1), gameId));
}

// Draws a real history could hold: one a date, in order, distinct numbers of the game's range.
std::vector<DrawRecord> believableDraws(FuzzInput& in, int gameId)
{
    const int count = GameCatalogue::mainCount(gameId);
    std::vector<DrawRecord> draws(in.byte() % 40 + 1);
    QDate date(1982, 6, 12);
    for (DrawRecord& d : draws) {
        date = date.addDays(1 + in.byte() % 7);
        d.day = static_cast<int16_t>(date.day());
        d.month = static_cast<int16_t>(date.month());
        d.year = static_cast<int16_t>(date.year());
        const int highest = GameCatalogue::highestNumber(gameId, date);
        std::vector<int16_t> pool(highest);
        std::iota(pool.begin(), pool.end(), int16_t(1));
        for (int i = 0; i <= count; ++i)
            std::swap(pool[i], pool[i + in.byte() % (highest - i)]);
        std::copy_n(pool.begin(), count, d.numbers.begin());
        std::sort(d.numbers.begin(), d.numbers.begin() + count);
        d.bonus = pool[count];
    }
    return draws;
}

void checkWrittenHistory(const std::vector<DrawRecord>& draws, int gameId)
{
    const QString path = scratchPath(QStringLiteral("download.rtl"));
    FUZZ_CHECK(ResultsFile::writeAll(path, draws));
    const QByteArray body = fileBytes(path);
    QFile::remove(path);
    QString reason;
    const auto accepted = DownloadedHistory::verify(body, gameId, &reason);
    FUZZ_CHECK(accepted.has_value());
    FUZZ_CHECK(accepted->count == static_cast<int>(draws.size()));
    FUZZ_CHECK(accepted->newest.isOn(draws.back().day, draws.back().month, draws.back().year));
    checkBody(body, gameId);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const int gameId = in.between(1, GameCatalogue::LastGame);
    const QByteArray body = in.take(static_cast<uint16_t>(in.int16()));
    checkBody(body, gameId);
    checkWrittenHistory(believableDraws(in, gameId), gameId);
    return 0;
}
