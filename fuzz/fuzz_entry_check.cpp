// Any edit of a part field: whatever the field held and whatever it was changed to, the check leaves a text
// that keeps the rule, and reports an error exactly when it refused the edit.
#include "model/pharmacode.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto cut = input.find('\n');
    const auto before = cut == std::string_view::npos ? std::string_view{} : input.substr(0, cut);
    const auto after = cut == std::string_view::npos ? input : input.substr(cut + 1);

    const auto check = quillmark::CheckEntry(before, after);
    const bool kept = quillmark::InputFilter1(check.text) && quillmark::InputFilter2(check.text);
    if (!kept) std::abort();
    if ((check.error == quillmark::EntryError::None) != (check.text == after)) std::abort();
    (void)quillmark::DecToBinary(after);
    return 0;
}
