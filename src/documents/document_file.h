#pragma once

#include "model/code_model.h"

#include <QString>

#include <optional>
#include <string>

// Documents on disk: written whole through a temporary file, read whole up to a bound.
namespace quillmark {

struct SaveResult {
    bool ok = false;
    QString problem; // why the save failed, for the user
};

// Writes `bytes` to `path` through a temporary file that replaces the old one only once it is complete, so a
// failed save leaves any existing document as it was.
SaveResult WriteDocumentFile(const QString& path, const std::string& bytes);

// The same save onto a device that takes at most `capacityBytes` more bytes: one that needs more fails as on
// a full disk, through the same temporary file and the same message. Lets a test show a full disk where it
// cannot mount a small file system.
SaveResult WriteDocumentFile(const QString& path, const std::string& bytes, qint64 capacityBytes);

struct OpenResult {
    std::optional<CodeModel> model;
    QString problem; // why the file could not be opened, for the user (names the file)
};

// Reads the document at `path`: refuses folders, unreadable files and files larger than any document, and
// anything that is not a Quillmark document.
OpenResult ReadDocumentFile(const QString& path);

} // namespace quillmark
