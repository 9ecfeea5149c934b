#include "app/options_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/about_window.h"
#include "app/advanced_window.h"
#include "app/dialogs.h"
#include "app/help_viewer.h"
#include "app/map_window.h"
#include "app/qt_text.h"

namespace delvora {
namespace {

const QStringList kIterations = {
    QStringLiteral("100"),  QStringLiteral("250"),  QStringLiteral("500"),
    QStringLiteral("750"),  QStringLiteral("1000"), QStringLiteral("1500"),
    QStringLiteral("2000"), QStringLiteral("2500"), QStringLiteral("3000")};
const QStringList kMapSizes = {QStringLiteral("640x480"), QStringLiteral("800x600"),
                               QStringLiteral("1024x768"), QStringLiteral("1280x1024")};

QComboBox* fixedList(const QStringList& entries, int selected, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->addItems(entries);
  list->setCurrentIndex(selected);
  return list;
}

}  // namespace

OptionsWindow::OptionsWindow(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      m_dialogs(dialogs) {
  setWindowTitle(QStringLiteral("Delvora Demo"));
  move(45, 36);

  m_lstIterations = fixedList(kIterations, 1, this);
  m_lstMapSize = fixedList(kMapSizes, 1, this);
  QStringList stairs;
  for (int n = 0; n <= 10; ++n) stairs << QString::number(n);
  m_lstStairs = fixedList(stairs, 0, this);
  m_edRandSeed = new QLineEdit(QString(m_seedText.size(), u'#'), this);
  m_edRandSeed->setMaxLength(8);
  m_edRandSeed->setReadOnly(true);
  m_edRandSeed->setEnabled(false);
  m_edTitle = new QLineEdit(this);
  m_butGenerate = new QPushButton(tr("Generate"), this);
  m_butReSeed = new QPushButton(tr("Reseed"), this);
  m_butReSeed->setEnabled(false);
  m_butAdv = new QPushButton(tr("Advanced"), this);
  m_butExit = new QPushButton(tr("Exit"), this);
  // Enter on a focused button presses it; anywhere else it presses "Generate" (keyPressEvent).
  for (QPushButton* button : {m_butGenerate, m_butReSeed, m_butAdv, m_butExit}) {
    button->setAutoDefault(true);
  }
  m_butGenerate->setDefault(true);

  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  grid->addWidget(buildRoomSizeGroup(), 0, 0, 2, 1);
  grid->addWidget(buildCorridorGroup(), 2, 0, 2, 1);
  grid->addWidget(buildMiscGroup(), 0, 1, 4, 1);
  auto* fields = new QGridLayout;
  const std::array<std::pair<const char*, QWidget*>, 5> rows = {{
      {"Map Size", m_lstMapSize},
      {"Iterations", m_lstIterations},
      {"No of Staircases", m_lstStairs},
      {"Random Seed", m_edRandSeed},
      {"Title", m_edTitle},
  }};
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    fields->addWidget(new QLabel(tr(rows[row].first), central), row, 0);
    fields->addWidget(rows[row].second, row, 1);
  }
  fields->addWidget(m_butReSeed, 3, 2);
  grid->addLayout(fields, 0, 2, 3, 1);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {m_butGenerate, m_butAdv, m_butExit}) buttons->addWidget(button);
  grid->addLayout(buttons, 3, 2);
  setCentralWidget(central);
  buildMenu();
  applyTabOrder();

  connect(m_NumberRooms, &QCheckBox::toggled, this, &OptionsWindow::NumberRoomsClick);
  connect(m_butGenerate, &QPushButton::clicked, this, &OptionsWindow::butGenerateClick);
  connect(m_butAdv, &QPushButton::clicked, this, [this] {
    if (m_advanced != nullptr) m_advanced->exec();
  });
  connect(m_butExit, &QPushButton::clicked, qApp, &QCoreApplication::quit);
  setFixedSize(sizeHint());
}

OptionsWindow::~OptionsWindow() {
  QFile::remove(QStringLiteral("DVTemp.txt"));
}

QWidget* OptionsWindow::buildRoomSizeGroup() {
  auto* group = new QGroupBox(tr("Room Size"), this);
  auto* layout = new QVBoxLayout(group);
  m_radTiny = new QRadioButton(tr("Tiny"), group);
  m_radSmall = new QRadioButton(tr("Small"), group);
  m_radMedium = new QRadioButton(tr("Medium"), group);
  m_radLarge = new QRadioButton(tr("Large"), group);
  for (QRadioButton* button : {m_radTiny, m_radSmall, m_radMedium, m_radLarge}) {
    layout->addWidget(button);
  }
  m_radSmall->setChecked(true);
  return group;
}

QWidget* OptionsWindow::buildCorridorGroup() {
  auto* group = new QGroupBox(tr("Corridors"), this);
  auto* layout = new QVBoxLayout(group);
  m_butStraight = new QRadioButton(tr("Straight"), group);
  m_butTwisty = new QRadioButton(tr("Twisty"), group);
  m_butVTwisty = new QRadioButton(tr("Very Twisty"), group);
  for (QRadioButton* button : {m_butStraight, m_butTwisty, m_butVTwisty}) {
    layout->addWidget(button);
  }
  m_butStraight->setChecked(true);
  return group;
}

