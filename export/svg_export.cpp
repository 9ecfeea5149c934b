#include "export/svg_export.h"

#include "export/map_drawing.h"
#include "export/map_painter.h"
#include "export/svg_surface.h"

namespace delvora {

std::string svgFile(const Dungeon& dungeon, Audience audience, const MapLook& look) {
  const MapDrawing drawing = mapDrawing(dungeon, audience);
  SvgSurface surface(drawing.width, drawing.height, dungeon.caption());
  paintMap(drawing, look, surface);
  return surface.finish();
}

}  // namespace delvora
