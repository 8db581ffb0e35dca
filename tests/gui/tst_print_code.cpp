// Printing: the code at (50, 50) points at its printed size, and the picture adapters behind it.

#include "document_fixtures.h"
#include "documents/picture_image.h"
#include "documents/printing.h"
#include "render/picture.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <utility>

using namespace quillmark;
using namespace quillmark::fixtures;

namespace {

const QColor PAGE(200, 0, 200); // no code prints in it, so the code's white quiet zones show on it

// The page as a 72 dpi image: one pixel is one point.
QImage Page(int dotsPerInch = 72)
{
    QImage page(612 * dotsPerInch / 72, 792 * dotsPerInch / 72, QImage::Format_RGB32);
    page.fill(PAGE);
    page.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    page.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    return page;
}

QImage Print(CodeModel model, Globals& globals, int dotsPerInch = 72)
{
    QImage page = Page(dotsPerInch);
    QPainter painter(&page);
    painter.scale(dotsPerInch / 72.0, dotsPerInch / 72.0);
    PrintCode(painter, model, globals);
    painter.end();
    return page;
}

// The smallest rectangle holding every pixel that is not the page's colour.
QRect Printed(const QImage& page)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x)
            if (line[x] != PAGE.rgb()) box |= QRect(x, y, 1, 1);
    }
    return box;
}

} // namespace

Q_DECLARE_METATYPE(quillmark::CodeModel)

class tst_PrintCode : public QObject {
    Q_OBJECT

private slots:
    void printedSize_data();
    void printedSize();
    void downscaleAverages();
    void printerResolutionKeepsEdgesSharp();
    void nothingToPrint();
    void toQImage();
    void rowImage();
};

void tst_PrintCode::printedSize_data()
{
    QTest::addColumn<CodeModel>("model");
    QTest::addColumn<QSize>("sizePt");

    // 311.81 x 141.73 pixels at five per point.
    QTest::newRow("3 in black") << MakeModel({{"3"}}) << QSize(62, 28);
    // One colour-change gap of a narrow bar: 75.12 points wide.
    QTest::newRow("3 black, 4 red") << MakeModel({{"3"}, {"4", {255, 0, 0}}}) << QSize(75, 28);
    QTest::newRow("3 and 4, both black") << MakeModel({{"3"}, {"4"}}) << QSize(73, 28);
    CodeModel large = MakeModel({{"3"}});
    large.magText = "200";
    large.heightText = "20";
    // Two narrow bars and a gap, 4 modules magnified to 8, and two quiet zones of 10 mm (40 modules, not
    // magnified): 48 x 1.417 = 68.03 points wide; 20 mm = 56.69 points high.
    QTest::newRow("magnification 200, height 20") << large << QSize(68, 56);
}

void tst_PrintCode::printedSize()
{
    QFETCH(CodeModel, model);
    QFETCH(QSize, sizePt);

    CodeModel defaults;
    Globals globals;
    SetInitialState(defaults, globals);
    const QImage page = Print(model, globals);
    QCOMPARE(Printed(page), QRect(QPoint(PRINT_LEFT_PT, PRINT_TOP_PT), sizePt));
    QCOMPARE(QPoint(PRINT_LEFT_PT, PRINT_TOP_PT), QPoint(50, 50));
    // The rendering behind the printout is the one at five pixels per point, left in the shared values.
    QCOMPARE(int(globals.theCodeWidth / 5), sizePt.width());
    QCOMPARE(int(globals.theHeight / 5), sizePt.height());
}

