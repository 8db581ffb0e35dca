#include "model/dimensions.h"

#include "model/code_model.h"
#include "model/globals.h"

#include <gtest/gtest.h>

#include <string>

using namespace quillmark;

namespace {

Globals StartGlobals()
{
    CodeModel model;
    Globals globals;
    SetInitialState(model, globals);
    return globals;
}

const char* NameOf(Dimension dimension)
{
    switch (dimension) {
    case Dimension::Mag:
        return "mag";
    case Dimension::Height:
        return "height";
    case Dimension::GuardBar:
        return "bwa";
    case Dimension::Margin:
        return "margin";
    }
    return "?";
}

} // namespace

TEST(DimensionsTest, InitialState)
{
    CodeModel model;
    model.parts = {"1", "2", "3", "4", "5"};
    model.colours.fill(WHITE);
    Globals globals;
    globals.theCodeWidth = 42;
    globals.theRat = 1.5f;
    globals.theFormatSize = 3;

    SetInitialState(model, globals);

    CodeModel expected;
    expected.magText = "100";
    expected.heightText = "10";
    expected.guardBarText = "0";
    expected.marginText = "10";
    EXPECT_EQ(model, expected);
    EXPECT_EQ(model.colours[2], BLACK);

    EXPECT_EQ(globals.theIS, 5.0);
    EXPECT_EQ(globals.theCR, "\r");
    EXPECT_EQ(globals.PPM, 0.002834645f);
    EXPECT_EQ(globals.theModule, static_cast<float>(0.002834645 * 500));
    EXPECT_FLOAT_EQ(globals.theModule, 1.4173225f);
    EXPECT_FLOAT_EQ(globals.theConA, 0.3527779f);
    EXPECT_FLOAT_EQ(globals.theConZ, 2.834645f);
    EXPECT_FLOAT_EQ(globals.theConZ, 2 * globals.theModule); // a millimetre is two modules

    // What the last rendering left is not start-up state.
    EXPECT_EQ(globals.theCodeWidth, 42);
    EXPECT_EQ(globals.theRat, 1.5f);
    EXPECT_EQ(globals.theFormatSize, 3);
}

TEST(DimensionsTest, LimitsAndSteps)
{
    struct Case {
        Dimension dimension;
        DimensionLimits limits;
    };
    const Case cases[] = {
        {Dimension::Mag, {50, 500, 5}},
        {Dimension::Height, {5, 100, 5}},
        {Dimension::GuardBar, {-100, 250, 5}},
        {Dimension::Margin, {5, 30, 1}},
    };
    const Globals globals = StartGlobals();
    for (const auto& c : cases) {
        const DimensionLimits limits = LimitsOf(globals, c.dimension);
        EXPECT_EQ(limits.low, c.limits.low) << NameOf(c.dimension);
        EXPECT_EQ(limits.high, c.limits.high) << NameOf(c.dimension);
        EXPECT_EQ(limits.step, c.limits.step) << NameOf(c.dimension);
    }
}

TEST(DimensionsTest, DimensionTextNamesTheField)
{
    CodeModel model;
    DimensionText(model, Dimension::Mag) = "m";
    DimensionText(model, Dimension::Height) = "h";
    DimensionText(model, Dimension::GuardBar) = "g";
    DimensionText(model, Dimension::Margin) = "q";
    EXPECT_EQ(model.magText, "m");
    EXPECT_EQ(model.heightText, "h");
    EXPECT_EQ(model.guardBarText, "g");
    EXPECT_EQ(model.marginText, "q");
    const CodeModel& view = model;
    EXPECT_EQ(&DimensionText(view, Dimension::Margin), &model.marginText);
}

TEST(DimensionsTest, LimitsCompareTheNumberUnrounded)
{
    struct Case {
        const char* text;
        int limit;
        bool notBelow;
        bool notAbove;
    };
    const Case cases[] = {
        {"", 5, false, true},   // the empty text counts as 0
        {"abc", 0, true, true}, // so does a text that is not a number
        {"abc", 30, false, true},       {"4.9", 5, false, true},     {"5", 5, true, true},
        {"500", 500, true, true},       {"500.5", 500, true, false}, {"-100", -100, true, true},
        {"-100.01", -100, false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LowerLimit(c.text, c.limit), c.notBelow) << '"' << c.text << "\" " << c.limit;
        EXPECT_EQ(UpperLimit(c.text, c.limit), c.notAbove) << '"' << c.text << "\" " << c.limit;
    }
}

