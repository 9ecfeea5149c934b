// Any bytes as delvora-cli's arguments (split at NUL bytes): parsing either fails with a
// message or gives options whose every value lies in its range. The same bytes as a web page's
// query always give such options.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "dungeon/option_parser.h"

namespace {

using namespace delvora;

void check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

bool within(int value, int low, int high) {
  return value >= low && value <= high;
}

void checkOptions(const CliOptions& options) {
  const Settings& s = options.settings;
  check(offeredMapSize(static_cast<int>(s.mapSizeIndex)).has_value(), "map size out of range");
  check(within(s.iterations, 1, 100000), "iterations out of range");
  check(within(static_cast<int>(s.roomSize), 0, 3), "room size out of range");
  check(within(static_cast<int>(s.corridorStyle), 1, 3), "corridor style out of range");
  check(within(s.stairs, 0, 10), "stairs out of range");
  check(within(s.concealedPercent, 0, 20), "concealed doors out of range");
  check(within(s.secretPercent, 0, 20), "secret doors out of range");
  check(within(s.dressRoll, 1, 6), "dress roll out of range");
  check(s.numberRooms || !s.dressing, "dressing without numbered rooms");
  check(options.deadEnds.size() <= 2, "more than two clean-ups");
  check(within(options.pxPerGrid, 0, 1000), "pixels per square out of range");
  const MapSize size = mapSizeFor(s.mapSizeIndex);
  const long long side = std::max(size.width, size.height);
  if (!options.uvttPath.empty() || !options.foundryPath.empty()) {
    check(side * exportPxPerGrid(options) / 16 <= kLargestTabletopPicture,
          "an export picture no tabletop loads");
  }
  if (!options.pngPath.empty()) {
    check(side * pngPxPerGrid(options) / 16 <= kLargestPng, "a PNG too large to read");
  }
  if (options.deadEnds.size() == 2) {
    check(options.deadEnds[0] == DeadEndMode::Some && options.deadEnds[1] == DeadEndMode::AFew,
          "clean-ups out of order");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args;
  if (size > 0) {
    std::string arg;
    for (std::size_t i = 0; i < size; ++i) {
      if (data[i] == 0) {
        args.push_back(std::move(arg));
        arg.clear();
      } else {
        arg += static_cast<char>(data[i]);
      }
    }
    args.push_back(std::move(arg));
  }
  const ParsedQuery query = parseQuery(std::string(reinterpret_cast<const char*>(data), size));
  checkOptions(query.options);
  for (const std::string& message : query.messages) {
    check(message.size() < 300 + size, "an overlong link message");
  }
  const ParseResult result = parseCommandLine(args);
  if (!result.ok()) {
    check(result.error.size() < 200 + size, "an overlong message");
    return 0;
  }
  checkOptions(result.options);
  return 0;
}
