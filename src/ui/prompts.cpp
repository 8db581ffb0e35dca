#include "ui/prompts.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace quillmark {

namespace {
const QString DOCUMENT_FILTER = QStringLiteral("Quillmark documents (*.eps)");
}

Prompts DialogPrompts(QWidget* parent)
{
    Prompts prompts;
    prompts.pickColour = [parent](const QColor& initial, const QString& prompt) {
        return QColorDialog::getColor(initial, parent, prompt);
    };
    prompts.saveFileName = [parent](const QString& proposedName) {
        QFileDialog dialog(parent, QStringLiteral("Save As"), QString(), DOCUMENT_FILTER);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("eps"));
        dialog.selectFile(proposedName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
        return dialog.selectedFiles().constFirst();
    };
    prompts.openFileName = [parent] {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), QString(), DOCUMENT_FILTER);
    };
    prompts.confirmPrint = [parent](QPrinter& printer) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    return prompts;
}

} // namespace quillmark
