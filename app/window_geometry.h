#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QTimer>

class QWidget;

namespace delvora {

// The largest client size up to wanted at which window's frame, title bar included, placed at
// framePosition (at least the top-left corner of the free area) fits the free area of window's
// screen. The frame is window's own once shown, else that of another window of the program.
QSize sizeKeepingFrameOnScreen(const QWidget& window, const QSize& wanted,
                               const QPoint& framePosition);

// Keeps a window's frame, title bar included, on the free area of its screen when the window
// comes back from maximised: the window system restores the size the window had before, which
// was chosen before the frame's real size was known.
class RestoredFrameKeeper : public QObject {
  Q_OBJECT

 public:
  // Watches window, whose child it becomes.
  explicit RestoredFrameKeeper(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Shrinks and moves the window until its frame fits, if it does not.
  void fit();

  QWidget& m_window;
  // Runs from the moment the window left maximised; the window system places and sizes it
  // shortly after.
  QElapsedTimer m_restored;
  // Fits the window once the events in hand are handled.
  QTimer m_fitSoon;
};

}  // namespace delvora
