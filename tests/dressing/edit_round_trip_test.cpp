#include "dressing/edit_round_trip.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "dressing/report.h"
#include "files/atomic_file.h"
#include "tests/support/scratch_dir.h"

namespace delvora {
namespace {

struct RoundTrip : ::testing::Test {
  void SetUp() override {
    path = dir.file(kEditingFileName);
    for (DressingTable* table : tables.all()) table->entries = {"zero", "one", "two"};
    tables.FluffTreasure.entries = {"None found", "7 gems"};
    // Room 1 gets "one" everywhere but treasure, room 2 nothing but treasure "7 gems".
    model->lstFluff = {
        "1   0096016001920224"
        "0001000100010001"
        "00010000",
        "2   0200016003000224"
        "0000000000000000"
        "00000001"};
    model->lstDoorDress.insert("0001EN2001982051422056");
  }
  std::string write() {
    return saveTextFile(path, textFileBytes(buildEditingFile(*model, tables, settings)));
  }
  std::string fileText() { return testing::readBytes(path); }

  testing::ScratchDir dir;
  std::string path;
  std::unique_ptr<MapModel> model = std::make_unique<MapModel>();
  DressingTables tables;
  Settings settings;
};

TEST_F(RoundTrip, EditingFileLaysOutHeaderAndRooms) {
  settings.title = "Crypt";
  ASSERT_EQ(write(), "");
  EXPECT_EQ(fileText(),
            "[Dungeon]\r\nTitle=Crypt\r\nMapSize=800x600\r\nIterations=250\r\nRoomSize=Small\r\n"
            "Corridors=Straight\r\nMaxRoom=2\r\n\r\n"
            "Room=1   \r\nDescription=one\r\nSounds=one\r\nSmells=one\r\nItems=one\r\n"
            "Traps=one\r\nTreasure=None found\r\nDoor(s):\r\nE Wall - Wooden Door - Unlocked \r\n"
            "\r\n"
            "Room=2   \r\nDescription=zero\r\nSounds=zero\r\nSmells=zero\r\nItems=zero\r\n"
            "Traps=zero\r\nTreasure=7 gems\r\nDoor(s):\r\n\r\n");
}

TEST_F(RoundTrip, UnchangedFilePointsEveryRoomAtItsOwnTexts) {
  ASSERT_EQ(write(), "");
  ASSERT_EQ(ReWriteFluff(*model, tables, path), "");
  EXPECT_EQ(tables.FluffDesc.entries, (std::vector<std::string>{"one", "zero"}));
  EXPECT_EQ(tables.FluffTreasure.entries, (std::vector<std::string>{"None found", "7 gems"}));
  EXPECT_EQ(model->lstFluff[0], "1   0096016001920224000000000000000000000000");
  EXPECT_EQ(model->lstFluff[1], "2   0200016003000224000100010001000100010001");
  // A second trip gives the same result as one.
  const std::vector<std::string> once = model->lstFluff;
  ASSERT_EQ(write(), "");
  ASSERT_EQ(ReWriteFluff(*model, tables, path), "");
  EXPECT_EQ(model->lstFluff, once);
  EXPECT_EQ(tables.FluffDesc.entries, (std::vector<std::string>{"one", "zero"}));
}

TEST_F(RoundTrip, EditedLinesAreTrimmedAndWrongCaseKeysIgnored) {
  std::ofstream(path, std::ios::binary) << "Description=first line is skipped\nDescription=kept\n"
                                        << "  Description=  A damp cave  \r\n"
                                        << "description=lower case is ignored\r"
                                        << "Sounds=\r\n"
                                        << "Treasure=Gold";
  ASSERT_EQ(ReWriteFluff(*model, tables, path), "");
  // The line is trimmed, the text after the key is not.
  EXPECT_EQ(tables.FluffDesc.entries, (std::vector<std::string>{"kept", "  A damp cave"}));
  EXPECT_EQ(tables.FluffSounds.entries, (std::vector<std::string>{""}));
  EXPECT_TRUE(tables.FluffSmells.entries.empty());
  EXPECT_EQ(tables.FluffTreasure.entries, (std::vector<std::string>{"Gold"}));
}

TEST_F(RoundTrip, MissingFileKeepsTablesAndRecords) {
  const DressingTables before = tables;
  const std::vector<std::string> records = model->lstFluff;
  EXPECT_EQ(ReWriteFluff(*model, tables, path), "Cannot open file " + path);
  EXPECT_EQ(tables.FluffDesc.entries, before.FluffDesc.entries);
  EXPECT_EQ(tables.FluffTreasure.entries, before.FluffTreasure.entries);
  EXPECT_EQ(model->lstFluff, records);
}

TEST_F(RoundTrip, NoDressingGivesHeaderOnlyAndEmptyTables) {
  model->lstFluff.clear();
  ASSERT_EQ(write(), "");
  EXPECT_NE(fileText().find("MaxRoom=0\r\n\r\n"), std::string::npos);
  ASSERT_EQ(ReWriteFluff(*model, tables, path), "");
  for (const DressingTable* table : tables.all()) EXPECT_TRUE(table->entries.empty());
}

}  // namespace
}  // namespace delvora
