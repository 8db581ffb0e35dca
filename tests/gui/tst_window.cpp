// The main window driven as a user drives it: layout, typing and its messages, Draw, colours, and what the
// code area shows.

#include "ui_test_support.h"

#include "model/pharmacode.h"
#include "ui/code_canvas.h"
#include "ui/colour_swatch.h"
#include "ui/fonts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace quillmark;
using namespace quillmark::uitest;

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsStandAtTheirPlaces_data();
    void controlsStandAtTheirPlaces();
    void widerWindowMovesTheRightColumn();
    void windowKeepsItsMinimumSize();
    void tabVisitsTheEnabledFieldsInOrder();
    void helpTextsAreToolTips();

    void typingKeepsTheEntryRule_data();
    void typingKeepsTheEntryRule();
    void everyPartHasTheSameMaximum();
    void pasteIsRefusedWholeWithOneAlert_data();
    void pasteIsRefusedWholeWithOneAlert();
    void textSetByTheProgramIsNotCheckedAgain();

    void returnDrawsAndEnablesTheNextPart();
    void returnInADimensionFieldDraws();
    void emptyPartOneClearsTheOthersOnDraw();
    void typingDoesNotRedraw();
    void drawClampsAnOversizedMagnification();

    void colourPickRepaintsAndRedraws();
    void cancelledColourPickStillRedraws();

    void displayShowsTheCodeItsMarksAndLabels();
    void displayWithoutPartsShowsTheQuietZones();
    void codeAreaKeepsItsDrawing();
    void clickInCodeAreaDoesNothing();

private:
    std::unique_ptr<WindowFixture> _f;
};

void TestWindow::init()
{
    _f = std::make_unique<WindowFixture>();
    QVERIFY(_f->showActive());
}

void TestWindow::cleanup()
{
    _f->takeAlert();
    _f.reset();
}

void TestWindow::controlsStandAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    auto row = [](const char* name, int left, int top, int width, int height) {
        QTest::newRow(name) << QString::fromLatin1(name) << QRect(left, top, width, height);
    };
    row("DataEntry1", 51, 41, 55, 22);
    row("DataEntry2", 51, 68, 55, 22);
    row("DataEntry3", 51, 95, 55, 22);
    row("DataEntry4", 51, 122, 55, 22);
    row("DataEntry5", 51, 149, 55, 22);
    row("MagText", 224, 41, 48, 22);
    row("HeightText", 224, 77, 48, 22);
    row("GuardBarText", 224, 113, 48, 22);
    row("MarginText", 224, 149, 48, 22);
    row("CodeTitle", 13, 44, 40, 16);
    row("Canvas1", 110, 41, 22, 22);
    row("Canvas5", 110, 149, 22, 22);
    row("CodeID", 13, 13, 80, 16);
    row("MagTitle", 134, 44, 86, 16);
    row("HeightTitle", 134, 80, 86, 16);
    row("GuardBarTitle", 134, 116, 86, 16);
    row("MarginTitle", 134, 152, 86, 16);
    row("MagScale", 276, 44, 26, 16);
    row("HeightScale", 276, 80, 26, 16);
    row("GuardBarScale", 276, 116, 26, 16);
    row("MarginScale", 276, 152, 26, 16);
    row("CodeCanvas", 13, 226, 312, 144);
    row("DrawButton", 261, 191, 60, 20);
    row("MagRaise", 308, 36, 16, 16);
    row("MagLower", 308, 51, 16, 16);
    row("HeightRaise", 308, 72, 16, 16);
    row("HeightLower", 308, 87, 16, 16);
    row("GuardBarRaise", 308, 108, 16, 16);
    row("GuardBarLower", 308, 123, 16, 16);
    row("MarginRaise", 308, 144, 16, 16);
    row("MarginLower", 308, 159, 16, 16);
}

void TestWindow::controlsStandAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QWidget* control = _f->child(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    QVERIFY(control->isVisible());
    QCOMPARE(control->font().pixelSize(), 12);
}

