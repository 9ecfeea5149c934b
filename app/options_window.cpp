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

QComboBox* fixedList(const QStringList& entries, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->addItems(entries);
  return list;
}

// Selects index when the list has it; any other value leaves the list as it is.
void selectIndex(QComboBox* list, int index) {
  if (index >= 0 && index < list->count()) list->setCurrentIndex(index);
}

}  // namespace

OptionsWindow::OptionsWindow(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      m_dialogs(dialogs) {
  setWindowTitle(QStringLiteral("Delvora Demo"));
  move(45, 36);

  m_iterationsList = fixedList(kIterations, this);
  m_mapSizeList = fixedList(kMapSizes, this);
  QStringList stairs;
  for (int n = 0; n <= 10; ++n) stairs << QString::number(n);
  m_stairsList = fixedList(stairs, this);
  m_seedEdit = new QLineEdit(this);
  m_seedEdit->setMaxLength(8);
  m_seedEdit->setReadOnly(true);
  m_seedEdit->setEnabled(false);
  m_titleEdit = new QLineEdit(this);
  m_generateButton = new QPushButton(tr("Generate"), this);
  m_reseedButton = new QPushButton(tr("Reseed"), this);
  m_reseedButton->setEnabled(false);
  m_advancedButton = new QPushButton(tr("Advanced"), this);
  m_exitButton = new QPushButton(tr("Exit"), this);
  // Enter on a focused button presses it; anywhere else it presses "Generate" (keyPressEvent).
  for (QPushButton* button : {m_generateButton, m_reseedButton, m_advancedButton, m_exitButton}) {
    button->setAutoDefault(true);
  }
  m_generateButton->setDefault(true);

  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  grid->addWidget(buildRoomSizeGroup(), 0, 0, 2, 1);
  grid->addWidget(buildCorridorGroup(), 2, 0, 2, 1);
  grid->addWidget(buildMiscGroup(), 0, 1, 4, 1);
  auto* fields = new QGridLayout;
  const std::array<std::pair<const char*, QWidget*>, 5> rows = {{
      {"Map Size", m_mapSizeList},
      {"Iterations", m_iterationsList},
      {"No of Staircases", m_stairsList},
      {"Random Seed", m_seedEdit},
      {"Title", m_titleEdit},
  }};
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    fields->addWidget(new QLabel(tr(rows[row].first), central), row, 0);
    fields->addWidget(rows[row].second, row, 1);
  }
  fields->addWidget(m_reseedButton, 3, 2);
  grid->addLayout(fields, 0, 2, 3, 1);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {m_generateButton, m_advancedButton, m_exitButton}) {
    buttons->addWidget(button);
  }
  grid->addLayout(buttons, 3, 2);
  setCentralWidget(central);
  buildMenu();
  applyTabOrder();

  connect(m_numberRoomsBox, &QCheckBox::toggled, this, &OptionsWindow::onNumberRoomsToggled);
  connect(m_generateButton, &QPushButton::clicked, this, &OptionsWindow::onGenerateClicked);
  connect(m_advancedButton, &QPushButton::clicked, this, &OptionsWindow::onAdvancedClicked);
  connect(m_exitButton, &QPushButton::clicked, qApp, &QCoreApplication::quit);
  // The controls start at the defaults of the settings record.
  setSettings(Settings{});
  setFixedSize(sizeHint());
}

OptionsWindow::~OptionsWindow() {
  QFile::remove(QStringLiteral("DVTemp.txt"));
}

QWidget* OptionsWindow::buildRoomSizeGroup() {
  auto* group = new QGroupBox(tr("Room Size"), this);
  auto* layout = new QVBoxLayout(group);
  m_tinyButton = new QRadioButton(tr("Tiny"), group);
  m_smallButton = new QRadioButton(tr("Small"), group);
  m_mediumButton = new QRadioButton(tr("Medium"), group);
  m_largeButton = new QRadioButton(tr("Large"), group);
  for (QRadioButton* button : {m_tinyButton, m_smallButton, m_mediumButton, m_largeButton}) {
    layout->addWidget(button);
  }
  return group;
}

QWidget* OptionsWindow::buildCorridorGroup() {
  auto* group = new QGroupBox(tr("Corridors"), this);
  auto* layout = new QVBoxLayout(group);
  m_straightButton = new QRadioButton(tr("Straight"), group);
  m_twistyButton = new QRadioButton(tr("Twisty"), group);
  m_veryTwistyButton = new QRadioButton(tr("Very Twisty"), group);
  for (QRadioButton* button : {m_straightButton, m_twistyButton, m_veryTwistyButton}) {
    layout->addWidget(button);
  }
  return group;
}

QWidget* OptionsWindow::buildMiscGroup() {
  auto* group = new QGroupBox(tr("Misc Options"), this);
  auto* layout = new QVBoxLayout(group);
  m_numberRoomsBox = new QCheckBox(tr("Number Rooms"), group);
  m_dressingBox = new QCheckBox(tr("Dressing"), group);
  m_gridBox = new QCheckBox(tr("Show Grid"), group);
  m_riverBox = new QCheckBox(tr("River"), group);
  m_chasmBox = new QCheckBox(tr("Chasm"), group);
  for (QCheckBox* box : {m_numberRoomsBox, m_dressingBox, m_gridBox, m_riverBox, m_chasmBox}) {
    layout->addWidget(box);
  }
  return group;
}

