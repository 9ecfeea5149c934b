#include "print/qt/qt_page_canvas.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include "print/qt/printer_setup.h"

namespace delvora {

namespace {

// Text is set at this many pixels and scaled to its size: QFont takes whole pixel sizes.
constexpr int kTextPixels = 100;

QPainterPath painterPath(const VectorPath& path, FillRule rule) {
  QPainterPath out;
  out.setFillRule(rule == FillRule::EvenOdd ? Qt::OddEvenFill : Qt::WindingFill);
  const std::vector<VecPoint>& points = path.points();
  std::size_t p = 0;
  const auto next = [&] {
    const VecPoint& at = points[p++];
    return QPointF(at.x, at.y);
  };
  for (const VectorPath::Op op : path.ops()) {
    switch (op) {
      case VectorPath::Op::Move:
        out.moveTo(next());
        break;
      case VectorPath::Op::Line:
        out.lineTo(next());
        break;
      case VectorPath::Op::Cubic: {
        const QPointF c1 = next();
        const QPointF c2 = next();
        out.cubicTo(c1, c2, next());
        break;
      }
      case VectorPath::Op::Close:
        out.closeSubpath();
        break;
    }
  }
  return out;
}

QColor qColor(Rgb color) {
  return QColor(color.r, color.g, color.b);
}

}  // namespace

void QtPageCanvas::beginPage(double, double) {
  if (m_started) m_printer.newPage();
  m_started = true;
  const double dotsPerPoint = m_printer.resolution() / 72.0;
  m_painter.resetTransform();
  m_painter.scale(dotsPerPoint, dotsPerPoint);
  m_painter.setRenderHint(QPainter::Antialiasing);
}

void QtPageCanvas::placePicture(double scale, VecPoint offset, const Box& clip) {
  m_painter.save();
  m_painter.setClipRect(QRectF(clip.x, clip.y, clip.width, clip.height), Qt::IntersectClip);
  m_painter.translate(offset.x, offset.y);
  m_painter.scale(scale, scale);
  m_paint(*this);
  m_painter.restore();
}

void QtPageCanvas::fill(const VectorPath& path, Rgb color, FillRule rule) {
  m_painter.fillPath(painterPath(path, rule), qColor(color));
}

void QtPageCanvas::stroke(const VectorPath& path, const StrokeStyle& style) {
  QPen pen(qColor(style.color), style.width);
  pen.setCapStyle(style.cap == LineCap::Round    ? Qt::RoundCap
                  : style.cap == LineCap::Square ? Qt::SquareCap
                                                 : Qt::FlatCap);
  pen.setJoinStyle(style.join == LineJoin::Round ? Qt::RoundJoin : Qt::MiterJoin);
  if (style.dash > 0) pen.setDashPattern({style.dash / style.width, style.dash / style.width});
  m_painter.strokePath(painterPath(path, FillRule::NonZero), pen);
}

void QtPageCanvas::text(VecPoint at, std::string_view utf8, const TextStyle& style) {
  QFont font = printerFont(10);
  font.setPixelSize(kTextPixels);
  font.setBold(style.bold);
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  const double scale = style.size / kTextPixels;
  const double width = QFontMetricsF(font).horizontalAdvance(text) * scale;
  double x = at.x;
  if (style.anchor == TextAnchor::Middle) x -= width / 2;
  if (style.anchor == TextAnchor::End) x -= width;
  m_painter.save();
  m_painter.translate(x, at.y);
  m_painter.scale(scale, scale);
  m_painter.setFont(font);
  m_painter.setPen(qColor(style.color));
  m_painter.drawText(QPointF(0, 0), text);
  m_painter.restore();
}

void QtPageCanvas::pushClip(const VectorPath& path, FillRule rule) {
  m_painter.save();
  m_painter.setClipPath(painterPath(path, rule), Qt::IntersectClip);
}

}  // namespace delvora
