#pragma once

class QPainter;

// Printing a code as a bitmap at its printed size.
namespace quillmark {

struct CodeModel;
struct Globals;

inline constexpr int PRINT_LEFT_PT = 50; // top-left corner of the code on the page, in points
inline constexpr int PRINT_TOP_PT = 50;

// Renders `model` at theIS pixels per point and draws it on `painter` (whose coordinates are points) at
// (50, 50) scaled to its printed size. Draws nothing for a code without width.
void PrintCode(QPainter& painter, const CodeModel& model, Globals& globals);

} // namespace quillmark
