// delvora-cli's export options: validation, the player map's dump, and the peak memory of a
// PNG at table scale.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "export_test_support.h"

namespace delvora {
namespace {

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
  // Peak resident memory of the program, in KiB.
  long maxRssKiB = 0;
};

// Runs the program directly (no shell, so the peak memory is the program's own) with an empty
// dressing directory.
Outcome runCli(const testing::ScratchDir& dir, std::vector<std::string> args) {
  args.insert(args.begin(), {DELVORA_CLI, "--dressing-dir", dir.file("")});
  const std::string outPath = dir.file("stdout");
  const std::string errPath = dir.file("stderr");
  const pid_t pid = fork();
  if (pid == 0) {
    if (freopen(outPath.c_str(), "w", stdout) == nullptr ||
        freopen(errPath.c_str(), "w", stderr) == nullptr) {
      _exit(127);
    }
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  Outcome result;
  int status = 0;
  rusage usage{};
  if (pid > 0 && wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status)) {
    result.exitCode = WEXITSTATUS(status);
    result.maxRssKiB = usage.ru_maxrss;
  }
  result.out = testing::readBytes(outPath);
  result.err = testing::readBytes(errPath);
  return result;
}

TEST(ExportCli, BadPixelsPerGridIsUsageError) {
  const testing::ScratchDir dir;
  for (const char* bad : {"0", "1001", "-5", "70px", ""}) {
    const Outcome result = runCli(dir, {"-o", dir.file("map.png"), "--export-uvtt",
                                        dir.file("map.uvtt"), "--px-per-grid", bad});
    EXPECT_EQ(result.exitCode, 2) << bad;
    EXPECT_NE(result.err.find("--px-per-grid accepts a number from 1 to 1000"), std::string::npos)
        << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line: " << result.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("map.png")) ||
                 std::filesystem::exists(dir.file("map.uvtt")));
  }
}

// Without --px-per-grid, -o is the map as drawn and the exports are at Foundry's own grid.
TEST(ExportCli, ExportsDefaultToAHundredPixelsASquare) {
  const testing::ScratchDir dir;
  const Outcome result =
      runCli(dir, {"-o", dir.file("map.png"), "--export-uvtt", dir.file("map.dd2vtt"),
                   "--export-foundry", dir.file("scene.json")});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(testing::pngSize(testing::readBytes(dir.file("map.png"))), (std::pair{800, 600}));
  EXPECT_EQ(testing::pngSize(testing::readBytes(dir.file("scene.png"))), (std::pair{5000, 3750}));
  const auto uvtt = nlohmann::json::parse(testing::readBytes(dir.file("map.dd2vtt")));
  EXPECT_EQ(uvtt.at("resolution").at("pixels_per_grid"), 100);
  const auto scene = nlohmann::json::parse(testing::readBytes(dir.file("scene.json")));
  EXPECT_EQ(scene.at("grid").at("size"), 100);
  EXPECT_EQ(scene.at("background").at("src"), "delvora/scene.png");

  const Outcome small = runCli(dir, {"--export-foundry", dir.file("scene.json"), "--px-per-grid",
                                     "25", "--foundry-image-path", "maps/vault.png"});
  ASSERT_EQ(small.exitCode, 0) << small.err;
  EXPECT_TRUE(small.err.starts_with("warning: --px-per-grid 25 ")) << small.err;
  const auto smallScene = nlohmann::json::parse(testing::readBytes(dir.file("scene.json")));
  EXPECT_EQ(smallScene.at("background").at("src"), "maps/vault.png");
}

// 80000 x 64000 pixels would run for minutes: refused at once, one line, nothing written.
TEST(ExportCli, OversizedPictureIsRefusedAtOnce) {
  const testing::ScratchDir dir;
  const Outcome result = runCli(
      dir, {"--map-size", "1280x1024", "--px-per-grid", "1000", "-o", dir.file("map.png"),
            "--export-uvtt", dir.file("map.dd2vtt"), "--export-foundry", dir.file("scene.json")});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_NE(result.err.find("--px-per-grid 204 or less"), std::string::npos) << result.err;
  EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line: " << result.err;
  for (const char* name : {"map.png", "map.dd2vtt", "scene.json", "scene.png"}) {
    EXPECT_FALSE(std::filesystem::exists(dir.file(name))) << name;
  }
}

TEST(ExportCli, PlayerMapHasTheMastersDumpAndAnotherPicture) {
  const testing::ScratchDir dir;
  const std::vector<std::string> common{"--seed",      "4242", "--iterations", "1000",
                                        "--stairs",    "3",    "--dead-ends",  "some,few",
                                        "--concealed", "20",   "--river"};
  std::vector<std::string> master = common;
  master.insert(master.end(), {"--dump", dir.file("gm.txt"), "-o", dir.file("gm.png")});
  std::vector<std::string> player = common;
  player.insert(player.end(),
                {"--player-map", "--dump", dir.file("pm.txt"), "-o", dir.file("pm.png")});
  ASSERT_EQ(runCli(dir, master).exitCode, 0);
  ASSERT_EQ(runCli(dir, player).exitCode, 0);
  const std::string dump = testing::readBytes(dir.file("gm.txt"));
  EXPECT_FALSE(dump.empty());
  EXPECT_EQ(testing::readBytes(dir.file("pm.txt")), dump);
  EXPECT_NE(testing::readBytes(dir.file("pm.png")), testing::readBytes(dir.file("gm.png")));
}

TEST(ExportCli, WritesBothExportsOrFailsWithOne) {
  const testing::ScratchDir dir;
  const Outcome ok = runCli(dir, {"--export-uvtt", dir.file("map.dd2vtt"), "--export-foundry",
                                  dir.file("scene.json"), "--px-per-grid", "70"});
  ASSERT_EQ(ok.exitCode, 0) << ok.err;
  const auto uvtt = nlohmann::json::parse(testing::readBytes(dir.file("map.dd2vtt")));
  EXPECT_EQ(uvtt.at("resolution").at("pixels_per_grid"), 70);
  const auto scene = nlohmann::json::parse(testing::readBytes(dir.file("scene.json")));
  EXPECT_EQ(scene.at("grid").at("size"), 70);
  EXPECT_EQ(testing::pngSize(testing::readBytes(dir.file("scene.png"))), (std::pair{3500, 2625}));

  const Outcome failed = runCli(dir, {"--export-uvtt", dir.file("no/such/dir/map.dd2vtt")});
  EXPECT_EQ(failed.exitCode, 1);
  EXPECT_NE(failed.err.find("no/such/dir/map.dd2vtt"), std::string::npos) << failed.err;
}

// The largest map at 140 pixels per square is 11200 x 8960 pixels, 300 MB as one RGB image;
// written row by row the program stays far below that.
TEST(ExportCli, TableScalePngOfTheLargestMapStaysUnder64MB) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer's shadow memory makes the peak meaningless";
#endif
  const testing::ScratchDir dir;
  const Outcome result = runCli(dir, {"--map-size", "1280x1024", "--iterations", "3000",
                                      "--px-per-grid", "140", "-o", dir.file("big.png")});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(testing::pngSize(testing::readBytes(dir.file("big.png"))), (std::pair{11200, 8960}));
  EXPECT_GT(result.maxRssKiB, 0);
  EXPECT_LT(result.maxRssKiB, 64 * 1024) << "peak " << result.maxRssKiB << " KiB";
  std::cout << "[ peak     ] " << result.maxRssKiB << " KiB\n";
}

}  // namespace
}  // namespace delvora
