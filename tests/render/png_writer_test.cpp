#include "render/png_writer.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "render/indexed_image.h"
#include "render/png_encoder.h"

namespace delvora {
namespace {

// The PNG of a picture as drawn, as a string of bytes.
std::string encoded(const Bitmap& bitmap) {
  const std::vector<std::uint8_t> png = pngBytes(bitmap);
  return {png.begin(), png.end()};
}

// Encodes through the encoder itself; "" when it failed.
std::string encodedImage(const PngImage& image) {
  std::string png;
  std::string error;
  const bool ok = encodePngStream(
      image,
      [&png](const std::uint8_t* data, std::size_t size) {
        png.append(reinterpret_cast<const char*>(data), size);
        return true;
      },
      error);
  return ok ? png : "";
}

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

// Reads a PNG back as the RGB a reader sees; an empty bitmap when it cannot be read.
Bitmap readPng(const std::string& png) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return {};
  image.format = PNG_FORMAT_RGB;
  Bitmap bitmap(static_cast<int>(image.width), static_cast<int>(image.height));
  if (!png_image_finish_read(&image, nullptr, bitmap.row(0), 0, nullptr)) return {};
  return bitmap;
}

std::uint32_t bigEndian(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) << 24 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8 |
         static_cast<unsigned char>(bytes[at + 3]);
}

// The chunks of a PNG file by type, data concatenated (IDAT), with every CRC checked.
std::map<std::string, std::string> chunks(const std::string& png) {
  std::map<std::string, std::string> found;
  for (std::size_t at = 8; at + 12 <= png.size();) {
    const std::uint32_t length = bigEndian(png, at);
    const std::string type = png.substr(at + 4, 4);
    const std::string data = png.substr(at + 8, length);
    const auto crc = static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(png.data() + at + 4), length + 4));
    EXPECT_EQ(crc, bigEndian(png, at + 8 + length)) << type;
    found[type] += data;
    at += 12 + length;
  }
  return found;
}

// A picture of the given colours, mostly each row the one above with a few pixels changed, as a
// map is: whole rows and 16-pixel runs repeat, others differ in a single pixel.
Bitmap fewColours(int width, int height, int colours) {
  Bitmap bitmap(width, height);
  std::uint32_t state = 7;
  const auto next = [&](int n) {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(n));
  };
  const auto colour = [](int i) {
    return Rgb{static_cast<std::uint8_t>(i % 256), static_cast<std::uint8_t>(i / 256), 7};
  };
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool copy = y > 0 && next(8) != 0;
      bitmap.setPixel(x, y, copy ? bitmap.pixel(x, y - 1) : colour(next(colours)));
    }
  }
  // Every colour at least once.
  for (int i = 0; i < colours; ++i) bitmap.setPixel(i % width, i / width, colour(i));
  return bitmap;
}

TEST(PngWriter, RoundTripIsExactRgb) {
  for (const auto& [width, height] : {std::pair{1, 1}, {37, 23}, {640, 480}}) {
    const Bitmap bitmap = pattern(width, height);
    EXPECT_EQ(readPng(encoded(bitmap)), bitmap) << width << "x" << height;
  }
  EXPECT_TRUE(pngBytes(Bitmap()).empty());
}

TEST(PngWriter, AtMost256ColoursMakeAPalettePictureMoreMakeRgb) {
  const struct {
    Bitmap bitmap;
    int colourType;
    std::size_t paletteBytes;
  } cases[] = {{fewColours(37, 23, 5), 3, 15},
               {fewColours(300, 200, 256), 3, 768},
               {fewColours(300, 200, 257), 2, 0},
               {Bitmap(1, 1), 3, 3},
               {pattern(640, 480), 2, 0}};
  for (const auto& c : cases) {
    const std::string png = encoded(c.bitmap);
    EXPECT_EQ(static_cast<int>(png[25]), c.colourType) << c.bitmap.width();
    const auto found = chunks(png);
    EXPECT_EQ(found.count("PLTE") == 0 ? 0 : found.at("PLTE").size(), c.paletteBytes);
    EXPECT_EQ(readPng(png), c.bitmap) << c.bitmap.width();
    // The data is one zlib stream whose own check (Adler-32) zlib verifies on inflating.
    const std::string& data = found.at("IDAT");
    const std::size_t rowBytes =
        static_cast<std::size_t>(c.bitmap.width()) * (c.colourType == 3 ? 1 : 3);
    std::vector<Bytef> rows((rowBytes + 1) * static_cast<std::size_t>(c.bitmap.height()));
    uLongf length = rows.size();
    EXPECT_EQ(
        uncompress(rows.data(), &length, reinterpret_cast<const Bytef*>(data.data()), data.size()),
        Z_OK);
    EXPECT_EQ(length, rows.size());
  }
}

