#include "render/picture.h"

#include <algorithm>
#include <stdexcept>

namespace quillmark {

Picture::Picture(int width, int height) : _height(height)
{
    if (width < 0 || height < 0 || width > MAX_SIDE || height > MAX_SIDE)
        throw std::invalid_argument("Picture: side negative or above MAX_SIDE");
    _row.assign(static_cast<std::size_t>(width), WHITE_PIXEL);
}

void Picture::fillColumns(std::int64_t left, std::int64_t width, Pixel colour)
{
    const std::int64_t size = static_cast<std::int64_t>(_row.size());
    if (width <= 0 || left >= size) return;
    // left + width is formed only when their signs differ, so it cannot overflow.
    const std::int64_t begin = std::max<std::int64_t>(left, 0);
    const std::int64_t end = left < 0 ? std::min(left + width, size) : left + std::min(width, size - left);
    if (end <= begin) return;
    std::fill(_row.begin() + begin, _row.begin() + end, colour);
}

} // namespace quillmark
