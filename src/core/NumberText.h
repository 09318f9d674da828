// NumberText: the one rule by which typed or imported text becomes a number, and the two-digit
// form in which numbers are shown. Every box, import and pattern reader goes through here so that
// "7.5", " 12abc" and "" mean the same thing everywhere.
#pragma once

#include <QString>
#include <QStringView>

namespace NumberText
{
// The number formed by the text's leading characters: blanks are skipped, an optional sign, digits
// and an optional decimal part are taken; anything else ends the number. No number gives 0.
double leadingValue(QStringView text);

// Rounds to the nearest whole number with halves going to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Values beyond the range of long long are clamped.
long long roundHalfEven(double value);

// leadingValue followed by roundHalfEven.
long long wholeNumber(QStringView text);

// "07" for 7, "12" for 12: numbers below 10 get a leading zero.
QString twoDigits(int number);
} // namespace NumberText
