#pragma once

#include "engine/map_model.h"

namespace delvora {

// Keeps the random state and the course flag as they stand where the overlays begin (after the
// stairs step), in the state's saved seed and saved course flag.
void saveOverlayStart(MapModel& model);

// Puts back what saveOverlayStart kept, so that drawOverlays makes the same draws again and the
// river and the chasm come out as the run drew them.
void restoreOverlayStart(MapModel& model);

// The river, the chasm and the grid over the finished map, as the run and the dead-end clean-up
// both draw them: the river (when on) runs by the state's course flag; then the chasm's course
// flag is drawn, whether or not there is a chasm; then the chasm (when on) and the grid (when on).
void drawOverlays(StepContext& ctx);

}  // namespace delvora
