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

// Picks a random side of a random feature as the wall to build against.
void FindWall(StepContext& ctx);
// Turns the candidate's size into a position against the chosen wall and sets the door point.
void PlaceFeature(StepContext& ctx);

// The kind letter ('A', 'N', 'C' or 'S') for a 0..99 roll: 30 values always give an archway,
// the top concealed + secret values are shared between those two, the rest are doors.
char doorKindForRoll(int r, bool forced, int concealed, int secret);

// Rolls the kind of opening at (x, y), draws its tile and records it; forced makes an archway.
void AddDoor(StepContext& ctx, int x, int y, bool forced);

// Extends every other corridor until it meets another feature.
void StretchCorridor(StepContext& ctx);

// Places the staircases asked for; returns how many could not be placed.
int AddStairs(StepContext& ctx);

// The meandering bands across the finished map.
void BuildRiver(StepContext& ctx);
void BuildChasm(StepContext& ctx);

// The silver 16-pixel grid in mask mode.
void DrawGrid(StepContext& ctx);

}  // namespace delvora
