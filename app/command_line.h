#pragma once

#include <optional>
#include <string>

namespace delvora {

// The text the program prints instead of starting when its arguments ask for it: the usage for
// --help (or -h), the version, copyright and licence for --version. Nothing for any other
// arguments, which are the toolkit's (-platform, -style ...). Needs no display.
std::optional<std::string> answerWithoutWindow(int argc, const char* const* argv);

}  // namespace delvora
