#include "render/png_encoder.h"

#include <zlib.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace delvora {

namespace {

constexpr std::uint32_t kAdlerBase = 65521;
// The most bytes whose sums cannot overflow 32 bits before they are reduced (zlib's NMAX).
constexpr std::size_t kAdlerBlock = 5552;
constexpr std::size_t kAdlerStep = 16;

constexpr std::size_t kChunkBytes = std::size_t{64} * 1024;
constexpr std::uint8_t kFilterNone = 0;
constexpr std::uint8_t kFilterUp = 2;

void putBigEndian(std::uint8_t* out, std::uint32_t value) {
  out[0] = static_cast<std::uint8_t>(value >> 24);
  out[1] = static_cast<std::uint8_t>(value >> 16);
  out[2] = static_cast<std::uint8_t>(value >> 8);
  out[3] = static_cast<std::uint8_t>(value);
}

// Writes chunks (length, type, data, CRC) to the sink.
class ChunkWriter {
 public:
  explicit ChunkWriter(const PngByteSink& sink) : m_sink(sink) {}

  bool raw(const std::uint8_t* data, std::size_t size) { return m_sink(data, size); }

  bool chunk(const char (&type)[5], const std::uint8_t* data, std::size_t size) {
    std::array<std::uint8_t, 8> head{};
    putBigEndian(head.data(), static_cast<std::uint32_t>(size));
    std::memcpy(head.data() + 4, type, 4);
    uLong crc = crc32(0, head.data() + 4, 4);
    if (size > 0) crc = crc32(crc, data, static_cast<uInt>(size));
    std::array<std::uint8_t, 4> tail{};
    putBigEndian(tail.data(), static_cast<std::uint32_t>(crc));
    return m_sink(head.data(), head.size()) && (size == 0 || m_sink(data, size)) &&
           m_sink(tail.data(), tail.size());
  }

 private:
  const PngByteSink& m_sink;
};

bool writeHeader(ChunkWriter& out, const PngImage& image) {
  static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::array<std::uint8_t, 13> header{};
  putBigEndian(header.data(), static_cast<std::uint32_t>(image.width));
  putBigEndian(header.data() + 4, static_cast<std::uint32_t>(image.height));
  header[8] = 8;                                 // bits per sample
  header[9] = image.palette != nullptr ? 3 : 2;  // palette or RGB colour
  // Compression, filter method and interlace stay 0: deflate, adaptive filters, none.
  if (!out.raw(kSignature, sizeof kSignature) || !out.chunk("IHDR", header.data(), header.size())) {
    return false;
  }
  if (image.palette == nullptr) return true;
  std::vector<std::uint8_t> palette;
  for (const Rgb& colour : *image.palette)
    palette.insert(palette.end(), {colour.r, colour.g, colour.b});
  return out.chunk("PLTE", palette.data(), palette.size());
}

// The zlib stream of the image data: a two-byte header, raw deflate, the Adler-32 of the
// filtered rows. Sent out in IDAT chunks of kChunkBytes.
class ImageData {
 public:
  ImageData(ChunkWriter& out, int level) : m_out(out), m_level(level), m_buffer(kChunkBytes) {}
  ~ImageData() {
    if (m_started) deflateEnd(&m_stream);
  }
  ImageData(const ImageData&) = delete;
  ImageData& operator=(const ImageData&) = delete;

  // Why the last failure that was not the sink's happened.
  const std::string& error() const { return m_error; }

