// The map window: "Generate" against the engine run directly, the menu states through the
// dead-end commands, the window fit, closing, the hover read-out and the speed figures.
#include <QtTest/qtestspontaneevent.h>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <QWindowStateChangeEvent>
#include <QtTest>

#include "app/help_viewer.h"
#include "app/legend_strip.h"
#include "app/map_view.h"
#include "app/map_window.h"
#include "app/options_window.h"
#include "app/program.h"
#include "app/qt_text.h"
#include "app_test_support.h"
#include "dressing/dressing_tables.h"
#include "dressing/hover_text.h"
#include "engine/model_dump.h"
#include "render/tiles.h"
#include "tests/support/generated_dungeon.h"
#include "tests/support/largest_settings.h"

using namespace delvora;

Q_DECLARE_METATYPE(delvora::Settings)

namespace {

// The engine run as delvora-cli makes it, with no window involved.
std::unique_ptr<Dungeon> runDirect(const Settings& settings) {
  return testing::makeDungeon(settings);
}

void compareModels(const MapModel& shown, const MapModel& direct) {
  QCOMPARE(toString(shown), toString(direct));
}

// A pixel of a room, of a corridor outside every room, and of rock.
struct Probes {
  QPoint room, corridor, rock;
};

Probes findProbes(const MapModel& model) {
  Probes probes{{-1, -1}, {-1, -1}, {-1, -1}};
  if (!model.lstFluff.empty()) {
    const Rect room = parseRoomDressing(model.lstFluff.front()).rect;
    probes.room = {(room.left + room.right) / 2, (room.top + room.bottom) / 2};
  }
  for (const std::string& record : model.lstCorridors) {
    const Feature corridor = parseFeature(record);
    const QPoint mid{(corridor.rect.left + corridor.rect.right) / 2,
                     (corridor.rect.top + corridor.rect.bottom) / 2};
    bool inRoom = false;
    for (const std::string& fluff : model.lstFluff) {
      const Rect room = parseRoomDressing(fluff).rect;
      inRoom = inRoom || (mid.x() >= room.left && mid.x() <= room.right && mid.y() >= room.top &&
                          mid.y() <= room.bottom);
    }
    if (!inRoom) {
      probes.corridor = mid;
      break;
    }
  }
  for (int x = 0; x < model.grid.width() && probes.rock.x() < 0; x += 7) {
    if (!model.grid.covered(x, 3)) probes.rock = {x, 3};
  }
  return probes;
}

}  // namespace

class MapWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanup();
  void generateEqualsTheEngine_data();
  void generateEqualsTheEngine();
  void generateButtonShowsModallyAndClosingEmpties();
  void dressingMenuFollowsDressing_data();
  void dressingMenuFollowsDressing();
  void deadEndMenusThroughSomeAndAFew();
  void aFewAloneDisablesAll();
  void windowFitsTheScreen_data();
  void windowFitsTheScreen();
  void newMapLeavesNothingOfTheLast();
  void swatchesHaveAnOutline();
  void swatchesKeepTheirColoursWhileDisabled();
  void menusReachableFromTheKeyboard();
  void helpStaysUsableBesideTheMap();
  void windowsMinimiseAndComeBackTogether();
  void longDressingFileIsReported();
  void hoverTextOverRoomCorridorAndRock();
  void hoverIgnoredWithoutDressing();
  void longHoverLinesWrap_data();
  void longHoverLinesWrap();
  void tooltipShowsDressingAsTyped();
  void levelMenuShowsEachLevel();
  void speed();

 private:
  MapWindow& map() { return m_program->map(); }

  QTemporaryDir m_work;
  FakeDialogs m_dialogs;
  std::unique_ptr<Program> m_program;
};

void MapWindowTest::initTestCase() {
  QVERIFY(m_work.isValid());
  QVERIFY(QDir::setCurrent(m_work.path()));
  m_program = std::make_unique<Program>(m_dialogs);
}

void MapWindowTest::cleanup() {
  map().close();
  m_program->options().setSettings(Settings{});
}

