#include "print/qt/qt_print_device.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <bit>
#include <cstddef>

#include "print/dib.h"
#include "print/dib_pixels.h"

namespace delvora {

namespace {

constexpr QSize kNoScreenSize{1024, 768};

QSize screenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->size() : kNoScreenSize;
}

// A channel of a 16- or 32-bit pixel scaled to 8 bits.
int channel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const std::uint32_t max = mask >> shift;
  return static_cast<int>(((pixel & mask) >> shift) * 255u / max);
}

struct Masks {
  std::uint32_t red, green, blue;
};

Masks masksOf(const DibView& dib, const DibHeaderInfo& info) {
  if (info.compression == static_cast<std::uint32_t>(DibCompression::BitFields)) {
    return {readU32(dib.header, kInfoHeaderSize), readU32(dib.header, kInfoHeaderSize + 4),
            readU32(dib.header, kInfoHeaderSize + 8)};
  }
  if (info.bitsPerPixel == 16) return {0x7C00u, 0x03E0u, 0x001Fu};
  return {0xFF0000u, 0x00FF00u, 0x0000FFu};
}

void fillRow(const DibView& dib, const DibHeaderInfo& info, const std::uint8_t* src, QImage& image,
             int y) {
  uchar* out = image.scanLine(y);
  const int bits = info.bitsPerPixel;
  if (bits <= 8) {
    for (int x = 0; x < info.width; ++x) out[x] = static_cast<uchar>(dibPixel(src, x, bits));
    return;
  }
  auto* rgb = reinterpret_cast<QRgb*>(out);
  if (bits == 24) {
    for (std::ptrdiff_t x = 0; x < info.width; ++x) {
      rgb[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
    }
    return;
  }
  const Masks masks = masksOf(dib, info);
  for (int x = 0; x < info.width; ++x) {
    const std::uint32_t pixel = dibPixel(src, x, bits);
    rgb[x] =
        qRgb(channel(pixel, masks.red), channel(pixel, masks.green), channel(pixel, masks.blue));
  }
}

}  // namespace

QImage dibToImage(const DibView& dib) {
  const std::optional<DibHeaderInfo> info = readDibHeader(dib.header);
  if (!info || info->headerSize != kInfoHeaderSize || info->width <= 0 || info->height == 0) {
    return {};
  }
  const auto compression = static_cast<DibCompression>(info->compression);
  if (compression != DibCompression::Rgb && compression != DibCompression::BitFields) return {};
  const int height = std::abs(info->height);
  const std::size_t rowBytes = dibRowBytes(info->width, info->bitsPerPixel);
  if (dib.pixels.size() < rowBytes * static_cast<std::size_t>(height)) return {};
  const bool indexed = info->bitsPerPixel <= 8;
  QImage image(info->width, height, indexed ? QImage::Format_Indexed8 : QImage::Format_RGB32);
  if (image.isNull()) return {};
  if (indexed) {
    const std::size_t entries = colorTableEntries(*info);
    if (dib.header.size() < kInfoHeaderSize + 4 * entries) return {};
    QList<QRgb> table;
    for (std::size_t i = 0; i < entries; ++i) {
      const std::uint8_t* quad = dib.header.data() + kInfoHeaderSize + 4 * i;
      table.push_back(qRgb(quad[2], quad[1], quad[0]));
    }
    // Indexes past the table would read outside it; pad with black.
    while (table.size() < (1 << info->bitsPerPixel)) table.push_back(qRgb(0, 0, 0));
    image.setColorTable(table);
  }
  for (int y = 0; y < height; ++y) {
    const int stored = info->height > 0 ? height - 1 - y : y;
    fillRow(dib, *info, dib.pixels.data() + rowBytes * static_cast<std::size_t>(stored), image, y);
  }
  return image;
}

int QtPrintDevice::stretchDib(const DeviceRect& dest, const DeviceRect& clip, const DibView& dib) {
  const QImage image = dibToImage(dib);
  if (image.isNull()) return 0;
  m_painter.save();
  m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  m_painter.setRenderHint(QPainter::LosslessImageRendering, true);
  m_painter.setClipRect(QRect(clip.x, clip.y, clip.width, clip.height), Qt::IntersectClip);
  m_painter.drawImage(QRect(dest.x, dest.y, dest.width, dest.height), image);
  m_painter.restore();
  return image.height();
}

bool QtPrintDevice::copyDeviceBitmap(const DeviceRect& dest, const DeviceRect& clip,
                                     const DibView& dib) {
  const QPixmap pixmap = QPixmap::fromImage(dibToImage(dib));
  if (pixmap.isNull()) return false;
  m_painter.save();
  m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  m_painter.setRenderHint(QPainter::LosslessImageRendering, true);
  m_painter.setClipRect(QRect(clip.x, clip.y, clip.width, clip.height), Qt::IntersectClip);
  m_painter.drawPixmap(QRect(dest.x, dest.y, dest.width, dest.height), pixmap);
  m_painter.restore();
  return true;
}

int QtPrintDevice::screenWidth() const {
  return screenSize().width();
}

int QtPrintDevice::screenHeight() const {
  return screenSize().height();
}

}  // namespace delvora
