// Fuzz target for the history check over damaged lines and draws: the input becomes both and a
// date range. The fast check finds exactly the wins that scoring each line against each draw one by
// one finds, with the prize the draw check names, whether it runs whole or step by step; and the
// range found for two dates is the draws between them.
#include "DrawCheck.h"
#include "FuzzRecords.h"
#include "FuzzSupport.h"
#include "GameCatalogue.h"
#include "HistoryCheck.h"
#include "HistoryImage.h"

#include <algorithm>

namespace
{
struct Expected
{
    std::array<long long, HistoryCheck::RowCount + 1> counts{};
    std::vector<ListingEntry> listing;
};

// Every line against every draw of the range, as the main window scores one draw.
Expected scoredOneByOne(
    const std::vector<EntryNumbers>& lines, const std::vector<DrawRecord>& draws, int gameId, int first, int end)
{
    const int count = GameCatalogue::mainCount(gameId);
    Expected out;
    for (int d = first; d < end; ++d) {
        std::array<int16_t, 9> shown{};
        std::copy_n(draws[d].numbers.begin(), count, shown.begin());
        shown[count] = draws[d].bonus;
        const QDate date(draws[d].year, draws[d].month, draws[d].day);
        out.listing.push_back({d, 0});
        const GamePeriod& rules = GameCatalogue::period(gameId, date);
        for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
            const LineScore score = ScoreLine(lines[i], shown, rules);
            const int row = HistoryCheck::rowOf(rules, score.matches, score.bonus);
            FUZZ_CHECK(score.label.isEmpty() == (row == 0));
            if (row == 0)
                continue;
            ++out.counts[row];
            out.listing.push_back({i, static_cast<int8_t>(row)});
        }
    }
    return out;
}

void checkSame(const HistoryCheck& check, const Expected& expected)
{
    for (int row = 1; row <= HistoryCheck::RowCount; ++row)
        FUZZ_CHECK(check.count(row) == expected.counts[row]);
    std::vector<ListingEntry> listed;
    for (int page = 0; page < HistoryListing::PageCount; ++page)
        listed.insert(listed.end(), check.listing().page(page).begin(), check.listing().page(page).end());
    FUZZ_CHECK(
        std::equal(listed.begin(), listed.end(), expected.listing.begin(), expected.listing.end(), [](auto a, auto b) {
            return a.index == b.index && a.row == b.row;
        }));
}

void checkFindRange(const std::vector<DrawRecord>& draws, int startKey, int endKey)
{
    const std::optional<HistoryRange> range = HistoryCheck::findRange(draws, startKey, endKey);
    const int n = static_cast<int>(draws.size());
    FUZZ_CHECK(!range || (range->first >= 1 && range->first <= range->last && range->last <= n));
    // In a history in date order, one draw a date, the range is every draw dated from start to end.
    const auto notAfter = [](const DrawRecord& a, const DrawRecord& b) { return a.dateKey() >= b.dateKey(); };
    if (std::adjacent_find(draws.begin(), draws.end(), notAfter) != draws.end())
        return;
    int first = 0;
    int last = 0;
    for (int r = 1; r <= n; ++r) {
        if (draws[r - 1].dateKey() >= startKey && draws[r - 1].dateKey() <= endKey) {
            first = first ? first : r;
            last = r;
        }
    }
    FUZZ_CHECK(range.has_value() == (first != 0) && (!range || (range->first == first && range->last == last)));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const int gameId = in.between(1, GameCatalogue::LastGame);
    const int stepSize = in.between(1, 4);
    HistoryRange range;
    range.first = in.between(-1, 40);
    range.last = in.between(-1, 40);
    const int startPick = in.byte();
    const int endPick = in.byte();
    const std::vector<DrawRecord> draws = HistoryImage(in.take(in.byte() * 8u)).draws();
    const std::vector<EntryNumbers> lines = linesOf(in.rest());

    // Dates of the history itself, or a day before the first and after the last.
    if (!draws.empty()) {
        const auto keyOf = [&](int pick) {
            const int at = pick % (draws.size() + 2);
            if (at == 0)
                return draws.front().dateKey() - 1;
            return at > static_cast<int>(draws.size()) ? draws.back().dateKey() + 1 : draws[at - 1].dateKey();
        };
        checkFindRange(draws, keyOf(startPick), keyOf(endPick));
    }

    const int n = static_cast<int>(draws.size());
    const int first = std::clamp(range.first - 1, 0, n);
    const int end = std::clamp(range.last, first, n);
    const Expected expected = scoredOneByOne(lines, draws, gameId, first, end);

    HistoryCheck whole(lines, draws, gameId, range);
    FUZZ_CHECK(whole.drawCount() == end - first);
    FUZZ_CHECK(whole.run() && whole.isDone() && whole.drawsDone() == end - first);
    checkSame(whole, expected);

    HistoryCheck stepped(lines, draws, gameId, range);
    int steps = 0;
    while (!stepped.step(stepSize))
        FUZZ_CHECK(++steps <= n);
    checkSame(stepped, expected);

    const std::atomic_bool cancel = true;
    HistoryCheck stopped(lines, draws, gameId, range);
    FUZZ_CHECK(stopped.run({}, &cancel) == (end == first) && stopped.drawsDone() == 0);
    return 0;
}
