#include "HistoryCheck.h"

#include "DateText.h"
#include "DrawCheck.h"
#include "GameCatalogue.h"
#include "NumberText.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <span>

namespace
{
constexpr int MaskBits = 64;
// No game pays for fewer than three main numbers, whatever the bonus.
constexpr int LeastWinningMatches = 3;
// Winners are packed as line * RowSlots + summary row.
constexpr int RowSlots = 16;
static_assert(HistoryCheck::RowCount < RowSlots);

uint64_t bitOf(int number)
{
    return number >= 0 && number < MaskBits ? uint64_t{1} << number : 0;
}

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
            winners.push_back(i * RowSlots + row);
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

namespace
{
// A summary row: the prize it counts (the draw check's label) and its own two labels.
struct SummaryRow
{
    const char* prize;
    const char* summary;
    const char* hit;
};

constexpr SummaryRow lottoRows[] = {
    {"(6)", "Match 6", "Hit 6"},
    {"(5+B)", "Match 5 + BB", "Hit 5+BB"},
    {"(5)", "Match 5", "Hit 5"},
    {"(4)", "Match 4", "Hit 4"},
    {"(3)", "Match 3", "Hit 3"},
};
constexpr SummaryRow super7Rows[] = {
    {"(7)", "Match 7", "Hit 7"},
    {"(6+B)", "Match 6+B", "Hit 6+B"},
    {"(6)", "Match 6", "Hit 6"},
    {"(5)", "Match 5", "Hit 5"},
    {"(4)", "Match 4", "Hit 4"},
    {"(3+B)", "Match 3+B", "Hit 3+B"},
    {"(3)", "Match 3", "Hit 3"},
};
// Every prize of every Lotto Max period has its row, so the years add up in one summary.
constexpr SummaryRow lottoMaxRows[] = {
    {"(7)", "Match 7", "Hit 7"},
    {"(6+B)", "Match 6+B", "Hit 6+B"},
    {"(6)", "Match 6", "Hit 6"},
    {"(5+B)", "Match 5+B", "Hit 5+B"},
    {"(5)", "Match 5", "Hit 5"},
    {"(4+B)", "Match 4+B", "Hit 4+B"},
    {"(4)", "Match 4", "Hit 4"},
    {"(3+B)", "Match 3+B", "Hit 3+B"},
    {"(3)", "Match 3", "Hit 3"},
};
static_assert(std::size(lottoMaxRows) == HistoryCheck::RowCount);

std::span<const SummaryRow> rowsOf(int gameId)
{
    if (GameCatalogue::isSuper7(gameId))
        return super7Rows;
    if (gameId == GameCatalogue::LottoMax)
        return lottoMaxRows;
    return lottoRows;
}

const SummaryRow* summaryRow(int gameId, int row)
{
    const std::span<const SummaryRow> rows = rowsOf(gameId);
    return row >= 1 && row <= static_cast<int>(rows.size()) ? &rows[row - 1] : nullptr;
}
} // namespace

int HistoryCheck::rowCount(int gameId)
{
    return static_cast<int>(rowsOf(gameId).size());
}

int HistoryCheck::rowOf(const GamePeriod& rules, int matches, bool bonus)
{
    const PrizeCategory* prize = GameCatalogue::prizeFor(rules, matches, bonus);
    if (!prize)
        return 0;
    const std::span<const SummaryRow> rows = rowsOf(rules.gameId);
    for (size_t row = 0; row < rows.size(); ++row) {
        if (std::strcmp(rows[row].prize, prize->label) == 0)
            return static_cast<int>(row) + 1;
    }
    return 0;
}

QString HistoryCheck::summaryLabel(int gameId, int row)
{
    const SummaryRow* r = summaryRow(gameId, row);
    return r ? QString::fromLatin1(r->summary) : QString();
}

QString HistoryCheck::hitLabel(int gameId, int row)
{
    const SummaryRow* r = summaryRow(gameId, row);
    return r ? QString::fromLatin1(r->hit) : QString();
}

HistoryCheck::HistoryCheck(std::vector<EntryNumbers> lines,
                           std::vector<DrawRecord> draws,
                           int gameId,
                           HistoryRange range)
    : m_lines(std::move(lines))
    , m_draws(std::move(draws))
    , m_gameId(gameId)
    , m_mainCount(GameCatalogue::mainCount(gameId))
    , m_periods(gameId)
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
    for (const GamePeriod& rules : GameCatalogue::periods(gameId)) {
        RowTable& rows = m_rowTables.emplace_back();
        for (int matches = 0; matches < 8; ++matches) {
            rows[matches * 2] = static_cast<uint8_t>(rowOf(rules, matches, false));
            rows[matches * 2 + 1] = static_cast<uint8_t>(rowOf(rules, matches, true));
        }
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
    // Each draw is scored by the prizes of its own date.
    const RowTable& rows = m_rowTables[m_periods.indexAt(draw.date())];

    std::vector<int>& winners = m_winners;
    winners.clear();
    scan(m_masks.data(), lineCount(), mainMask, bitOf(draw.bonus), rows.data(), winners);
    if (!m_irregularLines.empty()) {
        scoreIrregularLines(draw, rows, winners);
        std::sort(winners.begin(), winners.end()); // file order
    }

    m_listing.add({drawIndex, 0});
    for (const int winner : winners) {
        const int line = winner / RowSlots;
        const int row = winner % RowSlots;
        ++m_counts[row];
        m_listing.add({line, static_cast<int8_t>(row)});
    }
}

void HistoryCheck::scoreIrregularLines(const DrawRecord& draw, const RowTable& rows, std::vector<int>& winners) const
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
        if (const int row = rows[matches * 2 + (bonus ? 1 : 0)])
            winners.push_back(i * RowSlots + row);
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
