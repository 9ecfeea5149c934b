#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace delvora {

// One file of an archive: its name (with "/" between folders) and its bytes.
struct ArchiveFile {
  std::string name;
  std::string bytes;
};

// The files as a ZIP archive, stored without compression (the pictures are PNGs already, and
// every unzip tool reads stored entries), dated 1 January 1980 so that the same files give the
// same bytes. Names are marked UTF-8. At most 65535 files of under 4 GiB each.
std::string zipArchive(const std::vector<ArchiveFile>& files);

// The CRC-32 of the bytes (the ZIP and PNG polynomial), as zlib computes it.
std::uint32_t crc32(const std::string& bytes);

}  // namespace delvora
