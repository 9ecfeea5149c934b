// The map window's print commands: "Print Map", "Print Map 25mm Scale" and "Print Dressing".
#include "app/map_window.h"
#include "app/window_print_ui.h"
#include "print/qt/print_commands.h"

namespace delvora {

void MapWindow::Print1Click() {
  const Settings settings = m_readSettings();
  printMap(*m_printSession, printSource(settings), *m_printUi);
}

void MapWindow::PrintMap25mmScale1Click() {
  const Settings settings = m_readSettings();
  printMap25mm(*m_printSession, printSource(settings), *m_printUi);
}

void MapWindow::PrintDressing1Click() {
  const Settings settings = m_readSettings();
  printDressing(*m_printSession, printSource(settings), *m_printUi);
}

PrintSource MapWindow::printSource(const Settings& settings) const {
  return PrintSource{*m_model, m_canvas.bitmap(),           m_tables,
                     settings, windowTitle().toStdString(), std::nullopt};
}

}  // namespace delvora
