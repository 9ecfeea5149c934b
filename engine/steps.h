#pragma once

#include "engine/map_model.h"

namespace delvora {

// Places, draws and records the first room in the middle half of the map.
void FirstRoom(StepContext& ctx);

// One build attempt: draws the kind of feature and calls its builder.
void BuildFeature(StepContext& ctx);
void BuildRoom(StepContext& ctx);
void BuildHCorr(StepContext& ctx);
void BuildVCorr(StepContext& ctx);

// A side of an existing feature that a new feature is built against.
struct Wall {
  // Either left == right (a vertical wall) or top == bottom (a horizontal one).
  Rect rect;
  // Type of the feature the wall belongs to.
  FeatureType ownerType{};
};

// Picks a random side of a random feature of lstWalls. Two draws.
Wall FindWall(StepContext& ctx);

// Where PlaceFeature puts a new feature and its door.
struct Placement {
  // The new feature; a negative top when nothing can go against the wall (the builder drops it).
  Rect candidate;
  // Side of the new feature on which its parent lies: 'U', 'D', 'L' or 'R' (CheckBitMap).
  char attachDirection = 'R';
  // 'H': the door sits in a horizontal wall; 'V': in a vertical wall.
  char doorOrientation = 'H';
  // Top-left pixel of the door tile.
  int doorX = 0;
  int doorY = 0;
};

// Places a feature of width x height pixels against the wall, away from the wall's owner, and
// picks its door point. The size draws the position along the wall, so it is part of the random
// sequence. Two draws.
Placement PlaceFeature(StepContext& ctx, const Wall& wall, int width, int height);

// The kind letter ('A', 'N', 'C' or 'S') for a 0..99 roll: 30 values always give an archway,
// the top concealed + secret values are shared between those two, the rest are doors.
char doorKindForRoll(int r, bool forced, int concealed, int secret);

// Where a door goes and what decides its kind besides the roll.
struct DoorPlacement {
  // Top-left pixel of the door tile.
  int x = 0;
  int y = 0;
  // 'H': in a horizontal wall; 'V': in a vertical wall.
  char orientation = 'H';
  // An archway whatever the roll (the two ends of a corridor stretch).
  bool forcedArchway = false;
  // A second roll makes the door an archway nine times in ten
  // (EngineState::lastAttemptJoinsCorridors).
  bool corridorCrossing = false;
};

// Rolls the kind of opening, draws its tile and records it in lstDoors. One draw, and a second
// one for a corridor crossing.
void AddDoor(StepContext& ctx, const DoorPlacement& door);

// Extends every other corridor until it meets another feature.
void StretchCorridor(StepContext& ctx);

// Places the staircases asked for; returns how many could not be placed.
int AddStairs(StepContext& ctx);

// The meandering bands across the finished map.
void BuildRiver(StepContext& ctx);
void BuildChasm(StepContext& ctx);

// The silver grid, one line every kGridSize pixels, in mask mode.
void DrawGrid(StepContext& ctx);

}  // namespace delvora
