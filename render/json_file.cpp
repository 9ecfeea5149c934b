#include "render/json_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace delvora {

std::string writeJsonFile(const nlohmann::json& document, const std::string& path) {
  const std::string temporary = path + ".tmp" + std::to_string(getpid());
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) return "Cannot write JSON file " + path + ": " + std::strerror(errno);
    // Streaming writes the text straight to the file, without a second copy in memory.
    file << document << '\n';
    file.flush();
    if (!file) {
      std::remove(temporary.c_str());
      return "Cannot write JSON file " + path + ": write failed";
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const std::string reason = std::strerror(errno);
    std::remove(temporary.c_str());
    return "Cannot write JSON file " + path + ": " + reason;
  }
  return "";
}

}  // namespace delvora
