#include "HistoryListing.h"

bool HistoryListing::add(const ListingEntry& entry)
{
    if (m_limitReached)
        return false;
    if (++m_listedLines > PageCapacity) {
        if (m_pageIndex < PageCount - 1) {
            ++m_pageIndex;
            m_listedLines = 1;
        } else {
            m_limitReached = true;
            return false;
        }
    }
    m_pages[m_pageIndex].push_back(entry);
    return true;
}

int HistoryListing::pageIndex() const
{
    return m_pageIndex;
}

int HistoryListing::listedLines() const
{
    return m_listedLines;
}

bool HistoryListing::limitReached() const
{
    return m_limitReached;
}

const std::vector<ListingEntry>& HistoryListing::page(int page) const
{
    static const std::vector<ListingEntry> none;
    return page >= 0 && page < PageCount ? m_pages[page] : none;
}
