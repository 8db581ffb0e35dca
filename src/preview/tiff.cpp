#include "preview/tiff.h"

#include "preview/endian.h"
#include "render/picture.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace quillmark {

namespace {

enum class FieldType : std::uint16_t { Short = 3, Long = 4, Rational = 5 };

enum class Tag : std::uint16_t {
    NewSubfileType = 254,
    ImageWidth = 256,
    ImageLength = 257,
    BitsPerSample = 258,
    Compression = 259,
    PhotometricInterpretation = 262,
    StripOffsets = 273,
    SamplesPerPixel = 277,
    RowsPerStrip = 278,
    StripByteCounts = 279,
    XResolution = 282,
    YResolution = 283,
    PlanarConfiguration = 284,
    ResolutionUnit = 296,
};

constexpr std::uint16_t ENTRY_COUNT = 14;
constexpr std::uint32_t DIRECTORY_OFFSET = 8;
constexpr std::uint32_t NEXT_DIRECTORY_OFFSET = DIRECTORY_OFFSET + 2 + ENTRY_COUNT * 12;
constexpr std::uint32_t BITS_PER_SAMPLE_OFFSET = NEXT_DIRECTORY_OFFSET + 4;
constexpr std::uint32_t RESOLUTION_OFFSET = BITS_PER_SAMPLE_OFFSET + 3 * 2;
constexpr std::uint32_t PIXELS_OFFSET = RESOLUTION_OFFSET + 8;
static_assert(NEXT_DIRECTORY_OFFSET == 178 && BITS_PER_SAMPLE_OFFSET == 182 && RESOLUTION_OFFSET == 188);
static_assert(PIXELS_OFFSET == TIFF_HEADER_SIZE);

constexpr std::uint16_t NO_COMPRESSION = 1;
constexpr std::uint16_t RGB = 2;
constexpr std::uint16_t CHUNKY = 1; // red, green, blue of a pixel side by side
constexpr std::uint16_t INCH = 2;

// 72 pixels per inch: one pixel per point of the code.
constexpr std::uint32_t RESOLUTION_NUMERATOR = 720000;
constexpr std::uint32_t RESOLUTION_DENOMINATOR = 10000;

void AppendEntry(std::string& out, Tag tag, FieldType type, std::uint32_t count, std::uint32_t value)
{
    AppendU16BE(out, static_cast<std::uint16_t>(tag));
    AppendU16BE(out, static_cast<std::uint16_t>(type));
    AppendU32BE(out, count);
    AppendU32BE(out, value);
}

// A single SHORT stands in the first two bytes of the value field.
void AppendShortEntry(std::string& out, Tag tag, std::uint16_t value)
{
    AppendEntry(out, tag, FieldType::Short, 1, std::uint32_t{value} << 16);
}

} // namespace

std::string myTIFFHeader(std::uint16_t width, std::uint16_t height)
{
    const std::uint64_t pixelBytes = std::uint64_t{3} * width * height;
    if (pixelBytes > std::numeric_limits<std::uint32_t>::max())
        throw std::invalid_argument("preview too large for one TIFF strip");

    std::string out;
    out.reserve(TIFF_HEADER_SIZE);
    out += "MM";
    AppendU16BE(out, 42);
    AppendU32BE(out, DIRECTORY_OFFSET);

    AppendU16BE(out, ENTRY_COUNT);
    AppendEntry(out, Tag::NewSubfileType, FieldType::Long, 1, 0);
    AppendShortEntry(out, Tag::ImageWidth, width);
    AppendShortEntry(out, Tag::ImageLength, height);
    AppendEntry(out, Tag::BitsPerSample, FieldType::Short, 3, BITS_PER_SAMPLE_OFFSET);
    AppendShortEntry(out, Tag::Compression, NO_COMPRESSION);
    AppendShortEntry(out, Tag::PhotometricInterpretation, RGB);
    AppendEntry(out, Tag::StripOffsets, FieldType::Long, 1, PIXELS_OFFSET);
    AppendShortEntry(out, Tag::SamplesPerPixel, 3);
    AppendShortEntry(out, Tag::RowsPerStrip, height); // the whole image is one strip
    AppendEntry(out, Tag::StripByteCounts, FieldType::Long, 1, static_cast<std::uint32_t>(pixelBytes));
    AppendEntry(out, Tag::XResolution, FieldType::Rational, 1, RESOLUTION_OFFSET);
    AppendEntry(out, Tag::YResolution, FieldType::Rational, 1, RESOLUTION_OFFSET);
    AppendShortEntry(out, Tag::PlanarConfiguration, CHUNKY);
    AppendShortEntry(out, Tag::ResolutionUnit, INCH);
    AppendU32BE(out, 0); // no next directory

    for (int sample = 0; sample < 3; ++sample)
        AppendU16BE(out, 8);
    AppendU32BE(out, RESOLUTION_NUMERATOR);
    AppendU32BE(out, RESOLUTION_DENOMINATOR);
    return out;
}

void AppendPixelBytes(std::string& out, const Picture& picture)
{
    constexpr int MAX_SIDE = std::numeric_limits<std::uint16_t>::max();
    if (picture.width() > MAX_SIDE || picture.height() > MAX_SIDE)
        throw std::invalid_argument("preview wider or taller than a TIFF of 16-bit sizes");

    // Every row of a code's picture is the same row: convert it once and repeat it.
    const std::size_t rowStart = out.size();
    for (Pixel pixel : picture.row()) {
        const Rgb c = pixel.ToRgb();
        out += static_cast<char>(c.red);
        out += static_cast<char>(c.green);
        out += static_cast<char>(c.blue);
    }
    const std::size_t rowBytes = out.size() - rowStart;
    out.resize(rowStart + rowBytes * static_cast<std::size_t>(picture.height()));
    for (int y = 1; y < picture.height(); ++y)
        std::memcpy(out.data() + rowStart + rowBytes * static_cast<std::size_t>(y), out.data() + rowStart,
                    rowBytes);
    if (picture.height() == 0) out.resize(rowStart);
}

std::string myGraphicsToHex(const Picture& picture)
{
    std::string out;
    out.reserve(3 * static_cast<std::size_t>(picture.width()) * static_cast<std::size_t>(picture.height()));
    AppendPixelBytes(out, picture);
    return out;
}

} // namespace quillmark
