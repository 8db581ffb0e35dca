// Opening and saving documents: every bad file gives its message, and a failed save loses nothing.

#include "document_fixtures.h"
#include "documents/document_file.h"
#include "eps/document_reader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>
#include <sys/stat.h>

using namespace quillmark;
using namespace quillmark::fixtures;

namespace {

// A tmpfs of a few pages mounted on a folder, where the machine allows it (root, or a user namespace that
// grants mounts); unmounted when the test is done.
class SmallDisk {
public:
    SmallDisk(const QString& folder, qint64 sizeBytes) : _folder(QFile::encodeName(folder))
    {
        const QByteArray options = "size=" + QByteArray::number(sizeBytes);
        _mounted =
            ::mount("tmpfs", _folder.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) == 0;
    }
    ~SmallDisk()
    {
        if (_mounted) ::umount2(_folder.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return _mounted; }
    bool makeReadOnly()
    {
        return ::mount(nullptr, _folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV,
                       nullptr) == 0;
    }

private:
    QByteArray _folder;
    bool _mounted = false;
};

// Writes until the file system refuses: whatever is saved next finds no room.
void FillDisk(const QString& path)
{
    QFile filler(path);
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    const QByteArray byte(1, 'x');
    while (filler.write(byte) == 1) {
    }
}

enum class BadFile { Content, Folder, Missing, NoPermission, DanglingLink, Pipe, Sparse };
enum class SaveFault { FolderWithoutPermission, ReadOnlyDisk, FullDisk, SimulatedFullDisk };
enum class SaveTarget { MissingFolder, Folder, ReadOnlyDocument };

} // namespace

Q_DECLARE_METATYPE(quillmark::CodeModel)
Q_DECLARE_METATYPE(BadFile)
Q_DECLARE_METATYPE(SaveFault)
Q_DECLARE_METATYPE(SaveTarget)

class tst_Documents : public QObject {
    Q_OBJECT

private slots:
    void goodDocumentReadsBack_data();
    void goodDocumentReadsBack();
    void badFile_data();
    void badFile();
    void savesOverExistingDocument();
    void nonAsciiNameRoundTrip();
    void failedSaveLosesNothing_data();
    void failedSaveLosesNothing();
    void simulatedFullDiskLeavesNoTemporaryFile();
    void saveRefused_data();
    void saveRefused();
};

void tst_Documents::goodDocumentReadsBack_data()
{
    QTest::addColumn<CodeModel>("model");

    QTest::newRow("3 in black, start-up dimensions") << MakeModel({{"3"}});
    QTest::newRow("12 and 345") << MakeModel({{"12"}, {"345"}});
    CodeModel wide = MakeModel({{"65534", {255, 0, 0}},
                                {"1", {0, 255, 0}},
                                {"65534", {0, 0, 255}},
                                {"7", {12, 34, 56}},
                                {"65534", {255, 255, 255}}});
    wide.magText = "500";
    wide.heightText = "100";
    wide.guardBarText = "-100";
    wide.marginText = "5";
    QTest::newRow("five parts, five colours, largest magnification") << wide;
    CodeModel fractions = MakeModel({{"100"}});
    fractions.magText = "87.5";
    fractions.guardBarText = "12.25";
    QTest::newRow("dimensions with fractions") << fractions;
}

void tst_Documents::goodDocumentReadsBack()
{
    QFETCH(CodeModel, model);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Carton.eps"));
    QVERIFY(WriteBytes(path, Bytes(MakeDocument(model))));

    const OpenResult read = ReadDocumentFile(path);
    QVERIFY2(read.model.has_value(), qPrintable(read.problem));
    QVERIFY(read.problem.isEmpty());
    QVERIFY(*read.model == model);
}

void tst_Documents::badFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<BadFile>("kind");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("size"); // of a sparse file
    QTest::addColumn<QString>("message");

