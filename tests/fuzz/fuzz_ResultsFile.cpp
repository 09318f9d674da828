// Fuzz target for the draw history: the input becomes a history file, damaged ones included, and a
// draw to find, insert and delete. Reading never changes the file; an insert or a delete moves the
// count by exactly one, never past 32,767, and leaves every other draw as it was and in its order.
#include "DateText.h"
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
// What a draw says, without the position and count that move with it.
bool sameDraw(const DrawRecord& a, const DrawRecord& b)
{
    return a.day == b.day && a.month == b.month && a.year == b.year && a.numbers == b.numbers && a.bonus == b.bonus;
}

bool sameDraws(const std::vector<DrawRecord>& a, const std::vector<DrawRecord>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameDraw);
}

bool inDateOrder(const std::vector<DrawRecord>& draws)
{
    return std::is_sorted(
        draws.begin(), draws.end(), [](const DrawRecord& a, const DrawRecord& b) { return a.dateKey() < b.dateKey(); });
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
    const auto inRange = [gameId](int n) { return n >= 1 && n <= GameCatalogue::highestNumber(gameId); };
    return QDate(d.year, d.month, d.day).isValid() && inRange(d.bonus)
           && std::all_of(d.numbers.begin(), d.numbers.begin() + GameCatalogue::mainCount(gameId), inRange);
}

bool undamaged(const QString& path, int gameId)
{
    const QByteArray before = fileBytes(path);
    const bool sound = HistoryDamage::describeFile(path, gameId).isEmpty();
    FUZZ_CHECK(fileBytes(path) == before);
    return sound;
}

// Reads the history twice over (count and draws) and checks that reading left the file alone.
std::vector<DrawRecord> readDraws(const QString& path)
{
    const QByteArray before = fileBytes(path);
    const std::optional<std::vector<DrawRecord>> draws = ResultsFile::readAll(path);
    FUZZ_CHECK(draws.has_value());
    const std::optional<int> count = ResultsFile::readCount(path);
    FUZZ_CHECK(count.has_value() && *count == static_cast<int>(draws->size()));
    FUZZ_CHECK(*count <= ResultsFile::MaxDraws);
    FUZZ_CHECK(fileBytes(path) == before);
    return *draws;
}

// A draw whose fields fit the list's columns makes a line of fixed width.
void checkListLine(const DrawRecord& draw, int gameId)
{
    const auto twoDigits = [](int v) { return v >= 0 && v <= 99; };
    const bool fits = draw.position >= 0 && twoDigits(draw.day) && twoDigits(draw.month) && draw.year >= 1000
                      && draw.year <= 9999 && twoDigits(draw.bonus)
                      && std::all_of(draw.numbers.begin(), draw.numbers.end(), twoDigits);
    if (fits)
        FUZZ_CHECK(draw.listLine(gameId).size() == (GameCatalogue::isSuper7(gameId) ? 44 : 41));
}

