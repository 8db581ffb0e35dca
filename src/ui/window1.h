#pragma once

#include "model/code_model.h"
#include "model/dimensions.h"
#include "ui/prompts.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

class QLineEdit;
class QPrinter;
class QPushButton;

// The main window, on which the whole job is done: five parts with their colour swatches, the four
// dimensions with their spinner arrows, "Draw", and the code area. The fields mirror one code model; every
// command applies the field rules to it, lets the core compute, and shows the result.
namespace quillmark {

struct Globals;
class AlertWindow;
class ArrowButton;
class CodeCanvas;
class ColourSwatch;

class Window1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Window1(Globals& globals, QWidget* parent = nullptr);
    ~Window1() override;

    const CodeModel& model() const { return _model; }
    // Shows `model` in the fields and swatches; the code area follows at the next drawing.
    void setModel(const CodeModel& model);

    // Part 1 holds text: there is a code to save or print.
    bool hasCodeData() const { return !_model.parts[0].empty(); }

    void setPrompts(Prompts prompts) { _prompts = std::move(prompts); }

    // Reads a document into the fields and redraws; says why in the alert window and changes nothing when
    // the file is not a document that can be read.
    bool loadFile(const QString& path);

    void showAlert(const QString& message);
    AlertWindow* alertWindow() const;

public slots:
    void DrawTheCode();
    void open();
    bool saveAs();
    void print();

signals:
    void alerted(const QString& message);
    void codeDrawn();
    void fieldsChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void editPart(int part, const QString& text);
    void pickColour(int part);
    void stepDimension(Dimension dimension, StepDirection direction);
    void clampDimension(Dimension dimension);
    void pressArrow(Dimension dimension, StepDirection direction);
    void showFieldTexts();
    void setPartEnabled(int part, bool enabled);
    QLineEdit* dimensionField(Dimension dimension) const;

    Globals& _globals;
    CodeModel _model;
    Prompts _prompts;
    std::unique_ptr<QPrinter> _printer; // made on first use: most runs never print

    std::array<QLineEdit*, PART_COUNT> _dataEntry{};
    std::array<ColourSwatch*, PART_COUNT> _swatches{};
    std::array<QLineEdit*, DIMENSIONS.size()> _dimensionFields{};
    QPushButton* _drawButton = nullptr;
    CodeCanvas* _codeCanvas = nullptr;
    QPointer<AlertWindow> _alert;
};

} // namespace quillmark
