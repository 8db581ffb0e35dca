// The spinner arrows: their pictures, a step on press, repeats while held, the redraw on release, and the
// clamp when a dimension field loses the focus.

#include "ui_test_support.h"

#include "ui/arrow_button.h"
#include "ui/arrow_pictures.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace quillmark;
using namespace quillmark::uitest;

using PictureFunction = std::function<QImage()>;
Q_DECLARE_METATYPE(PictureFunction)

class TestSpinners : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void arrowPictures_data();
    void arrowPictures();
    void arrowShowsItsPressedPictureWhileHeld();

    void pressStepsOnce_data();
    void pressStepsOnce();
    void holdingRepeatsEvery100ms();
    void holdingStopsAtTheLimit_data();
    void holdingStopsAtTheLimit();
    void releaseOutsideTheArrowStillRedraws();

    void focusLossClamps_data();
    void focusLossClamps();
    void pressClearsTheFocusAndClampsTheField();

private:
    std::unique_ptr<WindowFixture> _f;
};

void TestSpinners::init()
{
    _f = std::make_unique<WindowFixture>();
    QVERIFY(_f->showActive());
}

void TestSpinners::cleanup()
{
    _f.reset();
}

void TestSpinners::arrowPictures_data()
{
    // '#' black, 'w' white 255, 'l' light 223, 'g' grey 191, 'm' mid 127, 'd' dark 63, worked out by hand
    // from the fills of each picture.
    QTest::addColumn<PictureFunction>("draw");
    QTest::addColumn<QStringList>("rows");
    const QString frame(16, QLatin1Char('#'));
    QTest::newRow("DrawRaiseUp") << PictureFunction(DrawRaiseUp)
                                 << QStringList{frame,
                                                "#wwwwwwwwwwwwwl#",
                                                "#wllllllllllllg#",
                                                "#wllllllllllllg#",
                                                "#wllllllllllllg#",
                                                "#wllllllllllllg#",
                                                "#wlllll##lllllg#",
                                                "#wllll####llllg#",
                                                "#wlll######lllg#",
                                                "#wll########llg#",
                                                "#wllllllllllllg#",
                                                "#wllllllllllllg#",
                                                "#wllllllllllllg#",
                                                "#wllllllllllllg#",
                                                "#lggggggggggggg#",
                                                frame};
    QTest::newRow("DrawRaiseDown") << PictureFunction(DrawRaiseDown)
                                   << QStringList{frame,
                                                  "#dddddddddddddm#",
                                                  "#dmmmmmmmmmmmmg#",
                                                  "#dmmmmmmmmmmmmg#",
                                                  "#dmmmmmmmmmmmmg#",
                                                  "#dmmmmmmmmmmmmg#",
                                                  "#dmmmmm##mmmmmg#",
                                                  "#dmmmm####mmmmg#",
                                                  "#dmmm######mmmg#",
                                                  "#dmm########mmg#",
                                                  "#dmmmmmmmmmmmmg#",
                                                  "#dmmmmmmmmmmmmg#",
                                                  "#dmmmmmmmmmmmmg#",
                                                  "#dmmmmmmmmmmmmg#",
                                                  "#mggggggggggggg#",
                                                  frame};
    QTest::newRow("DrawLowerUp") << PictureFunction(DrawLowerUp)
                                 << QStringList{frame,
                                                "#wwwwwwwwwwwwwl#",
                                                "#wllllllllllllg#",
                                                "#wllllllllllllg#",
                                                "#wllllllllllllg#",
                                                "#wllllllllllllg#",
                                                "#wll########llg#",
                                                "#wlll######lllg#",
                                                "#wllll####llllg#",
                                                "#wlllll##lllllg#",
                                                "#wllllllllllllg#",
                                                "#wllllllllllllg#",
                                                "#wllllllllllllg#",
                                                "#wllllllllllllg#",
                                                "#lggggggggggggg#",
                                                frame};
    QTest::newRow("DrawLowerDown") << PictureFunction(DrawLowerDown)
                                   << QStringList{frame,
                                                  "#dddddddddddddm#",
                                                  "#dmmmmmmmmmmmmg#",
                                                  "#dmmmmmmmmmmmmg#",
                                                  "#dmmmmmmmmmmmmg#",
                                                  "#dmmmmmmmmmmmmg#",
                                                  "#dmm########mmg#",
                                                  "#dmmm######mmmg#",
                                                  "#dmmmm####mmmmg#",
                                                  "#dmmmmm##mmmmmg#",
                                                  "#dmmmmmmmmmmmmg#",
                                                  "#dmmmmmmmmmmmmg#",
                                                  "#dmmmmmmmmmmmmg#",
                                                  "#dmmmmmmmmmmmmg#",
                                                  "#mggggggggggggg#",
                                                  frame};
}

