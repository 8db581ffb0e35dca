#include "ui/arrow_button.h"

#include "ui/arrow_pictures.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillmark {

ArrowButton::ArrowButton(Direction direction, QWidget* parent) : QWidget(parent), _direction(direction)
{
    setFixedSize(16, 16);
    setFocusPolicy(Qt::NoFocus);
    _repeat.setInterval(REPEAT_MS);
    _repeat.setSingleShot(false);
    connect(&_repeat, &QTimer::timeout, this, &ArrowButton::repeated);
}

void ArrowButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool up = _direction == Direction::Up;
    painter.drawImage(
        0, 0, _held ? (up ? DrawRaiseDown() : DrawLowerDown()) : (up ? DrawRaiseUp() : DrawLowerUp()));
}

void ArrowButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || _held) return;
    _held = true;
    repaint();
    emit pressed();
    _repeat.start();
    event->accept();
}

void ArrowButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !_held) return;
    _held = false;
    _repeat.stop();
    repaint();
    emit released();
    event->accept();
}

} // namespace quillmark
