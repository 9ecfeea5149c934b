#include "dressing/dressing_tables.h"

#include <cstdio>
#include <memory>

#include "dressing/builtin_dressing.h"
#include "dressing/builtin_encounters.h"
#include "dressing/dressing_categories.h"
#include "dressing/dressing_file.h"
#include "dressing/dressing_source.h"

namespace delvora {

namespace {

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

void appendBuiltins(DressingTable& table, std::span<const BuiltinEntry> builtins,
                    RandomSource& random) {
  table.entries.reserve(table.entries.size() + builtins.size());
  for (const BuiltinEntry& entry : builtins) {
    std::string text(entry.text);
    if (entry.quantityRange > 0) {
      text += std::to_string(random.Random(entry.quantityRange) + 1);
      text += entry.after;
    }
    table.entries.push_back(std::move(text));
  }
  table.boundary = static_cast<int>(table.entries.size()) - 1;
}

// Appends what fits under the table limit; false (with a warning) once an entry did not fit.
bool appendFileEntries(DressingTable& table, std::vector<std::string> entries,
                       const std::string& fileName, LoadResult& result) {
  for (std::string& entry : entries) {
    if (table.entries.size() >= kMaxTableEntries) {
      result.warnings.push_back("Dressing file " + fileName +
                                " has more entries than fit: a table " + "holds at most " +
                                std::to_string(kMaxTableEntries) + ", the rest were not loaded");
      return false;
    }
    table.entries.push_back(std::move(entry));
  }
  return true;
}

// Reads one dressing file into the table; sets result.error when the file cannot be read.
void loadFile(DressingTable& table, const std::filesystem::path& path, LoadResult& result) {
  const std::string fileName = path.string();
  // A FIFO would block the load and a device could feed it without end: only files are read.
  std::error_code kindError;
  if (!std::filesystem::is_regular_file(path, kindError)) {
    result.error = "Cannot open file " + fileName;
    return;
  }
  const FilePtr file(std::fopen(fileName.c_str(), "rb"), &std::fclose);
  if (!file) {
    result.error = "Cannot open file " + fileName;
    return;
  }
  DressingFileParser parser;
  std::string chunk(std::size_t{64} * 1024, '\0');
  bool room = true;
  while (room) {
    const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get());
    parser.feed(std::string_view(chunk.data(), got));
    if (got < chunk.size()) {
      if (std::ferror(file.get()) != 0) {
        result.error = "Cannot read file " + fileName;
        return;
      }
      parser.finish();
      appendFileEntries(table, parser.takeEntries(), fileName, result);
      return;
    }
    room = appendFileEntries(table, parser.takeEntries(), fileName, result);
  }
}

}  // namespace

std::array<DressingTable*, kDressingCategoryCount> DressingTables::all() {
  std::array<DressingTable*, kDressingCategoryCount> tables{};
  for (std::size_t i = 0; i < tables.size(); ++i) {
    tables[i] = &(this->*kDressingCategories[i].table);
  }
  return tables;
}

std::array<const DressingTable*, kDressingCategoryCount> DressingTables::all() const {
  std::array<const DressingTable*, kDressingCategoryCount> tables{};
  for (std::size_t i = 0; i < tables.size(); ++i) {
    tables[i] = &(this->*kDressingCategories[i].table);
  }
  return tables;
}

namespace {

// Reads a dressing file held in memory into the table.
void loadBytes(DressingTable& table, const NamedBytes& file, LoadResult& result) {
  DressingFileParser parser;
  parser.feed(file.bytes);
  parser.finish();
  appendFileEntries(table, parser.takeEntries(), file.name, result);
}

// The file names of the six categories and of encounters, in that order.
std::vector<std::string_view> categoryFileNames() {
  std::vector<std::string_view> names;
  names.reserve(std::size(kDressingFileCategories));
  for (const DressingCategory& category : kDressingFileCategories) {
    names.push_back(category.fileName);
  }
  return names;
}

// Refills the tables: each category's built-in entries, then what load adds from its file; the
// encounter table last, its built-ins drawing nothing.
template <typename Load>
LoadResult refill(DressingTables& tables, RandomSource& random, const Load& load) {
  LoadResult result;
  const auto all = tables.all();
  for (DressingTable* table : all) *table = DressingTable{};
  tables.Encounters = DressingTable{};
  const auto builtins = builtinDressing();
  for (std::size_t i = 0; i < all.size(); ++i) {
    appendBuiltins(*all[i], builtins[i], random);
    load(i, *all[i], result);
    if (!result.ok()) return result;
  }
  appendBuiltins(tables.Encounters, builtinEncounters(), random);
  load(all.size(), tables.Encounters, result);
  return result;
}

}  // namespace

LoadResult AddFluff(DressingTables& tables, RandomSource& random, const std::string& dressingDir) {
  const std::filesystem::path dir = usableDressingDir(dressingDir);
  // One listing of the directory for the six files: each listing is a system call or more.
  const std::vector<std::filesystem::path> files = findDressingFiles(dir, categoryFileNames());
  return refill(tables, random, [&](std::size_t i, DressingTable& table, LoadResult& result) {
    if (!files[i].empty()) loadFile(table, files[i], result);
  });
}

LoadResult AddFluff(DressingTables& tables, RandomSource& random, const DressingSource& source) {
  if (!source.inMemory) return AddFluff(tables, random, source.folder);
  std::vector<std::string> names;
  for (const NamedBytes& file : source.files) names.push_back(file.name);
  const std::vector<std::string_view> wanted = categoryFileNames();
  return refill(tables, random, [&](std::size_t i, DressingTable& table, LoadResult& result) {
    const int pick = pickDressingName(names, std::string(wanted[i]));
    if (pick >= 0) loadBytes(table, source.files[static_cast<std::size_t>(pick)], result);
  });
}

}  // namespace delvora
