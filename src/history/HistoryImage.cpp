#include "HistoryImage.h"

#include "DateText.h"
#include "GameCatalogue.h"
#include "RecordFile.h"
#include "ResultsFile.h"

#include <algorithm>

namespace
{
void setDraw(DrawRecord& r, int gameId, int day, int month, int year, const std::array<int16_t, 7>& main, int16_t bonus)
{
    const int count = GameCatalogue::mainCount(gameId);
    for (int i = 0; i < count; ++i)
        r.numbers[i] = main[i];
    // A six-number draw leaves the seventh slot as the buffer held it.
    r.bonus = bonus;
    r.day = static_cast<int16_t>(day);
    r.month = static_cast<int16_t>(month);
    r.year = static_cast<int16_t>(year);
}
} // namespace

HistoryImage::HistoryImage(QByteArray fileBytes)
    : m_file(std::move(fileBytes))
{
    const RecordFile file(DrawRecord::Size, m_file);
    const int n = file.usableCount();
    m_draws.reserve(n);
    for (int k = 1; k <= n; ++k)
        m_draws.push_back(DrawRecord::fromBytes(file.record(k)));
    m_inDateOrder = std::is_sorted(m_draws.begin(), m_draws.end(), [](const DrawRecord& a, const DrawRecord& b) {
        return a.dateKey() < b.dateKey();
    });
}

int HistoryImage::count() const
{
    return static_cast<int>(m_draws.size());
}

const std::vector<DrawRecord>& HistoryImage::draws() const
{
    return m_draws;
}

int HistoryImage::insert(
    int gameId, int day, int month, int year, const std::array<int16_t, 7>& mainNumbers, int16_t bonus)
{
    const int n = count();
    if (n >= ResultsFile::MaxDraws)
        return 0;
    m_changed = true;
    if (n == 0) {
        // Built on record 1 as the file held it: zeros, or stale bytes behind a count of 0.
        DrawRecord r = DrawRecord::fromBytes(RecordFile(DrawRecord::Size, m_file).record(1));
        setDraw(r, gameId, day, month, year, mainNumbers, bonus);
        r.position = 1;
        r.count = 1;
        m_draws.push_back(r);
        return 1;
    }
    const int newKey = DateText::DateKey(day, month, year);
    // The first draw dated after the new one.
    const auto later =
        m_inDateOrder ? std::upper_bound(
            m_draws.begin(), m_draws.end(), newKey, [](int key, const DrawRecord& r) { return key < r.dateKey(); })
                      : std::find_if(m_draws.begin(), m_draws.end(), [newKey](const DrawRecord& r) {
                            return r.dateKey() > newKey;
                        });
    if (later == m_draws.end()) {
        // Append: record 1 takes the new count first, and the new record is built on its copy.
        m_draws.front().count = n + 1;
        DrawRecord r = m_draws.front();
        setDraw(r, gameId, day, month, year, mainNumbers, bonus);
        r.position = static_cast<int16_t>(n + 1);
        m_draws.push_back(r);
        return n + 1;
    }
    // The later records move up one place; the new draw is built on the record it displaces.
    const auto at = static_cast<int>(later - m_draws.begin());
    DrawRecord r = *later;
    for (auto it = later; it != m_draws.end(); ++it)
        ++it->position;
    setDraw(r, gameId, day, month, year, mainNumbers, bonus);
    r.position = static_cast<int16_t>(at + 1);
    m_draws.insert(m_draws.begin() + at, r);
    m_draws.front().count = n + 1;
    return at + 1;
}

QByteArray HistoryImage::bytes() const
{
    if (!m_changed)
        return m_file;
    QByteArray out;
    out.reserve(std::max<qsizetype>(m_file.size(), qsizetype(m_draws.size()) * DrawRecord::Size));
    for (const DrawRecord& r : m_draws)
        out += r.toBytes();
    if (m_file.size() > out.size())
        out += m_file.mid(out.size());
    return out;
}
