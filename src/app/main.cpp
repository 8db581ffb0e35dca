#include "app/app.h"
#include "app/first_paint_report.h"
#include "ui/window1.h"

int main(int argc, char** argv)
{
    quillmark::App app(argc, argv);
    // Set by scripts/bench-startup only: the time to the main window's first paint, then quit.
    if (qEnvironmentVariableIsSet("QUILLMARK_REPORT_FIRST_PAINT")) quillmark::ReportFirstPaint(app.window());
    app.window()->show();
    return app.exec();
}
