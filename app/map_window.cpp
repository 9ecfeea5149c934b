#include "app/map_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

#include "app/dialogs.h"
#include "app/dressing_warnings.h"
#include "app/legend_strip.h"
#include "app/map_view.h"
#include "app/qt_text.h"
#include "app/window_geometry.h"
#include "app/window_print_ui.h"
#include "print/qt/print_commands.h"

namespace delvora {
namespace {

// Where the top-left corner of the window's frame opens on the screen.
constexpr QPoint kFramePosition{2, 1};

}  // namespace

MapWindow::MapWindow(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      m_dialogs(dialogs),
      m_dungeon(std::make_unique<Dungeon>()),
      m_printSession(std::make_unique<PrintSession>()),
      m_printUi(std::make_unique<WindowPrintUi>(*this, dialogs)) {
  setWindowTitle(QStringLiteral("Delvora"));
  // Modal to the options window (its parent) only, so that the help window stays usable beside
  // the map.
  setWindowModality(Qt::WindowModal);
  move(kFramePosition);
  new RestoredFrameKeeper(*this);

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  m_legend = new LegendStrip(central);
  layout->addWidget(m_legend);
  m_scrollArea = new QScrollArea(central);
  m_scrollArea->setFrameShape(QFrame::NoFrame);
  m_scrollArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  m_view = new MapView;
  m_scrollArea->setWidget(m_view);
  layout->addWidget(m_scrollArea, 1);
  setCentralWidget(central);
  buildMenus();

  m_view->setMouseMoveHandler([this](int x, int y) { onMapMouseMoved(x, y); });
  connect(m_view, &MapView::painted, this, [this] {
    if (!m_generateTimer.isValid() || m_busy) return;
    if (qEnvironmentVariableIsSet("DELVORA_TIMING")) {
      std::fprintf(stderr, "delvora: Generate to painted map: %.2f ms\n",
                   static_cast<double>(m_generateTimer.nsecsElapsed()) / 1e6);
    }
    m_generateTimer.invalidate();
  });
  ensurePolished();
}

MapWindow::~MapWindow() = default;

void MapWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  m_menu.print = file->addAction(tr("&Print Map"));
  m_menu.print->setShortcut(QKeySequence::Print);
  m_menu.printMap25mmScale = file->addAction(tr("Print Map &25mm Scale"));
  m_menu.printMap25mmScale->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_P);
  m_menu.saveAs = file->addAction(tr("Save &Map As"));
  m_menu.saveAs->setEnabled(false);
  m_menu.printDressing = file->addAction(tr("Print &Dressing"));
  m_menu.printDressing->setShortcut(Qt::CTRL | Qt::Key_D);
  m_menu.saveDressingAs = file->addAction(tr("&Save Dressing As"));
  m_menu.saveDressingAs->setShortcut(QKeySequence::Save);
  m_menu.exportCC2 = file->addAction(tr("&Export as CC2 script"));
  m_menu.exportCC2->setEnabled(false);
  m_menu.edit = menuBar()->addAction(tr("&Edit"));
  QMenu* deadEnds = menuBar()->addMenu(tr("&Dead Ends"));
  m_menu.lots = deadEnds->addAction(tr("&Lots"));
  m_menu.some = deadEnds->addAction(tr("&Some"));
  m_menu.aFew = deadEnds->addAction(tr("A &Few"));
  for (QAction* item : {m_menu.lots, m_menu.some, m_menu.aFew}) item->setCheckable(true);
  m_menu.lots->setChecked(true);
  m_levelMenu = menuBar()->addMenu(tr("Le&vel"));
  m_levelMenu->menuAction()->setVisible(false);
  m_menu.exit = menuBar()->addAction(tr("E&xit"));
  // F10 opens the first menu, as it does in the desktops' own programs.
  auto* menuKey = new QAction(this);
  menuKey->setShortcut(Qt::Key_F10);
  addAction(menuKey);
  connect(menuKey, &QAction::triggered, this,
          [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });

