#pragma once

#include <string>

// The fixed PostScript procedures every document defines, and part colours as CMYK operands.
namespace quillmark {

struct Rgb;

// The definition of CMYKColor: the interpreter's setcmykcolor where it has one, else an RGB conversion.
std::string subCMYK();

// Four CMYK fractions, "c m y k", the whole grey component in black: black is "0 0 0 1", red "0 1 1 0".
std::string RGBtoCMYK(Rgb colour);

// fillCMYK, the boxes WideBox, NarrowBox and LightBox, "%%Begin Program" and the white background.
std::string BoxBlock();

} // namespace quillmark