    auto row = [](const char* name, const QString& fileName, BadFile kind, const QByteArray& content,
                  const QString& why, qint64 size = 0) {
        QTest::newRow(name) << fileName << kind << content << size
                            << QStringLiteral("“%1” could not be opened. %2").arg(fileName, why);
    };
    auto content = [&row](const char* name, const std::string& bytes, const QString& why) {
        row(name, QStringLiteral("Carton.eps"), BadFile::Content, Bytes(bytes), why);
    };

    const QString notOurs = QStringLiteral("The file is not a Quillmark document.");
    const QString shorter =
        QStringLiteral("The document is incomplete: the file is shorter than its header says.");
    const QString damaged = QStringLiteral("The document's settings are damaged: ");
    const std::string good = MakeDocument({{"3"}});
    const std::size_t postscriptStart = 30 + SplitDosEps(good)->tiff.size();
    const std::size_t settings = SettingsOffset(good);

    row("empty file", QStringLiteral("Empty.eps"), BadFile::Content, {},
        QStringLiteral("The file is empty."));
    row("a folder", QStringLiteral("Artwork"), BadFile::Folder, {},
        QStringLiteral("It is a folder, not a document."));
    row("a missing file", QStringLiteral("Gone.eps"), BadFile::Missing, {},
        QStringLiteral("The file does not exist."));
    row("a file without read permission", QStringLiteral("Locked.eps"), BadFile::NoPermission, Bytes(good),
        QStringLiteral("You do not have permission to read it."));
    row("a link to a file that is gone", QStringLiteral("Link.eps"), BadFile::DanglingLink, {},
        QStringLiteral("It is a link to a file that no longer exists."));
    row("a pipe", QStringLiteral("Pipe.eps"), BadFile::Pipe, {},
        QStringLiteral("It is a pipe or a device, not a document."));
    row("larger than any document", QStringLiteral("Huge.eps"), BadFile::Sparse, {},
        QStringLiteral("The file is too large to be a Quillmark document."), qint64(MAX_DOCUMENT_BYTES) + 1);
    row("as large as a document may be, not one", QStringLiteral("Zeros.eps"), BadFile::Sparse, {}, notOurs,
        qint64(MAX_DOCUMENT_BYTES));

    content("text, not a document", "Pharmacode 1234\n", notOurs);
    content("plain EPS without the DOS EPS header", PostScriptOf(good), notOurs);
    content("DOS EPS from another program", WithPostScript(good, "%!PS-Adobe-3.0 EPSF-3.0\r%%EOF"), notOurs);
    content("PNG image", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), notOurs);
    row("non-ASCII name, not a document", QStringLiteral("Étiquette – 日本.eps"), BadFile::Content,
        "Pharmacode", notOurs);

    content("cut off inside the header", good.substr(0, 10), notOurs);
    content("cut off after the header", good.substr(0, 30), shorter);
    content("cut off inside the preview", good.substr(0, 130), shorter);
    content("cut off at the PostScript", good.substr(0, postscriptStart), shorter);
    content("cut off inside the settings", good.substr(0, settings + 40), shorter);
    content("cut off one byte short", good.substr(0, good.size() - 1), shorter);
    content("cut off inside the settings, header made to fit",
            WithPostScript(good, PostScriptOf(good).substr(0, settings - postscriptStart + 40)),
            QStringLiteral("The document is incomplete: its settings end early."));
    const std::string postscript = PostScriptOf(good);
    content("cut off before %%EOF, header made to fit",
            WithPostScript(good, postscript.substr(0, postscript.size() - 3)),
            QStringLiteral("The document is incomplete: its PostScript program is cut off."));

    const QString partNotNumber = damaged + QStringLiteral("part 1 is not a number from 0 to 65534.");
    content("part not a number", WithSetting(good, 1, "3x"), partNotNumber);
    content("part out of range", WithSetting(good, 1, "65535"), partNotNumber);
    content("part negative", WithSetting(good, 1, "-3"), partNotNumber);
    content("part huge", WithSetting(good, 1, std::string(400, '9')), partNotNumber);
    content("part with a NUL byte", WithSetting(good, 1, std::string("3\0", 2)), partNotNumber);
    content("part in non-ASCII digits", WithSetting(good, 1, "３"), partNotNumber);
    const QString colour =
        damaged + QStringLiteral("the colour of part 1 is not three numbers from 0 to 255.");
    content("colour not a number", WithSetting(good, 6, "red"), colour);
    content("colour out of range", WithSetting(good, 7, "256"), colour);
    content("colour negative", WithSetting(good, 8, "-1"), colour);
    content("colour huge", WithSetting(good, 6, "99999999999999999999"), colour);
    content("colour with a NUL byte",
            WithSetting(good, 6,
                        std::string("2\0"
                                    "55",
                                    4)),
            colour);
    content("colour in non-ASCII text", WithSetting(good, 6, "½"), colour);
    content("magnification not a number", WithSetting(good, 21, "big"),
            damaged + QStringLiteral("the magnification is not a number."));
    content("magnification out of range", WithSetting(good, 21, "501"),
            damaged + QStringLiteral("the magnification is outside its limits of 50 to 500."));
    content("magnification negative", WithSetting(good, 21, "-100"),
            damaged + QStringLiteral("the magnification is outside its limits of 50 to 500."));
    content("magnification huge", WithSetting(good, 21, std::string(400, '9')),
            damaged + QStringLiteral("the magnification is outside its limits of 50 to 500."));
    content("magnification with an exponent", WithSetting(good, 21, "1e999"),
            damaged + QStringLiteral("the magnification is not a number."));
    content("height with a NUL byte", WithSetting(good, 22, std::string("10\0", 3)),
            damaged + QStringLiteral("the bar height is not a number."));
    content("height below its limit", WithSetting(good, 22, "4.99"),
            damaged + QStringLiteral("the bar height is outside its limits of 5 to 100."));
    content("adjustment below its limit", WithSetting(good, 23, "-101"),
            damaged + QStringLiteral("the bar width adjustment is outside its limits of -100 to 250."));
    content("margin in non-ASCII digits", WithSetting(good, 24, "１０"),
            damaged + QStringLiteral("the margin is not a number."));
    content("margin in non-ASCII text", WithSetting(good, 24, "10 mm ≈"),
            damaged + QStringLiteral("the margin is not a number."));
}

