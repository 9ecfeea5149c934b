#pragma once

#include <string>
#include <string_view>

namespace delvora {

// Text in the Windows-1252 encoding the PDF's standard fonts are given (WinAnsiEncoding), from
// UTF-8; characters it lacks become "?".
std::string winAnsiText(std::string_view utf8);

// The advance width of Windows-1252 text in Helvetica (or Helvetica-Bold) at size 1, from the
// fonts' published metrics.
double helveticaWidth(std::string_view winAnsi, bool bold);

}  // namespace delvora
