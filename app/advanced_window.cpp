#include "app/advanced_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

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

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildMiscGroup());
  layout->addWidget(buildEditGroup());

  auto* dirRow = new QHBoxLayout;
  m_edFluffDir = new QLineEdit(QDir::toNativeSeparators(QDir::currentPath()), this);
  m_edFluffDir->setReadOnly(true);
  m_butFluffDir = new QToolButton(this);
  m_butFluffDir->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  m_butFluffDir->setAccessibleName(tr("Browse"));
  dirRow->addWidget(m_edFluffDir, 1);
  dirRow->addWidget(m_butFluffDir);
  layout->addWidget(new QLabel(tr("Dressing Files Directory"), this));
  layout->addLayout(dirRow);

  m_butExit = new QPushButton(tr("Exit"), this);
  m_butExit->setDefault(true);
  layout->addWidget(m_butExit, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(m_chkCorrStairs, &QCheckBox::toggled, this, [this](bool on) { m_corrStairs = on; });
  connect(m_butEdit, &QPushButton::clicked, this, &AdvancedWindow::butEditClick);
  connect(m_butFluffDir, &QToolButton::clicked, this, &AdvancedWindow::butFluffDirClick);
  connect(m_butExit, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget* AdvancedWindow::buildMiscGroup() {
  auto* group = new QGroupBox(tr("Misc Options"), this);
  auto* grid = new QGridLayout(group);
  m_chkCorrStairs = new QCheckBox(tr("Allow Stairs in corridors"), group);
  m_chkDress = new QCheckBox(tr("Use internal Dressings"), group);
  m_chkSnapGrid = new QCheckBox(tr("Snap to Grid"), group);
  m_chkBackGround = new QCheckBox(tr("Show Background"), group);
  for (QCheckBox* box : {m_chkCorrStairs, m_chkDress, m_chkSnapGrid, m_chkBackGround}) {
    box->setChecked(true);
  }
  m_chkSnapGrid->setEnabled(false);
  grid->addWidget(m_chkCorrStairs, 0, 0, 1, 2);
  grid->addWidget(m_chkDress, 1, 0, 1, 2);
  grid->addWidget(m_chkSnapGrid, 2, 0, 1, 2);
  grid->addWidget(m_chkBackGround, 3, 0, 1, 2);

  auto* rollRow = new QHBoxLayout;
  m_edDressRoll = new QComboBox(group);
  for (int roll = 1; roll <= 6; ++roll) m_edDressRoll->addItem(QString::number(roll));
  m_edDressRoll->setCurrentIndex(0);
  rollRow->addWidget(new QLabel(tr("Add dressing on a roll of a"), group));
  rollRow->addWidget(m_edDressRoll);
  rollRow->addWidget(new QLabel(tr("or below"), group));
  rollRow->addStretch();
  grid->addLayout(rollRow, 4, 0, 1, 2);

  m_edConcdoor = new PercentEdit(13, group);
  m_edSecDoor = new PercentEdit(3, group);
  grid->addWidget(new QLabel(tr("%age doors concealed"), group), 5, 0);
  grid->addWidget(m_edConcdoor, 5, 1);
  grid->addWidget(new QLabel(tr("%age doors secret"), group), 6, 0);
  grid->addWidget(m_edSecDoor, 6, 1);
  return group;
}

QWidget* AdvancedWindow::buildEditGroup() {
  auto* group = new QGroupBox(tr("Edit Dungeon Dressing"), this);
  auto* grid = new QGridLayout(group);
  for (std::size_t i = 0; i < m_fileButtons.size(); ++i) {
    m_fileButtons[i] = new QRadioButton(latin1(kDressingCategories[i].caption), group);
  }
  m_fileButtons[0]->setChecked(true);
  // On screen: Descriptions, Items, Sounds in the first column; Smells, Traps, Treasure next.
  const std::array<int, 6> screenOrder = {0, 3, 1, 2, 4, 5};
  for (int slot = 0; slot < 6; ++slot) {
    grid->addWidget(m_fileButtons[screenOrder[slot]], slot % 3, slot / 3);
  }
  m_butEdit = new QPushButton(tr("Edit"), group);
  grid->addWidget(m_butEdit, 0, 2);
  return group;
}

void AdvancedWindow::writeSettings(Settings& settings) const {
  settings.corridorStairs = m_corrStairs;
  settings.useInternalDressing = m_chkDress->isChecked();
  settings.snapToGrid = m_chkSnapGrid->isChecked();
  settings.showBackground = m_chkBackGround->isChecked();
  settings.dressRoll = m_edDressRoll->currentText().toInt();
  settings.concealedPercent = m_edConcdoor->percent();
  settings.secretPercent = m_edSecDoor->percent();
  settings.dressingDir = toFileNameBytes(QDir::fromNativeSeparators(m_edFluffDir->text()));
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

void AdvancedWindow::butEditClick() {
  // A dressing directory that cannot be used leaves the editor in the current directory.
  const QDir dressingDir(QDir::fromNativeSeparators(m_edFluffDir->text()));
  const QString folder = dressingDir.exists() ? dressingDir.absolutePath() : QDir::currentPath();
  const QString fileName = dressingFileToEdit(folder);
  QFile file(QDir(folder).filePath(fileName));
  // A missing file is created under the loader's spelling so that the next load reads it.
  if (!file.exists() && file.open(QIODevice::WriteOnly)) file.close();

  m_butEdit->setEnabled(false);
  runEditorAndWait(fileName, folder,
                   [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
  m_butEdit->setEnabled(true);
}

void AdvancedWindow::butFluffDirClick() {
  const auto folder = m_dialogs.askFolder(this, tr("Select Dressing Path"), QDir::currentPath());
  if (!folder) return;
  m_edFluffDir->setText(QDir::toNativeSeparators(*folder));
  emit dressingDirChosen();
}

}  // namespace delvora
