// HistoryBytes: whole history files for tests, built the way the program stores draws: the first
// count official National 6/49 draws, the official Lotto Max history, or weekly Super 7 draws made
// up from the draw number.
#pragma once

#include "HistoryImage.h"
#include "RealDraws.h"

#include <QDate>

#include <algorithm>

// The first count draws, stored one by one as adding them by hand would store them.
inline QByteArray storedHistory(const std::vector<DrawRecord>& draws, int gameId, int count)
{
    HistoryImage image;
    for (auto r = draws.begin(); r != draws.begin() + count; ++r)
        image.insert(gameId, r->day, r->month, r->year, r->numbers, r->bonus);
    return image.bytes();
}

inline QByteArray officialHistory(int count)
{
    static const std::vector<DrawRecord> real = loadRealDraws();
    return storedHistory(real, GameCatalogue::National, count);
}

// 1,273 draws from 25 September 2009 to 25 September 2026.
inline QByteArray lottoMaxHistory()
{
    static const std::vector<DrawRecord> real =
        loadRealDraws(QStringLiteral("lottomax-official.csv"), GameCatalogue::LottoMax);
    return storedHistory(real, GameCatalogue::LottoMax, static_cast<int>(real.size()));
}

// Fridays from 5 January 2001: seven distinct numbers and a bonus apart from them, all within 1..47.
inline QByteArray super7History(int count)
{
    HistoryImage image;
    QDate date(2001, 1, 5);
    for (int i = 0; i < count; ++i, date = date.addDays(7)) {
        std::array<int16_t, 7> n{};
        for (int j = 0; j < 7; ++j)
            n[j] = static_cast<int16_t>(1 + (i + 6 * j) % 47);
        std::sort(n.begin(), n.end());
        image.insert(2, date.day(), date.month(), date.year(), n, static_cast<int16_t>(1 + (i + 42) % 47));
    }
    return image.bytes();
}
