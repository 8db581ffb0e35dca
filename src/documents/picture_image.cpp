#include "documents/picture_image.h"

#include "render/picture.h"

#include <cstring>

namespace quillmark {
namespace {

void FillRow(const Picture& picture, QImage& image)
{
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(0));
    for (const Pixel pixel : picture.row()) {
        const Rgb colour = pixel.ToRgb();
        *line++ = qRgb(colour.red, colour.green, colour.blue);
    }
}

} // namespace

QImage ToQImage(const Picture& picture)
{
    QImage image(picture.width(), picture.height(), QImage::Format_RGB32);
    if (image.isNull()) return image; // an empty picture, or one too large to hold every row
    FillRow(picture, image);
    const auto rowBytes = static_cast<std::size_t>(picture.width()) * sizeof(QRgb);
    for (int y = 1; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), image.constScanLine(0), rowBytes);
    return image;
}

QImage RowImage(const Picture& picture)
{
    QImage image(picture.width(), picture.height() > 0 ? 1 : 0, QImage::Format_RGB32);
    if (!image.isNull()) FillRow(picture, image);
    return image;
}

} // namespace quillmark
