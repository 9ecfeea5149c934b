#include "render/png_writer.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <exception>
#include <vector>

#include "files/atomic_file.h"

namespace delvora {

namespace {

// libpng reports errors by longjmp; the message is kept here for the caller.
struct PngErrorState {
  char message[256] = "";
};

void onPngError(png_structp png, png_const_charp message) {
  auto* state = static_cast<PngErrorState*>(png_get_error_ptr(png));
  std::snprintf(state->message, sizeof state->message, "%s", message);
  png_longjmp(png, 1);
}

void onPngWarning(png_structp, png_const_charp) {}

// libpng's write callback for a memory sink. A failed append becomes a libpng error, which
// longjmps; nothing with a destructor is alive in this frame by then.
void appendToMemory(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  bool appended = true;
  try {
    out->insert(out->end(), data, data + length);
  } catch (const std::exception&) {
    appended = false;
  }
  if (!appended) png_error(png, "out of memory");
}

// libpng's write callback for a file; a failed write becomes a libpng error.
void appendToFile(png_structp png, png_bytep data, png_size_t length) {
  auto* file = static_cast<AtomicFileWriter*>(png_get_io_ptr(png));
  if (!file->write(data, length)) png_error(png, file->error().c_str());
}

void flushNothing(png_structp) {}

// Where the encoded bytes go: a file, or else the end of a byte vector.
struct PngSink {
  AtomicFileWriter* file = nullptr;
  std::vector<std::uint8_t>* memory = nullptr;
};

// Holds no object with a destructor between setjmp and the last libpng call, so the longjmp
// out of libpng skips nothing. Returns false with state.message set on failure.
bool encodeRows(const PngSink& sink, int width, int height, const PngRowSource& rows,
                PngErrorState& state) {
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, onPngError, onPngWarning);
  if (png == nullptr) {
    std::snprintf(state.message, sizeof state.message, "out of memory");
    return false;
  }
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    std::snprintf(state.message, sizeof state.message, "out of memory");
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  if (sink.file != nullptr) {
    png_set_write_fn(png, sink.file, appendToFile, flushNothing);
  } else {
    png_set_write_fn(png, sink.memory, appendToMemory, flushNothing);
  }
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) png_write_row(png, rows(y));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

std::string failure(const std::string& path, const std::string& reason) {
  return "Cannot write PNG file " + path + ": " + reason;
}

}  // namespace

std::string writePngRows(int width, int height, const PngRowSource& rows, const std::string& path) {
  if (width <= 0 || height <= 0) return failure(path, "the image is empty");
  AtomicFileWriter file(path);
  if (!file.open()) return failure(path, file.error());
  PngErrorState state;
  if (!encodeRows(PngSink{&file, nullptr}, width, height, rows, state)) {
    return failure(path, state.message);
  }
  if (!file.commit()) return failure(path, file.error());
  return "";
}

std::string encodePngRows(int width, int height, const PngRowSource& rows,
                          std::vector<std::uint8_t>& png) {
  png.clear();
  if (width <= 0 || height <= 0) return "Cannot encode PNG: the image is empty";
  PngErrorState state;
  if (!encodeRows(PngSink{nullptr, &png}, width, height, rows, state)) {
    png.clear();
    return std::string("Cannot encode PNG: ") + state.message;
  }
  return "";
}

std::string writePng(const Bitmap& bitmap, const std::string& path) {
  return writePngRows(
      bitmap.width(), bitmap.height(), [&bitmap](int y) { return bitmap.row(y); }, path);
}

}  // namespace delvora
