// Fuzz target for the draw history: the input becomes a history file, damaged ones included, and a
// draw to find, insert and delete. Reading never changes the file; an insert or a delete moves the
// count by exactly one, never past 32,767, and leaves every other draw as it was and in its order.
#include "DrawRecord.h"
#include "FuzzSupport.h"
#include "GameCatalogue.h"
#include "HistoryDamage.h"
#include "HistoryImage.h"
#include "RecordFile.h"
#include "ResultsFile.h"

#include <QDate>

#include <algorithm>
#include <vector>

namespace
{
bool sameDraws(const std::vector<DrawRecord>& a, const std::vector<DrawRecord>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameDraw<DrawRecord, DrawRecord>);
}

bool inDateOrder(const std::vector<DrawRecord>& draws)
{
    return std::is_sorted(draws.begin(), draws.end(), [](auto& a, auto& b) { return a.dateKey() < b.dateKey(); });
}

bool numberedInOrder(const std::vector<DrawRecord>& draws)
{
    for (size_t i = 0; i < draws.size(); ++i) {
        if (draws[i].position != static_cast<int>(i + 1))
            return false;
    }
    return true;
}

// A draw the program would store without complaint: a real date and numbers of the game.
bool isSound(const DrawRecord& d, int gameId)
{
    const int highest = GameCatalogue::highestNumber(gameId, d.date());
    const auto inRange = [highest](int n) { return n >= 1 && n <= highest; };
    return d.date().isValid() && inRange(d.bonus)
           && std::all_of(d.numbers.begin(), d.numbers.begin() + GameCatalogue::mainCount(gameId), inRange);
}

bool undamaged(const QString& path, int gameId)
{
    return leavesFile(path, [&] { return HistoryDamage::describeFile(path, gameId).isEmpty(); });
}

// Reads the history twice over (count and draws); reading leaves the file alone.
std::vector<DrawRecord> readDraws(const QString& path)
{
    return leavesFile(path, [&] {
        const std::optional<std::vector<DrawRecord>> draws = ResultsFile::readAll(path);
        const std::optional<int> count = ResultsFile::readCount(path);
        FUZZ_CHECK(draws && count && *count == static_cast<int>(draws->size()) && *count <= ResultsFile::MaxDraws);
        return *draws;
    });
}

// The change added or removed the draw at k: every other draw is as it was and in its order, and a
// history in date order, or numbered in order, stays so.
void checkOthersKept(const std::vector<DrawRecord>& before, const std::vector<DrawRecord>& after, int k)
{
    const bool added = after.size() > before.size();
    std::vector<DrawRecord> others = added ? after : before;
    others.erase(others.begin() + (k - 1));
    FUZZ_CHECK(sameDraws(others, added ? before : after));
    FUZZ_CHECK(!inDateOrder(before) || inDateOrder(after));
    FUZZ_CHECK(!numberedInOrder(before) || numberedInOrder(after));
}

void checkFind(const QString& path, const std::vector<DrawRecord>& draws, int day, int month, int year)
{
    const std::optional<int> found = ResultsFile::findDraw(path, day, month, year);
    const auto first =
        std::find_if(draws.begin(), draws.end(), [&](const DrawRecord& d) { return d.isOn(day, month, year); });
    FUZZ_CHECK(found && *found == (first == draws.end() ? 0 : static_cast<int>(first - draws.begin()) + 1));
}

// Returns the draws the file holds afterwards.
std::vector<DrawRecord>
checkInsert(const QString& path, const std::vector<DrawRecord>& draws, const DrawRecord& draw, int gameId)
{
    const QByteArray before = fileBytes(path);
    const bool wasSound = undamaged(path, gameId);
    // The in-memory history must change the bytes exactly as the file operation does.
    HistoryImage image(before);
    const int imageStored = image.insert(gameId, draw.day, draw.month, draw.year, draw.numbers, draw.bonus);
    QString error;
    const std::optional<int> stored =
        ResultsFile::insertDraw(path, gameId, draw.day, draw.month, draw.year, draw.numbers, draw.bonus, &error);
    FUZZ_CHECK(imageStored == stored.value_or(0) && image.bytes() == fileBytes(path));
    if (draws.size() >= static_cast<size_t>(ResultsFile::MaxDraws)) {
        checkRefused(stored.has_value(), error, path, before);
        return draws;
    }
    const int k = stored.value_or(0);
    FUZZ_CHECK(k >= 1 && k <= static_cast<int>(draws.size()) + 1);
    // A second draw on a stored date is damage: lookups only ever find the first.
    const bool newDate = std::none_of(
        draws.begin(), draws.end(), [&](const DrawRecord& d) { return d.isOn(draw.day, draw.month, draw.year); });
    FUZZ_CHECK(!wasSound || !isSound(draw, gameId) || !newDate || undamaged(path, gameId));
    std::vector<DrawRecord> after = readDraws(path);
    FUZZ_CHECK(after.size() == draws.size() + 1 && storedCount(path) == static_cast<int>(after.size()));
    const DrawRecord& added = after[k - 1];
    FUZZ_CHECK(added.isOn(draw.day, draw.month, draw.year) && added.bonus == draw.bonus);
    FUZZ_CHECK(std::equal(
        draw.numbers.begin(), draw.numbers.begin() + GameCatalogue::mainCount(gameId), added.numbers.begin()));
    // It goes after every draw of its date or earlier, before the first later one.
    const int key = draw.dateKey();
    FUZZ_CHECK(std::all_of(draws.begin(), draws.begin() + (k - 1), [key](auto& d) { return d.dateKey() <= key; }));
    FUZZ_CHECK(k - 1 == static_cast<int>(draws.size()) || draws[k - 1].dateKey() > key);
    checkOthersKept(draws, after, k);
    return after;
}