void TestSpinners::arrowPictures()
{
    QFETCH(PictureFunction, draw);
    QFETCH(QStringList, rows);
    const QHash<QChar, int> levels{{'#', 0}, {'w', 255}, {'l', 223}, {'g', 191}, {'m', 127}, {'d', 63}};
    const QImage picture = draw();
    QCOMPARE(picture.size(), QSize(16, 16));
    QCOMPARE(rows.size(), 16);
    for (int y = 0; y < 16; ++y) {
        QString seen;
        for (int x = 0; x < 16; ++x) {
            const QColor c = picture.pixelColor(x, y);
            seen += c.red() == c.green() && c.green() == c.blue() ? levels.key(c.red(), QLatin1Char('?'))
                                                                  : QLatin1Char('?');
        }
        QCOMPARE(seen, rows[y]);
    }
}

void TestSpinners::arrowShowsItsPressedPictureWhileHeld()
{
    auto* raise = _f->child<ArrowButton>("MagRaise");
    auto* lower = _f->child<ArrowButton>("MagLower");
    QCOMPARE(raise->grab().toImage().convertToFormat(QImage::Format_RGB32), DrawRaiseUp());
    QCOMPARE(lower->grab().toImage().convertToFormat(QImage::Format_RGB32), DrawLowerUp());

    QTest::mousePress(lower, Qt::LeftButton);
    QCOMPARE(lower->grab().toImage().convertToFormat(QImage::Format_RGB32), DrawLowerDown());
    QTest::mouseRelease(lower, Qt::LeftButton);
    QCOMPARE(lower->grab().toImage().convertToFormat(QImage::Format_RGB32), DrawLowerUp());

    QTest::mousePress(raise, Qt::LeftButton);
    QCOMPARE(raise->grab().toImage().convertToFormat(QImage::Format_RGB32), DrawRaiseDown());
    QTest::mouseRelease(raise, Qt::LeftButton);
}

void TestSpinners::pressStepsOnce_data()
{
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    auto row = [](const char* name, const char* arrow, const char* before, const char* after) {
        QTest::newRow(name) << QString::fromLatin1(arrow) << QString::fromLatin1(before)
                            << QString::fromLatin1(after);
    };
    row("height up", "HeightRaise", "10", "15");
    row("height down", "HeightLower", "10", "5");
    row("mag up", "MagRaise", "100", "105");
    row("mag down", "MagLower", "100", "95");
    row("height up from 7", "HeightRaise", "7", "10");
    row("height down from 7", "HeightLower", "7", "5");
    row("mag down from 7", "MagLower", "7", "50");
    row("mag at the top", "MagRaise", "500", "500");
    row("bwa up", "GuardBarRaise", "0", "5");
    row("bwa down", "GuardBarLower", "0", "-5");
    row("bwa at the bottom", "GuardBarLower", "-100", "-100");
    row("bwa up from 4.99", "GuardBarRaise", "4.99", "10");
    row("height up from 4.99", "HeightRaise", "4.99", "5");
    row("margin up", "MarginRaise", "10", "11");
    row("margin down", "MarginLower", "10", "9");
    row("height up from letters", "HeightRaise", "abc", "5");
}

void TestSpinners::pressStepsOnce()
{
    QFETCH(QString, arrow);
    QFETCH(QString, before);
    QFETCH(QString, after);
    const QString dimension = arrow.left(arrow.size() - 5); // without "Raise" or "Lower"
    QLineEdit* field = _f->field(dimension + QStringLiteral("Text"));
    field->setText(before);
    auto* button = _f->child<ArrowButton>(arrow);
    QSignalSpy drawn(_f->window.get(), &Window1::codeDrawn);

    QTest::mousePress(button, Qt::LeftButton);
    QCOMPARE(field->text(), after);
    QVERIFY(button->isHeld());
    QVERIFY(button->repeatTimer()->isActive());
    QCOMPARE(button->repeatTimer()->interval(), 100);
    QCOMPARE(drawn.count(), 0); // steps do not redraw

    QTest::mouseRelease(button, Qt::LeftButton);
    QVERIFY(!button->repeatTimer()->isActive());
    QCOMPARE(drawn.count(), 1);
    QCOMPARE(field->text(), after); // a short click makes exactly one step
}

