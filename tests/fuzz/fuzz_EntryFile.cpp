// Fuzz target for entry files: the input becomes an entry file, damaged ones included, and a line
// to read, append, replace and delete. Reading never changes the file; an append or a delete moves
// the count by exactly one, never past 32,767, a refused change leaves the file as it was, and a
// line written reads back as written.
#include "EntryDamage.h"
#include "EntryFile.h"
#include "EntryFileContents.h"
#include "EntryLineText.h"
#include "FuzzRecords.h"
#include "FuzzSupport.h"
#include "GameCatalogue.h"

#include <algorithm>
#include <vector>

namespace
{
bool inRange(const EntryNumbers& numbers, int gameId)
{
    return std::all_of(numbers.begin(), numbers.begin() + GameCatalogue::mainCount(gameId), [gameId](int n) {
        return n >= 1 && n <= GameCatalogue::highestEver(gameId);
    });
}

bool undamaged(const QString& path, int gameId)
{
    return leavesFile(path, [&] { return EntryDamage::describeFile(path, gameId, {}).isEmpty(); });
}

std::vector<EntryNumbers> readLines(const QString& path)
{
    return leavesFile(path, [&] {
        const std::optional<std::vector<EntryNumbers>> lines = EntryFile::readAllLines(path);
        const std::optional<int> count = EntryFile::ReadEntryCount(path);
        FUZZ_CHECK(lines && count && *count == static_cast<int>(lines->size()) && *count <= EntryFile::MaxLines);
        return *lines;
    });
}

// The deletion window's view of the file agrees with the main list's, and looking at a missing
// file creates nothing.
void checkContents(const QString& path, const std::vector<EntryNumbers>& lines)
{
    const auto shown = leavesFile(path, [&] { return EntryFileContents::contentLines(path); });
    FUZZ_CHECK(shown.has_value());
    for (size_t k = 0; k < std::min(shown->size(), lines.size()); ++k) {
        if (std::all_of(lines[k].begin(), lines[k].begin() + 6, [](int n) { return n >= 1 && n <= 99; }))
            FUZZ_CHECK((*shown)[k] == FormatEntryLine(lines[k], GameCatalogue::National) + QLatin1Char(' '));
    }
    const QString missing = scratchPath(QStringLiteral("Nat64901JAN2001.lot"));
    FUZZ_CHECK(EntryFileContents::contentLines(missing)->empty()
               && EntryDamage::describeFile(missing, 1, {}).isEmpty());
    FUZZ_CHECK(!QFile::exists(missing));
}

// Runs a change and checks what any change must leave: a refused one says why and keeps the
// bytes; one made keeps a sound file sound when it writes numbers of the game, and the count stored
// is the number of lines. Returns the lines afterwards.
template <class Change>
std::vector<EntryNumbers> changed(const QString& path,
                                  const std::vector<EntryNumbers>& lines,
                                  bool refused,
                                  bool writesSound,
                                  int gameId,
                                  Change change)
{
    const QByteArray before = fileBytes(path);
    const bool wasSound = undamaged(path, gameId);
    QString error;
    const bool done = change(&error);
    if (refused) {
        checkRefused(done, error, path, before);
        return lines;
    }
    FUZZ_CHECK(done && (!wasSound || !writesSound || undamaged(path, gameId)));
    const std::vector<EntryNumbers> after = readLines(path);
    // A change that moves the count writes the true one; a replace keeps the first record's count
    // bytes as they were, so a damaged count stays (the readers go by the records present).
    const bool countWasTrue = before.size() >= 4 && RecordFile::get32(before, 0) == static_cast<int>(lines.size());
    if (countWasTrue || after.size() != lines.size())
        FUZZ_CHECK(storedCount(path) == static_cast<int>(after.size()));
    return after;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t flags = in.byte();
    const int gameId = in.between(1, 7);
    const int pick = static_cast<uint16_t>(in.int16());
    EntryNumbers numbers{};
    for (int16_t& n : numbers)
        n = in.int16();
    const int sizeChoice = in.byte();
    QByteArray bytes = in.rest();
    if (growToLimit && (flags & 8))
        bytes = grownToLimit(bytes, EntryFile::RecordLength, EntryFile::MaxLines, sizeChoice);

    const QString path = scratchPath(QStringLiteral("Nat64905JAN2003.lot"));
    putFile(path, bytes);
    std::vector<EntryNumbers> lines = readLines(path);
    const auto lineChoice = [&] { return pick % (static_cast<int>(lines.size()) + 2); };
    QString error;
    const int k = lineChoice();
    const std::optional<EntryNumbers> line = EntryFile::ReadEntryLine(path, k, &error);
    FUZZ_CHECK(k >= 1 && k <= static_cast<int>(lines.size()) ? line && *line == lines[k - 1]
                                                             : !line && !error.isEmpty());
    checkContents(path, lines);
    // Replacing writes the numbers as given, but 6/49 games clear the seventh.
    EntryNumbers replaced = numbers;
    if (GameCatalogue::mainCount(gameId) == 6)
        replaced[6] = 0;
    const bool sound = inRange(numbers, gameId);
    if (flags & 1) {
        const bool full = lines.size() >= static_cast<size_t>(EntryFile::MaxLines);
        const auto after = changed(path, lines, full, sound, gameId, [&](QString* e) {
            const std::optional<int> count = EntryFile::AppendEntryLine(path, numbers, gameId, e);
            FUZZ_CHECK(!count || *count == static_cast<int>(lines.size()) + 1);
            return count.has_value();
        });
        FUZZ_CHECK(full
                   || (after.size() == lines.size() + 1 && std::equal(lines.begin(), lines.end(), after.begin())
                       && mainOf({after.back()}, gameId) == mainOf({numbers}, gameId)));
        lines = after;
    }
    if (flags & 2) {
        const int r = lineChoice();
        const bool missing = r < 1 || r > static_cast<int>(lines.size());
        std::vector<EntryNumbers> expected = lines;
        if (!missing)
            expected[r - 1] = replaced;
        lines = changed(path, lines, missing, sound, gameId, [&](QString* e) {
            return EntryFile::ReplaceEntryLine(path, r, numbers, gameId, e);
        });
        FUZZ_CHECK(lines == expected);
    }
    if (flags & 4) {
        const int r = lineChoice();
        const bool missing = r < 1 || r > static_cast<int>(lines.size());
        std::vector<EntryNumbers> expected = lines;
        if (!missing)
            expected.erase(expected.begin() + (r - 1));
        lines = changed(path, lines, missing, true, gameId, [&](QString* e) {
            const std::optional<int> count = EntryFile::DeleteEntryLine(path, r, e);
            FUZZ_CHECK(!count || *count == static_cast<int>(expected.size()));
            return count.has_value();
        });
        FUZZ_CHECK(lines == expected);
    }
    if (flags & 16) {
        const QString standing = scratchPath(QStringLiteral("StandLotto.lot"));
        FUZZ_CHECK(EntryFile::saveStandingCopy(path, standing) && fileBytes(standing) == fileBytes(path));
        QFile::remove(standing);
        // Only a file without lines goes.
        const QByteArray before = fileBytes(path);
        FUZZ_CHECK(EntryFile::RemoveEmptyEntryFile(path) && QFile::exists(path) == !lines.empty());
        FUZZ_CHECK(lines.empty() || fileBytes(path) == before);
    }
    QFile::remove(path);
    return 0;
}
