#include "preview/dos_eps.h"

#include "preview/endian.h"

#include <stdexcept>

namespace quillmark {

namespace {

constexpr std::string_view MARKER = "\xC5\xD0\xD3\xC6";
constexpr std::string_view NO_CHECKSUM = "\xFF\xFF";

// Whether [start, start + length) lies in a file of `size` bytes, after the header.
bool SectionFits(std::uint32_t start, std::uint32_t length, std::size_t size)
{
    if (length == 0) return true;
    return start >= DOS_EPS_HEADER_SIZE && std::uint64_t{start} + length <= size;
}

} // namespace

std::string myEPSTIFFHeader(std::int32_t tiffHeaderLength, std::int32_t tiffDataLength,
                            std::int32_t bodyLength)
{
    const std::int64_t tiffLength = std::int64_t{tiffHeaderLength} + tiffDataLength;
    if (tiffHeaderLength < 0 || tiffDataLength < 0 || bodyLength < tiffLength ||
        tiffLength + DOS_EPS_HEADER_SIZE > INT32_MAX)
        throw std::invalid_argument("the body must hold the preview and fit 32-bit offsets");

    std::string out;
    out.reserve(DOS_EPS_HEADER_SIZE);
    out += MARKER;
    AppendU32LE(out, static_cast<std::uint32_t>(tiffLength + DOS_EPS_HEADER_SIZE)); // PostScript start
    AppendU32LE(out, static_cast<std::uint32_t>(bodyLength - tiffLength));          // PostScript length
    AppendU32LE(out, 0);                                                            // metafile start
    AppendU32LE(out, 0);                                                            // metafile length
    AppendU32LE(out, DOS_EPS_HEADER_SIZE);                                          // TIFF start
    AppendU32LE(out, static_cast<std::uint32_t>(tiffLength));                       // TIFF length
    out += NO_CHECKSUM;
    return out;
}

std::optional<DosEpsHeader> ReadDosEpsHeader(std::string_view file)
{
    if (file.size() < DOS_EPS_HEADER_SIZE || !file.starts_with(MARKER)) return std::nullopt;
    return DosEpsHeader{.postscriptStart = ReadU32LE(file, 4),
                        .postscriptLength = ReadU32LE(file, 8),
                        .tiffStart = ReadU32LE(file, 20),
                        .tiffLength = ReadU32LE(file, 24)};
}

std::optional<DosEpsSections> SplitDosEps(std::string_view file)
{
    const auto header = ReadDosEpsHeader(file);
    if (!header || !SectionFits(header->tiffStart, header->tiffLength, file.size()) ||
        !SectionFits(header->postscriptStart, header->postscriptLength, file.size()))
        return std::nullopt;

    DosEpsSections sections;
    if (header->tiffLength > 0) sections.tiff = file.substr(header->tiffStart, header->tiffLength);
    if (header->postscriptLength > 0)
        sections.postscript = file.substr(header->postscriptStart, header->postscriptLength);
    return sections;
}

} // namespace quillmark
