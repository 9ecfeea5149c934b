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
  EXPECT_EQ(doorRecord({100, 62, 114, 69}, 'H', 'N'), "0100006201140069HN");
  EXPECT_EQ(parseDoorRect("0100006201140069HN"), (Rect{100, 62, 114, 69}));
  EXPECT_EQ(doorKey({100, 62, 114, 69}), "1006211469");
  EXPECT_EQ(stairsRecord(32, 48), "0032004800480064");
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

TEST(SortedRecordList, ComparesLettersWithoutCase) {
  EXPECT_EQ(compareNoCase("0001Nabc", "0001nABC"), 0);
  EXPECT_LT(compareNoCase("0001E", "0001n"), 0);
  EXPECT_LT(compareNoCase("0001", "00010"), 0);
  SortedRecordList list;
  list.insert("0002W");
  list.insert("0002E");
  list.insert("0001S");
  EXPECT_EQ(list.records(), (std::vector<std::string>{"0001S", "0002E", "0002W"}));
}

}  // namespace
}  // namespace delvora
