#pragma once

#include <vector>

#include "export/vector_surface.h"
#include "export/wall_geometry.h"
#include "export/wall_shapes.h"

namespace delvora {

// The polylines as one path in map pixels; a polyline that ends where it began is closed. Given
// corners, where consecutive points lie on one round room's corner the path follows that
// corner's ellipse between them (cubic curves, ends kept where the points are).
VectorPath outlinePath(const std::vector<WallPolyline>& lines,
                       const RoundCorners* corners = nullptr);

}  // namespace delvora
