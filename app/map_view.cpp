#include "app/map_view.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "app/qt_text.h"

namespace delvora {

MapView::MapView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setToolTipDuration(kHintTimeoutMs);
}

void MapView::setPicture(QImage picture) {
  m_picture = std::move(picture);
  setFixedSize(m_picture.size());
  update();
}

void MapView::setHint(const QString& text) {
  if (text.isEmpty()) {
    m_hint.clear();
    setToolTip({});
    QToolTip::hideText();
    return;
  }
  const bool changed = text != m_hint;
  m_hint = text;
  m_hintEnabled = true;
  setToolTip(hoverTooltipHtml(m_hint));
  // A tooltip already up follows the pointer to the new room at once.
  if (changed && QToolTip::isVisible()) {
    QToolTip::showText(QCursor::pos(), toolTip(), this, {}, kHintTimeoutMs);
  }
}

void MapView::switchHintOff() {
  m_hint.clear();
  m_hintEnabled = false;
  setToolTip({});
  QToolTip::hideText();
}

void MapView::setMouseMoveHandler(std::function<void(int, int)> handler) {
  m_mouseMove = std::move(handler);
}

void MapView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect().topLeft(), m_picture, event->rect());
  emit painted();
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (m_mouseMove && rect().contains(at)) m_mouseMove(at.x(), at.y());
  QWidget::mouseMoveEvent(event);
}

bool MapView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    if (!m_hintEnabled || m_hint.isEmpty()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(help->globalPos(), toolTip(), this, {}, kHintTimeoutMs);
    }
    return true;
  }
  return QWidget::event(event);
}

}  // namespace delvora
