#include "HistoryCheck.h"

#include "DateText.h"
#include "DrawCheck.h"
#include "GameCatalogue.h"
#include "NumberText.h"

#include <algorithm>
#include <bit>

namespace
{
constexpr int MaskBits = 64;
// No game pays for fewer than three main numbers, whatever the bonus.
constexpr int LeastWinningMatches = 3;

uint64_t bitOf(int number)
{
    return number >= 0 && number < MaskBits ? uint64_t{1} << number : 0;
}

// Winners are packed as line * 8 + summary row.
template <typename BitCount>
inline void scanLines(const uint64_t* masks,
                      int lineCount,
                      uint64_t mainMask,
                      uint64_t bonusMask,
                      const uint8_t* rowTable,
                      std::vector<int>& winners,
                      BitCount bitCount)
{
    for (int i = 0; i < lineCount; ++i) {
        const uint64_t mask = masks[i];
        const int matches = bitCount(mask & mainMask);
        if (matches < LeastWinningMatches)
            continue;
        const int row = rowTable[matches * 2 + ((mask & bonusMask) != 0)];
        if (row != 0)
            winners.push_back(i * 8 + row);
    }
}

using ScanFunction = void (*)(const uint64_t*, int, uint64_t, uint64_t, const uint8_t*, std::vector<int>&);

void scanPortable(const uint64_t* masks,
                  int lineCount,
                  uint64_t mainMask,
                  uint64_t bonusMask,
                  const uint8_t* rowTable,
                  std::vector<int>& winners)
{
    scanLines(masks, lineCount, mainMask, bonusMask, rowTable, winners, [](uint64_t v) { return std::popcount(v); });
}

#if defined(__x86_64__) && defined(__GNUC__)
// The baseline x86-64 target has no bit-count instruction, so this copy is built for it and chosen
// only when the processor reports it.
__attribute__((target("popcnt"))) void scanPopcnt(const uint64_t* masks,
                                                  int lineCount,
                                                  uint64_t mainMask,
                                                  uint64_t bonusMask,
                                                  const uint8_t* rowTable,
                                                  std::vector<int>& winners)
{
    scanLines(
        masks, lineCount, mainMask, bonusMask, rowTable, winners, [](uint64_t v) { return __builtin_popcountll(v); });
}

ScanFunction chooseScan()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("popcnt") ? scanPopcnt : scanPortable;
}
#else
ScanFunction chooseScan()
{
    return scanPortable;
}
#endif

const ScanFunction scan = chooseScan();

// A line takes the mask path when its numbers are distinct and fit the mask; any other line is
// scored number by number, exactly as the draw check scores it.
std::optional<uint64_t> maskOf(const EntryNumbers& line, int count)
{
    uint64_t mask = 0;
    for (int i = 0; i < count; ++i) {
        const uint64_t bit = bitOf(line[i]);
        if (bit == 0 || (mask & bit) != 0)
            return std::nullopt;
        mask |= bit;
    }
    return mask;
}
} // namespace

std::optional<HistoryRange> HistoryCheck::findRange(const std::vector<DrawRecord>& draws, int startKey, int endKey)
{
    const int n = static_cast<int>(draws.size());
    const auto key = [&](int record) { return draws[record - 1].dateKey(); };
    HistoryRange range{1, n};
    for (int r = 1; r <= n; ++r) {
        if (key(r) >= startKey) {
            range.first = r;
            break;
        }
    }
    for (int r = range.first; r <= n; ++r) {
        if (key(r) >= endKey) {
            range.last = key(r) == endKey ? r : r - 1;
            break;
        }
    }
    if (range.last < range.first || startKey > key(n))
        return std::nullopt;
    return range;
}

int HistoryCheck::rowCount(int gameId)
{
    return GameCatalogue::isSuper7(gameId) ? 7 : 5;
}

int HistoryCheck::rowOf(int gameId, int matches, bool bonus)
{
    if (GameCatalogue::isSuper7(gameId)) {
        switch (matches) {
        case 7:
            return bonus ? 0 : 1;
        case 6:
            return bonus ? 2 : 3;
        case 5:
            return 4;
        case 4:
            return 5;
        case 3:
            return bonus ? 6 : 7;
        default:
            return 0;
        }
    }
    switch (matches) {
    case 6:
        return 1;
    case 5:
        return bonus ? 2 : 3;
    case 4:
        return 4;
    case 3:
        return 5;
    default:
        return 0;
    }
}

namespace
{
const char* const lottoSummary[] = {"Match 6", "Match 5 + BB", "Match 5", "Match 4", "Match 3"};
const char* const lottoHits[] = {"Hit 6", "Hit 5+BB", "Hit 5", "Hit 4", "Hit 3"};
const char* const super7Summary[] = {"Match 7", "Match 6+B", "Match 6", "Match 5", "Match 4", "Match 3+B", "Match 3"};
const char* const super7Hits[] = {"Hit 7", "Hit 6+B", "Hit 6", "Hit 5", "Hit 4", "Hit 3+B", "Hit 3"};

QString labelOf(int gameId, int row, const char* const* lotto, const char* const* super7)
{
    if (row < 1 || row > HistoryCheck::rowCount(gameId))
        return {};
    return QString::fromLatin1(GameCatalogue::isSuper7(gameId) ? super7[row - 1] : lotto[row - 1]);
}
} // namespace

