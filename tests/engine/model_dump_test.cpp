#include "engine/model_dump.h"

#include <gtest/gtest.h>

#include <memory>

namespace delvora {
namespace {

TEST(ModelDump, EmptyModelGivesEveryHeaderInOrder) {
  const auto model = std::make_unique<MapModel>();
  EXPECT_EQ(toString(*model),
            "[lstWalls]\n[lstCorridors]\n[lstDoors]\n[lstStairs]\n[lstFluff]\n[lstDoorDress]\n"
            "[lstEligable]\n[state]\nrandom=0\nfeatures=0\n");
}

TEST(ModelDump, RecordsAppearExactlyAsTheListsHoldThem) {
  const auto model = std::make_unique<MapModel>();
  model->lstWalls.insert("00960160019202241");
  model->lstWalls.insert("00160016009600961");
  model->lstCorridors.push_back("01920176028801922");
  model->lstDoors.insert("018401760191019 0");
  model->lstStairs = {"0032003200480048"};
  model->lstFluff = {"7   0096016001920224  trailing  "};
  model->lstDoorDress.insert("0007 L   0184176191190");
  model->lstEligable = {"01920176028801922"};
  model->random.setState(4294967295u);
  model->state.featureCount = 12;
  EXPECT_EQ(toString(*model),
            "[lstWalls]\n00160016009600961\n00960160019202241\n"
            "[lstCorridors]\n01920176028801922\n"
            "[lstDoors]\n018401760191019 0\n"
            "[lstStairs]\n0032003200480048\n"
            "[lstFluff]\n7   0096016001920224  trailing  \n"
            "[lstDoorDress]\n0007 L   0184176191190\n"
            "[lstEligable]\n01920176028801922\n"
            "[state]\nrandom=4294967295\nfeatures=12\n");
}

}  // namespace
}  // namespace delvora