void MapWindowTest::generateEqualsTheEngine_data() {
  QTest::addColumn<Settings>("settings");
  QTest::newRow("defaults") << Settings{};
  QTest::newRow("largest") << testing::largestSettings();
  Settings small;
  small.mapSizeIndex = MapSizeIndex::Size640x480;
  small.iterations = 100;
  small.roomSize = RoomSize::Tiny;
  small.corridorStyle = CorridorStyle::Twisty;
  small.stairs = 3;
  small.corridorStairs = false;
  small.showBackground = false;
  small.concealedPercent = 20;
  small.secretPercent = 0;
  small.title = "Small";
  QTest::newRow("small twisty") << small;
  Settings plain;
  plain.numberRooms = false;
  plain.dressing = false;
  plain.drawGrid = false;
  plain.river = true;
  plain.roomSize = RoomSize::Medium;
  plain.stairs = 5;
  plain.useInternalDressing = false;
  QTest::newRow("no numbers") << plain;
  Settings undressed;
  undressed.dressing = false;
  undressed.chasm = true;
  undressed.iterations = 1000;
  undressed.mapSizeIndex = MapSizeIndex::Size1024x768;
  QTest::newRow("numbers without dressing") << undressed;
}

void MapWindowTest::generateEqualsTheEngine() {
  QFETCH(Settings, settings);
  m_program->options().setSettings(settings);
  Settings expected = settings;
  expected.dressingDir = m_program->options().settings().dressingDir;
  QVERIFY(generateFromOptions(*m_program));
  const auto direct = runDirect(expected);
  compareModels(map().model(), direct->model());
  QVERIFY(map().bitmap() == direct->picture());
  QCOMPARE(map().view()->picture(), toQImage(direct->picture()));
  QVERIFY(map().isVisible());
  // Modal to the options window, which it blocks.
  QCOMPARE(map().windowModality(), Qt::WindowModal);
  QCOMPARE(map().parentWidget(), &m_program->options());
  QVERIFY(!map().levelMenu()->menuAction()->isVisible());
}

void MapWindowTest::generateButtonShowsModallyAndClosingEmpties() {
  m_program->options().titleEdit()->setText(QStringLiteral("Crypt"));
  std::size_t wallsWhileShown = 0;
  bool modal = false;
  // Timers also fire in the pauses of the build: leave only once the map is finished.
  QTimer closer;
  connect(&closer, &QTimer::timeout, this, [&] {
    if (!map().isVisible() || map().busy()) return;
    wallsWhileShown = map().model().lstWalls.size();
    modal = QApplication::activeModalWidget() == &map();
    map().menu().exit->trigger();
  });
  closer.start(10);
  QTest::mouseClick(m_program->options().generateButton(), Qt::LeftButton);
  closer.stop();
  QVERIFY(wallsWhileShown > 0);
  QVERIFY(modal);
  QCOMPARE(map().windowTitle(), QStringLiteral("Delvora Demo - Crypt"));
  QVERIFY(!map().isVisible());
  const MapModel& model = map().model();
  QVERIFY(model.lstWalls.empty() && model.lstDoors.empty() && model.lstCorridors.empty());
  QVERIFY(model.lstFluff.empty() && model.lstDoorDress.empty());
}

void MapWindowTest::dressingMenuFollowsDressing_data() {
  QTest::addColumn<bool>("dressing");
  QTest::newRow("dressing") << true;
  QTest::newRow("no dressing") << false;
}

void MapWindowTest::dressingMenuFollowsDressing() {
  QFETCH(bool, dressing);
  Settings settings;
  settings.dressing = dressing;
  m_program->options().setSettings(settings);
  QVERIFY(generateFromOptions(*m_program));
  const MapWindow::Menu& menu = map().menu();
  QCOMPARE(menu.printDressing->isEnabled(), dressing);
  QCOMPARE(menu.saveDressingAs->isEnabled(), dressing);
  QVERIFY(menu.print->isEnabled() && menu.printMap25mmScale->isEnabled());
  QVERIFY(!menu.saveAs->isEnabled() && !menu.exportCC2->isEnabled());
  QVERIFY(menu.edit->isEnabled() && menu.exit->isEnabled());
}

