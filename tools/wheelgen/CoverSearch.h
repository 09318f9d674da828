// CoverSearch: looks for a set of lines that meets every K-subset of a group in at least M
// positions, by simulated annealing on the number of unmet subsets. Each move swaps one position of
// one line towards an unmet subset; only subsets whose match crosses M change, so a move costs a
// few hundred counter look-ups instead of a full recount.
//
// Some hard wheels are found far faster when the search keeps a symmetry: the lines then come in
// orbits of a permutation of the positions, a move changes a whole orbit, and the search space
// shrinks by the permutation's order. Others yield to a walk instead of annealing: each step meets
// one unmet subset by the best single swap, and subsets that stay unmet at dead ends weigh more.
#pragma once

#include "SearchRandom.h"
#include "SubsetIndex.h"

#include <cstdint>
#include <vector>

struct SearchShape
{
    int balls;    // N
    int lineSize; // L
    int drawn;    // K
    int match;    // M
    int lines;    // how many lines the design may use
};

// Lines kept invariant under a permutation of the positions: `orbits` lines each bring all their
// images (order of the permutation many), the remaining lines of the shape are free.
struct SearchSymmetry
{
    std::vector<int> permutation; // position p (0-based) goes to permutation[p]; empty: none
    int orbits = 0;
};

// The annealing schedule. The starting temperature is measured, not guessed: it is a multiple of
// the average worsening of a move, whatever the size of the wheel.
struct SearchTuning
{
    double hot = 0.3;       // starting temperature as a multiple of the average worsening
    double cold = 0.15;     // temperature at which a cycle ends (a loss of 1 is then kept ~0.1%)
    double cooling = 0.99;  // factor applied every period
    uint64_t period = 2000; // moves per temperature step
    double focus = 0.6;     // share of moves that change a line already closest to the subset
    double noise = -1;      // >= 0: walk instead of annealing, with this share of random repairs
};

class CoverSearch
{
public:
    // Everything the search does follows from the seed; the same seed gives the same lines.
    CoverSearch(const SearchShape& shape,
                uint64_t seed,
                const SearchSymmetry& symmetry = {},
                const SearchTuning& tuning = {});

    // Starts from random lines (whole orbits where a symmetry is kept). Fixed lines take the last
    // places of the design and are never changed: a smaller wheel that the search extends.
    void start(const std::vector<uint32_t>& fixedLines = {});
    // Makes at most maxMoves further moves; true as soon as every subset is met.
    bool run(uint64_t maxMoves);

    int unmet() const;
    int fewestUnmet() const;
    uint64_t moves() const;
    const std::vector<uint32_t>& lines() const;

private:
    struct Move
    {
        std::size_t line;
        uint32_t from; // bit leaving the line
        uint32_t to;   // bit entering it
    };

    uint32_t randomLine();
    uint32_t randomBit(uint32_t mask);
    uint32_t image(uint32_t mask, int power) const;
    uint32_t pickUnmet();
    Move proposeMove();
    int measure(const Move& move);
    long long weighedChange(const Move& move);
    void apply(const Move& move, int delta);
    // Makes the move, on every line of its orbit, and returns the change in unmet subsets.
    int perform(const Move& move);
    int trialMove(const Move& move);
    void walkStep();
    void addLine(uint32_t line);
    template <typename F> void forEachNear(uint32_t mask, int size, F& f) const;
    void setTemperature(double temperature);
    template <typename F> void forEachChange(uint32_t line, uint32_t from, uint32_t to, F& f);

    SearchShape m_shape;
    SearchTuning m_tuning;
    SearchRandom m_random;
    SubsetIndex m_index;
    uint32_t m_all;
    std::vector<std::vector<int>> m_powers; // m_powers[j][p]: position p under the j-th power
    std::size_t m_order = 1;                // lines per orbit
    std::size_t m_orbitLines = 0;           // lines 0..m_orbitLines-1 form orbits, in order
    std::size_t m_movable = 0;              // lines from here on are fixed
    std::vector<uint32_t> m_lines;
    std::vector<uint16_t> m_met;     // per subset index: how many lines meet it in >= M positions
    std::vector<uint8_t> m_listed;   // per subset index: the subset is in m_open
    std::vector<uint32_t> m_weight;  // per subset index: weight in a weighted walk
    std::vector<uint32_t> m_open;    // unmet subsets (masks); entries met since are dropped when drawn
    std::vector<uint32_t> m_outside; // scratch: (K-M)-subsets outside the changed line
    std::vector<std::size_t> m_ties; // scratch: lines closest to the chosen subset
    std::vector<Move> m_repairs;     // scratch: swaps that would meet the chosen subset
    int m_unmet = 0;
    int m_fewest = 0;
    uint64_t m_moves = 0;
    double m_hot = 1.0;
    double m_temperature = 1.0;
    std::vector<double> m_acceptChance; // per worsening d: chance of keeping the move
};
