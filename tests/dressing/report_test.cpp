#include "dressing/report.h"
#include "files/atomic_file.h"

#include <gtest/gtest.h>

#include "dressing_test_support.h"

namespace delvora {
namespace {

using testing::readBytes;
using testing::ScratchDir;
using testing::writeBytes;

DressingTables smallTables() {
  DressingTables tables;
  const char* names[] = {"desc", "sound", "smell", "item", "trap", "treasure"};
  const auto all = tables.all();
  for (std::size_t i = 0; i < all.size(); ++i) {
    for (int e = 0; e < 3; ++e) all[i]->entries.push_back(testing::numbered(names[i], e));
    all[i]->boundary = 2;
  }
  return tables;
}

std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += item + "\r\n";
  return text;
}

TEST(DressingReport, LayoutByteForByte) {
  auto model = testing::emptyModel();
  // Room 1: 96 x 48 pixels; room 12: 100 x 30 pixels, with an index beyond its table.
  model->lstFluff.push_back("1   0096016001920208000100020000000100020000");
  model->lstFluff.push_back("12  0200003203000062000200010002000000090001");
  model->lstDoorDress.insert("0001WN7110010");
  model->lstDoorDress.insert("0001NC0000010");
  model->lstDoorDress.insert("0012EA0210020");
  model->lstDoorDress.insert("0120EN2000030");
  const std::string expected =
      "My Dungeon\r\n\r\n"
      "Room 1   \r\n"
      "Size           (60x30)\r\n"
      "Description    desc1\r\n"
      "Sounds         sound2\r\n"
      "Smells         smell0\r\n"
      "Items          item1\r\n"
      "Traps          trap2\r\n"
      "Treasure       treasure0\r\n"
      "Door(s):       \r\n"
      "N Wall - Concealed Archway \r\n"
      "W Wall - Iron Door - Trapped - Locked \r\n"
      "\r\n"
      "Room 12  \r\n"
      "Size           (62x18)\r\n"
      "Description    desc2\r\n"
      "Sounds         sound1\r\n"
      "Smells         smell2\r\n"
      "Items          item0\r\n"
      "Traps          \r\n"
      "Treasure       treasure1\r\n"
      "Door(s):       \r\n"
      "E Wall - Archway - Trapped \r\n"
      "\r\n";
  const std::vector<std::string> items = buildDressingReport(*model, smallTables(), "My Dungeon");
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(joined(items), expected);
}

TEST(DressingReport, EmptyTitleAndNoRooms) {
  auto model = testing::emptyModel();
  EXPECT_EQ(joined(buildDressingReport(*model, smallTables(), "")), "\r\n\r\n");
}

TEST(DressingReport, RoomWithoutDoorsEndsWithDoorLine) {
  auto model = testing::emptyModel();
  model->lstFluff.push_back("3   0096016001920208000000000000000000000000");
  const std::vector<std::string> items = buildDressingReport(*model, smallTables(), "t");
  ASSERT_EQ(items.size(), 2u);
  EXPECT_TRUE(items[1].ends_with("Treasure       treasure0\r\nDoor(s):       \r\n")) << items[1];
}

TEST(TextFile, WritesEveryItemWithCrLf) {
  ScratchDir dir;
  const std::string path = dir.file("report.txt");
  writeBytes(path, "old contents that are longer than the new ones");
  EXPECT_EQ(saveTextFile(path, textFileBytes({"first\r\n", "", "last"})), "");
  EXPECT_EQ(readBytes(path), "first\r\n\r\n\r\nlast\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1)
      << "no temporary file left behind";
}

TEST(TextFile, FailureNamesTheFileAndKeepsWhatWasThere) {
  ScratchDir dir;
  const std::string missingDir = dir.file("no-such-dir/report.txt");
  EXPECT_EQ(saveTextFile(missingDir, textFileBytes({"x"})), "Cannot create file " + missingDir);

  // A directory in the way cannot be replaced by a file; it stays with its contents.
  const std::string blocked = dir.file("blocked");
  std::filesystem::create_directory(blocked);
  writeBytes(blocked + "/inside.txt", "keep");
  EXPECT_EQ(saveTextFile(blocked, textFileBytes({"x"})), "Cannot create file " + blocked);
  EXPECT_EQ(readBytes(blocked + "/inside.txt"), "keep");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1)
      << "no temporary file left behind";
}

TEST(TextFile, UnwritableFolderKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "folder permissions do not apply to root";
  ScratchDir dir;
  const std::string path = dir.file("report.txt");
  writeBytes(path, "old");
  std::filesystem::permissions(
      dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_EQ(saveTextFile(path, textFileBytes({"new"})), "Cannot create file " + path);
  EXPECT_EQ(readBytes(path), "old");
}

}  // namespace
}  // namespace delvora
