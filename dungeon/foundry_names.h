#pragma once

#include <filesystem>
#include <string>

namespace delvora {

// The Foundry VTT releases a scene can be written for, and the current one.
inline constexpr int kOldestFoundryVersion = 12;
inline constexpr int kCurrentFoundryVersion = 14;
// The first release whose scenes stack levels.
inline constexpr int kFoundryLevelsVersion = 14;

// The background image written beside a scene file: its name with ".json" (if any) replaced
// by ".png". The command line checks it against its other outputs before the export writes it.
inline std::string foundryImagePath(const std::string& scenePath) {
  std::filesystem::path image(scenePath);
  if (image.extension() == ".json") return image.replace_extension(".png").string();
  return scenePath + ".png";
}

}  // namespace delvora
