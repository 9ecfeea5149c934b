#include "app/command_line.h"

#include <string_view>

#include "version/version.h"

namespace delvora {
namespace {

constexpr char kUsage[] = R"(Usage: delvora [toolkit options]

Opens Delvora's options window; "Generate" shows a random dungeon map. One copy runs for a user
on a display: starting another there brings the first to the front.

  -h, --help     show this text and exit
  --version      show the version and exit

The Qt toolkit's own options are accepted, such as -platform NAME and -style NAME.
DELVORA_EDITOR names the text editor for the dressing, DELVORA_PRINT_PDF a PDF file that the
print commands write instead of printing. delvora-cli makes maps from the command line.
)";

}  // namespace

std::optional<std::string> answerWithoutWindow(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") return kUsage;
    if (argument == "--version") {
      return std::string("delvora ") + buildVersion() + "\n" + kCopyrightNotice + "\n" +
             kLicenceNotice + "\n";
    }
  }
  return std::nullopt;
}

}  // namespace delvora
