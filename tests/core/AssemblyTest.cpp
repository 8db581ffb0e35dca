#include "model/assembly.h"

#include "model/code_model.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace quillmark;

namespace {

using Parts = std::array<std::string, PART_COUNT>;

CodeModel WithParts(const Parts& parts)
{
    CodeModel model;
    model.parts = parts;
    return model;
}

} // namespace

TEST(AssemblyTest, AssembledViews)
{
    struct Case {
        Parts parts;
        std::string flagged;
        std::string bars;
        std::int32_t measure;
        std::string number;
        const char* why;
    };
    const std::string max = "65534";
    const std::string maxBars(15, 'W');
    const Case cases[] = {
        {{"3", "4"}, "aNNbNW", "NNNW", 12, "3-4", "two parts: 1 + 1 + 1 + 3 and three gaps"},
        {{}, "", "", 0, "", "no part"},
        {{"1"}, "aN", "N", 1, "1", "one narrow bar"},
        {{"0"}, "a", "", 0, "0", "a present part without bars keeps its letter"},
        {{"0", "1"}, "abN", "N", 1, "0-1", "a bar-less first part"},
        {{"007"}, "aNNN", "NNN", 7, "007", "the number text keeps the zeros as typed"},
        {{max, max},
         "a" + maxBars + "b" + maxBars,
         maxBars + maxBars,
         148,
         "65534-65534",
         "thirty wide bars and 29 gaps"},
        {{max, max, max, max, max},
         "a" + maxBars + "b" + maxBars + "c" + maxBars + "d" + maxBars + "e" + maxBars,
         std::string(75, 'W'),
         373,
         "65534-65534-65534-65534-65534",
         "the longest code: 75 wide bars, 74 gaps"},
        {{"1", "2", "3", "4", "5"}, "aNbWcNNdNWeWN", "NWNNNWWN", 28, "1-2-3-4-5", "all five parts"},
        {{"", "5"}, "bWN", "WN", 6, "-5", "part 1 emptied before the next drawing"},
        {{"1", "", "3"}, "aNcNN", "NNN", 7, "1-3", "only empty parts are skipped"},
    };
    for (const auto& c : cases) {
        const CodeModel model = WithParts(c.parts);
        EXPECT_EQ(BinaryFlag(model), c.flagged) << c.why;
        EXPECT_EQ(BinaryAssemble(model), c.bars) << c.why;
        EXPECT_EQ(BinaryMeasure(model), c.measure) << c.why;
        EXPECT_EQ(DecimalAssemble(model), c.number) << c.why;
    }
}

TEST(AssemblyTest, PartOrderEmptiesEveryPartAfterAnEmptyOne)
{
    struct Case {
        Parts before;
        Parts after;
    };
    const Case cases[] = {
        {{"1", "2", "3", "4", "5"}, {"1", "2", "3", "4", "5"}},
        {{"1", "", "3", "4", "5"}, {"1", "", "", "", ""}},
        {{"", "5", "6"}, {"", "", ""}},
        {{"0", "7"}, {"0", "7"}},
        {{"1", "2", "3", "", "5"}, {"1", "2", "3", "", ""}},
    };
    for (const auto& c : cases) {
        CodeModel model = WithParts(c.before);
        model.colours[4] = WHITE;
        ApplyPartOrder(model);
        EXPECT_EQ(model.parts, c.after) << c.before[0] << '|' << c.before[1] << '|' << c.before[2];
        EXPECT_EQ(model.colours[4], WHITE); // colours stay with their parts
    }
}

TEST(AssemblyTest, PartEnabledFollowsThePartBefore)
{
    const CodeModel model = WithParts({"", "5", "", "0", ""});
    const bool expected[PART_COUNT] = {true, false, true, false, true};
    for (int part = 0; part < PART_COUNT; ++part)
        EXPECT_EQ(PartEnabled(model, part), expected[part]) << part;

    const CodeModel empty;
    EXPECT_TRUE(PartEnabled(empty, 0));
    EXPECT_FALSE(PartEnabled(empty, 1));
}
