#include "engine/settings.h"

#include <array>

namespace delvora {

MapSize mapSizeFor(int index) {
  static constexpr std::array<MapSize, 5> kSizes{
      {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1600, 1200}}};
  if (index < 0 || index >= static_cast<int>(kSizes.size())) return kSizes[1];
  return kSizes[static_cast<std::size_t>(index)];
}

int roomSizeRange(RoomSize size) {
  switch (size) {
    case RoomSize::Small:
      return 80;
    case RoomSize::Medium:
      return 180;
    case RoomSize::Large:
      return 280;
    case RoomSize::Tiny:
      break;
  }
  return 20;
}

int corridorLengthRange(RoomSize size) {
  switch (size) {
    case RoomSize::Medium:
      return 350;
    case RoomSize::Large:
      return 450;
    case RoomSize::Tiny:
    case RoomSize::Small:
      break;
  }
  return 250;
}

std::string mapCaption(const std::string& title) {
  return "Delvora Demo - " + (title.empty() ? std::string("Untitled") : title);
}

std::string mapSizeText(int index) {
  const MapSize size = mapSizeFor(index);
  return std::to_string(size.width) + "x" + std::to_string(size.height);
}

std::string roomSizeCaption(RoomSize size) {
  switch (size) {
    case RoomSize::Small:
      return "Small";
    case RoomSize::Medium:
      return "Medium";
    case RoomSize::Large:
      return "Large";
    case RoomSize::Tiny:
      break;
  }
  return "Tiny";
}

std::string corridorCaption(CorridorStyle style) {
  switch (style) {
    case CorridorStyle::Twisty:
      return "Twisty";
    case CorridorStyle::VeryTwisty:
      return "Very Twisty";
    case CorridorStyle::Straight:
      break;
  }
  return "Straight";
}

}  // namespace delvora
