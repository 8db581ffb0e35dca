#pragma once

#include <ctime>
#include <string>
#include <string_view>

// The document a save writes: DOS EPS header, TIFF preview, and the PostScript program that draws the code
// in CMYK at its printed size.
namespace quillmark {

struct CodeModel;
struct Globals;

std::string_view SetVersion(); // "2.0.2"

// "%%CreationDate: (date) (time)" for the given local time.
std::string DateIt(const std::tm& when);

// The whole document for `model`. The preview is theSurfacePic and the width ratio theRat, so the code must
// have been rendered for the screen from this very model first. Throws std::logic_error when there is no
// theSurfacePic, or one too large for the preview's 16-bit sizes.
std::string PS_Standard(const CodeModel& model, const Globals& globals, const std::tm& when);

} // namespace quillmark
