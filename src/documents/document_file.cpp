#include "documents/document_file.h"

#include "eps/document_reader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace quillmark {
namespace {

constexpr qint64 CHUNK_BYTES = 1 << 20;
constexpr auto MAX_BYTES = static_cast<qint64>(MAX_DOCUMENT_BYTES);

// The name the user knows the file by: its last component, or the whole path when it has none ("/").
QString DisplayName(const QString& path)
{
    const QString name = QFileInfo(QDir::cleanPath(path)).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(path) : name;
}

QString NotOpened(const QString& path, const QString& why)
{
    return QStringLiteral("“%1” could not be opened. %2").arg(DisplayName(path), why);
}

QString NotSaved(const QString& path, const QString& why)
{
    return QStringLiteral("“%1” could not be saved. %2").arg(DisplayName(path), why);
}

// Why a file that exists (or existed a moment ago) could not be opened or read.
QString WhyNotRead(const QString& path, const QString& errorString)
{
    const QFileInfo info(path);
    if (!info.exists()) return QStringLiteral("The file does not exist.");
    if (!info.isReadable()) return QStringLiteral("You do not have permission to read it.");
    return QStringLiteral("The file could not be read (%1).").arg(errorString);
}

// Why a save failed, found by looking at the place it was to go: the device's own error says little more
// than "could not open" for most of these.
QString WhyNotWritten(QFileDevice::FileError error, const QString& errorString, const QString& path,
                      qint64 neededBytes)
{
    if (error == QFileDevice::ResourceError) return QStringLiteral("The disk is full.");
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir()) return QStringLiteral("The folder “%1” does not exist.").arg(folder.fileName());
    if (target.isDir()) return QStringLiteral("A folder of that name is in the way.");
    const QStorageInfo storage(folder.absoluteFilePath());
    if (storage.isValid() && storage.isReadOnly()) return QStringLiteral("The disk is read-only.");
    if (!folder.isWritable())
        return QStringLiteral("You do not have permission to write into the folder “%1”.")
            .arg(folder.fileName());
    if (target.exists() && !target.isWritable())
        return QStringLiteral("The document there is locked against changes.");
    if (storage.isValid() && storage.bytesAvailable() < neededBytes)
        return QStringLiteral("The disk is full.");
    return QStringLiteral("The file could not be written (%1).").arg(errorString);
}

// Writes through QSaveFile: the bytes go to a temporary file beside the target, which replaces the target
// only once every byte is written and flushed. On any failure the temporary file is removed and the old
// document is left as it was. `capacityBytes`, when given, makes the write fail after that many bytes as a
// full disk would.
SaveResult Save(const QString& path, const std::string& bytes, std::optional<qint64> capacityBytes)
{
    const auto total = static_cast<qint64>(bytes.size());
    QSaveFile file(path);
    // Unbuffered, so that a failed write shows at that write: QSaveFile's commit does not report a failure of
    // its own last flush, and would then put a cut-off file in place of the document.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, NotSaved(path, WhyNotWritten(file.error(), file.errorString(), path, total))};

    qint64 written = 0;
    bool full = false;
    while (written < total) {
        qint64 chunk = std::min(total - written, CHUNK_BYTES);
        if (capacityBytes) {
            chunk = std::min(chunk, *capacityBytes - written);
            if (chunk <= 0) {
                full = true;
                break;
            }
        }
        const qint64 done = file.write(bytes.data() + written, chunk);
        if (done <= 0) break;
        written += done;
    }
    if (written < total) {
        const QString why = full ? QStringLiteral("The disk is full.")
                                 : WhyNotWritten(file.error(), file.errorString(), path, total);
        file.cancelWriting();
        return {false, NotSaved(path, why)};
    }
    // Bytes a file system only accepted into its cache can still fail to find room on the disk: make sure
    // they are on it before the temporary file replaces the document.
    if (::fsync(file.handle()) != 0) {
        const int error = errno;
        file.cancelWriting();
        const QString why = error == ENOSPC || error == EDQUOT
                                ? QStringLiteral("The disk is full.")
                                : QStringLiteral("The file could not be written (%1).")
                                      .arg(QString::fromLocal8Bit(std::strerror(error)));
        return {false, NotSaved(path, why)};
    }
    if (!file.commit())
        return {false, NotSaved(path, WhyNotWritten(file.error(), file.errorString(), path, total))};
    return {true, {}};
}

} // namespace

SaveResult WriteDocumentFile(const QString& path, const std::string& bytes)
{
    return Save(path, bytes, std::nullopt);
}

SaveResult WriteDocumentFile(const QString& path, const std::string& bytes, qint64 capacityBytes)
{
    return Save(path, bytes, std::max<qint64>(capacityBytes, 0));
}

OpenResult ReadDocumentFile(const QString& path)
{
    auto refuse = [&path](const QString& why) { return OpenResult{std::nullopt, NotOpened(path, why)}; };

    const QFileInfo info(path);
    if (!info.exists())
        return refuse(info.isSymLink() ? QStringLiteral("It is a link to a file that no longer exists.")
                                       : QStringLiteral("The file does not exist."));
    if (info.isDir()) return refuse(QStringLiteral("It is a folder, not a document."));
    if (!info.isFile()) return refuse(QStringLiteral("It is a pipe or a device, not a document."));
    // Checked before reading, so that no time or memory goes into a file no document can be.
    const QString tooLarge = QStringLiteral("The file is too large to be a Quillmark document.");
    if (info.size() > MAX_BYTES) return refuse(tooLarge);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return refuse(WhyNotRead(path, file.errorString()));

    // The size may have changed since it was looked at: read at most one byte more than a document can hold.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.size()) + 1);
    while (static_cast<qint64>(bytes.size()) <= MAX_BYTES) {
        const std::size_t start = bytes.size();
        const qint64 chunk = std::min(CHUNK_BYTES, MAX_BYTES + 1 - static_cast<qint64>(start));
        bytes.resize(start + static_cast<std::size_t>(chunk));
        const qint64 got = file.read(bytes.data() + start, chunk);
        bytes.resize(start + static_cast<std::size_t>(std::max<qint64>(got, 0)));
        if (got < 0) return refuse(WhyNotRead(path, file.errorString()));
        if (got == 0) break;
    }
    file.close();

    if (static_cast<qint64>(bytes.size()) > MAX_BYTES) return refuse(tooLarge);
    if (bytes.empty()) return refuse(QStringLiteral("The file is empty."));

    DocumentRead read = ReadDocument(bytes);
    if (!read.model) return refuse(QString::fromStdString(read.problem));
    return {std::move(read.model), {}};
}

} // namespace quillmark