void MapWindowTest::deadEndMenusThroughSomeAndAFew() {
  const auto states = [this] {
    const MapWindow::Menu& m = map().menu();
    QString s;
    for (const QAction* item : {m.lots, m.some, m.aFew}) {
      s += QString::fromLatin1(item->isChecked() ? "x" : "-") +
           QString::fromLatin1(item->isEnabled() ? "e" : "d");
    }
    return s;
  };
  const Settings settings = testing::largestSettings();
  m_program->options().setSettings(settings);
  QVERIFY(generateFromOptions(*m_program));
  QCOMPARE(states(), QStringLiteral("xe-e-e"));
  map().menu().lots->trigger();
  QCOMPARE(states(), QStringLiteral("xe-e-e"));

  Settings expected = settings;
  expected.dressingDir = m_program->options().settings().dressingDir;
  const auto direct = runDirect(expected);

  map().menu().some->trigger();
  QCOMPARE(states(), QStringLiteral("-dxd-e"));
  direct->cleanDeadEnds(DeadEndMode::Some);
  compareModels(map().model(), direct->model());
  QVERIFY(map().bitmap() == direct->picture());

  map().menu().aFew->trigger();
  QCOMPARE(states(), QStringLiteral("-d-dxd"));
  direct->cleanDeadEnds(DeadEndMode::AFew);
  compareModels(map().model(), direct->model());
  QVERIFY(map().bitmap() == direct->picture());
  QCOMPARE(map().view()->picture(), toQImage(direct->picture()));

  map().close();
  QCOMPARE(states(), QStringLiteral("-e-exe"));
  QVERIFY(generateFromOptions(*m_program));
  QCOMPARE(states(), QStringLiteral("xe-e-e"));
}

void MapWindowTest::aFewAloneDisablesAll() {
  QVERIFY(generateFromOptions(*m_program));
  map().menu().aFew->trigger();
  const MapWindow::Menu& m = map().menu();
  QVERIFY(m.aFew->isChecked() && !m.lots->isChecked() && !m.some->isChecked());
  QVERIFY(!m.lots->isEnabled() && !m.some->isEnabled() && !m.aFew->isEnabled());
}

void MapWindowTest::windowFitsTheScreen_data() {
  QTest::addColumn<int>("mapSize");
  for (int index = 0; index < 4; ++index) QTest::addRow("size %d", index) << index;
}

void MapWindowTest::windowFitsTheScreen() {
  QFETCH(int, mapSize);
  Settings settings;
  settings.mapSizeIndex = offeredMapSize(mapSize).value();
  m_program->options().setSettings(settings);
  QVERIFY(generateFromOptions(*m_program));
  QCoreApplication::processEvents();
  const MapSize size = mapSizeFor(settings.mapSizeIndex);
  const QSize screen = map().screen()->geometry().size();
  const bool tooBig = size.width >= screen.width() || size.height >= screen.height();
  QCOMPARE(map().isMaximized(), tooBig);
  QCOMPARE(map().view()->size(), QSize(size.width, size.height));
  const QWidget* client = map().centralWidget();
  // The window never grows beyond the map and the legend strip.
  const int menuHeight = map().menuBar()->height();
  QVERIFY(map().maximumWidth() <= size.width);
  QVERIFY(map().maximumHeight() <= size.height + 30 + menuHeight);
  // A window system applies new window sizes a little later.
  if (tooBig) {
    QTRY_COMPARE(map().scrollArea()->size(), QSize(client->width(), client->height() - 30));
    // Restored, the whole frame stays on the screen's free area.
    map().showNormal();
    QTRY_VERIFY(!map().isMaximized());
    const QRect area = map().screen()->availableGeometry();
    const auto frameText = [this] {
      const QRect frame = map().frameGeometry();
      return QStringLiteral("frame %1,%2 %3x%4")
          .arg(frame.x())
          .arg(frame.y())
          .arg(frame.width())
          .arg(frame.height());
    };
    QTRY_VERIFY2(area.contains(map().frameGeometry()), qPrintable(frameText()));
    // A size that does not fit, as the window system may restore, is corrected once restored.
    map().resize(map().maximumSize());
    map().showMaximized();
    QTRY_VERIFY(map().isMaximized());
    map().showNormal();
    QTRY_VERIFY2(area.contains(map().frameGeometry()), qPrintable(frameText()));
  } else {
    QTRY_COMPARE(map().scrollArea()->size(), QSize(size.width, size.height));
    QCOMPARE(map().scrollArea()->y(), 30);
    // A single fixed border, and the frame, title bar included, at (2, 1).
    QCOMPARE(map().minimumSize(), map().maximumSize());
    QCOMPARE(map().size(), map().minimumSize());
    QTRY_COMPARE(map().frameGeometry().topLeft(), QPoint(2, 1));
  }
}

