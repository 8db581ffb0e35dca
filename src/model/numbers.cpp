#include "model/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace quillmark {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

double TextToNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';

    // The number proper is digits with at most one point; from_chars is then given exactly that, so it can
    // neither take an exponent nor a second sign.
    const std::size_t start = i;
    bool anyDigit = false;
    bool nonZeroBeforePoint = false;
    while (i < text.size() && IsDigit(text[i])) {
        anyDigit = true;
        nonZeroBeforePoint |= text[i] != '0';
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            anyDigit = true;
            ++i;
        }
    }
    if (!anyDigit) return 0;

    double value = 0;
    const auto [ptr, ec] =
        std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range)
        value = nonZeroBeforePoint ? std::numeric_limits<double>::max() : 0.0;
    else if (ec != std::errc{})
        return 0;
    return negative ? -value : value;
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

std::int32_t TruncToInt32(double value)
{
    return Trunc<std::int32_t>(value);
}

std::int64_t TruncToInt64(double value)
{
    return Trunc<std::int64_t>(value);
}

} // namespace quillmark
