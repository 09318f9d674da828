// DrawRecord: one draw of a history file, in the 28-byte little-endian record shape shared with
// entry files. Record 1 also carries the number of draws in its first four bytes.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <cstdint>

struct DrawRecord
{
    static constexpr int Size = 28;

    int32_t count = 0;
    int16_t position = 0;
    int16_t day = 0;
    int16_t month = 0;
    int16_t year = 0;
    std::array<int16_t, 7> numbers{}; // ascending main numbers; the seventh is 0 in 6/49 games
    int16_t bonus = 0;

    static DrawRecord fromBytes(const QByteArray& bytes);
    QByteArray toBytes() const;
    int dateKey() const;
    // The draw date; null when the record holds no real date (a damaged file).
    QDate date() const;
    bool isOn(int d, int m, int y) const;

    // The draw list line: position, date, ":" and the numbers, " BB" and the bonus (41 or 44 characters).
    QString listLine(int gameId) const;
};