TEST(DimensionsTest, RoundItGoesToTheNearestMultiple)
{
    struct Case {
        const char* text;
        int step;
        const char* rounded;
    };
    const Case cases[] = {
        {"102.5", 5, "105"}, {"97.49", 5, "95"}, {"-7.5", 5, "-5"},   {"12.4", 1, "12"}, {"", 5, "0"},
        {"abc", 5, "0"},     {"2.5", 5, "5"},    {"-2.5", 5, "0"},    {"-1", 5, "0"},    {"7", 5, "5"},
        {"8", 5, "10"},      {"12.5", 1, "13"},  {"-12.5", 1, "-12"}, {"500", 5, "500"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundIt(c.text, c.step), c.rounded) << '"' << c.text << "\" " << c.step;
}

TEST(DimensionsTest, RoundItOfAHugeNumberStaysPlainText)
{
    for (const std::string& text :
         {std::string(400, '9'), "-" + std::string(400, '9'), std::string(300, '9')}) {
        const std::string rounded = RoundIt(text, 5);
        EXPECT_EQ(rounded.find_first_not_of("-0123456789"), std::string::npos) << rounded.substr(0, 20);
        EXPECT_GT(rounded.size(), 300u);
    }
}

TEST(DimensionsTest, ClampDimensionReplacesByTheLimitOnly)
{
    struct Case {
        const char* text;
        DimensionLimits limits;
        const char* clamped;
    };
    constexpr DimensionLimits MARGIN{5, 30, 1};
    constexpr DimensionLimits BWA{-100, 250, 5};
    const Case cases[] = {
        {"50", MARGIN, "30"},
        {"2", MARGIN, "5"},
        {"7.3", MARGIN, "7.3"}, // not snapped to the step
        {"", MARGIN, "5"},
        {"30abc", MARGIN, "30abc"},
        {"1000", {50, 500, 5}, "500"},
        {"-1000", BWA, "-100"},
        {"", BWA, ""}, // 0 is within -100 to 250
        {"250.1", BWA, "250"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClampDimension(c.text, c.limits), c.clamped) << '"' << c.text << '"';
}

TEST(DimensionsTest, StepGoesToTheNextMultipleWithinTheLimits)
{
    struct Case {
        Dimension dimension;
        std::string text;
        StepDirection direction;
        const char* stepped;
        const char* why;
    };
    constexpr auto UP = StepDirection::Up;
    constexpr auto DOWN = StepDirection::Down;
    const Case cases[] = {
        {Dimension::Height, "10", UP, "15", "one step up"},
        {Dimension::Height, "10", DOWN, "5", "one step down"},
        {Dimension::Height, "7", UP, "10", "a typed value goes to the next multiple up"},
        {Dimension::Height, "7", DOWN, "5", "and to the one below"},
        {Dimension::Mag, "100", UP, "105", "magnification"},
        {Dimension::Mag, "500", UP, "500", "at the top"},
        {Dimension::Mag, "50", DOWN, "50", "at the bottom"},
        {Dimension::Mag, "1000", DOWN, "500", "a typed value above the top"},
        {Dimension::GuardBar, "0", DOWN, "-5", "below zero"},
        {Dimension::GuardBar, "-100", DOWN, "-100", "at the bottom of the adjustment"},
        {Dimension::GuardBar, "4.99", UP, "10", "the adjustment goes up by 0.01 more"},
        {Dimension::Height, "4.99", UP, "5", "than the others"},
        {Dimension::Margin, "10", UP, "11", "step 1"},
        {Dimension::Margin, "10", DOWN, "9", "step 1"},
        {Dimension::Height, "abc", UP, "5", "letters count as 0"},
        {Dimension::Margin, std::string(400, '9'), DOWN, "30", "a huge number"},
        {Dimension::GuardBar, "-" + std::string(400, '9'), UP, "-100", "a huge negative number"},
    };
    const Globals globals = StartGlobals();
    for (const auto& c : cases)
        EXPECT_EQ(StepDimension(c.text, c.dimension, globals, c.direction), c.stepped)
            << NameOf(c.dimension) << ": " << c.why;
}

TEST(DimensionsTest, HeldArrowStepsRepeatedly)
{
    const Globals globals = StartGlobals();
    std::string mag = "100";
    for (int i = 0; i < 10; ++i)
        mag = StepDimension(mag, Dimension::Mag, globals, StepDirection::Up);
    EXPECT_EQ(mag, "150");

    std::string bwa = "0";
    for (int i = 0; i < 30; ++i)
        bwa = StepDimension(bwa, Dimension::GuardBar, globals, StepDirection::Down);
    EXPECT_EQ(bwa, "-100");
}

TEST(DimensionsTest, FieldRulesClampDimensionsAndCutParts)
{
    CodeModel model;
    model.magText = "999999999";
    model.heightText = "";
    model.guardBarText = "7.3";
    model.marginText = "50";
    model.parts = {"12a", "65535", "", "abc", "000123"};

    ApplyFieldRules(model, StartGlobals());

    EXPECT_EQ(model.magText, "500");
    EXPECT_EQ(model.heightText, "5");
    EXPECT_EQ(model.guardBarText, "7.3");
    EXPECT_EQ(model.marginText, "30");
    const std::array<std::string, PART_COUNT> parts{"12", "6553", "", "", "000123"};
    EXPECT_EQ(model.parts, parts);
}

TEST(DimensionsTest, FieldRulesLeaveOnlyTheNumberThatIsDrawn)
{
    CodeModel model;
    Globals globals;
    SetInitialState(model, globals);
    model.guardBarText = "12abc";
    model.heightText = "";
    model.marginText = "7.3";
    model.magText = " 150";
    ApplyFieldRules(model, globals);
    EXPECT_EQ(model.guardBarText, "12");
    EXPECT_EQ(model.heightText, "5"); // empty reads as 0, below the lowest height
    EXPECT_EQ(model.marginText, "7.3");
    EXPECT_EQ(model.magText, " 150");
}
