#include "files/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "files/pending_files.h"
#include "tests/support/scratch_dir.h"

namespace delvora {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return m_dir.file(name); }
  static std::string read(const std::string& file) { return testing::readBytes(file); }
  // Every name in the folder, so a left-over temporary file shows.
  std::string listing() const {
    std::string names;
    for (const auto& entry : fs::directory_iterator(m_dir.path()))
      names += entry.path().filename().string() + " ";
    return names;
  }

  testing::ScratchDir m_dir;
};

TEST_F(AtomicFile, WritesNewFilesAndReplacesOldOnesKeepingTheirMode) {
  const std::string target = path("map.txt");
  ASSERT_EQ(writeFileAtomically(target, "first"), "");
  EXPECT_EQ(read(target), "first");
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);

  // More than the writer's buffer, in pieces of several sizes.
  std::string large(200 * 1024, 'x');
  AtomicFileWriter writer(target);
  ASSERT_TRUE(writer.open());
  ASSERT_TRUE(writer.write("head"));
  ASSERT_TRUE(writer.write(large));
  ASSERT_TRUE(writer.write(large.data(), 10));
  EXPECT_EQ(read(target), "first") << "the target changes only at commit";
  ASSERT_TRUE(writer.commit()) << writer.error();
  EXPECT_EQ(read(target), "head" + large + large.substr(0, 10));
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(listing(), "map.txt ");
}

TEST_F(AtomicFile, AnAbandonedWriteLeavesTheTargetAndNoTemporaryFile) {
  const std::string target = path("report.txt");
  ASSERT_EQ(writeFileAtomically(target, "kept"), "");
  {
    AtomicFileWriter writer(target);
    ASSERT_TRUE(writer.open());
    ASSERT_TRUE(writer.write(std::string(100000, 'y')));
  }
  EXPECT_EQ(read(target), "kept");
  EXPECT_EQ(listing(), "report.txt ");
}

TEST_F(AtomicFile, FailuresSayWhyAndTouchNothing) {
  EXPECT_EQ(writeFileAtomically(path("missing/folder/x.png"), "data"), "No such file or directory");
  // A folder in the way of the target: the rename fails, the folder stays.
  fs::create_directories(path("taken"));
  fs::create_directories(path("taken/inside"));
  EXPECT_NE(writeFileAtomically(path("taken"), "data"), "");
  EXPECT_TRUE(fs::is_directory(path("taken/inside")));
  EXPECT_EQ(listing(), "taken ");
}

// Bytes made as they are written (a large picture): a producer that fails, or a file that
// cannot be made, leaves the old file and no temporary one.
TEST_F(AtomicFile, StreamedWritesPutTheWholeFileInPlaceOrNothing) {
  const auto produce = [](std::string why) {
    return [why](const FileSink& sink) {
      for (int i = 0; i < 1000; ++i) {
        if (!sink("0123456789", 10)) return std::string("sink refused");
      }
      return why;
    };
  };
  std::ofstream(path("map.png")) << "previous";
  EXPECT_EQ(writeFileAtomically(path("map.png"), Durability::Unsynced, produce("broken")),
            "broken");
  EXPECT_EQ(read(path("map.png")), "previous");
  EXPECT_EQ(listing(), "map.png ");
  EXPECT_EQ(writeFileAtomically(path("map.png"), Durability::Unsynced, produce("")), "");
  EXPECT_EQ(read(path("map.png")).size(), 10000u);
  // The file's own reason comes first.
  EXPECT_EQ(writeFileAtomically(path("no/such/map.png"), Durability::Synced, produce("")),
            "No such file or directory");
  EXPECT_EQ(saveTextFile(path("no/such/report.txt"), "x"),
            "Cannot create file " + path("no/such/report.txt"));
  EXPECT_EQ(listing(), "map.png ");
}

TEST_F(AtomicFile, NonRegularTargetsAreWrittenInPlaceWithoutBlocking) {
  EXPECT_EQ(writeFileAtomically("/dev/null", "discarded"), "");
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  // A FIFO without a reader fails at once instead of waiting for one.
  const std::string fifo = path("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_NE(writeFileAtomically(fifo, "data"), "");
  EXPECT_TRUE(fs::is_fifo(fifo));
}

// A process killed in the middle of a write leaves neither a damaged target nor a temporary file.
TEST_F(AtomicFile, ATerminatedWriterLeavesNothingBehind) {
  const std::string target = path("big.png");
  ASSERT_EQ(writeFileAtomically(target, "old"), "");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    AtomicFileWriter writer(target);
    if (writer.open()) writer.write(std::string(300000, 'z'));
    std::raise(SIGTERM);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  EXPECT_EQ(read(target), "old");
  EXPECT_EQ(listing(), "big.png ");
}

// Where a file system has no unnamed files, the named temporary file is removed on SIGTERM.
TEST_F(AtomicFile, RegisteredTemporaryFilesAreRemovedOnTermination) {
  const std::string temporary = path(".x.tmp");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::ofstream(temporary) << "partial";
    registerPendingFile(temporary.c_str());
    std::raise(SIGTERM);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  EXPECT_FALSE(fs::exists(temporary));
}

}  // namespace
}  // namespace delvora
