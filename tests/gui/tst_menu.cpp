// The application and its menu bar: start-up state, the menus and their enabling, the Edit commands on the
// focused field, the Formats menu built from template folders, About and the maker's website.

#include "ui_test_support.h"

#include "app/app.h"
#include "documents/templates.h"
#include "ui/about_window.h"
#include "ui/colour_swatch.h"
#include "ui/maker.h"
#include "ui/menu.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileOpenEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quillmark;
using namespace quillmark::uitest;

class TestMenu : public QObject {
    Q_OBJECT

public:
    explicit TestMenu(App& app) : _app(app) {}

public slots:
    void openUrl(const QUrl& url) { _openedUrls << url; }

private slots:
    void initTestCase();
    void cleanup();

    void startsInTheInitialState();
    void menusHoldTheirItems();
    void saveAndPrintNeedPartOne();
    void disabledShortcutDoesNothing();
    void editItemsFollowTheFocusedField();
    void editCommandsActOnTheFocusedField();
    void pasteFromTheMenuIsChecked();
    void noTemplatesGiveOneDisabledItem();
    void templatesBecomeFormatsItemsThatLoad();
    void websiteOpensTheMakersPage();
    void aboutShowsTheAboutWindow();
    void documentsFromTheDesktopAreIgnored();

private:
    QMenu* menuTitled(Menu* menu, const QString& title) const;

    App& _app;
    QList<QUrl> _openedUrls;
};

void TestMenu::initTestCase()
{
    _app.window()->setPrompts(UnexpectedPrompts());
    _app.window()->show();
    _app.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(_app.window()));
}

void TestMenu::cleanup()
{
    CodeModel initial;
    quillmark::SetInitialState(initial, _app.globals());
    _app.window()->setModel(initial);
    if (AlertWindow* alert = _app.window()->alertWindow()) alert->close();
    _app.window()->setPrompts(UnexpectedPrompts());
}

QMenu* TestMenu::menuTitled(Menu* menu, const QString& title) const
{
    for (QAction* action : menu->actions())
        if (action->menu() && action->text().remove(QLatin1Char('&')) == title) return action->menu();
    return nullptr;
}

void TestMenu::startsInTheInitialState()
{
    Window1* window = _app.window();
    QCOMPARE(window->windowTitle(), QStringLiteral("Quillmark"));
    for (int k = 1; k <= PART_COUNT; ++k) {
        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("DataEntry%1").arg(k))->text(), QString());
        QCOMPARE(window->findChild<ColourSwatch*>(QStringLiteral("Canvas%1").arg(k))->colour(),
                 QColor(0, 0, 0));
        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("DataEntry%1").arg(k))->isEnabled(), k == 1);
    }
    QCOMPARE(window->findChild<QLineEdit*>("MagText")->text(), QStringLiteral("100"));
    QCOMPARE(window->findChild<QLineEdit*>("HeightText")->text(), QStringLiteral("10"));
    QCOMPARE(window->findChild<QLineEdit*>("GuardBarText")->text(), QStringLiteral("0"));
    QCOMPARE(window->findChild<QLineEdit*>("MarginText")->text(), QStringLiteral("10"));
    QCOMPARE(_app.globals().MagHigh, 500);
    QCOMPARE(_app.globals().theIS, 5.0);
    QCOMPARE(window->menuBar(), _app.menu());
}