  connect(m_menu.print, &QAction::triggered, this, &MapWindow::onPrintMapTriggered);
  connect(m_menu.printMap25mmScale, &QAction::triggered, this, &MapWindow::onPrintMap25mmTriggered);
  connect(m_menu.printDressing, &QAction::triggered, this, &MapWindow::onPrintDressingTriggered);
  connect(m_menu.saveDressingAs, &QAction::triggered, this, &MapWindow::onSaveDressingAsTriggered);
  connect(m_menu.edit, &QAction::triggered, this, &MapWindow::onEditTriggered);
  connect(m_menu.lots, &QAction::triggered, this, &MapWindow::onLotsTriggered);
  connect(m_menu.some, &QAction::triggered, this, &MapWindow::onSomeTriggered);
  connect(m_menu.aFew, &QAction::triggered, this, &MapWindow::onAFewTriggered);
  connect(m_menu.exit, &QAction::triggered, this, &MapWindow::onExitTriggered);
}

// One "Level k" entry per level; the menu shows only for a dungeon of several levels.
void MapWindow::buildLevelMenu() {
  m_levelMenu->clear();
  delete m_levelGroup;
  m_levelGroup = new QActionGroup(this);
  const int count = m_levels ? m_levels->count() : 1;
  m_levelMenu->menuAction()->setVisible(count > 1);
  for (int level = 1; level <= count; ++level) {
    // Each entry's mnemonic is its last digit: Level &1 ... Level 1&0.
    const QString number = QString::number(level);
    QAction* item = m_levelMenu->addAction(
        tr("Level %1").arg(number.left(number.size() - 1) + u'&' + number.right(1)));
    item->setCheckable(true);
    item->setChecked(level == m_shownLevel);
    m_levelGroup->addAction(item);
    connect(item, &QAction::triggered, this, [this, level] { showLevel(level); });
  }
}

void MapWindow::showLevel(int level) {
  if (!m_levels || level < 1 || level > m_levels->count() || m_busy) return;
  m_shownLevel = level;
  m_view->switchHintOff();
  setWindowTitle(QString::fromStdString(shown().caption()));
  const QList<QAction*> items = m_levelGroup->actions();
  items[level - 1]->setChecked(true);
  showPicture();
}

bool MapWindow::generate(const Settings& settings) {
  m_generateTimer.start();
  setWindowTitle(QString::fromStdString(mapCaption(settings.title)));
  prepareShowing(settings);
  m_busy = true;
  m_shownLevel = 1;
  m_levels.reset();
  GenerateReport report;
  const DressingSource source = DressingSource::fromFolder(settings.dressingDir);
  if (settings.levels > 1) {
    m_levels = std::make_unique<DungeonLevels>();
    report = m_levels->generate(settings, source, settings.levels, Audience::GameMaster);
    if (!report.ok()) m_levels.reset();
  } else {
    report =
        m_dungeon->generate(settings, source, Audience::GameMaster, [this] { processMessages(); });
  }
  m_busy = false;
  buildLevelMenu();
  if (m_levels) setWindowTitle(QString::fromStdString(shown().caption()));
  if (!report.ok()) {
    m_generateTimer.invalidate();
    hide();
    m_dialogs.showMessage(nullptr, fromDressingBytes(report.error));
    return false;
  }
  showPicture();
  fitWindow();
  if (const QString warnings = dressingWarningText(report.warnings); !warnings.isEmpty()) {
    m_dialogs.showMessage(this, warnings);
  }
  return true;
}

void MapWindow::showModal(const Settings& settings) {
  if (!generate(settings)) return;
  QEventLoop loop;
  connect(this, &MapWindow::closed, &loop, &QEventLoop::quit);
  loop.exec();
}

void MapWindow::prepareShowing(const Settings& settings) {
  // The window system's window is made anew for every showing: the position given before it
  // exists is that of the frame, title bar included.
  if (!isVisible() && testAttribute(Qt::WA_WState_Created)) destroy();
  move(kFramePosition);
  // Auto-size on and the normal window state: the window grows to fit the new picture.
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  setWindowState(windowState() & ~Qt::WindowMaximized);
  // Nothing of an earlier map is left: no hover text, no scroll position.
  m_view->switchHintOff();
  m_scrollArea->horizontalScrollBar()->setValue(0);
  m_scrollArea->verticalScrollBar()->setValue(0);
  m_menu.lots->setChecked(true);
  m_menu.some->setChecked(false);
  m_menu.aFew->setChecked(false);
  m_menu.printDressing->setEnabled(settings.dressing);
  m_menu.saveDressingAs->setEnabled(settings.dressing);
}

