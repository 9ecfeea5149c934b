#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/map_model.h"
#include "export/wall_outline.h"
#include "tests/support/generated_dungeon.h"
#include "tests/support/scratch_dir.h"

namespace delvora::testing {

// A unit edge of the pixel lattice: from (x, y) one pixel right (horizontal) or down.
struct UnitEdge {
  int x;
  int y;
  bool horizontal;
  auto operator<=>(const UnitEdge&) const = default;
};

// Every unit edge the axis-parallel segments of the polylines pass along (slanted ones, round
// rooms' corners, are left out).
inline std::set<UnitEdge> unitEdges(const std::vector<WallPolyline>& lines) {
  std::set<UnitEdge> edges;
  for (const WallPolyline& line : lines) {
    for (std::size_t i = 1; i < line.size(); ++i) {
      const MapPoint a = line[i - 1];
      const MapPoint b = line[i];
      if (a.x != b.x && a.y != b.y) continue;
      if (a.y == b.y) {
        for (int x = std::min(a.x, b.x); x < std::max(a.x, b.x); ++x) edges.insert({x, a.y, true});
      } else {
        for (int y = std::min(a.y, b.y); y < std::max(a.y, b.y); ++y) edges.insert({a.x, y, false});
      }
    }
  }
  return edges;
}

// The unit edges of a door's opening.
inline std::set<UnitEdge> openingEdges(const MapDoor& door) {
  return unitEdges({{door.from, door.to}});
}

// True when the door has a corner inside the corridor rectangle, as the clean-up tests it.
inline bool doorOfCorridor(const Rect& door, const Rect& corridor) {
  for (const int x : {door.left, door.right}) {
    for (const int y : {door.top, door.bottom}) {
      if (corridor.left <= x && x <= corridor.right && corridor.top <= y && y <= corridor.bottom) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace delvora::testing

namespace delvora::testing {

// Width and height from a PNG's header; {0, 0} when the bytes are no PNG.
inline std::pair<int, int> pngSize(const std::string& png) {
  static constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  if (png.size() < 24 || png.compare(0, 8, reinterpret_cast<const char*>(kSignature), 8) != 0) {
    return {0, 0};
  }
  const auto be32 = [&png](std::size_t at) {
    return static_cast<int>(
        (static_cast<std::uint32_t>(static_cast<unsigned char>(png[at])) << 24) |
        (static_cast<std::uint32_t>(static_cast<unsigned char>(png[at + 1])) << 16) |
        (static_cast<std::uint32_t>(static_cast<unsigned char>(png[at + 2])) << 8) |
        static_cast<unsigned char>(png[at + 3]));
  };
  return {be32(16), be32(20)};
}

inline std::string base64Decode(const std::string& text) {
  const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string bytes;
  std::uint32_t group = 0;
  int bits = 0;
  for (const char c : text) {
    const std::size_t value = alphabet.find(c);
    if (value == std::string::npos) break;
    group = (group << 6) | static_cast<std::uint32_t>(value);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      bytes.push_back(static_cast<char>((group >> bits) & 0xff));
    }
  }
  return bytes;
}

}  // namespace delvora::testing
