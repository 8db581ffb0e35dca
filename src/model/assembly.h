#pragma once

#include <cstdint>
#include <string>

// The five parts placed side by side as one code.
namespace quillmark {

struct CodeModel;

std::string BinaryFlag(const CodeModel& model);      // part letter then pattern, for each present part
std::string BinaryAssemble(const CodeModel& model);  // all bars, no letters
std::int32_t BinaryMeasure(const CodeModel& model);  // length in modules: N 1, W 3, gap 2
std::string DecimalAssemble(const CodeModel& model); // the part texts joined by "-"

// Each part is enabled only while the part before it holds text; a disabled part is emptied.
void ApplyPartOrder(CodeModel& model);
bool PartEnabled(const CodeModel& model, int part);

} // namespace quillmark
