#pragma once

#include "model/code_model.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Reading a document back: what Open and the Formats menu do with the bytes of a file.
namespace quillmark {

// No document the program writes comes near this: the largest preview the limits allow, a few megabytes,
// plus the PostScript text, with a wide margin.
inline constexpr std::size_t MAX_DOCUMENT_BYTES = 64u << 20;

struct DocumentRead {
    std::optional<CodeModel> model; // set when the bytes are a Quillmark document
    std::string problem;            // otherwise why not, in words for the user
};

// Checks that `bytes` are a DOS EPS document whose PostScript section carries Quillmark settings with values
// the program can use, and returns the model they hold.
DocumentRead ReadDocument(std::string_view bytes);

// Whether the first bytes of a document's PostScript section (see ReadDosEpsHeader) are those of a Quillmark
// document: the EPS opening line and the settings comment within them. Lets the template scan recognise a
// document from a few hundred bytes.
bool LooksLikeDocument(std::string_view postscriptStart);

// How many bytes of the PostScript section LooksLikeDocument needs at most.
inline constexpr std::size_t DOCUMENT_SIGNATURE_BYTES = 1024;

} // namespace quillmark
