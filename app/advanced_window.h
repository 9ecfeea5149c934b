#pragma once

#include <QDialog>
#include <array>

#include "engine/settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace delvora {

class Dialogs;
class PercentEdit;

// The advanced options window: stairs in corridors, dressing source, snap, background, dressing
// roll, door percentages, the dressing file editor and the dressing directory.
class AdvancedWindow : public QDialog {
  Q_OBJECT

 public:
  explicit AdvancedWindow(Dialogs& dialogs, QWidget* parent = nullptr);

  // Writes this window's half of the generation settings from the controls as they stand.
  void writeSettings(Settings& settings) const;

  // The dressing file name the "Edit" button opens for the checked radio button, as the
  // dressing loader finds it in folder (the loader's spelling when there is no such file).
  QString dressingFileToEdit(const QString& folder) const;

  // Controls, for the program's tests.
  QCheckBox* corridorStairsBox() const { return m_chkCorrStairs; }
  QCheckBox* internalDressingBox() const { return m_chkDress; }
  QCheckBox* snapBox() const { return m_chkSnapGrid; }
  QCheckBox* backgroundBox() const { return m_chkBackGround; }
  PercentEdit* concealedEdit() const { return m_edConcdoor; }
  PercentEdit* secretEdit() const { return m_edSecDoor; }
  QComboBox* dressRollList() const { return m_edDressRoll; }
  QLineEdit* dressingDirEdit() const { return m_edFluffDir; }
  QPushButton* editButton() const { return m_butEdit; }
  QRadioButton* fileButton(int table) const { return m_fileButtons[table]; }

  void butEditClick();
  void butFluffDirClick();

 signals:
  // The user chose a new dressing directory: the tables are to be reloaded at once.
  void dressingDirChosen();

 private:
  QWidget* buildMiscGroup();
  QWidget* buildEditGroup();

  Dialogs& m_dialogs;
  // The stairs-in-corridors flag, always equal to the "Allow Stairs in corridors" box.
  bool m_corrStairs = true;
  QCheckBox* m_chkCorrStairs = nullptr;
  QCheckBox* m_chkDress = nullptr;
  QCheckBox* m_chkSnapGrid = nullptr;
  QCheckBox* m_chkBackGround = nullptr;
  QComboBox* m_edDressRoll = nullptr;
  PercentEdit* m_edConcdoor = nullptr;
  PercentEdit* m_edSecDoor = nullptr;
  // In table order: Descriptions, Sounds, Smells, Items, Traps, Treasure.
  std::array<QRadioButton*, 6> m_fileButtons{};
  QPushButton* m_butEdit = nullptr;
  QLineEdit* m_edFluffDir = nullptr;
  QToolButton* m_butFluffDir = nullptr;
  QPushButton* m_butExit = nullptr;
};

}  // namespace delvora
