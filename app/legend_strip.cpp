#include "app/legend_strip.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <array>

#include "render/tiles.h"

namespace delvora {
namespace {

// Positions at the design resolution of 120 pixels per inch.
constexpr double kDesignDpi = 120.0;
constexpr std::array<int, kLegendItemCount> kCaptionX = {204, 284, 373, 533};
constexpr std::array<int, kLegendItemCount> kSwatchX = {236, 316, 476, 613};
constexpr int kSwatchY = 2;
constexpr int kGap = 4;

QPixmap swatchPixmap(const TileImage& tile) {
  QImage image(tile.width, tile.height, QImage::Format_RGB888);
  for (int y = 0; y < tile.height; ++y) {
    std::copy_n(tile.row(y), static_cast<std::size_t>(tile.width) * 3, image.scanLine(y));
  }
  return QPixmap::fromImage(image);
}

}  // namespace

LegendStrip::LegendStrip(QWidget* parent) : QWidget(parent) {
  const double scale = logicalDpiX() / kDesignDpi;
  int nextFree = 0;
  for (int i = 0; i < kLegendItemCount; ++i) {
    const auto item = static_cast<LegendItem>(i);
    auto* caption = new QLabel(QString::fromLatin1(legendCaption(item)), this);
    caption->adjustSize();
    // Keep the design positions, but never let a wider desktop font overlap a swatch.
    const int captionX = std::max(static_cast<int>(kCaptionX[i] * scale), nextFree);
    caption->move(captionX, 0);
    auto* swatch = new QLabel(this);
    swatch->setPixmap(swatchPixmap(legendSwatch(item)));
    swatch->setFixedSize(swatch->pixmap().size());
    const int swatchX =
        std::max(static_cast<int>(kSwatchX[i] * scale), captionX + caption->width() + kGap);
    swatch->move(swatchX, kSwatchY);
    nextFree = swatchX + swatch->width() + 2 * kGap;
  }
  setFixedHeight(kHeight);
  setMinimumWidth(nextFree);
}

}  // namespace delvora
