#pragma once

class QWidget;

// For the start-up benchmark: once `window` has painted for the first time, prints the wall-clock time and
// the resident memory on standard output and quits the application.
namespace quillmark {

void ReportFirstPaint(QWidget* window);

} // namespace quillmark
