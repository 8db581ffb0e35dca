// An empty Qt window of the main window's size: what the program's start-up is measured against. With
// "--label" it shows one line of text, so that the first use of the fonts, which any window with text pays,
// is on both sides of the comparison.

#include "app/first_paint_report.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(340, 390);
    if (QApplication::arguments().contains(QStringLiteral("--label")))
        (new QLabel(QStringLiteral("Pharmacode"), &window))->move(13, 13);
    if (qEnvironmentVariableIsSet("QUILLMARK_REPORT_FIRST_PAINT")) quillmark::ReportFirstPaint(&window);
    window.show();
    return app.exec();
}
