// Saved documents read by the programs that read them in practice: Ghostscript draws the PostScript,
// tiffinfo reads the preview, epstool takes the DOS EPS file apart.
#include "TestSupport.h"
#include "eps/procedures.h"
#include "model/numbers.h"
#include "model/pharmacode.h"
#include "preview/dos_eps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <sstream>

using namespace quillmark;
using namespace quillmark::test;

namespace {

// Ghostscript's resolution: ten device pixels per point.
constexpr int DPI = 720;
constexpr double PIXELS_PER_POINT = DPI / 72.0;

struct Cmyk {
    int c = 0, m = 0, y = 0, k = 0;
    friend bool operator==(const Cmyk&, const Cmyk&) = default;
};

// A raster of 8-bit CMYK from Ghostscript's pamcmyk32 device.
struct CmykRaster {
    int width = 0;
    int height = 0;
    std::string samples;

    Cmyk at(int x, int y) const
    {
        const std::size_t i =
            4 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x));
        auto sample = [this](std::size_t j) {
            return static_cast<int>(static_cast<unsigned char>(samples[j]));
        };
        return {sample(i), sample(i + 1), sample(i + 2), sample(i + 3)};
    }
};

std::optional<CmykRaster> ReadPam(const std::string& file)
{
    const std::size_t end = file.find("ENDHDR\n");
    if (!file.starts_with("P7\n") || end == std::string::npos) return std::nullopt;
    CmykRaster raster;
    std::istringstream header(file.substr(3, end - 3));
    for (std::string key; header >> key;) {
        if (key == "WIDTH")
            header >> raster.width;
        else if (key == "HEIGHT")
            header >> raster.height;
        else if (key == "DEPTH" || key == "MAXVAL" || key == "TUPLTYPE") {
            std::string value;
            header >> value;
            if ((key == "DEPTH" && value != "4") || (key == "MAXVAL" && value != "255")) return std::nullopt;
        } else
            std::getline(header, key); // a comment
    }
    raster.samples = file.substr(end + 7);
    if (raster.samples.size() !=
        4 * static_cast<std::size_t>(raster.width) * static_cast<std::size_t>(raster.height))
        return std::nullopt;
    return raster;
}

struct Bar {
    double left = 0; // device pixels
    double width = 0;
    Cmyk ink;
};

// The bars as the dimension formulas place them: each part from its left edge on, one narrow bar more
// between parts of different inks.
std::vector<Bar> NominalBars(const CodeModel& model, const Globals& globals)
{
    const double module = globals.theModule;
    const double mag = TextToNumber(model.magText) / 100;
    const double bwa = TextToNumber(model.guardBarText) * globals.PPM;
    const double narrow = module * mag + bwa;
    const double wide = module * mag * 3 + bwa;
    const double gap = module * mag * 2 - bwa;

    std::vector<Bar> bars;
    double x = TextToNumber(model.marginText) * 2 * module;
    std::optional<Rgb> previous;
    for (std::size_t part = 0; part < PART_COUNT && !model.parts[part].empty(); ++part) {
        const Rgb colour = model.colours[part];
        if (previous && *previous != colour) x += narrow;
        previous = colour;
        // The ink, as 8-bit device values, from the whole percentages the program rounds each channel to.
        auto percent = [](int channel) { return std::round(channel / 2.55); };
        const double r = percent(colour.red), g = percent(colour.green), b = percent(colour.blue);
        const double most = std::max({r, g, b});
        auto device = [](double inkPercent) { return static_cast<int>(std::lround(inkPercent * 2.55)); };
        const Cmyk ink{device(most - r), device(most - g), device(most - b), device(100 - most)};

        for (char c : DecToBinary(model.parts[part])) {
            const double width = c == 'W' ? wide : narrow;
            bars.push_back({x * PIXELS_PER_POINT, width * PIXELS_PER_POINT, ink});
            x += width + gap;
        }
    }
    return bars;
}

bool Inked(const Cmyk& p)
{
    return p.c > 0 || p.m > 0 || p.y > 0 || p.k > 0;
}

