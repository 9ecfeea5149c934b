#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

#include "engine/settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace delvora {

class AboutWindow;
class AdvancedWindow;
class DesignLayout;
class Dialogs;
class HelpViewer;
class MapWindow;

// The options window, the program's main window: room size, corridors, the misc switches, map
// size, iterations, staircases, seed and title, and "Generate".
class OptionsWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The client area below the menu bar in design pixels (DesignLayout).
  static constexpr int kClientWidth = 451;
  static constexpr int kClientHeight = 286;

  explicit OptionsWindow(Dialogs& dialogs, QWidget* parent = nullptr);
  // Deletes the editing file "DVTemp.txt" of the working directory (a missing file is fine).
  ~OptionsWindow() override;

  // The windows it shows; the advanced window must be attached before settings() is used.
  void attach(AdvancedWindow* advanced, MapWindow* map, AboutWindow* about);

  // The generation settings as the two option windows show them now.
  Settings settings() const;
  // Shows settings in the controls of both option windows (the advanced window's half only
  // when it is attached).
  void setSettings(const Settings& settings);

  // Controls, for the program's tests.
  QCheckBox* numberRoomsBox() const { return m_numberRoomsBox; }
  QCheckBox* dressingBox() const { return m_dressingBox; }
  QComboBox* mapSizeList() const { return m_mapSizeList; }
  QComboBox* iterationsList() const { return m_iterationsList; }
  QComboBox* stairsList() const { return m_stairsList; }
  QLineEdit* titleEdit() const { return m_titleEdit; }
  QLineEdit* seedEdit() const { return m_seedEdit; }
  QPushButton* generateButton() const { return m_generateButton; }
  QRadioButton* roomSizeButton(RoomSize size) const;
  // The help window, once Help has opened it.
  HelpViewer* helpViewer() const { return m_help.get(); }
  QRadioButton* corridorButton(CorridorStyle style) const;

 public slots:
  // "Generate": shows the map window for the settings on screen until it is closed.
  void onGenerateClicked();
  // Keeps "Dressing" unchecked and disabled while "Number Rooms" is unchecked.
  void onNumberRoomsToggled(bool checked);
  void onAdvancedClicked();
  void onHelpTriggered();
  void onAboutTriggered();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildRoomSizeGroup(QWidget* central, const DesignLayout& design);
  void buildCorridorGroup(QWidget* central, const DesignLayout& design);
  void buildMiscGroup(QWidget* central, const DesignLayout& design);
  void buildFields(QWidget* central, const DesignLayout& design);
  void buildButtons(QWidget* central, const DesignLayout& design);
  void buildMenu();
  void applyTabOrder();

  Dialogs& m_dialogs;
  AdvancedWindow* m_advanced = nullptr;
  MapWindow* m_map = nullptr;
  AboutWindow* m_about = nullptr;
  // A window of its own, not a child of this one, so that the map window, modal to this one,
  // does not block it.
  std::unique_ptr<HelpViewer> m_help;
  // The seed; the edit shows it masked.
  std::uint32_t m_seed = 0;

  QRadioButton* m_tinyButton = nullptr;
  QRadioButton* m_smallButton = nullptr;
  QRadioButton* m_mediumButton = nullptr;
  QRadioButton* m_largeButton = nullptr;
  QRadioButton* m_straightButton = nullptr;
  QRadioButton* m_twistyButton = nullptr;
  QRadioButton* m_veryTwistyButton = nullptr;
  QCheckBox* m_numberRoomsBox = nullptr;
  QCheckBox* m_dressingBox = nullptr;
  QCheckBox* m_gridBox = nullptr;
  QCheckBox* m_riverBox = nullptr;
  QCheckBox* m_chasmBox = nullptr;
  QComboBox* m_mapSizeList = nullptr;
  QComboBox* m_iterationsList = nullptr;
  QComboBox* m_stairsList = nullptr;
  QLineEdit* m_seedEdit = nullptr;
  QLineEdit* m_titleEdit = nullptr;
  QPushButton* m_generateButton = nullptr;
  QPushButton* m_reseedButton = nullptr;
  QPushButton* m_advancedButton = nullptr;
  QPushButton* m_exitButton = nullptr;
};

}  // namespace delvora
