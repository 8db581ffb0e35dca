#include "render/screen.h"

#include "model/code_model.h"
#include "model/dimensions.h"
#include "model/globals.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace quillmark;

namespace {

struct Code {
    CodeModel model;
    Globals globals;
};

Code StartUp(const std::array<std::string, PART_COUNT>& parts)
{
    Code code;
    SetInitialState(code.model, code.globals);
    code.model.parts = parts;
    return code;
}

// Where the right-hand and the lower corner marks start: the code's size truncated after its offset.
int RightMarkX(const ScreenCode& screen)
{
    return static_cast<int>(CODE_LEFT + screen.widthPt);
}
int LowerMarkY(const ScreenCode& screen)
{
    return static_cast<int>(CODE_TOP + screen.heightPt);
}

} // namespace

TEST(ScreenTest, Frame)
{
    struct Case {
        const char* why;
        std::array<std::string, PART_COUNT> parts;
        int surfaceWidth;
        int surfaceHeight;
        float widthPt;
        int rightMarkX;
        const char* widthLabel;
    };
    const Case cases[] = {
        {"3: reduced from the 311 x 141 rendering", {"3"}, 62, 28, 62.362f, 92, "22.00"},
        {"no part: the quiet zones only", {}, 56, 28, 56.693f, 86, "20.00"},
        {"3 and 4 in one colour", {"3", "4"}, 73, 28, 73.701f, 103, "26.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Code code = StartUp(c.parts);
        const ScreenCode screen = RenderScreenCode(code.model, code.globals);
        ASSERT_TRUE(code.globals.theSurfacePic);
        EXPECT_EQ(code.globals.theSurfacePic->width(), c.surfaceWidth);
        EXPECT_EQ(code.globals.theSurfacePic->height(), c.surfaceHeight);
        EXPECT_NEAR(screen.widthPt, c.widthPt, 0.001);
        EXPECT_NEAR(screen.heightPt, 28.346f, 0.001);
        EXPECT_EQ(RightMarkX(screen), c.rightMarkX);
        EXPECT_EQ(LowerMarkY(screen), 48);
        EXPECT_EQ(screen.widthLabel, c.widthLabel);
        EXPECT_EQ(screen.heightLabel, "10.00");
    }
}

TEST(ScreenTest, SurfaceHoldsTheReducedCode)
{
    Code code = StartUp({"3"});
    code.model.colours[0] = {255, 0, 0};
    RenderScreenCode(code.model, code.globals);
    ASSERT_TRUE(code.globals.theSurfacePic);
    const Picture& surface = *code.globals.theSurfacePic;
    // The bars of 7 source pixels fall across two screen pixels each. Screen pixel 28 is 34 / 311 white:
    // red stays full, green and blue are 3 of 31.
    EXPECT_EQ(surface.pixel(27, 0), WHITE_PIXEL);
    EXPECT_EQ(surface.pixel(28, 0).value, 31 << 10 | 3 << 5 | 3);
    EXPECT_EQ(surface.pixel(29, 27).value, 31 << 10 | 15 << 5 | 15);
    EXPECT_EQ(surface.pixel(30, 0), WHITE_PIXEL);
}

TEST(ScreenTest, NothingToDraw)
{
    Code code = StartUp({"3"});
    RenderScreenCode(code.model, code.globals);
    ASSERT_TRUE(code.globals.theSurfacePic);

    // As after opening a document without settings: no code, a cross of marks at the corner, labels .00.
    code.model = CodeModel{};
    const ScreenCode screen = RenderScreenCode(code.model, code.globals);
    EXPECT_FALSE(code.globals.theSurfacePic);
    EXPECT_EQ(screen.widthPt, 0.0f);
    EXPECT_EQ(screen.heightPt, 0.0f);
    EXPECT_EQ(RightMarkX(screen), CODE_LEFT);
    EXPECT_EQ(LowerMarkY(screen), CODE_TOP);
    EXPECT_EQ(screen.widthLabel, ".00");
    EXPECT_EQ(screen.heightLabel, ".00");
}

TEST(ScreenTest, AppliesThePartOrder)
{
    Code code = StartUp({"", "", "5"});
    RenderScreenCode(code.model, code.globals);
    EXPECT_EQ(code.model.parts, (std::array<std::string, PART_COUNT>{}));
    ASSERT_TRUE(code.globals.theSurfacePic);
    EXPECT_EQ(code.globals.theSurfacePic->width(), 56);
    for (const Pixel pixel : code.globals.theSurfacePic->row())
        ASSERT_EQ(pixel, WHITE_PIXEL);

    code.model.parts = {"3", "", "5", "6", "7"};
    RenderScreenCode(code.model, code.globals);
    EXPECT_EQ(code.model.parts, (std::array<std::string, PART_COUNT>{"3"}));
}

TEST(ScreenTest, FormatHundredths)
{
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {22.0000007, "22.00"}, {10.0000003, "10.00"}, {0, ".00"},      {0.5, ".50"},
        {0.994, ".99"},        {0.996, "1.00"},       {26.5, "26.50"}, {1234.567, "1234.57"},
        {100, "100.00"},       {-0.25, "-.25"},       {-0.001, ".00"}, {-12.345678, "-12.35"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(FormatHundredths(c.value), c.text);
    }
}
