#pragma once

#include <QFont>

class QWidget;

// The fonts of the windows. The layout is measured in pixels of a 72-pixels-per-inch screen, where a
// 12-point font is 12 pixels high; the sizes are given in pixels so that every text stays inside its box
// whatever the logical resolution of the screen.
namespace quillmark {

QFont SystemFont();        // the system font at 12 points, for every control and label
QFont CodeLabelFont();     // 9 points, for "mm" and the millimetre labels of the code area
QFont LogoLetteringFont(); // bold 48 points, the product name in the About window

// Every window of the program stands on white.
void SetWhiteBackground(QWidget& window);

} // namespace quillmark
