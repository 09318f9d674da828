#include "CoverSearch.h"

#include <algorithm>
#include <bit>

namespace
{
// Calls f(base | subset) for every r-subset of the n positions elems[0..n-1].
template <typename F> void forEachSubset(const int* elems, int n, int r, uint32_t base, F& f)
{
    if (r == 0) {
        f(base);
        return;
    }
    for (int i = 0; i + r <= n; ++i)
        forEachSubset(elems + i + 1, n - i - 1, r - 1, base | (uint32_t{1} << elems[i]), f);
}

int elementsOf(uint32_t mask, int* out)
{
    int n = 0;
    while (mask) {
        out[n++] = std::countr_zero(mask);
        mask &= mask - 1;
    }
    return n;
}

// exp(y) for y <= 0 from additions, multiplications and halvings only, which IEEE arithmetic rounds
// the same everywhere; a library exp may differ in the last bit and change a recorded search.
double portableExp(double y)
{
    int squarings = 0;
    while (y < -1.0 / 1024) {
        y /= 2;
        ++squarings;
    }
    double r = 1 + y * (1 + y / 2 * (1 + y / 3 * (1 + y / 4 * (1 + y / 5))));
    while (squarings-- > 0)
        r *= r;
    return r;
}

constexpr uint64_t CalibrationMoves = 1000;
} // namespace

CoverSearch::CoverSearch(const SearchShape& shape,
                         uint64_t seed,
                         const SearchSymmetry& symmetry,
                         const SearchTuning& tuning)
    : m_shape(shape)
    , m_tuning(tuning)
    , m_random(seed)
    , m_index(shape.balls, shape.drawn)
    , m_all((uint32_t{1} << shape.balls) - 1)
{
    std::vector<int> identity(static_cast<std::size_t>(shape.balls));
    for (int p = 0; p < shape.balls; ++p)
        identity[static_cast<std::size_t>(p)] = p;
    m_powers.push_back(identity);
    if (symmetry.permutation.size() == identity.size() && symmetry.orbits > 0) {
        for (;;) {
            std::vector<int> next(identity.size());
            for (std::size_t p = 0; p < next.size(); ++p)
                next[p] = symmetry.permutation[static_cast<std::size_t>(m_powers.back()[p])];
            if (next == identity)
                break;
            m_powers.push_back(next);
        }
        m_order = m_powers.size();
        m_orbitLines =
            std::min(m_order * static_cast<std::size_t>(symmetry.orbits), static_cast<std::size_t>(shape.lines));
        m_orbitLines -= m_orbitLines % m_order;
    }
}

int CoverSearch::unmet() const
{
    return m_unmet;
}

int CoverSearch::fewestUnmet() const
{
    return m_fewest;
}

uint64_t CoverSearch::moves() const
{
    return m_moves;
}

const std::vector<uint32_t>& CoverSearch::lines() const
{
    return m_lines;
}

uint32_t CoverSearch::randomBit(uint32_t mask)
{
    uint32_t k = m_random.below(static_cast<uint32_t>(std::popcount(mask)));
    while (k--)
        mask &= mask - 1;
    return mask & (~mask + 1);
}

uint32_t CoverSearch::randomLine()
{
    uint32_t line = 0;
    while (std::popcount(line) < m_shape.lineSize)
        line |= uint32_t{1} << m_random.below(static_cast<uint32_t>(m_shape.balls));
    return line;
}

uint32_t CoverSearch::image(uint32_t mask, int power) const
{
    const std::vector<int>& map = m_powers[static_cast<std::size_t>(power)];
    uint32_t result = 0;
    for (; mask; mask &= mask - 1)
        result |= uint32_t{1} << map[static_cast<std::size_t>(std::countr_zero(mask))];
    return result;
}

