#pragma once

#include <string>
#include <string_view>

// The pieces of the PostScript loop that draws the bars of one part.
namespace quillmark {

// " {", CR, "(W) [", then "(N) " or "(W) " for each bar, then "] ".
std::string BinaryLoose(std::string_view pattern);

// One of the fixed pieces "part1" to "part5" of the loop; "" for any other selector.
std::string_view PatternBlock(std::string_view selector);

} // namespace quillmark
