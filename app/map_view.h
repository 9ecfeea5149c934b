#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

namespace delvora {

// The map picture, one map pixel to one screen pixel from the top-left corner, with the hover
// read-out as its tooltip.
class MapView : public QWidget {
  Q_OBJECT

 public:
  // How long a hover tooltip stays up unless the pointer moves on.
  static constexpr int kHintTimeoutMs = 20000;

  explicit MapView(QWidget* parent = nullptr);

  void setPicture(QImage picture);
  const QImage& picture() const { return m_picture; }

  // The hover text (lines joined by CR); an empty text shows nothing.
  void setHint(const QString& text);
  // Clears the hover text and switches the tooltip off.
  void switchHintOff();
  const QString& hint() const { return m_hint; }
  bool hintEnabled() const { return m_hintEnabled; }

  // Called with the map pixel under the pointer on every mouse move.
  void setMouseMoveHandler(std::function<void(int x, int y)> handler);

 signals:
  // The picture was painted on screen.
  void painted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QImage m_picture;
  QString m_hint;
  bool m_hintEnabled = false;
  std::function<void(int, int)> m_mouseMove;
};

}  // namespace delvora
