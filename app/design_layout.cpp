#include "app/design_layout.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace delvora {
namespace {

constexpr double kLargestPoints = 8.0;
constexpr double kSmallestPoints = 6.0;

// The room a push button's frame and margins take from its caption.
int pushButtonPadding(const QPushButton& button) {
  const QStyle* style = button.style();
  return 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
              style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button));
}

}  // namespace

DesignLayout::DesignLayout(const QWidget& window) : m_scale(window.logicalDpiX() / kDesignDpi) {}

int DesignLayout::scaled(int designPixels) const {
  return static_cast<int>(std::lround(designPixels * m_scale));
}

QSize DesignLayout::size(int width, int height) const {
  return {scaled(width), scaled(height)};
}

QRect DesignLayout::rect(int x, int y, int width, int height) const {
  // Edges are scaled, not sizes, so that neighbours that touch in the design still touch.
  const int left = scaled(x);
  const int top = scaled(y);
  return {left, top, scaled(x + width) - left, scaled(y + height) - top};
}

void DesignLayout::place(QWidget* widget, int x, int y, int width, int height) const {
  widget->setGeometry(rect(x, y, width, height));
}

bool textFits(const QWidget& widget) {
  const QFontMetrics metrics = widget.fontMetrics();
  if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
    const QString text = QString(button->text()).remove(u'&');
    return metrics.horizontalAdvance(text) + pushButtonPadding(*button) <= button->width() &&
           metrics.height() <= button->height();
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    if (button->text().isEmpty()) return true;
    const QSize needed = button->sizeHint();
    return needed.width() <= button->width() && needed.height() <= button->height();
  }
  if (qobject_cast<const QLabel*>(&widget) != nullptr) {
    const QSize needed = widget.sizeHint();
    return needed.width() <= widget.width() && needed.height() <= widget.height();
  }
  if (const auto* list = qobject_cast<const QComboBox*>(&widget)) {
    return list->minimumSizeHint().width() <= list->width() && metrics.height() <= list->height();
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
    const int indent = group->style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, group);
    return metrics.horizontalAdvance(group->title()) + 2 * indent <= group->width();
  }
  return true;
}

void fitFont(QWidget& window) {
  QFont font(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
  // Half-point steps, counted in whole steps so that no rounding creeps in.
  const int steps = static_cast<int>((kLargestPoints - kSmallestPoints) * 2);
  for (int step = 0; step <= steps; ++step) {
    font.setPointSizeF(kLargestPoints - step * 0.5);
    window.setFont(font);
    const QList<QWidget*> controls = window.findChildren<QWidget*>();
    if (std::all_of(controls.begin(), controls.end(), [&window](const QWidget* control) {
          return !control->isVisibleTo(&window) || textFits(*control);
        })) {
      return;
    }
  }
}

}  // namespace delvora
