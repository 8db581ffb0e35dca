// Makes the README's picture of the main window: starts the program as usual, types a three-part code in
// three colours as a user would, draws it and saves what the screen shows.
//
//   xvfb-run -s "-screen 0 800x600x24" main_window_screenshot docs/main-window.png

#include "app/app.h"
#include "ui/prompts.h"
#include "ui/window1.h"

#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <cstdio>

using namespace quillmark;

int main(int argc, char** argv)
{
    App app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    Window1* window = app.window();
    window->show();
    window->move(0, 0);
    if (!QTest::qWaitForWindowExposed(window)) return 1;

    QColor next;
    Prompts prompts = DialogPrompts(window);
    prompts.pickColour = [&next](const QColor&, const QString&) { return next; };
    window->setPrompts(prompts);

    struct Part {
        const char* number;
        QColor colour;
    };
    const Part parts[] = {{"1234", QColor(200, 0, 0)}, {"56", QColor(0, 90, 170)}, {"789", QColor(0, 0, 0)}};
    for (int k = 0; k < 3; ++k) {
        auto* entry = window->findChild<QLineEdit*>(QStringLiteral("DataEntry%1").arg(k + 1));
        entry->setFocus();
        QTest::keyClicks(entry, QString::fromLatin1(parts[k].number));
        next = parts[k].colour;
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("Canvas%1").arg(k + 1)), Qt::LeftButton);
        QTest::keyClick(entry, Qt::Key_Return);
    }
    QTest::qWait(300);

    const QRect frame = window->frameGeometry();
    const QPixmap shot = window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
