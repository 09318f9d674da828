#include "OptimisedLines.h"

#include "GameCatalogue.h"
#include "NumberText.h"

#include <algorithm>

namespace
{
// Repeats are told apart by the first six numbers only, for seven-number lines too.
constexpr int ComparedNumbers = 6;
} // namespace

namespace OptimisedLines
{
Range chooseRange(const QString& nText, int drawCount)
{
    if (nText.isEmpty())
        return {RangeRefusal::EmptyText, 0};
    if (drawCount <= 0)
        return {RangeRefusal::NoDraws, 0};
    // Compared as typed, so a number of any size is simply out of range.
    const double v = NumberText::leadingValue(nText);
    if (!(v >= 1.0 && v <= drawCount))
        return {RangeRefusal::OutOfRange, 0};
    return {RangeRefusal::None, drawCount - static_cast<int>(NumberText::roundHalfEven(v - 1.0))};
}

std::vector<EntryNumbers> makeLines(const LinkTable& table, int highest)
{
    const int k = table.lineLength();
    const int m = std::min(table.highestBall(), highest);
    std::vector<EntryNumbers> lines;
    for (int start = 1; start <= m; ++start) {
        std::array<int, 7> line{};
        line[0] = start;
        bool complete = true;
        for (int step = 1; step < k && complete; ++step) {
            // Every ball already in the line is left out; the last one chosen is the key.
            std::array<int, 6> excluded{};
            std::copy_n(line.begin(), step, excluded.begin());
            line[step] = table.GetBestFor(line[step - 1], excluded, m);
            complete = line[step] != 0;
        }
        if (!complete)
            continue;
        // The exchange sort: every pair is visited and put in ascending order.
        for (int i = 0; i < k; ++i) {
            for (int j = 0; j < k; ++j) {
                if (line[i] < line[j])
                    std::swap(line[i], line[j]);
            }
        }
        EntryNumbers numbers{};
        std::copy_n(line.begin(), k, numbers.begin());
        const bool repeated = std::any_of(lines.begin(), lines.end(), [&](const EntryNumbers& earlier) {
            return std::equal(earlier.begin(), earlier.begin() + ComparedNumbers, numbers.begin());
        });
        if (!repeated)
            lines.push_back(numbers);
    }
    return lines;
}

bool appendLines(
    RecordFile& file, const std::vector<EntryNumbers>& lines, int gameId, const QDate& entryDate, QString* error)
{
    const int existing = EntryFile::lineCount(file);
    const int total = existing + static_cast<int>(lines.size());
    if (total > EntryFile::MaxLines) {
        if (error)
            *error = QStringLiteral("the file holds %1 lines and can take only %2 more")
                         .arg(existing)
                         .arg(EntryFile::MaxLines - existing);
        return false;
    }
    QByteArray buffer = file.record(1);
    int at = existing;
    for (const EntryNumbers& line : lines) {
        EntryFile::putNumbers(buffer, line, gameId);
        EntryFile::putEntryDate(buffer, entryDate);
        file.setRecord(++at, buffer);
    }
    QByteArray first = file.record(1);
    RecordFile::put32(first, 0, total);
    file.setRecord(1, first);
    return true;
}
} // namespace OptimisedLines
