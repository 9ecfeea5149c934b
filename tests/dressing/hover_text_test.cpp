#include "dressing/hover_text.h"

#include <gtest/gtest.h>

#include <memory>

namespace delvora {
namespace {

struct Hover : ::testing::Test {
  void SetUp() override {
    model->grid.clear(800, 600);
    model->grid.mark(96, 160, 192, 224);   // room 7: 96 x 64
    model->grid.mark(192, 176, 300, 192);  // a corridor
    for (DressingTable* table : tables.all()) table->entries = {"Nothing unusual", "Damp"};
    tables.FluffTraps.entries = {"None found"};
    model->lstFluff = {"7   0096016001920224000100000001000000050000"};
    model->lstDoorDress.insert("0007EC21019817820518");
    model->lstDoorDress.insert("0008WC21019817820518");
  }
  std::unique_ptr<MapModel> model = std::make_unique<MapModel>();
  DressingTables tables;
};

TEST_F(Hover, RoomShowsNumberSizeDressingAndDoors) {
  const HoverText hover = hoverText(*model, tables, 100, 170);
  EXPECT_TRUE(hover.overFeature);
  EXPECT_EQ(hover.text,
            "Room 7   \rSize  (60x40)\rDescription\r  Damp\rSounds\r  Nothing unusual\rSmells\r"
            "  Damp\rItems\r  Nothing unusual\rTraps\r  None found\rTreasure\r  Nothing unusual\r"
            "Door(s)\r E Wall - Concealed Wooden Door - Locked \r");
}

TEST_F(Hover, IndexPastItsTableShowsTheCategorysEmptyText) {
  for (DressingTable* table : tables.all()) table->entries.clear();
  EXPECT_EQ(hoverText(*model, tables, 100, 170).text,
            "Room 7   \rSize  (60x40)\rDescription\r  Nothing unusual\rSounds\r  Nothing unusual\r"
            "Smells\r  Nothing unusual\rItems\r  Nothing unusual\rTraps\r  None found\rTreasure\r"
            "  None found\rDoor(s)\r E Wall - Concealed Wooden Door - Locked \r");
}

TEST_F(Hover, OutlinePixelsBelongToTheRoom) {
  EXPECT_FALSE(hoverText(*model, tables, 192, 224).text.empty());
  EXPECT_FALSE(hoverText(*model, tables, 96, 160).text.empty());
}

TEST_F(Hover, CorridorIsCoveredButSilentAndRockSwitchesOff) {
  const HoverText corridor = hoverText(*model, tables, 250, 180);
  EXPECT_TRUE(corridor.overFeature);
  EXPECT_TRUE(corridor.text.empty());
  const HoverText rock = hoverText(*model, tables, 500, 500);
  EXPECT_FALSE(rock.overFeature);
  EXPECT_TRUE(rock.text.empty());
}

TEST_F(Hover, EarlierRecordWinsWhereRoomsShareAWall) {
  model->grid.mark(192, 160, 288, 224);
  model->lstFluff.push_back("8   0192016002880224000000000000000000000000");
  EXPECT_EQ(hoverText(*model, tables, 192, 200).text.substr(0, 9), "Room 7   ");
  EXPECT_EQ(hoverText(*model, tables, 200, 200).text.substr(0, 9), "Room 8   ");
}

}  // namespace
}  // namespace delvora
