#pragma once

#include <string>

namespace delvora {

// The --help text: synopsis, every option with its values and default, and the exit statuses.
std::string usageText();

// The --version text: "delvora-cli <version>", then the copyright and licence lines.
std::string versionText();

}  // namespace delvora
