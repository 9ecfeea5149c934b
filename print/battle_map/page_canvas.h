#pragma once

#include <functional>

#include "export/vector_surface.h"
#include "print/battle_map/battle_map_layout.h"

namespace delvora {

// What pages are drawn on: a PDF, a printer. Units are points, y downward from the page's
// top-left corner.
class PageCanvas : public VectorSurface {
 public:
  using Picture = std::function<void(VectorSurface&)>;

  // Starts a page of width x height points; every page ends before the next begins.
  virtual void beginPage(double width, double height) = 0;
  virtual void endPage() = 0;
  // The picture placePicture shows, drawn by paint in its own units. Set before it is placed;
  // paint may run once for all placements or once each.
  virtual void setPicture(Picture paint) = 0;
  // Shows the picture scaled by scale, then moved by offset, only inside clip.
  virtual void placePicture(double scale, VecPoint offset, const Box& clip) = 0;
};

}  // namespace delvora
