// The main window's file commands: Save As, Open and Print, with the dialogs answered by the test.

#include "ui_test_support.h"

#include "preview/dos_eps.h"
#include "ui/code_canvas.h"
#include "ui/colour_swatch.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace quillmark;
using namespace quillmark::uitest;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The ImageWidth of the TIFF preview of a document.
int PreviewWidth(const QByteArray& document)
{
    const auto sections = SplitDosEps(std::string_view(document.constData(), std::size_t(document.size())));
    if (!sections || sections->tiff.size() < 10) return -1;
    const auto u16 = [&](std::size_t at) {
        return int(static_cast<unsigned char>(sections->tiff[at])) << 8 |
               static_cast<unsigned char>(sections->tiff[at + 1]);
    };
    const int entries = u16(8);
    for (int i = 0; i < entries; ++i) {
        const std::size_t entry = 10 + std::size_t(i) * 12;
        if (u16(entry) == 256) // ImageWidth, a SHORT or a LONG in the big-endian value field
            return u16(entry + 2) == 3 ? u16(entry + 8) : (u16(entry + 8) << 16 | u16(entry + 10));
    }
    return -1;
}

// Writes fail beyond `bytes` for this process while it lives, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &_saved);
        _oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = _saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &_saved);
        std::signal(SIGXFSZ, _oldHandler);
    }

private:
    rlimit _saved{};
    void (*_oldHandler)(int);
};

} // namespace

class TestWindowFiles : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveProposesTheNumberText_data();
    void saveProposesTheNumberText();
    void saveThenOpenRestoresEveryFieldAndColour();
    void saveDrawsTheFieldsAsTheyAreNow();
    void cancelledSaveWritesNothing();
    void failedSaveKeepsTheOldFileAndSaysSo();
    void saveIntoAFolderPathSaysSo();
    void openOfANonDocumentChangesNothing_data();
    void openOfANonDocumentChangesNothing();
    void cancelledOpenRedraws();
    void loadedValuesAreClampedWhenDrawn();
    void printPutsTheCodeAt50PointsAtItsPrintedSize();
    void cancelledPrintWritesNothing();

private:
    void answerSave(const QString& path, QString* proposed = nullptr);
    CodeModel sampleModel() const;

    std::unique_ptr<WindowFixture> _f;
    std::unique_ptr<QTemporaryDir> _dir;
};

void TestWindowFiles::init()
{
    _f = std::make_unique<WindowFixture>();
    _dir = std::make_unique<QTemporaryDir>();
    QVERIFY(_dir->isValid());
    QVERIFY(_f->showActive());
}

void TestWindowFiles::cleanup()
{
    _f->takeAlert();
    _f.reset();
    _dir.reset();
}

void TestWindowFiles::answerSave(const QString& path, QString* proposed)
{
    Prompts prompts = UnexpectedPrompts();
    prompts.saveFileName = [path, proposed](const QString& name) {
        if (proposed) *proposed = name;
        return path;
    };
    _f->window->setPrompts(prompts);
}

CodeModel TestWindowFiles::sampleModel() const
{
    CodeModel model = _f->window->model();
    model.parts = {"3", "1234", "65534", "0", "017"};
    model.colours = {Rgb{255, 0, 0}, Rgb{0, 128, 0}, Rgb{0, 0, 255}, Rgb{12, 34, 56}, Rgb{250, 200, 10}};
    model.magText = "150";
    model.heightText = "20";
    model.guardBarText = "-15";
    model.marginText = "12";
    return model;
}

void TestWindowFiles::saveProposesTheNumberText_data()
{
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("two parts") << QStringList{"12", "345"} << "QlMk,12-345.eps";
    QTest::newRow("one part") << QStringList{"7"} << "QlMk,7.eps";
    QTest::newRow("leading zeros kept") << QStringList{"007", "0"} << "QlMk,007-0.eps";
}

void TestWindowFiles::saveProposesTheNumberText()
{
    QFETCH(QStringList, parts);
    QFETCH(QString, proposed);
    for (int k = 0; k < parts.size(); ++k)
        _f->typeAndDraw(k + 1, parts[k]);
    QString offered;
    answerSave(QString(), &offered); // cancelled
    QVERIFY(!_f->window->saveAs());
    QCOMPARE(offered, proposed);
}

