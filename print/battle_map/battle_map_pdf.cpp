#include "print/battle_map/battle_map_pdf.h"

#include "export/map_drawing.h"
#include "print/battle_map/battle_map_pages.h"
#include "print/battle_map/pdf_canvas.h"

namespace delvora {

std::string battleMapPdf(const Dungeon& dungeon, Audience audience,
                         const BattleMapOptions& options) {
  const MapDrawing drawing = mapDrawing(dungeon, audience);
  const BattleMapLayout layout =
      battleMapLayout(drawing.traced, drawing.width, drawing.height, options);
  const std::string caption = dungeon.caption();
  PdfCanvas canvas(caption);
  drawBattleMap(drawing, layout, options, caption, canvas);
  return canvas.finish();
}

}  // namespace delvora
