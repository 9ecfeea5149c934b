#include "cli/usage.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "dungeon/option_table.h"

namespace delvora {
namespace {

// --help is written from the option table: every option with its synopsis in its section, its
// accepted values and default, in lines of at most 100 columns.
TEST(Usage, ListsEveryOptionOfTheTableInItsSection) {
  const std::string help = usageText();
  std::size_t previous = 0;
  for (const OptionRow& row : optionTable()) {
    const std::string synopsis = std::string("\n  ").append(optionSynopsis(row)).append(" ");
    const std::size_t at = help.find(synopsis);
    ASSERT_NE(at, std::string::npos) << row.name;
    EXPECT_GT(at, previous) << row.name << " is out of the table's order";
    EXPECT_GT(at, help.find(std::string("\n").append(row.section))) << row.name;
    previous = at;
  }
  EXPECT_NE(help.find("(default 66205318)"), std::string::npos);
  EXPECT_NE(help.find("straight, twisty or very-twisty (default straight)"), std::string::npos);
  std::istringstream lines(help);
  for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 100u) << line;
}

}  // namespace
}  // namespace delvora
