#pragma once

#include <string>
#include <string_view>

// The settings comment: 26 lines of CR "%%qlmk " value in every document's header comments, holding the
// parts, their colours (red, green, blue of each), the four dimension texts, the version and "Saved".
namespace quillmark {

struct CodeModel;

inline constexpr std::string_view SETTINGS_SEPARATOR = "\r%%qlmk ";

// The 26 lines, each starting with the separator, no line end after the last.
std::string PrefsOut(const CodeModel& model);

// The model the settings comment of `document` holds. Checks nothing: a missing value is the empty text or
// black, a colour is cut toward zero and held to 0..255.
CodeModel PrefsIn(std::string_view document);

} // namespace quillmark
