#pragma once

#include <vector>

#include "engine/map_model.h"

namespace delvora {

// The groups of features that doors link: for every record of lstWalls (in its order) the number
// of its group, groups numbered from 0 in the order of their first feature. A door links the
// features whose closed rectangles its tile touches.
std::vector<int> featureClusters(const MapModel& model);

// How many groups featureClusters finds; 0 for a map without features.
int clusterCount(const MapModel& model);

}  // namespace delvora
