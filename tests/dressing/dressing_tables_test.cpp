#include "dressing/dressing_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "dressing/dressing_file.h"
#include "dressing_test_support.h"

namespace delvora {
namespace {

using testing::ScratchDir;
using testing::writeBytes;

LoadResult loadFrom(DressingTables& tables, const std::string& dir, std::uint32_t seed = 1) {
  RandomSource random(seed);
  return AddFluff(tables, random, dir);
}

TEST(DressingTables, BuiltInSizesAndBoundaries) {
  ScratchDir empty;
  DressingTables tables;
  ASSERT_TRUE(loadFrom(tables, empty.path().string()).ok());
  const std::array<std::size_t, 6> sizes = {36, 34, 30, 52, 52, 56};
  const auto all = tables.all();
  for (std::size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(all[i]->entries.size(), sizes[i]) << "table " << i;
    EXPECT_EQ(all[i]->boundary, static_cast<int>(sizes[i]) - 1) << "table " << i;
  }
}

TEST(DressingTables, BuiltInTextsAsStored) {
  ScratchDir empty;
  DressingTables tables;
  ASSERT_TRUE(loadFrom(tables, empty.path().string()).ok());
  EXPECT_EQ(tables.FluffDesc.entries[0], "Nothing unusual");
  EXPECT_EQ(tables.FluffDesc.entries[35],
            "Two stone pillars carved as female warriors flank the doorway");
  EXPECT_EQ(tables.FluffSounds.entries[33], "A distant sobbing");
  EXPECT_EQ(tables.FluffSmells.entries[25], "The harsh scent of amonia");
  EXPECT_EQ(tables.FluffItems.entries[15], "A smashed bulls-eye latern");
  EXPECT_EQ(tables.FluffTraps.entries[0], "None found");
  EXPECT_EQ(tables.FluffTraps.entries[40],
            "A large sign reads \"Do not press this button\". Beneath it is a large blue button");
  EXPECT_EQ(tables.FluffTraps.entries[41],
            "A large chest marked \"Do not open this chest\". The chest is filled with poison gas");
  EXPECT_EQ(tables.FluffTreasure.entries[0], "None found");
  EXPECT_EQ(tables.FluffTreasure.entries[55], "A 100lb lump of silver");
}

// The quantity entries in the order their draws are made.
struct QuantityCase {
  const DressingTable DressingTables::*table;
  std::size_t index;
  int range;
  const char* before;
  const char* after;
};

const QuantityCase kQuantities[] = {
    {&DressingTables::FluffItems, 3, 24, "", " human fingerbones, apparently chewed off"},
    {&DressingTables::FluffItems, 9, 12, "", " yellowed human teeth carved with arcane symbols"},
    {&DressingTables::FluffItems, 13, 6, "", " feet of rope, fairly new"},
    {&DressingTables::FluffItems, 17, 12, "",
     " links of rusty chain. There are teeth marks on them"},
    {&DressingTables::FluffItems, 21, 24, "An area of rubble (possibly a rockfall). ",
     " pieces of rock are handsized"},
    {&DressingTables::FluffItems, 49, 11, "", " arrows"},
    {&DressingTables::FluffTreasure, 3, 19, "", " silver arrows"},
    {&DressingTables::FluffTreasure, 4, 5999, "", " copper pieces"},
    {&DressingTables::FluffTreasure, 6, 49, "", " feet of silk rope"},
    {&DressingTables::FluffTreasure, 7, 5, "", " bottles of fine wine"},
    {&DressingTables::FluffTreasure, 16, 2499, "", " silver pieces"},
    {&DressingTables::FluffTreasure, 23, 5, "", "x 50 gallon barrels of ale"},
    {&DressingTables::FluffTreasure, 28, 1499, "", " electrum pieces"},
    {&DressingTables::FluffTreasure, 38, 499, "", " gold pieces"},
    {&DressingTables::FluffTreasure, 45, 24, "", " gems"},
    {&DressingTables::FluffTreasure, 49, 4, "", " pieces of jewelry"},
    {&DressingTables::FluffTreasure, 51, 2, "", " paintings on canvas"},
};

TEST(DressingTables, SeventeenQuantityDrawsInTableOrder) {
  ScratchDir empty;
  for (const std::uint32_t seed : {0u, 66205318u, 4294967295u, 12345u}) {
    DressingTables tables;
    RandomSource random(seed);
    ASSERT_TRUE(AddFluff(tables, random, empty.path().string()).ok());
    RandomSource replay(seed);
    for (const QuantityCase& q : kQuantities) {
      const std::string expected =
          testing::numbered(q.before, replay.Random(q.range) + 1) + q.after;
      EXPECT_EQ((tables.*q.table).entries[q.index], expected) << "seed " << seed;
    }
    EXPECT_EQ(random.state(), replay.state()) << "seed " << seed << ": not exactly 17 draws";
  }
}

struct ParseCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> entries;
};

TEST(DressingFile, ParsesLinesCommentsAndLineEnds) {
  const ParseCase cases[] = {
      {"padding, comment, blank",
       "  padded text\t\r\n/* comment\r\n\r\nsecond\r\n",
       {"padded text", "", "second"}},
      {"comment only after trim", "   /* still a comment\r\nx", {"x"}},
      {"comment marker mid-line", "text /* not a comment\r\n", {"text /* not a comment"}},
      {"trailing CR LF adds nothing", "a\r\nb\r\n", {"a", "b"}},
      {"no final line end", "a\r\nb", {"a", "b"}},
      {"LF only", "a\nb\n", {"a", "b"}},
      {"CR only", "a\rb\r", {"a", "b"}},
      {"mixed ends", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"blank lines kept", "a\n\n\nb", {"a", "", "", "b"}},
      {"one empty line", "\r\n", {""}},
      {"empty file", "", {}},
      {"BOM dropped",
       "\xEF\xBB\xBF"
       "first\r\n",
       {"first"}},
      {"BOM then comment", "\xEF\xBB\xBF/* c\r\nx", {"x"}},
      {"half BOM is text", "\xEF\xBBz", {"\xEF\xBBz"}},
      {"high bytes kept", "caf\xE9 \x01\r\n", {"caf\xE9"}},
      {"inner control bytes kept",
       "a\tb\x01"
       "c",
       {"a\tb\x01"
        "c"}},
  };
  for (const ParseCase& c : cases) {
    // Whole, and one byte at a time so that CR LF pairs and the BOM straddle chunks.
    for (const bool byteWise : {false, true}) {
      DressingFileParser parser;
      if (byteWise) {
        for (const char b : c.bytes) parser.feed(std::string_view(&b, 1));
      } else {
        parser.feed(c.bytes);
      }
      parser.finish();
      EXPECT_EQ(parser.takeEntries(), c.entries) << c.name << (byteWise ? " (byte-wise)" : "");
    }
    // The web page's count of a chosen file is the loader's, blank lines included.
    const DressingFileCount count = countDressingEntries(c.bytes);
    EXPECT_EQ(count.entries, c.entries.size()) << c.name;
    EXPECT_EQ(count.empty,
              static_cast<std::size_t>(std::count(c.entries.begin(), c.entries.end(), "")))
        << c.name;
  }
}

TEST(DressingTables, FileEntriesFollowBuiltIns) {
  ScratchDir dir;
  writeBytes(dir.file("Descriptions.txt"), "  padded  \r\n/* note\r\n\r\nsecond\r\n");
  writeBytes(dir.file("Treasure.txt"), "gold text /* here\r\n");
  DressingTables tables;
  ASSERT_TRUE(loadFrom(tables, dir.path().string()).ok());
  ASSERT_EQ(tables.FluffDesc.entries.size(), 39u);
  EXPECT_EQ(tables.FluffDesc.boundary, 35);
  EXPECT_EQ(tables.FluffDesc.entries[36], "padded");
  EXPECT_EQ(tables.FluffDesc.entries[37], "");
  EXPECT_EQ(tables.FluffDesc.entries[38], "second");
  ASSERT_EQ(tables.FluffTreasure.entries.size(), 57u);
  EXPECT_EQ(tables.FluffTreasure.entries[56], "gold text /* here");
  EXPECT_EQ(tables.FluffSounds.entries.size(), 34u);
}

TEST(DressingTables, FileNamesMatchWithoutLetterCase) {
  ScratchDir dir;
  writeBytes(dir.file("descriptions.TXT"), "lower\r\n");
  writeBytes(dir.file("SOUNDS.txt"), "upper\r\n");
  writeBytes(dir.file("Smells.txt"), "exact\r\n");
  writeBytes(dir.file("smells.txt"), "other\r\n");
  writeBytes(dir.file("items.txt"), "later in byte order\r\n");
  writeBytes(dir.file("ITEMS.TXT"), "first in byte order\r\n");
  DressingTables tables;
  ASSERT_TRUE(loadFrom(tables, dir.path().string()).ok());
  EXPECT_EQ(tables.FluffDesc.entries.back(), "lower");
  EXPECT_EQ(tables.FluffSounds.entries.back(), "upper");
  ASSERT_EQ(tables.FluffSmells.entries.size(), 31u) << "only one of the two smells files";
  EXPECT_EQ(tables.FluffSmells.entries.back(), "exact");
  EXPECT_EQ(tables.FluffItems.entries.back(), "first in byte order");
}

TEST(DressingTables, DirectoryNamedLikeAFileIsIgnored) {
  ScratchDir dir;
  std::filesystem::create_directory(dir.path() / "Items.txt");
  DressingTables tables;
  EXPECT_TRUE(loadFrom(tables, dir.path().string()).ok());
  EXPECT_EQ(tables.FluffItems.entries.size(), 52u);
}

TEST(DressingTables, UnusableDirectoryFallsBackToWorkingDirectory) {
  ScratchDir work;
  writeBytes(work.file("Sounds.txt"), "from the working directory\n");
  writeBytes(work.file("plain-file"), "");
  const testing::WorkingDirGuard guard(work.path());
  for (const std::string& dir :
       {(work.path() / "missing").string(), work.file("plain-file"), std::string()}) {
    DressingTables tables;
    const LoadResult result = loadFrom(tables, dir);
    EXPECT_TRUE(result.ok()) << dir << ": " << result.error;
    EXPECT_TRUE(result.warnings.empty()) << dir;
    ASSERT_EQ(tables.FluffSounds.entries.size(), 35u) << dir;
    EXPECT_EQ(tables.FluffSounds.entries.back(), "from the working directory");
  }
  EXPECT_EQ(std::filesystem::current_path(), work.path()) << "the load changed directory";
}

TEST(DressingTables, AtMostTenThousandEntriesPerTable) {
  ScratchDir dir;
  // 36 built-in descriptions + 9964 lines fill the table exactly; traps get one line more.
  std::string exact;
  for (int i = 0; i < 9964; ++i) exact += testing::numbered("d", i) + "\r\n";
  writeBytes(dir.file("Descriptions.txt"), exact + "/* comments past the limit are fine\r\n");
  std::string over;
  for (int i = 0; i < 9949; ++i) over += testing::numbered("t", i) + "\r\n";
  writeBytes(dir.file("Traps.txt"), over);
  DressingTables tables;
  const LoadResult result = loadFrom(tables, dir.path().string());
  EXPECT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(tables.FluffDesc.entries.size(), 10000u);
  EXPECT_EQ(tables.FluffDesc.entries.back(), "d9963");
  EXPECT_EQ(tables.FluffTraps.entries.size(), 10000u);
  EXPECT_EQ(tables.FluffTraps.entries.back(), "t9947");
  ASSERT_EQ(result.warnings.size(), 1u);
  EXPECT_NE(result.warnings[0].find("Traps.txt"), std::string::npos) << result.warnings[0];
  EXPECT_EQ(tables.FluffTreasure.entries.size(), 56u) << "the load goes on after a warning";
}

TEST(DressingTables, UnopenableFileStopsTheLoad) {
  ScratchDir dir;
  writeBytes(dir.file("Descriptions.txt"), "kept\r\n");
  std::filesystem::create_symlink(dir.path() / "nowhere", dir.path() / "Smells.txt");
  DressingTables tables;
  RandomSource random(5);
  const LoadResult result = AddFluff(tables, random, dir.path().string());
  EXPECT_EQ(result.error, "Cannot open file " + dir.file("Smells.txt"));
  EXPECT_EQ(tables.FluffDesc.entries.back(), "kept");
  EXPECT_EQ(tables.FluffSmells.entries.size(), 30u) << "built-ins of the failing table stay";
  EXPECT_TRUE(tables.FluffItems.entries.empty()) << "tables after the failure are not loaded";
  EXPECT_EQ(random.state(), RandomSource(5).state()) << "no quantity draws were reached";
}

TEST(DressingTables, UnreadableFileStopsTheLoad) {
  if (geteuid() == 0) GTEST_SKIP() << "file permissions do not apply to root";
  ScratchDir dir;
  writeBytes(dir.file("Items.txt"), "secret\r\n");
  std::filesystem::permissions(dir.file("Items.txt"), std::filesystem::perms::none);
  DressingTables tables;
  const LoadResult result = loadFrom(tables, dir.path().string());
  EXPECT_EQ(result.error, "Cannot open file " + dir.file("Items.txt"));
}

TEST(DressingTables, ReloadReplacesEverything) {
  ScratchDir dir;
  writeBytes(dir.file("Items.txt"), "one\r\n");
  DressingTables tables;
  ASSERT_TRUE(loadFrom(tables, dir.path().string()).ok());
  ASSERT_TRUE(loadFrom(tables, dir.path().string()).ok());
  EXPECT_EQ(tables.FluffItems.entries.size(), 53u);
  EXPECT_EQ(tables.FluffItems.boundary, 51);
}

}  // namespace
}  // namespace delvora
