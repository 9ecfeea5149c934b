// delvora-cli: generates dungeons from the command line and writes the files asked for.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "cli/command_line.h"
#include "cli/usage.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const delvora::ParseResult parsed = delvora::parseCommandLine(args);
  if (!parsed.ok()) {
    std::cerr << "delvora-cli: " << parsed.error << '\n';
    return delvora::kExitUsage;
  }
  if (parsed.options.showHelp) {
    std::cout << delvora::usageText();
    return delvora::kExitOk;
  }
  if (parsed.options.showVersion) {
    std::cout << delvora::versionText();
    return delvora::kExitOk;
  }
  return delvora::runCli(parsed.options, std::cout, std::cerr, ::isatty(STDERR_FILENO) != 0);
}
