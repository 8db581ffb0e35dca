#include "preview/tiff.h"

#include "TestSupport.h"
#include "preview/endian.h"
#include "render/picture.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace quillmark;
using namespace quillmark::test;

TEST(TiffTest, HexEndFormat)
{
    struct Case {
        std::int32_t value;
        std::string_view byteOrder;
        bool swapHalves;
        const char* bytes;
    };
    const Case cases[] = {
        {30, "II", false, "1E 00 00 00"},        // the DOS EPS header
        {30, "MM", false, "00 00 00 1E"},        // a LONG in the TIFF
        {30, "MM", true, "00 1E 00 00"},         // a SHORT in the TIFF
        {0x12345678, "II", true, "34 12 78 56"}, // little-endian, halves exchanged
        {24000, "MM", false, "00 00 5D C0"},     {-2, "MM", false, "FF FF FF FE"}, // two's complement
        {0, "XX", false, "00 00 00 00"}, // any other order is big-endian
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(Hex(myHexEndFormat(c.value, 8, c.byteOrder, c.swapHalves)), c.bytes);
    }
    EXPECT_THROW(myHexEndFormat(30, 4, "MM", false), std::invalid_argument);
}

// The header of a 200 x 40 preview, entry by entry: tag, type, count, value.
TEST(TiffTest, HeaderBytes)
{
    const std::string expected = "4D 4D 00 2A 00 00 00 08 "
                                 "00 0E "
                                 "00 FE 00 04 00 00 00 01 00 00 00 00 "
                                 "01 00 00 03 00 00 00 01 00 C8 00 00 "
                                 "01 01 00 03 00 00 00 01 00 28 00 00 "
                                 "01 02 00 03 00 00 00 03 00 00 00 B6 "
                                 "01 03 00 03 00 00 00 01 00 01 00 00 "
                                 "01 06 00 03 00 00 00 01 00 02 00 00 "
                                 "01 11 00 04 00 00 00 01 00 00 00 C4 "
                                 "01 15 00 03 00 00 00 01 00 03 00 00 "
                                 "01 16 00 03 00 00 00 01 00 28 00 00 "
                                 "01 17 00 04 00 00 00 01 00 00 5D C0 "
                                 "01 1A 00 05 00 00 00 01 00 00 00 BC "
                                 "01 1B 00 05 00 00 00 01 00 00 00 BC "
                                 "01 1C 00 03 00 00 00 01 00 01 00 00 "
                                 "01 28 00 03 00 00 00 01 00 02 00 00 "
                                 "00 00 00 00 "
                                 "00 08 00 08 00 08 "
                                 "00 0A FC 80 00 00 27 10";
    const std::string header = myTIFFHeader(200, 40);
    ASSERT_EQ(header.size(), 196u);
    EXPECT_EQ(Hex(header), expected);
}

TEST(TiffTest, SizeFields)
{
    struct Case {
        std::uint16_t width;
        std::uint16_t height;
        const char* imageWidth;
        const char* imageLength;
        const char* stripByteCounts;
    };
    const Case cases[] = {
        {200, 40, "00 C8 00 00", "00 28 00 00", "00 00 5D C0"},
        {1, 1, "00 01 00 00", "00 01 00 00", "00 00 00 03"},
        {65535, 283, "FF FF 00 00", "01 1B 00 00", "03 50 FC AF"}, // widest 16-bit side
        {0, 0, "00 00 00 00", "00 00 00 00", "00 00 00 00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const std::string header = myTIFFHeader(c.width, c.height);
        EXPECT_EQ(Hex(header.substr(10 + 1 * 12 + 8, 4)), c.imageWidth);
        EXPECT_EQ(Hex(header.substr(10 + 2 * 12 + 8, 4)), c.imageLength);
        EXPECT_EQ(Hex(header.substr(10 + 8 * 12 + 8, 4)), c.imageLength); // RowsPerStrip: one strip
        EXPECT_EQ(Hex(header.substr(10 + 9 * 12 + 8, 4)), c.stripByteCounts);
    }
    // 3 x 65535 x 65535 bytes do not fit StripByteCounts.
    EXPECT_THROW(myTIFFHeader(65535, 65535), std::invalid_argument);
}

TEST(TiffTest, PixelBytes)
{
    Picture white(200, 40);
    const std::string pixels = myGraphicsToHex(white);
    EXPECT_EQ(pixels.size(), 24000u);
    EXPECT_EQ(Hex(pixels.substr(0, 3)), "FF FF FF");
    EXPECT_EQ(pixels, std::string(24000, '\xFF'));
    EXPECT_EQ((myTIFFHeader(200, 40) + pixels).size(), 24196u);

    // Columns 1 red, 2 black, 3 a colour that 16-bit pixels round; each of two rows the same.
    Picture coloured(4, 2);
    coloured.fillColumns(1, 1, Pixel::FromRgb({255, 0, 0}));
    coloured.fillColumns(2, 1, Pixel::FromRgb({0, 0, 0}));
    coloured.fillColumns(3, 1, Pixel::FromRgb({100, 150, 200}));
    const std::string row = "FF FF FF FF 00 00 00 00 00 63 94 CE";
    EXPECT_EQ(Hex(myGraphicsToHex(coloured)), row + " " + row);

    EXPECT_EQ(myGraphicsToHex(Picture(0, 5)), "");
    EXPECT_EQ(myGraphicsToHex(Picture(5, 0)), "");
    EXPECT_THROW(myGraphicsToHex(Picture(65536, 1)), std::invalid_argument);
}