void OptionsWindow::buildMenu() {
  QMenu* help = menuBar()->addMenu(tr("Help"));
  connect(help->addAction(tr("Help")), &QAction::triggered, this, &OptionsWindow::onHelpTriggered);
  connect(help->addAction(tr("About")), &QAction::triggered, this,
          &OptionsWindow::onAboutTriggered);
}

void OptionsWindow::applyTabOrder() {
  const std::array<QWidget*, 22> order = {
      m_generateButton, m_exitButton,     m_seedEdit,     m_reseedButton,     m_iterationsList,
      m_mapSizeList,    m_titleEdit,      m_smallButton,  m_mediumButton,     m_largeButton,
      m_tinyButton,     m_numberRoomsBox, m_gridBox,      m_dressingBox,      m_riverBox,
      m_chasmBox,       m_straightButton, m_twistyButton, m_veryTwistyButton, m_stairsList,
      m_advancedButton, m_generateButton};
  for (std::size_t i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
}

void OptionsWindow::attach(AdvancedWindow* advanced, MapWindow* map, AboutWindow* about) {
  m_advanced = advanced;
  m_map = map;
  m_about = about;
}

Settings OptionsWindow::settings() const {
  Settings settings = m_advanced != nullptr ? m_advanced->settings() : Settings{};
  settings.seed = m_seed;
  settings.mapSizeIndex = m_mapSizeList->currentIndex();
  settings.iterations = m_iterationsList->currentText().toInt();
  // Tested in the order Small, Medium, Large; none of them means Tiny.
  settings.roomSize = m_smallButton->isChecked()    ? RoomSize::Small
                      : m_mediumButton->isChecked() ? RoomSize::Medium
                      : m_largeButton->isChecked()  ? RoomSize::Large
                                                    : RoomSize::Tiny;
  settings.corridorStyle = m_veryTwistyButton->isChecked() ? CorridorStyle::VeryTwisty
                           : m_twistyButton->isChecked()   ? CorridorStyle::Twisty
                                                           : CorridorStyle::Straight;
  settings.stairs = m_stairsList->currentIndex();
  settings.numberRooms = m_numberRoomsBox->isChecked();
  settings.dressing = m_dressingBox->isChecked();
  settings.drawGrid = m_gridBox->isChecked();
  settings.river = m_riverBox->isChecked();
  settings.chasm = m_chasmBox->isChecked();
  settings.title = m_titleEdit->text().toStdString();
  return settings;
}

void OptionsWindow::setSettings(const Settings& settings) {
  m_seed = settings.seed;
  const QString seedText = QString::number(m_seed);
  m_seedEdit->setText(QString(seedText.size(), u'#'));
  selectIndex(m_mapSizeList, settings.mapSizeIndex);
  selectIndex(m_iterationsList, m_iterationsList->findText(QString::number(settings.iterations)));
  roomSizeButton(settings.roomSize)->setChecked(true);
  corridorButton(settings.corridorStyle)->setChecked(true);
  selectIndex(m_stairsList, settings.stairs);
  // "Number Rooms" first: its rule decides whether "Dressing" may be checked.
  m_numberRoomsBox->setChecked(settings.numberRooms);
  onNumberRoomsToggled(settings.numberRooms);
  m_dressingBox->setChecked(settings.numberRooms && settings.dressing);
  m_gridBox->setChecked(settings.drawGrid);
  m_riverBox->setChecked(settings.river);
  m_chasmBox->setChecked(settings.chasm);
  m_titleEdit->setText(QString::fromStdString(settings.title));
  if (m_advanced != nullptr) m_advanced->setSettings(settings);
}

QRadioButton* OptionsWindow::roomSizeButton(RoomSize size) const {
  switch (size) {
    case RoomSize::Tiny:
      return m_tinyButton;
    case RoomSize::Small:
      return m_smallButton;
    case RoomSize::Medium:
      return m_mediumButton;
    case RoomSize::Large:
      return m_largeButton;
  }
  return m_smallButton;
}

QRadioButton* OptionsWindow::corridorButton(CorridorStyle style) const {
  switch (style) {
    case CorridorStyle::Straight:
      return m_straightButton;
    case CorridorStyle::Twisty:
      return m_twistyButton;
    case CorridorStyle::VeryTwisty:
      return m_veryTwistyButton;
  }
  return m_straightButton;
}

void OptionsWindow::onGenerateClicked() {
  if (m_map != nullptr) m_map->showModal(settings());
}

void OptionsWindow::onNumberRoomsToggled(bool checked) {
  if (!checked) m_dressingBox->setChecked(false);
  m_dressingBox->setEnabled(checked);
}

void OptionsWindow::onAdvancedClicked() {
  if (m_advanced != nullptr) m_advanced->exec();
}

void OptionsWindow::onHelpTriggered() {
  const QString path = findHelpFile();
  if (path.isEmpty()) {
    m_dialogs.showMessage(this, tr("Cannot find the help file %1").arg(kHelpFileName));
    return;
  }
  if (m_help == nullptr) m_help = new HelpViewer(this);
  m_help->showFile(path);
}

void OptionsWindow::onAboutTriggered() {
  if (m_about != nullptr) m_about->exec();
}

void OptionsWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    m_generateButton->click();
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
