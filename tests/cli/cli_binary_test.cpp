// Runs the built delvora-cli and checks its exit statuses and the files it writes.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"
#include "tests/support/shell_quote.h"

namespace {

namespace fs = std::filesystem;
using delvora::testing::readBytes;
using Args = std::vector<std::string>;

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

using delvora::testing::shellQuoted;

// The lines of one "[name]" section of a dump, without its header.
std::string section(const std::string& dump, const std::string& name) {
  const std::string header = "[" + name + "]\n";
  const std::size_t start = dump.find(header);
  if (start == std::string::npos) return "<missing " + header + ">";
  const std::size_t body = start + header.size();
  // Searching from the header's own line end also finds an empty section.
  const std::size_t next = dump.find("\n[", body - 1);
  return dump.substr(body, next == std::string::npos ? std::string::npos : next + 1 - body);
}

class CliBinary : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(m_dir.path() / "tables"); }

  fs::path file(const std::string& name) const { return m_dir.path() / name; }

  // Runs the program with an empty dressing directory, so no stray dressing files count;
  // environment is put before the command ("NAME=value ...").
  Outcome run(const Args& args, const std::string& environment = "") const {
    std::string command = environment + " " + shellQuoted(DELVORA_CLI);
    command.append(" --dressing-dir ").append(shellQuoted(m_dir.file("tables")));
    for (const std::string& arg : args) command.append(" ").append(shellQuoted(arg));
    command.append(" >").append(shellQuoted(file("stdout").string()));
    command.append(" 2>").append(shellQuoted(file("stderr").string()));
    const int status = std::system(command.c_str());
    Outcome result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readBytes(file("stdout"));
    result.err = readBytes(file("stderr"));
    return result;
  }

 private:
  delvora::testing::ScratchDir m_dir;
};

