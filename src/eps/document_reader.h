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

// Whether the first bytes of a file look like a Quillmark document: a DOS EPS header whose PostScript section
// starts with the settings comment within those bytes. Used to recognise templates cheaply.
bool LooksLikeDocument(std::string_view start);

} // namespace quillmark
