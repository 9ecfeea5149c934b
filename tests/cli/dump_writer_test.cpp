#include "cli/dump_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "engine/model_dump.h"

namespace delvora {
namespace {

TEST(DumpWriter, WritesToStandardOutputOrAFile) {
  const auto model = std::make_unique<MapModel>();
  model->state.featureCount = 3;
  std::ostringstream out;
  EXPECT_EQ(writeDump(*model, "-", out), "");
  EXPECT_EQ(out.str(), toString(*model));

  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "delvora-dump-writer-test.txt";
  std::ostringstream unused;
  ASSERT_EQ(writeDump(*model, path.string(), unused), "");
  std::ifstream file(path, std::ios::binary);
  const std::string written{std::istreambuf_iterator<char>(file), {}};
  EXPECT_EQ(written, toString(*model));
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
