#pragma once

#include <optional>

namespace delvora {

// The device values a printer reports, in device pixels (pixelsPerInch in pixels per inch).
struct DeviceCaps {
  // Physical offset of the printable area from the paper's top-left edge.
  int offsetX = 0;
  int offsetY = 0;
  // Paper size; 0 when the device does not know it.
  int paperWidth = 0;
  int paperHeight = 0;
  // Printable area size.
  int printableWidth = 0;
  int printableHeight = 0;
  int pixelsPerInchX = 0;
  int pixelsPerInchY = 0;
};

// A page's geometry with the same margin on all four sides, in device pixels.
struct PageMetrics {
  int offsetX = 0;
  int offsetY = 0;
  int rightMargin = 0;
  int bottomMargin = 0;
  int paperWidth = 0;
  int paperHeight = 0;
  int printableWidth = 0;
  int printableHeight = 0;
  // The largest of the four margins.
  int equalMargin = 0;
  // Paper size less the equal margin on both sides.
  int usableWidth = 0;
  int usableHeight = 0;
  // Where the usable area starts, measured from the printable area's corner.
  int originShiftX = 0;
  int originShiftY = 0;
  int pixelsPerInchX = 0;
  int pixelsPerInchY = 0;
};

// Derives the page metrics; a paper size of 0 is taken as the printable size. nullopt when the
// caps are not usable: no printable area, no resolution, or a usable area that is empty.
std::optional<PageMetrics> pageMetrics(const DeviceCaps& caps);

}  // namespace delvora
