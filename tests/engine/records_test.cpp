#include "engine/records.h"

#include <gtest/gtest.h>

#include "engine/record_list.h"

namespace delvora {
namespace {

TEST(Records, FeatureRecordIsSeventeenPaddedCharacters) {
  const std::string record = featureRecord({96, 160, 192, 224}, FeatureType::Room);
  EXPECT_EQ(record, "00960160019202241");
  const Feature back = parseFeature(record);
  EXPECT_EQ(back.rect, (Rect{96, 160, 192, 224}));
  EXPECT_EQ(back.type, FeatureType::Room);
}

TEST(Records, DoorRecordCarriesOrientationAndKind) {
  const std::string record = doorRecord({100, 62, 114, 69}, 'V', 'S');
  EXPECT_EQ(record, "0100006201140069VS");
  const DoorRecord door = parseDoor(record);
  EXPECT_EQ(door.tile, (Rect{100, 62, 114, 69}));
  EXPECT_EQ(door.orientation, 'V');
  EXPECT_EQ(door.kind, 'S');
  EXPECT_EQ(doorKey(door.tile), "1006211469");
}

TEST(Records, StairsRecordIsItsSixteenPixelSquare) {
  const std::string record = stairsRecord(32, 48);
  EXPECT_EQ(record, "0032004800480064");
  EXPECT_EQ(parseStairs(record), (Rect{32, 48, 48, 64}));
}

TEST(Records, ShortOrDamagedRecordsReadAsZeroesAndAnArchway) {
  const struct {
    const char* record;
    Rect rect;
    FeatureType type;
  } features[] = {
      {"", {0, 0, 0, 0}, FeatureType{0}},
      {"00960160019202", {96, 160, 192, 2}, FeatureType{0}},
      {"0096x160019202241", {96, 0, 192, 224}, FeatureType::Room},
  };
  for (const auto& c : features) {
    const Feature feature = parseFeature(c.record);
    EXPECT_EQ(feature.rect, c.rect) << '"' << c.record << '"';
    EXPECT_EQ(feature.type, c.type) << '"' << c.record << '"';
  }
  const DoorRecord cut = parseDoor("0100006201140069V");
  EXPECT_EQ(cut.tile, (Rect{100, 62, 114, 69}));
  EXPECT_EQ(cut.orientation, 'V');
  EXPECT_EQ(cut.kind, 'A');
  EXPECT_EQ(parseDoor("0100").orientation, 'H');
  EXPECT_EQ(parseStairs("00320048"), (Rect{32, 48, 0, 0}));
}

TEST(Records, FieldsOtherThanFourDigitsAreReadFieldByField) {
  // Values outside 0..9999 keep all their digits, so such records no longer line up; each field
  // is then read as its four characters say, as before the four-digit fast path.
  EXPECT_EQ(pad4(-16), "-16");
  EXPECT_EQ(pad4(12345), "12345");
  EXPECT_EQ(pad4(7), "0007");
  const std::string misaligned = featureRecord({-2, 16, 12345, 32}, FeatureType::Room);
  EXPECT_EQ(misaligned, "-200161234500321");
  EXPECT_EQ(parseFeature(misaligned).rect, (Rect{-200, 1612, 3450, 321}));
  EXPECT_EQ(parseFeature(misaligned).type, FeatureType{0});
  EXPECT_EQ(parseFeature(" 12 0034   500783").rect, (Rect{12, 34, 5, 78}));
  EXPECT_EQ(parseFeature(" 12 0034   500783").type, FeatureType::VerticalCorridor);
  EXPECT_EQ(parseDoor("0100x06201140069HN").tile, (Rect{100, 0, 114, 69}));
  EXPECT_EQ(doorRecord({-7, 62, 114, 69}, 'H', 'N'), "-7006201140069HN");
  EXPECT_EQ(stairsRecord(9990, 4), "9990000410006" + std::string("0020"));
}

TEST(Records, FieldValueTrimsAndRejectsGarbage) {
  EXPECT_EQ(fieldValue("7   "), 7);
  EXPECT_EQ(fieldValue("0096"), 96);
  EXPECT_EQ(fieldValue("12a"), 0);
  EXPECT_EQ(fieldValue(""), 0);
  EXPECT_EQ(recordField("abc", 3, 4), "c");
  EXPECT_EQ(recordField("abc", 4, 4), "");
}

TEST(SortedRecordList, OrdersNumericallyAndKeepsDuplicates) {
  SortedRecordList list;
  list.insert(featureRecord({16, 32, 48, 64}, FeatureType::Room));
  list.insert(featureRecord({16, 16, 900, 900}, FeatureType::VerticalCorridor));
  list.insert(featureRecord({0, 500, 32, 532}, FeatureType::HorizontalCorridor));
  list.insert(featureRecord({16, 32, 48, 64}, FeatureType::Room));
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0], "00000500003205322");
  EXPECT_EQ(list[1], "00160016090009003");
  EXPECT_EQ(list[2], list[3]);
}

TEST(SortedRecordList, OrdersLettersWithoutCase) {
  SortedRecordList list;
  list.insert("0002W");
  list.insert("0002e");
  list.insert("0001S");
  list.insert("0002E");
  EXPECT_EQ(list.records(), (std::vector<std::string>{"0001S", "0002e", "0002E", "0002W"}));
}

TEST(SortedRecordList, EraseKeepsTheOthersInOrder) {
  SortedRecordList list;
  for (const char* record : {"0003", "0001", "0004", "0002", "0001"}) list.insert(record);
  list.erase(2);  // sorted: 0001 0001 0002 0003 0004
  EXPECT_EQ(list.records(), (std::vector<std::string>{"0001", "0001", "0003", "0004"}));
  list.erase(0);
  EXPECT_EQ(list.insert("0002"), 1u);
  EXPECT_EQ(list.records(), (std::vector<std::string>{"0001", "0002", "0003", "0004"}));
  std::vector<std::string> walked(list.begin(), list.end());
  EXPECT_EQ(walked, list.records());
  list.clear();
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.insert("0009"), 0u);
}

}  // namespace
}  // namespace delvora
