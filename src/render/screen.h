#pragma once

#include <string>

// What the code area shows: the code at one pixel per point, framed by corner marks and labelled in mm.
namespace quillmark {

struct CodeModel;
struct Globals;

inline constexpr int CODE_LEFT = 30; // top-left corner of the code in the code area
inline constexpr int CODE_TOP = 20;

struct ScreenCode {
    float widthPt = 0; // the code's size in points, which frames the corner marks
    float heightPt = 0;
    std::string widthLabel; // millimetres, "#.00"
    std::string heightLabel;
};

// Brings the display up to date: applies the part order to `model`, renders at theIS pixels per point,
// reduces that to one pixel per point into theSurfacePic (none when nothing is drawn) and returns the frame.
ScreenCode RenderScreenCode(CodeModel& model, Globals& globals);

// The number rounded to two decimals, without a digit before the point below 1: 22.00, .50, .00.
std::string FormatHundredths(double value);

} // namespace quillmark
