#pragma once

#include <array>
#include <string>
#include <vector>

#include "dressing/dressing_source.h"
#include "engine/dressing_records.h"
#include "engine/random_source.h"

namespace delvora {

// An ordered table of dressing texts addressed by zero-based index; index 0 is the
// empty-category entry.
struct DressingTable {
  std::vector<std::string> entries;
  // Index of the last built-in entry; greater indexes came from the table's dressing file.
  int boundary = 0;
};

// The six dressing tables a room is dressed from, and the encounter table a room draws from
// when encounters are on.
struct DressingTables {
  DressingTable FluffDesc, FluffSounds, FluffSmells, FluffItems, FluffTraps, FluffTreasure;
  DressingTable Encounters;

  // The six tables in category order (kDressingCategories).
  std::array<DressingTable*, kDressingCategoryCount> all();
  std::array<const DressingTable*, kDressingCategoryCount> all() const;
};

// What a load reports: warnings that did not stop it, and the error that did (empty if none).
struct LoadResult {
  std::vector<std::string> warnings;
  std::string error;
  bool ok() const { return error.empty(); }
};

// A table never holds more entries than a four-digit index can address.
inline constexpr std::size_t kMaxTableEntries = 10000;

// Empties and refills the six tables and the encounter table: built-in entries (17 quantity
// draws, none for encounters) then each category's dressing file found in dressingDir (empty =
// current directory; a directory that cannot be used falls back to the current directory). File
// names match without regard to letter case. A file that exists but cannot be read stops the load
// with "Cannot open file <path>" or "Cannot read file <path>"; the tables keep what was loaded up
// to then.
LoadResult AddFluff(DressingTables& tables, RandomSource& random, const std::string& dressingDir);
// The same load from a folder or from files held in memory (which cannot fail to be read).
LoadResult AddFluff(DressingTables& tables, RandomSource& random, const DressingSource& source);

}  // namespace delvora
