#include "render/reduce.h"

#include <algorithm>
#include <cstdint>

namespace quillmark {

namespace {

// round(sum / count * 31 / 255): the 5-bit level nearest to the mean of `count` 8-bit values that add up
// to `sum`. Exact in integers; the quotient is estimated through a reciprocal and then corrected, which
// spares a 64-bit division for each channel of each pixel.
class Quantiser {
public:
    explicit constexpr Quantiser(std::int64_t count)
        : _divisor(255 * count * 2), _reciprocal(1.0 / static_cast<double>(_divisor))
    {}

    constexpr std::uint16_t operator()(std::int64_t sum) const
    {
        const std::int64_t dividend = sum * 31 * 2 + _divisor / 2;
        auto quotient = static_cast<std::int64_t>(static_cast<double>(dividend) * _reciprocal);
        if ((quotient + 1) * _divisor <= dividend)
            ++quotient;
        else if (quotient * _divisor > dividend)
            --quotient;
        return static_cast<std::uint16_t>(quotient);
    }

private:
    std::int64_t _divisor;
    double _reciprocal;
};

// A target pixel that lies within one run of the source takes the run's pixel as it is, which is only
// right because averaging a single colour gives that colour back.
constexpr bool UniformStaysExact()
{
    const Quantiser one(1);
    for (unsigned level = 0; level < 32; ++level)
        if (one(Pixel{static_cast<std::uint16_t>(level)}.ToRgb().blue) != level) return false;
    return true;
}
static_assert(UniformStaysExact());

// The index after the run of pixels equal to row[k].
std::size_t RunEnd(std::span<const Pixel> row, std::size_t k)
{
    const Pixel pixel = row[k];
    while (++k < row.size() && row[k] == pixel) {
    }
    return k;
}

} // namespace

Picture ReducePicture(const Picture& source, int width, int height)
{
    Picture target(width, height);
    const std::int64_t sourceWidth = source.width();
    const std::int64_t targetWidth = width;
    if (sourceWidth == 0 || targetWidth == 0) return target;

    // Measured in 1/targetWidth of a source pixel, source pixel k spans [k * targetWidth, (k + 1) *
    // targetWidth) and target pixel i spans [i * sourceWidth, (i + 1) * sourceWidth): every overlap is a
    // whole number, and the weights of one target pixel add up to sourceWidth. Both rows end at
    // sourceWidth * targetWidth, so k stays within the source.
    const std::span<const Pixel> from = source.row();
    const Quantiser quantise(sourceWidth);
    std::size_t k = 0;
    std::int64_t sourceEnd = targetWidth; // right edge of source pixel k
    std::size_t runEnd = 0;
    std::int64_t at = 0;
    for (Pixel& pixel : target.row()) {
        const std::int64_t end = at + sourceWidth;
        if (k >= runEnd) runEnd = RunEnd(from, k);

        // Most of a code is quiet zone, bar or gap wider than a target pixel.
        if (static_cast<std::int64_t>(runEnd) * targetWidth >= end) {
            pixel = from[k];
            for (at = end; sourceEnd <= at; sourceEnd += targetWidth)
                ++k;
            continue;
        }

        std::int64_t red = 0, green = 0, blue = 0;
        while (at < end) {
            const std::int64_t stop = std::min(sourceEnd, end);
            const std::int64_t weight = stop - at;
            const Rgb c = from[k].ToRgb();
            red += c.red * weight;
            green += c.green * weight;
            blue += c.blue * weight;
            at = stop;
            if (sourceEnd == stop) {
                ++k;
                sourceEnd += targetWidth;
            }
        }
        pixel =
            Pixel{static_cast<std::uint16_t>(quantise(red) << 10 | quantise(green) << 5 | quantise(blue))};
    }
    return target;
}

} // namespace quillmark