void tst_Documents::badFile()
{
    QFETCH(QString, fileName);
    QFETCH(BadFile, kind);
    QFETCH(QByteArray, content);
    QFETCH(qint64, size);
    QFETCH(QString, message);

    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    switch (kind) {
    case BadFile::Content:
        QVERIFY(WriteBytes(path, content));
        break;
    case BadFile::Folder:
        QVERIFY(QDir(dir.path()).mkdir(fileName));
        break;
    case BadFile::Missing:
        break;
    case BadFile::NoPermission:
        QVERIFY(WriteBytes(path, content));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        QVERIFY(OpenToAll(dir.path()));
        break;
    case BadFile::DanglingLink:
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere.eps")), path));
        break;
    case BadFile::Pipe:
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        break;
    case BadFile::Sparse: {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size));
        break;
    }
    }

    std::optional<OrdinaryUser> user; // root reads any file: permissions bite only on an ordinary user
    if (kind == BadFile::NoPermission) {
        user.emplace();
        if (!user->active()) QSKIP("running as root, and not allowed to act as an ordinary user");
    }
    const OpenResult read = ReadDocumentFile(path);
    user.reset();
    QVERIFY(!read.model.has_value());
    QCOMPARE(read.problem, message);
    if (kind == BadFile::Content) QCOMPARE(ReadBytes(path), content); // reading changes nothing
}

void tst_Documents::savesOverExistingDocument()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QlMk,3.eps"));
    QVERIFY(WriteBytes(path, Bytes(MakeDocument({{"3"}}))));
    const std::string updated = MakeDocument({{"3"}, {"4", {255, 0, 0}}});

    const SaveResult saved = WriteDocumentFile(path, updated);
    QVERIFY2(saved.ok, qPrintable(saved.problem));
    QVERIFY(saved.problem.isEmpty());
    QCOMPARE(ReadBytes(path), Bytes(updated));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("QlMk,3.eps")});
}