void checkFind(const QString& path, const std::vector<DrawRecord>& draws, int day, int month, int year)
{
    const std::optional<int> found = ResultsFile::findDraw(path, day, month, year);
    FUZZ_CHECK(found.has_value());
    const auto first =
        std::find_if(draws.begin(), draws.end(), [&](const DrawRecord& d) { return d.isOn(day, month, year); });
    FUZZ_CHECK(*found == (first == draws.end() ? 0 : static_cast<int>(first - draws.begin()) + 1));
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
    if (draws.size() >= static_cast<size_t>(ResultsFile::MaxDraws)) {
        FUZZ_CHECK(imageStored == 0 && image.bytes() == before);
        FUZZ_CHECK(!stored && !error.isEmpty());
        FUZZ_CHECK(fileBytes(path) == before);
        return draws;
    }
    FUZZ_CHECK(stored.has_value() && imageStored == *stored);
    FUZZ_CHECK(image.bytes() == fileBytes(path));
    FUZZ_CHECK(!wasSound || !isSound(draw, gameId) || undamaged(path, gameId));
    const int k = *stored;
    FUZZ_CHECK(k >= 1 && k <= static_cast<int>(draws.size()) + 1);
    std::vector<DrawRecord> after = readDraws(path);
    FUZZ_CHECK(after.size() == draws.size() + 1 && storedCount(path) == static_cast<int>(after.size()));

    const DrawRecord& added = after[k - 1];
    FUZZ_CHECK(added.isOn(draw.day, draw.month, draw.year) && added.bonus == draw.bonus);
    for (int i = 0; i < GameCatalogue::mainCount(gameId); ++i)
        FUZZ_CHECK(added.numbers[i] == draw.numbers[i]);
    // It goes after every draw of its date or earlier, before the first later one.
    const int key = draw.dateKey();
    FUZZ_CHECK(
        std::all_of(draws.begin(), draws.begin() + (k - 1), [key](const DrawRecord& d) { return d.dateKey() <= key; }));
    FUZZ_CHECK(k - 1 == static_cast<int>(draws.size()) || draws[k - 1].dateKey() > key);
    const bool sorted = inDateOrder(draws);
    const bool numbered = numberedInOrder(draws);
    FUZZ_CHECK(!sorted || inDateOrder(after));
    FUZZ_CHECK(!numbered || numberedInOrder(after));
    std::vector<DrawRecord> others = after;
    others.erase(others.begin() + (k - 1));
    FUZZ_CHECK(sameDraws(others, draws));
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
    if (k < 1 || k > n) {
        FUZZ_CHECK(!removed && !error.isEmpty());
        FUZZ_CHECK(fileBytes(path) == before);
        return;
    }
    FUZZ_CHECK(removed);
    if (n == 1) {
        FUZZ_CHECK(!QFile::exists(path));
        return;
    }
    const std::vector<DrawRecord> after = readDraws(path);
    FUZZ_CHECK(storedCount(path) == n - 1);
    FUZZ_CHECK(!wasSound || undamaged(path, gameId));
    std::vector<DrawRecord> expected = draws;
    expected.erase(expected.begin() + (k - 1));
    FUZZ_CHECK(sameDraws(after, expected));
    FUZZ_CHECK(!inDateOrder(draws) || inDateOrder(after));
    FUZZ_CHECK(!numberedInOrder(draws) || numberedInOrder(after));
}

void checkWriteAll(const std::vector<DrawRecord>& draws, int gameId)
{
    const QString copy = scratchPath(QStringLiteral("copy.rtl"));
    FUZZ_CHECK(ResultsFile::writeAll(copy, draws));
    const std::vector<DrawRecord> back = readDraws(copy);
    FUZZ_CHECK(sameDraws(back, draws) && numberedInOrder(back));
    FUZZ_CHECK(draws.empty() || storedCount(copy) == static_cast<int>(draws.size()));
    const bool sound =
        std::all_of(draws.begin(), draws.end(), [gameId](const DrawRecord& d) { return isSound(d, gameId); });
    FUZZ_CHECK(!sound || undamaged(copy, gameId));
    QFile::remove(copy);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t flags = in.byte();
    const int gameId = in.between(1, 7);
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
    if (growToLimit && (flags & 8)) {
        const int records = ResultsFile::MaxDraws - 1 + sizeChoice % 3;
        bytes = growToRecords(bytes, DrawRecord::Size, records, records - (sizeChoice / 3) % 2);
    }

    FUZZ_CHECK(DrawRecord::fromBytes(draw.toBytes()).toBytes() == draw.toBytes());

    const QString path = scratchPath(QStringLiteral("CAN1.rtl"));
    putFile(path, bytes);
    std::vector<DrawRecord> draws = readDraws(path);
    FUZZ_CHECK(static_cast<int>(draws.size()) <= RecordFile(DrawRecord::Size, bytes).recordsPresent());
    // Past the first records the grown files only repeat themselves.
    for (size_t i = 0; i < std::min<size_t>(draws.size(), 200); ++i) {
        const qsizetype at = static_cast<qsizetype>(i) * DrawRecord::Size;
        if (at + DrawRecord::Size <= bytes.size())
            FUZZ_CHECK(draws[i].toBytes() == bytes.mid(at, DrawRecord::Size));
        checkListLine(draws[i], gameId);
    }

    // Half the searches look for a date the history holds.
    if (draws.empty() || pick % 2)
        checkFind(path, draws, draw.day, draw.month, draw.year);
    else {
        const DrawRecord& held = draws[(pick / 2) % draws.size()];
        checkFind(path, draws, held.day, held.month, held.year);
    }
    if (flags & 4)
        checkWriteAll(draws, gameId);
    if (flags & 1)
        draws = checkInsert(path, draws, draw, gameId);
    if (flags & 2)
        checkDelete(path, draws, pick, gameId);
    QFile::remove(path);
    return 0;
}
