// Any field text as a number: finite, and written back as plain text that reads as the same number.
#include "model/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const double value = quillmark::TextToNumber(text);
    if (!std::isfinite(value)) std::abort();
    (void)quillmark::TruncToInt32(value);
    (void)quillmark::TruncToInt64(value);

    // Nine significant digits carry every float exactly.
    if (std::fabs(value) <= std::numeric_limits<float>::max()) {
        const float single = static_cast<float>(value);
        const auto written = quillmark::NumberToText(single);
        if (written.find_first_of("eE") != std::string::npos) std::abort();
        if (static_cast<float>(quillmark::TextToNumber(written)) != single) std::abort();
    }
    return 0;
}
