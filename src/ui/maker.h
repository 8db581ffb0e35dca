#pragma once

#include <QString>

// Who makes Quillmark and where to find them.
namespace quillmark {

QString MakerWebsite();
QString FirstContactText();  // shown when the About window opens
QString SecondContactText(); // shown ten seconds later

} // namespace quillmark