QString HistoryCheck::summaryLabel(int gameId, int row)
{
    return labelOf(gameId, row, lottoSummary, super7Summary);
}

QString HistoryCheck::hitLabel(int gameId, int row)
{
    return labelOf(gameId, row, lottoHits, super7Hits);
}

HistoryCheck::HistoryCheck(std::vector<EntryNumbers> lines,
                           std::vector<DrawRecord> draws,
                           int gameId,
                           HistoryRange range)
    : m_lines(std::move(lines))
    , m_draws(std::move(draws))
    , m_gameId(gameId)
    , m_mainCount(GameCatalogue::mainCount(gameId))
{
    const int n = static_cast<int>(m_draws.size());
    m_first = std::clamp(range.first - 1, 0, n);
    m_end = std::clamp(range.last, m_first, n);
    m_next = m_first;

    m_masks.reserve(m_lines.size());
    for (int i = 0; i < static_cast<int>(m_lines.size()); ++i) {
        const auto mask = maskOf(m_lines[i], m_mainCount);
        m_masks.push_back(mask.value_or(0));
        if (!mask)
            m_irregularLines.push_back(i);
    }
    for (int matches = 0; matches < 8; ++matches) {
        m_rowTable[matches * 2] = static_cast<uint8_t>(rowOf(gameId, matches, false));
        m_rowTable[matches * 2 + 1] = static_cast<uint8_t>(rowOf(gameId, matches, true));
    }
}

bool HistoryCheck::step(int maxDraws)
{
    const int stop = m_next + std::clamp(maxDraws, 0, m_end - m_next);
    for (; m_next < stop; ++m_next)
        checkDraw(m_next);
    return isDone();
}

bool HistoryCheck::run(const std::function<void(int)>& progress, const std::atomic_bool* cancel)
{
    // About a million comparisons a step: a few milliseconds between looks at the cancel flag.
    const int drawsPerStep = std::max(1, (1 << 20) / std::max(1, lineCount()));
    while (!isDone()) {
        if (cancel && cancel->load())
            return false;
        step(drawsPerStep);
        if (progress)
            progress(drawsDone());
    }
    return true;
}

void HistoryCheck::checkDraw(int drawIndex)
{
    const DrawRecord& draw = m_draws[drawIndex];
    uint64_t mainMask = 0;
    for (int i = 0; i < m_mainCount; ++i)
        mainMask |= bitOf(draw.numbers[i]);

    std::vector<int>& winners = m_winners;
    winners.clear();
    scan(m_masks.data(), lineCount(), mainMask, bitOf(draw.bonus), m_rowTable.data(), winners);
    if (!m_irregularLines.empty()) {
        scoreIrregularLines(draw, winners);
        std::sort(winners.begin(), winners.end()); // file order
    }

    m_listing.add({drawIndex, 0});
    for (const int winner : winners) {
        const int line = winner / 8;
        const int row = winner % 8;
        ++m_counts[row];
        m_listing.add({line, static_cast<int8_t>(row)});
    }
}

void HistoryCheck::scoreIrregularLines(const DrawRecord& draw, std::vector<int>& winners) const
{
    const auto mainBegin = draw.numbers.begin();
    const auto mainEnd = mainBegin + m_mainCount;
    for (const int i : m_irregularLines) {
        const EntryNumbers& line = m_lines[i];
        int matches = 0;
        bool bonus = false;
        for (int k = 0; k < m_mainCount; ++k) {
            if (std::find(mainBegin, mainEnd, line[k]) != mainEnd)
                ++matches;
            if (line[k] == draw.bonus)
                bonus = true;
        }
        if (const int row = rowOf(m_gameId, matches, bonus))
            winners.push_back(i * 8 + row);
    }
}

bool HistoryCheck::isDone() const
{
    return m_next >= m_end;
}

int HistoryCheck::drawsDone() const
{
    return m_next - m_first;
}

int HistoryCheck::drawCount() const
{
    return m_end - m_first;
}

int HistoryCheck::lineCount() const
{
    return static_cast<int>(m_lines.size());
}

int HistoryCheck::gameId() const
{
    return m_gameId;
}

long long HistoryCheck::count(int row) const
{
    return row >= 1 && row <= RowCount ? m_counts[row] : 0;
}

const HistoryListing& HistoryCheck::listing() const
{
    return m_listing;
}

QString HistoryCheck::text(const ListingEntry& entry) const
{
    if (entry.row == 0) {
        if (entry.index < 0 || entry.index >= static_cast<int>(m_draws.size()))
            return {};
        const DrawRecord& draw = m_draws[entry.index];
        return NumberText::twoDigits(draw.day) + QLatin1Char(' ') + DateText::MonthAbbrev(draw.month)
               + QLatin1String("  ") + QString::number(draw.year);
    }
    if (entry.index < 0 || entry.index >= lineCount())
        return {};
    return FormatWinningLine(m_lines[entry.index], m_gameId, hitLabel(m_gameId, entry.row));
}
