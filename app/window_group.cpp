#include "app/window_group.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindowStateChangeEvent>

namespace delvora {
namespace {

// Windows and dialogs have a state of their own to follow; popups and tooltips do not.
bool isMainOrDialog(const QWidget& widget) {
  const Qt::WindowType type = widget.windowType();
  return widget.isWindow() && (type == Qt::Window || type == Qt::Dialog);
}

}  // namespace

bool WindowGroup::eventFilter(QObject* watched, QEvent* event) {
  // The window system's reports come as spontaneous events; the state changes the program makes
  // (these below included) do not, so following never feeds itself.
  if (event->type() != QEvent::WindowStateChange || !event->spontaneous() ||
      !watched->isWidgetType()) {
    return false;
  }
  const auto* window = static_cast<QWidget*>(watched);
  if (!isMainOrDialog(*window)) return false;
  const bool was = static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized;
  const bool minimised = window->windowState() & Qt::WindowMinimized;
  if (was == minimised) return false;
  for (QWidget* other : QApplication::topLevelWidgets()) {
    if (other == window || !other->isVisible() || !isMainOrDialog(*other)) continue;
    const Qt::WindowStates state = other->windowState();
    // Each keeps its other states (a maximised map stays maximised).
    other->setWindowState(minimised ? state | Qt::WindowMinimized : state & ~Qt::WindowMinimized);
  }
  return false;
}

}  // namespace delvora
