#include "render/draw_main.h"

#include "model/code_model.h"
#include "model/dimensions.h"
#include "model/globals.h"
#include "render/picture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace quillmark;

namespace {

constexpr Rgb RED{255, 0, 0};
constexpr Rgb GREEN{0, 255, 0};
constexpr Rgb BLUE{0, 0, 255};
constexpr Rgb MAGENTA{255, 0, 255};

char ColourLetter(Pixel pixel)
{
    constexpr std::array<std::pair<Rgb, char>, 5> LETTERS{
        {{BLACK, 'K'}, {RED, 'R'}, {GREEN, 'G'}, {BLUE, 'B'}, {MAGENTA, 'M'}}};
    for (auto [colour, letter] : LETTERS)
        if (Pixel::FromRgb(colour) == pixel) return letter;
    return '?';
}

struct BarRun {
    char colour;
    int left;
    int width;
};

// The runs of non-white columns, left to right.
std::vector<BarRun> Runs(const Picture& picture)
{
    std::vector<BarRun> runs;
    const auto row = picture.row();
    for (std::size_t x = 0; x < row.size();) {
        std::size_t end = x + 1;
        while (end < row.size() && row[end] == row[x])
            ++end;
        if (row[x] != WHITE_PIXEL)
            runs.push_back({ColourLetter(row[x]), static_cast<int>(x), static_cast<int>(end - x)});
        x = end;
    }
    return runs;
}

// The runs as colour letter, left edge, "+", width: "K28+1 R38+1".
std::string Bars(const Picture& picture)
{
    std::string text;
    for (const BarRun& run : Runs(picture)) {
        if (!text.empty()) text += ' ';
        text += run.colour + std::to_string(run.left) + "+" + std::to_string(run.width);
    }
    return text;
}

struct Code {
    CodeModel model;
    Globals globals;
};

// The start-up state with the given parts and colours.
Code StartUp(const std::array<std::string, PART_COUNT>& parts,
             const std::array<Rgb, PART_COUNT>& colours = {})
{
    Code code;
    SetInitialState(code.model, code.globals);
    code.model.parts = parts;
    code.model.colours = colours;
    return code;
}

} // namespace

TEST(DrawMainTest, BarsAndSizes)
{
    struct Case {
        const char* why;
        std::array<std::string, PART_COUNT> parts;
        std::array<Rgb, PART_COUNT> colours{};
        double scale = 1;
        const char* mag = "100";
        const char* guardBar = "0";
        int width;
        int height;
        const char* bars;
        double theRat = 1; // widened width / plain width, both in millimetres
    };
    const Case cases[] = {
        {.why = "3 at the screen rendering scale: 44 modules of 1.4173 pt x 5",
         .parts = {"3"},
         .scale = 5,
         .width = 311,
         .height = 141,
         .bars = "K141+7 K162+7"},
        {.why = "3 at one pixel per point", .parts = {"3"}, .width = 62, .height = 28, .bars = "K28+1 K32+1"},
        {.why = "edges truncated on their own: 141.73 + 3.54 + 7.09 gives 152, not 141 + 3 + 7",
         .parts = {"3"},
         .scale = 5,
         .mag = "50",
         .width = 297,
         .height = 141,
         .bars = "K141+3 K152+3"},
        {.why = "an adjustment of 100 um widens the bars and keeps their pitch",
         .parts = {"3"},
         .scale = 5,
         .guardBar = "100",
         .width = 313,
         .height = 141,
         .bars = "K141+8 K162+8"},
        {.why = "an adjustment of -100 um narrows them",
         .parts = {"3"},
         .scale = 5,
         .guardBar = "-100",
         .width = 310,
         .height = 141,
         .bars = "K141+5 K162+5"},
        {.why = "a red part after a black one gets a gap of one narrow bar",
         .parts = {"3", "4"},
         .colours = {BLACK, RED},
         .width = 75,
         .height = 28,
         .bars = "K28+1 K32+1 R38+1 R42+4",
         .theRat = 26.5 / 26},
        {.why = "parts of one colour run on with the ordinary gap",
         .parts = {"3", "4"},
         .width = 73,
         .height = 28,
         .bars = "K28+1 K32+1 K36+1 K41+4"},
        {.why = "colours are compared in 8 bits, though (1, 0, 0) and black are one 16-bit pixel",
         .parts = {"3", "4"},
         .colours = {BLACK, {1, 0, 0}},
         .width = 75,
         .height = 28,
         .bars = "K28+1 K32+1 K38+1 K42+4",
         .theRat = 26.5 / 26},
        {.why = "a red 0 between black parts draws nothing but changes the colour twice",
         .parts = {"3", "0", "5"},
         .colours = {BLACK, RED, BLACK},
         .width = 76,
         .height = 28,
         .bars = "K28+1 K32+1 K39+4 K46+1",
         .theRat = 27.0 / 26},
        {.why = "a red 0 in part 1 sets the colour in effect, so black part 2 gets a gap",
         .parts = {"0", "3"},
         .colours = {RED, BLACK},
         .width = 63,
         .height = 28,
         .bars = "K29+1 K34+1",
         .theRat = 22.5 / 22},
        {.why = "empty part 1: the colour in effect stays black, a red part 2 widens the left quiet zone",
         .parts = {"", "5"},
         .colours = {BLACK, RED},
         .width = 66,
         .height = 28,
         .bars = "R29+4 R36+1",
         .theRat = 23.5 / 23},
        {.why = "empty part 1 and black part 2: no gap",
         .parts = {"", "5"},
         .width = 65,
         .height = 28,
         .bars = "K28+4 K35+1"},
        {.why = "no part: the two quiet zones", .parts = {}, .width = 56, .height = 28, .bars = ""},
        {.why = "no part at the screen rendering scale",
         .parts = {},
         .scale = 5,
         .width = 283,
         .height = 141,
         .bars = ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Code code = StartUp(c.parts, c.colours);
        code.model.magText = c.mag;
        code.model.guardBarText = c.guardBar;
        const std::optional<Picture> picture = DrawMain(code.model, code.globals, c.scale);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->width(), c.width);
        EXPECT_EQ(picture->height(), c.height);
        EXPECT_EQ(Bars(*picture), c.bars);
        EXPECT_NEAR(code.globals.theRat, c.theRat, 1e-6);
    }
}

