#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Writing integers into binary headers.
namespace quillmark {

inline void AppendU16BE(std::string& out, std::uint16_t v)
{
    out += static_cast<char>(v >> 8);
    out += static_cast<char>(v & 0xFF);
}

inline void AppendU32BE(std::string& out, std::uint32_t v)
{
    AppendU16BE(out, static_cast<std::uint16_t>(v >> 16));
    AppendU16BE(out, static_cast<std::uint16_t>(v & 0xFFFF));
}

inline void AppendU32LE(std::string& out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>(v >> shift & 0xFF);
}

inline std::uint32_t ReadU32LE(std::string_view bytes, std::size_t offset)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return v;
}

// A 32-bit value as four bytes: little-endian for byteOrder "II", big-endian otherwise; with swapHalves the
// two 16-bit halves change places (so a SHORT stands first in a TIFF value field). `digits` is 8 throughout.
std::string myHexEndFormat(std::int32_t value, int digits, std::string_view byteOrder, bool swapHalves);

} // namespace quillmark
