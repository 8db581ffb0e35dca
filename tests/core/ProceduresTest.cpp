#include "eps/procedures.h"

#include "TestSupport.h"
#include "model/code_model.h"
#include "model/numbers.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace quillmark;
using namespace quillmark::test;

namespace {

std::vector<double> Numbers(std::string_view text)
{
    std::vector<double> numbers;
    std::istringstream in{std::string(text)};
    for (std::string word; in >> word;)
        numbers.push_back(TextToNumber(word));
    return numbers;
}

} // namespace

TEST(ProceduresTest, RGBtoCMYKPutsTheGreyInBlack)
{
    struct Case {
        Rgb colour;
        std::array<double, 4> cmyk;
        const char* why;
    };
    const Case cases[] = {
        {{0, 0, 0}, {0, 0, 0, 1}, "black is black ink only"},
        {{255, 255, 255}, {0, 0, 0, 0}, "white prints nothing"},
        {{255, 0, 0}, {0, 1, 1, 0}, "red is magenta and yellow"},
        {{0, 0, 255}, {1, 1, 0, 0}, "blue is cyan and magenta"},
        {{0, 255, 0}, {1, 0, 1, 0}, "green is cyan and yellow"},
        {{127, 127, 127}, {0, 0, 0, 0.5}, "49.8 % rounds to 50 %"},
        {{128, 128, 128}, {0, 0, 0, 0.5}, "50.2 % rounds to 50 %"},
        {{255, 128, 0}, {0, 0.5, 1, 0}, "orange"},
        {{51, 102, 153}, {0.4, 0.2, 0, 0.4}, "the grey under a colour goes to black"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::string text = RGBtoCMYK(c.colour);
        const std::vector<double> cmyk = Numbers(text);
        ASSERT_EQ(cmyk.size(), 4u) << text;
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_NEAR(cmyk[i], c.cmyk[i], 1e-6) << text;
    }
}

TEST(ProceduresTest, RGBtoCMYKTextsOfWholeValues)
{
    EXPECT_EQ(RGBtoCMYK({0, 0, 0}), "0 0 0 1");
    EXPECT_EQ(RGBtoCMYK({255, 0, 0}), "0 1 1 0");
    EXPECT_EQ(RGBtoCMYK({128, 128, 128}), "0 0 0 0.5");
}

TEST(ProceduresTest, FixedTextsAreCarriageReturnLines)
{
    struct Case {
        std::string text;
        std::size_t lines;
    };
    const Case cases[] = {{subCMYK(), 13}, {BoxBlock(), 25}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.text.find('\n'), std::string::npos);
        ASSERT_TRUE(c.text.ends_with('\r'));
        EXPECT_EQ(Lines(c.text).size() - 1, c.lines);
    }
}

TEST(ProceduresTest, CMYKColorUsesSetcmykcolorWhereItExists)
{
    const std::vector<std::string> lines = Lines(subCMYK());
    EXPECT_EQ(lines[0], "/CMYKColor");
    EXPECT_EQ(lines[1], " /setcmykcolor where {");
    EXPECT_EQ(lines[2], "  /setcmykcolor get");
    EXPECT_EQ(lines[3], " }{");
    EXPECT_EQ(lines[4], "  {");
    EXPECT_EQ(lines[10], "  } bind");
    EXPECT_EQ(lines[11], " } ifelse");
    EXPECT_EQ(lines[12], "def");
}

TEST(ProceduresTest, BoxBlockPaintsTheWhiteBackground)
{
    const std::vector<std::string> lines = Lines(BoxBlock());
    EXPECT_EQ(lines[0], "%%Define the BOX procedures");
    EXPECT_EQ(lines[2], "{ CMYKColor fill } def");
    EXPECT_EQ(lines[14], "{ theCodeWidthPlus 0 rlineto");
    EXPECT_EQ(lines[19], "%%Begin Program");
    EXPECT_EQ(lines[21], "newpath");
    EXPECT_EQ(lines[22], "0 0 moveto LightBox");
    EXPECT_EQ(lines[23], "0 0 0 0 fillCMYK");
    EXPECT_EQ(lines[24], "");
}

// The fallback runs where an interpreter has no setcmykcolor. Ghostscript has one, so the procedure is taken
// out of the definition and run under a name of its own.
TEST(ProceduresTest, FallbackSetsTheRgbColourAndConsumesItsOperands)
{
    if (!HaveProgram("gs")) GTEST_SKIP() << "Ghostscript (gs) is not installed";

    const std::string definition = subCMYK();
    const std::size_t open = definition.find(" }{\r");
    const std::size_t close = definition.find(" } ifelse\r");
    ASSERT_NE(open, std::string::npos);
    ASSERT_NE(close, std::string::npos);
    const std::string fallback = definition.substr(open + 4, close - open - 4);

    struct Case {
        const char* cmyk;
        std::array<double, 3> rgb;
        const char* why;
    };
    const Case cases[] = {
        {"0 0 0 1", {0, 0, 0}, "black"},
        {"0 0 0 0", {1, 1, 1}, "white"},
        {"0 1 1 0", {1, 0, 0}, "red stays red, not blue"},
        {"1 1 0 0", {0, 0, 1}, "blue"},
        {"0 0 0 0.5", {0.5, 0.5, 0.5}, "grey"},
        {"0.25 0.5 0 0.25", {0.5, 0.25, 0.75}, "black adds to every ink"},
        {"0.75 0 0 0.5", {0, 0.5, 0.5}, "more ink than white clamps at 0"},
    };

    // Each case prints the stack depth left, then red, green and blue, and clears what a faulty procedure
    // left.
    std::string program = "/Fallback " + fallback + " def\n/Show { 20 string cvs print ( ) print } def\n";
    for (const Case& c : cases)
        program += std::string(c.cmyk) +
                   " Fallback count Show currentrgbcolor 3 -1 roll Show exch Show Show (\\n) print clear\n";

    TempDir dir;
    WriteFile(dir / "fallback.ps", program);
    const CommandResult gs = RunCommand("gs -q -dNODISPLAY -dBATCH -dNOPAUSE " + Quoted(dir / "fallback.ps"));
    ASSERT_EQ(gs.status, 0) << gs.output;

    std::istringstream out(gs.output);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        std::string line;
        ASSERT_TRUE(std::getline(out, line)) << gs.output;
        const std::vector<double> values = Numbers(line);
        ASSERT_EQ(values.size(), 4u) << line;
        EXPECT_EQ(values[0], 0) << "operands left on the stack: " << line;
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_NEAR(values[i + 1], c.rgb[i], 1e-4) << line;
    }
}

TEST(ProceduresTest, CMYKColorIsTheInterpretersOperatorWhereItHasOne)
{
    if (!HaveProgram("gs")) GTEST_SKIP() << "Ghostscript (gs) is not installed";

    const std::string program = subCMYK() + "\n/CMYKColor load type =\n0 1 1 0 CMYKColor currentcmykcolor "
                                            "4 array astore == count =\n";
    TempDir dir;
    WriteFile(dir / "cmyk.ps", program);
    const CommandResult gs = RunCommand("gs -q -dNODISPLAY -dBATCH -dNOPAUSE " + Quoted(dir / "cmyk.ps"));
    ASSERT_EQ(gs.status, 0) << gs.output;
    EXPECT_EQ(gs.output, "operatortype\n[0.0 1.0 1.0 0.0]\n0\n");
}
