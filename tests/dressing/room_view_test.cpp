#include "dressing/room_view.h"

#include <gtest/gtest.h>

#include "dressing_test_support.h"
#include "engine/dressing_records.h"

namespace delvora {
namespace {

DressingTables namedTables() {
  DressingTables tables;
  for (DressingTable* table : tables.all()) table->entries = {"zero", "one", "two"};
  return tables;
}

TEST(RoomDressingView, NumberSizeAndEntries) {
  const auto model = testing::emptyModel();
  const DressingTables tables = namedTables();
  // 100 x 30 pixels; the sounds index lies past its table, the treasure index is 0.
  const RoomDressingView view =
      roomDressingView(*model, tables, {12, {200, 32, 300, 62}, {1, 7, 2, 0, 1, 0}});
  EXPECT_EQ(view.label, "12  ");
  EXPECT_EQ(view.sizeText(), "(62x18)");
  const std::array<std::optional<std::string_view>, 6> texts = {"one",  std::nullopt, "two",
                                                                "zero", "one",        "zero"};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(view.categories[i].text, texts[i]) << "category " << i;
  }
  EXPECT_EQ(view.categories[1].index, 7);
  EXPECT_EQ(view.categories[5].index, 0);
  EXPECT_TRUE(view.doors.empty());
}

TEST(RoomDressingView, DoorsAreTheRoomsOwnInListOrder) {
  auto model = testing::emptyModel();
  // Rooms 1, 10, 100 and 1000 share the digits of their numbers; only room 1's doors count.
  model->lstDoorDress.insert("0001WN7110010");
  model->lstDoorDress.insert("0010EN2000020");
  model->lstDoorDress.insert("0100EN2000030");
  model->lstDoorDress.insert("1000EN2000040");
  model->lstDoorDress.insert("0001NC0000050");
  model->lstDoorDress.insert("0002SA0210060");
  const DressingTables tables = namedTables();
  const RoomDressingView first = roomDressingView(*model, tables, {1, {96, 160, 192, 208}, {}});
  EXPECT_EQ(first.doors, (std::vector<std::string>{"N Wall - Concealed Archway ",
                                                   "W Wall - Iron Door - Trapped - Locked "}));
  const RoomDressingView thousandth =
      roomDressingView(*model, tables, {1000, {96, 160, 192, 208}, {}});
  EXPECT_EQ(thousandth.label, "1000");
  EXPECT_EQ(thousandth.doors, (std::vector<std::string>{"E Wall - Wooden Door - Unlocked "}));
}

}  // namespace
}  // namespace delvora