void tst_Documents::nonAsciiNameRoundTrip()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Étiquettes")));
    const QString path = dir.filePath(QStringLiteral("Étiquettes/Étiquette – 日本 7.eps"));
    const CodeModel model = MakeModel({{"7", {0, 128, 255}}, {"65534"}});

    const SaveResult saved = WriteDocumentFile(path, MakeDocument(model));
    QVERIFY2(saved.ok, qPrintable(saved.problem));
    QVERIFY(QFileInfo::exists(path));
    const OpenResult read = ReadDocumentFile(path);
    QVERIFY2(read.model.has_value(), qPrintable(read.problem));
    QVERIFY(*read.model == model);
}

void tst_Documents::failedSaveLosesNothing_data()
{
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<SaveFault>("fault");
    QTest::addColumn<QString>("why");

    const QString permission = QStringLiteral("You do not have permission to write into the folder “%1”.");
    const QString readOnly = QStringLiteral("The disk is read-only.");
    const QString full = QStringLiteral("The disk is full.");
    const QString ascii = QStringLiteral("Artwork");
    const QString other = QStringLiteral("Étiquettes");

    QTest::newRow("folder without write permission")
        << ascii << QStringLiteral("QlMk,3.eps") << SaveFault::FolderWithoutPermission
        << permission.arg(ascii);
    QTest::newRow("read-only disk") << ascii << QStringLiteral("QlMk,3.eps") << SaveFault::ReadOnlyDisk
                                    << readOnly;
    QTest::newRow("full disk") << ascii << QStringLiteral("QlMk,3.eps") << SaveFault::FullDisk << full;
    QTest::newRow("full disk, simulated")
        << ascii << QStringLiteral("QlMk,3.eps") << SaveFault::SimulatedFullDisk << full;
    QTest::newRow("non-ASCII name, folder without write permission")
        << other << QStringLiteral("Étiquette – 日本 3.eps") << SaveFault::FolderWithoutPermission
        << permission.arg(other);
    QTest::newRow("non-ASCII name, read-only disk")
        << other << QStringLiteral("Étiquette – 日本 3.eps") << SaveFault::ReadOnlyDisk << readOnly;
    QTest::newRow("non-ASCII name, full disk")
        << other << QStringLiteral("Étiquette – 日本 3.eps") << SaveFault::FullDisk << full;
    QTest::newRow("non-ASCII name, full disk, simulated")
        << other << QStringLiteral("Étiquette – 日本 3.eps") << SaveFault::SimulatedFullDisk << full;
}

void tst_Documents::failedSaveLosesNothing()
{
    QFETCH(QString, folderName);
    QFETCH(QString, fileName);
    QFETCH(SaveFault, fault);
    QFETCH(QString, why);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(folderName));
    const QString folder = dir.filePath(folderName);
    const QString path = folder + QLatin1Char('/') + fileName;
    const QByteArray old = Bytes(MakeDocument({{"3"}}));
    const std::string replacement = MakeDocument({{"65534", {255, 0, 0}}, {"65534", {0, 0, 255}}});

    std::optional<SmallDisk> disk;
    bool simulate = fault == SaveFault::SimulatedFullDisk;
    if (fault == SaveFault::ReadOnlyDisk || fault == SaveFault::FullDisk) {
        disk.emplace(folder, 64 * 1024);
        if (!disk->mounted()) {
            if (fault == SaveFault::ReadOnlyDisk) QSKIP("this machine allows no mount for a read-only disk");
            qInfo("no small file system can be mounted here: the full disk is simulated");
            simulate = true;
        }
    }
    QVERIFY(WriteBytes(path, old));
    QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    switch (fault) {
    case SaveFault::FolderWithoutPermission:
        QVERIFY(OpenToAll(dir.path()));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                  QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                                  QFileDevice::ReadOther | QFileDevice::ExeOther));
        break;
    case SaveFault::ReadOnlyDisk:
        QVERIFY(disk->makeReadOnly());
        break;
    case SaveFault::FullDisk:
        if (disk && disk->mounted()) {
            FillDisk(folder + QStringLiteral("/filler"));
            entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        }
        break;
    case SaveFault::SimulatedFullDisk:
        break;
    }

    std::optional<OrdinaryUser>
        user; // root writes into any folder: permissions bite only on an ordinary user
    if (fault == SaveFault::FolderWithoutPermission) {
        user.emplace();
        if (!user->active()) QSKIP("running as root, and not allowed to act as an ordinary user");
    }
    const SaveResult saved = simulate ? WriteDocumentFile(path, replacement, qint64(replacement.size() / 2))
                                      : WriteDocumentFile(path, replacement);
    user.reset();
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QVERIFY(!saved.ok);
    QCOMPARE(saved.problem, QStringLiteral("“%1” could not be saved. %2").arg(fileName, why));
    QCOMPARE(ReadBytes(path), old);
    // No temporary file is left behind.
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), entries);
}