void TestWindow::widerWindowMovesTheRightColumn()
{
    QWidget* content = _f->window->centralWidget();
    QCOMPARE(content->size(), QSize(340, 390));
    QSignalSpy drawn(_f->window.get(), &Window1::codeDrawn);

    _f->window->resize(_f->window->width() + 100, _f->window->height() + 50);
    QTRY_COMPARE(content->width(), 440);
    QCOMPARE(_f->child("MagText")->geometry(), QRect(324, 41, 48, 22));
    QCOMPARE(_f->child("MarginLower")->geometry(), QRect(408, 159, 16, 16));
    QCOMPARE(_f->child("DrawButton")->geometry(), QRect(361, 191, 60, 20));
    QCOMPARE(_f->child("GuardBarTitle")->geometry(), QRect(234, 116, 86, 16));
    QCOMPARE(_f->child("CodeCanvas")->geometry(), QRect(13, 226, 412, 144));
    // The left column stays, and nothing moves down with the taller window.
    QCOMPARE(_f->child("DataEntry1")->geometry(), QRect(51, 41, 55, 22));
    QCOMPARE(_f->child("Canvas3")->geometry(), QRect(110, 95, 22, 22));
    QVERIFY(drawn.count() >= 1); // a resize redraws the code
}

void TestWindow::windowKeepsItsMinimumSize()
{
    QWidget* content = _f->window->centralWidget();
    _f->window->resize(100, 100);
    QCoreApplication::processEvents();
    QVERIFY(content->width() >= 340);
    QVERIFY(content->height() >= 390);
    QVERIFY(_f->window->minimumSizeHint().width() >= 340);
}

void TestWindow::tabVisitsTheEnabledFieldsInOrder()
{
    CodeModel model = _f->window->model();
    model.parts = {"1", "2", "3", "4", "5"};
    _f->window->setModel(model);

    _f->part(1)->setFocus();
    QTRY_VERIFY(_f->part(1)->hasFocus());
    const QStringList order{"DataEntry2", "DataEntry3",   "DataEntry4", "DataEntry5", "MagText",
                            "HeightText", "GuardBarText", "MarginText", "DataEntry1"};
    for (const QString& next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }

    // Disabled parts are passed over.
    _f->window->setModel(InitialModel(_f->globals));
    _f->part(1)->setFocus();
    QTest::keyClick(_f->part(1), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("MagText"));
}

void TestWindow::helpTextsAreToolTips()
{
    const QString disabledHelp =
        QStringLiteral("To enable this part, enter some data in the previous part and click 'Draw\".");
    QCOMPARE(_f->part(1)->toolTip(), QStringLiteral("Data entry, part 1."));
    QCOMPARE(_f->part(2)->toolTip(), disabledHelp);
    QCOMPARE(
        _f->field("GuardBarText")->toolTip(),
        QStringLiteral("'BWA' means Bar Width Adjustment.  Use it to make small changes to the thickness "
                       "of bars in the code."));
    QCOMPARE(_f->child("Canvas3")->toolTip(), QStringLiteral("Click here to select a colour for part 3."));
    QCOMPARE(
        _f->child("CodeCanvas")->toolTip(),
        QStringLiteral("Drag this area to your desktop to produce a 'Picture Clipping' of your barcode."));
    QVERIFY(_f->field("MagText")->toolTip().isEmpty());

    _f->typeAndDraw(1, QStringLiteral("7"));
    QCOMPARE(_f->part(2)->toolTip(), QStringLiteral("Data entry, part 2."));
    QCOMPARE(_f->part(3)->toolTip(), disabledHelp);
}

void TestWindow::typingKeepsTheEntryRule_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor"); // where the typing starts
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QStringList>("alerts");

    const QString digits = QStringLiteral("Numbers Only Please!");
    const QString max = QStringLiteral("65534 is the MAX!");
    QTest::newRow("digits pass") << "" << 0 << "1234"
                                 << "1234" << QStringList{};
    QTest::newRow("letter at the end") << "" << 0 << "12a"
                                       << "12" << QStringList{digits};
    QTest::newRow("largest part") << "" << 0 << "65534"
                                  << "65534" << QStringList{};
    QTest::newRow("one above the largest") << "" << 0 << "65535"
                                           << "6553" << QStringList{max};
    QTest::newRow("point then digit") << "" << 0 << "1.5"
                                      << "15" << QStringList{digits};
    QTest::newRow("letter in the middle") << "123" << 1 << "x"
                                          << "123" << QStringList{digits};
    QTest::newRow("digit in the middle too large") << "9999" << 2 << "9"
                                                   << "9999" << QStringList{max};
    QTest::newRow("leading zeros pass") << "" << 0 << "000123"
                                        << "000123" << QStringList{};
    QTest::newRow("space") << "" << 0 << "4 2"
                           << "42" << QStringList{digits};
}

