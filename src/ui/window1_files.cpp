// The main window's file commands: Open, Save As and Print.

#include "ui/window1.h"

#include "documents/document_file.h"
#include "documents/printing.h"
#include "eps/ps_standard.h"
#include "model/assembly.h"
#include "model/globals.h"

#include <QPainter>
#include <QPrinter>

#include <ctime>
#include <stdexcept>

namespace quillmark {

namespace {

std::tm LocalTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace

bool Window1::loadFile(const QString& path)
{
    const OpenResult result = ReadDocumentFile(path);
    if (!result.model) {
        showAlert(result.problem);
        return false;
    }
    setModel(*result.model);
    DrawTheCode();
    return true;
}

void Window1::open()
{
    const QString path = _prompts.openFileName();
    if (path.isEmpty()) {
        DrawTheCode();
        return;
    }
    loadFile(path);
}

bool Window1::saveAs()
{
    // The document's preview and width ratio come from the last drawing: draw the fields as they are now,
    // so that the document describes one code throughout.
    DrawTheCode();
    const QString proposedName =
        QStringLiteral("QlMk,") + QString::fromStdString(DecimalAssemble(_model)) + QStringLiteral(".eps");
    const QString path = _prompts.saveFileName(proposedName);
    if (path.isEmpty()) return false;

    std::string document;
    try {
        document = PS_Standard(_model, _globals, LocalTimeNow());
    } catch (const std::exception& error) {
        showAlert(QStringLiteral("The code could not be saved: %1").arg(QString::fromUtf8(error.what())));
        return false;
    }
    const SaveResult result = WriteDocumentFile(path, document);
    if (!result.ok) {
        showAlert(result.problem);
        return false;
    }
    return true;
}

void Window1::print()
{
    DrawTheCode();
    if (!_printer) _printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!_prompts.confirmPrint(*_printer)) return;

    QPainter painter;
    if (!painter.begin(_printer.get())) {
        showAlert(QStringLiteral("The printer could not be started."));
        return;
    }
    // The page in points: one unit is 1/72 inch, from the top-left corner of the printable area.
    const qreal devicePixelsPerPoint = _printer->resolution() / 72.0;
    painter.scale(devicePixelsPerPoint, devicePixelsPerPoint);
    PrintCode(painter, _model, _globals);
    painter.end();
}

} // namespace quillmark
