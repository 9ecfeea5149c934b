// The map window's print commands: "Print Map", "Print Map 25mm Scale", "Print Battle Map..."
// and "Print Dressing".
#include "app/map_window.h"
#include "app/window_print_ui.h"
#include "files/atomic_file.h"
#include "print/battle_map/battle_map_pdf.h"
#include "print/print_layout.h"
#include "print/qt/print_commands.h"

namespace delvora {

void MapWindow::onPrintMapTriggered() {
  printMap(*m_printSession, printSource(), *m_printUi);
}

void MapWindow::onPrintMap25mmTriggered() {
  printMap25mm(*m_printSession, printSource(), *m_printUi);
}

// To a PDF file the battle map is the very file delvora-cli writes; to a printer, the same pages
// drawn through Qt.
void MapWindow::onPrintBattleMapTriggered() {
  const std::optional<BattleMapRequest> request = m_dialogs.askBattleMap(this, m_battleMap);
  if (!request) return;
  m_battleMap = *request;
  if (!request->toPdfFile) {
    printBattleMap(*m_printSession, printSource(), request->options, *m_printUi);
    return;
  }
  const Dungeon& level = shown();
  const std::string path = m_printUi->askPdfFileName(
      {"Print Battle Map", pdfFileStem(level.settings().title) + "-battle-map"});
  if (path.empty()) return;
  const std::string error = writeFileAtomically(
      path, battleMapPdf(level, level.drawnFor(), request->options), Durability::Synced);
  if (!error.empty()) m_printUi->showMessage("Cannot write PDF file " + path + ": " + error);
}

void MapWindow::onPrintDressingTriggered() {
  printDressing(*m_printSession, printSource(), *m_printUi);
}

PrintSource MapWindow::printSource() const {
  return PrintSource{shown(), std::nullopt};
}

}  // namespace delvora