TEST(IndexedImage, ColoursInOrderOfFirstAppearance) {
  Bitmap bitmap(20, 3, colors::kRock);
  bitmap.setPixel(19, 0, colors::kBlack);
  bitmap.setPixel(0, 1, colors::kRed);
  bitmap.setPixel(17, 2, colors::kBlack);
  const auto indexed = indexColours(bitmap);
  ASSERT_TRUE(indexed);
  EXPECT_EQ(indexed->palette, (std::vector<Rgb>{colors::kRock, colors::kBlack, colors::kRed}));
  EXPECT_EQ(indexed->row(0)[19], 1);
  EXPECT_EQ(indexed->row(1)[0], 2);
  EXPECT_EQ(indexed->row(1)[19], 0);
  EXPECT_EQ(indexed->row(2)[17], 1);
  EXPECT_EQ(indexed->row(2)[16], 0);
  EXPECT_FALSE(indexColours(fewColours(40, 40, 257)));
  EXPECT_TRUE(indexColours(Bitmap())->palette.empty());
}

TEST(Adler32, MatchesZlibAcrossItsBlocks) {
  std::vector<std::uint8_t> bytes(100000);
  std::uint32_t state = 3;
  for (std::uint8_t& byte : bytes) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<std::uint8_t>(state >> 16);
  }
  for (const std::size_t size : {0, 1, 15, 16, 17, 5551, 5552, 5553, 11104, 100000}) {
    Adler32 adler;
    // In two pieces, as the rows come.
    adler.update(bytes.data(), size / 3);
    adler.update(bytes.data() + size / 3, size - size / 3);
    EXPECT_EQ(adler.value(), adler32(adler32(0, nullptr, 0), bytes.data(), static_cast<uInt>(size)))
        << size;
  }
  std::vector<std::uint8_t> ones(20000, 0xff);
  Adler32 worst;
  worst.update(ones.data(), ones.size());
  EXPECT_EQ(worst.value(), adler32(1, ones.data(), static_cast<uInt>(ones.size())));
}

TEST(PngWriter, EveryLevelGivesTheSameRgb) {
  const Bitmap bitmap = fewColours(70, 40, 12);
  const auto indexed = indexColours(bitmap);
  ASSERT_TRUE(indexed);
  for (const int level : {1, kDrawnMapLevel, kScaledPictureLevel, 9}) {
    const PngImage image{indexed->width, indexed->height, &indexed->palette,
                         [&](int y) { return indexed->row(y); }, level};
    EXPECT_EQ(readPng(encodedImage(image)), bitmap) << level;
  }
  // The map as drawn is written at the drawn map's level.
  const PngImage drawn{indexed->width, indexed->height, &indexed->palette,
                       [&](int y) { return indexed->row(y); }};
  EXPECT_EQ(encoded(bitmap), encodedImage(drawn));
}

TEST(PngWriter, RowsAreAskedForInOrder) {
  const Bitmap bitmap = pattern(9, 6);
  std::vector<int> asked;
  const std::string png = encodedImage({9, 6, nullptr, [&](int y) {
                                          asked.push_back(y);
                                          return bitmap.row(y);
                                        }});
  EXPECT_EQ(asked, (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(readPng(png), bitmap);
}

TEST(PngWriter, ScaledPicturesReportEveryRowAndASinkThatRefusesStopsIt) {
  const Bitmap bitmap = fewColours(32, 16, 4);
  std::vector<int> done;
  std::string png;
  const std::string error = encodePng(
      bitmap, 48,
      [&png](const std::uint8_t* data, std::size_t size) {
        png.append(reinterpret_cast<const char*>(data), size);
        return true;
      },
      [&done](int rows, int of) {
        EXPECT_EQ(of, 48);
        done.push_back(rows);
      });
  EXPECT_EQ(error, "");
  EXPECT_EQ(readPng(png).width(), 96);
  ASSERT_EQ(done.size(), 49u);
  EXPECT_EQ(done.back(), 48);

  int calls = 0;
  const std::string refused = encodePng(bitmap, 16, [&calls](const std::uint8_t*, std::size_t) {
    ++calls;
    return false;
  });
  EXPECT_EQ(refused, "write failed");
  EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace delvora
