// Fuzz target for the draw-history import: the input becomes a history file, damaged ones included,
// and a file to import in either layout. Every draw read is a believable draw of the game, draws
// written back in the operator's layout or as plain rows read back the same, and the merge adds
// each new date once, keeps every stored draw in its order, stores exactly what adding the draws
// one by one would, and changes nothing when the same file is imported again.
#include "DateText.h"
#include "DrawImport.h"
#include "DrawRules.h"
#include "FuzzSupport.h"
#include "GameCatalogue.h"
#include "HistoryDamage.h"
#include "HistoryImage.h"
#include "ResultsFile.h"

#include <QStringList>

#include <algorithm>
#include <set>
#include <vector>

namespace
{
int keyOf(const DrawImport::ImportedDraw& d)
{
    return DateText::DateKey(d.day, d.month, d.year);
}

void checkParsed(const DrawImport::Parsed& parsed, const QByteArray& text, int gameId)
{
    const int lines = static_cast<int>(text.count('\n') + text.count('\r')) + 1;
    int previousLine = 0;
    for (const DrawImport::ImportedDraw& d : parsed.draws) {
        FUZZ_CHECK(d.line > previousLine && d.line <= lines);
        previousLine = d.line;
        FUZZ_CHECK(DrawRules::isValidDate(d.day, d.month, d.year));
        const QDate date(d.year, d.month, d.day);
        FUZZ_CHECK(DrawRules::numbersProblem(gameId, date, d.numbers, d.bonus, true).isEmpty());
        const int highest = GameCatalogue::highestNumber(gameId, date);
        FUZZ_CHECK(isStoredLine(d.numbers, GameCatalogue::mainCount(gameId), highest));
    }
    FUZZ_CHECK(static_cast<int>(parsed.firstRefused.size()) == std::min(parsed.refused, DrawImport::ProblemsNamed));
    FUZZ_CHECK(!parsed.draws.empty() || parsed.refused > 0);
    FUZZ_CHECK(static_cast<int>(parsed.draws.size()) + parsed.refused + parsed.extraDraws <= lines);
}

// The draws written as the operator publishes them, or as plain rows, main numbers reversed.
QByteArray written(const std::vector<DrawImport::ImportedDraw>& draws, int gameId, bool operatorLayout)
{
    const int count = GameCatalogue::mainCount(gameId);
    QStringList rows;
    if (operatorLayout) {
        QString header = QStringLiteral("\"PRODUCT\",\"DRAW NUMBER\",\"SEQUENCE NUMBER\",\"DRAW DATE\"");
        for (int i = 1; i <= count; ++i)
            header += QStringLiteral(",\"NUMBER DRAWN %1\"").arg(i);
        rows << header + QStringLiteral(",\"BONUS NUMBER\"");
    }
    for (size_t k = 0; k < draws.size(); ++k) {
        const DrawImport::ImportedDraw& d = draws[k];
        const QString date = QStringLiteral("%1-%2-%3")
                                 .arg(d.year, 4, 10, QLatin1Char('0'))
                                 .arg(d.month, 2, 10, QLatin1Char('0'))
                                 .arg(d.day, 2, 10, QLatin1Char('0'));
        // The operator's own product for National 6/49; one the program does not know for the others.
        const QString product = gameId == 1 ? QStringLiteral("649") : QStringLiteral("X");
        QString row = operatorLayout ? QStringLiteral("\"%1\",%2,0,\"%3\"").arg(product).arg(k + 1).arg(date) : date;
        for (int i = count - 1; i >= 0; --i)
            row += QLatin1Char(',') + QString::number(d.numbers[i]);
        rows << row + QLatin1Char(',') + QString::number(d.bonus);
    }
    return rows.join(QStringLiteral("\r\n")).toUtf8();
}

void checkRoundTrip(const DrawImport::Parsed& parsed, int gameId)
{
    if (parsed.draws.empty())
        return;
    for (bool operatorLayout : {false, true}) {
        QString error;
        const auto again =
            DrawImport::parse(written(parsed.draws, gameId, operatorLayout), gameId, {}, nullptr, &error);
        FUZZ_CHECK(again.has_value() && again->refused == 0);
        FUZZ_CHECK(std::equal(again->draws.begin(),
                              again->draws.end(),
                              parsed.draws.begin(),
                              parsed.draws.end(),
                              sameDraw<DrawImport::ImportedDraw, DrawImport::ImportedDraw>));
    }
}

// What storing the draws one by one through the history file does, the way a player would add them.
QByteArray addedByHand(const QByteArray& history, const DrawImport::Parsed& parsed, int gameId)
{
    const QString path = scratchPath(QStringLiteral("CAN1.rtl"));
    putFile(path, history);
    const HistoryImage image(history);
    std::set<int> dates;
    for (const DrawRecord& r : image.draws())
        dates.insert(r.dateKey());
    std::vector<DrawImport::ImportedDraw> order = parsed.draws;
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return keyOf(a) < keyOf(b); });
    for (const DrawImport::ImportedDraw& d : order) {
        if (dates.insert(keyOf(d)).second)
            FUZZ_CHECK(ResultsFile::insertDraw(path, gameId, d.day, d.month, d.year, d.numbers, d.bonus).has_value());
    }
    const QByteArray bytes = fileBytes(path);
    QFile::remove(path);
    return bytes;
}

