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

class DesignLayout;
class Dialogs;
class PercentEdit;

// The advanced options window: stairs in corridors, dressing source, snap, background, dressing
// roll, door percentages, the dressing file editor and the dressing directory.
class AdvancedWindow : public QDialog {
  Q_OBJECT

 public:
  // The client area in design pixels (DesignLayout).
  static constexpr int kClientWidth = 427;
  static constexpr int kClientHeight = 342;

  explicit AdvancedWindow(Dialogs& dialogs, QWidget* parent = nullptr);

  // This window's half of the generation settings as the controls stand; the other fields keep
  // their defaults.
  Settings settings() const;
  // Shows this window's half of settings; an empty dressing directory shows as the working
  // directory.
  void setSettings(const Settings& settings);

  // The dressing file name the "Edit" button opens for the checked radio button, as the
  // dressing loader finds it in folder (the loader's spelling when there is no such file).
  QString dressingFileToEdit(const QString& folder) const;

  // Controls, for the program's tests.
  QCheckBox* corridorStairsBox() const { return m_corridorStairsBox; }
  QCheckBox* snapBox() const { return m_snapBox; }
  PercentEdit* concealedEdit() const { return m_concealedEdit; }
  PercentEdit* secretEdit() const { return m_secretEdit; }
  QComboBox* dressRollList() const { return m_dressRollList; }
  QComboBox* levelsList() const { return m_levelsList; }
  QLineEdit* dressingDirEdit() const { return m_dressingDirEdit; }
  QPushButton* editButton() const { return m_editButton; }
  QRadioButton* fileButton(int table) const { return m_fileButtons[table]; }

 public slots:
  // "Edit": opens the chosen dressing file in the editor and waits until it is closed.
  void onEditClicked();
  // The folder button: chooses the dressing directory.
  void onDressingDirClicked();

 signals:
  // The user chose a new dressing directory: the tables are to be reloaded at once.
  void dressingDirChosen();

 protected:
  // However the window closes (Exit, Enter, Escape, the title bar), the percentage edits show
  // the values the generation will use.
  void done(int result) override;

 private:
  void buildMiscGroup(const DesignLayout& design);
  void buildEditGroup(const DesignLayout& design);

  Dialogs& m_dialogs;
  QCheckBox* m_corridorStairsBox = nullptr;
  QCheckBox* m_internalDressingBox = nullptr;
  QCheckBox* m_snapBox = nullptr;
  QCheckBox* m_backgroundBox = nullptr;
  QComboBox* m_dressRollList = nullptr;
  QComboBox* m_levelsList = nullptr;
  PercentEdit* m_concealedEdit = nullptr;
  PercentEdit* m_secretEdit = nullptr;
  // In table order: Descriptions, Sounds, Smells, Items, Traps, Treasure.
  std::array<QRadioButton*, 6> m_fileButtons{};
  QPushButton* m_editButton = nullptr;
  QLineEdit* m_dressingDirEdit = nullptr;
  QToolButton* m_dressingDirButton = nullptr;
  QPushButton* m_exitButton = nullptr;
};

}  // namespace delvora