void MapWindowTest::newMapLeavesNothingOfTheLast() {
  Settings large;
  large.mapSizeIndex = MapSizeIndex::Size1280x1024;
  m_program->options().setSettings(large);
  QVERIFY(generateFromOptions(*m_program));
  MapView* view = map().view();
  const Probes probes = findProbes(map().model());
  map().onMapMouseMoved(probes.room.x(), probes.room.y());
  QVERIFY(!view->hint().isEmpty());
  QScrollArea* scroll = map().scrollArea();
  QTRY_VERIFY(scroll->horizontalScrollBar()->maximum() > 0);
  scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum());
  scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
  map().close();

  // The next map has no dressing: nothing may describe the rooms of the last one.
  large.dressing = false;
  m_program->options().setSettings(large);
  QVERIFY(generateFromOptions(*m_program));
  QVERIFY(view->hint().isEmpty());
  QVERIFY(!view->hintEnabled());
  QVERIFY(view->toolTip().isEmpty());
  map().onMapMouseMoved(probes.room.x(), probes.room.y());
  QHelpEvent help(QEvent::ToolTip, probes.room, view->mapToGlobal(probes.room));
  QCoreApplication::sendEvent(view, &help);
  QVERIFY(!QToolTip::isVisible() || QToolTip::text().isEmpty());
  QCOMPARE(scroll->horizontalScrollBar()->value(), 0);
  QCOMPARE(scroll->verticalScrollBar()->value(), 0);
}

void MapWindowTest::swatchesHaveAnOutline() {
  for (int i = 0; i < kLegendItemCount; ++i) {
    const TileImage& tile = legendSwatch(static_cast<LegendItem>(i));
    const QImage swatch = swatchImage(tile);
    QCOMPARE(swatch.size(), QSize(tile.width + 2, tile.height + 2));
    for (int x = 0; x < swatch.width(); ++x) {
      QCOMPARE(QColor(swatch.pixel(x, 0)), kSwatchOutline);
      QCOMPARE(QColor(swatch.pixel(x, swatch.height() - 1)), kSwatchOutline);
    }
    for (int y = 0; y < swatch.height(); ++y) {
      QCOMPARE(QColor(swatch.pixel(0, y)), kSwatchOutline);
      QCOMPARE(QColor(swatch.pixel(swatch.width() - 1, y)), kSwatchOutline);
    }
    const unsigned char* inner = tile.row(tile.height / 2) + (tile.width / 2) * 3;
    QCOMPARE(QColor(swatch.pixel(tile.width / 2 + 1, tile.height / 2 + 1)),
             QColor(inner[0], inner[1], inner[2]));
  }
  // The arch's white swatch stands out from the strip's background.
  const QColor arch = QColor(swatchImage(legendSwatch(LegendItem::Arch)).pixel(5, 5));
  QCOMPARE(arch, QColor(Qt::white));
  QVERIFY(qAbs(kSwatchOutline.lightness() - arch.lightness()) > 128);
  const auto* strip = map().findChild<LegendStrip*>();
  QCOMPARE(strip->findChildren<QLabel*>().size(), kLegendItemCount);
  QCOMPARE(strip->findChildren<LegendSwatch*>().size(), kLegendItemCount);
}

void MapWindowTest::swatchesKeepTheirColoursWhileDisabled() {
  QVERIFY(generateFromOptions(*m_program));
  // A print job disables the window while it runs.
  map().setEnabled(false);
  const auto swatches = map().findChild<LegendStrip*>()->findChildren<LegendSwatch*>();
  QCOMPARE(swatches.size(), kLegendItemCount);
  for (LegendSwatch* swatch : swatches) {
    QVERIFY(!swatch->isEnabled());
    QCOMPARE(swatch->grab().toImage().convertToFormat(QImage::Format_RGB32),
             swatch->image().convertToFormat(QImage::Format_RGB32));
  }
  map().setEnabled(true);
}