void TestWindow::typingKeepsTheEntryRule()
{
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(QStringList, alerts);

    CodeModel model = _f->window->model();
    model.parts[0] = before.toStdString();
    _f->window->setModel(model);
    QLineEdit* entry = _f->part(1);
    entry->setFocus();
    entry->setCursorPosition(cursor);

    QSignalSpy alerted(_f->window.get(), &Window1::alerted);
    QStringList shown;
    for (QChar c : typed) {
        QTest::keyClicks(entry, QString(c));
        if (const QString message = _f->takeAlert(); !message.isEmpty()) shown << message;
    }
    QCOMPARE(entry->text(), after);
    QCOMPARE(QString::fromStdString(_f->window->model().parts[0]), after);
    QCOMPARE(shown, alerts);
    QCOMPARE(alerted.count(), alerts.size()); // one alert per refused keystroke, never a cascade
}

void TestWindow::everyPartHasTheSameMaximum()
{
    CodeModel model = _f->window->model();
    model.parts = {"1", "1", "1", "1", ""};
    _f->window->setModel(model);
    for (int k = 1; k <= PART_COUNT; ++k) {
        QLineEdit* entry = _f->part(k);
        QVERIFY2(entry->isEnabled(), qPrintable(entry->objectName()));
        entry->setFocus();
        entry->selectAll();
        QTest::keyClicks(entry, QStringLiteral("65534"));
        QCOMPARE(_f->takeAlert(), QString());
        QTest::keyClick(entry, Qt::Key_1);
        QCOMPARE(_f->takeAlert(), QStringLiteral("65534 is the MAX!"));
        QCOMPARE(entry->text(), QStringLiteral("65534"));
    }
}

void TestWindow::pasteIsRefusedWholeWithOneAlert_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("alert");
    QTest::newRow("digits") << "123"
                            << "7123"
                            << "";
    QTest::newRow("letters among digits") << "12a34b"
                                          << "7"
                                          << "Numbers Only Please!";
    QTest::newRow("too large") << "99999"
                               << "7"
                               << "65534 is the MAX!";
    QTest::newRow("letters and too large") << "9x99999"
                                           << "7"
                                           << "Numbers Only Please!";
}

void TestWindow::pasteIsRefusedWholeWithOneAlert()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, after);
    QFETCH(QString, alert);

    QTest::keyClicks(_f->part(1), QStringLiteral("7"));
    QGuiApplication::clipboard()->setText(clipboard);
    QSignalSpy alerted(_f->window.get(), &Window1::alerted);
    _f->part(1)->setFocus();
    _f->part(1)->end(false);
    QTest::keySequence(_f->part(1), QKeySequence::Paste);
    QCOMPARE(_f->part(1)->text(), after);
    QCOMPARE(alerted.count(), alert.isEmpty() ? 0 : 1);
    QCOMPARE(_f->takeAlert(), alert);
}

void TestWindow::textSetByTheProgramIsNotCheckedAgain()
{
    // A document may hold a part that breaks the rule: loading it shows it without an alert, and the next
    // drawing holds it to the rule.
    QSignalSpy alerted(_f->window.get(), &Window1::alerted);
    CodeModel model = _f->window->model();
    model.parts[0] = "12a4";
    _f->window->setModel(model);
    QCOMPARE(_f->part(1)->text(), QStringLiteral("12a4"));
    QCOMPARE(alerted.count(), 0);

    _f->window->DrawTheCode();
    QCOMPARE(_f->part(1)->text(), QString::fromStdString(ValidPart("12a4")));
    QCOMPARE(alerted.count(), 0);
}

void TestWindow::returnDrawsAndEnablesTheNextPart()
{
    QSignalSpy drawn(_f->window.get(), &Window1::codeDrawn);
    QVERIFY(!_f->part(2)->isEnabled());
    _f->typeAndDraw(1, QStringLiteral("3"));
    QCOMPARE(drawn.count(), 1);
    QVERIFY(_f->part(2)->isEnabled());
    QVERIFY(!_f->part(3)->isEnabled());

    _f->typeAndDraw(2, QStringLiteral("4"));
    QCOMPARE(drawn.count(), 2);
    QVERIFY(_f->part(3)->isEnabled());
    QCOMPARE(_f->window->model().parts[1], std::string("4"));
}

void TestWindow::returnInADimensionFieldDraws()
{
    QSignalSpy drawn(_f->window.get(), &Window1::codeDrawn);
    for (const char* name : {"MagText", "HeightText", "GuardBarText", "MarginText"}) {
        QLineEdit* field = _f->field(QString::fromLatin1(name));
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
    }
    QCOMPARE(drawn.count(), 4);
}

