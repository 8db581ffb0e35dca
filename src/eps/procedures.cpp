#include "eps/procedures.h"

#include "model/code_model.h"
#include "model/numbers.h"

#include <algorithm>
#include <cmath>

namespace quillmark {

namespace {

// Where the interpreter has no setcmykcolor, CMYKColor turns c m y k into red 1 - (c + k), green 1 - (m + k)
// and blue 1 - (y + k), each at least 0, and consumes all four. With k rolled under the three inks, each
// round adds k to the topmost ink, takes the sum from 1, clamps it at 0 and rolls the result under the inks
// still to do: yellow gives blue, magenta green, cyan red, which leaves k r g b for setrgbcolor and pop.
constexpr std::string_view CMYK_COLOR = "/CMYKColor\r"
                                        " /setcmykcolor where {\r"
                                        "  /setcmykcolor get\r"
                                        " }{\r"
                                        "  {\r"
                                        "   4 1 roll\r"
                                        "   3 {\r"
                                        "    3 index add 1 exch sub dup 0 lt { pop 0 } if 3 1 roll\r"
                                        "   } repeat\r"
                                        "   setrgbcolor pop\r"
                                        "  } bind\r"
                                        " } ifelse\r"
                                        "def\r";

constexpr std::string_view BOX_BLOCK = "%%Define the BOX procedures\r"
                                       "/fillCMYK\r"
                                       "{ CMYKColor fill } def\r"
                                       "/WideBox\r"
                                       "{ theWidePlus 0 rlineto\r"
                                       "0 theHeightPlus rlineto\r"
                                       "theWideMinus 0 rlineto\r"
                                       "closepath } def\r"
                                       "/NarrowBox\r"
                                       "{ theNarrowPlus 0 rlineto\r"
                                       "0 theHeightPlus rlineto\r"
                                       "theNarrowMinus 0 rlineto\r"
                                       "closepath } def\r"
                                       "/LightBox\r"
                                       "{ theCodeWidthPlus 0 rlineto\r"
                                       "0 theHeightPlus rlineto\r"
                                       "theCodeWidthMinus 0 rlineto\r"
                                       "closepath } def\r"
                                       "\r"
                                       "%%Begin Program\r"
                                       "\r"
                                       "newpath\r"
                                       "0 0 moveto LightBox\r"
                                       "0 0 0 0 fillCMYK\r"
                                       "\r";

// A channel as a whole percentage, so that colours a hair apart on screen print with the same inks.
float Percent(std::uint8_t channel)
{
    return static_cast<float>(std::round(channel / 2.55));
}

std::string Fraction(float percent)
{
    return NumberToText(static_cast<float>(percent / 100.0));
}

} // namespace

std::string subCMYK()
{
    return std::string(CMYK_COLOR);
}

std::string RGBtoCMYK(Rgb colour)
{
    const float r = Percent(colour.red);
    const float g = Percent(colour.green);
    const float b = Percent(colour.blue);
    const float m = std::max({r, g, b});
    return Fraction(m - r) + ' ' + Fraction(m - g) + ' ' + Fraction(m - b) + ' ' + Fraction(100 - m);
}

std::string BoxBlock()
{
    return std::string(BOX_BLOCK);
}

} // namespace quillmark
