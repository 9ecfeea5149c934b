#include "app/advanced_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

#include "app/design_layout.h"
#include "app/dialogs.h"
#include "app/editor_launcher.h"
#include "app/percent_edit.h"
#include "app/qt_text.h"
#include "dressing/dressing_categories.h"
#include "dressing/dressing_file.h"

namespace delvora {
namespace {

QString latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

AdvancedWindow::AdvancedWindow(Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_dialogs(dialogs) {
  setWindowTitle(tr("Advanced Options"));
  move(94, 62);
  const DesignLayout design(*this);
  buildMiscGroup(design);
  buildEditGroup(design);

  design.place(new QLabel(tr("Dressing Files Directory"), this), 8, 286, 290, 16);
  m_dressingDirEdit = new QLineEdit(this);
  m_dressingDirEdit->setReadOnly(true);
  design.place(m_dressingDirEdit, 8, 304, 290, 24);
  m_dressingDirButton = new QToolButton(this);
  m_dressingDirButton->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  m_dressingDirButton->setAccessibleName(tr("Browse"));
  design.place(m_dressingDirButton, 302, 303, 30, 26);
  m_exitButton = new QPushButton(tr("Exit"), this);
  m_exitButton->setDefault(true);
  design.place(m_exitButton, 339, 302, 80, 28);
  setFixedSize(design.size(kClientWidth, kClientHeight));
  fitFont(*this);

  connect(m_editButton, &QPushButton::clicked, this, &AdvancedWindow::onEditClicked);
  connect(m_dressingDirButton, &QToolButton::clicked, this, &AdvancedWindow::onDressingDirClicked);
  connect(m_exitButton, &QPushButton::clicked, this, &QDialog::accept);
  // The controls start at the defaults of the settings record.
  setSettings(Settings{});
}

void AdvancedWindow::buildMiscGroup(const DesignLayout& design) {
  auto* group = new QGroupBox(tr("Misc Options"), this);
  design.place(group, 8, 4, 411, 168);
  m_corridorStairsBox = new QCheckBox(tr("Allow Stairs in corridors"), group);
  m_internalDressingBox = new QCheckBox(tr("Use internal Dressings"), group);
  m_snapBox = new QCheckBox(tr("Snap to Grid"), group);
  m_backgroundBox = new QCheckBox(tr("Show Background"), group);
  m_snapBox->setEnabled(false);
  design.place(m_corridorStairsBox, 10, 24, 200, 20);
  design.place(m_internalDressingBox, 10, 48, 200, 20);
  design.place(m_snapBox, 216, 24, 185, 20);
  design.place(m_backgroundBox, 216, 48, 185, 20);

  m_dressRollList = new QComboBox(group);
  for (int roll = 1; roll <= 6; ++roll) m_dressRollList->addItem(QString::number(roll));
  design.place(new QLabel(tr("Add dressing on a roll of a"), group), 10, 80, 180, 16);
  design.place(m_dressRollList, 194, 76, 50, 24);
  design.place(new QLabel(tr("or below"), group), 250, 80, 100, 16);

  m_concealedEdit = new PercentEdit(group);
  m_secretEdit = new PercentEdit(group);
  design.place(new QLabel(tr("%age doors concealed"), group), 10, 112, 180, 16);
  design.place(m_concealedEdit, 194, 108, 50, 24);
  design.place(new QLabel(tr("%age doors secret"), group), 10, 140, 180, 16);
  design.place(m_secretEdit, 194, 136, 50, 24);

  // Levels joined by stairs; the map window shows one at a time.
  m_levelsList = new QComboBox(group);
  for (int levels = 1; levels <= 10; ++levels) m_levelsList->addItem(QString::number(levels));
  design.place(new QLabel(tr("Levels"), group), 276, 112, 56, 16);
  design.place(m_levelsList, 334, 108, 68, 24);
}

void AdvancedWindow::buildEditGroup(const DesignLayout& design) {
  auto* group = new QGroupBox(tr("Edit Dungeon Dressing"), this);
  design.place(group, 8, 178, 411, 100);
  for (std::size_t i = 0; i < m_fileButtons.size(); ++i) {
    m_fileButtons[i] = new QRadioButton(latin1(kDressingCategories[i].caption), group);
  }
  m_fileButtons[0]->setChecked(true);
  // On screen: Descriptions, Items, Sounds in the first column; Smells, Traps, Treasure next.
  const std::array<int, 6> screenOrder = {0, 3, 1, 2, 4, 5};
  for (int slot = 0; slot < 6; ++slot) {
    design.place(m_fileButtons[screenOrder[slot]], 10 + (slot / 3) * 140, 24 + (slot % 3) * 24, 130,
                 20);
  }
  m_editButton = new QPushButton(tr("Edit"), group);
  design.place(m_editButton, 300, 42, 95, 30);
}

Settings AdvancedWindow::settings() const {
  Settings settings;
  settings.corridorStairs = m_corridorStairsBox->isChecked();
  settings.useInternalDressing = m_internalDressingBox->isChecked();
  settings.snapToGrid = m_snapBox->isChecked();
  settings.showBackground = m_backgroundBox->isChecked();
  settings.dressRoll = m_dressRollList->currentText().toInt();
  settings.levels = m_levelsList->currentText().toInt();
  settings.concealedPercent = m_concealedEdit->percent();
  settings.secretPercent = m_secretEdit->percent();
  settings.dressingDir = toFileNameBytes(QDir::fromNativeSeparators(m_dressingDirEdit->text()));
  return settings;
}

void AdvancedWindow::setSettings(const Settings& settings) {
  m_corridorStairsBox->setChecked(settings.corridorStairs);
  m_internalDressingBox->setChecked(settings.useInternalDressing);
  m_snapBox->setChecked(settings.snapToGrid);
  m_backgroundBox->setChecked(settings.showBackground);
  const int roll = m_dressRollList->findText(QString::number(settings.dressRoll));
  if (roll >= 0) m_dressRollList->setCurrentIndex(roll);
  const int levels = m_levelsList->findText(QString::number(settings.levels));
  if (levels >= 0) m_levelsList->setCurrentIndex(levels);
  m_concealedEdit->setValue(QString::number(settings.concealedPercent));
  m_secretEdit->setValue(QString::number(settings.secretPercent));
  const QString folder = settings.dressingDir.empty()
                             ? QDir::currentPath()
                             : QFile::decodeName(QByteArray::fromStdString(settings.dressingDir));
  m_dressingDirEdit->setText(QDir::toNativeSeparators(folder));
}

void AdvancedWindow::done(int result) {
  m_concealedEdit->clampText();
  m_secretEdit->clampText();
  QDialog::done(result);
}

QString AdvancedWindow::dressingFileToEdit(const QString& folder) const {
  std::size_t table = m_fileButtons.size() - 1;  // Treasure when none of the others is checked
  for (std::size_t i = 0; i + 1 < m_fileButtons.size(); ++i) {
    if (m_fileButtons[i]->isChecked()) table = i;
  }
  const std::string_view loaderName = kDressingCategories[table].fileName;
  const auto found = findDressingFile(QFile::encodeName(folder).toStdString(), loaderName);
  if (found.empty()) return latin1(loaderName);
  return QFile::decodeName(QByteArray::fromStdString(found.filename().string()));
}

void AdvancedWindow::onEditClicked() {
  // A dressing directory that cannot be used leaves the editor in the current directory.
  const QDir dressingDir(QDir::fromNativeSeparators(m_dressingDirEdit->text()));
  const QString folder = dressingDir.exists() ? dressingDir.absolutePath() : QDir::currentPath();
  const QString fileName = dressingFileToEdit(folder);
  QFile file(QDir(folder).filePath(fileName));
  // A missing file is created under the loader's spelling so that the next load reads it.
  if (!file.exists() && file.open(QIODevice::WriteOnly)) file.close();

  m_editButton->setEnabled(false);
  const bool edited = runEditorAndWait(fileName, folder, [] {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  });
  m_editButton->setEnabled(true);
  if (!edited) m_dialogs.showMessage(this, editorFailureMessage());
}

void AdvancedWindow::onDressingDirClicked() {
  const auto folder = m_dialogs.askFolder(this, tr("Select Dressing Path"), QDir::currentPath());
  if (!folder) return;
  m_dressingDirEdit->setText(QDir::toNativeSeparators(*folder));
  emit dressingDirChosen();
}

}  // namespace delvora