void TestWindow::emptyPartOneClearsTheOthersOnDraw()
{
    _f->typeAndDraw(1, QStringLiteral("3"));
    _f->typeAndDraw(2, QStringLiteral("4"));
    _f->typeAndDraw(3, QStringLiteral("5"));
    QVERIFY(_f->part(4)->isEnabled());

    QLineEdit* first = _f->part(1);
    first->setFocus();
    first->selectAll();
    QTest::keyClick(first, Qt::Key_Backspace);
    QCOMPARE(first->text(), QString());
    // Until the next drawing the other parts stay as they were.
    QCOMPARE(_f->part(3)->text(), QStringLiteral("5"));

    QTest::keyClick(first, Qt::Key_Return);
    for (int k = 2; k <= PART_COUNT; ++k) {
        QCOMPARE(_f->part(k)->text(), QString());
        QVERIFY(!_f->part(k)->isEnabled());
        QVERIFY(_f->window->model().parts[k - 1].empty());
    }
    QVERIFY(first->isEnabled());
}

void TestWindow::typingDoesNotRedraw()
{
    QSignalSpy drawn(_f->window.get(), &Window1::codeDrawn);
    QTest::keyClicks(_f->part(1), QStringLiteral("12"));
    QTest::keyClicks(_f->field("MagText"), QStringLiteral("5"));
    QCOMPARE(drawn.count(), 0);
}

void TestWindow::drawClampsAnOversizedMagnification()
{
    _f->typeAndDraw(1, QStringLiteral("65534"));
    QLineEdit* mag = _f->field("MagText");
    mag->setFocus();
    mag->selectAll();
    QTest::keyClicks(mag, QStringLiteral("999999999"));
    QTest::keyClick(mag, Qt::Key_Return);
    QCOMPARE(mag->text(), QStringLiteral("500"));
    QCOMPARE(_f->window->model().magText, std::string("500"));
    QVERIFY(_f->globals.theSurfacePic.has_value());
}

void TestWindow::colourPickRepaintsAndRedraws()
{
    _f->typeAndDraw(1, QStringLiteral("3"));
    _f->typeAndDraw(2, QStringLiteral("4"));
    _f->typeAndDraw(3, QStringLiteral("5"));
    QColor offered;
    QString prompt;
    Prompts prompts = UnexpectedPrompts();
    prompts.pickColour = [&](const QColor& initial, const QString& text) {
        offered = initial;
        prompt = text;
        return QColor(255, 0, 0);
    };
    _f->window->setPrompts(prompts);
    QSignalSpy drawn(_f->window.get(), &Window1::codeDrawn);

    auto* swatch = _f->child<ColourSwatch>("Canvas3");
    QTest::mouseClick(swatch, Qt::LeftButton, {}, QPoint(11, 11));
    QCOMPARE(prompt, QStringLiteral("Select a color:   Part 3"));
    QCOMPARE(offered, QColor(0, 0, 0));
    QCOMPARE(drawn.count(), 1);
    QCOMPARE(_f->window->model().colours[2], (Rgb{255, 0, 0}));
    const QImage painted = swatch->grab().toImage();
    QCOMPARE(painted.pixelColor(0, 0), QColor(255, 0, 0));
    QCOMPARE(painted.pixelColor(21, 21), QColor(255, 0, 0));

    // The red part is on screen: the code area holds red pixels now.
    const QImage code = _f->child("CodeCanvas")->grab().toImage();
    bool red = false;
    for (int x = 30; x < code.width() && !red; ++x)
        red = code.pixelColor(x, 30) == QColor(255, 0, 0);
    QVERIFY(red);

    QCOMPARE(_f->child<ColourSwatch>("Canvas2")->colour(), QColor(0, 0, 0));
}

void TestWindow::cancelledColourPickStillRedraws()
{
    Prompts prompts = UnexpectedPrompts();
    prompts.pickColour = [](const QColor&, const QString&) { return QColor(); };
    _f->window->setPrompts(prompts);
    QSignalSpy drawn(_f->window.get(), &Window1::codeDrawn);
    QTest::mouseClick(_f->child("Canvas1"), Qt::LeftButton);
    QCOMPARE(drawn.count(), 1);
    QCOMPARE(_f->window->model().colours[0], BLACK);
    QCOMPARE(_f->child<ColourSwatch>("Canvas1")->colour(), QColor(0, 0, 0));
}

namespace {

// `text` drawn as the code area draws its labels, on white, for comparison with the screen.
QImage ExpectedLabel(QSize size, QPoint baseline, const QString& text)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setFont(CodeLabelFont());
    painter.drawText(baseline, text);
    return image;
}

bool SameRegion(const QImage& a, const QImage& b, const QRect& region)
{
    return a.copy(region).convertToFormat(QImage::Format_RGB32) ==
           b.copy(region).convertToFormat(QImage::Format_RGB32);
}

bool IsBlack(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y) == QColor(0, 0, 0);
}
bool IsWhite(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y) == QColor(255, 255, 255);
}

} // namespace

