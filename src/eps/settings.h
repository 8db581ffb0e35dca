#pragma once

#include <string>
#include <string_view>
#include <vector>

// The settings comment: 26 lines of CR "%%qlmk " value in every document's header comments, holding the
// parts, their colours (red, green, blue of each), the four dimension texts, the version and "Saved".
namespace quillmark {

struct CodeModel;

inline constexpr std::string_view SETTINGS_SEPARATOR = "\r%%qlmk ";
inline constexpr int SETTINGS_LINE_COUNT = 26;

// The values of the settings lines of `document`, line 1 first: each runs up to the next separator, the last
// to the end of the document. A document cut off within its settings holds fewer than SETTINGS_LINE_COUNT.
std::vector<std::string_view> SettingsValues(std::string_view document);

// The 26 lines, each starting with the separator, no line end after the last.
std::string PrefsOut(const CodeModel& model);

// The model the settings comment of `document` holds. Checks nothing: a missing value is the empty text or
// black, a colour is cut toward zero and held to 0..255.
CodeModel PrefsIn(std::string_view document);

} // namespace quillmark
