#include "eps/bar_program.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace quillmark;
using namespace quillmark::test;

TEST(BarProgramTest, BinaryLooseWritesThePatternAsAnArray)
{
    struct Case {
        std::string_view pattern;
        std::string_view loose;
        const char* why;
    };
    const Case cases[] = {
        {"", " {\r(W) [] ", "no bars: an empty array"},
        {"N", " {\r(W) [(N) ] ", "one bar, one element"},
        {"NWN", " {\r(W) [(N) (W) (N) ] ", "every element followed by a space"},
        {"WWWWWWWWWWWWWWW", " {\r(W) [(W) (W) (W) (W) (W) (W) (W) (W) (W) (W) (W) (W) (W) (W) (W) ] ",
         "fifteen bars, the longest part"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(BinaryLoose(c.pattern), c.loose);
    }
}

TEST(BarProgramTest, PatternBlockPieces)
{
    struct Case {
        std::string_view selector;
        std::string_view text;
    };
    const Case cases[] = {
        {"part1", " get eq {\rnewpath\rtheOriginX theOriginY moveto WideBox\r"},
        {"part2", " fillCMYK\r/theShift theWidePlus theGap add def\r} {\rnewpath\r"
                  "theOriginX theOriginY moveto NarrowBox\r"},
        {"part3", " fillCMYK\r/theShift theNarrowPlus theGap add def\r} ifelse\r"
                  "/theOriginX theOriginX theShift add def\r/"},
        {"part4", " 1 add def\r} repeat\r\r"},
        {"part5", "/theOriginX theOriginX theNarrowPlus add def\r\r"},
        {"part6", ""},
        {"", ""},
        {"Part1", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selector);
        EXPECT_EQ(PatternBlock(c.selector), c.text);
    }
}

// The pieces joined as the document writer joins them, for part 1 with narrow, wide, narrow in black.
TEST(BarProgramTest, LoopOfPartOneNarrowWideNarrowInBlack)
{
    const std::string counter = "theCounta";
    const std::string cmyk = "0 0 0 1";
    const std::string loop = "3" + BinaryLoose("NWN") + counter + std::string(PatternBlock("part1")) + cmyk +
                             std::string(PatternBlock("part2")) + cmyk + std::string(PatternBlock("part3")) +
                             counter + " " + counter + std::string(PatternBlock("part4"));

    const std::vector<std::string> expected = {
        "3 {",
        "(W) [(N) (W) (N) ] theCounta get eq {",
        "newpath",
        "theOriginX theOriginY moveto WideBox",
        "0 0 0 1 fillCMYK",
        "/theShift theWidePlus theGap add def",
        "} {",
        "newpath",
        "theOriginX theOriginY moveto NarrowBox",
        "0 0 0 1 fillCMYK",
        "/theShift theNarrowPlus theGap add def",
        "} ifelse",
        "/theOriginX theOriginX theShift add def",
        "/theCounta theCounta 1 add def",
        "} repeat",
        "",
        "", // after the last line end
    };
    EXPECT_EQ(Lines(loop), expected);
}
