#pragma once

#include <QMainWindow>
#include <QString>

#include "engine/settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace delvora {

class AboutWindow;
class AdvancedWindow;
class Dialogs;
class HelpViewer;
class MapWindow;

// The options window, the program's main window: room size, corridors, the misc switches, map
// size, iterations, staircases, seed and title, and "Generate".
class OptionsWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit OptionsWindow(Dialogs& dialogs, QWidget* parent = nullptr);
  // Deletes the editing file "DVTemp.txt" of the working directory (a missing file is fine).
  ~OptionsWindow() override;

  // The windows it shows; the advanced window must be attached before settings() is used.
  void attach(AdvancedWindow* advanced, MapWindow* map, AboutWindow* about);

  // The generation settings as the two option windows show them now.
  Settings settings() const;

  // The map window's caption for the title text.
  static QString mapCaption(const QString& title);

  // Controls, for the program's tests.
  QCheckBox* numberRoomsBox() const { return m_NumberRooms; }
  QCheckBox* dressingBox() const { return m_Fluff; }
  QComboBox* mapSizeList() const { return m_lstMapSize; }
  QComboBox* iterationsList() const { return m_lstIterations; }
  QComboBox* stairsList() const { return m_lstStairs; }
  QLineEdit* titleEdit() const { return m_edTitle; }
  QLineEdit* seedEdit() const { return m_edRandSeed; }
  QPushButton* generateButton() const { return m_butGenerate; }
  QCheckBox* riverBox() const { return m_River; }
  QCheckBox* chasmBox() const { return m_Chasm; }
  QCheckBox* gridBox() const { return m_DrawGrid; }
  QRadioButton* roomSizeButton(RoomSize size) const;
  QRadioButton* corridorButton(CorridorStyle style) const;

  void butGenerateClick();
  void NumberRoomsClick(bool checked);
  void helpClick();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* buildRoomSizeGroup();
  QWidget* buildCorridorGroup();
  QWidget* buildMiscGroup();
  void buildMenu();
  void applyTabOrder();

  Dialogs& m_dialogs;
  AdvancedWindow* m_advanced = nullptr;
  MapWindow* m_map = nullptr;
  AboutWindow* m_about = nullptr;
  HelpViewer* m_help = nullptr;
  // The seed as typed; the edit shows it masked.
  QString m_seedText = QStringLiteral("66205318");

  QRadioButton* m_radTiny = nullptr;
  QRadioButton* m_radSmall = nullptr;
  QRadioButton* m_radMedium = nullptr;
  QRadioButton* m_radLarge = nullptr;
  QRadioButton* m_butStraight = nullptr;
  QRadioButton* m_butTwisty = nullptr;
  QRadioButton* m_butVTwisty = nullptr;
  QCheckBox* m_NumberRooms = nullptr;
  QCheckBox* m_Fluff = nullptr;
  QCheckBox* m_DrawGrid = nullptr;
  QCheckBox* m_River = nullptr;
  QCheckBox* m_Chasm = nullptr;
  QComboBox* m_lstMapSize = nullptr;
  QComboBox* m_lstIterations = nullptr;
  QComboBox* m_lstStairs = nullptr;
  QLineEdit* m_edRandSeed = nullptr;
  QLineEdit* m_edTitle = nullptr;
  QPushButton* m_butGenerate = nullptr;
  QPushButton* m_butReSeed = nullptr;
  QPushButton* m_butAdv = nullptr;
  QPushButton* m_butExit = nullptr;
};

}  // namespace delvora
