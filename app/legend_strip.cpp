#include "app/legend_strip.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <array>

#include "app/design_layout.h"
#include "render/tiles.h"

namespace delvora {
namespace {

// Positions in design pixels (DesignLayout).
constexpr std::array<int, kLegendItemCount> kCaptionX = {204, 284, 373, 533};
constexpr std::array<int, kLegendItemCount> kSwatchX = {236, 316, 476, 613};
constexpr int kSwatchY = 2;
constexpr int kGap = 4;

}  // namespace

QImage swatchImage(const TileImage& tile) {
  // A one-pixel outline around the colour, so that the white arch swatch stands out.
  QImage image(tile.width + 2, tile.height + 2, QImage::Format_RGB888);
  image.fill(kSwatchOutline);
  for (int y = 0; y < tile.height; ++y) {
    std::copy_n(tile.row(y), static_cast<std::size_t>(tile.width) * 3, image.scanLine(y + 1) + 3);
  }
  return image;
}

LegendSwatch::LegendSwatch(QImage image, QWidget* parent)
    : QWidget(parent), m_image(std::move(image)) {
  setFixedSize(m_image.size());
}

void LegendSwatch::paintEvent(QPaintEvent* /*event*/) {
  QPainter(this).drawImage(0, 0, m_image);
}

LegendStrip::LegendStrip(QWidget* parent) : QWidget(parent) {
  const double scale = DesignLayout(*this).scale();
  int nextFree = 0;
  for (int i = 0; i < kLegendItemCount; ++i) {
    const auto item = static_cast<LegendItem>(i);
    auto* caption = new QLabel(QString::fromLatin1(legendCaption(item)), this);
    caption->adjustSize();
    // Keep the design positions, but never let a wider desktop font overlap a swatch.
    const int captionX = std::max(static_cast<int>(kCaptionX[i] * scale), nextFree);
    caption->move(captionX, 0);
    auto* swatch = new LegendSwatch(swatchImage(legendSwatch(item)), this);
    const int swatchX =
        std::max(static_cast<int>(kSwatchX[i] * scale), captionX + caption->width() + kGap);
    // The colour stands at the design position, the outline around it.
    swatch->move(swatchX - 1, kSwatchY - 1);
    nextFree = swatchX + swatch->width() + 2 * kGap;
  }
  setFixedHeight(kHeight);
  setMinimumWidth(nextFree);
}

}  // namespace delvora
