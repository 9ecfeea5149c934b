#include "cli/dump_writer.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "engine/model_dump.h"
#include "tests/support/scratch_dir.h"

namespace delvora {
namespace {

TEST(DumpWriter, WritesToStandardOutputOrAFile) {
  const auto model = std::make_unique<MapModel>();
  model->state.featureCount = 3;
  std::ostringstream out;
  EXPECT_EQ(writeDump(*model, "-", out), "");
  EXPECT_EQ(out.str(), toString(*model));

  const testing::ScratchDir dir;
  const std::string path = dir.file("dump.txt");
  std::ostringstream unused;
  ASSERT_EQ(writeDump(*model, path, unused), "");
  EXPECT_EQ(testing::readBytes(path), toString(*model));
  EXPECT_TRUE(unused.str().empty());
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
