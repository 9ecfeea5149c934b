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

// The working variables through which the steps hand results to each other. They keep their
// values between steps and between runs: a step that reads a variable it did not set gets
// whatever the last writer left.
struct EngineState {
  int mapWidth = 0;
  int mapHeight = 0;
  // kGridSize when positions snap to the grid, else 1.
  int snapStep = kGridSize;
  CorridorStyle corridorStyle = CorridorStyle::Straight;
  // Features built so far (first room included, stretches not).
  int featureCount = 0;
  // The feature being placed (PlaceFeature).
  Rect candidate;
  // Type of the feature being attempted; kept after the attempt (lastAttemptJoinsCorridors).
  FeatureType featureType{};
  // Result of the overlap test.
  bool fits = false;
  // The chosen wall: either left == right (vertical) or top == bottom (horizontal).
  Rect wall;
  // Feature type of the feature that owns the chosen wall; kept after the attempt.
  FeatureType wallOwnerType{};
  // Side of the new feature on which its parent lies: 'U', 'D', 'L' or 'R'.
  char attachDirection = 'R';
  // 'H': the door sits in a horizontal wall; 'V': in a vertical wall.
  char doorOrientation = 'H';
  // Top-left pixel of the door tile for the new feature.
  int doorX = 0;
  int doorY = 0;
  // Picks the course of the river and the chasm: 0 west to east, else north to south.
  int courseFlag = 0;
  // Random state and course flag saved after the stairs step for redrawing river and chasm
  // (saveOverlayStart, restoreOverlayStart).
  std::uint32_t savedSeed = 0;
  int savedCourseFlag = 0;

  // True when the last build attempt set a vertical corridor against a horizontal one or the
  // reverse. Its door then rolls a second time for an archway, and so do the doors of every
  // corridor stretch: they come after all attempts and go by whatever the last one was.
  bool lastAttemptJoinsCorridors() const {
    return (featureType == FeatureType::VerticalCorridor &&
            wallOwnerType == FeatureType::HorizontalCorridor) ||
           (featureType == FeatureType::HorizontalCorridor &&
            wallOwnerType == FeatureType::VerticalCorridor);
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
  // The chasm's course as last drawn; empty when no chasm was drawn.
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

// Overlap test of a closed rectangle against the grid: clears the fit flag when a covered cell
// is found, leaving out the wall line shared with the parent. The first feature is never tested.
void CheckBitMap(StepContext& ctx, int left, int top, int right, int bottom);

// Records a feature in lstWalls (and lstCorridors for corridors) and covers it in the grid.
void UpdateBitMap(StepContext& ctx, int left, int top, int right, int bottom, FeatureType type);

}  // namespace delvora
