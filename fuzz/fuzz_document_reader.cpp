// Any bytes handed to Open: the reader either refuses them or returns a model that keeps every rule.
#include "eps/document_reader.h"
#include "eps/settings.h"
#include "model/pharmacode.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    (void)quillmark::PrefsIn(bytes);

    const auto read = quillmark::ReadDocument(bytes);
    if (read.model.has_value() != read.problem.empty()) std::abort(); // exactly one of a model and a problem
    if (read.model) {
        for (const auto& part : read.model->parts)
            if (quillmark::ValidPart(part) != part) std::abort();
    }
    return 0;
}
