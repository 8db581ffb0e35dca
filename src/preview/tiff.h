#pragma once

#include <cstdint>
#include <string>

// The screen preview of a document: a baseline TIFF 6.0 image, big-endian, one strip of uncompressed 8-bit
// RGB, 72 pixels per inch.
//
//   0  "MM" 42, directory at 8
//   8  14 entries of 12 bytes: NewSubfileType, ImageWidth, ImageLength, BitsPerSample -> 182,
//      Compression 1, Photometric 2 (RGB), StripOffsets 196, SamplesPerPixel 3, RowsPerStrip,
//      StripByteCounts, XResolution -> 188, YResolution -> 188, PlanarConfiguration 1, ResolutionUnit 2
//  178 next directory 0
//  182 BitsPerSample 8, 8, 8
//  188 resolution 720000 / 10000
//  196 pixels: rows top first, red green blue per pixel, no padding
namespace quillmark {

class Picture;

inline constexpr int TIFF_HEADER_SIZE = 196;

std::string myTIFFHeader(std::uint16_t width, std::uint16_t height);

// The 3 x width x height pixel bytes of `picture` (raw bytes, despite the name).
std::string myGraphicsToHex(const Picture& picture);

// The same bytes appended to `out`, for a writer that builds the whole document in one string.
void AppendPixelBytes(std::string& out, const Picture& picture);

} // namespace quillmark
