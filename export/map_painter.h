#pragma once

#include "export/map_drawing.h"
#include "export/map_style.h"
#include "export/vector_surface.h"

namespace delvora {

// The layers of a map drawing, in the order they are drawn.
inline constexpr const char* kMapLayers[] = {"floor", "water",  "grid",  "walls",
                                             "doors", "stairs", "labels"};

// The font size of room numbers, in map pixels.
inline constexpr double kLabelSize = 10;

// Draws the dungeon in map pixels on surface, one layer after another (kMapLayers, each one
// even when it is empty): the ground with the floor (and the hatching), the river and the chasm,
// the grid, the walls as outlines of their thickness, the doors, the staircases and the room
// numbers.
void paintMap(const MapDrawing& drawing, const MapLook& look, VectorSurface& surface);

}  // namespace delvora
