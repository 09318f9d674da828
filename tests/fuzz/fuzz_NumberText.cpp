// Fuzz target for number text, the one rule by which typed and imported text becomes a number.
// Blanks anywhere and anything after the number change nothing, a leading minus negates, plain
// decimals read as the C library reads them, and rounding lands on the nearest whole number with
// ties going to the even one.
#include "FuzzSupport.h"
#include "NumberText.h"

#include <cmath>
#include <cstring>

namespace
{
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// "  -12.5"-like texts: blanks, a sign, at most 15 digits, a point and at most 6 more digits.
bool isPlainDecimal(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    const qsizetype start = i;
    while (i < text.size() && text[i].unicode() >= '0' && text[i].unicode() <= '9')
        ++i;
    const qsizetype whole = i - start;
    qsizetype fraction = 0;
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < text.size() && text[i].unicode() >= '0' && text[i].unicode() <= '9')
            ++i, ++fraction;
    }
    return i == text.size() && whole >= 1 && whole <= 15 && fraction <= 6;
}

void checkRounding(double value)
{
    const long long whole = NumberText::roundHalfEven(value);
    if (std::isnan(value)) {
        FUZZ_CHECK(whole == 0);
        return;
    }
    if (std::fabs(value) >= 9.0e15)
        return; // beyond exact whole numbers; only the clamping at the ends is promised
    const double gap = std::fabs(static_cast<double>(whole) - value);
    FUZZ_CHECK(gap <= 0.5);
    if (gap == 0.5)
        FUZZ_CHECK(whole % 2 == 0);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t form = in.byte();
    const QByteArray bytes = in.rest();
    const QString text = form & 1 ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);

    const double value = NumberText::leadingValue(text);
    FUZZ_CHECK(!std::isnan(value));
    FUZZ_CHECK(NumberText::leadingValue(text + QLatin1String("x1")) == value);
    QString unblanked = text;
    unblanked.removeIf(isBlank);
    FUZZ_CHECK(NumberText::leadingValue(unblanked) == value);

    const bool signedText = unblanked.startsWith(QLatin1Char('-')) || unblanked.startsWith(QLatin1Char('+'));
    if (!signedText)
        FUZZ_CHECK(NumberText::leadingValue(QLatin1Char('-') + text) == -value);

    if (isPlainDecimal(text)) {
        const QByteArray latin = unblanked.toLatin1();
        FUZZ_CHECK(value == std::strtod(latin.constData(), nullptr));
    }

    checkRounding(value);
    double raw = 0;
    std::memcpy(&raw, bytes.constData(), std::min<size_t>(sizeof raw, bytes.size()));
    checkRounding(raw);
    return 0;
}
