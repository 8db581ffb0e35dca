#pragma once

#include <QTimer>
#include <QWidget>

// One spinner arrow: shows its pressed picture while held, says when it is pressed, every 100 ms while it
// stays held, and when it is let go (wherever the pointer is then, as the press grabs the mouse).
namespace quillmark {

class ArrowButton : public QWidget {
    Q_OBJECT

public:
    enum class Direction { Up, Down };

    static constexpr int REPEAT_MS = 100;

    explicit ArrowButton(Direction direction, QWidget* parent = nullptr);

    Direction direction() const { return _direction; }
    bool isHeld() const { return _held; }
    QTimer* repeatTimer() { return &_repeat; }

    QSize sizeHint() const override { return {16, 16}; }

signals:
    void pressed();
    void repeated();
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Direction _direction;
    bool _held = false;
    QTimer _repeat;
};

} // namespace quillmark
