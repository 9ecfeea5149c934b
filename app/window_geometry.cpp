#include "app/window_geometry.h"

#include <QApplication>
#include <QEvent>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindowStateChangeEvent>
#include <algorithm>

namespace delvora {
namespace {

// How long after leaving maximised the window system's placing of the window is watched.
constexpr int kRestoreSettleMs = 2000;

// The window system's frame around window's client area; none before it is shown.
QMargins frameMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

// The frame window will get: its own when it has one, else that of another window shown.
QMargins expectedFrameMargins(const QWidget& window) {
  if (const QMargins own = frameMargins(window); !own.isNull()) return own;
  for (const QWidget* other : QApplication::topLevelWidgets()) {
    if (other == &window || !other->isVisible()) continue;
    if (const QMargins margins = frameMargins(*other); !margins.isNull()) return margins;
  }
  return {};
}

}  // namespace

QSize sizeKeepingFrameOnScreen(const QWidget& window, const QSize& wanted,
                               const QPoint& framePosition) {
  const QRect area = window.screen()->availableGeometry();
  const QMargins frame = expectedFrameMargins(window);
  const QPoint corner(std::max(area.left(), framePosition.x()),
                      std::max(area.top(), framePosition.y()));
  return wanted.boundedTo(QSize(area.right() + 1 - corner.x() - frame.left() - frame.right(),
                                area.bottom() + 1 - corner.y() - frame.top() - frame.bottom()));
}

RestoredFrameKeeper::RestoredFrameKeeper(QWidget& window) : QObject(&window), m_window(window) {
  m_fitSoon.setSingleShot(true);
  m_fitSoon.setInterval(0);
  connect(&m_fitSoon, &QTimer::timeout, this, &RestoredFrameKeeper::fit);
  window.installEventFilter(this);
}

bool RestoredFrameKeeper::eventFilter(QObject* /*watched*/, QEvent* event) {
  switch (event->type()) {
    case QEvent::WindowStateChange: {
      const auto* change = static_cast<QWindowStateChangeEvent*>(event);
      const Qt::WindowStates now = m_window.windowState();
      if (change->oldState().testFlag(Qt::WindowMaximized) &&
          !(now & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) {
        m_restored.start();
        m_fitSoon.start();
      }
      break;
    }
    case QEvent::Move:
    case QEvent::Resize:
      // The frame is known only once the window system has placed the window.
      if (m_restored.isValid() && m_restored.elapsed() < kRestoreSettleMs) {
        m_fitSoon.start();
      }
      break;
    default:
      break;
  }
  return false;
}

void RestoredFrameKeeper::fit() {
  if (!m_window.isVisible() || m_window.windowState() != Qt::WindowNoState) return;
  const QRect area = m_window.screen()->availableGeometry();
  const QRect frame = m_window.frameGeometry();
  if (area.contains(frame)) return;
  const QSize size = sizeKeepingFrameOnScreen(m_window, m_window.size(), frame.topLeft());
  if (size != m_window.size()) m_window.resize(size);
  // A window's position is that of its frame.
  m_window.move(std::clamp(frame.left(), area.left(), area.right()),
                std::clamp(frame.top(), area.top(), area.bottom()));
}

}  // namespace delvora
