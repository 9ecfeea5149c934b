#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace delvora {

// Places controls at positions given in design pixels, the windows' layout at 120 pixels per
// inch, scaled to the screen's pixels per inch.
class DesignLayout {
 public:
  static constexpr double kDesignDpi = 120.0;

  // The scale of window's screen.
  explicit DesignLayout(const QWidget& window);
  explicit DesignLayout(double scale) : m_scale(scale) {}

  double scale() const { return m_scale; }
  int scaled(int designPixels) const;
  QSize size(int width, int height) const;
  QRect rect(int x, int y, int width, int height) const;
  // Gives widget the scaled geometry.
  void place(QWidget* widget, int x, int y, int width, int height) const;

 private:
  double m_scale;
};

// True when widget shows its whole text (caption, title or every list entry) at its current
// size and font; widgets without text always fit.
bool textFits(const QWidget& widget);

// Gives window the desktop's default sans-serif face at the largest size from 8 points down
// (in half points, 6 at least) at which every control of window passes textFits.
void fitFont(QWidget& window);

}  // namespace delvora
