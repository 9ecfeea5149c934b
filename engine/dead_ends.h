#pragma once

#include <functional>

#include "engine/map_model.h"

namespace delvora {

enum class DeadEndMode { Some, AFew };

// Rebuilds lstEligable: corridors touching on two or more sides that hold no staircase.
void FindEligable(StepContext& ctx);

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
