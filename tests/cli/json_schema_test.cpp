// delvora-cli --export-json checked against docs/dungeon.schema.json with python3-jsonschema, for
// the option sets of the golden files and a few more that reach the document's rarer shapes.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_outputs.h"
#include "cli/cli_run.h"
#include "cli/command_line.h"
#include "tests/cli/golden_cases.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/shell_quote.h"

namespace delvora {
namespace {

namespace fs = std::filesystem;

// Where the golden sets leave off: one room and no door, no numbers with clean-ups, text that
// is not UTF-8 (a Latin-1 title), every band and kind of door at once, several levels.
const testing::GoldenCase kMoreCases[] = {
    {"one_attempt", {"--iterations", "1"}},
    {"no_numbers_cleaned", {"--seed", "3", "--no-number-rooms", "--dead-ends", "few", "--river"}},
    {"latin1_title", {"--seed", "5", "--title", "Caf\xe9 of the Lost", "--chasm"}},
    {"everything",
     {"--seed", "77", "--map-size", "640x480", "--stairs", "10", "--river", "--chasm",
      "--concealed", "20", "--secret", "20", "--dress-roll", "6", "--dead-ends", "some",
      "--no-snap", "--room-size", "medium"}},
    {"three_levels",
     {"--seed", "9", "--levels", "3", "--stairs", "5", "--dead-ends", "some", "--river"}},
};

using testing::shellQuoted;

// Writes the case's document through the command line's outputs; the file's path.
std::string writeCaseJson(const testing::GoldenCase& c, const fs::path& dir) {
  const std::string path = (dir / (std::string(c.name) + ".json")).string();
  std::vector<std::string> arguments = c.arguments;
  arguments.insert(arguments.end(), {"--dressing-dir", std::string(DELVORA_TEST_DATA) + "/dressing",
                                     "--export-json", path});
  const ParseResult parsed = parseCommandLine(arguments);
  EXPECT_TRUE(parsed.ok()) << c.name << ": " << parsed.error;
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(runCli(parsed.options, out, err), kExitOk) << c.name << ": " << err.str();
  return path;
}

TEST(DungeonJsonSchema, EveryGoldenOptionSetGivesAValidDocument) {
  const testing::ScratchDir dir;
  std::string command = shellQuoted(DELVORA_PYTHON);
  command.append(" ").append(shellQuoted(DELVORA_VALIDATOR));
  command.append(" ").append(shellQuoted(DELVORA_SCHEMA));
  for (const testing::GoldenCase& c : testing::kCases) {
    command.append(" ").append(shellQuoted(writeCaseJson(c, dir.path())));
  }
  for (const testing::GoldenCase& c : kMoreCases) {
    command.append(" ").append(shellQuoted(writeCaseJson(c, dir.path())));
  }
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status)) << command;
  if (WEXITSTATUS(status) == 77) {
    GTEST_SKIP() << "python3-jsonschema is not installed (scripts/install-deps.sh installs it)";
  }
  if (WEXITSTATUS(status) == 127) GTEST_SKIP() << "python3 is not installed";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the documents above the test's name break the schema";
}

}  // namespace
}  // namespace delvora
