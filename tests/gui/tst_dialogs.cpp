// The alert window and the About window.

#include "eps/ps_standard.h"
#include "ui/about_window.h"
#include "ui/alert_window.h"
#include "ui/maker.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

using namespace quillmark;

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void alertShowsItsMessageWithAClosingButton();
    void alertDrawsTheCautionIconOverTheLogo();
    void alertClosesOnReturn();

    void aboutShowsNameVersionAndContact();
    void aboutSwitchesTheContactTextOnce();
    void aboutClosedEarlyNeverShowsTheSecondText();
    void aboutClosesOnAClick();
    void aboutLetteringIsBlackRedAndGrey();
};

void TestDialogs::alertShowsItsMessageWithAClosingButton()
{
    QWidget parent;
    parent.show();
    AlertWindow alert(&parent);
    alert.setMessage(QStringLiteral("Numbers Only Please!"));
    alert.open();
    QVERIFY(QTest::qWaitForWindowExposed(&alert));
    QCOMPARE(alert.size(), QSize(400, 150));
    QCOMPARE(alert.windowModality(), Qt::WindowModal);
    auto* text = alert.findChild<QLabel*>("ErrorTextField");
    QCOMPARE(text->text(), QStringLiteral("Numbers Only Please!"));
    QCOMPARE(text->geometry(), QRect(113, 14, 267, 80));
    auto* button = alert.findChild<QPushButton*>("PushButton1");
    QCOMPARE(button->text(), QStringLiteral("Close"));
    QCOMPARE(button->geometry(), QRect(311, 110, 69, 20));
    QVERIFY(button->isDefault());
    QCOMPARE(alert.findChild<QWidget*>("Canvas1")->geometry(), QRect(25, 14, 64, 64));

    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!alert.isVisible());
}

void TestDialogs::alertDrawsTheCautionIconOverTheLogo()
{
    AlertWindow alert;
    alert.show();
    QVERIFY(QTest::qWaitForWindowExposed(&alert));
    QWidget* canvas = alert.findChild<QWidget*>("Canvas1");
    const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_ARGB32);

    // What the canvas must show: the logo, then the caution icon at (8, 0).
    const QImage logo(QStringLiteral(":/quillmark/logo.png"));
    QVERIFY(!logo.isNull());
    QCOMPARE(logo.size(), QSize(64, 64));
    QImage expected(64, 64, QImage::Format_ARGB32);
    expected.fill(alert.palette().color(QPalette::Window));
    {
        QPainter painter(&expected);
        painter.drawImage(0, 0, logo);
        painter.drawPixmap(8, 0, canvas->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    }
    QCOMPARE(shown, expected);
    QVERIFY(shown.copy(8, 0, 32, 32) != logo.copy(8, 0, 32, 32).convertToFormat(QImage::Format_ARGB32));
}

void TestDialogs::alertClosesOnReturn()
{
    AlertWindow alert;
    alert.open();
    QVERIFY(QTest::qWaitForWindowExposed(&alert));
    QSignalSpy accepted(&alert, &QDialog::accepted);
    QTest::keyClick(&alert, Qt::Key_Return);
    QCOMPARE(accepted.count(), 1);
    QVERIFY(!alert.isVisible());
}

void TestDialogs::aboutShowsNameVersionAndContact()
{
    AboutWindow about;
    about.open();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.size(), QSize(480, 220));
    QCOMPARE(about.windowTitle(), QStringLiteral("About Quillmark"));
    QCOMPARE(about.versionText(), QStringLiteral("Version: ") + QString::fromUtf8(SetVersion()));
    QCOMPARE(about.versionText(), QStringLiteral("Version: 2.0.2"));
    QCOMPARE(about.contactText(), FirstContactText());
    QCOMPARE(about.findChild<QLabel*>("VersionText")->geometry(), QRect(361, 38, 106, 22));
    QCOMPARE(about.findChild<QLabel*>("ContactField")->geometry(), QRect(13, 75, 454, 125));
    QCOMPARE(about.findChild<QWidget*>("Canvas1")->geometry(), QRect(13, 13, 336, 50));
    QVERIFY(about.contactTimer()->isActive());
    QVERIFY(about.contactTimer()->isSingleShot());
    QCOMPARE(about.contactTimer()->interval(), 10000);
    QVERIFY(FirstContactText() != SecondContactText());
}

void TestDialogs::aboutSwitchesTheContactTextOnce()
{
    AboutWindow about;
    about.open();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    about.contactTimer()->setInterval(50); // restarts it: the ten seconds, shortened
    QTest::qWait(20);
    QCOMPARE(about.contactText(), FirstContactText());
    QTRY_COMPARE(about.contactText(), SecondContactText());
    QVERIFY(!about.contactTimer()->isActive());
    QTest::qWait(150);
    QCOMPARE(about.contactText(), SecondContactText()); // the first does not come back
}

void TestDialogs::aboutClosedEarlyNeverShowsTheSecondText()
{
    AboutWindow about;
    about.open();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    about.contactTimer()->setInterval(100);
    about.close();
    QVERIFY(!about.contactTimer()->isActive());
    QTest::qWait(200);
    QCOMPARE(about.contactText(), FirstContactText());

    AboutWindow again;
    QCOMPARE(again.contactText(), FirstContactText());
}

void TestDialogs::aboutClosesOnAClick()
{
    AboutWindow about;
    about.open();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(420, 190));
    QVERIFY(!about.isVisible());
    QVERIFY(!about.contactTimer()->isActive());

    // A click on the contact text reaches the window too.
    AboutWindow second;
    second.open();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    QTest::mouseClick(second.findChild<QLabel*>("ContactField"), Qt::LeftButton);
    QVERIFY(!second.isVisible());
}

void TestDialogs::aboutLetteringIsBlackRedAndGrey()
{
    AboutWindow about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QImage lettering = about.findChild<QWidget*>("Canvas1")->grab().toImage();
    int black = 0, red = 0, grey = 0;
    for (int y = 0; y < lettering.height(); ++y)
        for (int x = 0; x < lettering.width(); ++x) {
            const QColor c = lettering.pixelColor(x, y);
            black += c == QColor(0, 0, 0);
            red += c == QColor(255, 0, 0);
            grey += c == QColor(127, 127, 127);
        }
    QVERIFY(black > 200);
    QVERIFY(red > 50);
    QVERIFY(grey > 20); // the shadow shows left of and below the black letters
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
