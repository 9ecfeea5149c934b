#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <memory>

#include "dungeon/dungeon.h"
#include "dungeon/levels.h"

class QAction;
class QActionGroup;
class QMenu;
class QScrollArea;

namespace delvora {

class Dialogs;
class LegendStrip;
class MapView;
class WindowPrintUi;
struct PrintSession;
struct PrintSource;

// The map window: shows the generated dungeon with its legend strip and runs the menu commands
// on it (dead ends, dressing report, dressing editing). It owns the dungeon for the life of the
// program. A dungeon of several levels (Settings::levels) shows one level at a time, chosen in
// the "Level" menu; the commands work on the level shown, the dead-end clean-ups on every level.
class MapWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The menu entries, in menu order.
  struct Menu {
    QAction* print = nullptr;
    QAction* printMap25mmScale = nullptr;
    QAction* saveAs = nullptr;
    QAction* printDressing = nullptr;
    QAction* saveDressingAs = nullptr;
    QAction* exportCC2 = nullptr;
    QAction* edit = nullptr;
    QAction* lots = nullptr;
    QAction* some = nullptr;
    QAction* aFew = nullptr;
    QAction* exit = nullptr;
  };

  explicit MapWindow(Dialogs& dialogs, QWidget* parent = nullptr);
  ~MapWindow() override;

  // One generation for settings, which the window keeps for this showing (the options window is
  // disabled meanwhile): sets the caption, seeds, reloads the dressing, opens the window (modal)
  // and runs the build. False when the dressing load failed: its message was shown and the
  // window did not open.
  bool generate(const Settings& settings);
  // generate(), then waits until the user closes the window.
  void showModal(const Settings& settings);

  // Reloads the dressing tables from the settings' dressing directory; a failure is shown as a
  // message.
  void reloadDressing(const Settings& settings);

  // The settings of the current (or last) showing.
  const Settings& settings() const { return shown().settings(); }

  // The level shown (the dungeon itself when it has one level).
  const Dungeon& dungeon() const { return shown(); }
  const MapModel& model() const { return shown().model(); }
  const DressingTables& tables() const { return shown().tables(); }
  const Bitmap& bitmap() const { return shown().picture(); }
  // Shows level `level` (from 1) of a dungeon of several levels.
  void showLevel(int level);
  int shownLevel() const { return m_shownLevel; }
  QMenu* levelMenu() const { return m_levelMenu; }
  MapView* view() const { return m_view; }
  QScrollArea* scrollArea() const { return m_scrollArea; }
  const Menu& menu() const { return m_menu; }
  // True while a build or a clean-up runs.
  bool busy() const { return m_busy; }

 public slots:
  // The menu commands.
  void onPrintMapTriggered();
  void onPrintMap25mmTriggered();
  void onPrintDressingTriggered();
  void onSaveDressingAsTriggered();
  void onEditTriggered();
  void onLotsTriggered();
  void onSomeTriggered();
  void onAFewTriggered();
  void onExitTriggered();
  // The pointer moved to map pixel (x, y): the hover read-out follows it.
  void onMapMouseMoved(int x, int y);

 signals:
  // The window was closed and its lists emptied; a modal showing ends here.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void buildLevelMenu();
  Dungeon& shown() const { return m_levels ? m_levels->level(m_shownLevel) : *m_dungeon; }
  void prepareShowing(const Settings& settings);
  void showPicture();
  void fitWindow();
  void runDeadEnds(DeadEndMode mode);
  void emptyListsAndMenus();
  void processMessages();
  // The map, dressing and caption as the print commands read them.
  PrintSource printSource() const;

  Dialogs& m_dialogs;
  std::unique_ptr<Dungeon> m_dungeon;
  // The levels of a dungeon of several levels, else null (m_dungeon is the dungeon).
  std::unique_ptr<DungeonLevels> m_levels;
  int m_shownLevel = 1;
  QMenu* m_levelMenu = nullptr;
  QActionGroup* m_levelGroup = nullptr;
  // Printing state kept for the life of the program (orientation, the job running).
  std::unique_ptr<PrintSession> m_printSession;
  std::unique_ptr<WindowPrintUi> m_printUi;
  Menu m_menu;
  LegendStrip* m_legend = nullptr;
  MapView* m_view = nullptr;
  QScrollArea* m_scrollArea = nullptr;
  // True while a build or a clean-up runs: the window may repaint but not be closed.
  bool m_busy = false;
  // Times "Generate" to the first paint of the finished map when DELVORA_TIMING is set.
  QElapsedTimer m_generateTimer;
};

}  // namespace delvora
