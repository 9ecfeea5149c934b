#pragma once

#include <string>
#include <string_view>

#include "export/vector_surface.h"

namespace delvora {

// Writes an SVG 1.1 document: the drawing's units are the picture's pixels, its layers groups
// with their names as ids, clips clipPath elements. Returns the bytes with finish.
class SvgSurface final : public VectorSurface {
 public:
  // A width x height picture titled title (any bytes; see cleanText).
  SvgSurface(double width, double height, std::string_view title);

  void beginLayer(std::string_view name) override;
  void endLayer() override;
  void fill(const VectorPath& path, Rgb color, FillRule rule) override;
  void stroke(const VectorPath& path, const StrokeStyle& style) override;
  void text(VecPoint at, std::string_view utf8, const TextStyle& style) override;
  void pushClip(const VectorPath& path, FillRule rule) override;
  void popClip() override;

  // Closes the document and hands over its bytes.
  std::string finish();

 private:
  void appendPathData(const VectorPath& path);
  void appendColor(Rgb color);

  std::string m_out;
  int m_clips = 0;
};

// Text with &, <, > and " written as XML character references.
std::string xmlEscaped(std::string_view text);

}  // namespace delvora