QWidget* OptionsWindow::buildMiscGroup() {
  auto* group = new QGroupBox(tr("Misc Options"), this);
  auto* layout = new QVBoxLayout(group);
  m_NumberRooms = new QCheckBox(tr("Number Rooms"), group);
  m_Fluff = new QCheckBox(tr("Dressing"), group);
  m_DrawGrid = new QCheckBox(tr("Show Grid"), group);
  m_River = new QCheckBox(tr("River"), group);
  m_Chasm = new QCheckBox(tr("Chasm"), group);
  for (QCheckBox* box : {m_NumberRooms, m_Fluff, m_DrawGrid, m_River, m_Chasm}) {
    layout->addWidget(box);
  }
  for (QCheckBox* box : {m_NumberRooms, m_Fluff, m_DrawGrid}) box->setChecked(true);
  return group;
}

void OptionsWindow::buildMenu() {
  QMenu* help = menuBar()->addMenu(tr("Help"));
  connect(help->addAction(tr("Help")), &QAction::triggered, this, &OptionsWindow::helpClick);
  connect(help->addAction(tr("About")), &QAction::triggered, this, [this] {
    if (m_about != nullptr) m_about->exec();
  });
}

void OptionsWindow::applyTabOrder() {
  const std::array<QWidget*, 22> order = {
      m_butGenerate, m_butExit,   m_edRandSeed, m_butReSeed,  m_lstIterations, m_lstMapSize,
      m_edTitle,     m_radSmall,  m_radMedium,  m_radLarge,   m_radTiny,       m_NumberRooms,
      m_DrawGrid,    m_Fluff,     m_River,      m_Chasm,      m_butStraight,   m_butTwisty,
      m_butVTwisty,  m_lstStairs, m_butAdv,     m_butGenerate};
  for (std::size_t i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
}

void OptionsWindow::attach(AdvancedWindow* advanced, MapWindow* map, AboutWindow* about) {
  m_advanced = advanced;
  m_map = map;
  m_about = about;
}

Settings OptionsWindow::settings() const {
  Settings settings;
  settings.seed = m_seedText.toUInt();
  settings.mapSizeIndex = m_lstMapSize->currentIndex();
  settings.iterations = m_lstIterations->currentText().toInt();
  // Tested in the order Small, Medium, Large; none of them means Tiny.
  settings.roomSize = m_radSmall->isChecked()    ? RoomSize::Small
                      : m_radMedium->isChecked() ? RoomSize::Medium
                      : m_radLarge->isChecked()  ? RoomSize::Large
                                                 : RoomSize::Tiny;
  settings.corridorStyle = m_butVTwisty->isChecked()  ? CorridorStyle::VeryTwisty
                           : m_butTwisty->isChecked() ? CorridorStyle::Twisty
                                                      : CorridorStyle::Straight;
  settings.stairs = m_lstStairs->currentIndex();
  settings.numberRooms = m_NumberRooms->isChecked();
  settings.dressing = m_Fluff->isChecked();
  settings.drawGrid = m_DrawGrid->isChecked();
  settings.river = m_River->isChecked();
  settings.chasm = m_Chasm->isChecked();
  settings.title = m_edTitle->text().toStdString();
  if (m_advanced != nullptr) m_advanced->writeSettings(settings);
  return settings;
}

QString OptionsWindow::mapCaption(const QString& title) {
  return QStringLiteral("Delvora Demo - ") + (title.isEmpty() ? QStringLiteral("Untitled") : title);
}

QRadioButton* OptionsWindow::roomSizeButton(RoomSize size) const {
  switch (size) {
    case RoomSize::Tiny:
      return m_radTiny;
    case RoomSize::Small:
      return m_radSmall;
    case RoomSize::Medium:
      return m_radMedium;
    case RoomSize::Large:
      return m_radLarge;
  }
  return m_radSmall;
}

QRadioButton* OptionsWindow::corridorButton(CorridorStyle style) const {
  switch (style) {
    case CorridorStyle::Straight:
      return m_butStraight;
    case CorridorStyle::Twisty:
      return m_butTwisty;
    case CorridorStyle::VeryTwisty:
      return m_butVTwisty;
  }
  return m_butStraight;
}

void OptionsWindow::butGenerateClick() {
  if (m_map == nullptr) return;
  m_map->setWindowTitle(mapCaption(m_edTitle->text()));
  m_map->showModal();
}

void OptionsWindow::NumberRoomsClick(bool checked) {
  if (!checked) m_Fluff->setChecked(false);
  m_Fluff->setEnabled(checked);
}

void OptionsWindow::helpClick() {
  const QString path = findHelpFile();
  if (path.isEmpty()) {
    m_dialogs.showMessage(this, tr("Cannot find the help file %1").arg(kHelpFileName));
    return;
  }
  if (m_help == nullptr) m_help = new HelpViewer(this);
  m_help->showFile(path);
}

void OptionsWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    m_butGenerate->click();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void OptionsWindow::closeEvent(QCloseEvent* event) {
  // Closing the main window ends the program.
  event->accept();
  QCoreApplication::quit();
}

}  // namespace delvora
