// DateText: month abbreviations, the DateKey that orders draws, and weekday numbering.
#pragma once

#include <QDate>
#include <QString>

namespace DateText
{
// "JAN".."DEC" for 1..12; "" for any other value.
QString MonthAbbrev(int month);
// Month number 1..12 of an abbreviation, 0 when it is none.
int monthFromAbbrev(const QString& abbrev);
// year*10000 + month*100 + day: draws sort by this key.
int DateKey(int day, int month, int year);
// Sunday 1 .. Saturday 7.
int weekdayNumber(const QDate& date);
} // namespace DateText
