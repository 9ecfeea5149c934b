#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace delvora {

// The map sizes the options offer, 640x480 to 1280x1024, and the 1600x1200 the model is sized
// for (Capacity), which no option offers.
enum class MapSizeIndex { Size640x480, Size800x600, Size1024x768, Size1280x1024, Capacity };

enum class RoomSize { Tiny, Small, Medium, Large };
enum class CorridorStyle { Straight = 1, Twisty = 2, VeryTwisty = 3 };

// The option values a generation reads, with the option windows' defaults. The windows and the
// command line fill it; the steps read each field at the moment they run.
struct Settings {
  // Seed of the random source, set at every "Generate".
  std::uint32_t seed = 66205318;
  // "Map Size": one of the four offered sizes.
  MapSizeIndex mapSizeIndex = MapSizeIndex::Size800x600;
  // Number of build attempts.
  int iterations = 250;
  // "Room Size": room size range and corridor length range.
  RoomSize roomSize = RoomSize::Small;
  // "Corridors": the odds of rooms against corridors and how long corridors get.
  CorridorStyle corridorStyle = CorridorStyle::Straight;
  // "No of Staircases", 0..10.
  int stairs = 0;
  // "Number Rooms": write room numbers; without it there is no dressing either.
  bool numberRooms = true;
  // "Dressing": dress every numbered room and its doors.
  bool dressing = true;
  // "Show Grid": overlay the 16-pixel grid last.
  bool drawGrid = true;
  // "River" and "Chasm": bands drawn across the finished plan.
  bool river = false;
  bool chasm = false;
  // "Snap to Grid": positions snap to 16 pixels, else to 1.
  bool snapToGrid = true;
  // "Show Background": speckled rock instead of plain white.
  bool showBackground = true;
  // "%age doors concealed" and "%age doors secret", integers 0..20.
  int concealedPercent = 13;
  int secretPercent = 3;
  // "Allow Stairs in corridors".
  bool corridorStairs = true;
  // "Add dressing on a roll of a ... or below", 1..6.
  int dressRoll = 1;
  // "Use internal Dressings": built-in entries may be picked, else only dressing-file entries.
  bool useInternalDressing = true;
  // "Dressing Files Directory"; empty means the working directory.
  std::string dressingDir;
  // "Title" of the map.
  std::string title;
  // "Levels" joined by stairs, 1..10: read by the desktop's map window, which makes that many
  // (the engine makes one level at a time).
  int levels = 1;

  friend bool operator==(const Settings&, const Settings&) = default;
};

struct MapSize {
  int width;
  int height;
};

// Map size in pixels.
MapSize mapSizeFor(MapSizeIndex index);

// The offered size at position 0..3 of the "Map Size" list; nothing for any other number.
std::optional<MapSizeIndex> offeredMapSize(int position);

// Room size range of the first room and the room builder: 20, 80, 180 or 280.
int roomSizeRange(RoomSize size);

// Corridor length range before division by the corridor style: 250, 250, 350 or 450.
int corridorLengthRange(RoomSize size);

// The map's caption, shown as the map window's title and printed as the printouts' heading:
// "Delvora Demo - " and the title, or "Untitled" for an empty title (blanks count as a title).
std::string mapCaption(const std::string& title);

// The captions the options window shows: "640x480" ..., "Tiny" ..., "Straight" ...
std::string mapSizeText(MapSizeIndex index);
std::string roomSizeCaption(RoomSize size);
std::string corridorCaption(CorridorStyle style);

}  // namespace delvora
