// Fuzz target for the text the player types or imports: the first byte picks the texts of number
// boxes (a typed line, a typed draw, a wheel group), a text file of entry lines, a draw-history
// file to import (plain rows or the operator's CSV) or the download address. Whatever the text, an
// accepted line, draw or group is sorted, distinct and in range for its game and date, an import
// writes only sound records and a second import of the same file changes nothing, and a refusal
// says why and leaves the files alone.
#include "AppFolder.h"
#include "DownloadServer.h"
#include "DrawImport.h"
#include "DrawParser.h"
#include "EntryDamage.h"
#include "EntryLineText.h"
#include "FuzzSupport.h"
#include "HistoryDamage.h"
#include "HistoryImage.h"
#include "NumberText.h"
#include "TextImport.h"
#include "WheelGroup.h"

#include <QBuffer>

#include <cmath>

namespace
{
// The boxes as a typed entry line, a typed draw and a wheel group; a box's number ignores what
// follows it.
void typedBoxes(FuzzInput& in)
{
    const int gameId = in.between(1, GameCatalogue::LastGame);
    const QDate date = QDate(2019, 5, 14).addDays(in.int16());
    const QStringList boxes = QString::fromUtf8(in.rest()).split(u'\n');
    const int count = GameCatalogue::mainCount(gameId);
    const int highest = GameCatalogue::highestNumber(gameId, date);
    for (const QString& box : boxes) {
        const double value = NumberText::leadingValue(box);
        FUZZ_CHECK(!std::isnan(value) && NumberText::leadingValue(box + QLatin1String("x1")) == value);
    }
    EntryNumbers line{};
    const LineProblem problem = ValidateLine(boxes, gameId, date, &line);
    FUZZ_CHECK(validationMessage(problem).isEmpty() == (problem == LineProblem::None));
    FUZZ_CHECK(problem != LineProblem::None || isStoredLine(line, count, highest));
    QString refusal;
    const std::optional<DrawRecord> draw = DrawParser::parse(boxes, gameId, date, &refusal);
    FUZZ_CHECK(draw ? draw->isOn(date.day(), date.month(), date.year()) && isStoredLine(draw->numbers, count, highest)
                          && draw->bonus >= 1 && draw->bonus <= highest
                          && std::count(draw->numbers.begin(), draw->numbers.end(), draw->bonus) == 0
                    : !refusal.isEmpty());
    // As a wheel builder's group of balls, one a box.
    QString message;
    const int size = static_cast<int>(boxes.size());
    const auto group = WheelGroup::readGroup(boxes, size, highest, &message);
    FUZZ_CHECK(group ? static_cast<int>(group->size()) == size && isStoredLine(*group, size, highest)
                     : !message.isEmpty());
}

// Reading a source file reserves the most a file may hold, which under the sanitizers costs far
// more than the import itself, so only flagged inputs whose size is a multiple of eight go through
// the files; the size changes with most mutations, so the share stays small.
bool throughFiles(FuzzInput& in)
{
    const size_t size = in.size - in.pos;
    return (in.byte() & 1) && size % 8 == 0;
}

// Entry lines from a text file: the file an import writes holds one sound line per field, dated,
// and a second import of the date is refused and changes nothing.
void textImport(FuzzInput& in)
{
    const bool files = throughFiles(in);
    const int gameId = in.between(1, GameCatalogue::LastGame);
    const QDate date = QDate(2026, 12, 12).addDays(in.int16());
    const QByteArray text = in.rest();
    QBuffer device;
    device.setData(text);
    FUZZ_CHECK(device.open(QIODevice::ReadOnly));
    const TextImport::TextFields read = TextImport::readFields(device);
    using TextImport::Verdict;
    const Verdict expected =
        read.problem.isEmpty() ? TextImport::checkFields(read.fields, gameId, date) : Verdict::NotText;
    const QByteArray bytes =
        expected == Verdict::Valid ? TextImport::importBytes(read.fields, gameId, date) : QByteArray();
    const RecordFile file(EntryFile::RecordLength, bytes);
    const int highest = GameCatalogue::highestNumber(gameId, date);
    FUZZ_CHECK(read.fields.size() <= size_t(TextImport::MaxFields)
               && EntryDamage::describe(file, gameId, date).isEmpty());
    FUZZ_CHECK(EntryFile::lineCount(file) == (expected == Verdict::Valid ? static_cast<int>(read.fields.size()) : 0));
    for (int k = 1; k <= EntryFile::lineCount(file); ++k)
        FUZZ_CHECK(datedOn(file.record(k), date)
                   && isStoredLine(EntryFile::lineOf(file, k), GameCatalogue::mainCount(gameId), highest));
    if (!files)
        return;
    const QString source = scratchPath(QStringLiteral("import.txt"));
    const QString target = scratchPath(QStringLiteral("Nat64912DEC2026.lot"));
    putFile(source, text);
    QFile::remove(target);
    QString error;
    FUZZ_CHECK(TextImport::validate(source, gameId, date, target, &error) == expected && !QFile::exists(target));
    for (int time = 0; time < 2; ++time) {
        const Verdict verdict = TextImport::importFile(source, gameId, date, target, &error);
        const bool refusedAgain = time == 1 && expected == Verdict::Valid && !read.fields.empty();
        FUZZ_CHECK(verdict == (refusedAgain ? Verdict::AlreadyEntered : expected)
                   && (verdict == Verdict::Valid) == TextImport::refusalText(verdict).isEmpty());
        FUZZ_CHECK(fileBytes(target) == bytes && QFile::exists(target) == (expected == Verdict::Valid));
    }
    QFile::remove(target);
}

// The merge adds each new date once and keeps a sound history sound (an empty one included, so
// every draw read must be a believable draw of the game on its date); the same file again adds and
// changes nothing; a stopped merge leaves the history as it was; and importing the files stores
// the merge, or nothing.
void drawImport(FuzzInput& in)
{
    const bool files = throughFiles(in);
    const int gameId = in.between(1, GameCatalogue::LastGame);
    const QByteArray history = in.take(in.byte() * 4u);
    const QByteArray text = in.rest();
    QString error;
    const std::optional<DrawImport::Parsed> parsed = DrawImport::parse(text, gameId, {}, nullptr, &error);
    FUZZ_CHECK(parsed || !error.isEmpty());
    std::optional<DrawImport::Merged> merged;
    if (parsed) {
        merged = DrawImport::merge(history, *parsed, gameId);
        const DrawImport::Summary& s = merged.value().summary; // no value aborts the run
        FUZZ_CHECK(s.added + s.alreadyPresent + s.conflicts == static_cast<int>(parsed->draws.size()));
        FUZZ_CHECK(HistoryImage(merged->history).count() == HistoryImage(history).count() + s.added);
        FUZZ_CHECK(!HistoryDamage::describe(RecordFile(DrawRecord::Size, history), gameId).isEmpty()
                   || HistoryDamage::describe(RecordFile(DrawRecord::Size, merged->history), gameId).isEmpty());
        const auto again = DrawImport::merge(merged->history, *parsed, gameId);
        FUZZ_CHECK(again && again->summary.added == 0 && again->history == merged->history);
        const bool stop = true;
        const auto stopped = DrawImport::merge(history, *parsed, gameId, {}, &stop);
        // Nothing to stop without draws.
        FUZZ_CHECK(stopped && stopped->history == history && stopped->summary.cancelled == !parsed->draws.empty());
    }
    if (!files)
        return;
    const QString source = scratchPath(QStringLiteral("draws.csv"));
    const QString target = scratchPath(QStringLiteral("CAN1.rtl"));
    putFile(source, text);
    putFile(target, history);
    const auto yes = [](const QString&) { return true; };
    const auto summary = DrawImport::importFile(source, target, gameId, yes, {}, nullptr, &error);
    FUZZ_CHECK(summary.has_value() == parsed.has_value());
    FUZZ_CHECK(fileBytes(target) == (summary && summary->added > 0 ? merged->history : history));
}

// A usable download address: http or https, a host, a folder, no query or fragment, and shown as
// text it reads back as the same address.
bool usable(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
           && !url.host().isEmpty() && !url.hasQuery() && !url.hasFragment() && url.path().endsWith(u'/')
           && DownloadServer::parseBaseAddress(DownloadServer::addressText(url)) == url;
}

// The address in use is usable, or none with download.ini named as damaged, and reading it changes
// nothing; a typed address is stored exactly when usable, and a refused one leaves the file alone.
void downloadAddress(FuzzInput& in)
{
    const uint8_t flags = in.byte();
    const QByteArray ini = in.take(in.byte() * 4u);
    const QByteArray typedBytes = in.rest();
    const QString typed = flags & 1 ? QString::fromLatin1(typedBytes) : QString::fromUtf8(typedBytes);
    const QString folder = scratchPath(QStringLiteral("."));
    const QString path = AppFolder::pathOf(folder, QString::fromLatin1(DownloadServer::SettingsFile));
    putFile(path, ini);
    QString damage;
    const std::optional<QUrl> inUse = leavesFile(path, [&] { return DownloadServer::baseAddress(folder, &damage); });
    FUZZ_CHECK(inUse ? damage.isEmpty() && usable(*inUse)
                     : damage.contains(QLatin1String(DownloadServer::SettingsFile)));
    QString error;
    const std::optional<QUrl> parsed = DownloadServer::parseBaseAddress(typed, &error);
    FUZZ_CHECK(parsed ? error.isEmpty() && usable(*parsed) : !error.isEmpty());
    error.clear();
    const bool stored = DownloadServer::setBaseAddress(folder, typed, &error);
    FUZZ_CHECK(stored ? parsed && DownloadServer::baseAddress(folder) == parsed
                      : !parsed && !error.isEmpty() && fileBytes(path) == ini);
}
} // namespace

FUZZ_READERS(typedBoxes, textImport, drawImport, downloadAddress)
