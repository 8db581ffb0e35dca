#include "render/draw_main.h"

#include "model/assembly.h"
#include "model/code_model.h"
#include "model/globals.h"
#include "model/numbers.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace quillmark {

namespace {

struct BarLengths {
    double narrow;
    double wide;
    double gap;
};

// Runs through the marked pattern as the bars are laid down, calling bar(x, width, colour) for each bar with
// its left edge in full precision, and returns the widened width: `plain` plus one narrow bar for every
// change of colour between parts. The colour in effect starts as black, and part 1 sets it to its own
// colour, so an empty part 1 followed by a coloured part 2 still gets a gap.
template <typename Bar>
double LayBars(const std::string& flags, const CodeModel& model, const BarLengths& lengths, double x,
               double plain, Bar bar)
{
    double widened = plain;
    Rgb drawing = BLACK;
    Rgb inEffect = BLACK;
    for (char c : flags) {
        if (c >= PartLetter(0) && c < PartLetter(PART_COUNT)) {
            drawing = model.colours[static_cast<std::size_t>(c - PartLetter(0))];
            if (c == PartLetter(0)) inEffect = drawing;
        }
        if (drawing != inEffect) {
            inEffect = drawing;
            widened += lengths.narrow;
            x += lengths.narrow;
        }
        if (c == 'N') {
            bar(x, lengths.narrow, drawing);
            x += lengths.narrow + lengths.gap;
        } else if (c == 'W') {
            bar(x, lengths.wide, drawing);
            x += lengths.wide + lengths.gap;
        }
    }
    return widened;
}

// Only dimension texts far outside their limits make a side negative; such a side is empty.
int PictureSide(double pixels)
{
    const std::int64_t side = TruncToInt64(pixels);
    if (side > Picture::MAX_SIDE)
        throw std::invalid_argument("DrawMain: the code is larger than the largest picture");
    return static_cast<int>(std::max<std::int64_t>(side, 0));
}

} // namespace

std::optional<Picture> DrawMain(const CodeModel& model, Globals& globals, double scale)
{
    if (!(scale > 0) || !std::isfinite(scale))
        throw std::invalid_argument("DrawMain: the scale must be a positive number");

    const std::string flags = BinaryFlag(model);
    const double module = globals.theModule;
    const double mag = TextToNumber(model.magText) / 100;
    const double margin = TextToNumber(model.marginText) * scale;
    const double bwa = TextToNumber(model.guardBarText) * globals.PPM * scale;
    globals.theHeight = TextToNumber(model.heightText) * (module * 2) * scale;

    const BarLengths lengths{(module * mag + bwa / scale) * scale, (module * mag * 3 + bwa / scale) * scale,
                             (module * mag * 2 - bwa / scale) * scale};
    const std::int32_t measure = BinaryMeasure(model);
    const double plain = (module * (measure * mag + margin * 4 / scale) + bwa / scale) * scale;
    globals.theCodeWidth = plain;
    globals.theCodeHeightDisplay = globals.theHeight * globals.theConA / scale;
    const double firstBar = margin * module * 2; // after the left quiet zone, which is not magnified

    // No bars and no margin: nothing to draw, not even a white picture.
    if (plain == bwa) {
        globals.theRat = 0;
        globals.theCodeWidthDisplay = 0;
        return std::nullopt;
    }

    // The gaps at colour changes push the later bars right, so the picture is sized from the widened width
    // before anything is drawn.
    const double widened = LayBars(flags, model, lengths, firstBar, plain, [](double, double, Rgb) {});
    Picture picture(PictureSide(widened), PictureSide(globals.theHeight));
    if (picture.height() > 0) {
        // Edge and width are truncated each on their own, not their sum: neighbouring bars may differ by a
        // pixel, but x keeps its full precision, so no error builds up along the code.
        LayBars(flags, model, lengths, firstBar, plain, [&picture](double x, double width, Rgb colour) {
            picture.fillColumns(TruncToInt64(x), TruncToInt64(width), Pixel::FromRgb(colour));
        });
    }

    globals.theRat = NarrowToFloat(widened / plain);
    globals.theCodeWidthDisplay = widened * globals.theConA / scale;
    globals.theCodeWidth = widened;
    return picture;
}

} // namespace quillmark
