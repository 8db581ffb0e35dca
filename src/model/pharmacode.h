#pragma once

#include <string>
#include <string_view>

// The Pharmacode rule and the check that keeps a part's text a number the rule can carry.
//
// Numbering the bars from the right from 0, bar i is worth 2^i when narrow and 2^(i+1) when wide; the
// value of a code is the sum. Every whole number from 1 to 65534 has exactly one pattern of 1 to 15 bars.
namespace quillmark {

inline constexpr int PART_MAX = 65534;

// The bar pattern of the number in `text`: "N" narrow, "W" wide, leftmost bar first. Empty for 0, for the
// empty text and for anything that is not a positive number; numbers above 65534 give fifteen bars that do
// not carry them.
std::string DecToBinary(std::string_view text);

bool InputFilter1(std::string_view text);  // only the digits 0 to 9 (true for the empty text)
bool InputFilter2(std::string_view text);  // the number is not above 65534
std::string ChopIt(std::string_view text); // the text without its last character

enum class EntryError { None, NumbersOnly, TooLarge };

// The message the alert window shows for an entry error ("" for None).
std::string_view EntryMessage(EntryError error);

struct EntryCheck {
    EntryError error = EntryError::None;
    std::string text; // what the field must hold after the check
};

// The check run when the user changes a part field from `before` to `after`. A text that breaks the rule
// (a non-digit anywhere, or a number above 65534) is refused as a whole: the field goes back to `before`,
// and the first rule broken is reported. Should `before` break the rule too, its last characters are
// dropped until it keeps it.
EntryCheck CheckEntry(std::string_view before, std::string_view after);

// The longest start of `text` that keeps the rule (the empty text keeps it).
std::string ValidPart(std::string_view text);

} // namespace quillmark
