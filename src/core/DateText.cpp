#include "DateText.h"

#include <array>

namespace
{
constexpr std::array<const char*, 12> abbrevs{"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                              "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
}

namespace DateText
{
QString MonthAbbrev(int month)
{
    if (month < 1 || month > 12)
        return {};
    return QString::fromLatin1(abbrevs[month - 1]);
}

int monthFromAbbrev(const QString& abbrev)
{
    for (int m = 1; m <= 12; ++m) {
        if (abbrev.compare(QLatin1String(abbrevs[m - 1]), Qt::CaseInsensitive) == 0)
            return m;
    }
    return 0;
}

int DateKey(int day, int month, int year)
{
    return year * 10000 + month * 100 + day;
}

int weekdayNumber(const QDate& date)
{
    return date.dayOfWeek() % 7 + 1;
}
} // namespace DateText
