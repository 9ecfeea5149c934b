#include "render/png_writer.h"

#include <optional>

#include "render/indexed_image.h"
#include "render/png_encoder.h"
#include "render/scaled_rows.h"

namespace delvora {

namespace {

std::string checkImage(const PngImage& image) {
  if (image.width <= 0 || image.height <= 0) return "the image is empty";
  if (image.level < 1 || image.level > 9) {
    return "no compression level " + std::to_string(image.level);
  }
  if (image.palette != nullptr && (image.palette->empty() || image.palette->size() > 256)) {
    return "the palette holds " + std::to_string(image.palette->size()) + " colours";
  }
  return "";
}

std::string encode(const PngImage& image, const PngByteSink& sink) {
  std::string invalid = checkImage(image);
  if (!invalid.empty()) return invalid;
  std::string error;
  if (encodePngStream(image, sink, error)) return "";
  return error.empty() ? "write failed" : error;
}

// Hands every row asked for to progress first, and all rows once the last is made.
PngRowSource withProgress(PngRowSource rows, const RowProgress& progress, int height) {
  return [rows = std::move(rows), &progress, height](int y) {
    progress(y, height);
    const std::uint8_t* row = rows(y);
    if (y + 1 == height) progress(height, height);
    return row;
  };
}

}  // namespace

std::string encodePng(const Bitmap& bitmap, int pxPerGrid, const PngByteSink& sink,
                      const RowProgress& progress) {
  const bool asDrawn = pxPerGrid == kGridSize;
  const int level = asDrawn ? kDrawnMapLevel : kScaledPictureLevel;
  const std::optional<IndexedImage> indexed = indexColours(bitmap);
  if (indexed && asDrawn) {
    return encode({indexed->width, indexed->height, &indexed->palette,
                   [&indexed](int y) { return indexed->row(y); }, level},
                  sink);
  }
  std::optional<ScaledRows> scaled;
  if (indexed) {
    scaled.emplace(*indexed, pxPerGrid);
  } else {
    scaled.emplace(bitmap, pxPerGrid);
  }
  PngRowSource rows = [&scaled](int y) { return scaled->row(y); };
  if (progress && !asDrawn) rows = withProgress(std::move(rows), progress, scaled->height());
  const std::vector<Rgb>* palette = indexed ? &indexed->palette : nullptr;
  return encode({scaled->width(), scaled->height(), palette, std::move(rows), level}, sink);
}

std::vector<std::uint8_t> pngBytes(const Bitmap& bitmap, int pxPerGrid) {
  std::vector<std::uint8_t> png;
  const std::string error =
      encodePng(bitmap, pxPerGrid, [&png](const std::uint8_t* data, std::size_t size) {
        png.insert(png.end(), data, data + size);
        return true;
      });
  if (!error.empty()) png.clear();
  return png;
}

}  // namespace delvora
