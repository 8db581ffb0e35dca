#include "preview/dos_eps.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace quillmark;
using namespace quillmark::test;

TEST(DosEpsTest, HeaderBytes)
{
    // A 200 x 40 preview (196 + 24000 bytes) and 3000 bytes of PostScript.
    const std::string header = myEPSTIFFHeader(196, 24000, 27196);
    EXPECT_EQ(Hex(header), "C5 D0 D3 C6 "
                           "A2 5E 00 00 "             // PostScript at 24226
                           "B8 0B 00 00 "             // 3000 bytes of it
                           "00 00 00 00 00 00 00 00 " // no metafile
                           "1E 00 00 00 "             // TIFF at 30
                           "84 5E 00 00 "             // 24196 bytes of it
                           "FF FF");
    EXPECT_EQ(header.size() + 27196, 27226u);
}

TEST(DosEpsTest, HeaderRefusesABodyWithoutItsPreview)
{
    EXPECT_THROW(myEPSTIFFHeader(196, 24000, 24195), std::invalid_argument);
    EXPECT_THROW(myEPSTIFFHeader(-1, 0, 10), std::invalid_argument);
    EXPECT_NO_THROW(myEPSTIFFHeader(196, 24000, 24196));
}

TEST(DosEpsTest, ReadsTheHeaderItWrites)
{
    struct Case {
        std::int32_t tiffHeader, tiffData, body;
    };
    const Case cases[] = {
        {196, 24000, 27196}, {196, 0, 196}, {196, 3 * 2841 * 283, 196 + 3 * 2841 * 283 + 9000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        const auto header = ReadDosEpsHeader(myEPSTIFFHeader(c.tiffHeader, c.tiffData, c.body));
        ASSERT_TRUE(header);
        const auto tiff = static_cast<std::uint32_t>(c.tiffHeader + c.tiffData);
        EXPECT_EQ(header->tiffStart, 30u);
        EXPECT_EQ(header->tiffLength, tiff);
        EXPECT_EQ(header->postscriptStart, 30 + tiff);
        EXPECT_EQ(header->postscriptLength, static_cast<std::uint32_t>(c.body) - tiff);
    }
}

TEST(DosEpsTest, SplitsAFileIntoItsSections)
{
    const std::string tiff("MM\0*tiff bytes", 14);
    const std::string postscript = "%!PS-Adobe-3.0 EPSF-3.0\r%%EOF";
    const std::string file = myEPSTIFFHeader(4, static_cast<std::int32_t>(tiff.size() - 4),
                                             static_cast<std::int32_t>(tiff.size() + postscript.size())) +
                             tiff + postscript;
    const auto sections = SplitDosEps(file);
    ASSERT_TRUE(sections);
    EXPECT_EQ(sections->tiff, tiff);
    EXPECT_EQ(sections->postscript, postscript);
}

TEST(DosEpsTest, RefusesWhatIsNotAFittingHeader)
{
    const std::string postscript = "%!PS-Adobe-3.0 EPSF-3.0\r%%EOF";
    const std::string good = myEPSTIFFHeader(196, 4, 200 + static_cast<std::int32_t>(postscript.size())) +
                             std::string(200, 'T') + postscript;
    auto withField = [&good](std::size_t offset, std::uint32_t value) {
        std::string file = good;
        for (std::size_t i = 0; i < 4; ++i)
            file[offset + i] = static_cast<char>(value >> (8 * i) & 0xFF);
        return file;
    };

    struct Case {
        const char* why;
        std::string file;
        bool header;
        bool sections;
    };
    const Case cases[] = {
        {"the good file", good, true, true},
        {"nothing", "", false, false},
        {"29 bytes", good.substr(0, 29), false, false},
        {"header only", good.substr(0, 30), true, false},
        {"cut in the PostScript", good.substr(0, good.size() - 1), true, false},
        {"plain PostScript", postscript + std::string(40, ' '), false, false},
        {"wrong marker", "\xC5\xD0\xD3\xC7" + good.substr(4), false, false},
        {"PostScript past the end", withField(4, static_cast<std::uint32_t>(good.size())), true, false},
        {"PostScript too long", withField(8, 0xFFFFFFF0), true, false},
        {"PostScript inside the header", withField(4, 10), true, false},
        {"TIFF past the end", withField(24, 0xFFFFFFFF), true, false},
        {"no preview at all", withField(24, 0), true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(ReadDosEpsHeader(c.file).has_value(), c.header);
        EXPECT_EQ(SplitDosEps(c.file).has_value(), c.sections);
    }
}
