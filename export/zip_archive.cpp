#include "export/zip_archive.h"

#include <zlib.h>

namespace delvora {

namespace {

constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::uint32_t kCentralHeader = 0x02014b50;
constexpr std::uint32_t kEndOfCentral = 0x06054b50;
// Version 2.0: what stored entries and folders need.
constexpr std::uint16_t kVersion = 20;
// Bit 11: the name is UTF-8.
constexpr std::uint16_t kUtf8Names = 1U << 11;
constexpr std::uint16_t kStored = 0;
// 1980-01-01 00:00 in DOS date and time.
constexpr std::uint16_t kDosTime = 0;
constexpr std::uint16_t kDosDate = (1U << 5) | 1U;

void put16(std::string& out, std::uint32_t value) {
  out.push_back(static_cast<char>(value & 0xFFU));
  out.push_back(static_cast<char>((value >> 8) & 0xFFU));
}

void put32(std::string& out, std::uint32_t value) {
  put16(out, value & 0xFFFFU);
  put16(out, value >> 16);
}

// The fields local and central headers share, from "version needed" to the extra field's length.
void putCommon(std::string& out, const ArchiveFile& file, std::uint32_t crc) {
  put16(out, kVersion);
  put16(out, kUtf8Names);
  put16(out, kStored);
  put16(out, kDosTime);
  put16(out, kDosDate);
  put32(out, crc);
  put32(out, static_cast<std::uint32_t>(file.bytes.size()));
  put32(out, static_cast<std::uint32_t>(file.bytes.size()));
  put16(out, static_cast<std::uint32_t>(file.name.size()));
  put16(out, 0);
}

}  // namespace

std::uint32_t crc32(const std::string& bytes) {
  // zlib's CRC-32 takes at most a uInt of bytes at a time.
  uLong crc = ::crc32(0L, Z_NULL, 0);
  const auto* data = reinterpret_cast<const Bytef*>(bytes.data());
  std::size_t left = bytes.size();
  while (left > 0) {
    const uInt chunk = left > 0x40000000U ? 0x40000000U : static_cast<uInt>(left);
    crc = ::crc32(crc, data, chunk);
    data += chunk;
    left -= chunk;
  }
  return static_cast<std::uint32_t>(crc);
}

std::string zipArchive(const std::vector<ArchiveFile>& files) {
  std::string archive;
  std::string central;
  for (const ArchiveFile& file : files) {
    const std::uint32_t crc = crc32(file.bytes);
    const auto offset = static_cast<std::uint32_t>(archive.size());
    put32(archive, kLocalHeader);
    putCommon(archive, file, crc);
    archive += file.name;
    archive += file.bytes;

    put32(central, kCentralHeader);
    put16(central, kVersion);  // made by
    putCommon(central, file, crc);
    put16(central, 0);  // comment length
    put16(central, 0);  // disk number
    put16(central, 0);  // internal attributes
    put32(central, 0);  // external attributes
    put32(central, offset);
    central += file.name;
  }
  const auto centralOffset = static_cast<std::uint32_t>(archive.size());
  archive += central;
  put32(archive, kEndOfCentral);
  put16(archive, 0);  // this disk
  put16(archive, 0);  // the disk the central directory starts on
  put16(archive, static_cast<std::uint32_t>(files.size()));
  put16(archive, static_cast<std::uint32_t>(files.size()));
  put32(archive, static_cast<std::uint32_t>(central.size()));
  put32(archive, centralOffset);
  put16(archive, 0);  // comment length
  return archive;
}

}  // namespace delvora
