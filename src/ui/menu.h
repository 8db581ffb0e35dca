#pragma once

#include "documents/templates.h"

#include <QList>
#include <QMenuBar>

#include <optional>

class QAction;
class QLineEdit;
class QMenu;

// The menu bar: File, Edit, Formats and Help. What is enabled is worked out in one place, updateActions,
// which runs whenever what it depends on changes, so that menus and shortcuts always agree.
namespace quillmark {

class Window1;

class Menu : public QMenuBar {
    Q_OBJECT

public:
    Menu(Window1* window, const QList<TemplateEntry>& templates, QWidget* parent = nullptr);

    QAction* fileOpen() const { return _fileOpen; }
    QAction* fileSave() const { return _fileSave; }
    QAction* filePrint() const { return _filePrint; }
    QAction* fileQuit() const { return _fileQuit; }
    QAction* editCut() const { return _editCut; }
    QAction* editCopy() const { return _editCopy; }
    QAction* editPaste() const { return _editPaste; }
    QAction* editClear() const { return _editClear; }
    const QList<QAction*>& formatsTemplateName() const { return _formatsTemplateName; }
    QAction* helpGotowebsite() const { return _helpGotowebsite; }
    QAction* appleAbout() const { return _appleAbout; }

public slots:
    void updateActions();

private:
    void createFileMenu();
    void createEditMenu();
    void createFormatsMenu(const QList<TemplateEntry>& templates);
    void createHelpMenu();
    QMenu* addCommandMenu(const QString& title);
    QLineEdit* focusedField() const;
    bool clipboardHasText();

    Window1* _window;
    QAction* _fileOpen = nullptr;
    QAction* _fileSave = nullptr;
    QAction* _filePrint = nullptr;
    QAction* _fileQuit = nullptr;
    QAction* _editCut = nullptr;
    QAction* _editCopy = nullptr;
    QAction* _editPaste = nullptr;
    QAction* _editClear = nullptr;
    QList<QAction*> _formatsTemplateName;
    int _theFormatSize = 0;
    QAction* _helpGotowebsite = nullptr;
    QAction* _appleAbout = nullptr;
    std::optional<bool> _clipboardHasText; // asked once per change of the clipboard
};

} // namespace quillmark
