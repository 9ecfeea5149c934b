#include "app/options_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "app/about_window.h"
#include "app/advanced_window.h"
#include "app/design_layout.h"
#include "app/dialogs.h"
#include "app/help_viewer.h"
#include "app/map_window.h"
#include "app/qt_text.h"
#include "dungeon/option_table.h"

namespace delvora {
namespace {

// The entries of an option's list, as the option table gives them: its choices' captions, the
// values it offers, or its whole range.
QStringList listEntries(std::string_view option) {
  const OptionRow& row = *findOptionNamed(option);
  QStringList entries;
  for (const ChoiceWord& choice : row.choices) {
    entries << QString::fromUtf8(choice.caption.data(),
                                 static_cast<qsizetype>(choice.caption.size()));
  }
  for (const OfferedValue& offered : row.offered) entries << QString::number(offered.value);
  if (entries.isEmpty()) {
    for (auto n = row.low; n <= row.high; ++n) entries << QString::number(n);
  }
  return entries;
}

// The buttons of a group box one below the other, 22 design pixels apart.
void placeInColumn(const DesignLayout& design, std::initializer_list<QAbstractButton*> buttons,
                   int width) {
  int top = 24;
  for (QAbstractButton* button : buttons) {
    design.place(button, 10, top, width, 20);
    top += 22;
  }
}

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
  auto* central = new QWidget(this);
  setCentralWidget(central);
  buildMenu();
  const DesignLayout design(*this);
  buildRoomSizeGroup(central, design);
  buildCorridorGroup(central, design);
  buildMiscGroup(central, design);
  buildFields(central, design);
  buildButtons(central, design);
  applyTabOrder();
  // The client area below the menu bar has the design size.
  central->setFixedSize(design.size(kClientWidth, kClientHeight));
  fitFont(*this);

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

void OptionsWindow::buildRoomSizeGroup(QWidget* central, const DesignLayout& design) {
  auto* group = new QGroupBox(tr("Room Size"), central);
  design.place(group, 8, 4, 112, 120);
  m_tinyButton = new QRadioButton(tr("Tiny"), group);
  m_smallButton = new QRadioButton(tr("Small"), group);
  m_mediumButton = new QRadioButton(tr("Medium"), group);
  m_largeButton = new QRadioButton(tr("Large"), group);
  placeInColumn(design, {m_tinyButton, m_smallButton, m_mediumButton, m_largeButton}, 96);
}

void OptionsWindow::buildCorridorGroup(QWidget* central, const DesignLayout& design) {
  auto* group = new QGroupBox(tr("Corridors"), central);
  design.place(group, 8, 130, 112, 96);
  m_straightButton = new QRadioButton(tr("Straight"), group);
  m_twistyButton = new QRadioButton(tr("Twisty"), group);
  m_veryTwistyButton = new QRadioButton(tr("Very Twisty"), group);
  placeInColumn(design, {m_straightButton, m_twistyButton, m_veryTwistyButton}, 96);
}

void OptionsWindow::buildMiscGroup(QWidget* central, const DesignLayout& design) {
  auto* group = new QGroupBox(tr("Misc Options"), central);
  design.place(group, 128, 4, 132, 142);
  m_numberRoomsBox = new QCheckBox(tr("Number Rooms"), group);
  m_dressingBox = new QCheckBox(tr("Dressing"), group);
  m_gridBox = new QCheckBox(tr("Show Grid"), group);
  m_riverBox = new QCheckBox(tr("River"), group);
  m_chasmBox = new QCheckBox(tr("Chasm"), group);
  placeInColumn(design, {m_numberRoomsBox, m_dressingBox, m_gridBox, m_riverBox, m_chasmBox}, 116);
}

void OptionsWindow::buildFields(QWidget* central, const DesignLayout& design) {
  m_stairsList = fixedList(listEntries("stairs"), central);
  design.place(new QLabel(tr("No of Staircases"), central), 128, 154, 132, 16);
  design.place(m_stairsList, 128, 172, 64, 24);

  m_mapSizeList = fixedList(listEntries("map-size"), central);
  m_iterationsList = fixedList(listEntries("iterations"), central);
  m_seedEdit = new QLineEdit(central);
  m_seedEdit->setMaxLength(8);
  m_seedEdit->setReadOnly(true);
  m_seedEdit->setEnabled(false);
  m_titleEdit = new QLineEdit(central);
  m_reseedButton = new QPushButton(tr("Reseed"), central);
  m_reseedButton->setEnabled(false);
  // Each caption above its field, in the right-hand column.
  struct Field {
    const char* caption;
    QWidget* field;
    int width;
  };
  const std::array<Field, 4> fields = {{
      {"Map Size", m_mapSizeList, 120},
      {"Iterations", m_iterationsList, 120},
      {"Random Seed", m_seedEdit, 90},
      {"Title", m_titleEdit, 173},
  }};
  for (std::size_t row = 0; row < fields.size(); ++row) {
    const int top = 4 + static_cast<int>(row) * 46;
    design.place(new QLabel(tr(fields[row].caption), central), 270, top, 173, 16);
    design.place(fields[row].field, 270, top + 16, fields[row].width, 24);
  }
  design.place(m_reseedButton, 368, 112, 75, 24);
}

void OptionsWindow::buildButtons(QWidget* central, const DesignLayout& design) {
  m_generateButton = new QPushButton(tr("Generate"), central);
  m_advancedButton = new QPushButton(tr("Advanced"), central);
  m_exitButton = new QPushButton(tr("Exit"), central);
  design.place(m_generateButton, 128, 244, 100, 32);
  design.place(m_advancedButton, 236, 244, 100, 32);
  design.place(m_exitButton, 343, 244, 100, 32);
  // Enter on a focused button presses it; anywhere else it presses "Generate" (keyPressEvent).
  for (QPushButton* button : {m_generateButton, m_reseedButton, m_advancedButton, m_exitButton}) {
    button->setAutoDefault(true);
  }
  m_generateButton->setDefault(true);
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
  settings.mapSizeIndex =
      offeredMapSize(m_mapSizeList->currentIndex()).value_or(Settings{}.mapSizeIndex);
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
  selectIndex(m_mapSizeList, static_cast<int>(settings.mapSizeIndex));
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
  if (!m_help) m_help = std::make_unique<HelpViewer>();
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
