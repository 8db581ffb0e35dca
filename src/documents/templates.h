#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Templates: Quillmark documents kept in a "Templates" folder, listed in the Formats menu.
namespace quillmark {

struct TemplateEntry {
    QString name; // the file name, shown as the menu item's text
    QString path;
};

// The folders searched: "Templates" beside the executable, then "Templates" in the user's application data.
QStringList TemplateFolders();

// The documents in `folders`, in name order within each folder. A file counts as a template by its content
// (a DOS EPS document carrying Quillmark settings), read from its first bytes only; folders, links to
// folders, unreadable entries and files that vanish during the scan are skipped.
QList<TemplateEntry> ScanTemplates(const QStringList& folders);

} // namespace quillmark
