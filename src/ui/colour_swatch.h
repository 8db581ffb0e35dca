#pragma once

#include "model/code_model.h"

#include <QColor>
#include <QWidget>

// A part's colour swatch: filled edge to edge with the part's colour, nothing else. A click asks for a new
// colour; the window decides what to do with it.
namespace quillmark {

QColor ToQColor(Rgb colour);
Rgb ToRgb(const QColor& colour);

class ColourSwatch : public QWidget {
    Q_OBJECT

public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    QColor colour() const { return _colour; }
    void setColour(const QColor& colour);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor _colour = Qt::black;
};

} // namespace quillmark
