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

// Picks a random side of a random feature as the wall to build against (state.wall) and notes
// that feature's type (state.wallOwnerType).
void FindWall(StepContext& ctx);
// Places a feature of width x height pixels against the wall FindWall chose, away from its
// parent: sets the candidate rectangle, the attach direction, the door orientation and the door
// point. The size draws the position along the wall, so it is part of the random sequence.
void PlaceFeature(StepContext& ctx, int width, int height);

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
