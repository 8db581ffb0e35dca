#include "eps/document_reader.h"

#include "TestSupport.h"
#include "eps/settings.h"
#include "preview/dos_eps.h"

#include <gtest/gtest.h>

#include <random>

using namespace quillmark;
using namespace quillmark::test;

namespace {

constexpr std::string_view NOT_A_DOCUMENT = "The file is not a Quillmark document.";

const std::string& GoodDocument()
{
    static const std::string document = SaveDocument(ModelSetup{
        .parts = {"1234", "56"}, .colours = {BLACK, {200, 10, 30}}, .magText = "150", .guardBarText = "-20"});
    return document;
}

// A DOS EPS file around `postscript`, with a small preview.
std::string Wrap(std::string_view postscript)
{
    const std::string tiff(196 + 12, '\0');
    return myEPSTIFFHeader(196, 12, static_cast<std::int32_t>(tiff.size() + postscript.size())) + tiff +
           std::string(postscript);
}

// The good document with settings line `line` (from 1) holding `value`.
std::string WithSetting(int line, std::string_view value)
{
    std::string postscript(PostScriptOf(GoodDocument()));
    std::size_t at = 0;
    for (int n = 0; n < line; ++n)
        at = postscript.find(SETTINGS_SEPARATOR, at) + SETTINGS_SEPARATOR.size();
    const std::size_t end = postscript.find(SETTINGS_SEPARATOR, at);
    postscript.replace(at, end - at, value);
    return Wrap(postscript);
}

std::string RandomBytes(std::size_t size)
{
    std::mt19937 random(1234);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

} // namespace

TEST(DocumentReaderTest, AGoodDocumentReadsBackToItsModel)
{
    Globals globals;
    CodeModel model = MakeModel({.parts = {"1234", "56", "0"},
                                 .colours = {BLACK, {200, 10, 30}, {0, 0, 255}},
                                 .magText = "150",
                                 .heightText = "12.5",
                                 .guardBarText = "-20",
                                 .marginText = "5"},
                                globals);
    const std::string document = SaveDocument(model, globals);
    const DocumentRead read = ReadDocument(document);
    EXPECT_EQ(read.problem, "");
    ASSERT_TRUE(read.model);
    EXPECT_EQ(*read.model, model);
}

TEST(DocumentReaderTest, RefusesWhatItCannotUse)
{
    const std::string& good = GoodDocument();
    const std::string_view postscript = PostScriptOf(good);
    const std::size_t postscriptStart = good.size() - postscript.size();
    const std::string plainEps = "%!PS-Adobe-3.0 EPSF-3.0\r%%BoundingBox: 0 0 10 10\r0 0 moveto\r%%EOF";
    const std::string settingsCut(postscript.substr(0, postscript.find("%%qlmk 150")));
    const std::string notEnded(postscript.substr(0, postscript.size() - 1));

    struct Case {
        const char* why;
        std::string bytes;
        std::string_view problem; // the start of it
    };
    const Case cases[] = {
        {"empty", "", "The file is empty."},
        {"random bytes", RandomBytes(5000), NOT_A_DOCUMENT},
        {"a PostScript file, not DOS EPS", std::string(postscript), NOT_A_DOCUMENT},
        {"a plain EPS without settings", Wrap(plainEps), NOT_A_DOCUMENT},
        {"a PostScript section that is not EPS", Wrap("%!PS-Adobe-3.0\r%%qlmk 1\r%%EOF"), NOT_A_DOCUMENT},
        {"cut in the header", good.substr(0, 20), NOT_A_DOCUMENT},
        {"cut after the header", good.substr(0, 30), "The document is incomplete: "},
        {"cut in the preview", good.substr(0, 1000), "The document is incomplete: "},
        {"cut at the PostScript", good.substr(0, postscriptStart), "The document is incomplete: "},
        {"cut in the PostScript", good.substr(0, postscriptStart + 300), "The document is incomplete: "},
        {"cut before %%EOF", good.substr(0, good.size() - 1), "The document is incomplete: "},
        {"header cut in the settings", Wrap(settingsCut),
         "The document is incomplete: its settings end early."},
        {"header cut before %%EOF", Wrap(notEnded),
         "The document is incomplete: its PostScript program is cut off."},
        {"part not a number", WithSetting(2, "5x6"), "The document's settings are damaged: part 2 "},
        {"part too large", WithSetting(1, "65535"), "The document's settings are damaged: part 1 "},
        {"part negative", WithSetting(3, "-1"), "The document's settings are damaged: part 3 "},
        {"NUL in a part", WithSetting(1, std::string("12\0", 3)),
         "The document's settings are damaged: part 1 "},
        {"colour above 255", WithSetting(6, "256"),
         "The document's settings are damaged: the colour of part 1 "},
        {"colour negative", WithSetting(10, "-1"),
         "The document's settings are damaged: the colour of part 2 "},
        {"colour a little above 255", WithSetting(20, "256.5"),
         "The document's settings are damaged: the colour of part 5 "},
        {"colour missing", WithSetting(8, ""), "The document's settings are damaged: the colour of part 1 "},
        {"magnification not a number", WithSetting(21, "abc"),
         "The document's settings are damaged: the magnification is not a number."},
        {"magnification with a tail", WithSetting(21, "100%"),
         "The document's settings are damaged: the magnification is not a number."},
        {"magnification out of range", WithSetting(21, "501"),
         "The document's settings are damaged: the magnification is outside its limits of 50 to 500."},
        {"magnification huge", WithSetting(21, std::string(400, '9')),
         "The document's settings are damaged: the magnification is outside"},
        {"height negative", WithSetting(22, "-10"),
         "The document's settings are damaged: the bar height is outside"},
        {"height empty", WithSetting(22, ""),
         "The document's settings are damaged: the bar height is outside"},
        {"adjustment below its limit", WithSetting(23, "-100.5"),
         "The document's settings are damaged: the bar width adjustment is outside"},
        {"adjustment with an exponent", WithSetting(23, "1e2"),
         "The document's settings are damaged: the bar width adjustment is not a number."},
        {"NUL in the margin", WithSetting(24, std::string("10\0", 3)),
         "The document's settings are damaged: the margin is not a number."},
        {"non-ASCII in the margin", WithSetting(24, "10\xC2\xA0"),
         "The document's settings are damaged: the margin is not a number."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const DocumentRead read = ReadDocument(c.bytes);
        EXPECT_FALSE(read.model);
        EXPECT_TRUE(read.problem.starts_with(c.problem)) << read.problem;
        EXPECT_TRUE(read.problem.ends_with('.')) << read.problem;
    }
}

TEST(DocumentReaderTest, TakesEveryValueTheFieldsCanHold)
{
    struct Case {
        int line;
        std::string_view value;
    };
    const Case cases[] = {
        {1, ""},    {1, "65534"}, {1, "000123"}, {6, "0"},   {6, "255"},   {6, "12.9"},
        {21, "50"}, {21, "500"},  {21, "102.5"}, {22, "5"},  {23, "-100"}, {23, "250"},
        {23, ""},   {23, "-.5"},  {24, "30"},    {24, "5."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.line) + ": " + std::string(c.value));
        const DocumentRead read = ReadDocument(WithSetting(c.line, c.value));
        EXPECT_TRUE(read.model) << read.problem;
    }
}

TEST(DocumentReaderTest, AHandEditedFractionalColourIsCutTowardZero)
{
    const DocumentRead read = ReadDocument(WithSetting(9, "12.9"));
    ASSERT_TRUE(read.model) << read.problem;
    EXPECT_EQ(read.model->colours[1].red, 12);
}

TEST(DocumentReaderTest, TheLargestDocumentIsFarBelowTheSizeBound)
{
    const Rgb colours[] = {BLACK, {255, 0, 0}, {0, 0, 255}, {0, 128, 0}, {128, 0, 128}};
    const std::string largest =
        SaveDocument(ModelSetup{.parts = {"65534", "65534", "65534", "65534", "65534"},
                                .colours = {colours[0], colours[1], colours[2], colours[3], colours[4]},
                                .magText = "500",
                                .heightText = "100",
                                .guardBarText = "250",
                                .marginText = "30"});
    EXPECT_LT(largest.size(), MAX_DOCUMENT_BYTES / 4);
    EXPECT_TRUE(ReadDocument(largest).model);
}

TEST(DocumentReaderTest, RefusesAFileTooLargeForADocument)
{
    const std::string huge(MAX_DOCUMENT_BYTES + 1, ' ');
    const DocumentRead read = ReadDocument(huge);
    EXPECT_FALSE(read.model);
    EXPECT_TRUE(read.problem.starts_with("The file is too large")) << read.problem;
}

TEST(DocumentReaderTest, LooksLikeDocument)
{
    const std::string_view postscript = PostScriptOf(GoodDocument());
    struct Case {
        std::string_view start;
        bool document;
        const char* why;
    };
    const std::string late =
        "%!PS-Adobe-3.0 EPSF-3.0" + std::string(DOCUMENT_SIGNATURE_BYTES, ' ') + "\r%%qlmk 1";
    const Case cases[] = {
        {postscript, true, "a whole document"},
        {postscript.substr(0, DOCUMENT_SIGNATURE_BYTES), true, "its first bytes"},
        {"%!PS-Adobe-3.0 EPSF-3.0\r%%BoundingBox: 0 0 1 1\r%%EOF", false, "no settings"},
        {"%!PS-Adobe-3.0\r%%qlmk 1\r", false, "not EPS"},
        {late, false, "settings too far in"},
        {"", false, "nothing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(LooksLikeDocument(c.start), c.document);
    }
}
