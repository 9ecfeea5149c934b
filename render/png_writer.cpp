#include "render/png_writer.h"

#include "files/atomic_file.h"
#include "render/png_encoder.h"

namespace delvora {

namespace {

std::string checkImage(const PngImage& image) {
  if (image.width <= 0 || image.height <= 0) return "the image is empty";
  if (image.level < 1 || image.level > 9)
    return "no compression level " + std::to_string(image.level);
  if (image.palette != nullptr && (image.palette->empty() || image.palette->size() > 256)) {
    return "the palette holds " + std::to_string(image.palette->size()) + " colours";
  }
  return "";
}

std::string failure(const std::string& path, const std::string& reason) {
  return "Cannot write PNG file " + path + ": " + reason;
}

}  // namespace

std::string writePngImage(const PngImage& image, const std::string& path) {
  const std::string invalid = checkImage(image);
  if (!invalid.empty()) return failure(path, invalid);
  // Unsynced: the sync took longer than the whole encoding (bench/, BM_WritePng), and a picture
  // lost to a system crash is made again from its seed.
  AtomicFileWriter file(path, Durability::Unsynced);
  if (!file.open()) return failure(path, file.error());
  std::string error;
  const bool encoded = encodePngStream(
      image, [&file](const std::uint8_t* data, std::size_t size) { return file.write(data, size); },
      error);
  if (!encoded) return failure(path, error.empty() ? file.error() : error);
  if (!file.commit()) return failure(path, file.error());
  return "";
}

std::string encodePngImage(const PngImage& image, std::vector<std::uint8_t>& png) {
  png.clear();
  const std::string invalid = checkImage(image);
  if (!invalid.empty()) return "Cannot encode PNG: " + invalid;
  std::string error;
  const bool encoded = encodePngStream(
      image,
      [&png](const std::uint8_t* data, std::size_t size) {
        png.insert(png.end(), data, data + size);
        return true;
      },
      error);
  if (!encoded) {
    png.clear();
    return "Cannot encode PNG: " + error;
  }
  return "";
}

std::string writePngRows(int width, int height, const PngRowSource& rows, const std::string& path) {
  return writePngImage({width, height, nullptr, rows, kDrawnMapLevel}, path);
}

std::string encodePngRows(int width, int height, const PngRowSource& rows,
                          std::vector<std::uint8_t>& png) {
  return encodePngImage({width, height, nullptr, rows, kDrawnMapLevel}, png);
}

std::string writePng(const Bitmap& bitmap, const std::string& path) {
  const std::optional<IndexedImage> indexed = indexColours(bitmap);
  if (!indexed) {
    return writePngRows(
        bitmap.width(), bitmap.height(), [&bitmap](int y) { return bitmap.row(y); }, path);
  }
  return writePngImage({indexed->width, indexed->height, &indexed->palette,
                        [&indexed](int y) { return indexed->row(y); }, kDrawnMapLevel},
                       path);
}

}  // namespace delvora
