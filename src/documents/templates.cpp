#include "documents/templates.h"

#include "eps/document_reader.h"
#include "preview/dos_eps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <string_view>

namespace quillmark {
namespace {

// A template is known by what survives any copy: its content. The DOS EPS header says where the PostScript
// section starts; the start of that section says whether it is one of ours. Nothing else of the file is
// read, so a folder of thousands of large files is scanned in a few milliseconds.
bool IsTemplate(const QString& path)
{
    QFile file(path);
    // Unbuffered: a buffered read would fetch 16 KB of every file to look at 30 bytes.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false; // unreadable, or gone since the folder was listed

    std::array<char, DOS_EPS_HEADER_SIZE> head{};
    if (file.read(head.data(), head.size()) != static_cast<qint64>(head.size())) return false;
    const auto header = ReadDosEpsHeader(std::string_view(head.data(), head.size()));
    if (!header || header->postscriptLength == 0) return false;
    const quint64 end = quint64{header->postscriptStart} + header->postscriptLength;
    if (end > static_cast<quint64>(file.size())) return false;

    std::array<char, DOCUMENT_SIGNATURE_BYTES> start{};
    const auto wanted = static_cast<qint64>(std::min<quint64>(start.size(), header->postscriptLength));
    if (!file.seek(header->postscriptStart) || file.read(start.data(), wanted) != wanted) return false;
    return LooksLikeDocument(std::string_view(start.data(), static_cast<std::size_t>(wanted)));
}

} // namespace

QStringList TemplateFolders()
{
    QStringList folders{QCoreApplication::applicationDirPath() + QStringLiteral("/Templates")};
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!data.isEmpty()) folders << data + QStringLiteral("/Templates");
    return folders;
}

QList<TemplateEntry> ScanTemplates(const QStringList& folders)
{
    QList<TemplateEntry> found;
    QSet<QString> scanned; // a folder named twice (both places the same) is listed once
    for (const QString& folder : folders) {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (canonical.isEmpty() || scanned.contains(canonical)) continue;
        scanned.insert(canonical);

        // Files and links to files only: folders, links to folders, broken links, pipes and devices are
        // left out by the filter.
        const QDir dir(folder);
        const QFileInfoList entries =
            dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& entry : entries) {
            if (IsTemplate(entry.filePath())) found.append({entry.fileName(), entry.filePath()});
        }
    }
    return found;
}

} // namespace quillmark
