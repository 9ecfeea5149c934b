#pragma once

#include <functional>

#include "engine/map_model.h"

namespace delvora {

enum class DeadEndMode { Some, AFew };

// Rebuilds lstEligable: corridors touching on two or more sides that hold no staircase.
void FindEligable(StepContext& ctx);

// The door corners lying in a corridor left..right x top..bottom (inclusive): their count over
// every door of lstDoors, the sum of their corner bits (1 top-left, 2 top-right, 4 bottom-left,
// 8 bottom-right) and the top-left corner of the last door with a corner inside. The erasing
// pass erases a corridor with exactly two and closes the door at that corner; the lists it
// reads stay as they are, so this tells afterwards which door it closed.
struct DoorHits {
  int hits = 0;
  int mask = 0;
  int doorX = 0;
  int doorY = 0;
};
DoorHits findDoorHits(const SortedRecordList& doors, const Rect& corridor);

// Removes the door dressing records of the door(s) whose top-left corner is (x, y).
void DropDoor(StepContext& ctx, int x, int y);

// The erasing pass: paints over dead-end corridors (about half in Some mode, all in A Few
// mode), closes their doors and drops those doors' dressing.
void CleanCorridors(StepContext& ctx, DeadEndMode mode,
                    const std::function<void()>& processMessages = {});

// The whole clean-up of the "Some" or "A Few" menu item: erasing pass, then river, chasm and
// grid redrawn from the saved random state.
void CleanDeadEnds(StepContext& ctx, DeadEndMode mode,
                   const std::function<void()>& processMessages = {});

}  // namespace delvora
