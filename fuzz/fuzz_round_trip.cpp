// Any document the reader accepts, drawn and saved again, reads back as the same model.
#include "eps/document_reader.h"
#include "eps/ps_standard.h"
#include "eps/settings.h"
#include "model/assembly.h"
#include "model/dimensions.h"
#include "model/globals.h"
#include "render/screen.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto read = quillmark::ReadDocument({reinterpret_cast<const char*>(data), size});
    if (!read.model) return 0;

    quillmark::CodeModel model;
    quillmark::Globals globals;
    quillmark::SetInitialState(model, globals);
    model = *read.model;
    quillmark::ApplyFieldRules(model, globals);
    quillmark::RenderScreenCode(model, globals); // applies the part order, as every drawing does

    const std::tm when{};
    const auto document = quillmark::PS_Standard(model, globals, when);
    const auto again = quillmark::ReadDocument(document);
    if (!again.model || *again.model != model || quillmark::PrefsIn(document) != model) std::abort();
    return 0;
}
