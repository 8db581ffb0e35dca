#include "eps/ps_standard.h"

#include "TestSupport.h"
#include "eps/settings.h"
#include "model/numbers.h"
#include "preview/dos_eps.h"
#include "preview/tiff.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <stdexcept>

using namespace quillmark;
using namespace quillmark::test;

namespace {

// The values of the "/name value def" lines of a program.
std::map<std::string, std::string> Definitions(std::string_view postscript)
{
    std::map<std::string, std::string> definitions;
    for (const std::string& line : Lines(postscript)) {
        if (!line.starts_with('/') || !line.ends_with(" def")) continue;
        const std::size_t space = line.find(' ');
        const std::string value = line.substr(space + 1, line.size() - 4 - space - 1);
        if (value.find(' ') == std::string::npos) definitions.emplace(line.substr(1, space - 1), value);
    }
    return definitions;
}

double Value(const std::map<std::string, std::string>& definitions, const std::string& name)
{
    const auto found = definitions.find(name);
    EXPECT_NE(found, definitions.end()) << name;
    return found == definitions.end() ? NAN : TextToNumber(found->second);
}

std::size_t Count(std::string_view text, std::string_view what)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

constexpr std::string_view COLOUR_CHANGE = "/theOriginX theOriginX theNarrowPlus add def\r\r";

} // namespace