  bool start() {
    if (deflateInit2(&m_stream, m_level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
      m_error = "out of memory";
      return false;
    }
    m_started = true;
    // CMF: deflate with a 32 KB window. FLG: the level's class (informative only), and check
    // bits that make the two bytes a multiple of 31.
    constexpr unsigned kCmf = 0x78;
    const unsigned levelClass = m_level < 2 ? 0 : m_level < 6 ? 1 : m_level == 6 ? 2 : 3;
    const unsigned flags = levelClass << 6;
    m_buffer[0] = kCmf;
    m_buffer[1] = static_cast<std::uint8_t>(flags + (31 - (kCmf * 256 + flags) % 31) % 31);
    m_used = 2;
    return true;
  }

  // Gathers the bytes and deflates them kChunkBytes at a time: zlib takes half as long again when
  // handed a row at a time.
  bool add(const std::uint8_t* data, std::size_t size) {
    m_adler.update(data, size);
    m_input.insert(m_input.end(), data, data + size);
    if (m_input.size() < kChunkBytes) return true;
    return deflateInput();
  }

  bool finish() {
    if (!deflateInput()) return false;
    for (;;) {
      const int result = deflateInto(Z_FINISH);
      if (result == Z_STREAM_ERROR) return false;
      if (result == Z_STREAM_END) break;
      if (!flushChunk()) return false;
    }
    std::array<std::uint8_t, 4> adler{};
    putBigEndian(adler.data(), m_adler.value());
    for (const std::uint8_t byte : adler) {
      if (m_used == m_buffer.size() && !flushChunk()) return false;
      m_buffer[m_used++] = byte;
    }
    return flushChunk();
  }

 private:
  bool deflateInput() {
    m_stream.next_in = m_input.data();
    m_stream.avail_in = static_cast<uInt>(m_input.size());
    while (m_stream.avail_in > 0) {
      if (deflateInto(Z_NO_FLUSH) == Z_STREAM_ERROR) return false;
      if (m_used == m_buffer.size() && !flushChunk()) return false;
    }
    m_input.clear();
    return true;
  }

  int deflateInto(int flush) {
    m_stream.next_out = m_buffer.data() + m_used;
    m_stream.avail_out = static_cast<uInt>(m_buffer.size() - m_used);
    const int result = deflate(&m_stream, flush);
    m_used = m_buffer.size() - m_stream.avail_out;
    if (result == Z_STREAM_ERROR) m_error = "the compression failed";
    return result;
  }

  bool flushChunk() {
    if (m_used == 0) return true;
    const bool written = m_out.chunk("IDAT", m_buffer.data(), m_used);
    m_used = 0;
    return written;
  }

  ChunkWriter& m_out;
  int m_level;
  // Filtered rows waiting to be deflated.
  std::vector<std::uint8_t> m_input;
  // Deflated bytes waiting to go out as a chunk.
  std::vector<std::uint8_t> m_buffer;
  std::size_t m_used = 0;
  z_stream m_stream{};
  bool m_started = false;
  Adler32 m_adler;
  std::string m_error;
};

// The sums of steps 16-byte steps: of all bytes (a), and of each byte times the number of bytes
// from it to the end of the steps (b).
struct StepSums {
  std::uint64_t a = 0;
  std::uint64_t b = 0;
};

#if defined(__SSE2__)

StepSums sumSteps(const std::uint8_t* data, std::size_t steps) {
  const __m128i zero = _mm_setzero_si128();
  // Each byte's weight within its step: 16 for the first down to 1 for the last.
  const __m128i firstWeights = _mm_setr_epi16(16, 15, 14, 13, 12, 11, 10, 9);
  const __m128i lastWeights = _mm_setr_epi16(8, 7, 6, 5, 4, 3, 2, 1);
  __m128i sums = zero;      // byte sums so far, in two 64-bit lanes
  __m128i earlier = zero;   // the byte sums before each step, added up
  __m128i weighted = zero;  // bytes times their weight within their step, in 32-bit lanes
  for (std::size_t s = 0; s < steps; ++s) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + s * kAdlerStep));
    earlier = _mm_add_epi64(earlier, sums);
    sums = _mm_add_epi64(sums, _mm_sad_epu8(bytes, zero));
    weighted = _mm_add_epi32(
        weighted, _mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi8(bytes, zero), firstWeights),
                                _mm_madd_epi16(_mm_unpackhi_epi8(bytes, zero), lastWeights)));
  }
  alignas(16) std::uint64_t sumLanes[2];
  alignas(16) std::uint64_t earlierLanes[2];
  alignas(16) std::uint32_t weightedLanes[4];
  _mm_store_si128(reinterpret_cast<__m128i*>(sumLanes), sums);
  _mm_store_si128(reinterpret_cast<__m128i*>(earlierLanes), earlier);
  _mm_store_si128(reinterpret_cast<__m128i*>(weightedLanes), weighted);
  StepSums result;
  result.a = sumLanes[0] + sumLanes[1];
  result.b = kAdlerStep * (earlierLanes[0] + earlierLanes[1]);
  for (const std::uint32_t lane : weightedLanes) result.b += lane;
  return result;
}

#else

StepSums sumSteps(const std::uint8_t* data, std::size_t steps) {
  StepSums result;
  const std::size_t bytes = steps * kAdlerStep;
  for (std::size_t i = 0; i < bytes; ++i) {
    result.a += data[i];
    result.b += (bytes - i) * std::uint64_t{data[i]};
  }
  return result;
}

#endif

}  // namespace

void Adler32::update(const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const std::size_t steps = std::min(size, kAdlerBlock) / kAdlerStep;
    if (steps == 0) {
      // Fewer bytes than a step are left.
      for (; size > 0; --size, ++data) {
        m_a = (m_a + *data) % kAdlerBase;
        m_b = (m_b + m_a) % kAdlerBase;
      }
      return;
    }
    // b gains a once for every byte, and each byte once for every byte from it to the end.
    const StepSums sums = sumSteps(data, steps);
    const std::size_t bytes = steps * kAdlerStep;
    m_b = static_cast<std::uint32_t>((m_b + bytes * std::uint64_t{m_a} + sums.b) % kAdlerBase);
    m_a = static_cast<std::uint32_t>((m_a + sums.a) % kAdlerBase);
    data += bytes;
    size -= bytes;
  }
}

bool encodePngStream(const PngImage& image, const PngByteSink& sink, std::string& error) {
  error.clear();
  ChunkWriter out(sink);
  if (!writeHeader(out, image)) return false;
  ImageData data(out, image.level);
  const auto failed = [&] {
    error = data.error();
    return false;
  };
  if (!data.start()) return failed();
  const std::size_t rowBytes = static_cast<std::size_t>(image.width) *
                               (image.palette != nullptr ? 1 : Bitmap::kBytesPerPixel);
  // Each row after the first as its difference from the row above (filter type Up).
  std::vector<std::uint8_t> filtered(rowBytes + 1);
  std::vector<std::uint8_t> above(rowBytes);
  for (int y = 0; y < image.height; ++y) {
    const std::uint8_t* row = image.rows(y);
    filtered[0] = y == 0 ? kFilterNone : kFilterUp;
    std::uint8_t* out = filtered.data() + 1;
    if (y == 0) {
      std::memcpy(out, row, rowBytes);
    } else {
      for (std::size_t i = 0; i < rowBytes; ++i) {
        out[i] = static_cast<std::uint8_t>(row[i] - above[i]);
      }
    }
    std::memcpy(above.data(), row, rowBytes);
    if (!data.add(filtered.data(), filtered.size())) return failed();
  }
  if (!data.finish()) return failed();
  return out.chunk("IEND", nullptr, 0);
}

}  // namespace delvora
