#include "render/reduce.h"

#include "render/picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>

using namespace quillmark;

namespace {

constexpr Pixel Level(int red, int green, int blue)
{
    return {static_cast<std::uint16_t>(red << 10 | green << 5 | blue)};
}

constexpr Pixel Grey(int level)
{
    return Level(level, level, level);
}

// One pixel per letter: W white, K black, R red.
Picture FromLetters(const std::string& letters)
{
    Picture picture(static_cast<int>(letters.size()), 1);
    for (std::size_t x = 0; x < letters.size(); ++x)
        if (letters[x] != 'W')
            picture.fillColumns(static_cast<std::int64_t>(x), 1,
                                letters[x] == 'K' ? Pixel::FromRgb(BLACK) : Pixel::FromRgb({255, 0, 0}));
    return picture;
}

// The 5-bit levels of the pixels, "r" for a grey pixel and "r/g/b" otherwise.
std::string Levels(const Picture& picture, int from = 0, int to = -1)
{
    if (to < 0) to = picture.width();
    std::string text;
    for (int x = from; x < to; ++x) {
        const int value = picture.pixel(x, 0).value;
        const int red = value >> 10 & 31, green = value >> 5 & 31, blue = value & 31;
        text += text.empty() ? "" : " ";
        text += std::to_string(red);
        if (green != red || blue != red) text += "/" + std::to_string(green) + "/" + std::to_string(blue);
    }
    return text;
}

} // namespace

TEST(ReduceTest, UniformColoursStayExact)
{
    struct Size {
        int from;
        int to;
    };
    const Size sizes[] = {{311, 62}, {14208, 2841}, {7, 3}, {5, 1}, {3, 7}, {1, 1}};
    for (int level = 0; level < 32; ++level)
        for (const Pixel colour : {Grey(level), Level(level, 31 - level, level / 2)})
            for (const Size size : sizes) {
                SCOPED_TRACE(std::to_string(level) + ": " + std::to_string(size.from) + " to " +
                             std::to_string(size.to));
                Picture source(size.from, 1);
                source.fillColumns(0, size.from, colour);
                const Picture target = ReducePicture(source, size.to, 1);
                ASSERT_EQ(target.width(), size.to);
                for (const Pixel pixel : target.row())
                    ASSERT_EQ(pixel, colour);
            }
}

TEST(ReduceTest, AreaAverages)
{
    struct Case {
        const char* why;
        const char* source;
        int width;
        const char* levels; // mean of the 8-bit channels, rounded to 5 bits
    };
    const Case cases[] = {
        {"whole pixels of five", "WWWWWKKKKKWWKKKWWWWW", 4, "31 0 12 31"},
        {"one fifth black: 204 of 255", "KWWWW", 1, "25"},
        {"two fifths black: 153 of 255", "KKWWW", 1, "19"},
        {"four fifths black: 51 of 255", "KKKKW", 1, "6"},
        {"the red channel stays, green and blue are mixed", "RRWWW", 1, "31/19/19"},
        {"a half: 127.5 of 255 goes up", "KW", 1, "16"},
        {"enlarged, a target pixel may take half of two source pixels", "KW", 5, "0 0 16 31 31"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(Levels(ReducePicture(FromLetters(c.source), c.width, 1)), c.levels);
    }
}

TEST(ReduceTest, RenderingToTheScreen)
{
    // The 5x rendering of the number 3 (two black bars of 7 pixels at 141 and 162) goes into 62 pixels, so
    // each screen pixel spans 311 / 62 = 5.016 source pixels. Screen pixel 28 spans 140.45 to 145.47, of
    // which 140.45 to 141 is white: 34 / 311 of it, level 31 x 34 / 311 = 3.4 -> 3.
    Picture source(311, 141);
    source.fillColumns(141, 7, Pixel::FromRgb(BLACK));
    source.fillColumns(162, 7, Pixel::FromRgb(BLACK));
    const Picture screen = ReducePicture(source, 62, 28);
    EXPECT_EQ(screen.width(), 62);
    EXPECT_EQ(screen.height(), 28);
    EXPECT_EQ(Levels(screen, 26, 36), "31 31 3 15 31 31 9 10 31 31");
    EXPECT_EQ(Levels(screen, 0, 1), "31");
    EXPECT_EQ(Levels(screen, 61, 62), "31");
}

TEST(ReduceTest, SameAsOverlapsTakenOneByOne)
{
    // Runs of every width and colour, against the plain sum over every pair of source pixel s and target
    // pixel t of the overlap of [s * targetWidth, (s + 1) * targetWidth) and [t * sourceWidth, (t + 1) *
    // sourceWidth).
    std::mt19937 random(7);
    const Pixel colours[] = {WHITE_PIXEL, Pixel::FromRgb(BLACK), Level(31, 0, 0), Level(3, 17, 30)};
    for (int round = 0; round < 1000; ++round) {
        const int sourceWidth = std::uniform_int_distribution(1, 60)(random);
        const int targetWidth = std::uniform_int_distribution(1, 70)(random);
        Picture source(sourceWidth, 1);
        for (int x = 0; x < sourceWidth;) {
            const int run = std::uniform_int_distribution(1, 9)(random);
            source.fillColumns(x, run, colours[std::uniform_int_distribution(0, 3)(random)]);
            x += run;
        }
        const Picture target = ReducePicture(source, targetWidth, 1);
        SCOPED_TRACE(Levels(source) + " to " + std::to_string(targetWidth));

        for (std::int64_t t = 0; t < targetWidth; ++t) {
            std::int64_t red = 0, green = 0, blue = 0;
            for (std::int64_t s = 0; s < sourceWidth; ++s) {
                const std::int64_t overlap = std::min((s + 1) * targetWidth, (t + 1) * sourceWidth) -
                                             std::max(s * targetWidth, t * sourceWidth);
                if (overlap <= 0) continue;
                const Rgb c = source.pixel(static_cast<int>(s), 0).ToRgb();
                red += overlap * c.red;
                green += overlap * c.green;
                blue += overlap * c.blue;
            }
            const auto level = [sourceWidth](std::int64_t sum) {
                return static_cast<int>((sum * 62 + 255 * sourceWidth) / (510 * sourceWidth));
            };
            ASSERT_EQ(target.pixel(static_cast<int>(t), 0), Level(level(red), level(green), level(blue)))
                << "target pixel " << t;
        }
    }
}

TEST(ReduceTest, EmptySides)
{
    const Picture fromNothing = ReducePicture(Picture(0, 10), 3, 2);
    EXPECT_EQ(Levels(fromNothing), "31 31 31");
    EXPECT_EQ(fromNothing.height(), 2);
    EXPECT_EQ(ReducePicture(FromLetters("KKW"), 0, 1).width(), 0);
    EXPECT_EQ(ReducePicture(FromLetters("KKW"), 2, 0).height(), 0);
}
