#include "EntryFilter.h"

#include "EntryLineText.h"
#include "GameCatalogue.h"
#include "Printing.h"

#include <algorithm>
#include <bit>

namespace
{
constexpr int CountOffset = 0;
constexpr int SliderPositions = 5;
// Pair comparisons between two progress reports: a few milliseconds of work.
constexpr long long ComparisonsPerReport = 1LL << 22;

// Shared numbers counted as the pairs of equal numbers, which is exact for any line, even one
// holding a number twice.
int sharedPairs(const EntryNumbers& a, const EntryNumbers& b, int k)
{
    int shared = 0;
    for (int p = 0; p < k; ++p) {
        for (int q = 0; q < k; ++q)
            shared += a[p] == b[q];
    }
    return shared;
}

// A line of distinct numbers 0..63 as a bit set; for two such lines the shared pairs are the
// bits both hold.
std::optional<uint64_t> maskOf(const EntryNumbers& line, int k)
{
    uint64_t mask = 0;
    for (int i = 0; i < k; ++i) {
        const int n = line[i];
        if (n < 0 || n > 63 || (mask >> n) & 1U)
            return std::nullopt;
        mask |= uint64_t{1} << n;
    }
    return mask;
}

// Marks lines from..to-1 holding at least threshold of ref's numbers; returns how many.
[[gnu::always_inline]] inline int
markSharing(uint64_t ref, const uint64_t* masks, uint8_t* marks, int from, int to, int threshold)
{
    int marked = 0;
    for (int j = from; j < to; ++j) {
        if (!marks[j] && std::popcount(ref & masks[j]) >= threshold) {
            marks[j] = 1;
            ++marked;
        }
    }
    return marked;
}

int markSharingPortable(uint64_t ref, const uint64_t* masks, uint8_t* marks, int from, int to, int threshold)
{
    return markSharing(ref, masks, marks, from, to, threshold);
}

using MarkKernel = int (*)(uint64_t, const uint64_t*, uint8_t*, int, int, int);

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// The default x86-64 target has no popcount instruction and counts bits in a library call; this
// copy uses the instruction, and is chosen only on processors that have it.
__attribute__((target("popcnt"))) int
markSharingPopcnt(uint64_t ref, const uint64_t* masks, uint8_t* marks, int from, int to, int threshold)
{
    return markSharing(ref, masks, marks, from, to, threshold);
}

MarkKernel chooseKernel()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("popcnt") ? markSharingPopcnt : markSharingPortable;
}
#else
MarkKernel chooseKernel()
{
    return markSharingPortable;
}
#endif
} // namespace

namespace EntryFilter
{
SumBand sumBand(int gameId, int sliderPosition, const QDate& rulesDate)
{
    const int step = 10 * (std::clamp(sliderPosition, 1, SliderPositions) - 1);
    if (GameCatalogue::mainCount(gameId) == 7) {
        // Twice the mean sum is 7 (N + 1); an odd one puts the mean on a half, and the band's
        // edges move inwards to whole sums.
        const int twiceMean = 7 * (GameCatalogue::highestNumber(gameId, rulesDate) + 1);
        const int spread = 70 - step;
        return {(twiceMean + 1) / 2 - spread, twiceMean / 2 + spread};
    }
    return {85 + step, 213 - step};
}

std::array<int, 4> thresholdChoices(int gameId)
{
    if (GameCatalogue::mainCount(gameId) == 7)
        return {4, 5, 6, 7};
    return {3, 4, 5, 6};
}

int markSums(const std::vector<EntryNumbers>& lines, int gameId, SumBand band, Marks& marks)
{
    const int k = GameCatalogue::mainCount(gameId);
    marks.resize(lines.size(), 0);
    int marked = 0;
    for (size_t r = 0; r < lines.size(); ++r) {
        int sum = 0;
        for (int i = 0; i < k; ++i)
            sum += lines[r][i];
        if (!marks[r] && (sum > band.high || sum < band.low)) {
            marks[r] = 1;
            ++marked;
        }
    }
    return marked;
}

std::optional<int>
markCoverage(const std::vector<EntryNumbers>& lines, int gameId, int threshold, Marks& marks, const Progress& progress)
{
    static const MarkKernel kernel = chooseKernel();
    const int k = GameCatalogue::mainCount(gameId);
    const int n = static_cast<int>(lines.size());
    marks.resize(lines.size(), 0);

    std::vector<uint64_t> masks(n);
    std::vector<uint8_t> exact(n);
    for (int r = 0; r < n; ++r) {
        const auto mask = maskOf(lines[r], k);
        masks[r] = mask.value_or(0);
        exact[r] = mask.has_value();
    }
    const bool allExact = std::all_of(exact.begin(), exact.end(), [](uint8_t e) { return e != 0; });

    // Only later lines need comparing: an earlier line still unmarked was itself a reference
    // before this one, and would have marked this one had they shared enough.
    int marked = 0;
    long long sinceReport = 0;
    for (int i = 0; i < n; ++i) {
        if (!marks[i]) {
            if (allExact) {
                marked += kernel(masks[i], masks.data(), marks.data(), i + 1, n, threshold);
            } else {
                for (int j = i + 1; j < n; ++j) {
                    if (marks[j])
                        continue;
                    const int shared =
                        exact[i] && exact[j] ? std::popcount(masks[i] & masks[j]) : sharedPairs(lines[i], lines[j], k);
                    if (shared >= threshold) {
                        marks[j] = 1;
                        ++marked;
                    }
                }
            }
            sinceReport += n - i;
        }
        if (progress && (sinceReport >= ComparisonsPerReport || i + 1 == n)) {
            sinceReport = 0;
            if (!progress(i + 1))
                return std::nullopt;
        }
    }
    return marked;
}

std::optional<Marks>
check(const std::vector<EntryNumbers>& lines, int gameId, const Settings& settings, const Progress& progress)
{
    Marks marks(lines.size(), 0);
    if (settings.sumFilter)
        markSums(lines, gameId, sumBand(gameId, settings.sliderPosition, settings.rulesDate), marks);
    if (settings.coverageFilter && !markCoverage(lines, gameId, settings.threshold, marks, progress))
        return std::nullopt;
    return marks;
}

QString rowText(const EntryNumbers& numbers, int gameId)
{
    return FormatEntryLine(numbers, gameId) + QLatin1Char(' ');
}

QStringList printLines(const QStringList& rows, const std::vector<bool>& marked)
{
    QStringList flagged;
    flagged.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const bool isMarked = static_cast<size_t>(i) < marked.size() && marked[i];
        flagged << (isMarked ? rows[i] + QStringLiteral(" Selected for Deletion") : rows[i]);
    }
    return listPrintLines(flagged);
}

QByteArray thinned(const RecordFile& file, const Marks& marks)
{
    const int n = EntryFile::lineCount(file);
    QByteArray bytes;
    int kept = 0;
    for (int r = 1; r <= n; ++r) {
        if (static_cast<size_t>(r - 1) < marks.size() && marks[r - 1])
            continue;
        bytes += file.record(r);
        ++kept;
    }
    if (kept == 0)
        bytes = QByteArray(EntryFile::RecordLength, '\0');
    RecordFile::put32(bytes, CountOffset, kept);
    return bytes;
}
} // namespace EntryFilter
