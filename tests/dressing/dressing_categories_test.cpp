#include "dressing/dressing_categories.h"

#include <gtest/gtest.h>

#include "dressing/edit_round_trip.h"
#include "dressing_test_support.h"

namespace delvora {
namespace {

using testing::ScratchDir;
using testing::writeBytes;

TEST(DressingCategories, EachFileExtendsItsOwnTable) {
  for (std::size_t i = 0; i < kDressingCategories.size(); ++i) {
    const DressingCategory& category = kDressingCategories[i];
    ScratchDir dir;
    writeBytes(dir.file(std::string(category.fileName)), "mark\r\n");
    DressingTables tables;
    RandomSource random(1);
    ASSERT_TRUE(AddFluff(tables, random, dir.path().string()).ok()) << category.fileName;
    for (const DressingCategory& other : kDressingCategories) {
      const DressingTable& table = tables.*other.table;
      EXPECT_EQ(table.entries.back() == "mark", &other == &category)
          << category.fileName << " read into the table of " << other.fileName;
    }
    // Where an index runs past the table, the hover shows the empty-category entry.
    EXPECT_EQ((tables.*category.table).entries.front(), category.emptyText) << category.fileName;
  }
}

TEST(DressingCategories, EachEditKeyFillsItsOwnTable) {
  ScratchDir dir;
  const std::string path = dir.file(kEditingFileName);
  std::string file = "[Dungeon]\r\n";
  for (const DressingCategory& category : kDressingCategories) {
    file += std::string(category.editKey) + std::string(category.caption) + "\r\n";
  }
  writeBytes(path, file);
  auto model = testing::emptyModel();
  DressingTables tables;
  ASSERT_EQ(ReWriteFluff(*model, tables, path), "");
  for (const DressingCategory& category : kDressingCategories) {
    EXPECT_EQ((tables.*category.table).entries,
              (std::vector<std::string>{std::string(category.caption)}))
        << category.editKey;
  }
}

}  // namespace
}  // namespace delvora
