#include "app/program.h"

#include <QApplication>

#include "app/about_window.h"
#include "app/advanced_window.h"
#include "app/map_window.h"
#include "app/options_window.h"

namespace delvora {
namespace {

void restoreAndRaise(QWidget& window) {
  if (window.isMinimized()) window.showNormal();
  window.raise();
  window.activateWindow();
}

}  // namespace

Program::Program(Dialogs& dialogs) {
  m_options = std::make_unique<OptionsWindow>(dialogs);
  m_advanced = std::make_unique<AdvancedWindow>(dialogs, m_options.get());
  m_options->attach(m_advanced.get(), nullptr, nullptr);
  m_map = std::make_unique<MapWindow>(dialogs, m_options.get());
  // The dressing tables are loaded once the advanced window, which names their folder, exists.
  m_map->reloadDressing(m_options->settings());
  m_about = std::make_unique<AboutWindow>(m_options.get());
  m_options->attach(m_advanced.get(), m_map.get(), m_about.get());
  QObject::connect(m_advanced.get(), &AdvancedWindow::dressingDirChosen, m_map.get(),
                   [this] { m_map->reloadDressing(m_options->settings()); });
  QApplication::instance()->installEventFilter(&m_windowGroup);
}

Program::~Program() {
  QApplication::instance()->removeEventFilter(&m_windowGroup);
}

void Program::bringToFront() {
  restoreAndRaise(*m_options);
  if (QWidget* modal = QApplication::activeModalWidget()) restoreAndRaise(*modal);
}

}  // namespace delvora
