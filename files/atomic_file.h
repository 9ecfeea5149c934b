#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace delvora {

// Whether commit() syncs the new file to the disk before the rename. The rename alone already
// keeps readers from ever seeing part of a file; the sync also keeps a crash of the whole system
// from leaving an empty file, and costs milliseconds (more than encoding a map picture).
enum class Durability { Synced, Unsynced };

// Writes a file so that readers only ever see the old content or the whole new one. The bytes go
// to an unnamed file in the target's folder (or, where the file system has none, a hidden
// temporary file that is removed on SIGINT, SIGTERM and SIGHUP); commit() syncs it (unless
// Unsynced) and puts it in place in one rename. A target that exists and is not a regular file (a
// FIFO, a device) is written in place instead, without blocking. A replaced file keeps its
// permissions.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(std::string path, Durability durability = Durability::Synced);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // Opens the file to write; false on failure.
  bool open();
  // Appends bytes (buffered); false once any write has failed.
  bool write(std::string_view bytes);
  bool write(const void* data, std::size_t size) {
    return write(std::string_view(static_cast<const char*>(data), size));
  }
  // Flushes, syncs (when Synced) and replaces the target; false on failure, the target then being
  // untouched.
  bool commit();

  // Why the last failed step failed, as the system says it ("No such file or directory").
  const std::string& error() const { return m_error; }
  const std::string& path() const { return m_path; }

 private:
  bool fail();
  bool flush();
  bool openUnnamed();
  bool openNamed();
  bool openInPlace();
  bool linkUnnamed();
  void discard();

  std::string m_path;
  Durability m_durability;
  std::string m_temporary;
  std::string m_error;
  std::vector<char> m_buffer;
  int m_fd = -1;
  bool m_unnamed = false;
  bool m_inPlace = false;
  bool m_failed = false;
  // The pending-file slot of the named temporary file, -1 when none is registered.
  int m_pendingSlot = -1;
  // Permissions to give the new file: those of the file it replaces.
  int m_keepMode = -1;
};

// Writes bytes to path with an AtomicFileWriter. Returns "" on success, else why it failed.
std::string writeFileAtomically(const std::string& path, std::string_view bytes,
                                Durability durability = Durability::Synced);

// Writes a text file the user asked for (a dressing report, the editing file) atomically.
// Returns "" on success, else "Cannot create file <path>", the message the program shows; an
// existing file is left intact.
std::string saveTextFile(const std::string& path, std::string_view bytes);

// Takes bytes in order for a file; false once writing has failed.
using FileSink = std::function<bool(const void* data, std::size_t size)>;

// Writes to path with an AtomicFileWriter what produce hands to its sink, for bytes made as they
// are written (a large picture). produce returns "" or why it failed; nothing is put in place
// then. Returns "" on success, else why it failed (the file's reason first).
std::string writeFileAtomically(const std::string& path, Durability durability,
                                const std::function<std::string(const FileSink& sink)>& produce);

}  // namespace delvora
