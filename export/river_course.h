#pragma once

#include <vector>

#include "engine/map_model.h"
#include "engine/settings.h"

namespace delvora {

// The river's course as the map shows it, like MapModel::chasmCourse; empty without a river.
// The model does not keep it yet, so it is walked again from the random state and course flag
// saved where the overlays begin: the same draws give the same course, as the dead-end clean-up
// relies on. Once the model records the river's course, read it from there instead.
std::vector<CoursePoint> riverCourse(const MapModel& model, const Settings& settings);

}  // namespace delvora
