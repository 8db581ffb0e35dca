#include "model/assembly.h"

#include "model/code_model.h"
#include "model/pharmacode.h"

#include <cassert>

namespace quillmark {

std::string BinaryFlag(const CodeModel& model)
{
    std::string flagged;
    for (int k = 0; k < PART_COUNT; ++k) {
        const std::string& text = model.parts[static_cast<std::size_t>(k)];
        if (text.empty()) continue;
        flagged += PartLetter(k);
        flagged += DecToBinary(text);
    }
    return flagged;
}

std::string BinaryAssemble(const CodeModel& model)
{
    std::string bars;
    for (const std::string& text : model.parts)
        bars += DecToBinary(text);
    return bars;
}

std::int32_t BinaryMeasure(const CodeModel& model)
{
    const std::string bars = BinaryAssemble(model);
    if (bars.empty()) return 0;
    std::int32_t total = 0;
    for (char bar : bars)
        total += bar == 'N' ? 1 : 3;
    return total + 2 * (static_cast<std::int32_t>(bars.size()) - 1);
}

std::string DecimalAssemble(const CodeModel& model)
{
    // Every present part after the first is joined with "-", even when the first is missing.
    std::string number = model.parts[0];
    for (std::size_t k = 1; k < model.parts.size(); ++k) {
        if (!model.parts[k].empty()) number += "-" + model.parts[k];
    }
    return number;
}

void ApplyPartOrder(CodeModel& model)
{
    for (std::size_t k = 1; k < model.parts.size(); ++k) {
        if (model.parts[k - 1].empty()) model.parts[k].clear();
    }
}

bool PartEnabled(const CodeModel& model, int part)
{
    assert(part >= 0 && part < PART_COUNT);
    return part == 0 || !model.parts[static_cast<std::size_t>(part - 1)].empty();
}

} // namespace quillmark
