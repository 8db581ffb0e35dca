#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The program's conversions between field texts and numbers. A field text is read as its leading decimal
// number; numbers go back into fields, settings and PostScript as plain decimal text that a PostScript
// interpreter, the settings reader and a person all read the same way.
namespace quillmark {

constexpr bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The leading decimal number of `text` (optional sign, digits, optional fraction; leading blanks skipped),
// or 0 when the text does not begin with one. Never infinite: a number too large for a double saturates.
double TextToNumber(std::string_view text);

// Whether TextToNumber reads the whole text, so the text says no more and no less than its number. The
// empty text, which reads as 0, counts as a number.
bool IsNumberText(std::string_view text);

// Plain decimal text: "." as point, "-" for negatives, no exponent, whole values without a point, and nine
// significant digits, so that every 32-bit float reads back as the same float.
std::string NumberToText(double value);

// A double held as a float, saturating at the largest float: no text, however large its number, makes the
// narrowing undefined.
float NarrowToFloat(double value);

// Truncation toward zero that saturates at the ends of the range and maps NaN to 0.
std::int32_t TruncToInt32(double value);
std::int64_t TruncToInt64(double value);

} // namespace quillmark