void TestMenu::menusHoldTheirItems()
{
    Menu* menu = _app.menu();
    QStringList titles;
    for (QAction* action : menu->actions())
        titles << action->text().remove(QLatin1Char('&'));
    QCOMPARE(titles, (QStringList{"File", "Edit", "Formats", "Help"}));

    auto texts = [](QMenu* m) {
        QStringList list;
        for (QAction* action : m->actions())
            list << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return list;
    };
    QCOMPARE(texts(menuTitled(menu, "File")), (QStringList{"Open", "Save As...", "-", "Print", "-", "Quit"}));
    QCOMPARE(texts(menuTitled(menu, "Edit")), (QStringList{"Cut", "Copy", "Paste", "Clear"}));
    QCOMPARE(texts(menuTitled(menu, "Help")),
             (QStringList{"Go to website...", "-", QStringLiteral("About\u2026")}));

    QCOMPARE(menu->fileOpen()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(menu->fileSave()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(menu->filePrint()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    QCOMPARE(menu->fileQuit()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QCOMPARE(menu->editCut()->shortcut(), QKeySequence(QKeySequence::Cut));
    QVERIFY(menu->editClear()->shortcut().isEmpty());
    QCOMPARE(menu->fileQuit()->menuRole(), QAction::QuitRole);
    QCOMPARE(menu->appleAbout()->menuRole(), QAction::AboutRole);
    QCOMPARE(menu->fileOpen()->statusTip(),
             QStringLiteral("Opens an existing Quillmark file so that you can view/edit it."));
    QCOMPARE(menu->fileQuit()->statusTip(), QStringLiteral("Quits the application."));
}

void TestMenu::saveAndPrintNeedPartOne()
{
    Menu* menu = _app.menu();
    QMenu* file = menuTitled(menu, "File");
    emit file->aboutToShow();
    QVERIFY(!menu->fileSave()->isEnabled());
    QVERIFY(!menu->filePrint()->isEnabled());
    QVERIFY(menu->fileSave()->statusTip().startsWith(
        QStringLiteral("Saves the code under a new name.  Not available")));
    for (QAction* always : {menu->fileOpen(), menu->fileQuit(), menu->helpGotowebsite(), menu->appleAbout()})
        QVERIFY(always->isEnabled());

    // One digit, without Draw, is enough.
    QLineEdit* first = _app.window()->findChild<QLineEdit*>("DataEntry1");
    QTest::keyClicks(first, QStringLiteral("4"));
    QVERIFY(menu->fileSave()->isEnabled());
    QVERIFY(menu->filePrint()->isEnabled());
    QCOMPARE(menu->fileSave()->statusTip(), QStringLiteral("Saves the code under a new name."));
    QCOMPARE(menu->filePrint()->statusTip(), QStringLiteral("Prints a bitmapped copy of the code."));

    QTest::keyClick(first, Qt::Key_Backspace);
    QVERIFY(!menu->fileSave()->isEnabled());
}

void TestMenu::disabledShortcutDoesNothing()
{
    int asked = 0;
    Prompts prompts = UnexpectedPrompts();
    prompts.saveFileName = [&asked](const QString&) {
        ++asked;
        return QString();
    };
    _app.window()->setPrompts(prompts);
    QLineEdit* first = _app.window()->findChild<QLineEdit*>("DataEntry1");
    first->setFocus();
    QTest::keySequence(_app.window(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(asked, 0);

    QTest::keyClicks(first, QStringLiteral("4"));
    QTest::keySequence(_app.window(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(asked, 1);
}

void TestMenu::editItemsFollowTheFocusedField()
{
    Menu* menu = _app.menu();
    QGuiApplication::clipboard()->clear();
    QLineEdit* first = _app.window()->findChild<QLineEdit*>("DataEntry1");
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    QTest::keyClicks(first, QStringLiteral("123"));
    QVERIFY(!menu->editCut()->isEnabled());
    QVERIFY(!menu->editCopy()->isEnabled());
    QVERIFY(!menu->editClear()->isEnabled());
    QVERIFY(!menu->editPaste()->isEnabled());
    QVERIFY(
        menu->editCut()->statusTip().endsWith(QStringLiteral("Not available because no text is selected.")));

    first->selectAll();
    QVERIFY(menu->editCut()->isEnabled());
    QVERIFY(menu->editCopy()->isEnabled());
    QVERIFY(menu->editClear()->isEnabled());
    QCOMPARE(menu->editCopy()->statusTip(),
             QStringLiteral("Duplicates the selected text and places it on the clipboard."));

    QGuiApplication::clipboard()->setText(QStringLiteral("9"));
    QVERIFY(menu->editPaste()->isEnabled());

    // The focus leaves the fields: nothing to edit.
    first->clearFocus();
    QVERIFY(!menu->editCut()->isEnabled());
    QVERIFY(!menu->editPaste()->isEnabled());
}

void TestMenu::editCommandsActOnTheFocusedField()
{
    Menu* menu = _app.menu();
    QLineEdit* height = _app.window()->findChild<QLineEdit*>("HeightText");
    height->setFocus();
    QTRY_VERIFY(height->hasFocus());
    height->selectAll();
    menu->editCopy()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("10"));
    menu->editClear()->trigger();
    QCOMPARE(height->text(), QString());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("10"));
    menu->editPaste()->trigger();
    QCOMPARE(height->text(), QStringLiteral("10"));
    height->selectAll();
    menu->editCut()->trigger();
    QCOMPARE(height->text(), QString());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("10"));
}

void TestMenu::pasteFromTheMenuIsChecked()
{
    Menu* menu = _app.menu();
    QSignalSpy alerted(_app.window(), &Window1::alerted);
    QLineEdit* first = _app.window()->findChild<QLineEdit*>("DataEntry1");
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    QTest::keyClicks(first, QStringLiteral("12"));
    QGuiApplication::clipboard()->setText(QStringLiteral("3x4y5"));
    menu->editPaste()->trigger();
    QCOMPARE(first->text(), QStringLiteral("12"));
    QCOMPARE(alerted.count(), 1);
    QCOMPARE(alerted.first().first().toString(), QStringLiteral("Numbers Only Please!"));
}

void TestMenu::noTemplatesGiveOneDisabledItem()
{
    const QList<QAction*>& items = _app.menu()->formatsTemplateName();
    QCOMPARE(items.size(), 1);
    QCOMPARE(items[0]->text(), QStringLiteral("No Templates Found"));
    QVERIFY(!items[0]->isEnabled());
    QCOMPARE(_app.globals().theFormatSize, 0);
}

void TestMenu::templatesBecomeFormatsItemsThatLoad()
{
    // Three documents saved by the program, and one other file, in a folder of templates.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    WindowFixture maker;
    const QStringList names{"Carton.eps", "Blister & Foil.eps", "Ampoule.eps"};
    const QStringList firstParts{"11", "222", "3333"};
    const QList<QColor> colours{Qt::red, Qt::blue, QColor(0, 128, 0)};
    for (int i = 0; i < names.size(); ++i) {
        CodeModel model = maker.window->model();
        model.parts[0] = firstParts[i].toStdString();
        model.colours[0] = ToRgb(colours[i]);
        model.heightText = std::to_string(20 + 5 * i);
        maker.window->setModel(model);
        Prompts prompts = UnexpectedPrompts();
        const QString path = folder.filePath(names[i]);
        prompts.saveFileName = [path](const QString&) { return path; };
        maker.window->setPrompts(prompts);
        QVERIFY(maker.window->saveAs());
    }
    {
        QFile other(folder.filePath(QStringLiteral("Readme.eps")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("%!PS-Adobe-3.0 EPSF-3.0\nnot a Quillmark document\n");
    }

    WindowFixture user;
    Menu menu(user.window.get(), ScanTemplates({folder.path()}));
    const QList<QAction*>& items = menu.formatsTemplateName();
    QCOMPARE(items.size(), 3);
    QStringList texts;
    for (QAction* item : items) {
        texts << item->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
        QVERIFY(item->isEnabled());
    }
    QCOMPARE(texts, (QStringList{"Ampoule.eps", "Blister & Foil.eps", "Carton.eps"}));

    QSignalSpy drawn(user.window.get(), &Window1::codeDrawn);
    items[1]->trigger(); // Blister & Foil
    QCOMPARE(drawn.count(), 1);
    QCOMPARE(user.part(1)->text(), QStringLiteral("222"));
    QCOMPARE(user.field("HeightText")->text(), QStringLiteral("25"));
    QCOMPARE(user.child<ColourSwatch>("Canvas1")->colour(), QColor(Qt::blue));
    QVERIFY(user.part(2)->isEnabled());

    items[0]->trigger(); // Ampoule
    QCOMPARE(user.part(1)->text(), QStringLiteral("3333"));
    QCOMPARE(user.child<ColourSwatch>("Canvas1")->colour(), QColor(0, 128, 0));

    // A template that has gone since the scan: said so, and nothing changes.
    QVERIFY(QFile::remove(folder.filePath(QStringLiteral("Carton.eps"))));
    const CodeModel before = user.window->model();
    QSignalSpy alerted(user.window.get(), &Window1::alerted);
    items[2]->trigger();
    QCOMPARE(alerted.count(), 1);
    QCOMPARE(user.window->model(), before);
    user.takeAlert();
}

void TestMenu::websiteOpensTheMakersPage()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
    _openedUrls.clear();
    _app.menu()->helpGotowebsite()->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(_openedUrls, QList<QUrl>{QUrl(MakerWebsite())});
    QVERIFY(MakerWebsite().startsWith(QStringLiteral("https://")));
}

void TestMenu::aboutShowsTheAboutWindow()
{
    _app.menu()->appleAbout()->trigger();
    AboutWindow* about = _app.aboutWindow();
    QVERIFY(about);
    QTRY_VERIFY(about->isVisible());
    QCOMPARE(about->versionText(), QStringLiteral("Version: 2.0.2"));
    QCOMPARE(about->contactText(), FirstContactText());

    // Chosen again while open: still the one window.
    _app.menu()->appleAbout()->trigger();
    QCOMPARE(_app.aboutWindow(), about);

    QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(400, 200));
    QTRY_VERIFY(!_app.aboutWindow());
}

void TestMenu::documentsFromTheDesktopAreIgnored()
{
    const CodeModel before = _app.window()->model();
    QFileOpenEvent event(QStringLiteral("QlMk,12.eps"));
    QVERIFY(QCoreApplication::sendEvent(&_app, &event));
    QVERIFY(event.isAccepted());
    QCOMPARE(_app.window()->model(), before);
}

int main(int argc, char** argv)
{
    App app(argc, argv, QStringList{}); // no template folders
    TestMenu test(app);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_menu.moc"
