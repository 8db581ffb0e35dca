#pragma once

#include "render/screen.h"

#include <QImage>
#include <QWidget>

#include <optional>

// The code area: the code at one pixel per point with its top-left corner at (30, 20), framed by eight
// corner marks and labelled in millimetres. It keeps the last drawing it was given and paints it again
// whenever it is uncovered; before the first drawing it is blank.
namespace quillmark {

class Picture;

class CodeCanvas : public QWidget {
    Q_OBJECT

public:
    explicit CodeCanvas(QWidget* parent = nullptr);

    // Takes the frame of a drawing and the code as shown (none when the code has no width).
    void showCode(const ScreenCode& frame, const Picture* surface);

    const std::optional<ScreenCode>& frame() const { return _frame; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<ScreenCode> _frame;
    QImage _codeRow; // one row of the code: every row of a Pharmacode is the same
    QSize _codeSize;
};

} // namespace quillmark
