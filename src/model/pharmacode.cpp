#include "model/pharmacode.h"

#include "model/numbers.h"

#include <algorithm>
#include <cstdint>

namespace quillmark {

namespace {

constexpr int MAX_BARS = 15;
static_assert(PART_MAX == (1 << (MAX_BARS + 1)) - 2, "fifteen wide bars carry the largest part");

} // namespace

std::string DecToBinary(std::string_view text)
{
    std::int32_t n = TruncToInt32(TextToNumber(text));

    // k bars carry 2^k - 1 to 2^(k+1) - 2; numbers no count of bars can carry get the most there is.
    int barCount = 0;
    while (barCount < MAX_BARS && n > (std::int32_t{2} << barCount) - 2)
        ++barCount;

    // From the right: a bar whose place value 2^j divides what is left is wide (worth 2^j), otherwise narrow
    // (worth 2^(j-1)).
    std::string pattern(static_cast<std::size_t>(barCount), 'N');
    for (int j = 1; j <= barCount; ++j) {
        const std::int32_t p = std::int32_t{1} << j;
        const auto position = static_cast<std::size_t>(barCount - j);
        if (n % p == 0) {
            pattern[position] = 'W';
            n -= p;
        } else {
            n -= p / 2;
        }
    }
    return pattern;
}

bool InputFilter1(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), IsDigit);
}

bool InputFilter2(std::string_view text)
{
    return TextToNumber(text) <= PART_MAX;
}

std::string ChopIt(std::string_view text)
{
    return std::string(text.substr(0, text.empty() ? 0 : text.size() - 1));
}

std::string_view EntryMessage(EntryError error)
{
    switch (error) {
    case EntryError::None:
        return "";
    case EntryError::NumbersOnly:
        return "Numbers Only Please!";
    case EntryError::TooLarge:
        return "65534 is the MAX!";
    }
    return "";
}

namespace {

bool KeepsRule(std::string_view text)
{
    return InputFilter1(text) && InputFilter2(text);
}

} // namespace

EntryCheck CheckEntry(std::string_view before, std::string_view after)
{
    if (KeepsRule(after)) return {EntryError::None, std::string(after)};
    const EntryError error = InputFilter1(after) ? EntryError::TooLarge : EntryError::NumbersOnly;
    return {error, KeepsRule(before) ? std::string(before) : ValidPart(before)};
}

std::string ValidPart(std::string_view text)
{
    // The value of a run of digits only grows as digits are added, so the first digit that takes it past the
    // maximum ends the longest valid start, as does the first character that is not a digit.
    std::int32_t value = 0;
    std::size_t length = 0;
    for (; length < text.size() && IsDigit(text[length]); ++length) {
        value = value * 10 + (text[length] - '0');
        if (value > PART_MAX) break;
    }
    return std::string(text.substr(0, length));
}

} // namespace quillmark
