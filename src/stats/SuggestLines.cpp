#include "SuggestLines.h"

#include "GameCatalogue.h"
#include "NumberText.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <utility>

namespace
{
// A line as a set of ball bits (every game's balls fit in 64 bits), so the overlap of two lines is
// one popcount.
using BallSet = uint64_t;

BallSet ballsOf(const EntryNumbers& line, int perLine)
{
    BallSet set = 0;
    for (int p = 0; p < perLine; ++p) {
        if (line[p] >= 1 && line[p] <= 63)
            set |= BallSet{1} << line[p];
    }
    return set;
}

SuggestOutcome ended(SuggestEnd end, int added, QString message = {})
{
    return {end, added, std::move(message)};
}

class CandidateMaker
{
public:
    CandidateMaker(const std::vector<DrawRecord>& draws, int gameId, const QDate& rulesDate, RandomSource& random)
        : m_draws(draws)
        , m_perLine(GameCatalogue::mainCount(gameId))
        , m_highest(GameCatalogue::highestNumber(gameId, rulesDate))
        , m_random(random)
    {
    }

    // One attempt: position p takes the p-th main number of a random draw. Fails on draw 0 (the
    // rounding can pick it), a repeated number or a number the game does not draw on the rules' date.
    bool make(BallSet& balls) const
    {
        const double drawCount = static_cast<double>(m_draws.size());
        balls = 0;
        for (int p = 0; p < m_perLine; ++p) {
            const long long k = NumberText::roundHalfEven(m_random.fraction() * drawCount);
            if (k < 1)
                return false;
            const int n = m_draws[k - 1].numbers[p];
            if (n < 1 || n > m_highest)
                return false;
            const BallSet bit = BallSet{1} << n;
            if (balls & bit)
                return false;
            balls |= bit;
        }
        return true;
    }

    int perLine() const
    {
        return m_perLine;
    }

private:
    const std::vector<DrawRecord>& m_draws;
    int m_perLine;
    int m_highest;
    RandomSource& m_random;
};

bool sharesTooMuch(BallSet candidate, const std::vector<BallSet>& present, int mostShared)
{
    for (BallSet line : present) {
        if (std::popcount(candidate & line) > mostShared)
            return true;
    }
    return false;
}

EntryNumbers lineOf(BallSet balls)
{
    EntryNumbers line{};
    int slot = 0;
    for (int n = 1; n <= 63; ++n) {
        if (balls & (BallSet{1} << n))
            line[slot++] = static_cast<int16_t>(n);
    }
    return line;
}
} // namespace

namespace Suggest
{
QString noNumberText()
{
    return QStringLiteral("You have not specified a number to add. Please enter a number in: Enter No box");
}

QString alreadyHaveText()
{
    return QStringLiteral("You already have this number of entries or more.");
}

QString limitText()
{
    return QStringLiteral("You are limited to a maximum of 2500 entries");
}

QString tooFewDrawsText()
{
    return QStringLiteral("You do not have sufficient draws (at least 20) in the results file for the computer to "
                          "suggest entries. You must add them manually using the area above.");
}
} // namespace Suggest

SuggestOutcome SuggestLines(const std::vector<EntryNumbers>& existing,
                            const std::vector<DrawRecord>& draws,
                            const SuggestRequest& request,
                            RandomSource& random,
                            const Suggest::AppendLine& append,
                            const Suggest::YieldHook& yield)
{
    const double wanted = request.wanted;
    if (!(wanted >= 1))
        return ended(SuggestEnd::Refused, 0, Suggest::noNumberText());
    const auto present = static_cast<double>(existing.size());
    if (request.mode == SuggestMode::Total) {
        if (wanted <= request.shownCount)
            return ended(SuggestEnd::Refused, 0, Suggest::alreadyHaveText());
    } else if (present + wanted > Suggest::AdditionalLimit) {
        return ended(SuggestEnd::Refused, 0, Suggest::limitText());
    }
    if (draws.size() < static_cast<size_t>(Suggest::MinimumDraws))
        return ended(SuggestEnd::Refused, 0, Suggest::tooFewDrawsText());

    const long long toMake =
        NumberText::roundHalfEven(request.mode == SuggestMode::Total ? wanted - request.shownCount : wanted);
    const CandidateMaker maker(draws, request.gameId, request.rulesDate, random);
    std::vector<BallSet> lines;
    lines.reserve(existing.size() + static_cast<size_t>(std::min<long long>(toMake, Suggest::AdditionalLimit)));
    for (const EntryNumbers& line : existing)
        lines.push_back(ballsOf(line, maker.perLine()));

    int added = 0;
    while (added < toMake) {
        // The overlap allowed follows the lines present now, which grow during the run.
        const int mostShared = static_cast<double>(lines.size()) + wanted < Suggest::OverlapThreshold
                                   ? Suggest::NarrowOverlap
                                   : Suggest::WideOverlap;
        BallSet candidate = 0;
        int failed = 0;
        while (!maker.make(candidate) || sharesTooMuch(candidate, lines, mostShared)) {
            if (++failed >= Suggest::MaxFailedAttempts) {
                return ended(SuggestEnd::Exhausted,
                             added,
                             QStringLiteral("%1 of %2 lines were added. No further line was found in %3 attempts: "
                                            "the draws in the results file give no line of distinct numbers that "
                                            "shares few enough numbers with the lines already present.")
                                 .arg(added)
                                 .arg(toMake)
                                 .arg(Suggest::MaxFailedAttempts));
            }
            if (failed % Suggest::AttemptsPerYield == 0 && yield())
                return ended(SuggestEnd::Cancelled, added);
        }
        QString error;
        if (!append(lineOf(candidate), &error))
            return ended(SuggestEnd::WriteFailed, added, error);
        ++added;
        lines.push_back(candidate);
        if (yield())
            return ended(SuggestEnd::Cancelled, added);
    }
    return ended(SuggestEnd::Completed, added);
}
