#include "eps/bar_program.h"

#include <array>

namespace quillmark {

namespace {

struct Piece {
    std::string_view selector;
    std::string_view text;
};

// The loop that draws one part: for each bar, the box of its width in the part's colour, then theOriginX
// moves on by the bar and one gap. PS_Standard puts the count, the pattern array, the counter and the CMYK
// text between the pieces.
constexpr std::array<Piece, 5> PIECES{{
    {"part1", " get eq {\r"
              "newpath\r"
              "theOriginX theOriginY moveto WideBox\r"},
    {"part2", " fillCMYK\r"
              "/theShift theWidePlus theGap add def\r"
              "} {\r"
              "newpath\r"
              "theOriginX theOriginY moveto NarrowBox\r"},
    {"part3", " fillCMYK\r"
              "/theShift theNarrowPlus theGap add def\r"
              "} ifelse\r"
              "/theOriginX theOriginX theShift add def\r"
              "/"},
    {"part4", " 1 add def\r"
              "} repeat\r"
              "\r"},
    // The colour-change gap between parts of different inks: one narrow bar more.
    {"part5", "/theOriginX theOriginX theNarrowPlus add def\r"
              "\r"},
}};

} // namespace

std::string BinaryLoose(std::string_view pattern)
{
    std::string out = " {\r(W) [";
    out.reserve(out.size() + 4 * pattern.size() + 2);
    for (char bar : pattern) {
        out += '(';
        out += bar;
        out += ") ";
    }
    out += "] ";
    return out;
}

std::string_view PatternBlock(std::string_view selector)
{
    for (const Piece& piece : PIECES)
        if (piece.selector == selector) return piece.text;
    return {};
}

} // namespace quillmark