void TestWindowFiles::saveThenOpenRestoresEveryFieldAndColour()
{
    const CodeModel saved = sampleModel();
    _f->window->setModel(saved);
    const QString path = _dir->filePath(QStringLiteral("QlMk,sample.eps"));
    answerSave(path);
    QVERIFY(_f->window->saveAs());
    QCOMPARE(_f->takeAlert(), QString());
    const QByteArray bytes = ReadAll(path);
    QVERIFY(bytes.startsWith("\xC5\xD0\xD3\xC6")); // a DOS EPS file, not bare PostScript

    _f->window->setModel(InitialModel(_f->globals));
    _f->window->DrawTheCode();
    Prompts prompts = UnexpectedPrompts();
    prompts.openFileName = [path] { return path; };
    _f->window->setPrompts(prompts);
    QSignalSpy drawn(_f->window.get(), &Window1::codeDrawn);
    _f->window->open();

    QCOMPARE(drawn.count(), 1);
    QCOMPARE(_f->window->model(), saved);
    for (int k = 0; k < PART_COUNT; ++k) {
        QCOMPARE(_f->part(k + 1)->text(), QString::fromStdString(saved.parts[k]));
        QVERIFY(_f->part(k + 1)->isEnabled());
        QCOMPARE(_f->child<ColourSwatch>(QStringLiteral("Canvas%1").arg(k + 1))->colour(),
                 ToQColor(saved.colours[k]));
    }
    QCOMPARE(_f->field("MagText")->text(), QStringLiteral("150"));
    QCOMPARE(_f->field("HeightText")->text(), QStringLiteral("20"));
    QCOMPARE(_f->field("GuardBarText")->text(), QStringLiteral("-15"));
    QCOMPARE(_f->field("MarginText")->text(), QStringLiteral("12"));
}

void TestWindowFiles::saveDrawsTheFieldsAsTheyAreNow()
{
    // Part 1 drawn in black; part 2 then given red and a number, but not drawn again.
    _f->typeAndDraw(1, QStringLiteral("3"));
    Prompts prompts = UnexpectedPrompts();
    prompts.pickColour = [](const QColor&, const QString&) { return QColor(255, 0, 0); };
    _f->window->setPrompts(prompts);
    QTest::mouseClick(_f->child("Canvas2"), Qt::LeftButton);
    QLineEdit* second = _f->part(2);
    second->setFocus();
    QTest::keyClicks(second, QStringLiteral("4"));
    QCOMPARE(_f->child<CodeCanvas>("CodeCanvas")->frame()->widthLabel, std::string("22.00"));

    const QString path = _dir->filePath(QStringLiteral("fresh.eps"));
    answerSave(path);
    QVERIFY(_f->window->saveAs());

    // The preview holds both parts and the red gap: 75 pixels, not the 62 of the last drawing; the screen
    // shows the same code, and the width ratio is that of the colour change.
    QCOMPARE(PreviewWidth(ReadAll(path)), 75);
    QCOMPARE(_f->globals.theSurfacePic->width(), 75);
    QVERIFY(qAbs(_f->globals.theRat - 1.0192f) < 0.001f);
    QVERIFY(_f->child<CodeCanvas>("CodeCanvas")->frame()->widthLabel != "22.00");
}

void TestWindowFiles::cancelledSaveWritesNothing()
{
    _f->typeAndDraw(1, QStringLiteral("5"));
    answerSave(QString());
    QVERIFY(!_f->window->saveAs());
    QVERIFY(QDir(_dir->path()).isEmpty());
    QCOMPARE(_f->takeAlert(), QString());
}

void TestWindowFiles::failedSaveKeepsTheOldFileAndSaysSo()
{
    const QString path = _dir->filePath(QStringLiteral("QlMk,1.eps"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray("an older document, byte for byte\r"));
    }
    const QByteArray before = ReadAll(path);

    _f->typeAndDraw(1, QStringLiteral("65534"));
    answerSave(path);
    QSignalSpy alerted(_f->window.get(), &Window1::alerted);
    {
        const FileSizeLimit fullDisk(1024); // every document is larger
        QVERIFY(!_f->window->saveAs());
    }
    QCOMPARE(alerted.count(), 1);
    QVERIFY(!_f->takeAlert().isEmpty());
    QCOMPARE(ReadAll(path), before);
    QCOMPARE(QDir(_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("QlMk,1.eps")});
}

void TestWindowFiles::saveIntoAFolderPathSaysSo()
{
    const QString folder = _dir->filePath(QStringLiteral("QlMk,9.eps"));
    QVERIFY(QDir().mkdir(folder));
    _f->typeAndDraw(1, QStringLiteral("9"));
    answerSave(folder);
    QSignalSpy alerted(_f->window.get(), &Window1::alerted);
    QVERIFY(!_f->window->saveAs());
    QCOMPARE(alerted.count(), 1);
    QVERIFY(QFileInfo(folder).isDir());
}

void TestWindowFiles::openOfANonDocumentChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // none: the path does not exist
    QTest::newRow("text file") << "notes.eps" << QByteArray("just some text\n");
    QTest::newRow("empty file") << "empty.eps" << QByteArray("");
    QTest::newRow("bare PostScript") << "bare.eps" << QByteArray("%!PS-Adobe-3.0 EPSF-3.0\r%%qlmk 3\r");
    QTest::newRow("DOS EPS header only") << "header.eps" << QByteArray("\xC5\xD0\xD3\xC6", 4);
    QTest::newRow("missing file") << "missing.eps" << QByteArray();
    QTest::newRow("folder") << "folder.eps" << QByteArray();
}