// Calls f(set) for every `size`-subset of the positions that meets `mask` in at least M positions.
template <typename F> void CoverSearch::forEachNear(uint32_t mask, int size, F& f) const
{
    int inside[32];
    int outside[32];
    const int nIn = elementsOf(mask, inside);
    const int nOut = elementsOf(m_all & ~mask, outside);
    for (int i = m_shape.match; i <= std::min(nIn, size); ++i) {
        if (size - i > nOut)
            continue;
        auto withInside = [&](uint32_t part) { forEachSubset(outside, nOut, size - i, part, f); };
        forEachSubset(inside, nIn, i, 0, withInside);
    }
}

void CoverSearch::addLine(uint32_t line)
{
    auto touch = [this](uint32_t subset) {
        if (m_met[m_index(subset)]++ == 0)
            --m_unmet;
    };
    forEachNear(line, m_shape.drawn, touch);
}

void CoverSearch::start(const std::vector<uint32_t>& fixedLines)
{
    m_met.assign(m_index.size(), 0);
    m_listed.assign(m_index.size(), 0);
    m_open.clear();
    m_moves = 0;
    m_lines.clear();
    while (m_lines.size() < m_orbitLines) {
        const uint32_t line = randomLine();
        for (std::size_t j = 0; j < m_order; ++j)
            m_lines.push_back(image(line, static_cast<int>(j)));
    }
    const std::size_t total = static_cast<std::size_t>(m_shape.lines);
    m_movable = total - std::min(fixedLines.size(), total - m_lines.size());
    while (m_lines.size() < m_movable)
        m_lines.push_back(randomLine());
    m_lines.insert(
        m_lines.end(), fixedLines.begin(), fixedLines.begin() + static_cast<std::ptrdiff_t>(total - m_movable));

    m_unmet = static_cast<int>(m_index.size());
    for (uint32_t line : m_lines)
        addLine(line);
    int elems[32];
    const int n = elementsOf(m_all, elems);
    auto list = [this](uint32_t subset) {
        const uint32_t at = m_index(subset);
        if (m_met[at] == 0) {
            m_listed[at] = 1;
            m_open.push_back(subset);
        }
    };
    forEachSubset(elems, n, m_shape.drawn, 0, list);
    m_fewest = m_unmet;
    if (m_unmet == 0)
        return;

    // Measure what a typical worsening move costs; worsening trial moves are undone.
    double worse = 0;
    int worseCount = 0;
    for (uint64_t i = 0; i < CalibrationMoves && m_unmet > 0; ++i) {
        const int delta = trialMove(proposeMove());
        if (delta > 0) {
            worse += delta;
            ++worseCount;
        }
    }
    m_hot = m_tuning.hot * (worseCount > 0 ? worse / worseCount : 1.0);
    setTemperature(m_hot);
}

void CoverSearch::setTemperature(double temperature)
{
    m_temperature = temperature;
    m_acceptChance.clear();
    const double one = portableExp(-1.0 / temperature);
    double chance = 1.0;
    while (chance > 1e-12 && m_acceptChance.size() < 100000) {
        m_acceptChance.push_back(chance);
        chance *= one;
    }
}

uint32_t CoverSearch::pickUnmet()
{
    for (;;) {
        const uint32_t at = m_random.below(static_cast<uint32_t>(m_open.size()));
        const uint32_t subset = m_open[at];
        const uint32_t slot = m_index(subset);
        if (m_met[slot] == 0)
            return subset;
        m_open[at] = m_open.back();
        m_open.pop_back();
        m_listed[slot] = 0;
    }
}

// Calls f(gone, come) for the subsets whose match with the line crosses M when `from` is
// replaced by `to`: they meet the kept part of the line in exactly M-1 positions, and hold
// `from` (then they lose the line) or `to` (then they gain it).
template <typename F> void CoverSearch::forEachChange(uint32_t line, uint32_t from, uint32_t to, F& f)
{
    int kept[32];
    int outside[32];
    const int nKept = elementsOf(line & ~from, kept);
    const int nOut = elementsOf(m_all & ~line & ~to, outside);
    m_outside.clear();
    auto keep = [this](uint32_t part) { m_outside.push_back(part); };
    forEachSubset(outside, nOut, m_shape.drawn - m_shape.match, 0, keep);
    auto pair = [&](uint32_t part) {
        for (uint32_t rest : m_outside)
            f(part | rest | from, part | rest | to);
    };
    forEachSubset(kept, nKept, m_shape.match - 1, 0, pair);
}

