// The template scan: documents are known by their first bytes, whatever else the folders hold.

#include "document_fixtures.h"
#include "documents/document_file.h"
#include "documents/templates.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <random>

#include <sys/stat.h>

using namespace quillmark;
using namespace quillmark::fixtures;

namespace {

QStringList Names(const QList<TemplateEntry>& entries)
{
    QStringList names;
    for (const TemplateEntry& entry : entries)
        names << entry.name;
    return names;
}

QStringList Paths(const QList<TemplateEntry>& entries)
{
    QStringList paths;
    for (const TemplateEntry& entry : entries)
        paths << entry.path;
    return paths;
}

std::string RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator());
    return bytes;
}

} // namespace

class tst_TemplateScan : public QObject {
    Q_OBJECT

private slots:
    void listsExactlyTheTemplates();
    void recognisesByContent_data();
    void recognisesByContent();
    void foldersInOrder();
    void skipsUnreadableFiles();
    void removedTemplateIsReportedWhenOpened();
    void templateFolders();
};

void tst_TemplateScan::listsExactlyTheTemplates()
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    QVERIFY(WriteBytes(folder.filePath(QStringLiteral("Gamma Carton.eps")),
                       Bytes(MakeDocument({{"65534", {255, 0, 0}}, {"1", {0, 0, 255}}}))));
    QVERIFY(WriteBytes(folder.filePath(QStringLiteral("Alpha.eps")), Bytes(MakeDocument({{"3"}}))));
    QVERIFY(WriteBytes(folder.filePath(QStringLiteral("beta.eps")), Bytes(MakeDocument({{"12"}, {"345"}}))));
    QVERIFY(WriteBytes(folder.filePath(QStringLiteral("notes.txt")), "Carton sizes\n"));
    QVERIFY(folder.mkdir(QStringLiteral("Sub.eps")));
    QVERIFY(WriteBytes(folder.filePath(QStringLiteral("Sub.eps/Inner.eps")), Bytes(MakeDocument({{"7"}}))));
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("Sub.eps")),
                        folder.filePath(QStringLiteral("Folder link.eps"))));
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("gone.eps")),
                        folder.filePath(QStringLiteral("Broken link.eps"))));
    // A pipe would block a reader for ever: it must not even be opened.
    QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("Pipe.eps"))).constData(), 0600), 0);

    const QList<TemplateEntry> found = ScanTemplates({dir.path()});
    QCOMPARE(Names(found), (QStringList{"Alpha.eps", "beta.eps", "Gamma Carton.eps"}));
    QCOMPARE(Paths(found), (QStringList{folder.filePath("Alpha.eps"), folder.filePath("beta.eps"),
                                        folder.filePath("Gamma Carton.eps")}));
}

void tst_TemplateScan::recognisesByContent_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("isTemplate");

    const std::string good = MakeDocument({{"3"}});
    const std::string postscript = PostScriptOf(good);
    auto row = [](const char* name, const std::string& bytes, bool isTemplate,
                  const QString& fileName = QStringLiteral("Carton.eps")) {
        QTest::newRow(name) << fileName << Bytes(bytes) << isTemplate;
    };

    row("a document", good, true);
    row("a document under another extension", good, true, QStringLiteral("Carton.txt"));
    row("a document with a non-ASCII name", good, true, QStringLiteral("Étiquette – 日本.eps"));
    // Its settings are read when it is opened, which reports them; the scan looks at the start only.
    row("a document with damaged settings", WithSetting(good, 21, "big"), true);
    row("a document cut off one byte short", good.substr(0, good.size() - 1), false);
    row("a document cut off in its preview", good.substr(0, 200), false);
    row("the header alone", good.substr(0, 30), false);
    row("29 bytes", good.substr(0, 29), false);
    row("an empty file", {}, false);
    row("random bytes", RandomBytes(5000, 7), false);
    row("a header pointing past the end", WithPostScript(good, postscript).substr(0, 30) + "%!PS", false);
    row("DOS EPS from another program", WithPostScript(good, "%!PS-Adobe-3.0 EPSF-3.0\r%%EOF"), false);
    row("plain EPS without the DOS EPS header", postscript, false);
    std::string late = postscript;
    late.insert(late.find('\r'), "\r%%Comment: " + std::string(1100, '-'));
    row("settings beyond the first kilobyte of PostScript", WithPostScript(good, late), false);
}