void TestWindowFiles::openOfANonDocumentChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    const QString path = _dir->filePath(name);
    if (name == QLatin1String("folder.eps")) {
        QVERIFY(QDir().mkdir(path));
    } else if (name != QLatin1String("missing.eps")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    _f->window->setModel(sampleModel());
    _f->window->DrawTheCode();
    const CodeModel before = _f->window->model();
    const QImage shown = _f->child("CodeCanvas")->grab().toImage();
    Prompts prompts = UnexpectedPrompts();
    prompts.openFileName = [path] { return path; };
    _f->window->setPrompts(prompts);
    QSignalSpy drawn(_f->window.get(), &Window1::codeDrawn);
    QSignalSpy alerted(_f->window.get(), &Window1::alerted);

    _f->window->open();
    QCOMPARE(alerted.count(), 1);
    QVERIFY(!_f->takeAlert().isEmpty());
    QCOMPARE(drawn.count(), 0);
    QCOMPARE(_f->window->model(), before);
    QCOMPARE(_f->child("CodeCanvas")->grab().toImage(), shown);
}

void TestWindowFiles::cancelledOpenRedraws()
{
    Prompts prompts = UnexpectedPrompts();
    prompts.openFileName = [] { return QString(); };
    _f->window->setPrompts(prompts);
    QSignalSpy drawn(_f->window.get(), &Window1::codeDrawn);
    _f->window->open();
    QCOMPARE(drawn.count(), 1);
}

void TestWindowFiles::loadedValuesAreClampedWhenDrawn()
{
    // A document whose magnification was edited by hand to 950, the same number of bytes as 150.
    CodeModel model = sampleModel();
    _f->window->setModel(model);
    const QString path = _dir->filePath(QStringLiteral("edited.eps"));
    answerSave(path);
    QVERIFY(_f->window->saveAs());
    QByteArray bytes = ReadAll(path);
    const QByteArray line("\r%%qlmk 150\r");
    QCOMPARE(bytes.count(line), 1);
    bytes.replace(line, QByteArray("\r%%qlmk 950\r"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    _f->window->setModel(InitialModel(_f->globals));
    if (_f->window->loadFile(path)) {
        QCOMPARE(_f->field("MagText")->text(), QStringLiteral("500"));
        QCOMPARE(_f->window->model().magText, std::string("500"));
    } else {
        // Refused as not usable: said so, and the window is as it was.
        QVERIFY(!_f->takeAlert().isEmpty());
        QCOMPARE(_f->field("MagText")->text(), QStringLiteral("100"));
    }
}

void TestWindowFiles::printPutsTheCodeAt50PointsAtItsPrintedSize()
{
    const QString gs = QStandardPaths::findExecutable(QStringLiteral("gs"));
    if (gs.isEmpty()) QSKIP("Ghostscript is needed to look at the printed page");

    // Part 1 typed after the last drawing: the print shows it all the same.
    _f->window->DrawTheCode();
    QTest::keyClicks(_f->part(1), QStringLiteral("3"));
    const QString pdf = _dir->filePath(QStringLiteral("page.pdf"));
    Prompts prompts = UnexpectedPrompts();
    prompts.confirmPrint = [pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
        return true;
    };
    _f->window->setPrompts(prompts);
    _f->window->print();
    QVERIFY(QFileInfo(pdf).size() > 0);
    QCOMPARE(_f->child<CodeCanvas>("CodeCanvas")->frame()->widthLabel, std::string("22.00"));

    // One pixel per point: the rendering of 311 x 141 pixels prints as 62 x 28 points at (50, 50). Its bars
    // lie 28.2 and 32.4 points into the code, 1.4 points wide, over its full height.
    const QString ppm = _dir->filePath(QStringLiteral("page.ppm"));
    QProcess ghostscript;
    ghostscript.start(
        gs, {"-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=ppmraw", "-r72", "-sOutputFile=" + ppm, pdf});
    QVERIFY(ghostscript.waitForFinished(60000));
    QCOMPARE(ghostscript.exitCode(), 0);
    const QImage page(ppm);
    QVERIFY(!page.isNull());
    QCOMPARE(page.size(), QSize(595, 842));

    auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
    QList<int> darkColumns;
    for (int x = 0; x < page.width(); ++x)
        if (dark(x, 64)) darkColumns << x;
    QVERIFY2(darkColumns.size() >= 2 && darkColumns.size() <= 6,
             qPrintable(QString::number(darkColumns.size())));
    QVERIFY(darkColumns.first() == 78 || darkColumns.first() == 79);
    QVERIFY(darkColumns.last() >= 82 && darkColumns.last() <= 84);
    const int bar = darkColumns.first();
    QVERIFY(dark(bar, 50));
    QVERIFY(dark(bar, 77));
    QVERIFY(!dark(bar, 49));
    QVERIFY(!dark(bar, 78));
    for (int y = 0; y < page.height(); ++y)
        for (int x : {10, 60, 100, 300})
            QVERIFY(!dark(x, y));
}

void TestWindowFiles::cancelledPrintWritesNothing()
{
    _f->typeAndDraw(1, QStringLiteral("3"));
    const QString pdf = _dir->filePath(QStringLiteral("never.pdf"));
    Prompts prompts = UnexpectedPrompts();
    prompts.confirmPrint = [pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return false;
    };
    _f->window->setPrompts(prompts);
    _f->window->print();
    QVERIFY(!QFileInfo::exists(pdf));
}

QTEST_MAIN(TestWindowFiles)
#include "tst_window_files.moc"
