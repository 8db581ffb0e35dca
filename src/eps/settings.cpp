#include "eps/settings.h"

#include "eps/ps_standard.h"
#include "model/code_model.h"
#include "model/numbers.h"

#include <algorithm>

namespace quillmark {

namespace {

// Where each value stands among the settings lines, counted from 0.
constexpr std::size_t FIRST_PART_LINE = 0;
constexpr std::size_t FIRST_COLOUR_LINE = FIRST_PART_LINE + PART_COUNT; // red, green, blue of each part
constexpr std::size_t MAG_LINE = FIRST_COLOUR_LINE + 3 * PART_COUNT;
constexpr std::size_t HEIGHT_LINE = MAG_LINE + 1;
constexpr std::size_t GUARD_BAR_LINE = MAG_LINE + 2;
constexpr std::size_t MARGIN_LINE = MAG_LINE + 3;
static_assert(MARGIN_LINE + 3 == SETTINGS_LINE_COUNT); // then the version and the marker

// Written in every document and never read: a document reads the same whatever version wrote it.
constexpr std::string_view SAVED_MARKER = "Saved";

void AppendLine(std::string& out, std::string_view value)
{
    out += SETTINGS_SEPARATOR;
    out += value;
}

std::uint8_t ColourComponent(std::string_view text)
{
    return static_cast<std::uint8_t>(std::clamp(TruncToInt32(TextToNumber(text)), 0, 255));
}

} // namespace

std::vector<std::string_view> SettingsValues(std::string_view document)
{
    std::vector<std::string_view> values;
    std::size_t separator = document.find(SETTINGS_SEPARATOR);
    while (separator != std::string_view::npos) {
        const std::size_t start = separator + SETTINGS_SEPARATOR.size();
        separator = document.find(SETTINGS_SEPARATOR, start);
        values.push_back(
            document.substr(start, separator == std::string_view::npos ? separator : separator - start));
    }
    return values;
}

std::string PrefsOut(const CodeModel& model)
{
    std::string out;
    out.reserve(SETTINGS_LINE_COUNT * (SETTINGS_SEPARATOR.size() + 4) + 64);
    for (const std::string& part : model.parts)
        AppendLine(out, part);
    for (Rgb colour : model.colours)
        for (std::uint8_t component : {colour.red, colour.green, colour.blue})
            AppendLine(out, std::to_string(component));
    AppendLine(out, model.magText);
    AppendLine(out, model.heightText);
    AppendLine(out, model.guardBarText);
    AppendLine(out, model.marginText);
    AppendLine(out, SetVersion());
    AppendLine(out, SAVED_MARKER);
    return out;
}

CodeModel PrefsIn(std::string_view document)
{
    const std::vector<std::string_view> values = SettingsValues(document);
    auto value = [&values](std::size_t line) {
        return line < values.size() ? values[line] : std::string_view{};
    };

    CodeModel model;
    for (std::size_t k = 0; k < PART_COUNT; ++k) {
        model.parts[k] = value(FIRST_PART_LINE + k);
        const std::size_t red = FIRST_COLOUR_LINE + 3 * k;
        model.colours[k] = {ColourComponent(value(red)), ColourComponent(value(red + 1)),
                            ColourComponent(value(red + 2))};
    }
    model.magText = value(MAG_LINE);
    model.heightText = value(HEIGHT_LINE);
    model.guardBarText = value(GUARD_BAR_LINE);
    model.marginText = value(MARGIN_LINE);
    return model;
}

} // namespace quillmark