TEST(DrawMainTest, SharedValues)
{
    Code code = StartUp({"3"});
    ASSERT_TRUE(DrawMain(code.model, code.globals, 5));
    EXPECT_NEAR(code.globals.theCodeWidth, 311.81, 0.005);
    EXPECT_NEAR(code.globals.theHeight, 141.73, 0.005);
    EXPECT_EQ(code.globals.theRat, 1.0f);
    EXPECT_NEAR(code.globals.theCodeWidthDisplay, 22.00, 1e-5);
    EXPECT_NEAR(code.globals.theCodeHeightDisplay, 10.00, 1e-5);

    // With a colour change, theCodeWidth is the widened width of the picture.
    code.model.parts[1] = "4";
    code.model.colours[1] = RED;
    ASSERT_TRUE(DrawMain(code.model, code.globals, 1));
    EXPECT_NEAR(code.globals.theCodeWidth, 75.12, 0.005);
    EXPECT_NEAR(code.globals.theHeight, 28.35, 0.005);
    EXPECT_NEAR(code.globals.theCodeWidthDisplay, 26.50, 1e-5);
    EXPECT_NEAR(code.globals.theCodeHeightDisplay, 10.00, 1e-5);
}

TEST(DrawMainTest, FiveColoursAtMostMagnification)
{
    // Four gaps of 7.09 pt outgrow the right quiet zone of 14.17 pt: the picture is widened to hold them.
    Code code = StartUp({"65534", "65534", "65534", "65534", "65534"}, {BLACK, RED, GREEN, BLUE, MAGENTA});
    code.model.magText = "500";
    code.model.marginText = "5";
    const std::optional<Picture> picture = DrawMain(code.model, code.globals, 1);
    ASSERT_TRUE(picture);

    // 1905 modules: 373 x 5 for the bars, 20 for the quiet zones, 4 x 5 for the gaps.
    EXPECT_EQ(picture->width(), 2699);
    EXPECT_NEAR(code.globals.theRat, 1905.0 / 1885, 1e-6);

    const std::vector<BarRun> runs = Runs(*picture);
    ASSERT_EQ(runs.size(), 75u);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(runs[i].colour, "KRGBM"[i / 15]);
        EXPECT_EQ(runs[i].width, 21);
    }
    EXPECT_EQ(runs.back().left, 2664);
    EXPECT_GT(runs.back().left + runs.back().width, 2671); // beyond the plain width of 1885 modules

    // The largest picture the limits allow: 2005 modules (120 of them quiet zones) by 100 mm, at 5x.
    code.model.heightText = "100";
    code.model.marginText = "30";
    const std::optional<Picture> largest = DrawMain(code.model, code.globals, 5);
    ASSERT_TRUE(largest);
    EXPECT_EQ(largest->width(), 14208);
    EXPECT_EQ(largest->height(), 1417);
    EXPECT_EQ(Runs(*largest).size(), 75u);
}

