#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "engine/map_model.h"

namespace delvora::testing {

// True when two rectangles share more than a line.
inline bool areasOverlap(const Rect& a, const Rect& b) {
  return std::max(a.left, b.left) < std::min(a.right, b.right) &&
         std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

inline bool isDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The records of a finished run: features well-formed and on the map, doors on a wall line of
// some feature, stairs records of their width. builtWalls (lstWalls before stretching, may be
// empty) must hold proper rectangles that share at most a wall line.
inline void checkEngineInvariants(const MapModel& model, const Settings& settings,
                                  const std::vector<std::string>& builtWalls) {
  const MapSize size = mapSizeFor(settings.mapSizeIndex);
  for (const std::string& record : model.lstWalls) {
    ASSERT_EQ(record.size(), 17u) << record;
    ASSERT_TRUE(isDigits(record)) << record;
    const Feature f = parseFeature(record);
    ASSERT_TRUE(isRoom(f.type) || isCorridor(f.type)) << record;
    ASSERT_GE(f.rect.left, 0) << record;
    ASSERT_GE(f.rect.top, 0) << record;
    ASSERT_LE(f.rect.right, size.width) << record;
    ASSERT_LE(f.rect.bottom, size.height) << record;
    // A stretch that meets a feature one pixel away (snap off) is an empty piece whose right
    // edge lies one pixel left of its left edge.
    ASSERT_LE(f.rect.left, f.rect.right + 1) << record;
    ASSERT_LE(f.rect.top, f.rect.bottom + 1) << record;
  }
  for (const std::string& record : builtWalls) {
    const Feature f = parseFeature(record);
    ASSERT_LT(f.rect.left, f.rect.right) << record;
    ASSERT_LT(f.rect.top, f.rect.bottom) << record;
  }
  for (std::size_t i = 0; i < builtWalls.size(); ++i) {
    const Rect a = parseFeature(builtWalls[i]).rect;
    for (std::size_t j = i + 1; j < builtWalls.size(); ++j) {
      const Rect b = parseFeature(builtWalls[j]).rect;
      if (a == b) continue;  // the same feature recorded twice
      ASSERT_FALSE(areasOverlap(a, b)) << builtWalls[i] << " vs " << builtWalls[j];
    }
  }
  for (const std::string& door : model.lstDoors) {
    const DoorRecord parsed = parseDoor(door);
    ASSERT_EQ(doorRecord(parsed.tile, parsed.orientation, parsed.kind), door) << "well-formed";
    ASSERT_NE(std::string("HV").find(parsed.orientation), std::string::npos) << door;
    ASSERT_NE(std::string("ANCS").find(parsed.kind), std::string::npos) << door;
    const Rect& d = parsed.tile;
    const bool horizontal = parsed.orientation == 'H';
    ASSERT_EQ(d.right - d.left, horizontal ? 14 : 7) << door;
    bool straddles = false;
    for (const std::string& record : model.lstWalls) {
      const Rect f = parseFeature(record).rect;
      if (horizontal) {
        straddles |= (d.top + 2 == f.top || d.top + 2 == f.bottom || d.top + 3 == f.top) &&
                     d.left < f.right && f.left < d.right;
      } else {
        straddles |= (d.left + 2 == f.left || d.left + 2 == f.right || d.left + 3 == f.left) &&
                     d.top < f.bottom && f.top < d.bottom;
      }
    }
    ASSERT_TRUE(straddles) << door;
  }
  for (const std::string& stairs : model.lstStairs) {
    ASSERT_EQ(stairs.size(), 16u) << stairs;
    ASSERT_TRUE(isDigits(stairs)) << stairs;
  }
}

}  // namespace delvora::testing
