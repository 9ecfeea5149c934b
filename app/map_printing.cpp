// The map window's print commands: "Print Map", "Print Map 25mm Scale" and "Print Dressing".
#include "app/map_window.h"
#include "app/window_print_ui.h"
#include "print/qt/print_commands.h"

namespace delvora {

void MapWindow::onPrintMapTriggered() {
  printMap(*m_printSession, printSource(), *m_printUi);
}

void MapWindow::onPrintMap25mmTriggered() {
  printMap25mm(*m_printSession, printSource(), *m_printUi);
}

void MapWindow::onPrintDressingTriggered() {
  printDressing(*m_printSession, printSource(), *m_printUi);
}

PrintSource MapWindow::printSource() const {
  return PrintSource{shown(), std::nullopt};
}

}  // namespace delvora