TEST(DrawMainTest, NothingToDraw)
{
    struct Case {
        const char* why;
        const char* mag;
        const char* height;
        const char* guardBar;
        const char* margin;
        double heightMm; // theCodeHeightDisplay: the bar height is measured all the same
    };
    const Case cases[] = {
        {"all dimension texts empty, as after opening a document without settings", "", "", "", "", 0},
        {"no margin and no bars", "100", "10", "0", "0", 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Code code = StartUp({});
        code.model.magText = c.mag;
        code.model.heightText = c.height;
        code.model.guardBarText = c.guardBar;
        code.model.marginText = c.margin;
        code.globals.theRat = 1;
        code.globals.theCodeWidthDisplay = 22;
        EXPECT_FALSE(DrawMain(code.model, code.globals, 5));
        EXPECT_EQ(code.globals.theRat, 0.0f);
        EXPECT_EQ(code.globals.theCodeWidthDisplay, 0.0);
        EXPECT_EQ(code.globals.theCodeWidth, 0.0);
        EXPECT_NEAR(code.globals.theCodeHeightDisplay, c.heightMm, 1e-5);
    }
}

TEST(DrawMainTest, SameResultTwice)
{
    Code code = StartUp({"1234", "7"}, {BLACK, RED});
    const std::optional<Picture> first = DrawMain(code.model, code.globals, 5);
    const double width = code.globals.theCodeWidth;
    const float ratio = code.globals.theRat;
    const std::optional<Picture> second = DrawMain(code.model, code.globals, 5);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(Bars(*first), Bars(*second));
    EXPECT_EQ(code.globals.theCodeWidth, width);
    EXPECT_EQ(code.globals.theRat, ratio);
}

TEST(DrawMainTest, RejectsWhatNoPictureHolds)
{
    Code code = StartUp({"3"});
    for (double scale : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity(), 1e5}) {
        SCOPED_TRACE(scale);
        EXPECT_THROW(DrawMain(code.model, code.globals, scale), std::invalid_argument);
    }
    code.model.heightText = "1000000";
    EXPECT_THROW(DrawMain(code.model, code.globals, 5), std::invalid_argument);
}

TEST(DrawMainTest, TextsFarOutsideTheLimits)
{
    // The field rules keep such texts out of a drawing; should one get through, it gives some picture or
    // std::invalid_argument, and bars of no width draw nothing.
    const char* texts[] = {
        "", "0", "-30", "-1000", "1e9", "99999999999999999999999", "-99999999999999999999999", "0.0001"};
    for (const char* mag : texts)
        for (const char* height : texts)
            for (const char* guardBar : texts)
                for (const char* margin : texts) {
                    Code code = StartUp({"65534", "1", "0", "2"}, {BLACK, RED, GREEN, BLUE});
                    code.model.magText = mag;
                    code.model.heightText = height;
                    code.model.guardBarText = guardBar;
                    code.model.marginText = margin;
                    try {
                        const std::optional<Picture> picture = DrawMain(code.model, code.globals, 5);
                        if (picture) {
                            EXPECT_LE(picture->width(), Picture::MAX_SIDE);
                            EXPECT_LE(picture->height(), Picture::MAX_SIDE);
                        }
                    } catch (const std::invalid_argument&) {
                    }
                }

    Code code = StartUp({"3"});
    code.model.guardBarText = "-1000"; // narrow bars of 1.42 - 2.83 pt
    const std::optional<Picture> picture = DrawMain(code.model, code.globals, 1);
    ASSERT_TRUE(picture);
    EXPECT_EQ(Bars(*picture), "");
}

TEST(PictureTest, StartsWhite)
{
    const Picture picture(3, 2);
    EXPECT_EQ(picture.width(), 3);
    EXPECT_EQ(picture.height(), 2);
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(picture.pixel(x, 1), WHITE_PIXEL);
    EXPECT_EQ(Picture(0, 0).width(), 0);
    EXPECT_EQ(Picture(Picture::MAX_SIDE, 1).width(), Picture::MAX_SIDE);
    EXPECT_THROW(Picture(-1, 1), std::invalid_argument);
    EXPECT_THROW(Picture(1, -1), std::invalid_argument);
    EXPECT_THROW(Picture(Picture::MAX_SIDE + 1, 1), std::invalid_argument);
    EXPECT_THROW(Picture(1, Picture::MAX_SIDE + 1), std::invalid_argument);
}

TEST(PictureTest, FillColumnsClips)
{
    constexpr std::int64_t MIN = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t MAX = std::numeric_limits<std::int64_t>::max();
    struct Case {
        std::int64_t left;
        std::int64_t width;
        const char* bars;
    };
    const Case cases[] = {
        {2, 3, "K2+3"}, {0, 10, "K0+10"}, {-2, 3, "K0+1"}, {-3, 3, ""},        {8, 5, "K8+2"},
        {10, 1, ""},    {3, 0, ""},       {3, -1, ""},     {-5, MAX, "K0+10"}, {9, MAX, "K9+1"},
        {MIN, MAX, ""}, {MIN, 1, ""},     {MAX, MAX, ""},  {MAX, MIN, ""},     {MIN, MIN, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.left) + " " + std::to_string(c.width));
        Picture picture(10, 1);
        picture.fillColumns(c.left, c.width, Pixel::FromRgb(BLACK));
        EXPECT_EQ(Bars(picture), c.bars);
    }
}
