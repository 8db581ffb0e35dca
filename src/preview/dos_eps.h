#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The 30-byte header of a DOS EPS file, all fields little-endian:
//
//   0  C5 D0 D3 C6       marker
//   4  PostScript start  12  metafile start (0)   20  TIFF start (30)       28  checksum FF FF (none)
//   8  PostScript length 16  metafile length (0)  24  TIFF length
namespace quillmark {

inline constexpr int DOS_EPS_HEADER_SIZE = 30;

// The header for a body of `bodyLength` bytes that starts with a TIFF of header and pixel bytes.
std::string myEPSTIFFHeader(std::int32_t tiffHeaderLength, std::int32_t tiffDataLength,
                            std::int32_t bodyLength);

struct DosEpsHeader {
    std::uint32_t postscriptStart = 0;
    std::uint32_t postscriptLength = 0;
    std::uint32_t tiffStart = 0;
    std::uint32_t tiffLength = 0;
};

// The header at the start of `file` (at least its first 30 bytes), or none when they are not a DOS EPS
// header.
std::optional<DosEpsHeader> ReadDosEpsHeader(std::string_view file);

struct DosEpsSections {
    std::string_view tiff;
    std::string_view postscript;
};

// The sections a DOS EPS file's header points to, or none when the header is missing or points outside the
// file.
std::optional<DosEpsSections> SplitDosEps(std::string_view file);

} // namespace quillmark
