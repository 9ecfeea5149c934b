#pragma once

namespace delvora {

// The map's grid square in pixels: positions snap to it, corridors are one square wide, the grid
// overlay marks it, and the tabletop exports give their scale in pixels per square.
inline constexpr int kGridSize = 16;

// The least width and height drawn for a room or a horizontal corridor before snapping; a
// random share of the room size or corridor length range is added to it.
inline constexpr int kMinFeatureSize = 32;

}  // namespace delvora
