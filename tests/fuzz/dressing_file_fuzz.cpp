// Any bytes as a dressing file: the parser must give the same entries however the bytes are
// split into chunks, and a load must keep every table within its limit with its built-in
// entries intact, whatever the file holds.
#include <stdlib.h>

#include <fuzzer/FuzzedDataProvider.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "dressing/dressing_categories.h"
#include "dressing/dressing_file.h"
#include "dressing/dressing_tables.h"

namespace {

using namespace delvora;

constexpr std::uint32_t kSeed = 66205318;

void check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

std::vector<std::string> parseWhole(std::string_view bytes) {
  DressingFileParser parser;
  parser.feed(bytes);
  parser.finish();
  return parser.takeEntries();
}

std::vector<std::string> parseInChunks(std::string_view bytes, FuzzedDataProvider& sizes) {
  DressingFileParser parser;
  std::vector<std::string> entries;
  while (!bytes.empty()) {
    // Once the split draws run out, the rest goes in one chunk.
    const std::size_t size = sizes.remaining_bytes() == 0
                                 ? bytes.size()
                                 : sizes.ConsumeIntegralInRange<std::size_t>(1, bytes.size());
    parser.feed(bytes.substr(0, size));
    bytes.remove_prefix(size);
    for (std::string& entry : parser.takeEntries()) entries.push_back(std::move(entry));
  }
  parser.finish();
  for (std::string& entry : parser.takeEntries()) entries.push_back(std::move(entry));
  return entries;
}

void checkEntry(const std::string& entry) {
  check(entry.find_first_of("\r\n") == std::string::npos, "an entry holds a line end");
  if (entry.empty()) return;
  check(static_cast<unsigned char>(entry.front()) > ' ', "an entry starts with a blank");
  check(static_cast<unsigned char>(entry.back()) > ' ', "an entry ends with a blank");
  check(!entry.starts_with("/*"), "a comment became an entry");
}

// The directory the loader reads from, made once per process and removed at its exit.
struct WorkDir {
  WorkDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "delvora-fuzz-XXXXXX").string();
    check(mkdtemp(pattern.data()) != nullptr, "no temporary directory");
    path = pattern;
  }
  ~WorkDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::filesystem::path path;
};

const std::filesystem::path& workDir() {
  static const WorkDir dir;
  return dir.path;
}

void checkLoad(std::size_t tableIndex, const std::string& bytes,
               const std::vector<std::string>& parsed) {
  const std::filesystem::path file = workDir() / kDressingCategories[tableIndex].fileName;
  {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    check(out != nullptr, "cannot write the dressing file");
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
  }
  // The tables and random state of a load without files.
  static const std::pair<DressingTables, std::uint32_t> builtIn = [] {
    DressingTables tables;
    RandomSource random(kSeed);
    check(AddFluff(tables, random, "/nonexistent-delvora-dir").ok(), "built-in load failed");
    return std::make_pair(tables, random.state());
  }();
  DressingTables tables;
  RandomSource random(kSeed);
  const LoadResult result = AddFluff(tables, random, workDir().string());
  std::filesystem::remove(file);
  check(result.ok(), "a readable file failed to load");
  check(random.state() == builtIn.second, "the file changed the quantity draws");
  const auto all = tables.all();
  const auto expected = builtIn.first.all();
  for (std::size_t i = 0; i < all.size(); ++i) {
    const auto& entries = all[i]->entries;
    const auto& builtins = expected[i]->entries;
    check(entries.size() <= kMaxTableEntries, "a table holds more than 10000 entries");
    check(all[i]->boundary == expected[i]->boundary, "the built-in boundary moved");
    check(entries.size() >= builtins.size(), "built-in entries were lost");
    check(std::equal(builtins.begin(), builtins.end(), entries.begin()),
          "built-in entries changed");
    const std::size_t added = entries.size() - builtins.size();
    if (i != tableIndex) {
      check(added == 0, "another table took the file's entries");
      continue;
    }
    const std::size_t fits = kMaxTableEntries - builtins.size();
    check(added == std::min(parsed.size(), fits), "entries were lost or invented");
    check(std::equal(entries.begin() + static_cast<std::ptrdiff_t>(builtins.size()), entries.end(),
                     parsed.begin()),
          "the table's file entries differ from the parsed ones");
    check(result.warnings.size() == (parsed.size() > fits ? 1u : 0u), "wrong warnings");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const std::size_t tableIndex = provider.ConsumeIntegralInRange<std::size_t>(0, 5);
  const std::uint32_t splitSeed = provider.ConsumeIntegral<std::uint32_t>();
  const std::string bytes = provider.ConsumeRemainingBytesAsString();

  const std::vector<std::string> whole = parseWhole(bytes);
  for (const std::string& entry : whole) checkEntry(entry);
  const std::string splitBytes(reinterpret_cast<const char*>(&splitSeed), sizeof splitSeed);
  FuzzedDataProvider sizes(reinterpret_cast<const std::uint8_t*>(splitBytes.data()),
                           splitBytes.size());
  check(parseInChunks(bytes, sizes) == whole, "chunked parsing differs from whole parsing");
  checkLoad(tableIndex, bytes, whole);
  return 0;
}
