#include "model/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace quillmark {

namespace {

// Where the leading number of a text lies: blanks, then an optional sign, then digits with at most one point.
struct NumberSpan {
    std::size_t start = 0; // first digit or point
    std::size_t end = 0;   // one past the number
    bool negative = false;
    bool anyDigit = false;
    bool nonZeroBeforePoint = false;
};

NumberSpan ScanNumber(std::string_view text)
{
    NumberSpan span;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) span.negative = text[i++] == '-';

    span.start = i;
    while (i < text.size() && IsDigit(text[i])) {
        span.anyDigit = true;
        span.nonZeroBeforePoint |= text[i] != '0';
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            span.anyDigit = true;
            ++i;
        }
    }
    span.end = i;
    return span;
}

} // namespace

double TextToNumber(std::string_view text)
{
    const NumberSpan span = ScanNumber(text);
    if (!span.anyDigit) return 0;

    // from_chars is given exactly the digits and the point, so it can take neither an exponent nor a sign.
    double value = 0;
    const auto [ptr, ec] =
        std::from_chars(text.data() + span.start, text.data() + span.end, value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range)
        value = span.nonZeroBeforePoint ? std::numeric_limits<double>::max() : 0.0;
    else if (ec != std::errc{})
        return 0;
    return span.negative ? -value : value;
}

bool IsNumberText(std::string_view text)
{
    if (text.empty()) return true;
    const NumberSpan span = ScanNumber(text);
    return span.anyDigit && span.end == text.size();
}

std::string NumberToText(double value)
{
    // NaN has no text a reader would take; an infinity is written as the largest finite number.
    if (std::isnan(value) || value == 0) return "0";
    if (std::isinf(value)) value = std::copysign(std::numeric_limits<double>::max(), value);

    // Rounded to nine significant digits by to_chars as d.dddddddde±x, then spelled out without the exponent.
    constexpr int PRECISION = 8;
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, PRECISION);
    const std::string_view sci(buffer, static_cast<std::size_t>(result.ptr - buffer));

    const bool negative = sci.front() == '-';
    const std::size_t first = negative ? 1 : 0;
    const std::size_t e = sci.find('e');
    std::string digits;
    digits += sci[first];
    digits += sci.substr(first + 2, e - first - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string_view expText = sci.substr(e + 1);
    if (expText.front() == '+') expText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);

    std::string text = negative ? "-" : "";
    if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= wholeDigits) {
            text += digits;
            text.append(wholeDigits - digits.size(), '0');
        } else {
            text += digits.substr(0, wholeDigits);
            text += '.';
            text += digits.substr(wholeDigits);
        }
    }
    return text;
}

namespace {

template <typename Int>
Int Trunc(double value)
{
    // The bounds are powers of two, exact in a double: min is -2^(n-1), max + 1 is 2^(n-1).
    constexpr double LOW = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr double HIGH = -LOW;
    if (std::isnan(value)) return 0;
    if (value >= HIGH) return std::numeric_limits<Int>::max();
    if (value <= LOW) return std::numeric_limits<Int>::min();
    return static_cast<Int>(value);
}

} // namespace

float NarrowToFloat(double value)
{
    constexpr double MAX = std::numeric_limits<float>::max();
    if (std::isnan(value)) return 0;
    return static_cast<float>(std::clamp(value, -MAX, MAX));
}

std::int32_t TruncToInt32(double value)
{
    return Trunc<std::int32_t>(value);
}

std::int64_t TruncToInt64(double value)
{
    return Trunc<std::int64_t>(value);
}

} // namespace quillmark
