#include "ui/arrow_pictures.h"

#include <QPainter>

namespace quillmark {

namespace {

constexpr int SIDE = 16;

enum class Pointing { Up, Down };
enum class Look { Released, Pressed };

QColor Grey(int level)
{
    return QColor(level, level, level);
}

// A row of the triangle from x = left to x = right, both included.
void FillRow(QPainter& painter, int left, int right, int y)
{
    painter.fillRect(QRect(QPoint(left, y), QPoint(right, y)), Qt::black);
}

QImage DrawArrow(Pointing pointing, Look look)
{
    QImage image(SIDE, SIDE, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 16, 16, Qt::black);
    QColor face;
    if (look == Look::Released) {
        painter.fillRect(1, 1, 14, 14, Grey(191)); // right and bottom edge
        painter.fillRect(1, 1, 13, 13, Grey(255)); // top and left edge
        face = Grey(223);
        painter.fillRect(2, 2, 12, 12, face);
    } else {
        painter.fillRect(1, 1, 14, 14, Grey(63));  // top and left edge
        painter.fillRect(2, 2, 13, 13, Grey(191)); // right and bottom edge
        face = Grey(127);
        painter.fillRect(2, 2, 12, 12, face);
    }
    // The two corners where the edges meet take the face's colour.
    painter.fillRect(14, 1, 1, 1, face);
    painter.fillRect(1, 14, 1, 1, face);

    // Four rows, 8 pixels wide at the base and 2 at the tip.
    for (int row = 0; row < 4; ++row) {
        const int y = pointing == Pointing::Up ? 9 - row : 6 + row;
        FillRow(painter, 4 + row, 11 - row, y);
    }
    return image;
}

} // namespace

QImage DrawRaiseUp()
{
    return DrawArrow(Pointing::Up, Look::Released);
}
QImage DrawRaiseDown()
{
    return DrawArrow(Pointing::Up, Look::Pressed);
}
QImage DrawLowerUp()
{
    return DrawArrow(Pointing::Down, Look::Released);
}
QImage DrawLowerDown()
{
    return DrawArrow(Pointing::Down, Look::Pressed);
}

} // namespace quillmark
