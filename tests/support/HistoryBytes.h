// HistoryBytes: whole history files for tests, built the way the program stores draws: the first
// count official National 6/49 draws, or weekly Super 7 draws made up from the draw number.
#pragma once

#include "HistoryImage.h"
#include "RealDraws.h"

#include <QDate>

#include <algorithm>

inline QByteArray officialHistory(int count)
{
    static const std::vector<DrawRecord> real = loadRealDraws();
    HistoryImage image;
    for (int i = 0; i < count; ++i) {
        const DrawRecord& r = real[i];
        image.insert(1, r.day, r.month, r.year, r.numbers, r.bonus);
    }
    return image.bytes();
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
