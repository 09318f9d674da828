#include "DrawRecord.h"

#include "DateText.h"
#include "GameCatalogue.h"
#include "RecordFile.h"

namespace
{
// " 05" / " 12": a blank, then two digits.
QString field(int value)
{
    return (value < 10 ? QStringLiteral(" 0") : QStringLiteral(" ")) + QString::number(value);
}
} // namespace

DrawRecord DrawRecord::fromBytes(const QByteArray& bytes)
{
    DrawRecord r;
    r.count = RecordFile::get32(bytes, 0);
    r.position = RecordFile::get16(bytes, 4);
    r.day = RecordFile::get16(bytes, 6);
    r.month = RecordFile::get16(bytes, 8);
    r.year = RecordFile::get16(bytes, 10);
    for (int i = 0; i < 7; ++i)
        r.numbers[i] = RecordFile::get16(bytes, 12 + 2 * i);
    r.bonus = RecordFile::get16(bytes, 26);
    return r;
}

QByteArray DrawRecord::toBytes() const
{
    QByteArray bytes(Size, '\0');
    RecordFile::put32(bytes, 0, count);
    RecordFile::put16(bytes, 4, position);
    RecordFile::put16(bytes, 6, day);
    RecordFile::put16(bytes, 8, month);
    RecordFile::put16(bytes, 10, year);
    for (int i = 0; i < 7; ++i)
        RecordFile::put16(bytes, 12 + 2 * i, numbers[i]);
    RecordFile::put16(bytes, 26, bonus);
    return bytes;
}

int DrawRecord::dateKey() const
{
    return DateText::DateKey(day, month, year);
}

QDate DrawRecord::date() const
{
    return QDate(year, month, day);
}

bool DrawRecord::isOn(int d, int m, int y) const
{
    return day == d && month == m && year == y;
}

QString DrawRecord::listLine(int gameId) const
{
    QString line = position >= 0 ? QStringLiteral("%1").arg(position, 5, 10, QLatin1Char('0')) : QString::number(position);
    line += field(day) + field(month) + QLatin1Char(' ') + QString::number(year) + QLatin1Char(':');
    for (int i = 0; i < GameCatalogue::mainCount(gameId); ++i)
        line += field(numbers[i]);
    return line + QStringLiteral(" BB") + field(bonus);
}
