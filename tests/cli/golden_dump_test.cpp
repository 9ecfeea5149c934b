// Whole dungeons compared against the dumps and the picture checksums kept in tests/cli/data:
// any change to a step, a draw, its order or a drawn pixel shows up here. Set
// DELVORA_UPDATE_GOLDEN=1 to rewrite the files after an intended change, and review the
// difference.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli_outputs.h"
#include "cli/cli_run.h"
#include "cli/command_line.h"
#include "tests/cli/golden_cases.h"
#include "tests/support/scratch_dir.h"

namespace delvora {
namespace {

using testing::GoldenCase;
using testing::kCases;

// The picture as one line: its size and the FNV-1a 64 hash of its RGB bytes, row by row.
std::string bitmapChecksum(const Bitmap& bitmap) {
  std::uint64_t hash = 14695981039346656037u;
  for (int y = 0; y < bitmap.height(); ++y) {
    const std::uint8_t* row = bitmap.row(y);
    for (std::size_t i = 0; i < static_cast<std::size_t>(bitmap.width()) * 3; ++i) {
      hash = (hash ^ row[i]) * 1099511628211u;
    }
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return std::to_string(bitmap.width()) + "x" + std::to_string(bitmap.height()) + " fnv1a64 " +
         hex + "\n";
}

TEST(GoldenDumps, BitmapChecksumIsFnv1aOfTheRgbBytes) {
  Bitmap bitmap(1, 1, colors::kBlack);
  // FNV-1a 64 of three zero bytes.
  EXPECT_EQ(bitmapChecksum(bitmap), "1x1 fnv1a64 d94d12186c0f2fb7\n");
  EXPECT_NE(bitmapChecksum(Bitmap(1, 1, colors::kWhite)), bitmapChecksum(bitmap));
  EXPECT_NE(bitmapChecksum(Bitmap(3, 1)), bitmapChecksum(Bitmap(1, 3)));
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
    Dungeon dungeon;
    ASSERT_TRUE(generateCliDungeon(parsed.options, dungeon, err)) << err.str();
    ASSERT_TRUE(writeCliOutputs(parsed.options, dungeon, out, err)) << err.str();
    const std::string checksum = bitmapChecksum(dungeon.picture());
    const std::filesystem::path dump = data / (std::string(c.name) + ".dump");
    const std::filesystem::path picture = data / (std::string(c.name) + ".bitmap");
    if (update) {
      std::ofstream(dump, std::ios::binary) << out.str();
      std::ofstream(picture, std::ios::binary) << checksum;
      continue;
    }
    const std::string expectedDump = testing::readBytes(dump.string());
    ASSERT_FALSE(expectedDump.empty()) << "missing " << dump;
    EXPECT_EQ(out.str(), expectedDump) << "dump of " << c.name << " changed";
    EXPECT_EQ(checksum, testing::readBytes(picture.string()))
        << "picture of " << c.name << " changed";
  }
}

}  // namespace
}  // namespace delvora