TEST(PsStandardTest, DefaultValues)
{
    const std::string document = SaveDocument(ModelSetup{.parts = {"3"}});
    const auto definitions = Definitions(PostScriptOf(document));

    struct Case {
        const char* name;
        double value; // to seven significant digits
    };
    const Case cases[] = {
        {"theBWA", 0},
        {"theNarrowPlus", 1.417322},
        {"theNarrowMinus", -1.417322},
        {"theWidePlus", 4.251967},
        {"theWideMinus", -4.251967},
        {"theGap", 2.834645},
        {"theHeightPlus", 28.34645},
        {"theHeightMinus", -28.34645},
        {"theOriginX", 28.34645},
        {"theOriginY", 0},
        {"theCodeWidthPlus", 62.36219},
        {"theCodeWidthMinus", -62.36219},
        {"theCounta", 0},
        {"theCounte", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(Value(definitions, c.name), c.value, 5e-6 * std::max(1.0, std::abs(c.value)));
    }
}

TEST(PsStandardTest, HeaderComments)
{
    const std::string document = SaveDocument(ModelSetup{.parts = {"3"}});
    const std::vector<std::string> lines = Lines(PostScriptOf(document));
    const auto definitions = Definitions(PostScriptOf(document));

    ASSERT_GE(lines.size(), 40u);
    EXPECT_EQ(lines[0], "%!PS-Adobe-3.0 EPSF-3.0");
    EXPECT_EQ(lines[1], "%%Creator: Quillmark");
    // DSC asks for whole points: the code's 62.36 by 28.35 points rounded up.
    EXPECT_EQ(lines[2], "%%BoundingBox: 0 0 63 29");
    EXPECT_EQ(lines[3], "%%HiResBoundingBox: 0 0 " + definitions.at("theCodeWidthPlus") + " " +
                            definitions.at("theHeightPlus"));
    EXPECT_EQ(lines[4], "%%CreationDate: (2024-03-07) (09:05:03)");
    EXPECT_EQ(lines[5], "%%Version: 2.0.2");
    EXPECT_EQ(lines[6], "%%DocumentProcessColors: Cyan Magenta Yellow Black");
    EXPECT_EQ(lines[7], "%%qlmk 3");
    EXPECT_EQ(lines[32], "%%qlmk Saved");
    EXPECT_EQ(lines[33], "");
    EXPECT_TRUE(lines[34].starts_with("/theBWA "));
    EXPECT_EQ(lines[41], "/theOriginX " + definitions.at("theOriginX") + " def");
    EXPECT_EQ(lines[42], "/theOriginY 0 def");
    EXPECT_EQ(lines[51], "/CMYKColor");
}

TEST(PsStandardTest, BoundingBoxRoundsUp)
{
    struct Case {
        ModelSetup setup;
        const char* box;
    };
    const Case cases[] = {
        {{.parts = {"3"}}, "%%BoundingBox: 0 0 63 29"},
        {{.heightText = "5", .marginText = "5"}, "%%BoundingBox: 0 0 29 15"}, // 28.35 by 14.17 points
        {{.parts = {"65534"}, .magText = "500", .heightText = "100"}, "%%BoundingBox: 0 0 575 284"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        const std::string document = SaveDocument(c.setup);
        const std::string_view postscript = PostScriptOf(document);
        const auto definitions = Definitions(postscript);
        EXPECT_EQ(Lines(postscript)[2], c.box);
        const double width = Value(definitions, "theCodeWidthPlus");
        const double height = Value(definitions, "theHeightPlus");
        EXPECT_EQ(Lines(postscript)[2], "%%BoundingBox: 0 0 " +
                                            std::to_string(static_cast<int>(std::ceil(width))) + " " +
                                            std::to_string(static_cast<int>(std::ceil(height))));
    }
}

TEST(PsStandardTest, DateIt)
{
    EXPECT_EQ(DateIt(FixedTime()), "%%CreationDate: (2024-03-07) (09:05:03)");
    std::tm late{};
    late.tm_year = 1999 - 1900;
    late.tm_mon = 11;
    late.tm_mday = 31;
    late.tm_hour = 23;
    late.tm_min = 59;
    late.tm_sec = 59;
    EXPECT_EQ(DateIt(late), "%%CreationDate: (1999-12-31) (23:59:59)");
    EXPECT_EQ(SetVersion(), "2.0.2");
}

TEST(PsStandardTest, LinesEndWithCarriageReturnAndTheFileWithEOF)
{
    const std::string document = SaveDocument(ModelSetup{.parts = {"1234", "56"}, .colours = {BLACK, RED}});
    const std::string_view postscript = PostScriptOf(document);
    EXPECT_EQ(postscript.find('\n'), std::string_view::npos);
    EXPECT_TRUE(document.ends_with("\r%%Trailer\r%%EOF"));
}

TEST(PsStandardTest, SectionsAndHeaderAgree)
{
    Globals globals;
    CodeModel model = MakeModel({.parts = {"1234"}}, globals);
    const std::string document = SaveDocument(model, globals);
    const Picture& preview = *globals.theSurfacePic;

    const auto header = ReadDosEpsHeader(document);
    ASSERT_TRUE(header);
    const std::uint32_t tiffLength = TIFF_HEADER_SIZE + 3u * static_cast<std::uint32_t>(preview.width()) *
                                                            static_cast<std::uint32_t>(preview.height());
    EXPECT_EQ(header->tiffStart, 30u);
    EXPECT_EQ(header->tiffLength, tiffLength);
    EXPECT_EQ(header->postscriptStart, 30 + tiffLength);
    EXPECT_EQ(header->postscriptStart + header->postscriptLength, document.size());

    const auto sections = SplitDosEps(document);
    ASSERT_TRUE(sections);
    EXPECT_EQ(sections->tiff.substr(0, TIFF_HEADER_SIZE),
              myTIFFHeader(static_cast<std::uint16_t>(preview.width()),
                           static_cast<std::uint16_t>(preview.height())));
    EXPECT_EQ(sections->tiff.substr(TIFF_HEADER_SIZE), myGraphicsToHex(preview));
    EXPECT_TRUE(sections->postscript.starts_with("%!PS-Adobe-3.0 EPSF-3.0\r"));
}

TEST(PsStandardTest, OnePartProgramPerPart)
{
    struct Case {
        const char* why;
        ModelSetup setup;
        std::size_t loops;
        std::size_t colourChanges;
    };
    const Case cases[] = {
        {"part 1 alone", {.parts = {"1234"}}, 1, 0},
        {"two parts in one colour", {.parts = {"12", "34"}, .colours = {RED, RED}}, 2, 0},
        {"two parts in two colours", {.parts = {"12", "34"}, .colours = {BLACK, RED}}, 2, 1},
        {"two screen colours of one ink",
         {.parts = {"12", "34"}, .colours = {{{127, 127, 127}, {128, 128, 128}}}},
         2,
         0},
        {"back to the first colour", {.parts = {"12", "34", "56"}, .colours = {BLACK, RED, BLACK}}, 3, 2},
        {"five parts, five colours",
         {.parts = {"1", "2", "3", "4", "5"}, .colours = {BLACK, RED, GREEN, BLUE, {255, 128, 0}}},
         5,
         4},
        {"no parts", {}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::string document = SaveDocument(c.setup);
        const std::string_view postscript = PostScriptOf(document);
        EXPECT_EQ(Count(postscript, "\r} repeat\r"), c.loops);
        EXPECT_EQ(Count(postscript, COLOUR_CHANGE), c.colourChanges);
    }
}

TEST(PsStandardTest, ColourChangeStandsBetweenTheParts)
{
    const std::string document = SaveDocument(ModelSetup{.parts = {"3", "4"}, .colours = {BLACK, RED}});
    const std::string_view postscript = PostScriptOf(document);
    const std::size_t partOne = postscript.find("(W) [(N) (N) ] theCounta get eq {");
    const std::size_t change = postscript.find(COLOUR_CHANGE);
    const std::size_t partTwo = postscript.find("2 {\r(W) [(N) (W) ] theCountb get eq {");
    ASSERT_NE(partOne, std::string_view::npos);
    ASSERT_NE(partTwo, std::string_view::npos);
    EXPECT_LT(partOne, change);
    EXPECT_EQ(postscript.substr(change - std::string_view("} repeat\r\r").size(),
                                std::string_view("} repeat\r\r").size()),
              "} repeat\r\r");
    EXPECT_EQ(change + COLOUR_CHANGE.size(), partTwo);
    EXPECT_NE(postscript.find("0 1 1 0 fillCMYK"), std::string_view::npos);
}

TEST(PsStandardTest, PartWithoutBarsGetsAnEmptyLoop)
{
    const std::string document = SaveDocument(ModelSetup{.parts = {"3", "0", "4"}});
    const std::string_view postscript = PostScriptOf(document);
    EXPECT_NE(postscript.find("\r0 {\r(W) [] theCountb get eq {\r"), std::string_view::npos);
}

TEST(PsStandardTest, NegativeAdjustment)
{
    const std::string document = SaveDocument(ModelSetup{.parts = {"3"}, .guardBarText = "-100"});
    const auto definitions = Definitions(PostScriptOf(document));
    const double bwa = -100 * 0.002834645;
    EXPECT_NEAR(Value(definitions, "theBWA"), bwa, 1e-6);
    EXPECT_NEAR(Value(definitions, "theNarrowPlus"), 1.4173225 + bwa, 1e-6);
    EXPECT_NEAR(Value(definitions, "theWidePlus"), 3 * 1.4173225 + bwa, 1e-6);
    EXPECT_NEAR(Value(definitions, "theGap"), 2 * 1.4173225 - bwa, 1e-6);
    EXPECT_NEAR(Value(definitions, "theNarrowMinus"), -(1.4173225 + bwa), 1e-6);
}

TEST(PsStandardTest, CodeWidthIncludesTheColourChangeGaps)
{
    Globals globals;
    CodeModel model = MakeModel({.parts = {"3", "4"}, .colours = {BLACK, RED}}, globals);
    const std::string document = SaveDocument(model, globals);
    const auto definitions = Definitions(PostScriptOf(document));
    // Measure 12 modules and two quiet zones of 10 mm, then one narrow bar for the change of colour.
    const double plain = 1.4173225 * (12 + 40);
    EXPECT_NEAR(globals.theRat, (plain + 1.4173225) / plain, 1e-6);
    EXPECT_NEAR(Value(definitions, "theCodeWidthPlus"), plain + 1.4173225, 1e-4);
}

TEST(PsStandardTest, ReadsBackToItsModel)
{
    struct Case {
        const char* why;
        ModelSetup setup;
    };
    const Case cases[] = {
        {"no parts", {}},
        {"one part", {.parts = {"1234"}}},
        {"five parts", {.parts = {"1", "65534", "0", "000123", "77"}}},
        {"colours",
         {.parts = {"1", "2", "3", "4", "5"}, .colours = {RED, GREEN, BLUE, WHITE, {1, 128, 254}}}},
        {"negative adjustment", {.parts = {"9"}, .guardBarText = "-100"}},
        {"fractional dimension texts",
         {.parts = {"9"},
          .magText = "102.5",
          .heightText = "7.25",
          .guardBarText = "-2.5",
          .marginText = "5.5"}},
        {"empty adjustment", {.parts = {"9"}, .guardBarText = ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Globals globals;
        CodeModel model = MakeModel(c.setup, globals);
        const std::string document = SaveDocument(model, globals);
        EXPECT_EQ(PrefsIn(document), model);
        EXPECT_EQ(PrefsIn(PostScriptOf(document)), model);
    }
}

// The writer takes the texts as they stand, empty dimensions too, whatever the last drawing showed.
TEST(PsStandardTest, WritesEveryTextAsItStands)
{
    Globals globals;
    CodeModel drawn = MakeModel({.parts = {"5"}}, globals);
    RenderScreenCode(drawn, globals);
    const CodeModel model =
        MakeModel({.magText = "", .heightText = "", .guardBarText = "", .marginText = ""}, globals);
    const std::string document = PS_Standard(model, globals, FixedTime());
    EXPECT_EQ(PrefsIn(document), model);
    EXPECT_TRUE(document.ends_with("%%EOF"));
}

TEST(PsStandardTest, RefusesWithoutAFittingPreview)
{
    Globals globals;
    CodeModel model = MakeModel({.parts = {"5"}}, globals);
    EXPECT_THROW(PS_Standard(model, globals, FixedTime()), std::logic_error);

    globals.theSurfacePic.emplace(65536, 10);
    EXPECT_THROW(PS_Standard(model, globals, FixedTime()), std::logic_error);
    globals.theSurfacePic.emplace(10, 65536);
    EXPECT_THROW(PS_Standard(model, globals, FixedTime()), std::logic_error);

    globals.theSurfacePic.emplace(65535, 1);
    globals.theRat = 1;
    EXPECT_NO_THROW(PS_Standard(model, globals, FixedTime()));
}

// Documents compared byte for byte with files kept beside the tests; the creation date is masked. After a
// deliberate change of the output, QUILLMARK_UPDATE_GOLDEN=1 writes the files anew.
namespace {

std::string MaskDate(std::string document)
{
    const std::string_view key = "%%CreationDate: ";
    const std::size_t start = document.find(key);
    if (start == std::string::npos) return document;
    const std::size_t end = document.find('\r', start);
    return document.replace(start + key.size(), end - start - key.size(), "(masked)");
}

} // namespace

TEST(PsStandardTest, GoldenDocuments)
{
    struct Case {
        const char* file;
        ModelSetup setup;
    };
    const Case cases[] = {
        {"code-1234-black.eps", {.parts = {"1234"}}},
        {"three-parts-three-colours.eps",
         {.parts = {"12", "345", "6789"},
          .colours = {BLACK, RED, BLUE},
          .magText = "150",
          .guardBarText = "-20"}},
        {"five-parts.eps",
         {.parts = {"1", "65534", "0", "4097", "300"},
          .colours = {BLACK, BLACK, {0, 128, 255}, {0, 128, 255}, RED},
          .heightText = "15",
          .guardBarText = "25",
          .marginText = "6"}},
    };
    const bool update = std::getenv("QUILLMARK_UPDATE_GOLDEN") != nullptr;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::filesystem::path path = std::filesystem::path(QUILLMARK_GOLDEN_DIR) / c.file;
        const std::string document = SaveDocument(c.setup);
        if (update) WriteFile(path, document);
        ASSERT_TRUE(std::filesystem::exists(path)) << "run with QUILLMARK_UPDATE_GOLDEN=1 to create it";
        const std::string golden = ReadFile(path);
        EXPECT_EQ(golden.size(), document.size());
        EXPECT_TRUE(MaskDate(golden) == MaskDate(document)) << "differs from " << path;
    }
}
