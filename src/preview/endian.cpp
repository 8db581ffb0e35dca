#include "preview/endian.h"

#include <array>
#include <stdexcept>

namespace quillmark {

std::string myHexEndFormat(std::int32_t value, int digits, std::string_view byteOrder, bool swapHalves)
{
    if (digits != 8) throw std::invalid_argument("myHexEndFormat writes four bytes (8 digits)");

    const auto v = static_cast<std::uint32_t>(value);
    std::array<char, 4> bytes{static_cast<char>(v >> 24), static_cast<char>(v >> 16 & 0xFF),
                              static_cast<char>(v >> 8 & 0xFF), static_cast<char>(v & 0xFF)};
    if (byteOrder == "II") bytes = {bytes[3], bytes[2], bytes[1], bytes[0]};
    if (swapHalves) bytes = {bytes[2], bytes[3], bytes[0], bytes[1]};
    return {bytes.begin(), bytes.end()};
}

} // namespace quillmark
