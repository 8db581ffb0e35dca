#pragma once

#include "model/code_model.h"

#include <cassert>
#include <cstdint>
#include <span>
#include <vector>

// The raster picture of a code, 16 bits per pixel.
//
// A code is drawn in full-height bars, so every row of its picture is the same row: the picture keeps that
// one row and its height. A 5x rendering of the widest code is then 28 KB instead of 40 MB.
namespace quillmark {

// 5 bits each of red, green and blue, red highest.
struct Pixel {
    std::uint16_t value = 0x7FFF;

    static constexpr Pixel FromRgb(Rgb c)
    {
        return {static_cast<std::uint16_t>((c.red >> 3) << 10 | (c.green >> 3) << 5 | (c.blue >> 3))};
    }
    // Each 5-bit channel widened to 8 bits by repeating its top bits, so 31 reads back as 255.
    constexpr Rgb ToRgb() const
    {
        auto widen = [](unsigned v) { return static_cast<std::uint8_t>(v << 3 | v >> 2); };
        return {widen(value >> 10 & 31), widen(value >> 5 & 31), widen(value & 31)};
    }

    friend constexpr bool operator==(Pixel, Pixel) = default;
};

inline constexpr Pixel WHITE_PIXEL = Pixel::FromRgb(WHITE);

class Picture {
public:
    // Large enough for any code within the dimension limits at five pixels per point, with room to spare.
    static constexpr int MAX_SIDE = 1 << 20;

    // A white picture; throws std::invalid_argument when a side is negative or above MAX_SIDE.
    Picture(int width, int height);

    Picture(Picture&&) noexcept = default;
    Picture& operator=(Picture&&) noexcept = default;
    Picture copy() const { return *this; }

    int width() const { return static_cast<int>(_row.size()); }
    int height() const { return _height; }

    // The row every row of the picture is.
    std::span<const Pixel> row() const { return _row; }
    std::span<Pixel> row() { return _row; }

    Pixel pixel(int x, int y) const
    {
        assert(x >= 0 && x < width() && y >= 0 && y < height());
        (void)y;
        return _row[static_cast<std::size_t>(x)];
    }

    // Paints the columns [left, left + width) from top to bottom; the part outside the picture is dropped,
    // and a width of zero or less paints nothing.
    void fillColumns(std::int64_t left, std::int64_t width, Pixel colour);

private:
    Picture(const Picture&) = default;
    Picture& operator=(const Picture&) = default;

    std::vector<Pixel> _row;
    int _height;
};

} // namespace quillmark
