#include "model/numbers.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

using namespace quillmark;

namespace {

constexpr double DOUBLE_MAX = std::numeric_limits<double>::max();
constexpr double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();
constexpr double INFINITE = std::numeric_limits<double>::infinity();

} // namespace

TEST(NumbersTest, TextToNumberReadsTheLeadingNumber)
{
    struct Case {
        const char* text;
        double number;
    };
    const Case cases[] = {
        {"", 0},       {"abc", 0},       {"12abc", 12},  {"-7.5", -7.5},  {".5", 0.5},
        {"-.5", -0.5}, {"5.", 5},        {" 12", 12},    {"\t 3", 3},     {"+3", 3},
        {"1e5", 1},    {"1.5e5", 1.5},   {"1.2.3", 1.2}, {"000123", 123}, {"0x10", 0},
        {"-", 0},      {".", 0},         {"-.", 0},      {"- 5", 0},      {"--5", 0},
        {"12 34", 12}, {"65535", 65535}, {"inf", 0},     {"nan", 0},      {"-0", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToNumber(c.text), c.number) << '"' << c.text << '"';
}

TEST(NumbersTest, TextToNumberSaturatesInsteadOfOverflowing)
{
    const std::string nines300(300, '9');
    EXPECT_TRUE(std::isfinite(TextToNumber(nines300)));
    EXPECT_GT(TextToNumber(nines300), 9.99e299);

    const std::string digits400 = "1" + std::string(399, '0');
    EXPECT_EQ(TextToNumber(digits400), DOUBLE_MAX);
    EXPECT_EQ(TextToNumber("-" + digits400 + ".5"), -DOUBLE_MAX);

    const double tiny = TextToNumber("0." + std::string(400, '0') + "1");
    EXPECT_GE(tiny, 0.0);
    EXPECT_LT(tiny, 1e-300);
}

TEST(NumbersTest, TruncationSaturatesAndMapsNaNToZero)
{
    constexpr auto MIN32 = std::numeric_limits<std::int32_t>::min();
    constexpr auto MAX32 = std::numeric_limits<std::int32_t>::max();
    struct Case {
        double value;
        std::int32_t expected;
    };
    const Case cases[] = {
        {0, 0},
        {2.9, 2},
        {-2.9, -2},
        {2147483647.0, MAX32},
        {2147483647.9, MAX32},
        {2147483648.0, MAX32},
        {-2147483648.0, MIN32},
        {-2147483648.9, MIN32},
        {1e300, MAX32},
        {-1e300, MIN32},
        {INFINITE, MAX32},
        {-INFINITE, MIN32},
        {NOT_A_NUMBER, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TruncToInt32(c.value), c.expected) << c.value;

    EXPECT_EQ(TruncToInt32(TextToNumber("-99999999999")), MIN32);

    constexpr auto MIN64 = std::numeric_limits<std::int64_t>::min();
    constexpr auto MAX64 = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(TruncToInt64(-2.9), -2);
    EXPECT_EQ(TruncToInt64(9007199254740992.0), 9007199254740992);
    EXPECT_EQ(TruncToInt64(0x1p63), MAX64);
    EXPECT_EQ(TruncToInt64(-0x1p63), MIN64);
    EXPECT_EQ(TruncToInt64(1e19), MAX64);
    EXPECT_EQ(TruncToInt64(-1e19), MIN64);
    EXPECT_EQ(TruncToInt64(NOT_A_NUMBER), 0);
    EXPECT_EQ(TruncToInt64(TextToNumber(std::string(400, '9'))), MAX64);
}

TEST(NumbersTest, NumberToTextWritesPlainDecimal)
{
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {105, "105"},
        {-100, "-100"},
        {1.5, "1.5"},
        {-0.25, "-0.25"},
        {0.1 + 0.2, "0.3"}, // nine digits hide the double's last bits
        {1e9, "1000000000"},
        {123456789012.0, "123456789000"}, // nine significant digits, the rest zeros, not an exponent
        {1e-7, "0.0000001"},
        {-2.5e-7, "-0.00000025"},
        {static_cast<float>(1.4173225), "1.41732252"},
        {28.3464508, "28.3464508"},
        {NOT_A_NUMBER, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberToText(c.value), c.text) << c.value;
}

TEST(NumbersTest, NumberToTextHasNoExponentEvenForExtremes)
{
    const std::string huge = NumberToText(1e300);
    EXPECT_EQ(huge.size(), 301u);
    EXPECT_EQ(huge.find_first_not_of('0', 1), std::string::npos) << huge;
    EXPECT_EQ(huge.front(), '1');

    for (double value : {DOUBLE_MAX, -DOUBLE_MAX, INFINITE, -INFINITE, 4.9e-324, -1e-300}) {
        const std::string text = NumberToText(value);
        EXPECT_EQ(text.find_first_not_of("-.0123456789"), std::string::npos) << text;
        EXPECT_TRUE(std::isfinite(TextToNumber(text))) << text;
        EXPECT_EQ(std::signbit(TextToNumber(text)), std::signbit(value)) << text;
    }
}

TEST(NumbersTest, EveryFloatSurvivesTextAndBack)
{
    // A million bit patterns spread over all finite floats, both signs, denormals included.
    for (std::uint64_t bits = 1; bits < 0x1'0000'0000; bits += 4093) {
        const auto value = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
        if (!std::isfinite(value)) continue;
        const std::string text = NumberToText(value);
        ASSERT_EQ(static_cast<float>(TextToNumber(text)), value) << text;
    }
    const float module = static_cast<float>(1.4173225);
    EXPECT_EQ(static_cast<float>(TextToNumber(NumberToText(module))), module);
}

TEST(NumbersTest, NarrowToFloatSaturates)
{
    const float most = std::numeric_limits<float>::max();
    EXPECT_EQ(NarrowToFloat(1e300), most);
    EXPECT_EQ(NarrowToFloat(-1e300), -most);
    EXPECT_EQ(NarrowToFloat(std::numeric_limits<double>::quiet_NaN()), 0.0f);
    EXPECT_EQ(NarrowToFloat(1.4173225), 1.4173225f);
}
