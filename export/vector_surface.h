#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/canvas.h"

namespace delvora {

// A point of a vector drawing in the drawing's own units (map pixels for a map), y downward.
struct VecPoint {
  double x = 0;
  double y = 0;
  bool operator==(const VecPoint&) const = default;
};

// An outline to fill or stroke: subpaths of straight lines and cubic Bézier curves.
class VectorPath {
 public:
  enum class Op : std::uint8_t { Move, Line, Cubic, Close };

  void moveTo(VecPoint p);
  void lineTo(VecPoint p);
  void cubicTo(VecPoint control1, VecPoint control2, VecPoint end);
  // Closes the current subpath back to its start.
  void close();
  // A closed rectangle from (x, y), width w and height h.
  void rect(double x, double y, double w, double h);
  // Appends other's subpaths.
  void append(const VectorPath& other);

  bool empty() const { return m_ops.empty(); }
  // The operations in order; a Move or Line takes one point, a Cubic three, a Close none.
  const std::vector<Op>& ops() const { return m_ops; }
  const std::vector<VecPoint>& points() const { return m_points; }

 private:
  std::vector<Op> m_ops;
  std::vector<VecPoint> m_points;
};

enum class FillRule { NonZero, EvenOdd };
enum class LineCap { Butt, Round, Square };
enum class LineJoin { Miter, Round };

struct StrokeStyle {
  Rgb color;
  // In the drawing's units.
  double width = 1;
  LineCap cap = LineCap::Butt;
  LineJoin join = LineJoin::Miter;
  // Dash and gap length for a dashed line; 0 for a solid one.
  double dash = 0;
};

enum class TextAnchor { Start, Middle, End };

struct TextStyle {
  Rgb color;
  // Font size (the em) in the drawing's units.
  double size = 10;
  // Where the given point lies along the text's baseline.
  TextAnchor anchor = TextAnchor::Start;
  bool bold = false;
};

// What a vector drawing is drawn on: an SVG, a PDF page, a printer. Each call draws over what
// is there; the font is the standard sans-serif one (Helvetica, or Arial and its equals).
class VectorSurface {
 public:
  virtual ~VectorSurface() = default;

  // A named layer (an SVG group) holding what is drawn until endLayer; layers do not nest.
  virtual void beginLayer(std::string_view name) = 0;
  virtual void endLayer() = 0;
  virtual void fill(const VectorPath& path, Rgb color, FillRule rule) = 0;
  virtual void stroke(const VectorPath& path, const StrokeStyle& style) = 0;
  // One line of UTF-8 text on a baseline through at.
  virtual void text(VecPoint at, std::string_view utf8, const TextStyle& style) = 0;
  // Until the matching popClip, drawing shows only inside path.
  virtual void pushClip(const VectorPath& path, FillRule rule) = 0;
  virtual void popClip() = 0;
};

// Text as valid UTF-8 without control characters: bytes that are not UTF-8 are read as
// Latin-1, as the printouts read titles.
std::string cleanText(std::string_view bytes);

// The code points of UTF-8 text (as cleanText gives it).
std::u32string codePoints(std::string_view utf8);

}  // namespace delvora
