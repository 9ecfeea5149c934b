#include "print/rejig_pallete.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace delvora {

namespace {

constexpr int kJpegQuality = 95;

// libjpeg reports errors through error_exit, which must not return. It jumps back to the
// setjmp of the call in progress with the message kept here. The functions between setjmp and
// the jump hold only trivially destructible locals, so skipping their frames is safe.
struct JumpErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void jumpOnError(j_common_ptr info) {
  auto* manager = reinterpret_cast<JumpErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->jump, 1);
}

// Warnings (corrupt data that libjpeg recovers from) are not failures; stay quiet.
void ignoreMessage(j_common_ptr /*info*/, int /*level*/) {}

void installErrorManager(JumpErrorManager& manager) {
  jpeg_std_error(&manager.base);
  manager.base.error_exit = jumpOnError;
  manager.base.emit_message = ignoreMessage;
  manager.message[0] = '\0';
}

// Encodes picture into a buffer that libjpeg allocates with malloc; *jpeg is freed by the caller
// also on failure. Returns false with manager.message set on failure.
bool compressJpeg(const Bitmap& picture, JumpErrorManager& manager, unsigned char** jpeg,
                  unsigned long* size) {
  jpeg_compress_struct info;
  std::memset(&info, 0, sizeof info);
  installErrorManager(manager);
  info.err = &manager.base;
  if (setjmp(manager.jump) != 0) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, jpeg, size);
  info.image_width = static_cast<JDIMENSION>(picture.width());
  info.image_height = static_cast<JDIMENSION>(picture.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, kJpegQuality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    // libjpeg's API takes non-const rows but only reads them.
    JSAMPROW row = const_cast<JSAMPROW>(picture.row(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

// Decodes the JPEG into image, whose storage is sized before decoding starts so that nothing is
// allocated by us between setjmp and a possible jump.
bool decompressQuantized(const unsigned char* jpeg, unsigned long size, int width, int height,
                         JumpErrorManager& manager, IndexedImage& image) {
  jpeg_decompress_struct info;
  std::memset(&info, 0, sizeof info);
  installErrorManager(manager);
  info.err = &manager.base;
  image.width = width;
  image.height = height;
  image.indices.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  image.palette.reserve(256);
  std::uint8_t* const indices = image.indices.data();
  std::vector<Rgb>& palette = image.palette;
  if (setjmp(manager.jump) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, jpeg, size);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  info.quantize_colors = TRUE;
  info.desired_number_of_colors = kPrintPaletteColors;
  info.two_pass_quantize = TRUE;
  info.dither_mode = JDITHER_FS;
  info.do_block_smoothing = TRUE;
  info.scale_num = 1;
  info.scale_denom = 1;
  jpeg_start_decompress(&info);
  if (info.output_width != static_cast<JDIMENSION>(width) ||
      info.output_height != static_cast<JDIMENSION>(height) || info.out_color_components != 3) {
    std::snprintf(manager.message, sizeof manager.message, "Unexpected JPEG output format");
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = indices + static_cast<std::size_t>(info.output_scanline) * info.output_width;
    jpeg_read_scanlines(&info, &row, 1);
  }
  // The palette vector has room for 256 entries, so these appends do not allocate.
  for (int i = 0; i < info.actual_number_of_colors; ++i) {
    palette.push_back({info.colormap[0][i], info.colormap[1][i], info.colormap[2][i]});
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

PaletteResult ReJigPallete(const Bitmap& picture) {
  PaletteResult result;
  JumpErrorManager manager;
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  const bool encoded = compressJpeg(picture, manager, &jpeg, &size);
  if (encoded) {
    if (!decompressQuantized(jpeg, size, picture.width(), picture.height(), manager,
                             result.image)) {
      result.image = {};
      result.error = manager.message;
    }
  } else {
    result.error = manager.message;
  }
  std::free(jpeg);
  if (!result.ok() && result.error.empty()) result.error = "JPEG error";
  return result;
}

}  // namespace delvora