std::vector<Bar> BarsOnRow(const CmykRaster& raster, int y)
{
    std::vector<Bar> bars;
    for (int x = 0; x < raster.width;) {
        if (!Inked(raster.at(x, y))) {
            ++x;
            continue;
        }
        const int left = x;
        const Cmyk ink = raster.at(x, y);
        while (x < raster.width && raster.at(x, y) == ink)
            ++x;
        bars.push_back({static_cast<double>(left), static_cast<double>(x - left), ink});
    }
    return bars;
}

bool SameInk(const Cmyk& a, const Cmyk& b)
{
    return std::abs(a.c - b.c) <= 1 && std::abs(a.m - b.m) <= 1 && std::abs(a.y - b.y) <= 1 &&
           std::abs(a.k - b.k) <= 1;
}

struct DocumentCase {
    const char* name;
    ModelSetup setup;
};

const DocumentCase DOCUMENTS[] = {
    {"code-1234", {.parts = {"1234"}}},
    {"three-colours",
     {.parts = {"12", "345", "6789"},
      .colours = {BLACK, RED, BLUE},
      .magText = "150",
      .guardBarText = "-20"}},
    {"five-parts",
     {.parts = {"1", "65534", "0", "4097", "300"},
      .colours = {BLACK, BLACK, {0, 128, 255}, {0, 128, 255}, RED},
      .heightText = "15",
      .guardBarText = "25",
      .marginText = "6"}},
    {"thinnest-bars",
     {.parts = {"65534", "21845"}, .colours = {GREEN, BLACK}, .magText = "50", .guardBarText = "-100"}},
    {"widest-bars",
     {.parts = {"999", "7"},
      .colours = {{{128, 128, 128}, BLACK}},
      .magText = "500",
      .heightText = "5",
      .guardBarText = "250"}},
};

class ReadersTest : public testing::Test {
protected:
    struct Saved {
        CodeModel model;
        Globals globals;
        std::string document;
        std::filesystem::path path;
    };

    Saved Save(const DocumentCase& c)
    {
        Saved saved;
        saved.model = MakeModel(c.setup, saved.globals);
        saved.document = SaveDocument(saved.model, saved.globals);
        saved.path = _dir / (std::string(c.name) + ".eps");
        WriteFile(saved.path, saved.document);
        return saved;
    }

    TempDir _dir;
};

} // namespace

TEST_F(ReadersTest, GhostscriptDrawsEveryBarWhereItBelongs)
{
    if (!HaveProgram("gs")) GTEST_SKIP() << "Ghostscript (gs) is not installed";

    for (const DocumentCase& c : DOCUMENTS) {
        SCOPED_TRACE(c.name);
        const Saved saved = Save(c);
        const std::filesystem::path pam = _dir / (std::string(c.name) + ".pam");
        // Ghostscript paints every pixel a shape touches, as PostScript asks, which widens a bar by up to
        // two pixels; with the fill adjustment at 0 it paints the pixels whose centres the bar covers, so
        // that each edge lands within half a pixel.
        const CommandResult gs = RunCommand(
            "gs -q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -sDEVICE=pamcmyk32 -r" + std::to_string(DPI) +
            " -sOutputFile=" + Quoted(pam) + " -c '0 0 .setfilladjust2' -f " + Quoted(saved.path));
        ASSERT_EQ(gs.status, 0) << gs.output;
        const auto raster = ReadPam(ReadFile(pam));
        ASSERT_TRUE(raster);

        // The page is the code: its width with both quiet zones by its height.
        const double heightPt = TextToNumber(saved.model.heightText) * 2 * saved.globals.theModule;
        EXPECT_NEAR(raster->height, heightPt * PIXELS_PER_POINT, 1);
        const std::vector<Bar> nominal = NominalBars(saved.model, saved.globals);
        ASSERT_FALSE(nominal.empty());
        const double marginPx =
            TextToNumber(saved.model.marginText) * 2 * saved.globals.theModule * PIXELS_PER_POINT;
        EXPECT_NEAR(raster->width, nominal.back().left + nominal.back().width + marginPx, 1.5);

        for (int y : {0, raster->height / 2, raster->height - 1}) {
            SCOPED_TRACE("row " + std::to_string(y));
            const std::vector<Bar> drawn = BarsOnRow(*raster, y);
            ASSERT_EQ(drawn.size(), nominal.size());
            for (std::size_t i = 0; i < drawn.size(); ++i) {
                SCOPED_TRACE("bar " + std::to_string(i + 1));
                EXPECT_NEAR(drawn[i].left, nominal[i].left, 1);
                EXPECT_NEAR(drawn[i].width, nominal[i].width, 1);
                EXPECT_TRUE(SameInk(drawn[i].ink, nominal[i].ink))
                    << drawn[i].ink.c << " " << drawn[i].ink.m << " " << drawn[i].ink.y << " "
                    << drawn[i].ink.k;
            }
        }
    }
}

