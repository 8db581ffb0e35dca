#include "render/screen.h"

#include "model/assembly.h"
#include "model/globals.h"
#include "model/numbers.h"
#include "render/draw_main.h"
#include "render/reduce.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace quillmark {

ScreenCode RenderScreenCode(CodeModel& model, Globals& globals)
{
    ApplyPartOrder(model);
    std::optional<Picture> picture = DrawMain(model, globals, globals.theIS);
    if (picture) {
        const int width = std::max(TruncToInt32(globals.theCodeWidth / globals.theIS), 0);
        const int height = std::max(TruncToInt32(globals.theHeight / globals.theIS), 0);
        globals.theSurfacePic = ReducePicture(*picture, width, height);
    } else {
        globals.theSurfacePic.reset();
    }

    ScreenCode screen;
    screen.widthPt = NarrowToFloat(globals.theCodeWidthDisplay * globals.theConZ);
    screen.heightPt = NarrowToFloat(globals.theCodeHeightDisplay * globals.theConZ);
    screen.widthLabel = FormatHundredths(globals.theCodeWidthDisplay);
    screen.heightLabel = FormatHundredths(globals.theCodeHeightDisplay);
    return screen;
}

std::string FormatHundredths(double value)
{
    // Enough for the 309 digits before the point of the largest double.
    std::array<char, 400> buffer;
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 2);
    if (error != std::errc{}) return {};
    std::string text(buffer.data(), end);
    if (text == "-0.00") text = "0.00";
    if (text.starts_with("0."))
        text.erase(0, 1);
    else if (text.starts_with("-0."))
        text.erase(1, 1);
    return text;
}

} // namespace quillmark
