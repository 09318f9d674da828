// RecordByRecord: the optimiser's link count and the filter's marking done the straightforward
// way, reading and writing one record at a time with marks kept in the working copy. Benchmarks
// use them as baselines.
#pragma once

#include "DrawRecord.h"
#include "GameCatalogue.h"
#include "RecordFile.h"

#include <array>
#include <cstdint>

namespace RecordByRecord
{
constexpr int MarkOffset = 26;
using Table = std::array<std::array<int, GameCatalogue::HighestOfAll + 1>, GameCatalogue::HighestOfAll + 1>;

inline int numberOf(const QByteArray& record, int i)
{
    return RecordFile::get16(record, 12 + 2 * i);
}

// One pass over the range for every ball 1..M; a number above its draw's own range links nothing.
inline Table linkTable(const RecordFile& history, int gameId, int first, int last)
{
    Table table{};
    const int k = GameCatalogue::mainCount(gameId);
    for (int b = 1; b <= GameCatalogue::highestEver(gameId); ++b) {
        for (int r = first; r <= last; ++r) {
            const QByteArray draw = history.record(r);
            const int m = GameCatalogue::highestNumber(gameId, DrawRecord::fromBytes(draw).date());
            bool drawn = false;
            for (int i = 0; i < k; ++i)
                drawn = drawn || numberOf(draw, i) == b;
            for (int i = 0; drawn && b <= m && i < k; ++i) {
                const int x = numberOf(draw, i);
                if (x != b && x >= 1 && x <= m)
                    ++table[b][x];
            }
        }
    }
    return table;
}

inline bool isMarked(const QByteArray& record)
{
    return RecordFile::get16(record, MarkOffset) == -1;
}

inline void mark(RecordFile& work, int r, QByteArray record, int16_t value = -1)
{
    RecordFile::put16(record, MarkOffset, value);
    work.setRecord(r, record);
}

// Working copy of n lines, all unmarked.
inline RecordFile workingCopy(const RecordFile& entries, int n)
{
    RecordFile work(entries.recordLength(), entries.bytes());
    for (int r = 1; r <= n; ++r)
        mark(work, r, work.record(r), 0);
    return work;
}

inline int markSums(RecordFile& work, int n, int gameId, int low, int high)
{
    int marked = 0;
    for (int r = 1; r <= n; ++r) {
        const QByteArray record = work.record(r);
        int sum = 0;
        for (int i = 0; i < GameCatalogue::mainCount(gameId); ++i)
            sum += numberOf(record, i);
        if (sum > high || sum < low) {
            mark(work, r, record);
            ++marked;
        }
    }
    return marked;
}

// Every unmarked reference against every other unmarked line, both directions.
inline int markCoverage(RecordFile& work, int n, int gameId, int threshold)
{
    const int k = GameCatalogue::mainCount(gameId);
    int marked = 0;
    for (int i = 1; i <= n; ++i) {
        const QByteArray a = work.record(i);
        if (isMarked(a))
            continue;
        for (int j = 1; j <= n; ++j) {
            const QByteArray b = work.record(j);
            if (j == i || isMarked(b))
                continue;
            int shared = 0;
            for (int p = 0; p < k; ++p) {
                for (int q = 0; q < k; ++q)
                    shared += numberOf(b, p) == numberOf(a, q);
            }
            if (shared >= threshold) {
                mark(work, j, b);
                ++marked;
            }
        }
    }
    return marked;
}
} // namespace RecordByRecord
