#pragma once

#include <QImage>

// The 16 x 16 pictures of the spinner arrows: a one-pixel black frame around a bevelled face and a black
// triangle of four rows. Released, the face is light with a white edge at top and left; pressed, it is mid
// grey with a dark edge there. Each call builds a new picture.
namespace quillmark {

QImage DrawRaiseUp();   // up arrow, released
QImage DrawRaiseDown(); // up arrow, pressed
QImage DrawLowerUp();   // down arrow, released
QImage DrawLowerDown(); // down arrow, pressed

} // namespace quillmark
