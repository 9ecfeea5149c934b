// Dressing files that cannot be read, a dressing folder that disappears and report targets that
// cannot be written: each ends in its message, and nothing that was there is lost.
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dressing/dressing_tables.h"
#include "dressing/report.h"
#include "dungeon/generate.h"
#include "files/atomic_file.h"
#include "tests/hardening/run_watchdog.h"
#include "tests/hardening/session_resources.h"
#include "tests/support/recording_canvas.h"
#include "tests/support/scratch_dir.h"

namespace delvora {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::ScratchDir;
using testing::writeBytes;

LoadResult load(DressingTables& tables, const std::string& dir) {
  RandomSource random(3);
  return AddFluff(tables, random, dir);
}

// A file that exists but gives no text stops the load with its message, never hangs on it, and
// the tables keep what came before: the descriptions file is read, the failing table keeps its
// built-in entries, later tables are not loaded.
TEST(FailingFiles, DressingFileThatCannotBeRead) {
  struct Case {
    const char* what;
    void (*make)(const fs::path& items);
    const char* message;
  };
  const Case cases[] = {
      {"dangling link", [](const fs::path& p) { fs::create_symlink("/nonexistent-delvora", p); },
       "Cannot open file "},
      // Opening a FIFO for reading waits for a writer that never comes.
      {"FIFO", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); },
       "Cannot open file "},
      // A device would feed the load without end.
      {"device", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); },
       "Cannot open file "},
      // Opens for everyone, root included, but every read fails.
      {"read error", [](const fs::path& p) { fs::create_symlink("/proc/self/mem", p); },
       "Cannot read file "},
  };
  testing::RunWatchdog watchdog(std::chrono::seconds(60));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchDir dir;
    writeBytes(dir.file("Descriptions.txt"), "kept\r\n");
    c.make(dir.path() / "Items.txt");
    watchdog.arm(c.what);
    DressingTables tables;
    const LoadResult result = load(tables, dir.path().string());
    watchdog.disarm();
    EXPECT_EQ(result.error, c.message + dir.file("Items.txt"));
    EXPECT_EQ(tables.FluffDesc.entries.back(), "kept");
    EXPECT_EQ(tables.FluffItems.entries.size(), 52u);
    EXPECT_TRUE(tables.FluffTraps.entries.empty());

    // "Generate" shows the message and builds nothing.
    Settings settings;
    settings.dressingDir = dir.path().string();
    auto model = std::make_unique<MapModel>();
    testing::RecordingCanvas canvas;
    const GenerateResult generated = generateDungeon(
        *model, settings, DressingSource::fromFolder(settings.dressingDir), tables, canvas);
    EXPECT_FALSE(generated.generated);
    EXPECT_EQ(generated.load.error, result.error);
    EXPECT_TRUE(model->lstWalls.empty());
  }
}

TEST(FailingFiles, DressingFolderRemovedAfterItWasChosen) {
  ScratchDir work;
  writeBytes(work.file("Sounds.txt"), "from the working directory\r\n");
  const testing::WorkingDirGuard guard(work.path());
  ScratchDir chosen;
  writeBytes(chosen.file("Sounds.txt"), "from the chosen folder\r\n");
  const std::string dir = chosen.path().string();
  DressingTables tables;
  ASSERT_TRUE(load(tables, dir).ok());
  EXPECT_EQ(tables.FluffSounds.entries.back(), "from the chosen folder");

  fs::remove_all(chosen.path());
  Settings settings;
  settings.dressingDir = dir;
  auto model = std::make_unique<MapModel>();
  testing::RecordingCanvas canvas;
  const GenerateResult result = generateDungeon(
      *model, settings, DressingSource::fromFolder(settings.dressingDir), tables, canvas);
  EXPECT_TRUE(result.generated);
  EXPECT_TRUE(result.load.ok()) << result.load.error;
  EXPECT_TRUE(result.load.warnings.empty());
  EXPECT_EQ(tables.FluffSounds.entries.back(), "from the working directory");
  EXPECT_FALSE(model->lstWalls.empty());
  EXPECT_EQ(fs::current_path(), work.path());
}

// A full disk: the device takes no byte. Root could replace a device node in its folder, so
// root works on a copy of the device made in a temporary folder.
TEST(FailingFiles, ReportToAFullDeviceKeepsTheDevice) {
  ScratchDir dir;
  std::string full = "/dev/full";
  if (::geteuid() == 0) {
    full = dir.file("full");
    ASSERT_EQ(::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)), 0) << "cannot make a device";
  }
  struct stat before {};
  ASSERT_EQ(::stat(full.c_str(), &before), 0);
  ASSERT_TRUE(S_ISCHR(before.st_mode));
  EXPECT_EQ(saveTextFile(full, textFileBytes({"The Crypt\r\n", "Room 1   "})),
            "Cannot create file " + full);
  struct stat after {};
  ASSERT_EQ(::stat(full.c_str(), &after), 0);
  EXPECT_TRUE(S_ISCHR(after.st_mode)) << "the device was replaced by a file";
  EXPECT_EQ(after.st_rdev, before.st_rdev);
  const fs::path folder = fs::path(full).parent_path();
  for (const auto& entry : fs::directory_iterator(folder)) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos)
        << "temporary file left: " << entry.path();
  }
  // A device that takes the bytes is written as it is.
  EXPECT_EQ(saveTextFile("/dev/null", textFileBytes({"x"})), "");
}

TEST(FailingFiles, ReportOnAFullDiskKeepsTheOldFile) {
  ScratchDir dir;
  const std::string path = dir.file("report.txt");
  writeBytes(path, "the old report");
  const std::vector<std::string> items(100, std::string(100, 'x'));
  {
    const testing::FileSizeLimit disk(4096);
    EXPECT_EQ(saveTextFile(path, textFileBytes(items)), "Cannot create file " + path);
  }
  EXPECT_EQ(readBytes(path), "the old report");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
      << "no temporary file left behind";
}

// /proc takes no new file from anyone, root included, and its files stay as they are.
TEST(FailingFiles, ReportToAnUnwritableFolderKeepsTheOldFile) {
  const std::string old = "/proc/version";
  const std::string before = readBytes(old);
  ASSERT_FALSE(before.empty());
  EXPECT_EQ(saveTextFile(old, textFileBytes({"new"})), "Cannot create file " + old);
  EXPECT_EQ(readBytes(old), before);
  const std::string fresh = "/proc/delvora-report.txt";
  EXPECT_EQ(saveTextFile(fresh, textFileBytes({"new"})), "Cannot create file " + fresh);
  EXPECT_FALSE(fs::exists(fresh));
}

// A FIFO nobody reads fails at once instead of blocking the program.
TEST(FailingFiles, ReportToAFifoWithoutReaderFails) {
  ScratchDir dir;
  const std::string fifo = dir.file("report.txt");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  testing::RunWatchdog watchdog(std::chrono::seconds(60));
  watchdog.arm("report to a FIFO");
  EXPECT_EQ(saveTextFile(fifo, textFileBytes({"x"})), "Cannot create file " + fifo);
  watchdog.disarm();
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
}

}  // namespace
}  // namespace delvora
