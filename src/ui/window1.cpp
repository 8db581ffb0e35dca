#include "ui/window1.h"

#include "model/assembly.h"
#include "model/globals.h"
#include "model/pharmacode.h"
#include "render/screen.h"
#include "ui/alert_window.h"
#include "ui/arrow_button.h"
#include "ui/code_canvas.h"
#include "ui/colour_swatch.h"
#include "ui/edge_layout.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

namespace quillmark {

namespace {

constexpr QSize DESIGN_SIZE{340, 390};

const QString DISABLED_PART_HELP =
    QStringLiteral("To enable this part, enter some data in the previous part and click 'Draw\".");

struct DimensionRow {
    Dimension dimension;
    const char* name; // prefix of the controls' names
    const char* title;
    const char* scale;
    int fieldTop;
    const char* help;
};

// The right-hand column, top to bottom. Titles and units stand 3 pixels below their field's top, the up
// arrow 5 pixels above it and the down arrow 10 below.
constexpr std::array<DimensionRow, 4> DIMENSION_ROWS{{
    {Dimension::Mag, "Mag", "Mag Factor:", "%", 41, nullptr},
    {Dimension::Height, "Height", "Height:", "mm", 77, nullptr},
    {Dimension::GuardBar, "GuardBar", "BWA:", "mic", 113,
     "'BWA' means Bar Width Adjustment.  Use it to make small changes to the thickness of bars in the code."},
    {Dimension::Margin, "Margin", "Margin:", "mm", 149, nullptr},
}};

constexpr int PartTop(int part)
{
    return 41 + 27 * part;
}

QString PartHelp(int part)
{
    return QStringLiteral("Data entry, part %1.").arg(part + 1);
}

QLabel* MakeLabel(const QString& name, const QString& text, Qt::Alignment alignment, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QLineEdit* MakeField(const QString& name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    QPalette white = field->palette();
    white.setColor(QPalette::Base, Qt::white);
    field->setPalette(white);
    return field;
}

} // namespace

Window1::Window1(Globals& globals, QWidget* parent) : QMainWindow(parent), _globals(globals)
{
    setWindowTitle(QStringLiteral("Quillmark"));
    createControls();
    setPrompts(DialogPrompts(this));
    resize(sizeHint());
}

Window1::~Window1() = default;

void Window1::createControls()
{
    auto* content = new QWidget(this);
    content->setObjectName(QStringLiteral("Window1Content"));
    content->setFont(SystemFont());
    SetWhiteBackground(*content);
    auto* layout = new EdgeLayout(DESIGN_SIZE, content);
    using Anchor = EdgeLayout::Anchor;

    for (int part = 0; part < PART_COUNT; ++part) {
        QLineEdit* field = MakeField(QStringLiteral("DataEntry%1").arg(part + 1), content);
        layout->addWidget(field, QRect(51, PartTop(part), 55, 22));
        connect(field, &QLineEdit::textEdited, this,
                [this, part](const QString& text) { editPart(part, text); });
        _dataEntry[part] = field;
        setPartEnabled(part, part == 0);

        auto* swatch = new ColourSwatch(content);
        swatch->setObjectName(QStringLiteral("Canvas%1").arg(part + 1));
        swatch->setToolTip(QStringLiteral("Click here to select a colour for part %1.").arg(part + 1));
        layout->addWidget(swatch, QRect(110, PartTop(part), 22, 22));
        connect(swatch, &ColourSwatch::clicked, this, [this, part] { pickColour(part); });
        _swatches[part] = swatch;
    }

    layout->addWidget(MakeLabel(QStringLiteral("CodeTitle"), QStringLiteral("Code:"), Qt::AlignLeft, content),
                      QRect(13, 44, 40, 16));
    layout->addWidget(
        MakeLabel(QStringLiteral("CodeID"), QStringLiteral("Pharmacode"), Qt::AlignLeft, content),
        QRect(13, 13, 80, 16));

    for (const DimensionRow& row : DIMENSION_ROWS) {
        const QString name = QString::fromLatin1(row.name);
        QLineEdit* field = MakeField(name + QStringLiteral("Text"), content);
        if (row.help) field->setToolTip(QString::fromLatin1(row.help));
        layout->addWidget(field, QRect(224, row.fieldTop, 48, 22), Anchor::Right);
        const Dimension dimension = row.dimension;
        connect(field, &QLineEdit::textChanged, this, [this, dimension](const QString& text) {
            DimensionText(_model, dimension) = text.toStdString();
            emit fieldsChanged();
        });
        field->installEventFilter(this);
        _dimensionFields[static_cast<std::size_t>(dimension)] = field;

        layout->addWidget(MakeLabel(name + QStringLiteral("Title"), QString::fromLatin1(row.title),
                                    Qt::AlignHCenter, content),
                          QRect(134, row.fieldTop + 3, 86, 16), Anchor::Right);
        layout->addWidget(
            MakeLabel(name + QStringLiteral("Scale"), QString::fromLatin1(row.scale), Qt::AlignLeft, content),
            QRect(276, row.fieldTop + 3, 26, 16), Anchor::Right);

        auto* raise = new ArrowButton(ArrowButton::Direction::Up, content);
        raise->setObjectName(name + QStringLiteral("Raise"));
        layout->addWidget(raise, QRect(308, row.fieldTop - 5, 16, 16), Anchor::Right);
        auto* lower = new ArrowButton(ArrowButton::Direction::Down, content);
        lower->setObjectName(name + QStringLiteral("Lower"));
        layout->addWidget(lower, QRect(308, row.fieldTop + 10, 16, 16), Anchor::Right);
        for (auto [arrow, direction] :
             {std::pair{raise, StepDirection::Up}, std::pair{lower, StepDirection::Down}}) {
            connect(arrow, &ArrowButton::pressed, this,
                    [this, dimension, direction] { pressArrow(dimension, direction); });
            connect(arrow, &ArrowButton::repeated, this,
                    [this, dimension, direction] { stepDimension(dimension, direction); });
            connect(arrow, &ArrowButton::released, this, &Window1::DrawTheCode);
        }
    }

    _codeCanvas = new CodeCanvas(content);
    _codeCanvas->setObjectName(QStringLiteral("CodeCanvas"));
    _codeCanvas->setToolTip(
        QStringLiteral("Drag this area to your desktop to produce a 'Picture Clipping' of your barcode."));
    layout->addWidget(_codeCanvas, QRect(13, 226, 312, 144), Anchor::Stretch);

    _drawButton = new QPushButton(QStringLiteral("Draw"), content);
    _drawButton->setObjectName(QStringLiteral("DrawButton"));
    _drawButton->setDefault(true);
    _drawButton->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(_drawButton, QRect(261, 191, 60, 20), Anchor::Right);
    connect(_drawButton, &QPushButton::clicked, this, &Window1::DrawTheCode);

    // A main window has no default button of its own: Return in any field presses "Draw".
    QWidget* previous = nullptr;
    for (QLineEdit* field : _dataEntry) {
        connect(field, &QLineEdit::returnPressed, _drawButton, &QPushButton::click);
        if (previous) setTabOrder(previous, field);
        previous = field;
    }
    for (QLineEdit* field : _dimensionFields) {
        connect(field, &QLineEdit::returnPressed, _drawButton, &QPushButton::click);
        setTabOrder(previous, field);
        previous = field;
    }

    setCentralWidget(content);
}

void Window1::setModel(const CodeModel& model)
{
    _model = model;
    showFieldTexts();
    emit fieldsChanged();
}

void Window1::showFieldTexts()
{
    for (int part = 0; part < PART_COUNT; ++part) {
        const QString text = QString::fromStdString(_model.parts[part]);
        if (_dataEntry[part]->text() != text) _dataEntry[part]->setText(text);
        if (part > 0) setPartEnabled(part, PartEnabled(_model, part));
        _swatches[part]->setColour(ToQColor(_model.colours[part]));
    }
    for (Dimension dimension : DIMENSIONS) {
        const QString text = QString::fromStdString(DimensionText(_model, dimension));
        if (dimensionField(dimension)->text() != text) dimensionField(dimension)->setText(text);
    }
}

void Window1::setPartEnabled(int part, bool enabled)
{
    QLineEdit* field = _dataEntry[part];
    field->setEnabled(enabled);
    field->setToolTip(enabled ? PartHelp(part) : DISABLED_PART_HELP);
}

QLineEdit* Window1::dimensionField(Dimension dimension) const
{
    return _dimensionFields[static_cast<std::size_t>(dimension)];
}

void Window1::editPart(int part, const QString& text)
{
    QLineEdit* field = _dataEntry[part];
    const std::string before = _model.parts[part];
    const EntryCheck check = CheckEntry(before, text.toStdString());
    if (check.error != EntryError::None) {
        // Back to the text before the edit, with the cursor where the edit began.
        const int editEnd = field->cursorPosition();
        const QString restored = QString::fromStdString(check.text);
        field->setText(restored);
        field->setCursorPosition(
            qBound(0, editEnd - int(text.size() - restored.size()), int(restored.size())));
    }
    _model.parts[part] = check.text;
    emit fieldsChanged();
    if (check.error != EntryError::None) showAlert(QString::fromUtf8(EntryMessage(check.error)));
}

void Window1::pickColour(int part)
{
    ColourSwatch* swatch = _swatches[part];
    const QColor current = swatch->colour();
    QColor chosen = _prompts.pickColour(current, QStringLiteral("Select a color:   Part %1").arg(part + 1));
    if (!chosen.isValid()) chosen = current;
    _model.colours[part] = ToRgb(chosen);
    swatch->setColour(ToQColor(_model.colours[part]));
    swatch->repaint();
    DrawTheCode();
}

void Window1::stepDimension(Dimension dimension, StepDirection direction)
{
    const std::string stepped =
        StepDimension(DimensionText(_model, dimension), dimension, _globals, direction);
    dimensionField(dimension)->setText(QString::fromStdString(stepped));
}

void Window1::clampDimension(Dimension dimension)
{
    const std::string clamped =
        ClampDimension(DimensionText(_model, dimension), LimitsOf(_globals, dimension));
    if (clamped != DimensionText(_model, dimension))
        dimensionField(dimension)->setText(QString::fromStdString(clamped));
}

void Window1::pressArrow(Dimension dimension, StepDirection direction)
{
    stepDimension(dimension, direction);
    // No control keeps the focus; a dimension field that had it is brought within its limits, as it would
    // be by its focus-out even when the window is not the active one.
    if (QWidget* focused = focusWidget()) {
        focused->clearFocus();
        for (Dimension other : DIMENSIONS)
            if (dimensionField(other) == focused) clampDimension(other);
    }
}

bool Window1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        for (Dimension dimension : DIMENSIONS)
            if (dimensionField(dimension) == watched) clampDimension(dimension);
    }
    return QMainWindow::eventFilter(watched, event);
}

void Window1::DrawTheCode()
{
    // No field text can ask for a code the program cannot draw: dimensions are clamped, parts held to the
    // entry rule, and the fields show what is drawn.
    ApplyFieldRules(_model, _globals);
    const ScreenCode frame = RenderScreenCode(_model, _globals);
    showFieldTexts();
    _codeCanvas->showCode(frame, _globals.theSurfacePic ? &*_globals.theSurfacePic : nullptr);
    emit codeDrawn();
}

void Window1::showAlert(const QString& message)
{
    if (!_alert) {
        _alert = new AlertWindow(this);
        _alert->setAttribute(Qt::WA_DeleteOnClose);
    }
    _alert->setMessage(message);
    _alert->open();
    emit alerted(message);
}

AlertWindow* Window1::alertWindow() const
{
    return _alert;
}

void Window1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // A resize by the user redraws; the window's first placement does not.
    if (isVisible() && event->oldSize().isValid() && event->oldSize() != event->size()) DrawTheCode();
}

void Window1::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::quit();
}

} // namespace quillmark
