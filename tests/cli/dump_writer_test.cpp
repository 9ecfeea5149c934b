#include "cli/dump_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

namespace delvora {
namespace {

TEST(DumpWriter, EmptyModelGivesEveryHeaderInOrder) {
  const auto model = std::make_unique<MapModel>();
  EXPECT_EQ(formatDump(*model),
            "[lstWalls]\n[lstCorridors]\n[lstDoors]\n[lstStairs]\n[lstFluff]\n[lstDoorDress]\n"
            "[lstEligable]\n[state]\nrandom=0\nfeatures=0\n");
}

TEST(DumpWriter, RecordsAppearExactlyAsTheListsHoldThem) {
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
  EXPECT_EQ(formatDump(*model),
            "[lstWalls]\n00160016009600961\n00960160019202241\n"
            "[lstCorridors]\n01920176028801922\n"
            "[lstDoors]\n018401760191019 0\n"
            "[lstStairs]\n0032003200480048\n"
            "[lstFluff]\n7   0096016001920224  trailing  \n"
            "[lstDoorDress]\n0007 L   0184176191190\n"
            "[lstEligable]\n01920176028801922\n"
            "[state]\nrandom=4294967295\nfeatures=12\n");
}

TEST(DumpWriter, WritesToStandardOutputOrAFile) {
  const auto model = std::make_unique<MapModel>();
  model->state.featureCount = 3;
  std::ostringstream out;
  EXPECT_EQ(writeDump(*model, "-", out), "");
  EXPECT_EQ(out.str(), formatDump(*model));

  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "delvora-dump-writer-test.txt";
  std::ostringstream unused;
  ASSERT_EQ(writeDump(*model, path.string(), unused), "");
  std::ifstream file(path, std::ios::binary);
  const std::string written{std::istreambuf_iterator<char>(file), {}};
  EXPECT_EQ(written, formatDump(*model));
  EXPECT_TRUE(unused.str().empty());
  std::filesystem::remove(path);
}

TEST(DumpWriter, UnwritablePathGivesAMessageNamingIt) {
  const auto model = std::make_unique<MapModel>();
  std::ostringstream out;
  const std::string path = "/nonexistent-delvora-dir/dump.txt";
  const std::string error = writeDump(*model, path, out);
  EXPECT_NE(error.find(path), std::string::npos) << error;
  EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace delvora
