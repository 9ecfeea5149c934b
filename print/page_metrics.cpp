#include "print/page_metrics.h"

#include <algorithm>

namespace delvora {

std::optional<PageMetrics> pageMetrics(const DeviceCaps& caps) {
  if (caps.printableWidth <= 0 || caps.printableHeight <= 0 || caps.pixelsPerInchX <= 0 ||
      caps.pixelsPerInchY <= 0) {
    return std::nullopt;
  }
  PageMetrics m;
  m.offsetX = caps.offsetX;
  m.offsetY = caps.offsetY;
  m.printableWidth = caps.printableWidth;
  m.printableHeight = caps.printableHeight;
  m.paperWidth = caps.paperWidth != 0 ? caps.paperWidth : caps.printableWidth;
  m.paperHeight = caps.paperHeight != 0 ? caps.paperHeight : caps.printableHeight;
  m.rightMargin = m.paperWidth - m.printableWidth - m.offsetX;
  m.bottomMargin = m.paperHeight - m.printableHeight - m.offsetY;
  m.equalMargin = std::max({m.offsetX, m.rightMargin, m.offsetY, m.bottomMargin});
  m.usableWidth = m.paperWidth - 2 * m.equalMargin;
  m.usableHeight = m.paperHeight - 2 * m.equalMargin;
  m.originShiftX = m.equalMargin - m.offsetX;
  m.originShiftY = m.equalMargin - m.offsetY;
  m.pixelsPerInchX = caps.pixelsPerInchX;
  m.pixelsPerInchY = caps.pixelsPerInchY;
  // A usable area of 0 would divide by zero in the page count.
  if (m.usableWidth <= 0 || m.usableHeight <= 0) return std::nullopt;
  return m;
}

}  // namespace delvora
