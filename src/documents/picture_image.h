#pragma once

#include <QImage>

// The one adapter from the core's picture to Qt's.
namespace quillmark {

class Picture;

// A 32-bit RGB image of `picture`, every row of it.
QImage ToQImage(const Picture& picture);

// One row of `picture` as a 1-pixel-high image, to be stretched to the picture's height when drawn: a
// rendering at five pixels per point is drawn without building all its identical rows.
QImage RowImage(const Picture& picture);

} // namespace quillmark