void MapWindowTest::menusReachableFromTheKeyboard() {
  // Every entry of the bar and of each menu has its own mnemonic.
  const auto mnemonicsOf = [](const QList<QAction*>& actions) {
    QStringList keys;
    for (const QAction* action : actions) {
      if (action->isSeparator()) continue;
      keys << QKeySequence::mnemonic(action->text()).toString();
    }
    return keys;
  };
  QList<QList<QAction*>> groups{map().menuBar()->actions()};
  for (const QAction* entry : map().menuBar()->actions()) {
    if (entry->menu() != nullptr) groups << entry->menu()->actions();
  }
  for (const QList<QAction*>& group : groups) {
    const QStringList keys = mnemonicsOf(group);
    QVERIFY2(!keys.contains(QString()), qPrintable(keys.join(u' ')));
    QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
  }
  const MapWindow::Menu& menu = map().menu();
  QCOMPARE(menu.print->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
  QCOMPARE(menu.printMap25mmScale->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
  QCOMPARE(menu.printDressing->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
  QCOMPARE(menu.saveDressingAs->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));

  QVERIFY(generateFromOptions(*m_program));
  map().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&map()));
  // The shortcuts run their commands (here the save dialog, cancelled).
  const int asked = m_dialogs.saveAsked;
  QTest::keyClick(&map(), Qt::Key_S, Qt::ControlModifier);
  QCOMPARE(m_dialogs.saveAsked, asked + 1);
  // Alt and a menu's mnemonic open that menu, F10 the first one.
  auto* deadEnds = qobject_cast<QMenu*>(menu.some->parent());
  QVERIFY(deadEnds != nullptr);
  QTest::keyClick(&map(), Qt::Key_D, Qt::AltModifier);
  QTRY_COMPARE(QApplication::activePopupWidget(), deadEnds);
  deadEnds->close();
  QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
  QTest::keyClick(&map(), Qt::Key_F10);
  QTRY_COMPARE(map().menuBar()->activeAction(), map().menuBar()->actions().constFirst());
  QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
  QApplication::activePopupWidget()->close();
}

void MapWindowTest::helpStaysUsableBesideTheMap() {
  QFile::remove(QStringLiteral("Delvora.HLP"));
  QVERIFY(QFile::copy(QStringLiteral(DELVORA_HELP_SOURCE), QStringLiteral("Delvora.HLP")));
  OptionsWindow& options = m_program->options();
  options.show();
  options.onHelpTriggered();
  HelpViewer* help = options.helpViewer();
  QVERIFY(help != nullptr && help->isVisible());
  QVERIFY(generateFromOptions(*m_program));
  QVERIFY(map().isVisible());

  // Keys reach the guide through the window system while the map is shown ...
  help->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(help));
  help->browser()->setFocus();
  QScrollBar* scroll = help->browser()->verticalScrollBar();
  QVERIFY(scroll->maximum() > 0);
  scroll->setValue(0);
  QTest::keyClick(help->windowHandle(), Qt::Key_End);
  QTRY_COMPARE(scroll->value(), scroll->maximum());
  // ... but not the options window, which the map blocks.
  options.titleEdit()->setText(QString());
  options.titleEdit()->setFocus();
  QTest::keyClick(options.windowHandle(), Qt::Key_X);
  QCOMPARE(options.titleEdit()->text(), QString());
  help->hide();
  QFile::remove(QStringLiteral("Delvora.HLP"));
}

void MapWindowTest::windowsMinimiseAndComeBackTogether() {
  // What the window system reports when the user minimises or restores a window.
  const auto userMinimises = [](QWidget& window, bool minimised) {
    const Qt::WindowStates old = window.windowState();
    window.setWindowState(minimised ? old | Qt::WindowMinimized : old & ~Qt::WindowMinimized);
    QWindowStateChangeEvent report(old);
    // Delivered as QTest delivers input: spontaneous, as sendEvent would not leave it.
    QSpontaneKeyEvent::setSpontaneous(&report);
    QApplication::instance()->notify(&window, &report);
    QTest::qWait(50);
  };
  OptionsWindow& options = m_program->options();
  options.show();
  QVERIFY(generateFromOptions(*m_program));
  QVERIFY(options.isVisible() && map().isVisible());
  userMinimises(map(), true);
  QVERIFY(options.isMinimized());
  userMinimises(options, false);
  QVERIFY(!map().isMinimized());
  // Any window minimises the others, and the map keeps being maximised.
  map().showMaximized();
  QTest::qWait(50);
  userMinimises(options, true);
  QVERIFY(map().isMinimized());
  userMinimises(map(), false);
  QVERIFY(!options.isMinimized());
  QVERIFY(map().isMaximized());
  // The program's own changes are not followed.
  options.showMinimized();
  QTest::qWait(50);
  QVERIFY(!map().isMinimized());
  options.showNormal();
}

