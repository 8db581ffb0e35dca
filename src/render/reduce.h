#pragma once

#include "render/picture.h"

// Shrinking a rendering to the screen.
namespace quillmark {

// `source` resampled to width x height by area averaging: each target pixel is the mean of the source area it
// covers, partly covered source pixels weighted by their share.
Picture ReducePicture(const Picture& source, int width, int height);

} // namespace quillmark