void tst_TemplateScan::recognisesByContent()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(bool, isTemplate);

    QTemporaryDir dir;
    QVERIFY(WriteBytes(dir.filePath(fileName), content));
    QCOMPARE(Names(ScanTemplates({dir.path()})), isTemplate ? QStringList{fileName} : QStringList{});
}

void tst_TemplateScan::foldersInOrder()
{
    QTemporaryDir beside;
    QTemporaryDir userData;
    const QByteArray document = Bytes(MakeDocument({{"3"}}));
    QVERIFY(WriteBytes(beside.filePath(QStringLiteral("zulu.eps")), document));
    QVERIFY(WriteBytes(beside.filePath(QStringLiteral("mike.eps")), document));
    QVERIFY(WriteBytes(userData.filePath(QStringLiteral("alpha.eps")), document));
    QVERIFY(WriteBytes(userData.filePath(QStringLiteral("mike.eps")), document));

    // A folder that does not exist is passed over; one named twice is listed once.
    const QString missing = beside.filePath(QStringLiteral("no such folder"));
    const QList<TemplateEntry> found =
        ScanTemplates({beside.path(), missing, userData.path(), beside.path()});
    QCOMPARE(Names(found), (QStringList{"mike.eps", "zulu.eps", "alpha.eps", "mike.eps"}));
    QCOMPARE(found[1].path, beside.filePath(QStringLiteral("zulu.eps")));
    QCOMPARE(found[3].path, userData.filePath(QStringLiteral("mike.eps")));
    QVERIFY(ScanTemplates({}).isEmpty());
    QVERIFY(ScanTemplates({missing}).isEmpty());
}

void tst_TemplateScan::skipsUnreadableFiles()
{
    QTemporaryDir dir;
    const QByteArray document = Bytes(MakeDocument({{"3"}}));
    QVERIFY(WriteBytes(dir.filePath(QStringLiteral("Locked.eps")), document));
    QVERIFY(WriteBytes(dir.filePath(QStringLiteral("Open.eps")), document));
    QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("Locked.eps")), QFileDevice::WriteOwner));
    QVERIFY(OpenToAll(dir.path()));

    OrdinaryUser user; // root reads any file: permissions bite only on an ordinary user
    if (!user.active()) QSKIP("running as root, and not allowed to act as an ordinary user");
    const QStringList names = Names(ScanTemplates({dir.path()}));
    QCOMPARE(names, QStringList{QStringLiteral("Open.eps")});
}

void tst_TemplateScan::removedTemplateIsReportedWhenOpened()
{
    QTemporaryDir dir;
    QVERIFY(WriteBytes(dir.filePath(QStringLiteral("Carton.eps")), Bytes(MakeDocument({{"3"}}))));
    QVERIFY(WriteBytes(dir.filePath(QStringLiteral("Étiquette.eps")), Bytes(MakeDocument({{"4"}}))));
    const QList<TemplateEntry> found = ScanTemplates({dir.path()});
    QCOMPARE(found.size(), 2);

    QVERIFY(QFile::remove(found[0].path));
    const OpenResult removed = ReadDocumentFile(found[0].path);
    QVERIFY(!removed.model);
    QCOMPARE(removed.problem, QStringLiteral("“Carton.eps” could not be opened. The file does not exist."));

    QVERIFY(WriteBytes(found[1].path, "overwritten since start-up"));
    const OpenResult replaced = ReadDocumentFile(found[1].path);
    QVERIFY(!replaced.model);
    QCOMPARE(replaced.problem,
             QStringLiteral("“Étiquette.eps” could not be opened. The file is not a Quillmark document."));
}

void tst_TemplateScan::templateFolders()
{
    const QStringList folders = TemplateFolders();
    QCOMPARE(folders.size(), 2);
    QCOMPARE(folders[0], QCoreApplication::applicationDirPath() + QStringLiteral("/Templates"));
    // The user's own data location: under the generic one, in a folder named after the program.
    QVERIFY2(
        folders[1].startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + '/'),
        qPrintable(folders[1]));
    QVERIFY2(folders[1].endsWith(QCoreApplication::applicationName() + QStringLiteral("/Templates")),
             qPrintable(folders[1]));
}

QTEST_GUILESS_MAIN(tst_TemplateScan)
#include "tst_template_scan.moc"
