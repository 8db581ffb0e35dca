#include "model/pharmacode.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace quillmark;

namespace {

// Reads a pattern back by the rule alone: bar i from the right is worth 2^i narrow, 2^(i+1) wide.
// -1 for a letter that is not a bar.
long Decode(const std::string& pattern)
{
    long value = 0;
    long place = 1;
    for (auto bar = pattern.rbegin(); bar != pattern.rend(); ++bar, place *= 2) {
        if (*bar == 'N')
            value += place;
        else if (*bar == 'W')
            value += 2 * place;
        else
            return -1;
    }
    return value;
}

} // namespace

TEST(PharmacodeTest, PatternExamples)
{
    struct Case {
        const char* text;
        const char* pattern;
    };
    const Case cases[] = {
        {"0", ""},
        {"", ""},
        {"00", ""},
        {"1", "N"},
        {"2", "W"},
        {"3", "NN"},
        {"4", "NW"},
        {"5", "WN"},
        {"6", "WW"},
        {"7", "NNN"},
        {"12", "WNW"},
        {"100", "WNNWNW"},
        {"1234", "NNWWNWNNWW"},
        {"16382", "WWWWWWWWWWWWW"}, // the largest value of thirteen bars
        {"16383", "NNNNNNNNNNNNNN"},
        {"65534", "WWWWWWWWWWWWWWW"},
        {"000123", "WWWWNN"}, // leading zeros do not count
        {"12.9", "WNW"},      // the number is truncated
        {"-5", ""},
        {"abc", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecToBinary(c.text), c.pattern) << '"' << c.text << '"';
}

TEST(PharmacodeTest, EveryPartValueDecodesBackWithTheFewestBars)
{
    std::set<std::string> patterns;
    int countOfLength[16] = {};
    for (int n = 1; n <= PART_MAX; ++n) {
        const std::string pattern = DecToBinary(std::to_string(n));
        ASSERT_EQ(Decode(pattern), n) << pattern;
        // k bars carry no less than 2^k - 1, so a shorter pattern cannot carry n.
        const auto length = pattern.size();
        ASSERT_GE(length, 1u);
        ASSERT_LE(length, 15u);
        ASSERT_LE((1L << length) - 1, n) << pattern;
        ++countOfLength[length];
        patterns.insert(pattern);
    }
    EXPECT_EQ(patterns.size(), static_cast<std::size_t>(PART_MAX));
    // Each of the 2^k patterns of k bars is some value's pattern.
    for (int length = 1; length <= 15; ++length)
        EXPECT_EQ(countOfLength[length], 1 << length) << length;
}

TEST(PharmacodeTest, NumbersAboveTheMaximumGiveFifteenBars)
{
    for (const char* text : {"65535", "100000", "99999999999", "9999999999999999999999999"}) {
        const std::string pattern = DecToBinary(text);
        EXPECT_EQ(pattern.size(), 15u) << text;
        EXPECT_EQ(pattern.find_first_not_of("NW"), std::string::npos) << text;
    }
}

TEST(PharmacodeTest, Filters)
{
    struct Case {
        const char* text;
        bool digitsOnly;
        bool notTooLarge;
    };
    const Case cases[] = {
        {"", true, true},       {"0", true, true},        {"65534", true, true},
        {"65535", true, false}, {"0065534", true, true},  {"99999999999999999999", true, false},
        {"12a", false, true},   {"1.5", false, true},     {"-1", false, true},
        {" 1", false, true},    {"70000x", false, false}, {"\xC2\xB2", false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InputFilter1(c.text), c.digitsOnly) << '"' << c.text << '"';
        EXPECT_EQ(InputFilter2(c.text), c.notTooLarge) << '"' << c.text << '"';
    }
}

TEST(PharmacodeTest, ChopItDropsTheLastByte)
{
    EXPECT_EQ(ChopIt(""), "");
    EXPECT_EQ(ChopIt("1"), "");
    EXPECT_EQ(ChopIt("12a"), "12");
    EXPECT_EQ(ChopIt("65535"), "6553");
}

TEST(PharmacodeTest, EntryMessages)
{
    EXPECT_EQ(EntryMessage(EntryError::None), "");
    EXPECT_EQ(EntryMessage(EntryError::NumbersOnly), "Numbers Only Please!");
    EXPECT_EQ(EntryMessage(EntryError::TooLarge), "65534 is the MAX!");
}

TEST(PharmacodeTest, CheckEntryKeepsOrRefusesTheWholeChange)
{
    struct Case {
        const char* before;
        const char* after;
        EntryError error;
        const char* text;
        const char* why;
    };
    const Case cases[] = {
        {"1", "12", EntryError::None, "12", "a digit typed at the end"},
        {"", "", EntryError::None, "", "the empty text"},
        {"123", "", EntryError::None, "", "the field cleared"},
        {"6553", "65534", EntryError::None, "65534", "the maximum itself"},
        {"123", "000123", EntryError::None, "000123", "leading zeros are kept as typed"},
        {"12", "12a", EntryError::NumbersOnly, "12", "a letter typed at the end"},
        {"6553", "65535", EntryError::TooLarge, "6553", "one above the maximum"},
        {"5", "51x2", EntryError::NumbersOnly, "5", "a paste holding a letter is refused as a whole"},
        {"7000", "70000", EntryError::TooLarge, "7000", "a zero typed in the middle"},
        {"6000", "67000", EntryError::TooLarge, "6000",
         "a digit typed in the middle, not the last one, is at fault"},
        {"1", "1.", EntryError::NumbersOnly, "1", "the point of 1.5"},
        {"", "1.5", EntryError::NumbersOnly, "", "1.5 pasted at once"},
        {"", "99999a", EntryError::NumbersOnly, "", "both rules broken: the letter is reported"},
        {"12a", "12ab", EntryError::NumbersOnly, "12", "a broken text before is cut to its valid start"},
        {"70000", "700001", EntryError::TooLarge, "7000", "a too large text before is cut too"},
    };
    for (const auto& c : cases) {
        const EntryCheck check = CheckEntry(c.before, c.after);
        EXPECT_EQ(check.error, c.error) << c.why;
        EXPECT_EQ(check.text, c.text) << c.why;
    }
}

TEST(PharmacodeTest, ValidPartIsTheLongestStartThatKeepsTheRule)
{
    struct Case {
        std::string text;
        std::string valid;
    };
    const Case cases[] = {
        {"", ""},
        {"12a", "12"},
        {"a12", ""},
        {"1.5", "1"},
        {"65534", "65534"},
        {"65535", "6553"},
        {"000070000", "00007000"},
        {std::string(10000, '9'), "9999"},
        {std::string(10000, '0') + "7", std::string(10000, '0') + "7"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValidPart(c.text), c.valid) << c.text.substr(0, 20);
}
