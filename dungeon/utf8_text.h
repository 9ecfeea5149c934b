#pragma once

#include <string>
#include <string_view>

namespace delvora {

// True when the bytes are well-formed UTF-8: no overlong forms, no surrogates, nothing past
// U+10FFFF.
bool isUtf8(std::string_view bytes);

// The bytes as UTF-8 text: as they are when they are UTF-8 already, else read as Latin-1, the
// single-byte text of older dressing files (as the desktop program shows them).
std::string utf8Text(std::string_view bytes);

}  // namespace delvora
