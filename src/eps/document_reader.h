#pragma once

#include "model/code_model.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Reading a document back: what Open and the Formats menu do with the bytes of a file.
namespace quillmark {

// No document the program writes comes near this. The largest code the limits allow (five parts of 65534 in
// five colours at 500 %, 100 mm high, 30 mm margins, the widest bars) has a preview of about 2,850 x 284
// pixels, 2.4 MB of RGB, and a PostScript text of a few kilobytes: the bound leaves a margin of six times.
inline constexpr std::size_t MAX_DOCUMENT_BYTES = 16u << 20;

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