TEST_F(ReadersTest, TiffinfoReadsThePreview)
{
    if (!HaveProgram("tiffinfo")) GTEST_SKIP() << "tiffinfo (libtiff-tools) is not installed";

    for (const DocumentCase& c : DOCUMENTS) {
        SCOPED_TRACE(c.name);
        const Saved saved = Save(c);
        const auto sections = SplitDosEps(saved.document);
        ASSERT_TRUE(sections);
        const std::filesystem::path tiff = _dir / (std::string(c.name) + ".tif");
        WriteFile(tiff, sections->tiff);

        const CommandResult info = RunCommand("tiffinfo -s " + Quoted(tiff));
        ASSERT_EQ(info.status, 0) << info.output;
        const Picture& preview = *saved.globals.theSurfacePic;
        const std::string width = std::to_string(preview.width());
        const std::string height = std::to_string(preview.height());
        const std::string pixelBytes = std::to_string(3 * preview.width() * preview.height());
        const std::string expected[] = {
            "Subfile Type: (0 = 0x0)",
            "Image Width: " + width + " Image Length: " + height,
            "Resolution: 72, 72 pixels/inch",
            "Bits/Sample: 8",
            "Compression Scheme: None",
            "Photometric Interpretation: RGB color",
            "Samples/Pixel: 3",
            "Rows/Strip: " + height,
            "Planar Configuration: single image plane",
            "1 Strips:",
            "0: [     196,",
            pixelBytes + "]",
        };
        for (const std::string& line : expected)
            EXPECT_NE(info.output.find(line), std::string::npos) << line << "\n" << info.output;
        EXPECT_EQ(info.output.find("Warning"), std::string::npos) << info.output;
    }
}

TEST_F(ReadersTest, EpstoolTakesTheFileApart)
{
    if (!HaveProgram("epstool") || !HaveProgram("gs"))
        GTEST_SKIP() << "epstool or Ghostscript is not installed";

    for (const DocumentCase& c : DOCUMENTS) {
        SCOPED_TRACE(c.name);
        const Saved saved = Save(c);
        const auto sections = SplitDosEps(saved.document);
        ASSERT_TRUE(sections);

        const CommandResult test = RunCommand("epstool --test-eps " + Quoted(saved.path));
        EXPECT_EQ(test.status, 0) << test.output;
        EXPECT_NE(test.output.find("PASS: File appears to be well behaved EPS."), std::string::npos)
            << test.output;

        const std::filesystem::path postscript = _dir / (std::string(c.name) + ".ps");
        const CommandResult extractPostscript =
            RunCommand("epstool --extract-postscript " + Quoted(saved.path) + " " + Quoted(postscript));
        ASSERT_EQ(extractPostscript.status, 0) << extractPostscript.output;
        EXPECT_TRUE(ReadFile(postscript) == sections->postscript);

        const std::filesystem::path preview = _dir / (std::string(c.name) + "-preview.tif");
        const CommandResult extractPreview =
            RunCommand("epstool --extract-preview " + Quoted(saved.path) + " " + Quoted(preview));
        ASSERT_EQ(extractPreview.status, 0) << extractPreview.output;
        EXPECT_TRUE(ReadFile(preview) == sections->tiff);
    }
}
