#include "print/dressing_printout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "dressing/door_dressing.h"
#include "dressing/edit_round_trip.h"
#include "tests/support/scratch_dir.h"

namespace delvora {
namespace {

// Room record: number left-justified in 4, the rectangle, six 4-digit indexes.
std::string roomRecord(const std::string& number, const std::string& indexes) {
  std::string record = number;
  record.resize(4, ' ');
  return record + "0016003201120080" + indexes;
}

DressingTables smallTables() {
  DressingTables tables;
  int n = 0;
  for (DressingTable* table : tables.all()) {
    ++n;
    table->entries = {"Nothing " + std::to_string(n), "first " + std::to_string(n),
                      "second " + std::to_string(n)};
  }
  return tables;
}

std::vector<std::string> texts(const std::vector<PrintLine>& lines) {
  std::vector<std::string> out;
  for (const PrintLine& line : lines) out.push_back(line.text);
  return out;
}

TEST(DressingPrintLines, RoomBlocksLeaveOutEmptyCategories) {
  auto model = std::make_unique<MapModel>();
  model->lstFluff = {roomRecord("1", "000000000000000000000000"),
                     roomRecord("12", "000200000001000000000009")};
  const std::string door = "0012N" + std::string("N310") + "16323248";
  model->lstDoorDress.insert(door);
  model->lstDoorDress.insert("0001W" + std::string("A000") + "1632");
  const DressingTables tables = smallTables();
  const std::vector<PrintLine> lines = dressingPrintLines(*model, tables, "Delvora Demo - Crypt");
  const std::vector<std::string> expected = {
      "Delvora Demo - Crypt", "",
      // Room 1: every index 0.
      "Room 1   ", "Size (60x30)", "Door(s):", "  " + doorDescription(model->lstDoorDress[0]), "",
      // Room 12: description 2, smell 1, treasure past the table's end.
      "Room 12  ", "Size (60x30)", "Description", "  second 1", "Smells", "  first 3", "Treasure",
      "  ", "Door(s):", "  " + doorDescription(door), ""};
  EXPECT_EQ(texts(lines), expected);
  EXPECT_EQ(lines[0].points, kCaptionPoints);
  EXPECT_EQ(lines[1].points, kCaptionPoints);
  EXPECT_EQ(lines[2].points, kDressingPoints);
}

// A map made with encounters prints each room's encounter after its treasure, and leaves out an
// empty one like any other category.
TEST(DressingPrintLines, EncountersFollowTheTreasure) {
  auto model = std::make_unique<MapModel>();
  model->lstFluff = {roomRecord("1", "000000000000000000000001"),
                     roomRecord("2", "000000000000000000000000")};
  model->lstEncounters = {"00010002", "00020000"};
  DressingTables tables = smallTables();
  tables.Encounters.entries = {"Nothing here", "Two ogres", "A ghost"};
  const std::vector<std::string> expected = {"Delvora Demo - Crypt",
                                             "",
                                             "Room 1   ",
                                             "Size (60x30)",
                                             "Treasure",
                                             "  first 6",
                                             "Encounters",
                                             "  A ghost",
                                             "Door(s):",
                                             "",
                                             "Room 2   ",
                                             "Size (60x30)",
                                             "Door(s):",
                                             ""};
  EXPECT_EQ(texts(dressingPrintLines(*model, tables, "Delvora Demo - Crypt")), expected);
}

TEST(DressingPrintLines, NoRoomsGivesCaptionAndEmptyLine) {
  auto model = std::make_unique<MapModel>();
  const std::vector<std::string> expected = {"Delvora Demo - ", ""};
  EXPECT_EQ(texts(dressingPrintLines(*model, smallTables(), "Delvora Demo - ")), expected);
}

TEST(DressingPrintLines, AfterARoundTripIndexZeroIsShownUnlessEmpty) {
  auto model = std::make_unique<MapModel>();
  model->lstFluff = {roomRecord("1", "000000000000000000000000"),
                     roomRecord("2", "000100010001000100010009")};
  model->fluffEdited = true;
  DressingTables tables = smallTables();
  tables.FluffSounds.entries[0] = "";
  tables.FluffItems.entries[1] = "";
  const std::vector<std::string> expected = {"Caption",     "",
                                             "Room 1   ",   "Size (60x30)",
                                             "Description", "  Nothing 1",
                                             "Smells",      "  Nothing 3",
                                             "Items",       "  Nothing 4",
                                             "Traps",       "  Nothing 5",
                                             "Treasure",    "  Nothing 6",
                                             "Door(s):",    "",
                                             "Room 2   ",   "Size (60x30)",
                                             "Description", "  first 1",
                                             "Sounds",      "  first 2",
                                             "Smells",      "  first 3",
                                             "Traps",       "  first 5",
                                             "Door(s):",    ""};
  EXPECT_EQ(texts(dressingPrintLines(*model, tables, "Caption")), expected);
}

TEST(DressingPrintLines, RoundTripFlagIsSetByReWriteFluffAndClearedWithTheMap) {
  auto model = std::make_unique<MapModel>();
  model->lstFluff = {roomRecord("1", "000000000000000000000000")};
  DressingTables tables = smallTables();
  const testing::ScratchDir dir;
  const std::string path = dir.file("round_trip.txt");
  testing::writeBytes(path, "[Dungeon]\r\nRoom=1   \r\nDescription=A dusty hall\r\n");
  ASSERT_EQ(ReWriteFluff(*model, tables, path), "");
  EXPECT_TRUE(model->fluffEdited);
  const std::vector<std::string> expected = {
      "C", "", "Room 1   ", "Size (60x30)", "Description", "  A dusty hall", "Door(s):", ""};
  EXPECT_EQ(texts(dressingPrintLines(*model, tables, "C")), expected);
  model->clearMapLists();
  EXPECT_FALSE(model->fluffEdited);
}

// Characters 10 pixels wide; fonts 20 pixels high at every size.
TextMeasure fixedMeasure() {
  return {[](std::string_view text, int) { return static_cast<int>(text.size()) * 10; },
          [](int) { return 20; }};
}

TEST(DressingPrintLayout, LinesAdvanceByTheirPitchAndBreakPages) {
  // Page 200 high: after a text line at y the next is at y + 22; a new page begins when that
  // lies below 200 - 44 = 156.
  std::vector<PrintLine> lines(10, PrintLine{"abc"});
  lines[1].text = "";
  const PrintoutLayout layout = layoutPrintout(lines, 300, 200, fixedMeasure());
  const int expectedY[] = {0, 22, 42, 64, 86, 108, 130, 152, 0, 22};
  ASSERT_EQ(layout.lines.size(), 10u);
  for (std::size_t i = 0; i < 10; ++i) {
    EXPECT_EQ(layout.lines[i].y, expectedY[i]) << "line " << i;
    EXPECT_EQ(layout.lines[i].page, i < 8 ? 1 : 2) << "line " << i;
  }
  EXPECT_EQ(layout.pages, 2);
  EXPECT_EQ(layout.footerY, 180);
}

TEST(DressingPrintLayout, LongLinesWrapAtTheLastCharacterThatFits) {
  const std::vector<PrintLine> lines = {{"  A large rat-like hole is in one wall"}, {"x"}};
  const PrintoutLayout layout = layoutPrintout(lines, 150, 1000, fixedMeasure());
  ASSERT_EQ(layout.lines.size(), 4u);
  EXPECT_EQ(layout.lines[0].text, "  A large rat-l");
  EXPECT_EQ(layout.lines[1].text, "ike hole is in ");
  EXPECT_EQ(layout.lines[2].text, "one wall");
  EXPECT_EQ(layout.lines[2].y, 44);
  EXPECT_EQ(layout.lines[3].text, "x");
  // A page too narrow for one character still moves on a character a line.
  EXPECT_EQ(layoutPrintout({{"abc"}}, 5, 1000, fixedMeasure()).lines.size(), 3u);
}

TEST(DressingPrintLayout, ABreakAfterTheLastLineLeavesTheFooterAPageOfItsOwn) {
  const PrintoutLayout layout = layoutPrintout({{"a"}, {"b"}}, 100, 60, fixedMeasure());
  // 22 > 60 - 44: every line ends its page.
  EXPECT_EQ(layout.lines[1].page, 2);
  EXPECT_EQ(layout.pages, 3);
}

}  // namespace
}  // namespace delvora
