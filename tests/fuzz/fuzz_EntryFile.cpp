// Fuzz target for entry files: the input becomes an entry file, damaged ones included, and a line
// to read, append, replace and delete. Reading never changes the file; an append or a delete moves
// the count by exactly one, never past 32,767, a refused change leaves the file as it was, and a
// line written reads back as written.
#include "EntryDamage.h"
#include "EntryFile.h"
#include "EntryFileContents.h"
#include "EntryLineText.h"
#include "FuzzSupport.h"
#include "GameCatalogue.h"

#include <algorithm>
#include <vector>

namespace
{
bool sameMain(const EntryNumbers& a, const EntryNumbers& b, int gameId)
{
    return std::equal(a.begin(), a.begin() + GameCatalogue::mainCount(gameId), b.begin());
}

bool inRange(const EntryNumbers& numbers, int gameId)
{
    return std::all_of(numbers.begin(), numbers.begin() + GameCatalogue::mainCount(gameId), [gameId](int n) {
        return n >= 1 && n <= GameCatalogue::highestNumber(gameId);
    });
}

// Whether the damage check finds nothing wrong; looking never changes the file.
bool undamaged(const QString& path, int gameId)
{
    const QByteArray before = fileBytes(path);
    const bool sound = EntryDamage::describeFile(path, gameId).isEmpty();
    FUZZ_CHECK(fileBytes(path) == before);
    return sound;
}

std::vector<EntryNumbers> readLines(const QString& path)
{
    const QByteArray before = fileBytes(path);
    const std::optional<std::vector<EntryNumbers>> lines = EntryFile::readAllLines(path);
    FUZZ_CHECK(lines.has_value());
    const std::optional<int> count = EntryFile::ReadEntryCount(path);
    FUZZ_CHECK(count.has_value() && *count == static_cast<int>(lines->size()));
    FUZZ_CHECK(*count <= EntryFile::MaxLines);
    FUZZ_CHECK(fileBytes(path) == before);
    return *lines;
}

// k runs over 0..n+1, so every operation also meets the two lines that do not exist.
int lineChoice(int pick, int n)
{
    return pick % (n + 2);
}

// The deletion window's view of the file agrees with the main list's, and looking at a missing
// file creates nothing.
void checkContents(const QString& path, const std::vector<EntryNumbers>& lines)
{
    const QByteArray before = fileBytes(path);
    const std::optional<std::vector<QString>> shown = EntryFileContents::contentLines(path);
    FUZZ_CHECK(shown && fileBytes(path) == before);
    for (size_t k = 0; k < std::min(shown->size(), lines.size()); ++k) {
        if (std::all_of(lines[k].begin(), lines[k].begin() + 6, [](int n) { return n >= 1 && n <= 99; }))
            FUZZ_CHECK((*shown)[k] == FormatEntryLine(lines[k], GameCatalogue::National) + QLatin1Char(' '));
    }
    const QString missing = scratchPath(QStringLiteral("Nat64901JAN2001.lot"));
    FUZZ_CHECK(EntryFileContents::contentLines(missing)->empty() && EntryDamage::describeFile(missing, 1).isEmpty());
    FUZZ_CHECK(!QFile::exists(missing));
}

void checkReadLine(const QString& path, const std::vector<EntryNumbers>& lines, int pick)
{
    const int n = static_cast<int>(lines.size());
    const int k = lineChoice(pick, n);
    QString error;
    const std::optional<EntryNumbers> line = EntryFile::ReadEntryLine(path, k, &error);
    if (k < 1 || k > n)
        FUZZ_CHECK(!line && !error.isEmpty());
    else
        FUZZ_CHECK(line && *line == lines[k - 1]);
}

// The changes return the lines the file holds afterwards.
std::vector<EntryNumbers>
checkAppend(const QString& path, const std::vector<EntryNumbers>& lines, const EntryNumbers& numbers, int gameId)
{
    const QByteArray before = fileBytes(path);
    const bool wasSound = undamaged(path, gameId);
    QString error;
    const std::optional<int> count = EntryFile::AppendEntryLine(path, numbers, gameId, &error);
    if (lines.size() >= static_cast<size_t>(EntryFile::MaxLines)) {
        FUZZ_CHECK(!count && !error.isEmpty());
        FUZZ_CHECK(fileBytes(path) == before);
        return lines;
    }
    FUZZ_CHECK(count && *count == static_cast<int>(lines.size()) + 1);
    const std::vector<EntryNumbers> after = readLines(path);
    FUZZ_CHECK(after.size() == lines.size() + 1 && storedCount(path) == *count);
    FUZZ_CHECK(std::equal(lines.begin(), lines.end(), after.begin()));
    FUZZ_CHECK(sameMain(after.back(), numbers, gameId));
    FUZZ_CHECK(!wasSound || !inRange(numbers, gameId) || undamaged(path, gameId));
    return after;
}

std::vector<EntryNumbers> checkReplace(
    const QString& path, const std::vector<EntryNumbers>& lines, int pick, const EntryNumbers& numbers, int gameId)
{
    const int n = static_cast<int>(lines.size());
    const int k = lineChoice(pick, n);
    const QByteArray before = fileBytes(path);
    const bool wasSound = undamaged(path, gameId);
    QString error;
    const bool replaced = EntryFile::ReplaceEntryLine(path, k, numbers, gameId, &error);
    if (k < 1 || k > n) {
        FUZZ_CHECK(!replaced && !error.isEmpty());
        FUZZ_CHECK(fileBytes(path) == before);
        return lines;
    }
    FUZZ_CHECK(replaced);
    std::vector<EntryNumbers> expected = lines;
    expected[k - 1] = numbers;
    if (!GameCatalogue::isSuper7(gameId))
        expected[k - 1][6] = 0;
    FUZZ_CHECK(readLines(path) == expected);
    FUZZ_CHECK(!wasSound || !inRange(numbers, gameId) || undamaged(path, gameId));
    return expected;
}

std::vector<EntryNumbers> checkDelete(const QString& path, const std::vector<EntryNumbers>& lines, int pick, int gameId)
{
    const int n = static_cast<int>(lines.size());
    const int k = lineChoice(pick, n);
    const QByteArray before = fileBytes(path);
    const bool wasSound = undamaged(path, gameId);
    QString error;
    const std::optional<int> count = EntryFile::DeleteEntryLine(path, k, &error);
    if (k < 1 || k > n) {
        FUZZ_CHECK(!count && !error.isEmpty());
        FUZZ_CHECK(fileBytes(path) == before);
        return lines;
    }
    FUZZ_CHECK(count && *count == n - 1 && storedCount(path) == n - 1);
    std::vector<EntryNumbers> expected = lines;
    expected.erase(expected.begin() + (k - 1));
    FUZZ_CHECK(readLines(path) == expected);
    FUZZ_CHECK(!wasSound || undamaged(path, gameId));
    return expected;
}

void checkStandingCopyAndRemoval(const QString& path, bool empty)
{
    const QString standing = scratchPath(QStringLiteral("StandLotto.lot"));
    FUZZ_CHECK(EntryFile::saveStandingCopy(path, standing));
    FUZZ_CHECK(fileBytes(standing) == fileBytes(path));
    QFile::remove(standing);

    const QByteArray before = fileBytes(path);
    FUZZ_CHECK(EntryFile::RemoveEmptyEntryFile(path));
    FUZZ_CHECK(QFile::exists(path) == !empty);
    if (!empty)
        FUZZ_CHECK(fileBytes(path) == before);
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
    if (growToLimit && (flags & 8)) {
        const int records = EntryFile::MaxLines - 1 + sizeChoice % 3;
        bytes = growToRecords(bytes, EntryFile::RecordLength, records, records - (sizeChoice / 3) % 2);
    }

    const QString path = scratchPath(QStringLiteral("Nat64905JAN2003.lot"));
    putFile(path, bytes);
    std::vector<EntryNumbers> lines = readLines(path);
    checkReadLine(path, lines, pick);
    checkContents(path, lines);
    if (flags & 1)
        lines = checkAppend(path, lines, numbers, gameId);
    if (flags & 2)
        lines = checkReplace(path, lines, pick, numbers, gameId);
    if (flags & 4)
        lines = checkDelete(path, lines, pick, gameId);
    if (flags & 16)
        checkStandingCopyAndRemoval(path, lines.empty());
    QFile::remove(path);
    return 0;
}