void MapWindowTest::longDressingFileIsReported() {
  QTemporaryDir folder;
  QFile items(folder.filePath(QStringLiteral("Items.txt")));
  QVERIFY(items.open(QIODevice::WriteOnly));
  for (std::size_t line = 0; line <= kMaxTableEntries; ++line) items.write("A brass key\n");
  items.close();
  Settings settings;
  settings.dressingDir = folder.path().toStdString();
  m_program->options().setSettings(settings);
  m_dialogs.messages.clear();
  QVERIFY(generateFromOptions(*m_program));
  QVERIFY(map().isVisible());
  // The warning delvora-cli prints for the same folder.
  DressingTables tables;
  RandomSource random;
  const LoadResult load = AddFluff(tables, random, settings.dressingDir);
  QCOMPARE(load.warnings.size(), std::size_t{1});
  QCOMPARE(m_dialogs.messages, QStringList{QString::fromStdString(load.warnings.front())});
  QVERIFY(m_dialogs.messages.front().contains(QStringLiteral("Items.txt")));
  m_dialogs.messages.clear();
  m_program->options().setSettings(Settings{});
}

void MapWindowTest::hoverTextOverRoomCorridorAndRock() {
  QVERIFY(generateFromOptions(*m_program));
  const Probes probes = findProbes(map().model());
  QVERIFY(probes.room.x() >= 0 && probes.corridor.x() >= 0 && probes.rock.x() >= 0);
  MapView* view = map().view();

  // Pointer moves reach the window a little later on a real window system.
  QTest::mouseMove(view, probes.room);
  const HoverText expected =
      hoverText(map().model(), map().tables(), probes.room.x(), probes.room.y());
  QTRY_COMPARE(view->hint(), QString::fromStdString(expected.text));
  QVERIFY(view->hint().startsWith(QStringLiteral("Room 1   \rSize  (")));
  QVERIFY(view->hint().contains(QStringLiteral("\rDescription\r  ")));
  QVERIFY(view->hint().contains(QStringLiteral("\rDoor(s)\r")));
  QVERIFY(view->hintEnabled());

  QTest::mouseMove(view, probes.corridor);
  QTRY_VERIFY(view->hint().isEmpty());
  QVERIFY2(view->hintEnabled(), "a corridor clears the text but leaves the display as it was");

  QTest::mouseMove(view, probes.rock);
  QTRY_VERIFY(!view->hintEnabled());
  QVERIFY(view->hint().isEmpty());
}

void MapWindowTest::hoverIgnoredWithoutDressing() {
  Settings settings;
  settings.dressing = false;
  m_program->options().setSettings(settings);
  QVERIFY(generateFromOptions(*m_program));
  // The options window is disabled while the map is shown: a change there does not reach it.
  m_program->options().dressingBox()->setChecked(true);
  const Rect first = parseFeature(map().model().lstWalls.records().front()).rect;
  map().onMapMouseMoved((first.left + first.right) / 2, (first.top + first.bottom) / 2);
  QVERIFY(map().view()->hint().isEmpty());
  QVERIFY(!map().view()->hintEnabled());
}

void MapWindowTest::longHoverLinesWrap_data() {
  QTest::addColumn<QString>("line");
  QTest::addColumn<int>("pieces");
  const QString words = QStringLiteral("A narrow shelf holds seven jars of pickled eyes, ");
  QTest::newRow("short line as it is") << QStringLiteral("Room 7   ") << 1;
  QTest::newRow("eighty characters") << QString(80, u'x') << 1;
  QTest::newRow("indented entry") << QStringLiteral("  ") + words.repeated(6) << 4;
  QTest::newRow("one long word") << QString(200, u'y') << 3;
  QTest::newRow("door line") << QStringLiteral(" N Wall - Concealed Wooden Door - Locked ") << 1;
}

void MapWindowTest::longHoverLinesWrap() {
  QFETCH(QString, line);
  QFETCH(int, pieces);
  const QStringList wrapped = wrapHoverLine(line);
  QCOMPARE(wrapped.size(), pieces);
  qsizetype indentLength = 0;
  while (indentLength < line.size() && line[indentLength] == u' ') ++indentLength;
  const QString indent = line.left(indentLength);
  QString joined;
  for (const QString& piece : wrapped) {
    QVERIFY2(piece.size() <= kHoverLineWidth, qPrintable(piece));
    QVERIFY(piece.startsWith(indent));
    joined += piece;
  }
  // Only blanks are dropped at the cuts (and the indent repeated): the text is unchanged.
  const auto squeeze = [](QString text) { return text.remove(u' '); };
  QCOMPARE(squeeze(joined), squeeze(line));
  // The tooltip shows the wrapped pieces as lines.
  QTextDocument document;
  document.setHtml(hoverTooltipHtml(line));
  QCOMPARE(document.toPlainText(), wrapped.join(u'\n'));
}

