#include "render/png_writer.h"

#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"

namespace delvora {
namespace {

namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards.
class PngWriter : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return m_dir.file(name); }
  std::vector<std::string> files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_dir.path())) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  testing::ScratchDir m_dir;
};

Bitmap pattern(int width, int height) {
  Bitmap bitmap(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bitmap.setPixel(x, y,
                      {static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 13),
                       static_cast<std::uint8_t>((x + y) * 3)});
    }
  }
  return bitmap;
}

// Reads an 8-bit RGB PNG back; an empty bitmap when it is anything else.
Bitmap readPng(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
  if (image.format != PNG_FORMAT_RGB) {
    png_image_free(&image);
    return {};
  }
  Bitmap bitmap(static_cast<int>(image.width), static_cast<int>(image.height));
  if (!png_image_finish_read(&image, nullptr, bitmap.row(0), 0, nullptr)) return {};
  return bitmap;
}

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(PngWriter, RoundTripIsExactRgb) {
  for (const auto& [width, height] : {std::pair{1, 1}, {37, 23}, {640, 480}}) {
    const Bitmap bitmap = pattern(width, height);
    ASSERT_EQ(writePng(bitmap, path("map.png")), "") << width << "x" << height;
    EXPECT_EQ(readPng(path("map.png")), bitmap) << width << "x" << height;
  }
  EXPECT_EQ(files(), std::vector<std::string>{"map.png"});
}

TEST_F(PngWriter, RowsAreAskedForInOrder) {
  const Bitmap bitmap = pattern(9, 6);
  std::vector<int> asked;
  const std::string error = writePngRows(
      9, 6,
      [&](int y) {
        asked.push_back(y);
        return bitmap.row(y);
      },
      path("rows.png"));
  EXPECT_EQ(error, "");
  EXPECT_EQ(asked, (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(readPng(path("rows.png")), bitmap);
}

TEST_F(PngWriter, FailuresNameTheFileAndKeepTheOldOne) {
  { std::ofstream(path("old.png")) << "previous"; }
  const std::string empty = writePng(Bitmap(), path("old.png"));
  EXPECT_NE(empty.find(path("old.png")), std::string::npos) << empty;
  EXPECT_EQ(contents(path("old.png")), "previous");

  const std::string missing = writePng(pattern(4, 4), path("no/such/dir/map.png"));
  EXPECT_NE(missing.find("no/such/dir/map.png"), std::string::npos) << missing;

  // Renaming over a folder fails after the image is written; the temporary file goes.
  fs::create_directory(path("taken.png"));
  fs::create_directory(path("taken.png/inside"));
  const std::string taken = writePng(pattern(4, 4), path("taken.png"));
  EXPECT_NE(taken.find(path("taken.png")), std::string::npos) << taken;
  EXPECT_TRUE(fs::is_directory(path("taken.png")));
  EXPECT_EQ(files().size(), 2u);
}

}  // namespace
}  // namespace delvora