void checkMerge(const QByteArray& history, const DrawImport::Parsed& parsed, int gameId)
{
    const HistoryImage before(history);
    QString error;
    const std::optional<DrawImport::Merged> merged = DrawImport::merge(history, parsed, gameId, {}, nullptr, &error);
    FUZZ_CHECK(merged.has_value());
    const DrawImport::Summary& s = merged->summary;
    FUZZ_CHECK(!s.cancelled && s.refused == parsed.refused && s.extraDraws == parsed.extraDraws);
    FUZZ_CHECK(s.added + s.alreadyPresent + s.conflicts == static_cast<int>(parsed.draws.size()));
    FUZZ_CHECK(static_cast<int>(s.firstConflicts.size()) == std::min(s.conflicts, DrawImport::ProblemsNamed));

    // Storing the draws one by one keeps every stored draw and adds each new date once (the history
    // target checks what an insert keeps), so the merge must store exactly that.
    FUZZ_CHECK(HistoryImage(merged->history).count() == before.count() + s.added);
    FUZZ_CHECK(merged->history == addedByHand(history, parsed, gameId));
    if (HistoryDamage::describe(RecordFile(DrawRecord::Size, history), gameId).isEmpty())
        FUZZ_CHECK(HistoryDamage::describe(RecordFile(DrawRecord::Size, merged->history), gameId).isEmpty());

    // The same file again adds nothing and changes nothing.
    const auto again = DrawImport::merge(merged->history, parsed, gameId);
    FUZZ_CHECK(again && again->summary.added == 0 && again->history == merged->history);
    FUZZ_CHECK(again->summary.alreadyPresent == s.added + s.alreadyPresent && again->summary.conflicts == s.conflicts);

    const bool stop = true;
    const auto cancelled = DrawImport::merge(history, parsed, gameId, {}, &stop);
    FUZZ_CHECK(cancelled && cancelled->history == history);
    FUZZ_CHECK(cancelled->summary.cancelled == !parsed.draws.empty()); // nothing to stop without draws
}

void checkImportFile(const QByteArray& history, const QByteArray& text, int gameId)
{
    const QString source = scratchPath(QStringLiteral("draws.csv"));
    const QString target = scratchPath(QStringLiteral("CAN1.rtl"));
    putFile(source, text);
    putFile(target, history);
    QString parseError;
    const auto parsed = DrawImport::parse(text, gameId, {}, nullptr, &parseError);
    QString error;
    const auto yes = [](const QString&) { return true; };
    const auto summary = DrawImport::importFile(source, target, gameId, yes, {}, nullptr, &error);
    FUZZ_CHECK(summary.has_value() == parsed.has_value());
    if (!summary) {
        FUZZ_CHECK(error == parseError && fileBytes(target) == history);
        return;
    }
    const auto merged = DrawImport::merge(history, *parsed, gameId);
    FUZZ_CHECK(summary->added == merged->summary.added);
    FUZZ_CHECK(fileBytes(target) == (summary->added > 0 ? merged->history : history));
    FUZZ_CHECK(DrawImport::summaryText(*summary).startsWith(QStringLiteral("Draws added: %1").arg(summary->added)));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t flags = in.byte();
    const int gameId = in.between(1, GameCatalogue::LastGame);
    const QByteArray history = in.take(in.byte() * 4u);
    const QByteArray text = in.rest();

    QString error;
    int lastDone = 0;
    const DrawImport::Progress progress = [&lastDone](int done, int total) {
        FUZZ_CHECK(done >= lastDone && done <= total);
        lastDone = done;
    };
    const std::optional<DrawImport::Parsed> parsed = DrawImport::parse(text, gameId, progress, nullptr, &error);
    const bool stop = true;
    const auto cancelled = DrawImport::parse(text, gameId, {}, &stop);
    FUZZ_CHECK(cancelled && cancelled->draws.empty() && cancelled->refused == 0);
    if (!parsed) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    checkParsed(*parsed, text, gameId);
    checkRoundTrip(*parsed, gameId);
    checkMerge(history, *parsed, gameId);
    if (throughFiles(flags, size))
        checkImportFile(history, text, gameId);
    return 0;
}
