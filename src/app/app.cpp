#include "app/app.h"

#include "documents/templates.h"
#include "model/code_model.h"
#include "model/dimensions.h"
#include "ui/about_window.h"
#include "ui/maker.h"
#include "ui/menu.h"
#include "ui/window1.h"

#include <QDesktopServices>
#include <QUrl>

namespace quillmark {

App::App(int& argc, char** argv, std::optional<QStringList> templateFolders) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Quillmark"));
    setApplicationVersion(QStringLiteral("2.0.2"));
    setOrganizationName(QStringLiteral("Tallowbeck Systems"));
    setOrganizationDomain(QStringLiteral("tallowbeck-systems.co.uk"));

    _window = std::make_unique<Window1>(_globals);
    SetInitialState();

    const QList<TemplateEntry> templates =
        ScanTemplates(templateFolders ? *templateFolders : TemplateFolders());
    _globals.theFormatSize = static_cast<std::int32_t>(templates.size());
    _menu = new Menu(_window.get(), templates);
    _window->setMenuBar(_menu);
    connect(_menu->appleAbout(), &QAction::triggered, this, &App::AppleAbout);
    connect(_menu->helpGotowebsite(), &QAction::triggered, this, &App::HelpGotowebsite);
}

App::~App()
{
    delete _about;
    _window.reset();
}

AboutWindow* App::aboutWindow() const
{
    return _about;
}

void App::SetInitialState()
{
    CodeModel model;
    quillmark::SetInitialState(model, _globals);
    _window->setModel(model);
}

void App::AppleAbout()
{
    if (!_about) {
        _about = new AboutWindow(_window.get());
        _about->setAttribute(Qt::WA_DeleteOnClose);
    }
    _about->open();
    _about->raise();
}

void App::HelpGotowebsite()
{
    QDesktopServices::openUrl(QUrl(MakerWebsite()));
}

bool App::event(QEvent* event)
{
    // A document handed over by the desktop is accepted and not opened: documents come in through Open.
    if (event->type() == QEvent::FileOpen) {
        event->accept();
        return true;
    }
    return QApplication::event(event);
}

} // namespace quillmark
