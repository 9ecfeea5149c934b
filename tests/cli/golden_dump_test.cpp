// Whole dungeons compared against dumps kept in tests/cli/data: any change to a step, a draw or
// its order shows up here. Set DELVORA_UPDATE_GOLDEN=1 to rewrite the files after an intended
// change, and review the difference.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/cli_run.h"
#include "cli/command_line.h"

namespace delvora {
namespace {

struct GoldenCase {
  const char* name;
  std::vector<std::string> arguments;
};

const GoldenCase kCases[] = {
    {"defaults", {}},
    {"tiny_twisty_stairs",
     {"--seed", "7", "--room-size", "tiny", "--corridors", "twisty", "--stairs", "5", "--map-size",
      "640x480"}},
    {"large_very_twisty",
     {"--seed", "4242", "--map-size", "1280x1024", "--iterations", "3000", "--room-size", "large",
      "--corridors", "very-twisty", "--stairs", "10", "--river", "--chasm", "--dress-roll", "6",
      "--dead-ends", "some,few"}},
    {"no_snap_file_dressing",
     {"--seed", "99", "--no-snap", "--concealed", "20", "--secret", "20", "--no-internal-dressing",
      "--dress-roll", "3", "--no-corridor-stairs", "--stairs", "3", "--dead-ends", "few"}},
    {"numbers_without_dressing",
     {"--seed", "123456", "--no-dressing", "--map-size", "1024x768", "--room-size", "medium",
      "--stairs", "2"}},
};

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(GoldenDumps, DungeonsStayExactlyAsRecorded) {
  const std::filesystem::path data = DELVORA_TEST_DATA;
  const bool update = std::getenv("DELVORA_UPDATE_GOLDEN") != nullptr;
  for (const GoldenCase& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> arguments = c.arguments;
    arguments.insert(arguments.end(),
                     {"--dressing-dir", (data / "dressing").string(), "--dump", "-"});
    const ParseResult parsed = parseCommandLine(arguments);
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runCli(parsed.options, out, err), kExitOk) << err.str();
    const std::filesystem::path golden = data / (std::string(c.name) + ".dump");
    if (update) {
      std::ofstream(golden, std::ios::binary) << out.str();
      continue;
    }
    const std::string expected = readFile(golden);
    ASSERT_FALSE(expected.empty()) << "missing " << golden;
    EXPECT_EQ(out.str(), expected) << "dump of " << c.name << " changed";
  }
}

}  // namespace
}  // namespace delvora
