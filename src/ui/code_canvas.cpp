#include "ui/code_canvas.h"

#include "documents/picture_image.h"
#include "render/picture.h"
#include "ui/fonts.h"

#include <QPainter>

namespace quillmark {

namespace {

constexpr int MARK_PX = 3;

// Truncation toward zero, as the frame's corners are placed.
int Trunc(double v)
{
    return static_cast<int>(v);
}

void DrawCornerMarks(QPainter& painter, float widthPt, float heightPt)
{
    const int left = CODE_LEFT;
    const int top = CODE_TOP;
    const int right = Trunc(CODE_LEFT + double(widthPt));
    const int bottom = Trunc(CODE_TOP + double(heightPt));
    // Each mark runs from the corner 3 pixels away from the code; both ends are drawn.
    auto line = [&](int x1, int y1, int x2, int y2) {
        painter.fillRect(QRect(QPoint(qMin(x1, x2), qMin(y1, y2)), QPoint(qMax(x1, x2), qMax(y1, y2))),
                         Qt::black);
    };
    line(left - MARK_PX, top, left, top);
    line(left, top, left, top - MARK_PX);
    line(right, top, right + MARK_PX, top);
    line(right, top, right, top - MARK_PX);
    line(left - MARK_PX, bottom, left, bottom);
    line(left, bottom, left, bottom + MARK_PX);
    line(right, bottom, right + MARK_PX, bottom);
    line(right, bottom, right, bottom + MARK_PX);
}

} // namespace

CodeCanvas::CodeCanvas(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void CodeCanvas::showCode(const ScreenCode& frame, const Picture* surface)
{
    _frame = frame;
    if (surface) {
        _codeRow = RowImage(*surface);
        _codeSize = QSize(surface->width(), surface->height());
    } else {
        _codeRow = QImage();
        _codeSize = QSize();
    }
    repaint();
}

void CodeCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!_frame) return;
    // Every row is the same, so the one row is stretched to the code's height, pixel for pixel.
    if (!_codeRow.isNull()) painter.drawImage(QRect(QPoint(CODE_LEFT, CODE_TOP), _codeSize), _codeRow);
    DrawCornerMarks(painter, _frame->widthPt, _frame->heightPt);
    painter.setPen(Qt::black);
    painter.setFont(CodeLabelFont());
    painter.drawText(QPoint(3, 9), QStringLiteral("mm"));
    painter.drawText(QPoint(34, 9), QString::fromStdString(_frame->widthLabel));
    painter.drawText(QPoint(1, 32), QString::fromStdString(_frame->heightLabel));
}

} // namespace quillmark
