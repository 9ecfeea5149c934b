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
#include "dressing/dressing_file.h"
#include "dressing/dressing_tables.h"

namespace delvora {
namespace {

// Radio button captions in table order (the order of kDressingFileNames).
constexpr std::array<const char*, 6> kFileCaptions = {"Descriptions", "Sounds", "Smells",
                                                      "Items",        "Traps",  "Treasure"};

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
  m_dressingDirEdit = new QLineEdit(this);
  m_dressingDirEdit->setReadOnly(true);
  m_dressingDirButton = new QToolButton(this);
  m_dressingDirButton->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  m_dressingDirButton->setAccessibleName(tr("Browse"));
  dirRow->addWidget(m_dressingDirEdit, 1);
  dirRow->addWidget(m_dressingDirButton);
  layout->addWidget(new QLabel(tr("Dressing Files Directory"), this));
  layout->addLayout(dirRow);

  m_exitButton = new QPushButton(tr("Exit"), this);
  m_exitButton->setDefault(true);
  layout->addWidget(m_exitButton, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(m_editButton, &QPushButton::clicked, this, &AdvancedWindow::onEditClicked);
  connect(m_dressingDirButton, &QToolButton::clicked, this, &AdvancedWindow::onDressingDirClicked);
  connect(m_exitButton, &QPushButton::clicked, this, &QDialog::accept);
  // The controls start at the defaults of the settings record.
  setSettings(Settings{});
}

QWidget* AdvancedWindow::buildMiscGroup() {
  auto* group = new QGroupBox(tr("Misc Options"), this);
  auto* grid = new QGridLayout(group);
  m_corridorStairsBox = new QCheckBox(tr("Allow Stairs in corridors"), group);
  m_internalDressingBox = new QCheckBox(tr("Use internal Dressings"), group);
  m_snapBox = new QCheckBox(tr("Snap to Grid"), group);
  m_backgroundBox = new QCheckBox(tr("Show Background"), group);
  m_snapBox->setEnabled(false);
  grid->addWidget(m_corridorStairsBox, 0, 0, 1, 2);
  grid->addWidget(m_internalDressingBox, 1, 0, 1, 2);
  grid->addWidget(m_snapBox, 2, 0, 1, 2);
  grid->addWidget(m_backgroundBox, 3, 0, 1, 2);

  auto* rollRow = new QHBoxLayout;
  m_dressRollList = new QComboBox(group);
  for (int roll = 1; roll <= 6; ++roll) m_dressRollList->addItem(QString::number(roll));
  rollRow->addWidget(new QLabel(tr("Add dressing on a roll of a"), group));
  rollRow->addWidget(m_dressRollList);
  rollRow->addWidget(new QLabel(tr("or below"), group));
  rollRow->addStretch();
  grid->addLayout(rollRow, 4, 0, 1, 2);

  m_concealedEdit = new PercentEdit(group);
  m_secretEdit = new PercentEdit(group);
  grid->addWidget(new QLabel(tr("%age doors concealed"), group), 5, 0);
  grid->addWidget(m_concealedEdit, 5, 1);
  grid->addWidget(new QLabel(tr("%age doors secret"), group), 6, 0);
  grid->addWidget(m_secretEdit, 6, 1);
  return group;
}

QWidget* AdvancedWindow::buildEditGroup() {
  auto* group = new QGroupBox(tr("Edit Dungeon Dressing"), this);
  auto* grid = new QGridLayout(group);
  for (std::size_t i = 0; i < m_fileButtons.size(); ++i) {
    m_fileButtons[i] = new QRadioButton(QString::fromLatin1(kFileCaptions[i]), group);
  }
  m_fileButtons[0]->setChecked(true);
  // On screen: Descriptions, Items, Sounds in the first column; Smells, Traps, Treasure next.
  const std::array<int, 6> screenOrder = {0, 3, 1, 2, 4, 5};
  for (int slot = 0; slot < 6; ++slot) {
    grid->addWidget(m_fileButtons[screenOrder[slot]], slot % 3, slot / 3);
  }
  m_editButton = new QPushButton(tr("Edit"), group);
  grid->addWidget(m_editButton, 0, 2);
  return group;
}

Settings AdvancedWindow::settings() const {
  Settings settings;
  settings.corridorStairs = m_corridorStairsBox->isChecked();
  settings.useInternalDressing = m_internalDressingBox->isChecked();
  settings.snapToGrid = m_snapBox->isChecked();
  settings.showBackground = m_backgroundBox->isChecked();
  settings.dressRoll = m_dressRollList->currentText().toInt();
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
  m_concealedEdit->setValue(QString::number(settings.concealedPercent));
  m_secretEdit->setValue(QString::number(settings.secretPercent));
  const QString folder = settings.dressingDir.empty()
                             ? QDir::currentPath()
                             : QFile::decodeName(QByteArray::fromStdString(settings.dressingDir));
  m_dressingDirEdit->setText(QDir::toNativeSeparators(folder));
}

QString AdvancedWindow::dressingFileToEdit(const QString& folder) const {
  std::size_t table = m_fileButtons.size() - 1;  // Treasure when none of the others is checked
  for (std::size_t i = 0; i + 1 < m_fileButtons.size(); ++i) {
    if (m_fileButtons[i]->isChecked()) table = i;
  }
  const char* loaderName = kDressingFileNames[table];
  const auto found = findDressingFile(QFile::encodeName(folder).toStdString(), loaderName);
  if (found.empty()) return QString::fromLatin1(loaderName);
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
  runEditorAndWait(fileName, folder,
                   [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
  m_editButton->setEnabled(true);
}

void AdvancedWindow::onDressingDirClicked() {
  const auto folder = m_dialogs.askFolder(this, tr("Select Dressing Path"), QDir::currentPath());
  if (!folder) return;
  m_dressingDirEdit->setText(QDir::toNativeSeparators(*folder));
  emit dressingDirChosen();
}

}  // namespace delvora