// A line closest to an unmet subset (or, sometimes, any line) gives up a position the subset
// lacks for one the subset holds.
CoverSearch::Move CoverSearch::proposeMove()
{
    const uint32_t target = pickUnmet();
    std::size_t chosen;
    if (m_random.unit() < m_tuning.focus) {
        int best = -1;
        m_ties.clear();
        for (std::size_t i = 0; i < m_movable; ++i) {
            const int shared = std::popcount(m_lines[i] & target);
            if (shared > best) {
                best = shared;
                m_ties.clear();
            }
            if (shared == best)
                m_ties.push_back(i);
        }
        chosen = m_ties[m_random.below(static_cast<uint32_t>(m_ties.size()))];
    } else {
        chosen = m_random.below(static_cast<uint32_t>(m_movable));
    }
    const uint32_t line = m_lines[chosen];
    return {chosen, randomBit(line & ~target), randomBit(target & ~line)};
}

int CoverSearch::measure(const Move& move)
{
    int lost = 0;
    int gained = 0;
    auto count = [&](uint32_t gone, uint32_t come) {
        lost += m_met[m_index(gone)] == 1;
        gained += m_met[m_index(come)] == 0;
    };
    forEachChange(m_lines[move.line], move.from, move.to, count);
    return lost - gained;
}

// The walk's view of a move: unmet subsets count by their weight, which grows while they stay
// unmet at a dead end, so the walk is pushed towards the subsets that keep resisting.
long long CoverSearch::weighedChange(const Move& move)
{
    long long change = 0;
    auto count = [&](uint32_t gone, uint32_t come) {
        const uint32_t goneAt = m_index(gone);
        const uint32_t comeAt = m_index(come);
        if (m_met[goneAt] == 1)
            change += m_weight[goneAt];
        if (m_met[comeAt] == 0)
            change -= m_weight[comeAt];
    };
    forEachChange(m_lines[move.line], move.from, move.to, count);
    return change;
}

void CoverSearch::apply(const Move& move, int delta)
{
    const uint32_t line = m_lines[move.line];
    auto change = [this](uint32_t gone, uint32_t come) {
        const uint32_t goneAt = m_index(gone);
        if (--m_met[goneAt] == 0 && !m_listed[goneAt]) {
            m_listed[goneAt] = 1;
            m_open.push_back(gone);
        }
        ++m_met[m_index(come)];
    };
    forEachChange(line, move.from, move.to, change);
    m_lines[move.line] = (line & ~move.from) | move.to;
    m_unmet += delta;
}

int CoverSearch::perform(const Move& move)
{
    if (move.line >= m_orbitLines) {
        const int delta = measure(move);
        apply(move, delta);
        return delta;
    }
    // Carry the swap back to the orbit's first line, then out to every line of the orbit.
    const std::size_t first = move.line - move.line % m_order;
    const int back = static_cast<int>((m_order - move.line % m_order) % m_order);
    const uint32_t from = image(move.from, back);
    const uint32_t to = image(move.to, back);
    int delta = 0;
    for (std::size_t j = 0; j < m_order; ++j) {
        const Move single{first + j, image(from, static_cast<int>(j)), image(to, static_cast<int>(j))};
        const int step = measure(single);
        apply(single, step);
        delta += step;
    }
    return delta;
}

