#include "ui/colour_swatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillmark {

QColor ToQColor(Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

Rgb ToRgb(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
            static_cast<std::uint8_t>(rgb.blue())};
}

ColourSwatch::ColourSwatch(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColourSwatch::setColour(const QColor& colour)
{
    if (colour == _colour) return;
    _colour = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), _colour);
}

void ColourSwatch::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    event->accept();
    emit clicked();
}

} // namespace quillmark