void checkDelete(const QString& path, const std::vector<DrawRecord>& draws, int pick, int gameId)
{
    const int n = static_cast<int>(draws.size());
    const int k = pick % (n + 2); // 0 and n + 1 name no draw
    const QByteArray before = fileBytes(path);
    const bool wasSound = undamaged(path, gameId);
    QString error;
    const bool removed = ResultsFile::deleteDraw(path, k, &error);
    if (k < 1 || k > n)
        return checkRefused(removed, error, path, before);
    // Deleting the last draw deletes the file.
    FUZZ_CHECK(removed && QFile::exists(path) == (n > 1));
    if (n == 1)
        return;
    const std::vector<DrawRecord> after = readDraws(path);
    FUZZ_CHECK(storedCount(path) == n - 1 && after.size() == draws.size() - 1);
    FUZZ_CHECK(!wasSound || undamaged(path, gameId));
    checkOthersKept(draws, after, k);
}

void checkWriteAll(const std::vector<DrawRecord>& draws, int gameId)
{
    const QString copy = scratchPath(QStringLiteral("copy.rtl"));
    FUZZ_CHECK(ResultsFile::writeAll(copy, draws));
    const std::vector<DrawRecord> back = readDraws(copy);
    FUZZ_CHECK(sameDraws(back, draws) && numberedInOrder(back));
    FUZZ_CHECK(draws.empty() || storedCount(copy) == static_cast<int>(draws.size()));
    const bool sound = std::all_of(draws.begin(), draws.end(), [gameId](auto& d) { return isSound(d, gameId); })
                       && std::adjacent_find(draws.begin(), draws.end(), [](auto& a, auto& b) {
                              return a.dateKey() >= b.dateKey();
                          }) == draws.end();
    FUZZ_CHECK(!sound || undamaged(copy, gameId));
    QFile::remove(copy);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t flags = in.byte();
    const int gameId = in.between(1, GameCatalogue::LastGame);
    DrawRecord draw;
    draw.day = static_cast<int16_t>(in.between(0, 33));
    draw.month = static_cast<int16_t>(in.between(0, 13));
    draw.year = in.int16();
    for (int16_t& n : draw.numbers)
        n = in.int16();
    draw.bonus = in.int16();
    const int pick = static_cast<uint16_t>(in.int16());
    const int sizeChoice = in.byte();
    QByteArray bytes = in.rest();
    if (growToLimit && (flags & 8))
        bytes = grownToLimit(bytes, DrawRecord::Size, ResultsFile::MaxDraws, sizeChoice);

    FUZZ_CHECK(DrawRecord::fromBytes(draw.toBytes()).toBytes() == draw.toBytes());

    const QString path = scratchPath(QStringLiteral("CAN1.rtl"));
    putFile(path, bytes);
    std::vector<DrawRecord> draws = readDraws(path);
    FUZZ_CHECK(static_cast<int>(draws.size()) <= RecordFile(DrawRecord::Size, bytes).recordsPresent());
    // Past the first records the grown files only repeat themselves.
    for (size_t i = 0; i < std::min<size_t>(draws.size(), 200); ++i) {
        const qsizetype at = static_cast<qsizetype>(i) * DrawRecord::Size;
        FUZZ_CHECK(at + DrawRecord::Size > bytes.size() || draws[i].toBytes() == bytes.mid(at, DrawRecord::Size));
    }

    // Half the searches look for a date the history holds.
    const DrawRecord& sought = draws.empty() || pick % 2 ? draw : draws[(pick / 2) % draws.size()];
    checkFind(path, draws, sought.day, sought.month, sought.year);
    if (flags & 4)
        checkWriteAll(draws, gameId);
    if (flags & 1)
        draws = checkInsert(path, draws, draw, gameId);
    if (flags & 2)
        checkDelete(path, draws, pick, gameId);
    QFile::remove(path);
    return 0;
}
