#include "eps/document_reader.h"

#include "eps/settings.h"
#include "model/dimensions.h"
#include "model/globals.h"
#include "model/numbers.h"
#include "model/pharmacode.h"
#include "preview/dos_eps.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

namespace quillmark {

namespace {

constexpr std::string_view EPS_OPENING = "%!PS-Adobe-3.0 EPSF-3.0";
constexpr std::string_view EPS_END = "%%EOF";

constexpr std::string_view NOT_A_DOCUMENT = "The file is not a Quillmark document.";

// The settings lines of the colours, counted from 0: red, green and blue of each part, after the five parts.
constexpr std::size_t FIRST_COLOUR_LINE = PART_COUNT;

DocumentRead Refuse(std::string problem)
{
    return {std::nullopt, std::move(problem)};
}

DocumentRead Incomplete(std::string_view what)
{
    return Refuse("The document is incomplete: " + std::string(what));
}

DocumentRead Damaged(std::string_view what)
{
    return Refuse("The document's settings are damaged: " + std::string(what));
}

// A colour component as written, 0 to 255; a hand-edited fraction such as 12.9 is cut to 12 on reading.
bool IsColourText(std::string_view text)
{
    return !text.empty() && IsDigit(text.front()) && IsNumberText(text) && TextToNumber(text) < 256;
}

std::string_view DimensionName(Dimension dimension)
{
    switch (dimension) {
    case Dimension::Mag:
        return "the magnification";
    case Dimension::Height:
        return "the bar height";
    case Dimension::GuardBar:
        return "the bar width adjustment";
    case Dimension::Margin:
        return "the margin";
    }
    return "a dimension";
}

// What is wrong with the settings of `model`, read from `values`; empty when the program can use them all.
std::string SettingsProblem(const CodeModel& model, const std::vector<std::string_view>& values)
{
    for (int k = 0; k < PART_COUNT; ++k) {
        const std::string& part = model.parts[static_cast<std::size_t>(k)];
        if (ValidPart(part) != part)
            return "part " + std::to_string(k + 1) + " is not a number from 0 to " +
                   std::to_string(PART_MAX) + '.';
    }
    for (std::size_t line = FIRST_COLOUR_LINE; line < FIRST_COLOUR_LINE + 3 * PART_COUNT; ++line)
        if (!IsColourText(values[line]))
            return "the colour of part " + std::to_string((line - FIRST_COLOUR_LINE) / 3 + 1) +
                   " is not three numbers from 0 to 255.";

    CodeModel defaults;
    Globals globals;
    SetInitialState(defaults, globals);
    for (Dimension dimension : DIMENSIONS) {
        const std::string& text = DimensionText(model, dimension);
        if (!IsNumberText(text)) return std::string(DimensionName(dimension)) + " is not a number.";
        const DimensionLimits limits = LimitsOf(globals, dimension);
        const double value = TextToNumber(text);
        if (value < limits.low || value > limits.high)
            return std::string(DimensionName(dimension)) + " is outside its limits of " +
                   std::to_string(limits.low) + " to " + std::to_string(limits.high) + '.';
    }
    return {};
}

} // namespace

DocumentRead ReadDocument(std::string_view bytes)
{
    if (bytes.empty()) return Refuse("The file is empty.");
    if (bytes.size() > MAX_DOCUMENT_BYTES) return Refuse("The file is too large to be a Quillmark document.");

    const auto header = ReadDosEpsHeader(bytes);
    if (!header) return Refuse(std::string(NOT_A_DOCUMENT));
    // A header that fits the file but announces more than it holds is that of a file cut off.
    const std::uint64_t end = std::max(std::uint64_t{header->tiffStart} + header->tiffLength,
                                       std::uint64_t{header->postscriptStart} + header->postscriptLength);
    if (header->postscriptStart >= DOS_EPS_HEADER_SIZE && end > bytes.size())
        return Incomplete("the file is shorter than its header says.");
    const auto sections = SplitDosEps(bytes);
    if (!sections || !sections->postscript.starts_with(EPS_OPENING))
        return Refuse(std::string(NOT_A_DOCUMENT));

    const std::string_view postscript = sections->postscript;
    const std::vector<std::string_view> values = SettingsValues(postscript);
    if (values.empty()) return Refuse(std::string(NOT_A_DOCUMENT));
    if (values.size() < SETTINGS_LINE_COUNT) return Incomplete("its settings end early.");
    if (!postscript.ends_with(EPS_END)) return Incomplete("its PostScript program is cut off.");

    CodeModel model = PrefsIn(postscript);
    if (std::string problem = SettingsProblem(model, values); !problem.empty()) return Damaged(problem);
    return {std::move(model), {}};
}

bool LooksLikeDocument(std::string_view postscriptStart)
{
    return postscriptStart.starts_with(EPS_OPENING) &&
           postscriptStart.substr(0, DOCUMENT_SIGNATURE_BYTES).find(SETTINGS_SEPARATOR) !=
               std::string_view::npos;
}

} // namespace quillmark
