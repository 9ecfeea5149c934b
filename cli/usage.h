#pragma once

#include <string>

namespace delvora {

// The --help text: synopsis, every option with its values and default, and the exit statuses.
std::string usageText();

// The --version line, "delvora-cli <version>".
std::string versionText();

}  // namespace delvora