void tst_Documents::simulatedFullDiskLeavesNoTemporaryFile()
{
    // The seam fails at every point of the write, from the first byte to the last.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QlMk,3.eps"));
    const QByteArray old = Bytes(MakeDocument({{"3"}}));
    QVERIFY(WriteBytes(path, old));
    const std::string replacement = MakeDocument({{"12"}, {"345"}});
    const auto size = qint64(replacement.size());

    for (const qint64 capacity : {qint64(0), qint64(1), qint64(30), size / 2, size - 1}) {
        const SaveResult saved = WriteDocumentFile(path, replacement, capacity);
        QVERIFY(!saved.ok);
        QCOMPARE(saved.problem, QStringLiteral("“QlMk,3.eps” could not be saved. The disk is full."));
        QCOMPARE(ReadBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("QlMk,3.eps")});
    }
    QVERIFY(WriteDocumentFile(path, replacement, size).ok);
    QCOMPARE(ReadBytes(path), Bytes(replacement));
}

void tst_Documents::saveRefused_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<SaveTarget>("target");
    QTest::addColumn<QString>("why");

    QTest::newRow("into a folder that does not exist")
        << QStringLiteral("Missing/QlMk,3.eps") << SaveTarget::MissingFolder
        << QStringLiteral("The folder “Missing” does not exist.");
    QTest::newRow("onto a folder") << QStringLiteral("QlMk,3.eps") << SaveTarget::Folder
                                   << QStringLiteral("A folder of that name is in the way.");
    QTest::newRow("over a read-only document")
        << QStringLiteral("QlMk,3.eps") << SaveTarget::ReadOnlyDocument
        << QStringLiteral("The document there is locked against changes.");
}

void tst_Documents::saveRefused()
{
    QFETCH(QString, fileName);
    QFETCH(SaveTarget, target);
    QFETCH(QString, why);

    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    const QByteArray old = Bytes(MakeDocument({{"3"}}));
    switch (target) {
    case SaveTarget::MissingFolder:
        break;
    case SaveTarget::Folder:
        QVERIFY(QDir(dir.path()).mkdir(fileName));
        break;
    case SaveTarget::ReadOnlyDocument:
        QVERIFY(WriteBytes(path, old));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                QFileDevice::ReadOther));
        // A folder anyone may write into, so that only the document's own permissions stand in the way.
        QVERIFY(QFile::setPermissions(
            dir.path(), QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser |
                            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                            QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                            QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther));
        break;
    }

    const std::string replacement = MakeDocument({{"4"}});
    std::optional<OrdinaryUser> user; // root writes over any file: permissions bite only on an ordinary user
    if (target == SaveTarget::ReadOnlyDocument) {
        user.emplace();
        if (!user->active()) QSKIP("running as root, and not allowed to act as an ordinary user");
    }
    const SaveResult saved = WriteDocumentFile(path, replacement);
    user.reset();
    QVERIFY(!saved.ok);
    QCOMPARE(saved.problem,
             QStringLiteral("“%1” could not be saved. %2").arg(QFileInfo(path).fileName(), why));
    if (target == SaveTarget::ReadOnlyDocument) QCOMPARE(ReadBytes(path), old);
}

QTEST_GUILESS_MAIN(tst_Documents)
#include "tst_documents.moc"
