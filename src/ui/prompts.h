#pragma once

#include <QColor>
#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// The questions the main window asks the user through the platform's dialogs. Each is a function, so that
// the commands can be driven without a dialog standing in the way.
namespace quillmark {

struct Prompts {
    // The colour chosen, or an invalid colour when the user cancels.
    std::function<QColor(const QColor& initial, const QString& prompt)> pickColour;
    // The path chosen for a new document, or empty when the user cancels.
    std::function<QString(const QString& proposedName)> saveFileName;
    // The document chosen to open, or empty when the user cancels.
    std::function<QString()> openFileName;
    // Whether to print, after setting up `printer`.
    std::function<bool(QPrinter& printer)> confirmPrint;
};

// The platform's colour picker, file dialogs (listing only ".eps" documents) and printer dialog.
Prompts DialogPrompts(QWidget* parent);

} // namespace quillmark
