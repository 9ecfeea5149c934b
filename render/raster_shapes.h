#pragma once

#include <functional>
#include <vector>

namespace delvora {

// Pixel geometry of the canvas shapes, independent of colours and modes.

// Inclusive pixel bounds that shape rasterisation is clipped to.
struct PixelBounds {
  int left = 0;
  int top = 0;
  int right = -1;
  int bottom = -1;
};

// Visits the run of pixels x0..x1 (inclusive) on row y.
using SpanVisitor = std::function<void(int y, int x0, int x1)>;

// A round-ended stroke of width w (w >= 2) from (x0, y0) to (x1, y1): the pixels whose centres
// lie within w / 2 of the segment. Odd widths centre on the pixel row or column of the
// segment; even widths cover w / 2 pixels before it and w / 2 - 1 after, as GDI does. Each
// pixel inside bounds is visited exactly once, rows top to bottom.
void strokeSpans(int x0, int y0, int x1, int y1, int width, const PixelBounds& bounds,
                 const SpanVisitor& visit);

// For a width x height box with elliptical corners of cornerWidth x cornerHeight, how many
// pixels the corners cut off each end of every row, top row first. Symmetric left-right and
// top-bottom; corner sizes are clamped to the box.
std::vector<int> roundRectInsets(int width, int height, int cornerWidth, int cornerHeight);

}  // namespace delvora
