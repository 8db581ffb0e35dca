#include "eps/settings.h"

#include "TestSupport.h"
#include "model/code_model.h"

#include <gtest/gtest.h>

using namespace quillmark;
using namespace quillmark::test;

namespace {

CodeModel StartModel()
{
    Globals globals;
    CodeModel model;
    SetInitialState(model, globals);
    return model;
}

} // namespace

TEST(SettingsTest, PrefsOutWritesTwentySixLines)
{
    CodeModel model = StartModel();
    model.parts[0] = "12";
    model.parts[1] = "345";
    model.colours[1] = {255, 128, 7};

    const std::string expected = "\r%%qlmk 12\r%%qlmk 345\r%%qlmk \r%%qlmk \r%%qlmk "
                                 "\r%%qlmk 0\r%%qlmk 0\r%%qlmk 0"
                                 "\r%%qlmk 255\r%%qlmk 128\r%%qlmk 7"
                                 "\r%%qlmk 0\r%%qlmk 0\r%%qlmk 0"
                                 "\r%%qlmk 0\r%%qlmk 0\r%%qlmk 0"
                                 "\r%%qlmk 0\r%%qlmk 0\r%%qlmk 0"
                                 "\r%%qlmk 100\r%%qlmk 10\r%%qlmk 0\r%%qlmk 10"
                                 "\r%%qlmk 2.0.2\r%%qlmk Saved";
    EXPECT_EQ(PrefsOut(model), expected);
    EXPECT_EQ(SettingsValues(expected).size(), std::size_t{SETTINGS_LINE_COUNT});
}

TEST(SettingsTest, PrefsInReadsWhatPrefsOutWrote)
{
    struct Case {
        const char* why;
        ModelSetup setup;
    };
    const Case cases[] = {
        {"no parts", {}},
        {"parts 12 and 345", {.parts = {"12", "345"}}},
        {"five parts", {.parts = {"1", "65534", "0", "000123", "77"}}},
        {"five colours",
         {.parts = {"1", "2", "3", "4", "5"},
          .colours = {{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}, {1, 128, 254}}}}},
        {"negative adjustment", {.parts = {"9"}, .guardBarText = "-100"}},
        {"fractional dimension texts",
         {.parts = {"9"},
          .magText = "102.5",
          .heightText = "7.25",
          .guardBarText = "-2.5",
          .marginText = "5.5"}},
        {"empty dimension texts", {.magText = "", .heightText = "", .guardBarText = "", .marginText = ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Globals globals;
        const CodeModel model = MakeModel(c.setup, globals);
        EXPECT_EQ(PrefsIn("%!PS-Adobe-3.0 EPSF-3.0" + PrefsOut(model) + "\r%%EOF"), model);
    }
}

TEST(SettingsTest, PrefsInColours)
{
    struct Case {
        std::string_view text;
        std::uint8_t value;
        const char* why;
    };
    const Case cases[] = {
        {"255", 255, "the top"},     {"0", 0, "the bottom"},      {"12.9", 12, "cut toward zero"},
        {"300", 255, "held to 255"}, {"-5", 0, "held to 0"},      {"", 0, "missing"},
        {"abc", 0, "not a number"},  {"7x", 7, "leading number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        std::string document;
        for (int line = 1; line <= SETTINGS_LINE_COUNT; ++line)
            document += std::string(SETTINGS_SEPARATOR) + (line == 7 ? std::string(c.text) : "x");
        EXPECT_EQ(PrefsIn(document).colours[0].green, c.value);
    }
}

TEST(SettingsTest, PrefsInWithoutSettingsGivesAnEmptyBlackModel)
{
    const CodeModel empty;
    EXPECT_EQ(PrefsIn(""), empty);
    EXPECT_EQ(PrefsIn("%!PS-Adobe-3.0 EPSF-3.0\r%%EOF"), empty);
    // The separator begins with the line end: a settings line is only found after one.
    EXPECT_EQ(PrefsIn("%%qlmk 12\r%%qlmk 34"), (CodeModel{.parts = {"34"}}));
}

TEST(SettingsTest, PrefsInFillsTheLinesItHas)
{
    const CodeModel read = PrefsIn("head\r%%qlmk 5\r%%qlmk 6\r%%qlmk \r%%qlmk \r%%qlmk \r%%qlmk 9");
    EXPECT_EQ(read.parts[0], "5");
    EXPECT_EQ(read.parts[1], "6");
    EXPECT_EQ(read.colours[0], (Rgb{9, 0, 0}));
    EXPECT_EQ(read.magText, "");
    EXPECT_EQ(read.marginText, "");
}

TEST(SettingsTest, SettingsValuesRunToTheNextSeparator)
{
    const std::vector<std::string_view> values = SettingsValues("x\r%%qlmk a\r%%qlmk \r%%qlmk b\rrest");
    const std::vector<std::string_view> expected = {"a", "", "b\rrest"};
    EXPECT_EQ(values, expected);
    EXPECT_TRUE(SettingsValues("no settings").empty());
}