void TestWindow::displayShowsTheCodeItsMarksAndLabels()
{
    _f->typeAndDraw(1, QStringLiteral("3"));
    auto* canvas = _f->child<CodeCanvas>("CodeCanvas");
    QVERIFY(canvas->frame());
    QCOMPARE(canvas->frame()->widthLabel, std::string("22.00"));
    QCOMPARE(canvas->frame()->heightLabel, std::string("10.00"));
    QVERIFY(_f->globals.theSurfacePic);
    QCOMPARE(_f->globals.theSurfacePic->width(), 62);
    QCOMPARE(_f->globals.theSurfacePic->height(), 28);

    const QImage shown = canvas->grab().toImage();
    // The code, 62 x 28 at (30, 20): white quiet zones, and its first bar, 28.2 points in and 1.4 wide,
    // darkens the columns 58 and 59 from the top row to the bottom one, every row alike.
    auto dark = [&](int x, int y) { return qGray(shown.pixel(x, y)) < 128; };
    for (int y = 20; y <= 47; ++y) {
        QVERIFY2(dark(58, y) && dark(59, y), qPrintable(QString::number(y)));
        QCOMPARE(shown.pixel(58, y), shown.pixel(58, 33));
        QVERIFY(IsWhite(shown, 31, y + 1) && IsWhite(shown, 57, y) && IsWhite(shown, 91, y + 1));
    }
    QVERIFY(IsWhite(shown, 58, 19));
    QVERIFY(IsWhite(shown, 58, 48));

    // Eight marks, each from its corner 3 pixels away from the code; the right ones start at x = 92 and the
    // lower ones at y = 48.
    const QList<QPoint> marks{{27, 20}, {28, 20}, {30, 17}, {30, 19}, {92, 20}, {95, 20}, {92, 17},
                              {27, 48}, {30, 48}, {30, 51}, {92, 48}, {95, 48}, {92, 51}};
    for (QPoint p : marks)
        QVERIFY2(IsBlack(shown, p.x(), p.y()), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    for (QPoint p : QList<QPoint>{{26, 20}, {96, 20}, {92, 16}, {93, 21}, {92, 52}, {96, 48}, {31, 17}})
        QVERIFY2(IsWhite(shown, p.x(), p.y()), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));

    // The labels, with the left end of their baselines at (3, 9), (34, 9) and (1, 32).
    QVERIFY(
        SameRegion(shown, ExpectedLabel(shown.size(), {3, 9}, QStringLiteral("mm")), QRect(0, 0, 27, 12)));
    QVERIFY(SameRegion(shown, ExpectedLabel(shown.size(), {34, 9}, QStringLiteral("22.00")),
                       QRect(33, 0, 60, 12)));
    QVERIFY(SameRegion(shown, ExpectedLabel(shown.size(), {1, 32}, QStringLiteral("10.00")),
                       QRect(0, 22, 27, 13)));
    QVERIFY(!SameRegion(shown, ExpectedLabel(shown.size(), {34, 9}, QStringLiteral("22.01")),
                        QRect(33, 0, 60, 12)));
}

void TestWindow::displayWithoutPartsShowsTheQuietZones()
{
    QTest::mouseClick(_f->child("DrawButton"), Qt::LeftButton);
    auto* canvas = _f->child<CodeCanvas>("CodeCanvas");
    QCOMPARE(canvas->frame()->widthLabel, std::string("20.00"));
    QCOMPARE(canvas->frame()->heightLabel, std::string("10.00"));
    const QImage shown = canvas->grab().toImage();
    QVERIFY(IsBlack(shown, 86, 20)); // right marks at 30 + 56
    QVERIFY(IsWhite(shown, 58, 30)); // no bars
}

void TestWindow::codeAreaKeepsItsDrawing()
{
    _f->typeAndDraw(1, QStringLiteral("1234"));
    QWidget* canvas = _f->child("CodeCanvas");
    const QImage before = canvas->grab().toImage();
    canvas->hide();
    canvas->show();
    canvas->repaint();
    QCOMPARE(canvas->grab().toImage(), before);
}

void TestWindow::clickInCodeAreaDoesNothing()
{
    _f->typeAndDraw(1, QStringLiteral("12"));
    const CodeModel model = _f->window->model();
    QSignalSpy drawn(_f->window.get(), &Window1::codeDrawn);
    QTest::mouseClick(_f->child("CodeCanvas"), Qt::LeftButton, {}, QPoint(50, 30));
    QCOMPARE(drawn.count(), 0);
    QCOMPARE(_f->window->model(), model);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
