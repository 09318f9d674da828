// Fuzz target for the record files: the first byte picks a draw history (also checked as a
// downloaded body), an entry file shown as the entry set, or the settings files game.dat and
// print.dat, and the rest becomes the file and the changes made to it. Reading never changes a
// file; a change moves the count by exactly what it says and never past 32,767, keeps every other
// record in its order and a sound history sound; a refused change says why and leaves the file
// byte-identical.
#include "AppFolder.h"
#include "DownloadedHistory.h"
#include "EntrySet.h"
#include "FuzzSupport.h"
#include "HistoryDamage.h"
#include "HistoryImage.h"
#include "Printing.h"
#include "ResultsFile.h"

#include <QAbstractItemModelTester>

#include <set>

namespace
{
bool soundHistory(const QString& path, int gameId)
{
    return leavesFile(path, [&] { return HistoryDamage::describeFile(path, gameId).isEmpty(); });
}

std::vector<DrawRecord> readDraws(const QString& path)
{
    return leavesFile(path, [&] {
        const std::optional<std::vector<DrawRecord>> draws = ResultsFile::readAll(path);
        const std::optional<int> count = ResultsFile::readCount(path);
        FUZZ_CHECK(draws && count && *count == static_cast<int>(draws->size()) && *count <= ResultsFile::MaxDraws);
        return *draws;
    });
}

// After a change at record k the history holds the draws it held with that one added or removed:
// the others say what they said (past the count and position, which move), in their order, and
// the count stored is theirs.
std::vector<DrawRecord> changed(const QString& path, const std::vector<DrawRecord>& before, int k)
{
    const std::vector<DrawRecord> after = readDraws(path);
    const bool added = after.size() > before.size();
    std::vector<DrawRecord> others = added ? after : before;
    const std::vector<DrawRecord>& shorter = added ? before : after;
    FUZZ_CHECK(k >= 1 && k <= static_cast<int>(others.size()) && others.size() == shorter.size() + 1);
    FUZZ_CHECK(RecordFile::get32(fileBytes(path), 0) == static_cast<int>(after.size()));
    others.erase(others.begin() + (k - 1));
    FUZZ_CHECK(std::equal(others.begin(), others.end(), shorter.begin(), shorter.end(), [](auto& a, auto& b) {
        return a.toBytes().mid(6) == b.toBytes().mid(6);
    }));
    return after;
}

void drawHistory(FuzzInput& in)
{
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
    const QByteArray bytes = in.rest();
    // The same bytes as a downloaded body: accepted only whole, exactly the draws it announces, none
    // damaged, and refused one byte short.
    QString reason;
    const std::optional<DownloadedHistory::Accepted> accepted = DownloadedHistory::verify(bytes, gameId, &reason);
    const RecordFile body(DrawRecord::Size, bytes);
    FUZZ_CHECK(accepted ? accepted->count >= 1 && body.usableCount() == accepted->count
                              && RecordFile::get32(bytes, 0) == accepted->count
                              && HistoryDamage::describe(body, gameId).isEmpty()
                              && !DownloadedHistory::verify(bytes.left(accepted->count * DrawRecord::Size - 1), gameId)
                        : !reason.isEmpty());
    const QString path = scratchPath(QStringLiteral("CAN1.rtl"));
    putFile(path, flags & 8 ? grownToLimit(bytes, DrawRecord::Size, ResultsFile::MaxDraws, sizeChoice) : bytes);
    std::vector<DrawRecord> draws = readDraws(path);
    QString error;
    if (flags & 1) {
        // A draw stored without complaint: a real date the history lacks, numbers of the game.
        const int highest = GameCatalogue::highestNumber(gameId, draw.date());
        const auto inRange = [highest](int n) { return n >= 1 && n <= highest; };
        const bool sound =
            draw.date().isValid() && inRange(draw.bonus)
            && std::all_of(draw.numbers.begin(), draw.numbers.begin() + GameCatalogue::mainCount(gameId), inRange)
            && std::none_of(
                draws.begin(), draws.end(), [&](auto& d) { return d.isOn(draw.day, draw.month, draw.year); });
        const QByteArray before = fileBytes(path);
        const bool keepsSound = sound && soundHistory(path, gameId);
        const std::optional<int> k =
            ResultsFile::insertDraw(path, gameId, draw.day, draw.month, draw.year, draw.numbers, draw.bonus, &error);
        FUZZ_CHECK(k.has_value() == (draws.size() < size_t(ResultsFile::MaxDraws))
                   && (k || (!error.isEmpty() && fileBytes(path) == before)));
        if (k) {
            draws = changed(path, draws, *k);
            FUZZ_CHECK(draws[*k - 1].isOn(draw.day, draw.month, draw.year) && draws[*k - 1].bonus == draw.bonus);
            FUZZ_CHECK(!keepsSound || soundHistory(path, gameId));
        }
    }
    if (flags & 2) {
        const int n = static_cast<int>(draws.size());
        const int k = pick % (n + 2); // 0 and n + 1 name no draw
        const QByteArray before = fileBytes(path);
        const bool wasSound = soundHistory(path, gameId);
        error.clear();
        const bool removed = ResultsFile::deleteDraw(path, k, &error);
        FUZZ_CHECK(removed ? k >= 1 && k <= n : !error.isEmpty() && fileBytes(path) == before);
        // Deleting the last draw deletes the file.
        FUZZ_CHECK(!removed || QFile::exists(path) == (n > 1));
        if (removed && n > 1)
            FUZZ_CHECK(!changed(path, draws, k).empty() && (!wasSound || soundHistory(path, gameId)));
    }
}

EntryNumbers numbersFrom(FuzzInput& in)
{
    EntryNumbers numbers{};
    for (int16_t& n : numbers)
        n = in.int16();
    return numbers;
}

// One change through the shown set, chosen by the input. On success the rows are the lines it
// promises and those on disk, and a change that moves the count stores the true one (one that does
// not keeps the count bytes as they were, a damaged count too: the readers go by the records
// present); on failure the file and rows are untouched. Rows run from -1 to count.
void changeSet(EntrySet& set, FuzzInput& in)
{
    const int count = set.count();
    const auto row = [&] { return static_cast<uint16_t>(in.int16()) % (count + 2) - 1; };
    const std::vector<EntryNumbers> shown = set.lines();
    const QByteArray before = fileBytes(set.path());
    std::vector<EntryNumbers> expected = shown;
    bool valid = true;
    bool done = false;
    QString error;
    const int op = in.byte() % 6;
    if (op == 0 || op == 4) {
        std::vector<EntryNumbers> added(op == 0 ? 1 : in.byte() % 4);
        for (EntryNumbers& numbers : added)
            numbers = numbersFrom(in);
        expected.insert(expected.end(), added.begin(), added.end());
        valid = expected.size() <= static_cast<size_t>(EntryFile::MaxLines);
        const std::optional<int> newCount = op == 0 ? set.append(added[0], &error) : set.append(added, &error);
        done = newCount.has_value();
        FUZZ_CHECK(!done || *newCount == static_cast<int>(expected.size()));
    } else if (op == 1) {
        const int r = row();
        const EntryNumbers numbers = numbersFrom(in);
        valid = r >= 0 && r < count;
        if (valid)
            expected[r] = numbers;
        done = set.replace(r, numbers, &error);
    } else if (op == 2) {
        QList<int> rows;
        for (int i = in.byte() % 4; i >= 0; --i)
            rows << row();
        const std::set<int> distinct(rows.begin(), rows.end());
        valid = *distinct.begin() >= 0 && *distinct.rbegin() < count;
        for (auto r = distinct.rbegin(); valid && r != distinct.rend(); ++r)
            expected.erase(expected.begin() + *r);
        done = set.removeLines(rows, &error);
    } else if (op == 3) {
        const QByteArray bytes = in.take(in.byte());
        expected = linesOf(bytes);
        done = set.rewrite(bytes, &error);
        FUZZ_CHECK(!done || fileBytes(set.path()) == bytes);
    } else {
        done = leavesFile(set.path(), [&] { return set.reload(&error); });
    }
    const QByteArray after = fileBytes(set.path());
    FUZZ_CHECK(done == valid && (done || (!error.isEmpty() && after == before && set.lines() == shown)));
    const std::optional<std::vector<EntryNumbers>> onDisk = EntryFile::readAllLines(set.path());
    FUZZ_CHECK(onDisk && sameMain(*onDisk, set.lines(), set.gameId()) && set.rowCount() == set.count());
    FUZZ_CHECK(!done || (sameMain(expected, set.lines(), set.gameId()) && set.count() <= EntryFile::MaxLines));
    if (done && op != 3)
        FUZZ_CHECK(set.count() == count ? after.left(4) == before.left(4)
                                        : set.count() == 0 || RecordFile::get32(after, 0) == set.count());
}

void entrySet(FuzzInput& in)
{
    const uint8_t flags = in.byte();
    const int gameId = in.between(1, GameCatalogue::LastGame);
    const int sizeChoice = in.byte();
    const QByteArray taken = in.take(in.byte() * EntryFile::RecordLength / 4);
    const QByteArray bytes =
        flags & 1 ? grownToLimit(taken, EntryFile::RecordLength, EntryFile::MaxLines, sizeChoice) : taken;
    const QString first = scratchPath(QStringLiteral("Nat64905JAN2003.lot"));
    const QString second = scratchPath(QStringLiteral("National-6-4-3.lot"));
    putFile(first, bytes);
    QFile::remove(second);
    EntrySet set;
    // The tester walks every row on each reset, too slow for the files at the line limit.
    std::optional<QAbstractItemModelTester> tester;
    if (bytes.size() < qsizetype(EntryFile::RecordLength) * 1000)
        tester.emplace(&set, QAbstractItemModelTester::FailureReportingMode::Fatal);
    FUZZ_CHECK(leavesFile(first, [&] { return set.open(first, gameId); }));
    for (int step = 0; step < 16 && in.pos < in.size; ++step) {
        // Leaving a set deletes its file only when it holds no line.
        const bool empty = set.count() == 0;
        if (step == 8)
            FUZZ_CHECK(set.open(second, gameId) && QFile::exists(first) == !empty);
        changeSet(set, in);
    }
}

// game.dat and print.dat: a value stored reads back, reading changes nothing, and the rest of the
// file is kept.
void settingsFiles(FuzzInput& in)
{
    const int16_t province = in.int16();
    const QByteArray gameBytes = in.take(in.byte() % 8);
    // Latin-1 keeps every byte as one character, as print.dat stores names.
    const QString name = QString::fromLatin1(in.take(in.byte() * 2u));
    const QByteArray printBytes = in.rest();
    const QString folder = scratchPath(QStringLiteral("."));
    const QString gamePath = AppFolder::pathOf(folder, QStringLiteral("game.dat"));
    const QString printPath = AppFolder::pathOf(folder, QStringLiteral("print.dat"));
    putFile(gamePath, gameBytes);
    putFile(printPath, printBytes);
    FUZZ_CHECK(AppFolder::updatesavedgame(folder, province) && storePrinter(folder, name));
    FUZZ_CHECK(leavesFile(gamePath, [&] { return AppFolder::readSavedProvince(folder); }) == province);
    FUZZ_CHECK(name.left(255).contains(leavesFile(printPath, [&] { return readStoredPrinter(folder); })));
    FUZZ_CHECK(fileBytes(gamePath).mid(2) == gameBytes.mid(2) && fileBytes(printPath).mid(255) == printBytes.mid(255));
}
} // namespace

FUZZ_READERS(drawHistory, entrySet, settingsFiles)