TEST_F(CliBinary, BadUsageExitsTwoAndWritesNothing) {
  const struct {
    Args bad;
    std::string option;
  } cases[] = {
      {{"--seed", "4294967296"}, "--seed"},
      {{"--map-size", "1600x1200"}, "--map-size"},
      {{"--dead-ends", "few,some"}, "--dead-ends"},
      {{"--unknown"}, "--unknown"},
      {{"--stairs"}, "--stairs"},
      {{"--count", "2"}, "-o"},
  };
  for (const auto& c : cases) {
    Args args{"-o",     file("map.png").string(), "--report", file("report.txt").string(),
              "--dump", file("dump.txt").string()};
    args.insert(args.end(), c.bad.begin(), c.bad.end());
    const Outcome result = run(args);
    EXPECT_EQ(result.exitCode, 2) << c.option;
    EXPECT_NE(result.err.find(c.option), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line: " << result.err;
    EXPECT_TRUE(result.out.empty()) << result.out;
    EXPECT_FALSE(fs::exists(file("map.png")) || fs::exists(file("report.txt")) ||
                 fs::exists(file("dump.txt")))
        << c.option;
  }
}

TEST_F(CliBinary, DumpToStandardOutputListsTheSectionsInOrder) {
  const Outcome result = run({"--dump", "-", "--stairs", "2"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  std::size_t at = 0;
  for (const char* header : {"[lstWalls]\n", "[lstCorridors]\n", "[lstDoors]\n", "[lstStairs]\n",
                             "[lstFluff]\n", "[lstDoorDress]\n", "[lstEligable]\n", "[state]\n"}) {
    const std::size_t found = result.out.find(header, at);
    ASSERT_NE(found, std::string::npos) << header << " after offset " << at;
    at = found + 1;
  }
  const std::string state = section(result.out, "state");
  EXPECT_TRUE(state.starts_with("random=")) << state;
  EXPECT_NE(state.find("\nfeatures="), std::string::npos) << state;
  EXPECT_TRUE(result.out.ends_with("\n"));
  EXPECT_EQ(result.out.find('\r'), std::string::npos);
  EXPECT_FALSE(section(result.out, "lstWalls").empty()) << "the first room is always there";
}

// The dungeon document to standard output is the file's bytes, beside a dump to the same place.
TEST_F(CliBinary, JsonToStandardOutputIsTheFilesBytes) {
  const Args options{"--seed", "31", "--stairs", "2", "--river", "--dead-ends", "few"};
  Args toFile = options;
  toFile.insert(toFile.end(), {"--export-json", file("d.json").string()});
  ASSERT_EQ(run(toFile).exitCode, 0);
  const std::string json = readBytes(file("d.json"));
  EXPECT_TRUE(json.starts_with("{\n  \"format\": \"delvora-dungeon\",\n  \"version\": 1,\n"))
      << json.substr(0, 80);
  EXPECT_TRUE(json.ends_with("}\n"));
  EXPECT_NE(json.find("\"seed\": 31,"), std::string::npos);
  Args toOut = options;
  toOut.insert(toOut.end(), {"--export-json", "-"});
  const Outcome out = run(toOut);
  ASSERT_EQ(out.exitCode, 0) << out.err;
  EXPECT_EQ(out.out, json);
  // Whom the map is drawn for and the pictures' scale are not part of the dungeon.
  Args players = toOut;
  players.insert(players.end(), {"--player-map", "--px-per-grid", "70"});
  EXPECT_EQ(run(players).out, json);
}

TEST_F(CliBinary, SameSeedGivesIdenticalDumpsAndPngBytes) {
  const Args options{"--seed",   "424242", "--river",     "--chasm",
                     "--stairs", "3",      "--dead-ends", "some"};
  Args first = options, second = options;
  first.insert(first.end(), {"-o", file("a.png").string(), "--dump", file("a.txt").string()});
  second.insert(second.end(), {"-o", file("b.png").string(), "--dump", file("b.txt").string()});
  ASSERT_EQ(run(first).exitCode, 0);
  ASSERT_EQ(run(second).exitCode, 0);
  const std::string png = readBytes(file("a.png"));
  EXPECT_TRUE(png.starts_with("\x89PNG\r\n\x1a\n"));
  EXPECT_EQ(png, readBytes(file("b.png")));
  EXPECT_EQ(readBytes(file("a.txt")), readBytes(file("b.txt")));

  const Outcome other = run({"--seed", "424243", "--dump", "-"});
  ASSERT_EQ(other.exitCode, 0) << other.err;
  EXPECT_NE(other.out, readBytes(file("a.txt"))) << "the seed must change the dungeon";
}

// A batch writes for each seed exactly what a run for that seed alone writes.
TEST_F(CliBinary, CountWritesEachMapAsASingleRunWould) {
  const Args options{"--map-size", "640x480",     "--stairs",   "4",
                     "--river",    "--dead-ends", "some",       "--px-per-grid",
                     "50",         "--title",     "Keep {seed}"};
  Args batch = options;
  batch.insert(batch.end(),
               {"--seed", "9000", "--count", "3", "-o", file("map-{seed}.png").string(), "--report",
                file("key-{seed}.txt").string(), "--dump",
                file("{seed}/../dump-{seed}.txt").string(), "--export-uvtt",
                file("{seed}.dd2vtt").string(), "--export-json", file("{seed}.json").string()});
  fs::create_directories(file("9000"));
  fs::create_directories(file("9001"));
  fs::create_directories(file("9002"));
  const Outcome result = run(batch);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "") << "no progress line when standard error is a file";
  for (const std::string seed : {"9000", "9001", "9002"}) {
    Args single = options;
    single.insert(
        single.end(),
        {"--seed", seed, "-o", file("single.png").string(), "--report", file("single.txt").string(),
         "--dump", file("single.dump").string(), "--export-uvtt", file("single.dd2vtt").string(),
         "--export-json", file("single.json").string()});
    ASSERT_EQ(run(single).exitCode, 0) << seed;
    EXPECT_EQ(readBytes(file("map-" + seed + ".png")), readBytes(file("single.png"))) << seed;
    EXPECT_EQ(readBytes(file("key-" + seed + ".txt")), readBytes(file("single.txt"))) << seed;
    EXPECT_EQ(readBytes(file("dump-" + seed + ".txt")), readBytes(file("single.dump"))) << seed;
    EXPECT_EQ(readBytes(file(seed + ".dd2vtt")), readBytes(file("single.dd2vtt"))) << seed;
    EXPECT_EQ(readBytes(file(seed + ".json")), readBytes(file("single.json"))) << seed;
  }
  EXPECT_FALSE(fs::exists(file("map-9003.png")));
  EXPECT_NE(readBytes(file("map-9000.png")), readBytes(file("map-9001.png")));
}

TEST_F(CliBinary, LevelsWriteEachLevelAndLevelOneIsTheSingleDungeon) {
  const Args options{"--seed", "9", "--stairs", "4", "--dead-ends", "some"};
  Args levels = options;
  levels.insert(levels.end(), {"--levels", "3", "-o", file("l-{level}.png").string(), "--report",
                               file("key.txt").string(), "--dump", file("d-{level}.txt").string(),
                               "--export-json", file("d.json").string()});
  const Outcome result = run(levels);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  Args single = options;
  single.insert(single.end(),
                {"-o", file("single.png").string(), "--dump", file("single.dump").string()});
  ASSERT_EQ(run(single).exitCode, 0);
  EXPECT_EQ(readBytes(file("l-1.png")), readBytes(file("single.png")));
  EXPECT_EQ(readBytes(file("d-1.txt")), readBytes(file("single.dump")));
  EXPECT_NE(readBytes(file("l-2.png")), readBytes(file("l-1.png")));
  EXPECT_TRUE(fs::exists(file("l-3.png")));
  EXPECT_FALSE(fs::exists(file("l-4.png")));
  const std::string key = readBytes(file("key.txt"));
  for (const std::string line : {"Level 1 (seed 9)", "Level 3 (seed ", "Stairs down to level 2 in ",
                                 "Stairs up to level 2 in ", "Stairs up (out of the dungeon) in ",
                                 "Stairs down (deeper than the levels made) in "}) {
    EXPECT_NE(key.find(line), std::string::npos) << line;
  }
  const std::string json = readBytes(file("d.json"));
  EXPECT_NE(json.find("\"links\""), std::string::npos);
  EXPECT_NE(json.find("\"leads_to\""), std::string::npos);
}

TEST_F(CliBinary, LevelsWithoutStairsExitTwoAndWriteNothing) {
  const Outcome result = run({"--levels", "2", "-o", file("{level}.png").string()});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
  EXPECT_FALSE(fs::exists(file("1.png")));
}

TEST_F(CliBinary, CountStopsAtTheFirstMapThatFails) {
  fs::create_directories(file("5"));
  const Outcome result =
      run({"--seed", "4", "--count", "4", "-o", file("{seed}/map.png").string()});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(result.err.starts_with("seed 4: Cannot write PNG file ")) << result.err;
  EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
  EXPECT_FALSE(fs::exists(file("5/map.png")));
}

TEST_F(CliBinary, DeadEndCleanUpsLeaveTheFeatureListsAsGenerated) {
  const Args options{"--seed", "7", "--iterations", "1000", "--dump", "-"};
  Args plainArgs = options;
  plainArgs.insert(plainArgs.end(), {"-o", file("plain.png").string()});
  const Outcome plain = run(plainArgs);
  ASSERT_EQ(plain.exitCode, 0) << plain.err;
  for (const std::string modes : {"few", "some,few"}) {
    Args args = options;
    args.insert(args.end(), {"--dead-ends", modes, "-o", file("cleaned.png").string()});
    const Outcome cleaned = run(args);
    ASSERT_EQ(cleaned.exitCode, 0) << cleaned.err;
    for (const char* list : {"lstWalls", "lstCorridors", "lstDoors", "lstStairs", "lstFluff"}) {
      EXPECT_EQ(section(cleaned.out, list), section(plain.out, list)) << modes << " " << list;
    }
    EXPECT_FALSE(section(cleaned.out, "lstEligable").empty()) << modes << ": nothing to clean";
    EXPECT_NE(readBytes(file("cleaned.png")), readBytes(file("plain.png"))) << modes;
  }
}

TEST_F(CliBinary, ShortfallsAndTruncatedTablesAreWarnings) {
  const Outcome stairs =
      run({"--iterations", "1", "--room-size", "tiny", "--stairs", "10", "--no-corridor-stairs"});
  EXPECT_EQ(stairs.exitCode, 0) << stairs.err;
  EXPECT_TRUE(stairs.err.starts_with("warning: placed ")) << stairs.err;
  EXPECT_NE(stairs.err.find(" of 10 staircases\n"), std::string::npos) << stairs.err;

  std::ofstream sounds(file("tables") / "Sounds.txt", std::ios::binary);
  for (int line = 0; line < 10001; ++line) sounds << "Dripping water\r\n";
  sounds.close();
  const Outcome tables = run({"--dump", file("dump.txt").string()});
  EXPECT_EQ(tables.exitCode, 0) << tables.err;
  EXPECT_TRUE(tables.err.starts_with("warning: ")) << tables.err;
  EXPECT_NE(tables.err.find("Sounds.txt"), std::string::npos) << tables.err;
  EXPECT_TRUE(fs::exists(file("dump.txt")));
}

TEST_F(CliBinary, ReportWithoutDressingHoldsOnlyTheTitle) {
  const Outcome dressed = run({"--title", "Lost Keep", "--report", file("dressed.txt").string()});
  ASSERT_EQ(dressed.exitCode, 0) << dressed.err;
  EXPECT_TRUE(readBytes(file("dressed.txt")).starts_with("Lost Keep\r\n\r\nRoom 1   \r\n"));

  const Outcome bare =
      run({"--no-dressing", "--title", "Lost Keep", "--report", file("bare.txt").string()});
  ASSERT_EQ(bare.exitCode, 0) << bare.err;
  EXPECT_EQ(readBytes(file("bare.txt")), "Lost Keep\r\n\r\n");
  EXPECT_NE(bare.err.find("dressing is off"), std::string::npos) << bare.err;
}

TEST_F(CliBinary, UnwritableOutputExitsOne) {
  const std::string missing = (file("no-such-dir") / "map.png").string();
  const Outcome result = run({"-o", missing});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find(missing), std::string::npos) << result.err;
  const std::string json = (file("no-such-dir") / "d.json").string();
  const Outcome jsonResult = run({"--export-json", json});
  EXPECT_EQ(jsonResult.exitCode, 1);
  EXPECT_NE(jsonResult.err.find("Cannot write JSON file " + json), std::string::npos)
      << jsonResult.err;
}

TEST_F(CliBinary, HelpAndVersionExitZero) {
  const Outcome help = run({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("--dead-ends"), std::string::npos);
  const Outcome version = run({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_TRUE(version.out.starts_with("delvora-cli ")) << version.out;
}

// Qt takes longer to load than a whole run: only a print option loads it. The dynamic loader's
// own trace lists every library the process maps, those loaded later included.
TEST_F(CliBinary, LoadsQtOnlyToPrint) {
  const Outcome plain = run({"--seed", "7", "-o", file("map.png").string()}, "LD_DEBUG=libs");
  ASSERT_EQ(plain.exitCode, 0) << plain.err;
  EXPECT_NE(plain.err.find("libc.so"), std::string::npos) << "the trace is there";
  EXPECT_EQ(plain.err.find("libQt6"), std::string::npos) << plain.err;

  const Outcome printing =
      run({"--seed", "7", "--print-map", file("map.pdf").string()}, "LD_DEBUG=libs");
#if DELVORA_CAN_PRINT
  ASSERT_EQ(printing.exitCode, 0) << printing.err;
  EXPECT_NE(printing.err.find("libQt6Gui"), std::string::npos);
  EXPECT_TRUE(fs::exists(file("map.pdf")));
#else
  EXPECT_EQ(printing.exitCode, 2);
  EXPECT_NE(printing.err.find("--print-map: this build of delvora-cli cannot print"),
            std::string::npos)
      << printing.err;
#endif
}

}  // namespace
