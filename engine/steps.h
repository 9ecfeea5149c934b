#pragma once

#include <vector>

#include "engine/landings.h"
#include "engine/map_model.h"

namespace delvora {

// Places, draws and records the first room in the middle half of the map. After landings it is
// built only where it overlaps none of them (its draws are made either way).
void FirstRoom(StepContext& ctx);

// Draws and records the landing rooms of a level below the first (landingRooms), before its
// first room. No draws.
void AddLandings(StepContext& ctx, const std::vector<StairsSpot>& upStairs);

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

// Joins the groups of features that no door links (a level grown from landings has several) by
// straight corridors with an archway at each end, shortest first, until one group is left or no
// straight corridor joins two groups. One or two draws per archway.
void JoinClusters(StepContext& ctx);

// Places the staircases asked for; returns how many could not be placed. Without upStairs (the
// first level) they alternate down and up, the first going down. With upStairs (a level below)
// the up staircases are drawn at those spots first, then ceil(stairs / 2) down staircases are
// placed as usual but never on a door tile or an up staircase, and the list interleaves them
// (down, up, down, up ...) so that even positions still go down.
int AddStairs(StepContext& ctx, const std::vector<StairsSpot>& upStairs = {});

// The meandering bands across the finished map.
void BuildRiver(StepContext& ctx);
void BuildChasm(StepContext& ctx);

// The silver grid, one line every kGridSize pixels, in mask mode.
void DrawGrid(StepContext& ctx);

}  // namespace delvora
