#pragma once

#include "model/globals.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <optional>

// The application: one main window with its menu bar, the shared values of the core, the templates found
// at start, and the commands that belong to the whole program (About, the maker's website).
namespace quillmark {

class AboutWindow;
class Menu;
class Window1;

class App : public QApplication {
    Q_OBJECT

public:
    // Templates are looked for in the usual folders (TemplateFolders), or in `templateFolders` when given.
    App(int& argc, char** argv, std::optional<QStringList> templateFolders = std::nullopt);
    ~App() override;

    Window1* window() const { return _window.get(); }
    Menu* menu() const { return _menu; }
    Globals& globals() { return _globals; }
    AboutWindow* aboutWindow() const;

    // Every field of the main window and every shared value at its start-up value.
    void SetInitialState();

public slots:
    void AppleAbout();
    void HelpGotowebsite();

protected:
    bool event(QEvent* event) override;

private:
    Globals _globals;
    std::unique_ptr<Window1> _window;
    Menu* _menu = nullptr;
    QPointer<AboutWindow> _about;
};

} // namespace quillmark
