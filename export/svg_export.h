#pragma once

#include <string>

#include "dungeon/dungeon.h"
#include "export/map_style.h"

namespace delvora {

// The dungeon's map for audience as an SVG document in map pixels, drawn from the model in
// look: one group per layer (kMapLayers), the walls as the paths of the tabletop exports' walls,
// titled with the caption. Returns the document's bytes.
std::string svgFile(const Dungeon& dungeon, Audience audience, const MapLook& look);

}  // namespace delvora
