#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace delvora {

struct TileImage;

// The colour of the outline around each swatch.
inline const QColor kSwatchOutline{64, 64, 64};

// A swatch as the strip shows it: the tile's colours inside a one-pixel outline.
QImage swatchImage(const TileImage& tile);

// A colour swatch of the strip. It keeps its colours when the window is disabled (while a print
// runs), where a label would grey its picture out.
class LegendSwatch : public QWidget {
  Q_OBJECT

 public:
  LegendSwatch(QImage image, QWidget* parent = nullptr);
  const QImage& image() const { return m_image; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage m_image;
};

// The 30-pixel strip above the map: "Arch", "Door", "Concealed Door" and "Secret Door", each
// followed by its 25 x 10 colour swatch. It is part of the window, never of the map picture.
class LegendStrip : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 30;

  explicit LegendStrip(QWidget* parent = nullptr);
};

}  // namespace delvora