void MapWindowTest::tooltipShowsDressingAsTyped() {
  const QString html =
      hoverTooltipHtml(QStringLiteral("Room 1   \r  <b>bold</b> & <img src=x.png>\r"));
  QVERIFY(html.contains(QStringLiteral("&lt;b&gt;bold&lt;/b&gt; &amp; &lt;img src=x.png&gt;")));
  QVERIFY(!html.contains(QStringLiteral("<b>")));
  QCOMPARE(html.count(QStringLiteral("<br>")), 2);
  QTextDocument document;
  document.setHtml(html);
  QCOMPARE(document.toPlainText(), QStringLiteral("Room 1   \n  <b>bold</b> & <img src=x.png>\n"));
}

// Several levels: the "Level" menu shows each level as the library makes it, the caption names
// the level, and a dead-end clean-up reaches every level.
void MapWindowTest::levelMenuShowsEachLevel() {
  Settings settings;
  settings.stairs = 4;
  settings.levels = 3;
  m_program->options().setSettings(settings);
  Settings expected = m_program->options().settings();
  QCOMPARE(expected.levels, 3);
  QVERIFY(generateFromOptions(*m_program));
  QVERIFY(map().levelMenu()->menuAction()->isVisible());
  QCOMPARE(map().levelMenu()->actions().size(), 3);
  DungeonLevels direct;
  QVERIFY(direct.generate(expected, 3).ok());
  for (const int level : {2, 3, 1}) {
    map().levelMenu()->actions()[level - 1]->trigger();
    QCOMPARE(map().shownLevel(), level);
    QVERIFY(map().bitmap() == direct.level(level).picture());
    QCOMPARE(map().view()->picture(), toQImage(direct.level(level).picture()));
    QVERIFY(map().windowTitle().endsWith(QStringLiteral(" - Level %1").arg(level)));
  }
  map().menu().some->trigger();
  direct.cleanDeadEnds(DeadEndMode::Some);
  map().levelMenu()->actions()[2]->trigger();
  QCOMPARE(toString(map().model()), toString(direct.level(3).model()));
}

void MapWindowTest::speed() {
  QElapsedTimer timer;
  {
    // The first "Generate" of a program, whose map window has never been shown.
    Program fresh(m_dialogs);
    fresh.options().setSettings(testing::largestSettings());
    QSignalSpy painted(fresh.map().view(), &MapView::painted);
    timer.start();
    QVERIFY(generateFromOptions(fresh));
    painted.clear();
    while (painted.isEmpty() && timer.elapsed() < 5000) QCoreApplication::processEvents();
    QVERIFY(!painted.isEmpty());
    qInfo("First Generate to painted map, largest settings: %.2f ms",
          static_cast<double>(timer.nsecsElapsed()) / 1e6);
    fresh.map().close();
  }
  m_program->options().setSettings(testing::largestSettings());
  MapView* view = map().view();
  qint64 best = std::numeric_limits<qint64>::max();
  for (int run = 0; run < 5; ++run) {
    map().close();
    QSignalSpy painted(view, &MapView::painted);
    timer.start();
    QVERIFY(generateFromOptions(*m_program));
    painted.clear();
    view->repaint();
    QVERIFY(!painted.isEmpty());
    best = std::min(best, timer.nsecsElapsed());
  }
  qInfo("Generate to painted map, largest settings: %.2f ms (best of 5)",
        static_cast<double>(best) / 1e6);

  const Probes probes = findProbes(map().model());
  constexpr int kMoves = 2000;
  timer.start();
  for (int i = 0; i < kMoves; ++i) {
    const QPoint at = (i % 2 == 0) ? probes.room : probes.corridor;
    map().onMapMouseMoved(at.x(), at.y());
  }
  qInfo("Tooltip rebuild per mouse move: %.2f us",
        static_cast<double>(timer.nsecsElapsed()) / kMoves / 1e3);
}

QTEST_MAIN(MapWindowTest)
#include "map_window_test.moc"
