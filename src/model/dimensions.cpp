#include "model/dimensions.h"

#include "model/code_model.h"
#include "model/globals.h"
#include "model/numbers.h"
#include "model/pharmacode.h"

#include <cassert>
#include <cmath>

namespace quillmark {

DimensionLimits LimitsOf(const Globals& globals, Dimension dimension)
{
    switch (dimension) {
    case Dimension::Mag:
        return {globals.MagLow, globals.MagHigh, globals.MagStep};
    case Dimension::Height:
        return {globals.HeightLow, globals.HeightHigh, globals.HeightStep};
    case Dimension::GuardBar:
        return {globals.BWALow, globals.BWAHigh, globals.BWAStep};
    case Dimension::Margin:
        return {globals.MarginLow, globals.MarginHigh, globals.MarginStep};
    }
    assert(false);
    return {};
}

std::string& DimensionText(CodeModel& model, Dimension dimension)
{
    switch (dimension) {
    case Dimension::Mag:
        return model.magText;
    case Dimension::Height:
        return model.heightText;
    case Dimension::GuardBar:
        return model.guardBarText;
    case Dimension::Margin:
        return model.marginText;
    }
    assert(false);
    return model.magText;
}

const std::string& DimensionText(const CodeModel& model, Dimension dimension)
{
    return DimensionText(const_cast<CodeModel&>(model), dimension);
}

void SetInitialState(CodeModel& model, Globals& globals)
{
    model.colours.fill(BLACK);
    for (std::string& part : model.parts)
        part.clear();
    model.magText = "100";
    model.marginText = "10";
    model.heightText = "10";
    model.guardBarText = "0";

    globals.theIS = 5.0;

    globals.MagHigh = 500;
    globals.MagLow = 50;
    globals.MarginHigh = 30;
    globals.MarginLow = 5;
    globals.HeightHigh = 100;
    globals.HeightLow = 5;
    globals.BWAHigh = 250;
    globals.BWALow = -100;

    // 72 / 25400 points per micrometre, cut after nine decimals. Every constant is worked out in double from
    // it and only the result is narrowed, so the float roundings do not pile up.
    constexpr double POINTS_PER_MICROMETRE = 0.002834645;
    constexpr double MODULE_PT = POINTS_PER_MICROMETRE * 500;
    constexpr double MM_PER_PT = (1 / MODULE_PT) / 2;
    globals.PPM = static_cast<float>(POINTS_PER_MICROMETRE);
    globals.theModule = static_cast<float>(MODULE_PT);
    globals.theConA = static_cast<float>(MM_PER_PT);
    globals.theConZ = static_cast<float>(1 / MM_PER_PT);

    globals.MagStep = 5;
    globals.MarginStep = 1;
    globals.HeightStep = 5;
    globals.BWAStep = 5;

    globals.theCR = "\r";
}

bool LowerLimit(std::string_view text, std::int32_t limit)
{
    return !(TextToNumber(text) < limit);
}

bool UpperLimit(std::string_view text, std::int32_t limit)
{
    return !(TextToNumber(text) > limit);
}

std::string RoundIt(std::string_view text, std::int32_t step)
{
    assert(step != 0);
    // The 0.001 sends a value exactly halfway between two multiples to the upper one, below zero too. All in
    // double: a value far out of range must not pass through an integer.
    const double q = TextToNumber(text) / step + 0.001;
    return NumberToText(std::round(q) * step);
}

std::string ClampDimension(std::string_view text, DimensionLimits limits)
{
    std::string clamped(text);
    if (!UpperLimit(clamped, limits.high)) clamped = NumberToText(limits.high);
    if (!LowerLimit(clamped, limits.low)) clamped = NumberToText(limits.low);
    return clamped;
}

std::string StepDimension(std::string_view text, Dimension dimension, const Globals& globals,
                          StepDirection direction)
{
    const DimensionLimits limits = LimitsOf(globals, dimension);
    // Half a step then rounding lands on the next multiple in the direction of the press. Going down, and
    // going up for the bar width adjustment, the extra 0.01 tips a value just short of halfway over.
    const double half = limits.step / 2.0;
    double value = TextToNumber(text);
    if (direction == StepDirection::Up)
        value += half + (dimension == Dimension::GuardBar ? 0.01 : 0.0);
    else
        value -= half + 0.01;
    return ClampDimension(RoundIt(NumberToText(value), limits.step), limits);
}

void ApplyFieldRules(CodeModel& model, const Globals& globals)
{
    for (Dimension dimension : DIMENSIONS) {
        // A text with more than its number ("12abc") shows and saves just the number, which is what is drawn.
        std::string& text = DimensionText(model, dimension);
        if (!IsNumberText(text)) text = NumberToText(TextToNumber(text));
        text = ClampDimension(text, LimitsOf(globals, dimension));
    }
    for (std::string& part : model.parts)
        part = ValidPart(part);
}

} // namespace quillmark
