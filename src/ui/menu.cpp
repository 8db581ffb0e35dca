#include "ui/menu.h"

#include "ui/window1.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>

namespace quillmark {

namespace {

struct HelpTexts {
    QString enabled;
    QString disabled;
};

const QString NO_SELECTION = QStringLiteral("  Not available because no text is selected.");
const QString NO_CODE = QStringLiteral("  Not available until part 1 of the code holds a number.");

const HelpTexts SAVE_HELP{QStringLiteral("Saves the code under a new name."),
                          QStringLiteral("Saves the code under a new name.") + NO_CODE};
const HelpTexts PRINT_HELP{QStringLiteral("Prints a bitmapped copy of the code."),
                           QStringLiteral("Prints a bitmapped copy of the code.") + NO_CODE};
const HelpTexts CUT_HELP{QStringLiteral("Removes the selected text and places it on the clipboard."),
                         QStringLiteral("Removes the selected text and places it on the clipboard.") +
                             NO_SELECTION};
const HelpTexts COPY_HELP{QStringLiteral("Duplicates the selected text and places it on the clipboard."),
                          QStringLiteral("Duplicates the selected text and places it on the clipboard.") +
                              NO_SELECTION};
const HelpTexts PASTE_HELP{QStringLiteral("Places the contents of the clipboard at the insertion point."),
                           QStringLiteral("Places the contents of the clipboard at the insertion point.") +
                               NO_SELECTION};
const HelpTexts CLEAR_HELP{QStringLiteral("Removes the selected text without placing it on the clipboard."),
                           QStringLiteral("Removes the selected text without placing it on the clipboard.") +
                               NO_SELECTION};

void SetHelp(QAction* action, const QString& help)
{
    action->setStatusTip(help);
    action->setToolTip(help);
}

void SetEnabled(QAction* action, bool enabled, const HelpTexts& help)
{
    action->setEnabled(enabled);
    SetHelp(action, enabled ? help.enabled : help.disabled);
}

} // namespace

Menu::Menu(Window1* window, const QList<TemplateEntry>& templates, QWidget* parent)
    : QMenuBar(parent), _window(window)
{
    createFileMenu();
    createEditMenu();
    createFormatsMenu(templates);
    createHelpMenu();

    connect(window, &Window1::fieldsChanged, this, &Menu::updateActions);
    connect(window, &Window1::codeDrawn, this, &Menu::updateActions);
    connect(qApp, &QApplication::focusChanged, this, &Menu::updateActions);
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        connect(field, &QLineEdit::selectionChanged, this, &Menu::updateActions);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        _clipboardHasText.reset();
        updateActions();
    });
    updateActions();
}

QMenu* Menu::addCommandMenu(const QString& title)
{
    QMenu* menu = addMenu(title);
    menu->setToolTipsVisible(true);
    connect(menu, &QMenu::aboutToShow, this, &Menu::updateActions);
    return menu;
}

void Menu::createFileMenu()
{
    QMenu* file = addCommandMenu(QStringLiteral("&File"));
    _fileOpen = file->addAction(QStringLiteral("Open"));
    connect(_fileOpen, &QAction::triggered, _window, &Window1::open);
    _fileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    SetHelp(_fileOpen, QStringLiteral("Opens an existing Quillmark file so that you can view/edit it."));

    _fileSave = file->addAction(QStringLiteral("Save As..."));
    connect(_fileSave, &QAction::triggered, _window, &Window1::saveAs);
    _fileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator();

    _filePrint = file->addAction(QStringLiteral("Print"));
    connect(_filePrint, &QAction::triggered, _window, &Window1::print);
    _filePrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();

    _fileQuit = file->addAction(QStringLiteral("Quit"));
    connect(_fileQuit, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    _fileQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    _fileQuit->setMenuRole(QAction::QuitRole);
    SetHelp(_fileQuit, QStringLiteral("Quits the application."));
}

void Menu::createEditMenu()
{
    QMenu* edit = addCommandMenu(QStringLiteral("&Edit"));
    // The commands act on the text field that has the keyboard focus.
    auto onFocusedField = [this](auto command) {
        return [this, command] {
            if (QLineEdit* field = focusedField()) (field->*command)();
        };
    };
    _editCut = edit->addAction(QStringLiteral("Cut"));
    connect(_editCut, &QAction::triggered, this, onFocusedField(&QLineEdit::cut));
    _editCut->setShortcut(QKeySequence::Cut);
    _editCopy = edit->addAction(QStringLiteral("Copy"));
    connect(_editCopy, &QAction::triggered, this, onFocusedField(&QLineEdit::copy));
    _editCopy->setShortcut(QKeySequence::Copy);
    _editPaste = edit->addAction(QStringLiteral("Paste"));
    connect(_editPaste, &QAction::triggered, this, onFocusedField(&QLineEdit::paste));
    _editPaste->setShortcut(QKeySequence::Paste);
    _editClear = edit->addAction(QStringLiteral("Clear"));
    connect(_editClear, &QAction::triggered, this, onFocusedField(&QLineEdit::del));
}

void Menu::createFormatsMenu(const QList<TemplateEntry>& templates)
{
    QMenu* formats = addCommandMenu(QStringLiteral("F&ormats"));
    _theFormatSize = static_cast<int>(templates.size());
    if (templates.isEmpty()) {
        _formatsTemplateName.append(formats->addAction(QStringLiteral("No Templates Found")));
        return;
    }
    for (const TemplateEntry& entry : templates) {
        const QString path = entry.path;
        // A file name is shown as it is: an ampersand in it is not a shortcut marker.
        QAction* item =
            formats->addAction(QString(entry.name).replace(QLatin1Char('&'), QStringLiteral("&&")));
        connect(item, &QAction::triggered, _window, [this, path] { _window->loadFile(path); });
        _formatsTemplateName.append(item);
    }
}

void Menu::createHelpMenu()
{
    QMenu* help = addCommandMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    _helpGotowebsite = help->addAction(QStringLiteral("Go to website..."));
    help->addSeparator();
    _appleAbout = help->addAction(QStringLiteral("About\u2026"));
    _appleAbout->setMenuRole(QAction::AboutRole);
}

QLineEdit* Menu::focusedField() const
{
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return field && _window->isAncestorOf(field) ? field : nullptr;
}

bool Menu::clipboardHasText()
{
    if (!_clipboardHasText) _clipboardHasText = !QGuiApplication::clipboard()->text().isEmpty();
    return *_clipboardHasText;
}

void Menu::updateActions()
{
    const bool hasCode = _window->hasCodeData();
    SetEnabled(_fileSave, hasCode, SAVE_HELP);
    SetEnabled(_filePrint, hasCode, PRINT_HELP);

    for (QAction* item : _formatsTemplateName)
        item->setEnabled(_theFormatSize > 0);

    QLineEdit* field = focusedField();
    const bool selected = field && field->hasSelectedText();
    const bool editable = field && field->isEnabled() && !field->isReadOnly();
    SetEnabled(_editCut, selected && editable, CUT_HELP);
    SetEnabled(_editCopy, selected, COPY_HELP);
    SetEnabled(_editPaste, editable && clipboardHasText(), PASTE_HELP);
    SetEnabled(_editClear, selected && editable, CLEAR_HELP);
}

} // namespace quillmark
