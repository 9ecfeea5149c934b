#pragma once

#include <QImage>
#include <QPainter>

#include "print/print_device.h"

namespace delvora {

// The tiled image printer's device on a QPainter (a printer or a PDF writer). Images are drawn
// without smoothing, so every DIB pixel becomes a sharp block.
class QtPrintDevice final : public PrintDevice {
 public:
  explicit QtPrintDevice(QPainter& painter) : m_painter(painter) {}

  int stretchDib(const DeviceRect& dest, const DeviceRect& clip, const DibView& dib) override;
  bool copyDeviceBitmap(const DeviceRect& dest, const DeviceRect& clip,
                        const DibView& dib) override;
  // QPainter sends its drawing at page ends; there is nothing to flush between tiles.
  void flush() override {}
  bool largeBitmaps() const override { return true; }
  // The primary screen's size, or 1024 x 768 without a screen.
  int screenWidth() const override;
  int screenHeight() const override;

 private:
  QPainter& m_painter;
};

// The DIB as a top-down QImage: palette formats as Indexed8, others as RGB32. A null image when
// the header is not an uncompressed or bit-field information header or the pixels are short.
QImage dibToImage(const DibView& dib);

}  // namespace delvora
