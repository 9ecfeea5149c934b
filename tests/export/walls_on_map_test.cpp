// The exported walls laid over the picture they were traced from, at 16 pixels a square (one
// picture pixel per map pixel): round rooms, erased dead ends without snapping, small steps.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <nlohmann/json.hpp>

#include "export/floor_plan.h"
#include "export/uvtt_export.h"
#include "export/wall_outline.h"
#include "export_test_support.h"
#include "wall_areas.h"

namespace delvora {
namespace {

using nlohmann::json;

// The walls of the Universal VTT file at 16 pixels a square, in picture pixels.
std::vector<WallPolyline> exportedWalls(const Dungeon& dungeon) {
  const json document = json::parse(uvttFile(dungeon, Audience::GameMaster, 16));
  std::vector<WallPolyline> walls;
  for (const json& line : document.at("line_of_sight")) {
    WallPolyline polyline;
    for (const json& point : line) {
      polyline.push_back({static_cast<int>(std::lround(point.at("x").get<double>() * 16)),
                          static_cast<int>(std::lround(point.at("y").get<double>() * 16))});
    }
    walls.push_back(std::move(polyline));
  }
  return walls;
}

Settings largeRooms(std::uint32_t seed) {
  Settings settings;
  settings.seed = seed;
  settings.mapSizeIndex = MapSizeIndex::Size1024x768;
  settings.roomSize = RoomSize::Large;
  settings.iterations = 600;
  return settings;
}

// Inside the walls of a round room there is floor only, and each drawn corner takes a few
// segments.
TEST(WallsOnMap, RoundRoomsHoldNoRockAndFewWalls) {
  int rooms = 0;
  for (const std::uint32_t seed : {4u, 6u, 7u, 9u, 14u, 17u}) {
    const auto dungeon = testing::makeDungeon(largeRooms(seed));
    const Bitmap& map = dungeon->picture();
    const std::vector<WallPolyline> walls = exportedWalls(*dungeon);
    const testing::WallAreas areas(map.width(), map.height(), walls);
    for (const std::string& record : dungeon->model().lstWalls) {
      const Feature f = parseFeature(record);
      if (f.type != FeatureType::RoundRoom) continue;
      ++rooms;
      const Rect& r = f.rect;
      const int inside = areas.area((r.left + r.right) / 2, (r.top + r.bottom) / 2);
      for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
          if (areas.area(x, y) != inside) continue;
          ASSERT_FALSE(testing::isRock(map.pixel(x, y)))
              << "seed " << seed << " room " << record << " rock at " << x << "," << y;
        }
      }
      int slanted = 0;
      for (const WallPolyline& line : walls) {
        for (std::size_t i = 1; i < line.size(); ++i) {
          const MapPoint& a = line[i - 1];
          const MapPoint& b = line[i];
          const bool in = a.x >= r.left && a.x <= r.right && a.y >= r.top && a.y <= r.bottom;
          if (in && a.x != b.x && a.y != b.y) ++slanted;
        }
      }
      EXPECT_GE(slanted, 4) << "seed " << seed << " room " << record;
      EXPECT_LE(slanted, 4 * 6) << "seed " << seed << " room " << record;
    }
  }
  EXPECT_GE(rooms, 6);
}

// Where the features of lstWalls are drawn, round rooms with their corners.
std::function<bool(int, int)> drawnFeatures(const MapModel& model) {
  const int width = model.state.mapWidth;
  auto drawn = std::make_shared<std::vector<bool>>(
      static_cast<std::size_t>(width) * static_cast<std::size_t>(model.state.mapHeight), false);
  for (const std::string& record : model.lstWalls) {
    const Feature f = parseFeature(record);
    const std::vector<int> insets =
        f.type == FeatureType::RoundRoom ? roundRoomInsets(f.rect) : std::vector<int>{};
    for (int y = f.rect.top; y < f.rect.bottom; ++y) {
      const std::size_t row = static_cast<std::size_t>(y - f.rect.top);
      const int inset = row < insets.size() ? insets[row] : 0;
      for (int x = f.rect.left + inset; x < f.rect.right - inset; ++x) {
        (*drawn)[static_cast<std::size_t>(y) * width + x] = true;
      }
    }
  }
  return [drawn, width](int x, int y) { return (*drawn)[static_cast<std::size_t>(y) * width + x]; };
}

