#pragma once

#include "model/code_model.h"
#include "model/dimensions.h"
#include "model/globals.h"
#include "ui/alert_window.h"
#include "ui/window1.h"

#include <QLineEdit>
#include <QTest>

#include <memory>

// A main window in its start-up state, and short ways to reach its controls by their names.
namespace quillmark::uitest {

inline CodeModel InitialModel(Globals& globals)
{
    CodeModel model;
    SetInitialState(model, globals);
    return model;
}

// Dialogs that must not be reached: each one fails the test that reaches it.
inline Prompts UnexpectedPrompts()
{
    Prompts prompts;
    prompts.pickColour = [](const QColor& initial, const QString&) {
        QTest::qFail("unexpected colour picker", __FILE__, __LINE__);
        return initial;
    };
    prompts.saveFileName = [](const QString&) {
        QTest::qFail("unexpected save dialog", __FILE__, __LINE__);
        return QString();
    };
    prompts.openFileName = [] {
        QTest::qFail("unexpected open dialog", __FILE__, __LINE__);
        return QString();
    };
    prompts.confirmPrint = [](QPrinter&) {
        QTest::qFail("unexpected printer dialog", __FILE__, __LINE__);
        return false;
    };
    return prompts;
}

struct WindowFixture {
    Globals globals;
    std::unique_ptr<Window1> window;

    WindowFixture()
    {
        window = std::make_unique<Window1>(globals);
        window->setModel(InitialModel(globals));
        window->setPrompts(UnexpectedPrompts());
    }

    template <typename T = QWidget>
    T* child(const QString& name) const
    {
        return window->findChild<T*>(name);
    }
    QLineEdit* field(const QString& name) const { return child<QLineEdit>(name); }
    QLineEdit* part(int k) const { return field(QStringLiteral("DataEntry%1").arg(k)); }

    bool showActive()
    {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    // The alert's message, closing it; empty when no alert is open.
    QString takeAlert() const
    {
        AlertWindow* alert = window->alertWindow();
        if (!alert || !alert->isVisible()) return {};
        const QString message = alert->message();
        alert->close();
        QCoreApplication::processEvents();
        return message;
    }

    // Types `text` into part k and presses Return, as a user fills a part and draws.
    void typeAndDraw(int k, const QString& text) const
    {
        QLineEdit* entry = part(k);
        entry->setFocus();
        entry->selectAll();
        QTest::keyClicks(entry, text);
        QTest::keyClick(entry, Qt::Key_Return);
    }
};

} // namespace quillmark::uitest
