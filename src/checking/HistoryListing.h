// HistoryListing: the history check's listing cut into four pages of 32,730 lines. Entries are
// kept compact (which draw or which line with which prize) and turned into text only when a page
// row is shown, so a full listing costs half a megabyte and no string building during the check.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

struct ListingEntry
{
    int32_t index = 0; // draw index for a draw line, entry line index for a hit line (both 0-based)
    int8_t row = 0;    // 0 = draw line, 1..9 = summary row of the hit
};

class HistoryListing
{
public:
    static constexpr int PageCapacity = 32730;
    static constexpr int PageCount = 4;
    static constexpr int Capacity = PageCapacity * PageCount;

    // Counts one listing line and keeps it unless all four pages are full; returns whether it was kept.
    bool add(const ListingEntry& entry);

    // The page now being filled, 0..3.
    int pageIndex() const;
    // Lines on the page now being filled.
    int listedLines() const;
    bool limitReached() const;
    const std::vector<ListingEntry>& page(int page) const;

private:
    std::array<std::vector<ListingEntry>, PageCount> m_pages;
    int m_pageIndex = 0;
    int m_listedLines = 0;
    bool m_limitReached = false;
};
