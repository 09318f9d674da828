// HistoryCheck: every entry line against every draw of a record range, summed per prize category
// and listed draw by draw. Lines and draws become 64-bit number masks once, so a line-draw
// comparison is one AND and one bit count. The check runs in steps of a few draws so a window can
// show progress and stop it between steps; a stopped check keeps what it gathered.
#pragma once

#include "DrawRecord.h"
#include "EntryFile.h"
#include "GameCatalogue.h"
#include "HistoryListing.h"

#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// Records first..last of a history, numbered from 1 as in the file.
struct HistoryRange
{
    int first = 1;
    int last = 0;
    int drawCount() const
    {
        return last - first + 1;
    }
};

class HistoryCheck
{
public:
    static constexpr int RowCount = 9;

    // The draws from the first at or after the start key up to the one on the end key (or the last
    // before it). Empty (no value) when that holds no draw or the start lies after the newest draw.
    static std::optional<HistoryRange> findRange(const std::vector<DrawRecord>& draws, int startKey, int endKey);

    // Summary rows in use: 5 for the 6/49 games, 7 for Super 7, 9 for Lotto Max.
    static int rowCount(int gameId);
    // Summary row of a score under the prize table of a draw's period, 0 when it wins nothing. A
    // game keeps one set of rows through all its periods: a prize lands on the row of its label.
    static int rowOf(const GamePeriod& rules, int matches, bool bonus);
    static QString summaryLabel(int gameId, int row); // "Match 5 + BB"
    static QString hitLabel(int gameId, int row);     // "Hit 5+BB"

    // The range must lie within the draws; a range outside them is cut to fit.
    HistoryCheck(std::vector<EntryNumbers> lines, std::vector<DrawRecord> draws, int gameId, HistoryRange range);

    // Checks up to maxDraws further draws of the range; returns true when the range is done.
    bool step(int maxDraws);
    // Steps to the end, reporting the draws done after each step; stops early (keeping the partial
    // result) once cancel is set. Returns true when every draw of the range was checked.
    bool run(const std::function<void(int drawsDone)>& progress = {}, const std::atomic_bool* cancel = nullptr);

    bool isDone() const;
    int drawsDone() const;
    int drawCount() const;
    int lineCount() const;
    int gameId() const;
    // Wins of summary row 1..RowCount; 0 for other rows.
    long long count(int row) const;
    const HistoryListing& listing() const;
    // Text of a listing entry: "05 JAN  2003" or "03 11 19 27 38 45 Hit 5+BB".
    QString text(const ListingEntry& entry) const;

private:
    using RowTable = std::array<uint8_t, 16>; // summary row by matches * 2 + bonus

    void checkDraw(int drawIndex);
    void scoreIrregularLines(const DrawRecord& draw, const RowTable& rows, std::vector<int>& winners) const;

    std::vector<EntryNumbers> m_lines;
    std::vector<DrawRecord> m_draws;
    int m_gameId;
    int m_mainCount;
    int m_first = 0; // 0-based draw indexes, last exclusive
    int m_end = 0;
    int m_next = 0;
    std::vector<uint64_t> m_masks;     // one per line; 0 for irregular lines, which never win by mask
    std::vector<int> m_irregularLines; // lines with repeated numbers or numbers outside 0..63
    std::vector<RowTable> m_rowTables; // one per period of the game, oldest first
    GameCatalogue::PeriodCursor m_periods;
    std::array<long long, RowCount + 1> m_counts{};
    std::vector<int> m_winners; // line * 16 + row of the current draw's winners
    HistoryListing m_listing;
};
