#include "print/battle_map/pdf_canvas.h"

#include "export/decimal_text.h"
#include "print/battle_map/helvetica.h"

namespace delvora {

namespace {

// The fonts' names in every resource dictionary.
constexpr std::string_view kRegularFont = "/F1";
constexpr std::string_view kBoldFont = "/F2";

std::string pdfString(std::string_view winAnsi) {
  std::string out = "(";
  for (const char c : winAnsi) {
    if (c == '(' || c == ')' || c == '\\') out += '\\';
    out += c;
  }
  return out + ")";
}

}  // namespace

PdfContent::PdfContent(bool knownDefaults, std::string_view start) : m_out(start) {
  if (knownDefaults) {
    m_state = {colors::kBlack, colors::kBlack, 1.0, LineCap::Butt, LineJoin::Miter, 0.0};
  }
}

void PdfContent::number(double value, int decimals) {
  appendDecimal(m_out, value, decimals);
}

void PdfContent::color(Rgb color, const char* op) {
  for (const std::uint8_t channel : {color.r, color.g, color.b}) {
    number(channel / 255.0, 3);
    m_out += ' ';
  }
  m_out += op;
  m_out += '\n';
}

void PdfContent::appendPath(const VectorPath& path) {
  const std::vector<VecPoint>& points = path.points();
  std::size_t p = 0;
  const auto point = [&] {
    number(points[p].x);
    m_out += ' ';
    number(points[p].y);
    m_out += ' ';
    ++p;
  };
  for (const VectorPath::Op op : path.ops()) {
    switch (op) {
      case VectorPath::Op::Move:
        point();
        m_out += "m\n";
        break;
      case VectorPath::Op::Line:
        point();
        m_out += "l\n";
        break;
      case VectorPath::Op::Cubic:
        point();
        point();
        point();
        m_out += "c\n";
        break;
      case VectorPath::Op::Close:
        m_out += "h\n";
        break;
    }
  }
}

void PdfContent::fill(const VectorPath& path, Rgb color, FillRule rule) {
  if (m_state.fill != color) {
    this->color(color, "rg");
    m_state.fill = color;
  }
  appendPath(path);
  m_out += rule == FillRule::EvenOdd ? "f*\n" : "f\n";
}

void PdfContent::stroke(const VectorPath& path, const StrokeStyle& style) {
  if (m_state.stroke != style.color) {
    color(style.color, "RG");
    m_state.stroke = style.color;
  }
  if (m_state.width != style.width) {
    number(style.width, 3);
    m_out += " w\n";
    m_state.width = style.width;
  }
  if (m_state.cap != style.cap) {
    m_out += style.cap == LineCap::Butt ? "0 J\n" : style.cap == LineCap::Round ? "1 J\n" : "2 J\n";
    m_state.cap = style.cap;
  }
  if (m_state.join != style.join) {
    m_out += style.join == LineJoin::Miter ? "0 j\n" : "1 j\n";
    m_state.join = style.join;
  }
  if (m_state.dash != style.dash) {
    if (style.dash > 0) {
      m_out += '[';
      number(style.dash);
      m_out += "] 0 d\n";
    } else {
      m_out += "[] 0 d\n";
    }
    m_state.dash = style.dash;
  }
  appendPath(path);
  m_out += "S\n";
}

// The page's space is flipped, so the text matrix flips the glyphs back upright.
void PdfContent::text(VecPoint at, std::string_view utf8, const TextStyle& style) {
  const std::string encoded = winAnsiText(utf8);
  if (encoded.empty()) return;
  double x = at.x;
  const double width = helveticaWidth(encoded, style.bold) * style.size;
  if (style.anchor == TextAnchor::Middle) x -= width / 2;
  if (style.anchor == TextAnchor::End) x -= width;
  if (m_state.fill != style.color) {
    color(style.color, "rg");
    m_state.fill = style.color;
  }
  m_out += "BT ";
  m_out += style.bold ? kBoldFont : kRegularFont;
  m_out += ' ';
  number(style.size);
  m_out += " Tf 1 0 0 -1 ";
  number(x);
  m_out += ' ';
  number(at.y);
  m_out += " Tm ";
  m_out += pdfString(encoded);
  m_out += " Tj ET\n";
}

void PdfContent::pushClip(const VectorPath& path, FillRule rule) {
  m_out += "q\n";
  m_saved.push_back(m_state);
  appendPath(path);
  m_out += rule == FillRule::EvenOdd ? "W* n\n" : "W n\n";
}

void PdfContent::popClip() {
  m_out += "Q\n";
  m_state = m_saved.back();
  m_saved.pop_back();
}

void PdfContent::raw(std::string_view operators) {
  m_out += "q\n";
  m_out += operators;
  m_out += "Q\n";
}

PdfCanvas::PdfCanvas(std::string_view title)
    : m_catalog(m_document.reserve()),
      m_pagesId(m_document.reserve()),
      m_info(m_document.reserve()),
      m_regular(m_document.reserve()),
      m_bold(m_document.reserve()),
      m_title(cleanText(title)) {
  m_document.setObject(m_regular,
                       "<</Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding "
                       "/WinAnsiEncoding>>");
  m_document.setObject(m_bold,
                       "<</Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding "
                       "/WinAnsiEncoding>>");
}

void PdfCanvas::beginPage(double width, double height) {
  m_width = width;
  m_height = height;
  // The whole page is drawn in the flipped space.
  std::string flip = "1 0 0 -1 0 ";
  appendDecimal(flip, height, 3);
  flip += " cm\n";
  m_page.emplace(true, flip);
}

void PdfCanvas::endPage() {
  const int content = m_document.reserve();
  m_document.setStream(content, "", m_page->operators());
  const int page = m_document.reserve();
  std::string dictionary =
      "<</Type /Page /Parent " + std::to_string(m_pagesId) + " 0 R /MediaBox [0 0 ";
  appendDecimal(dictionary, m_width, 3);
  dictionary += ' ';
  appendDecimal(dictionary, m_height, 3);
  dictionary += "] /Resources <</Font <<" + std::string(kRegularFont) + ' ' +
                std::to_string(m_regular) + " 0 R " + std::string(kBoldFont) + ' ' +
                std::to_string(m_bold) + " 0 R>>";
  if (m_form != 0) dictionary += " /XObject <</Pic " + std::to_string(m_form) + " 0 R>>";
  dictionary += ">> /Contents " + std::to_string(content) + " 0 R>>";
  m_document.setObject(page, dictionary);
  m_pages.push_back(page);
  m_page.reset();
}

void PdfCanvas::setPicture(Picture paint) {
  m_paint = std::move(paint);
}

void PdfCanvas::placePicture(double scale, VecPoint offset, const Box& clip) {
  if (m_form == 0) {
    PdfContent form(false);
    m_paint(form);
    m_form = m_document.reserve();
    m_document.setStream(m_form,
                         "/Type /XObject /Subtype /Form /BBox [-100000 -100000 100000 100000] "
                         "/Resources <</Font <<" +
                             std::string(kRegularFont) + ' ' + std::to_string(m_regular) + " 0 R " +
                             std::string(kBoldFont) + ' ' + std::to_string(m_bold) + " 0 R>>>>",
                         form.operators());
  }
  std::string place;
  appendDecimal(place, clip.x, 3);
  place += ' ';
  appendDecimal(place, clip.y, 3);
  place += ' ';
  appendDecimal(place, clip.width, 3);
  place += ' ';
  appendDecimal(place, clip.height, 3);
  place += " re W n\n";
  appendDecimal(place, scale, 5);
  place += " 0 0 ";
  appendDecimal(place, scale, 5);
  place += ' ';
  appendDecimal(place, offset.x, 3);
  place += ' ';
  appendDecimal(place, offset.y, 3);
  place += " cm /Pic Do\n";
  m_page->raw(place);
}

std::string PdfCanvas::finish() {
  std::string kids;
  for (const int page : m_pages) kids += std::to_string(page) + " 0 R ";
  m_document.setObject(m_pagesId, "<</Type /Pages /Kids [" + kids + "] /Count " +
                                      std::to_string(m_pages.size()) + ">>");
  m_document.setObject(m_catalog,
                       "<</Type /Catalog /Pages " + std::to_string(m_pagesId) + " 0 R>>");
  m_document.setObject(
      m_info, "<</Title " + pdfTextString(m_title) + " /Producer (Delvora) /Creator (Delvora)>>");
  return m_document.finish(m_catalog, m_info);
}

}  // namespace delvora
