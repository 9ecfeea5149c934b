// Any bytes as the edited "DVTemp.txt": reading it back must leave the tables within their
// limit and every room record well-formed and pointing at its own entries, and a second round
// trip must show every room the same texts.
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dressing/dressing_tables.h"
#include "dressing/edit_round_trip.h"
#include "dressing/report.h"
#include "engine/dressing_records.h"
#include "files/atomic_file.h"

namespace {

using namespace delvora;

constexpr int kRooms = 7;

void check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

// The run's fixed state: a model with dressed rooms, the loaded tables and a work directory.
struct Fixture {
  Fixture() {
    std::string pattern = (std::filesystem::temp_directory_path() / "delvora-fuzz-XXXXXX").string();
    check(mkdtemp(pattern.data()) != nullptr, "no temporary directory");
    dir = pattern;
    RandomSource random(7);
    check(AddFluff(tables, random, "/nonexistent-delvora-dir").ok(), "built-in load failed");
    for (int room = 1; room <= kRooms; ++room) {
      RoomDressingRecord record{room, {16 * room, 32, 16 * room + 48, 96}, {}};
      for (int i = 0; i < 6; ++i) record.indexes[i] = (room * (i + 3)) % 30;
      fluff.push_back(roomDressingRecord(record));
    }
  }
  ~Fixture() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }

  std::filesystem::path dir;
  DressingTables tables;
  RecordList fluff;
};

const Fixture& fixture() {
  static const Fixture fixed;
  return fixed;
}

void checkReadBack(const MapModel& model, const DressingTables& tables) {
  check(model.fluffEdited, "a successful read-back is not marked");
  check(model.lstFluff.size() == fixture().fluff.size(), "rooms were lost or added");
  for (std::size_t n = 0; n < model.lstFluff.size(); ++n) {
    const std::string& record = model.lstFluff[n];
    const RoomDressingRecord room = parseRoomDressing(record);
    const RoomDressingRecord before = parseRoomDressing(fixture().fluff[n]);
    check(roomDressingRecord(room) == record && record.size() == 44, "a room record is damaged");
    check(room.room == before.room && room.rect == before.rect, "a room's place changed");
    for (const int index : room.indexes) {
      check(index == static_cast<int>(n), "a room does not point at its own entries");
    }
  }
  for (const DressingTable* table : tables.all()) {
    check(table->entries.size() <= kMaxTableEntries, "a table holds more than 10000 entries");
    for (const std::string& entry : table->entries) {
      check(entry.find_first_of("\r\n") == std::string::npos, "an entry holds a line end");
      check(entry.empty() || static_cast<unsigned char>(entry.back()) > ' ',
            "an entry ends with a blank");
    }
  }
}

// The text each room shows in each category.
std::vector<std::string> shownTexts(const MapModel& model, const DressingTables& tables) {
  std::vector<std::string> texts;
  for (std::size_t n = 0; n < model.lstFluff.size(); ++n) {
    for (const DressingTable* table : tables.all()) {
      texts.push_back(n < table->entries.size() ? table->entries[n] : std::string());
    }
  }
  return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Fixture& fixed = fixture();
  const std::string path = (fixed.dir / kEditingFileName).string();
  {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    check(out != nullptr, "cannot write the editing file");
    std::fwrite(data, 1, size, out);
    std::fclose(out);
  }
  static const std::unique_ptr<MapModel> model = std::make_unique<MapModel>();
  model->lstFluff = fixed.fluff;
  model->fluffEdited = false;
  DressingTables tables = fixed.tables;
  check(ReWriteFluff(*model, tables, path).empty(), "an existing file was not read");
  checkReadBack(*model, tables);
  const std::vector<std::string> shown = shownTexts(*model, tables);

  const Settings settings;
  check(saveTextFile(path, textFileBytes(buildEditingFile(*model, tables, settings))).empty(),
        "cannot rewrite the editing file");
  check(ReWriteFluff(*model, tables, path).empty(), "the rewritten file was not read");
  checkReadBack(*model, tables);
  check(shownTexts(*model, tables) == shown, "a second round trip changed a room's texts");
  for (const DressingTable* table : tables.all()) {
    check(table->entries.size() == fixed.fluff.size(), "a second round trip kept stray lines");
  }
  return 0;
}