void TestSpinners::holdingRepeatsEvery100ms()
{
    auto* raise = _f->child<ArrowButton>("MagRaise");
    QLineEdit* mag = _f->field("MagText");
    QSignalSpy repeats(raise, &ArrowButton::repeated);
    QSignalSpy drawn(_f->window.get(), &Window1::codeDrawn);
    QElapsedTimer held;
    held.start();
    QTest::mousePress(raise, Qt::LeftButton);
    QCOMPARE(mag->text(), QStringLiteral("105"));
    QTest::qWait(1000);
    QTest::mouseRelease(raise, Qt::LeftButton);
    const qint64 heldMs = held.elapsed();

    // About ten repeats in a second; a busy machine may deliver a few fewer, never more than the time allows.
    QVERIFY2(repeats.count() >= 5 && repeats.count() <= heldMs / 100,
             qPrintable(QString::number(repeats.count())));
    QCOMPARE(mag->text(), QString::number(105 + 5 * repeats.count()));
    QCOMPARE(drawn.count(), 1);

    QTest::qWait(250);
    QCOMPARE(mag->text(), QString::number(105 + 5 * repeats.count())); // stopped on release
}

void TestSpinners::holdingStopsAtTheLimit_data()
{
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("limit");
    QTest::newRow("mag up") << "MagRaise"
                            << "490"
                            << "500";
    QTest::newRow("bwa down") << "GuardBarLower"
                              << "-90"
                              << "-100";
    QTest::newRow("margin down") << "MarginLower"
                                 << "7"
                                 << "5";
}

void TestSpinners::holdingStopsAtTheLimit()
{
    QFETCH(QString, arrow);
    QFETCH(QString, before);
    QFETCH(QString, limit);
    const QString dimension = arrow.left(arrow.size() - 5);
    QLineEdit* field = _f->field(dimension + QStringLiteral("Text"));
    field->setText(before);
    auto* button = _f->child<ArrowButton>(arrow);
    QSignalSpy repeats(button, &ArrowButton::repeated);
    QTest::mousePress(button, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(repeats.count() >= 5, 3000);
    QTest::mouseRelease(button, Qt::LeftButton);
    QCOMPARE(field->text(), limit);
}

void TestSpinners::releaseOutsideTheArrowStillRedraws()
{
    auto* lower = _f->child<ArrowButton>("HeightLower");
    QSignalSpy drawn(_f->window.get(), &Window1::codeDrawn);
    QTest::mousePress(lower, Qt::LeftButton);
    QTest::mouseRelease(lower, Qt::LeftButton, {}, QPoint(-120, 200));
    QVERIFY(!lower->isHeld());
    QVERIFY(!lower->repeatTimer()->isActive());
    QCOMPARE(drawn.count(), 1);
    QCOMPARE(lower->grab().toImage().convertToFormat(QImage::Format_RGB32), DrawLowerUp());
}

void TestSpinners::focusLossClamps_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::newRow("margin above") << "MarginText"
                                  << "50"
                                  << "30";
    QTest::newRow("margin below") << "MarginText"
                                  << "2"
                                  << "5";
    QTest::newRow("margin not on a step") << "MarginText"
                                          << "7.3"
                                          << "7.3";
    QTest::newRow("margin empty") << "MarginText"
                                  << ""
                                  << "5";
    QTest::newRow("mag above") << "MagText"
                               << "1000"
                               << "500";
    QTest::newRow("bwa below") << "GuardBarText"
                               << "-250"
                               << "-100";
    QTest::newRow("height within") << "HeightText"
                                   << "42"
                                   << "42";
}

void TestSpinners::focusLossClamps()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QLineEdit* edit = _f->field(field);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), typed);
    QSignalSpy drawn(_f->window.get(), &Window1::codeDrawn);
    _f->part(1)->setFocus(); // the focus moves on
    QTRY_COMPARE(edit->text(), after);
    QCOMPARE(drawn.count(), 0); // the clamp does not redraw
}

void TestSpinners::pressClearsTheFocusAndClampsTheField()
{
    QLineEdit* margin = _f->field("MarginText");
    margin->setFocus();
    QTRY_VERIFY(margin->hasFocus());
    margin->selectAll();
    QTest::keyClicks(margin, QStringLiteral("50"));
    QTest::mousePress(_f->child("HeightRaise"), Qt::LeftButton);
    QCOMPARE(margin->text(), QStringLiteral("30"));
    QVERIFY(!margin->hasFocus());
    QVERIFY(!qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    QCOMPARE(_f->field("HeightText")->text(), QStringLiteral("15"));
    QTest::mouseRelease(_f->child("HeightRaise"), Qt::LeftButton);
}

QTEST_MAIN(TestSpinners)
#include "tst_spinners.moc"
