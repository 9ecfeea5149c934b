#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "export/zip_archive.h"

namespace delvora {
namespace {

std::uint32_t read16(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint8_t>(bytes[at]) | (static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

std::uint32_t read32(const std::string& bytes, std::size_t at) {
  return read16(bytes, at) | (read16(bytes, at + 2) << 16);
}

// The files of a stored archive, read through its central directory as unzip tools read it.
std::vector<ArchiveFile> readBack(const std::string& zip) {
  const std::size_t end = zip.size() - 22;
  EXPECT_EQ(read32(zip, end), 0x06054b50u);
  const std::uint32_t count = read16(zip, end + 10);
  std::size_t at = read32(zip, end + 16);
  std::vector<ArchiveFile> files;
  for (std::uint32_t i = 0; i < count; ++i) {
    EXPECT_EQ(read32(zip, at), 0x02014b50u);
    const std::uint32_t crc = read32(zip, at + 16);
    const std::uint32_t size = read32(zip, at + 20);
    const std::uint32_t nameLength = read16(zip, at + 28);
    const std::uint32_t local = read32(zip, at + 42);
    const std::string name = zip.substr(at + 46, nameLength);
    EXPECT_EQ(read32(zip, local), 0x04034b50u);
    EXPECT_EQ(zip.substr(local + 30, nameLength), name);
    const std::string bytes = zip.substr(local + 30 + nameLength, size);
    EXPECT_EQ(crc32(bytes), crc) << name;
    files.push_back({name, bytes});
    at += 46 + nameLength;
  }
  return files;
}

TEST(ZipArchive, CrcIsTheZipPolynomial) {
  EXPECT_EQ(crc32(""), 0u);
  EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
}

TEST(ZipArchive, FilesComeBackByNameWithTheirBytes) {
  const std::vector<ArchiveFile> files = {
      {"level-1.png", std::string("\x89PNG\r\n\x1a\n\0\xff", 10)},
      {"keys/level 2 – key.txt", "Stairs down to level 3\r\n"},
      {"empty", ""}};
  const std::string zip = zipArchive(files);
  const std::vector<ArchiveFile> back = readBack(zip);
  ASSERT_EQ(back.size(), files.size());
  for (std::size_t i = 0; i < files.size(); ++i) {
    EXPECT_EQ(back[i].name, files[i].name);
    EXPECT_EQ(back[i].bytes, files[i].bytes);
  }
  EXPECT_EQ(zip, zipArchive(files)) << "the same files give the same bytes";
  EXPECT_EQ(readBack(zipArchive({})).size(), 0u);
}

}  // namespace
}  // namespace delvora
