#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The four dimensions that fix the printed size of a code, their units, limits and steps.
//
// With mag = magnification / 100 and bwa = adjustment in points, a narrow bar is theModule * mag + bwa
// points, a wide bar theModule * mag * 3 + bwa and a gap theModule * mag * 2 - bwa: the adjustment widens
// every bar and narrows every gap, so the bar pitch stays. Height and quiet zones are not magnified.
namespace quillmark {

struct CodeModel;
struct Globals;

enum class Dimension { Mag, Height, GuardBar, Margin };
inline constexpr std::array<Dimension, 4> DIMENSIONS{Dimension::Mag, Dimension::Height, Dimension::GuardBar,
                                                     Dimension::Margin};

struct DimensionLimits {
    std::int32_t low;
    std::int32_t high;
    std::int32_t step;
};

DimensionLimits LimitsOf(const Globals& globals, Dimension dimension);
std::string& DimensionText(CodeModel& model, Dimension dimension);
const std::string& DimensionText(const CodeModel& model, Dimension dimension);

// The start-up state: empty black parts, the default dimension texts, the unit constants, limits and steps.
// Leaves the results of the last rendering alone.
void SetInitialState(CodeModel& model, Globals& globals);

bool LowerLimit(std::string_view text, std::int32_t limit); // false exactly when the number is below limit
bool UpperLimit(std::string_view text, std::int32_t limit); // false exactly when the number is above limit

// The number of the text moved to the nearest multiple of step (halfway goes up), as text.
std::string RoundIt(std::string_view text, std::int32_t step);

// A typed value brought within the limits, unchanged when it already is (it is not snapped to the step).
std::string ClampDimension(std::string_view text, DimensionLimits limits);

enum class StepDirection { Up, Down };

// One press of a spinner arrow: the next multiple of the step in that direction, within the limits.
std::string StepDimension(std::string_view text, Dimension dimension, const Globals& globals,
                          StepDirection direction);

// What every drawing, save and print applies first: the four dimensions clamped to their limits and every
// part held to the entry rule, so that no text can ask for a code the program cannot draw.
void ApplyFieldRules(CodeModel& model, const Globals& globals);

} // namespace quillmark
