#include "NumberText.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace
{
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}
} // namespace

namespace NumberText
{
double leadingValue(QStringView text)
{
    QString digits;
    bool signSeen = false;
    bool digitSeen = false;
    bool pointSeen = false;
    for (QChar c : text) {
        if (isBlank(c))
            continue;
        if ((c == QLatin1Char('-') || c == QLatin1Char('+')) && !signSeen && !digitSeen && !pointSeen) {
            signSeen = true;
            digits.append(c);
        } else if (c.isDigit() && c.unicode() < 128) {
            digitSeen = true;
            digits.append(c);
        } else if (c == QLatin1Char('.') && !pointSeen) {
            pointSeen = true;
            digits.append(c);
        } else {
            break;
        }
    }
    if (!digitSeen)
        return 0.0;
    bool ok = false;
    const double value = digits.toDouble(&ok);
    return ok ? value : 0.0;
}

long long roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double limit = 9.0e18;
    if (value >= limit)
        return std::numeric_limits<long long>::max();
    if (value <= -limit)
        return std::numeric_limits<long long>::min();
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    return static_cast<long long>(rounded);
}

long long wholeNumber(QStringView text)
{
    return roundHalfEven(leadingValue(text));
}

QString twoDigits(int number)
{
    return number < 10 ? QLatin1Char('0') + QString::number(number) : QString::number(number);
}
} // namespace NumberText
