// "Print Battle Map...": the battle map on the printer the print commands use.
#include "export/map_drawing.h"
#include "print/battle_map/battle_map_pages.h"
#include "print/qt/print_commands.h"
#include "print/qt/printer_setup.h"
#include "print/qt/qt_page_canvas.h"

namespace delvora {

void printBattleMap(PrintSession& session, const PrintSource& source,
                    const BattleMapOptions& options, PrintUi& ui) {
  const Dungeon& dungeon = source.dungeon;
  const MapDrawing drawing = mapDrawing(dungeon, dungeon.drawnFor());
  const BattleMapLayout layout =
      battleMapLayout(drawing.traced, drawing.width, drawing.height, options);
  ui.setBusy(true);
  const JobPaper paper{
      QPageSize(options.paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4),
      layout.landscape ? PageOrientation::Landscape : PageOrientation::Portrait};
  const JobStart start = beginPrintJob(session, ui, paper, pdfQuestion("Print Battle Map", source));
  if (!start.job) {
    ui.setBusy(false);
    if (!start.failure.empty()) ui.showMessage(start.failure);
    return;
  }
  QtPageCanvas canvas(*start.job->printer, start.job->painter);
  drawBattleMap(drawing, layout, options, dungeon.caption(), canvas);
  const bool ended = start.job->end();
  ui.setBusy(false);
  if (!ended) ui.showMessage("Cannot create file " + start.job->pdfPath);
}

}  // namespace delvora
