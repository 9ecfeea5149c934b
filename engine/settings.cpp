#include "engine/settings.h"

namespace delvora {

MapSize mapSizeFor(MapSizeIndex index) {
  switch (index) {
    case MapSizeIndex::Size640x480:
      return {640, 480};
    case MapSizeIndex::Size1024x768:
      return {1024, 768};
    case MapSizeIndex::Size1280x1024:
      return {1280, 1024};
    case MapSizeIndex::Capacity:
      return {1600, 1200};
    case MapSizeIndex::Size800x600:
      break;
  }
  return {800, 600};
}

std::optional<MapSizeIndex> offeredMapSize(int position) {
  if (position < 0 || position > static_cast<int>(MapSizeIndex::Size1280x1024)) return {};
  return static_cast<MapSizeIndex>(position);
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

std::string mapSizeText(MapSizeIndex index) {
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
