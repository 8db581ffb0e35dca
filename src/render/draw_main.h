#pragma once

#include "render/picture.h"

#include <optional>

// The one raster renderer of a code.
namespace quillmark {

struct CodeModel;
struct Globals;

// Draws the code at `scale` pixels per point: bars of every present part in its colour, a colour-change gap
// of one narrow bar where the colour changes between parts, white quiet zones. Leaves theHeight,
// theCodeWidth, theCodeWidthDisplay, theCodeHeightDisplay and theRat in `globals`. Returns no picture when
// the code has no width (no bars and no margin). Throws std::invalid_argument for a code wider or taller
// than Picture::MAX_SIDE pixels (ApplyFieldRules keeps every code well within that), and for a scale that
// is not a positive number.
std::optional<Picture> DrawMain(const CodeModel& model, Globals& globals, double scale);

} // namespace quillmark
