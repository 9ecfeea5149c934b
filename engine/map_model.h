#pragma once

#include <cstdint>
#include <vector>

#include "engine/canvas.h"
#include "engine/dimensions.h"
#include "engine/occupancy_grid.h"
#include "engine/random_source.h"
#include "engine/record_list.h"
#include "engine/records.h"
#include "engine/settings.h"

namespace delvora {

// What the steps keep beyond one build attempt: the run's settings in engine terms, the counts
// and flags later steps go by, and what a dead-end clean-up needs to redraw the overlays. The
// model outlives a run (the desktop program reuses it), so these keep their values between runs;
// everything else a step works out it hands on as a return value.
struct EngineState {
  // Map size in pixels: set at the start of a run, read by every step, clean-up and export after.
  int mapWidth = 0;
  int mapHeight = 0;
  // kGridSize when positions snap to the grid, else 1: set once per run for every placement.
  int snapStep = kGridSize;
  // Features built so far (first room included, stretches not): the overlap test skips the first.
  int featureCount = 0;
  // Type of the feature last attempted and of the feature owning its wall: the stretches after
  // all attempts go by them (lastAttemptJoinsCorridors).
  FeatureType lastFeatureType{};
  FeatureType lastWallOwnerType{};
  // Course of the river and the chasm (0 west to east, else north to south): drawn at the start
  // of a run and read by the river only after the stairs.
  int courseFlag = 0;
  // Random state and course flag where the overlays begin, kept for a later dead-end clean-up to
  // redraw river and chasm (saveOverlayStart, restoreOverlayStart).
  std::uint32_t savedSeed = 0;
  int savedCourseFlag = 0;

  // True when the last build attempt set a vertical corridor against a horizontal one or the
  // reverse. Its door then rolls a second time for an archway, and so do the doors of every
  // corridor stretch: they come after all attempts and go by whatever the last one was.
  bool lastAttemptJoinsCorridors() const {
    return (lastFeatureType == FeatureType::VerticalCorridor &&
            lastWallOwnerType == FeatureType::HorizontalCorridor) ||
           (lastFeatureType == FeatureType::HorizontalCorridor &&
            lastWallOwnerType == FeatureType::VerticalCorridor);
  }
};

// Tiles the dead-end clean-up painted: an erased corridor's fill (area tiled with the fill tile
// from its top-left, whole tiles, so it may reach past the corridor's right and bottom edges)
// or a closing tile at its door (area the tile's own size).
struct PaintedTiles {
  Tile tile = Tile::Speckled;
  Rect area;
  bool operator==(const PaintedTiles&) const = default;
};

// A point of a band's course as drawn: the start (width 0), then the end of each stroke with
// the pen width it was drawn with.
struct CoursePoint {
  int x = 0;
  int y = 0;
  int width = 0;
  bool operator==(const CoursePoint&) const = default;
};

// Everything a generation run works on: the random source, the occupancy grid, the feature,
// door, stairs and dressing lists, and the engine state.
struct MapModel {
  RandomSource random;
  OccupancyGrid grid;
  // Every feature, sorted.
  SortedRecordList lstWalls;
  // Corridor features in the order they were added.
  RecordList lstCorridors;
  // Every door, sorted.
  SortedRecordList lstDoors;
  // Staircases in the order placed: even positions go down, odd ones up.
  RecordList lstStairs;
  // Dead-end candidates of the last clean-up.
  RecordList lstEligable;
  // Corridors a clean-up painted over, each once, in the order first erased. The other lists
  // keep them, so this is how readers tell the map as drawn. Cleared with the per-map lists.
  RecordList lstErased;
  // Every tile area the clean-ups painted, in the order painted (a repeated clean-up paints its
  // corridors again). With the chasm's course, what the map shows beyond the lists; readers
  // that trace the map as drawn (the exports) need it. Cleared with the per-map lists.
  std::vector<PaintedTiles> cleanUpPaint;
  // The river's and the chasm's courses as last drawn; empty when that band was not drawn.
  // Recorded as the bands are drawn, with no draw of their own.
  std::vector<CoursePoint> riverCourse;
  std::vector<CoursePoint> chasmCourse;
  // Room dressing records in room-number order.
  RecordList lstFluff;
  // Door dressing records, sorted.
  SortedRecordList lstDoorDress;
  // Set by an editing round trip (ReWriteFluff): index 0 of each dressing table then holds room
  // 1's own text instead of the empty-category entry. Cleared with the per-map lists.
  bool fluffEdited = false;
  EngineState state;

  // Empties the per-map lists, as closing the map window does.
  void clearMapLists();
};

// What every step works with: the model, the settings as they stand, and the map's canvas.
struct StepContext {
  MapModel& model;
  const Settings& settings;
  Canvas& canvas;
};

// The truncating snap: value - (value rem step), so negative values round toward zero.
inline int snap(int value, int step) {
  return value - value % step;
}

// Overlap test of a closed rectangle against the grid: true (it fits) when no cell is covered,
// leaving out the wall line shared with the parent, which lies on the attachDirection side ('U',
// 'D', 'L' or 'R'). The first feature of a run (feature count 0) always fits.
bool CheckBitMap(const StepContext& ctx, Rect area, char attachDirection);

// Records a feature in lstWalls (and lstCorridors for corridors) and covers it in the grid.
void UpdateBitMap(StepContext& ctx, int left, int top, int right, int bottom, FeatureType type);

}  // namespace delvora