// No area inside walls holds rock and floor both (a few pixels of rock may come inside where a
// small step is straightened): openings lead to floor, and what a clean-up painted is rock.
TEST(WallsOnMap, WallsKeepRockAndFloorApart) {
  struct Case {
    Settings settings;
    std::vector<DeadEndMode> deadEnds;
  };
  std::vector<Case> cases;
  for (const std::uint32_t seed : {22u, 123u}) {
    Settings noSnap;
    noSnap.seed = seed;
    noSnap.mapSizeIndex = MapSizeIndex::Size1024x768;
    noSnap.snapToGrid = false;
    noSnap.stairs = 3;
    cases.push_back({noSnap, {DeadEndMode::AFew}});
  }
  Settings large = largeRooms(6);
  cases.push_back({large, {DeadEndMode::Some, DeadEndMode::AFew}});
  Settings twisty;
  twisty.seed = 10;
  twisty.corridorStyle = CorridorStyle::VeryTwisty;
  twisty.iterations = 2000;
  twisty.snapToGrid = false;
  cases.push_back({twisty, {DeadEndMode::Some}});
  cases.push_back({Settings{}, {}});
  for (const Case& c : cases) {
    const auto dungeon = testing::makeDungeon(c.settings, {.deadEnds = c.deadEnds});
    const Bitmap& map = dungeon->picture();
    const testing::WallAreas areas(map.width(), map.height(), exportedWalls(*dungeon));
    const testing::MixedArea mixed =
        testing::rockAndFloorTogether(map, areas, drawnFeatures(dungeon->model()));
    EXPECT_FALSE(mixed.found) << "seed " << c.settings.seed << ": rock at " << mixed.rock.first
                              << "," << mixed.rock.second << " and floor at " << mixed.floor.first
                              << "," << mixed.floor.second;
  }
}

// The two openings into painted rock found on import: the corridor ends at a wall before them.
TEST(WallsOnMap, NoOpeningIntoErasedRockWithoutSnapping) {
  const struct {
    std::uint32_t seed;
    std::pair<int, int> corridor;
    std::pair<int, int> opening;
  } cases[] = {{22, {870, 379}, {882, 379}}, {123, {745, 569}, {757, 569}}};
  for (const auto& c : cases) {
    Settings settings;
    settings.seed = c.seed;
    settings.mapSizeIndex = MapSizeIndex::Size1024x768;
    settings.snapToGrid = false;
    settings.stairs = 3;
    const auto dungeon = testing::makeDungeon(settings, {.deadEnds = {DeadEndMode::AFew}});
    const Bitmap& map = dungeon->picture();
    ASSERT_EQ(map.pixel(c.corridor.first, c.corridor.second), colors::kWhite) << c.seed;
    ASSERT_TRUE(testing::isRock(map.pixel(c.opening.first, c.opening.second))) << c.seed;
    const testing::WallAreas areas(map.width(), map.height(), exportedWalls(*dungeon));
    EXPECT_NE(areas.area(c.corridor.first, c.corridor.second),
              areas.area(c.opening.first, c.opening.second))
        << "seed " << c.seed;
  }
}

// Steps of one or two pixels that a wall takes and leaves again (jogs), counted on the traced
// walls: a short segment between two that run the same way, or back.
int smallSteps(const std::vector<WallPolyline>& walls) {
  int steps = 0;
  for (const WallPolyline& line : walls) {
    for (std::size_t i = 1; i + 2 < line.size(); ++i) {
      const MapPoint &a = line[i - 1], &b = line[i], &c = line[i + 1], &d = line[i + 2];
      const int length = std::abs(c.x - b.x) + std::abs(c.y - b.y);
      const bool across =
          (b.x == c.x && a.y == b.y && c.y == d.y) || (b.y == c.y && a.x == b.x && c.x == d.x);
      if (length <= 2 && across) ++steps;
    }
  }
  return steps;
}

TEST(WallsOnMap, DefaultMapHasNoSmallSteps) {
  const auto dungeon = testing::makeDungeon(Settings{});
  const std::vector<MapDoor> doors = liveDoors(dungeon->model());
  EXPECT_EQ(smallSteps(traceWalls(dungeon->model(), doors)), 0);
  EXPECT_EQ(smallSteps(exportedWalls(*dungeon)), 0);
}

}  // namespace
}  // namespace delvora