void MapWindow::processMessages() {
  // The window appears with the background at the first pause of the build, already at the
  // size of the map.
  if (!isVisible()) {
    showPicture();
    fitWindow();
    // A modal window opens on top of the window that opened it.
    raise();
    activateWindow();
  }
  // Only repaints: no command may run on a half-built map.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MapWindow::showPicture() {
  m_view->setPicture(toQImage(shown().picture()));
}

void MapWindow::fitWindow() {
  const QSize picture = m_view->size();
  // The window that shows the whole map under the legend strip; it never grows beyond that,
  // so no grey shows around the map.
  const int width = std::max(picture.width(), m_legend->minimumWidth());
  const QSize fitted(width,
                     menuBar()->heightForWidth(width) + LegendStrip::kHeight + picture.height());
  const QSize screenSize = screen()->geometry().size();
  if (picture.width() >= screenSize.width() || picture.height() >= screenSize.height()) {
    // Auto-size off: the view fills the client area below the legend strip.
    m_scrollArea->setMinimumSize(0, 0);
    setMinimumSize(0, 0);
    setMaximumSize(fitted);
    // Restored from maximised, the frame, title bar included, stays within the free area of the
    // screen.
    resize(sizeKeepingFrameOnScreen(*this, fitted, kFramePosition));
    showMaximized();
    return;
  }
  // A single fixed border: the user cannot resize the window.
  m_scrollArea->setMinimumSize(picture);
  setFixedSize(fitted);
  show();
}

void MapWindow::onLotsTriggered() {
  // "Lots" has no action; choosing it must not take its check mark away.
  m_menu.lots->setChecked(true);
}

void MapWindow::onSomeTriggered() {
  m_menu.some->setChecked(true);
  m_menu.lots->setChecked(false);
  m_menu.aFew->setChecked(false);
  m_menu.lots->setEnabled(false);
  m_menu.some->setEnabled(false);
  runDeadEnds(m_menu.aFew->isChecked() ? DeadEndMode::AFew : DeadEndMode::Some);
}

void MapWindow::onAFewTriggered() {
  // The tick is set first: it is what tells the clean-up its mode.
  m_menu.aFew->setChecked(true);
  m_menu.lots->setChecked(false);
  m_menu.some->setChecked(false);
  for (QAction* item : {m_menu.lots, m_menu.some, m_menu.aFew}) item->setEnabled(false);
  runDeadEnds(m_menu.aFew->isChecked() ? DeadEndMode::AFew : DeadEndMode::Some);
}

void MapWindow::runDeadEnds(DeadEndMode mode) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_busy = true;
  const auto processEvents = [] {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
  if (m_levels) {
    for (int level = 1; level <= m_levels->count(); ++level) {
      m_levels->level(level).cleanDeadEnds(mode, processEvents);
    }
  } else {
    m_dungeon->cleanDeadEnds(mode, processEvents);
  }
  m_busy = false;
  QApplication::restoreOverrideCursor();
  showPicture();
}

void MapWindow::onExitTriggered() {
  if (m_busy) return;
  emptyListsAndMenus();
  close();
}

void MapWindow::emptyListsAndMenus() {
  m_dungeon->close();
  if (m_levels) {
    for (int level = 1; level <= m_levels->count(); ++level) m_levels->level(level).close();
  }
  for (QAction* item : {m_menu.lots, m_menu.some, m_menu.aFew}) item->setEnabled(true);
}

void MapWindow::closeEvent(QCloseEvent* event) {
  if (m_busy) {
    event->ignore();
    return;
  }
  emptyListsAndMenus();
  event->accept();
  emit closed();
}

}  // namespace delvora
