#include "eps/ps_standard.h"

#include "eps/bar_program.h"
#include "eps/procedures.h"
#include "eps/settings.h"
#include "model/assembly.h"
#include "model/code_model.h"
#include "model/globals.h"
#include "model/numbers.h"
#include "model/pharmacode.h"
#include "preview/dos_eps.h"
#include "preview/tiff.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>

namespace quillmark {

namespace {

constexpr char CR = '\r';
constexpr int MAX_PREVIEW_SIDE = std::numeric_limits<std::uint16_t>::max();
constexpr std::array<std::string_view, PART_COUNT> COUNTERS{"theCounta", "theCountb", "theCountc",
                                                            "theCountd", "theCounte"};

// The PostScript program without the preview, and a little room for the part programs.
constexpr std::size_t POSTSCRIPT_RESERVE = 4096;

// The values of the program, in points, as the texts it writes them with.
struct ProgramValues {
    std::string bwa;
    std::string narrow;
    std::string wide;
    std::string gap;
    std::string height;
    std::string originX;
    std::string codeWidth;
    long long boundingWidth = 0; // the code's width and height rounded up to whole points
    long long boundingHeight = 0;
};

std::string FloatText(double value)
{
    return NumberToText(NarrowToFloat(value));
}

// The inputs, the bar lengths and the origin are held as 32-bit floats, as in every document the program has
// written; the height and the code width keep double precision.
ProgramValues ComputeValues(const CodeModel& model, const Globals& globals)
{
    const auto mag = NarrowToFloat(TextToNumber(model.magText) / 100);
    const auto margin = NarrowToFloat(TextToNumber(model.marginText));
    const auto bwa = NarrowToFloat(TextToNumber(model.guardBarText) * globals.PPM);
    const double height = TextToNumber(model.heightText) * globals.theModule * 2.0;
    const double module = globals.theModule;
    const std::int32_t measure = BinaryMeasure(model);
    const double codeWidth = globals.theRat * (module * (measure * double{mag} + margin * 4.0) + bwa);

    return {.bwa = FloatText(bwa),
            .narrow = FloatText(module * mag + bwa),
            .wide = FloatText(module * mag * 3.0 + bwa),
            .gap = FloatText(module * mag * 2.0 - bwa),
            .height = NumberToText(height),
            .originX = FloatText(margin * module * 2.0),
            .codeWidth = NumberToText(codeWidth),
            .boundingWidth = std::llround(std::ceil(codeWidth)),
            .boundingHeight = std::llround(std::ceil(height))};
}

std::string Negated(std::string_view text)
{
    if (text.starts_with('-')) return std::string(text.substr(1));
    return '-' + std::string(text);
}

void AppendLine(std::string& out, std::string_view text)
{
    out += text;
    out += CR;
}

void AppendDefinition(std::string& out, std::string_view name, std::string_view value)
{
    out += '/';
    out += name;
    out += ' ';
    out += value;
    out += " def";
    out += CR;
}

void AppendHeaderComments(std::string& out, const CodeModel& model, const ProgramValues& values,
                          const std::tm& when)
{
    AppendLine(out, "%!PS-Adobe-3.0 EPSF-3.0");
    AppendLine(out, "%%Creator: Quillmark");
    // Some readers look for the bounding box only from the third line on.
    AppendLine(out, "%%BoundingBox: 0 0 " + std::to_string(values.boundingWidth) + ' ' +
                        std::to_string(values.boundingHeight));
    AppendLine(out, "%%HiResBoundingBox: 0 0 " + values.codeWidth + ' ' + values.height);
    AppendLine(out, DateIt(when));
    out += "%%Version: ";
    AppendLine(out, SetVersion());
    out += "%%DocumentProcessColors: Cyan Magenta Yellow Black";
    out += PrefsOut(model); // starts with the line end of the line before
    out += CR;
}

void AppendDefinitions(std::string& out, const ProgramValues& values)
{
    out += CR;
    AppendDefinition(out, "theBWA", values.bwa);
    AppendDefinition(out, "theNarrowPlus", values.narrow);
    AppendDefinition(out, "theNarrowMinus", Negated(values.narrow));
    AppendDefinition(out, "theWidePlus", values.wide);
    AppendDefinition(out, "theWideMinus", Negated(values.wide));
    AppendDefinition(out, "theHeightPlus", values.height);
    AppendDefinition(out, "theHeightMinus", Negated(values.height));
    AppendDefinition(out, "theOriginX", values.originX);
    AppendDefinition(out, "theOriginY", "0");
    AppendDefinition(out, "theGap", values.gap);
    AppendDefinition(out, "theCodeWidthPlus", values.codeWidth);
    AppendDefinition(out, "theCodeWidthMinus", Negated(values.codeWidth));
    for (std::string_view counter : COUNTERS)
        AppendDefinition(out, counter, "0");
}

// One loop per present part, in part order. Between two parts of different inks theOriginX moves on by one
// narrow bar more, the colour-change gap of the screen rendering.
void AppendPartPrograms(std::string& out, const CodeModel& model)
{
    std::string previous;
    for (char c : BinaryFlag(model)) {
        if (c < PartLetter(0) || c > PartLetter(PART_COUNT - 1))
            continue; // a bar: each part's loop draws all its bars
        const auto part = static_cast<std::size_t>(c - PartLetter(0));
        const std::string cmyk = RGBtoCMYK(model.colours[part]);
        const std::string pattern = DecToBinary(model.parts[part]);
        const std::string_view counter = COUNTERS[part];
        if (part == 0) previous = cmyk;
        if (cmyk != previous) {
            out += PatternBlock("part5");
            previous = cmyk;
        }

        out += std::to_string(pattern.size());
        out += BinaryLoose(pattern);
        out += counter;
        out += PatternBlock("part1");
        out += cmyk;
        out += PatternBlock("part2");
        out += cmyk;
        out += PatternBlock("part3");
        out += counter;
        out += ' ';
        out += counter;
        out += PatternBlock("part4");
    }
}

} // namespace

std::string_view SetVersion()
{
    return "2.0.2";
}

std::string DateIt(const std::tm& when)
{
    char text[96];
    std::snprintf(text, sizeof text, "%%%%CreationDate: (%04d-%02d-%02d) (%02d:%02d:%02d)",
                  when.tm_year + 1900, when.tm_mon + 1, when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec);
    return text;
}

std::string PS_Standard(const CodeModel& model, const Globals& globals, const std::tm& when)
{
    if (!globals.theSurfacePic)
        throw std::logic_error("a document needs the code drawn on screen first, for its preview");
    const Picture& preview = *globals.theSurfacePic;
    if (preview.width() > MAX_PREVIEW_SIDE || preview.height() > MAX_PREVIEW_SIDE)
        throw std::logic_error("the preview is too large for a TIFF of 16-bit sizes");

    const ProgramValues values = ComputeValues(model, globals);
    std::string postscript;
    postscript.reserve(POSTSCRIPT_RESERVE);
    AppendHeaderComments(postscript, model, values, when);
    AppendDefinitions(postscript, values);
    postscript += subCMYK();
    postscript += CR;
    postscript += BoxBlock();
    AppendPartPrograms(postscript, model);
    AppendLine(postscript, "%%Trailer");
    postscript += "%%EOF";

    const std::string tiffHeader = myTIFFHeader(static_cast<std::uint16_t>(preview.width()),
                                                static_cast<std::uint16_t>(preview.height()));
    const std::size_t pixelBytes =
        3 * static_cast<std::size_t>(preview.width()) * static_cast<std::size_t>(preview.height());
    const std::size_t bodyLength = tiffHeader.size() + pixelBytes + postscript.size();
    if (bodyLength + DOS_EPS_HEADER_SIZE > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw std::logic_error("the document is too large for the 32-bit offsets of its header");

    std::string document;
    document.reserve(DOS_EPS_HEADER_SIZE + bodyLength);
    document += myEPSTIFFHeader(static_cast<std::int32_t>(tiffHeader.size()),
                                static_cast<std::int32_t>(pixelBytes), static_cast<std::int32_t>(bodyLength));
    document += tiffHeader;
    AppendPixelBytes(document, preview);
    document += postscript;
    return document;
}

} // namespace quillmark