void tst_PrintCode::downscaleAverages()
{
    // At five pixels per point the two bars of 3 cover the pixels [141, 148) and [162, 169) of a rendering
    // 311 pixels wide, drawn into 62 points. Each page pixel x covers [x * r, (x + 1) * r) with r = 311 / 62
    // and is as dark as the share of bar in it.
    CodeModel defaults;
    Globals globals;
    SetInitialState(defaults, globals);
    const QImage page = Print(MakeModel({{"3"}}), globals);

    const double r = 311.0 / 62;
    auto barShare = [r](int x) {
        double covered = 0;
        for (const auto& [left, right] : {std::pair{141.0, 148.0}, {162.0, 169.0}})
            covered += std::max(0.0, std::min(right, (x + 1) * r) - std::max(left, x * r));
        return covered / r;
    };
    for (int row = 50; row < 50 + 28; ++row) {
        for (int x = 0; x < 62; ++x) {
            const int expected = qRound(255 * (1 - barShare(x)));
            const QRgb pixel = page.pixel(50 + x, row);
            QVERIFY2(qAbs(qRed(pixel) - expected) <= 3 && qRed(pixel) == qGreen(pixel) &&
                         qRed(pixel) == qBlue(pixel),
                     qPrintable(QStringLiteral("x %1: %2, not %3").arg(x).arg(qRed(pixel)).arg(expected)));
        }
    }
    // Grey, not black: the page pixels partly covered by a bar.
    QVERIFY(qRed(page.pixel(50 + 28, 60)) > 0 && qRed(page.pixel(50 + 29, 60)) < 255);
}

void tst_PrintCode::printerResolutionKeepsEdgesSharp()
{
    // At 720 dpi the page has ten pixels per point, more than the rendering's five: the box lands at
    // (500, 500), 620 x 280, and every bar pixel is pure black or white, as the rendering's pixels are.
    CodeModel defaults;
    Globals globals;
    SetInitialState(defaults, globals);
    const QImage page = Print(MakeModel({{"3"}}), globals, 720);
    QCOMPARE(Printed(page), QRect(500, 500, 620, 280));
    int black = 0;
    for (int x = 500; x < 1120; ++x) {
        const QRgb pixel = page.pixel(x, 600);
        QVERIFY(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255));
        black += pixel == qRgb(0, 0, 0);
    }
    // Two bars of 7 rendering pixels, each about two page pixels wide (311 pixels spread over 620).
    QVERIFY2(qAbs(black - 2 * 7 * 2) <= 2, qPrintable(QString::number(black)));
}

void tst_PrintCode::nothingToPrint()
{
    // No part and no dimensions, as after opening a document without settings: no picture, nothing drawn.
    Globals globals;
    CodeModel start;
    SetInitialState(start, globals);
    const QImage page = Print(CodeModel{}, globals);
    QVERIFY(Printed(page).isNull());
}

void tst_PrintCode::toQImage()
{
    Picture picture(5, 3);
    picture.fillColumns(1, 2, Pixel::FromRgb({255, 0, 0}));
    picture.fillColumns(4, 1, Pixel::FromRgb({0, 0, 0}));
    const QImage image = ToQImage(picture);
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(5, 3));
    const QRgb expected[5] = {qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(255, 0, 0), qRgb(255, 255, 255),
                              qRgb(0, 0, 0)};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            QCOMPARE(image.pixel(x, y), expected[x]);
    // 5 bits a channel: 8 widens to 8 + 8 / 32 = 8, 200 to 200 + 200 / 32 = 206 (top bits repeated).
    Picture odd(1, 1);
    odd.fillColumns(0, 1, Pixel::FromRgb({8, 200, 255}));
    QCOMPARE(ToQImage(odd).pixel(0, 0), qRgb(8, 206, 255));
    QVERIFY(ToQImage(Picture(0, 0)).isNull());
}

void tst_PrintCode::rowImage()
{
    Picture picture(4, 700);
    picture.fillColumns(2, 1, Pixel::FromRgb({0, 0, 255}));
    const QImage row = RowImage(picture);
    QCOMPARE(row.format(), QImage::Format_RGB32);
    QCOMPARE(row.size(), QSize(4, 1));
    QCOMPARE(row.pixel(1, 0), qRgb(255, 255, 255));
    QCOMPARE(row.pixel(2, 0), qRgb(0, 0, 255));
    QVERIFY(RowImage(Picture(3, 0)).isNull());
}

QTEST_GUILESS_MAIN(tst_PrintCode)
#include "tst_print_code.moc"
