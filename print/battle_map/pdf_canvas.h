#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "print/battle_map/page_canvas.h"
#include "print/battle_map/pdf_document.h"

namespace delvora {

// PDF page content: drawing calls as the operators of a content stream, in coordinates with y
// downward (the page flips its space once). Colours, widths and dashes are set only when they
// change; a clip saves the state and popClip restores it.
class PdfContent final : public VectorSurface {
 public:
  // knownDefaults: the stream starts in the PDF's default state (a page); a form starts in
  // whatever state it is placed in. start: operators the stream begins with.
  explicit PdfContent(bool knownDefaults, std::string_view start = "");

  void beginLayer(std::string_view) override {}
  void endLayer() override {}
  void fill(const VectorPath& path, Rgb color, FillRule rule) override;
  void stroke(const VectorPath& path, const StrokeStyle& style) override;
  void text(VecPoint at, std::string_view utf8, const TextStyle& style) override;
  void pushClip(const VectorPath& path, FillRule rule) override;
  void popClip() override;

  // Operators written as they are, between a save and a restore of the state.
  void raw(std::string_view operators);
  const std::string& operators() const { return m_out; }

 private:
  struct State {
    std::optional<Rgb> fill;
    std::optional<Rgb> stroke;
    std::optional<double> width;
    std::optional<LineCap> cap;
    std::optional<LineJoin> join;
    std::optional<double> dash;
  };

  void appendPath(const VectorPath& path);
  void number(double value, int decimals = 2);
  void color(Rgb color, const char* op);

  std::string m_out;
  State m_state;
  std::vector<State> m_saved;
};

// A PDF of pages drawn as vectors: text in the standard Helvetica (no font embedded), the
// picture once as a form that every placement shows. The file's bytes come from finish;
// nothing in them depends on the time, so the same drawing gives the same file.
class PdfCanvas final : public PageCanvas {
 public:
  explicit PdfCanvas(std::string_view title);

  void beginPage(double width, double height) override;
  void endPage() override;
  void setPicture(Picture paint) override;
  void placePicture(double scale, VecPoint offset, const Box& clip) override;

  void beginLayer(std::string_view name) override { m_page->beginLayer(name); }
  void endLayer() override { m_page->endLayer(); }
  void fill(const VectorPath& path, Rgb color, FillRule rule) override {
    m_page->fill(path, color, rule);
  }
  void stroke(const VectorPath& path, const StrokeStyle& style) override {
    m_page->stroke(path, style);
  }
  void text(VecPoint at, std::string_view utf8, const TextStyle& style) override {
    m_page->text(at, utf8, style);
  }
  void pushClip(const VectorPath& path, FillRule rule) override { m_page->pushClip(path, rule); }
  void popClip() override { m_page->popClip(); }

  int pageCount() const { return static_cast<int>(m_pages.size()); }
  std::string finish();

 private:
  PdfDocument m_document;
  int m_catalog;
  int m_pagesId;
  int m_info;
  int m_regular;
  int m_bold;
  std::string m_title;
  Picture m_paint;
  // The picture's form, made when first placed.
  int m_form = 0;
  std::vector<int> m_pages;
  std::optional<PdfContent> m_page;
  double m_width = 0;
  double m_height = 0;
};

}  // namespace delvora
