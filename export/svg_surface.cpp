#include "export/svg_surface.h"

#include "export/decimal_text.h"

namespace delvora {

namespace {

// Coordinates to a hundredth of a pixel.
constexpr int kDecimals = 2;

// What the standard sans-serif font is called where the picture is shown.
constexpr std::string_view kFontFamily = "Helvetica, Arial, Liberation Sans, sans-serif";

}  // namespace

std::string xmlEscaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out.push_back(c);
    }
  }
  return out;
}

SvgSurface::SvgSurface(double width, double height, std::string_view title) {
  m_out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
      "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"";
  appendDecimal(m_out, width, kDecimals);
  m_out += "\" height=\"";
  appendDecimal(m_out, height, kDecimals);
  m_out += "\" viewBox=\"0 0 ";
  appendDecimal(m_out, width, kDecimals);
  m_out += ' ';
  appendDecimal(m_out, height, kDecimals);
  m_out += "\">\n<title>";
  m_out += xmlEscaped(cleanText(title));
  m_out += "</title>\n";
}

void SvgSurface::beginLayer(std::string_view name) {
  m_out += "<g id=\"";
  m_out += xmlEscaped(name);
  m_out += "\">\n";
}

void SvgSurface::endLayer() {
  m_out += "</g>\n";
}

void SvgSurface::appendColor(Rgb color) {
  static constexpr char kHex[] = "0123456789abcdef";
  m_out += '#';
  for (const std::uint8_t channel : {color.r, color.g, color.b}) {
    m_out += kHex[channel >> 4];
    m_out += kHex[channel & 15];
  }
}

void SvgSurface::appendPathData(const VectorPath& path) {
  m_out += "d=\"";
  std::size_t p = 0;
  const std::vector<VecPoint>& points = path.points();
  const auto point = [&] {
    appendDecimal(m_out, points[p].x, kDecimals);
    m_out += ' ';
    appendDecimal(m_out, points[p].y, kDecimals);
    ++p;
  };
  for (const VectorPath::Op op : path.ops()) {
    switch (op) {
      case VectorPath::Op::Move:
        m_out += 'M';
        point();
        break;
      case VectorPath::Op::Line:
        m_out += 'L';
        point();
        break;
      case VectorPath::Op::Cubic:
        m_out += 'C';
        point();
        m_out += ' ';
        point();
        m_out += ' ';
        point();
        break;
      case VectorPath::Op::Close:
        m_out += 'Z';
        break;
    }
  }
  m_out += '"';
}

void SvgSurface::fill(const VectorPath& path, Rgb color, FillRule rule) {
  m_out += "<path fill=\"";
  appendColor(color);
  if (rule == FillRule::EvenOdd) m_out += "\" fill-rule=\"evenodd";
  m_out += "\" ";
  appendPathData(path);
  m_out += "/>\n";
}

void SvgSurface::stroke(const VectorPath& path, const StrokeStyle& style) {
  m_out += "<path fill=\"none\" stroke=\"";
  appendColor(style.color);
  m_out += "\" stroke-width=\"";
  appendDecimal(m_out, style.width, kDecimals);
  if (style.cap == LineCap::Round) m_out += "\" stroke-linecap=\"round";
  if (style.cap == LineCap::Square) m_out += "\" stroke-linecap=\"square";
  if (style.join == LineJoin::Round) m_out += "\" stroke-linejoin=\"round";
  if (style.dash > 0) {
    m_out += "\" stroke-dasharray=\"";
    appendDecimal(m_out, style.dash, kDecimals);
  }
  m_out += "\" ";
  appendPathData(path);
  m_out += "/>\n";
}

void SvgSurface::text(VecPoint at, std::string_view utf8, const TextStyle& style) {
  m_out += "<text x=\"";
  appendDecimal(m_out, at.x, kDecimals);
  m_out += "\" y=\"";
  appendDecimal(m_out, at.y, kDecimals);
  m_out += "\" font-family=\"";
  m_out += kFontFamily;
  m_out += "\" font-size=\"";
  appendDecimal(m_out, style.size, kDecimals);
  m_out += "\" fill=\"";
  appendColor(style.color);
  if (style.bold) m_out += "\" font-weight=\"bold";
  if (style.anchor == TextAnchor::Middle) m_out += "\" text-anchor=\"middle";
  if (style.anchor == TextAnchor::End) m_out += "\" text-anchor=\"end";
  m_out += "\">";
  m_out += xmlEscaped(cleanText(utf8));
  m_out += "</text>\n";
}

void SvgSurface::pushClip(const VectorPath& path, FillRule rule) {
  const std::string id = "clip" + std::to_string(++m_clips);
  m_out += "<defs><clipPath id=\"" + id + "\"><path ";
  if (rule == FillRule::EvenOdd) m_out += "clip-rule=\"evenodd\" ";
  appendPathData(path);
  m_out += "/></clipPath></defs>\n<g clip-path=\"url(#" + id + ")\">\n";
}

void SvgSurface::popClip() {
  m_out += "</g>\n";
}

std::string SvgSurface::finish() {
  m_out += "</svg>\n";
  return std::move(m_out);
}

}  // namespace delvora
