// Fuzz target for the statistics over a history, damaged draws included: the input becomes the
// history, a ball, a number of recent draws and a seed. The chart's counts, the ball information and
// the wheel builders' tally agree on how often each ball was drawn, every main number is either
// counted or marks its record as damaged, and the 24 proposed numbers are distinct numbers of the
// game, the most drawn first.
#include "BallInfo.h"
#include "DrawStatistics.h"
#include "FuzzSupport.h"
#include "GameCatalogue.h"
#include "HistoryImage.h"
#include "RandomSource.h"
#include "SuggestNumbers.h"

#include <algorithm>
#include <numeric>
#include <set>

namespace
{
void checkRecent(const std::vector<DrawRecord>& draws, int gameId, int lastDraws)
{
    const int n = static_cast<int>(draws.size());
    const int perDraw = GameCatalogue::mainCount(gameId);
    const DrawStatistics::Frequencies f = DrawStatistics::countMainNumbers(draws, gameId, lastDraws);
    const int counted = lastDraws >= 1 && lastDraws <= n ? lastDraws : n;
    FUZZ_CHECK(f.counts.size() == static_cast<size_t>(GameCatalogue::highestEver(gameId)));
    FUZZ_CHECK(f.drawsCounted == counted && f.firstRecord == n - counted + 1 && f.lastDrawsExceed == (lastDraws > n));
    const long long total = std::accumulate(f.counts.begin(), f.counts.end(), 0LL);
    FUZZ_CHECK(f.damagedRecords >= 0 && f.damagedRecords <= counted);
    FUZZ_CHECK(total <= static_cast<long long>(perDraw) * counted);
    FUZZ_CHECK((total == static_cast<long long>(perDraw) * counted) == (f.damagedRecords == 0));
}

void checkBall(const std::vector<DrawRecord>& draws, int gameId, int ball, const std::vector<int>& counts)
{
    const int n = static_cast<int>(draws.size());
    const int perDraw = GameCatalogue::mainCount(gameId);
    const BallInfo info = BallInfo::of(draws, gameId, ball);
    int bonusTimes = 0;
    int newestMain = 0;
    int newestBonus = 0;
    for (int r = 1; r <= n; ++r) {
        const auto& numbers = draws[r - 1].numbers;
        if (std::find(numbers.begin(), numbers.begin() + perDraw, ball) != numbers.begin() + perDraw)
            newestMain = r;
        if (draws[r - 1].bonus == ball) {
            ++bonusTimes;
            newestBonus = r;
        }
    }
    FUZZ_CHECK(info.asMain.timesDrawn == counts[ball - 1] && info.asMain.lastRecord == newestMain);
    FUZZ_CHECK(info.asBonus.timesDrawn == bonusTimes && info.asBonus.lastRecord == newestBonus);
    const long long highest = GameCatalogue::highestEver(gameId);
    FUZZ_CHECK(info.asMain.expected >= 1);
    FUZZ_CHECK(std::llabs(info.asBonus.expected * highest - n) * 2 <= highest);
}

void checkProposal(const std::vector<DrawRecord>& draws, int gameId, const std::vector<int>& counts, quint32 seed)
{
    const int highest = GameCatalogue::highestEver(gameId);
    const std::vector<int> tally = SuggestNumbers::tally(draws, GameCatalogue::mainCount(gameId), highest);
    FUZZ_CHECK(tally.size() == counts.size() + 1 && std::equal(counts.begin(), counts.end(), tally.begin() + 1));

    // The most drawn numbers, equal tallies lower number first; every drawn number is in, unless
    // the slots are full of numbers that beat it.
    const std::vector<int> ranked = SuggestNumbers::ranked(tally);
    const auto beats = [&](int a, int b) { return tally[a] > tally[b] || (tally[a] == tally[b] && a < b); };
    FUZZ_CHECK(ranked.size() <= size_t(SuggestNumbers::Slots) && std::is_sorted(ranked.begin(), ranked.end(), beats));
    const bool full = ranked.size() == size_t(SuggestNumbers::Slots);
    for (int number = 1; number <= highest; ++number) {
        const bool in = std::find(ranked.begin(), ranked.end(), number) != ranked.end();
        FUZZ_CHECK(tally[number] > 0 ? in || (full && beats(ranked.back(), number)) : !in);
    }

    SeededRandom random(seed);
    const SuggestNumbers::Proposal proposal = SuggestNumbers::complete(ranked, highest, random);
    FUZZ_CHECK(std::equal(ranked.begin(), ranked.end(), proposal.begin()));
    const std::set<int> distinct(proposal.begin(), proposal.end());
    FUZZ_CHECK(distinct.size() == proposal.size() && *distinct.begin() >= 1 && *distinct.rbegin() <= highest);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const int gameId = in.between(1, 7);
    const int lastDraws = in.between(-1, 60);
    const int ball = in.between(1, GameCatalogue::highestEver(gameId));
    const quint32 seed = static_cast<uint16_t>(in.int16());
    const std::vector<DrawRecord> draws = HistoryImage(in.rest()).draws();

    checkRecent(draws, gameId, lastDraws);
    const std::vector<int> counts = DrawStatistics::countMainNumbers(draws, gameId).counts;
    checkBall(draws, gameId, ball, counts);
    checkProposal(draws, gameId, counts, seed);

    // The sorted chart shows every ball once, the most drawn first.
    const std::vector<DrawStatistics::BallCount> bars = DrawStatistics::sortedBalls(counts);
    std::set<int> balls;
    for (size_t i = 0; i < bars.size(); ++i) {
        FUZZ_CHECK(bars[i].count == counts[bars[i].ball - 1] && balls.insert(bars[i].ball).second);
        FUZZ_CHECK(i == 0 || bars[i - 1].count >= bars[i].count);
    }
    FUZZ_CHECK(balls.size() == counts.size());
    return 0;
}