// Returns the move's change in unmet subsets, keeping the move only if it does not worsen.
int CoverSearch::trialMove(const Move& move)
{
    if (move.line >= m_orbitLines) {
        const int delta = measure(move);
        if (delta <= 0)
            apply(move, delta);
        return delta;
    }
    const int delta = perform(move);
    if (delta > 0)
        perform({move.line, move.to, move.from});
    return delta;
}

// One step of a walk: an unmet subset is met by the best single swap that achieves it, or by a
// random such swap with probability `noise`.
void CoverSearch::walkStep()
{
    const uint32_t target = pickUnmet();
    m_repairs.clear();
    for (std::size_t i = m_orbitLines; i < m_movable; ++i) {
        const uint32_t line = m_lines[i];
        if (std::popcount(line & target) != m_shape.match - 1)
            continue;
        for (uint32_t to = target & ~line; to; to &= to - 1) {
            for (uint32_t from = line & ~target; from; from &= from - 1)
                m_repairs.push_back({i, from & (~from + 1), to & (~to + 1)});
        }
    }
    Move chosen{};
    if (m_repairs.empty()) {
        // No line is one swap away: bring a closest line one position nearer.
        int best = -1;
        m_ties.clear();
        for (std::size_t i = m_orbitLines; i < m_movable; ++i) {
            const int shared = std::popcount(m_lines[i] & target);
            if (shared > best) {
                best = shared;
                m_ties.clear();
            }
            if (shared == best)
                m_ties.push_back(i);
        }
        const std::size_t line = m_ties[m_random.below(static_cast<uint32_t>(m_ties.size()))];
        chosen = {line, randomBit(m_lines[line] & ~target), randomBit(target & ~m_lines[line])};
    } else if (m_random.unit() < m_tuning.noise) {
        chosen = m_repairs[m_random.below(static_cast<uint32_t>(m_repairs.size()))];
    } else {
        long long bestChange = 0;
        uint32_t ties = 0;
        for (const Move& candidate : m_repairs) {
            const long long change = weighedChange(candidate);
            if (ties == 0 || change < bestChange) {
                bestChange = change;
                chosen = candidate;
                ties = 1;
            } else if (change == bestChange && m_random.below(++ties) == 0) {
                chosen = candidate;
            }
        }
        // A dead end: make the subsets that are still unmet weigh more.
        if (bestChange >= 0) {
            for (uint32_t subset : m_open) {
                const uint32_t at = m_index(subset);
                if (m_met[at] == 0)
                    ++m_weight[at];
            }
        }
    }
    apply(chosen, measure(chosen));
}

bool CoverSearch::run(uint64_t maxMoves)
{
    if (m_tuning.noise >= 0 && m_orbitLines < m_movable) {
        m_weight.resize(m_met.size(), 1);
        for (uint64_t step = 0; step < maxMoves && m_unmet > 0; ++step) {
            ++m_moves;
            walkStep();
            m_fewest = std::min(m_fewest, m_unmet);
        }
        return m_unmet == 0;
    }
    for (uint64_t step = 0; step < maxMoves && m_unmet > 0; ++step) {
        ++m_moves;
        if (m_moves % m_tuning.period == 0) {
            const double cooler = m_temperature * m_tuning.cooling;
            setTemperature(cooler < m_tuning.cold ? m_hot : cooler);
        }
        const Move move = proposeMove();
        // Decide first whether a worsening would be kept, so one random draw serves either case.
        const double draw = m_random.unit();
        auto keep = [&](int delta) {
            const auto d = static_cast<std::size_t>(delta);
            return draw < (d < m_acceptChance.size() ? m_acceptChance[d] : 0.0);
        };
        if (move.line >= m_orbitLines) {
            const int delta = measure(move);
            if (delta <= 0 || keep(delta))
                apply(move, delta);
        } else {
            const int delta = perform(move);
            if (delta > 0 && !keep(delta))
                perform({move.line, move.to, move.from});
        }
        m_fewest = std::min(m_fewest, m_unmet);
    }
    return m_unmet == 0;
}
