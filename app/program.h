#pragma once

#include <memory>

#include "app/window_group.h"

namespace delvora {

class AboutWindow;
class AdvancedWindow;
class Dialogs;
class MapWindow;
class OptionsWindow;

// The program's four windows, created once in the order the settings need: the options window,
// the advanced window (the dressing directory), the map window (loads the dressing; modal to
// the options window) and the about window. They minimise and come back as one.
class Program {
 public:
  explicit Program(Dialogs& dialogs);
  ~Program();

  OptionsWindow& options() { return *m_options; }
  AdvancedWindow& advanced() { return *m_advanced; }
  MapWindow& map() { return *m_map; }
  AboutWindow& about() { return *m_about; }

  // Brings the program to the front for a second copy: restored if minimised, raised and
  // activated, the modal window on top if one is open.
  void bringToFront();

 private:
  std::unique_ptr<OptionsWindow> m_options;
  std::unique_ptr<AdvancedWindow> m_advanced;
  std::unique_ptr<MapWindow> m_map;
  std::unique_ptr<AboutWindow> m_about;
  WindowGroup m_windowGroup;
};

}  // namespace delvora
