// The Universal VTT file: its fields, walls in squares, portals per door kind, the image.
#include "export/uvtt_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <nlohmann/json.hpp>

#include "export_test_support.h"

namespace delvora {
namespace {

using nlohmann::json;

struct Export {
  std::unique_ptr<Dungeon> dungeon;
  json document;
};

Export exportUvtt(Settings settings, int pxPerGrid, const std::vector<DeadEndMode>& deadEnds = {}) {
  Export result{testing::makeDungeon(settings, {.deadEnds = deadEnds}), {}};
  const std::string bytes = uvttFile(*result.dungeon, Audience::GameMaster, pxPerGrid);
  EXPECT_FALSE(bytes.empty());
  result.document = json::parse(bytes);
  return result;
}

MapPoint pixels(const json& point) {
  return {static_cast<int>(point.at("x").get<double>() * 16),
          static_cast<int>(point.at("y").get<double>() * 16)};
}

std::vector<WallPolyline> wallsOf(const json& document) {
  std::vector<WallPolyline> walls;
  for (const json& line : document.at("line_of_sight")) {
    WallPolyline polyline;
    for (const json& point : line) polyline.push_back(pixels(point));
    walls.push_back(std::move(polyline));
  }
  return walls;
}

TEST(UvttExport, HasTheFieldsImportersRead) {
  Settings settings;
  settings.mapSizeIndex = MapSizeIndex::Size640x480;
  const Export e = exportUvtt(settings, 70);
  const json& d = e.document;
  EXPECT_DOUBLE_EQ(d.at("format").get<double>(), 0.3);
  EXPECT_EQ(d.at("resolution").at("map_origin"), (json{{"x", 0}, {"y", 0}}));
  EXPECT_EQ(d.at("resolution").at("map_size"), (json{{"x", 40}, {"y", 30}}));
  EXPECT_EQ(d.at("resolution").at("pixels_per_grid"), 70);
  EXPECT_EQ(d.at("environment").at("baked_lighting"), true);
  EXPECT_EQ(d.at("environment").at("ambient_light"), "ffffffff");
  EXPECT_TRUE(d.at("lights").is_array() && d.at("lights").empty());
  EXPECT_FALSE(d.at("line_of_sight").empty());
  const std::string png = testing::base64Decode(d.at("image").get<std::string>());
  EXPECT_EQ(testing::pngSize(png), (std::pair{40 * 70, 30 * 70}));
}

// Every live ordinary door has one portal across its opening; archways, concealed and secret
// doors none, and the openings of concealed and secret doors are wall.
TEST(UvttExport, PortalsFollowTheDoorKinds) {
  for (const bool cleaned : {false, true}) {
    Settings settings;
    settings.iterations = 1000;
    settings.concealedPercent = 20;
    settings.secretPercent = 20;
    const Export e = exportUvtt(
        settings, 16, cleaned ? std::vector{DeadEndMode::AFew} : std::vector<DeadEndMode>{});
    const MapModel& model = e.dungeon->model();
    const std::set<testing::UnitEdge> walls = testing::unitEdges(wallsOf(e.document));
    std::map<std::pair<int, int>, int> portals;
    for (const json& portal : e.document.at("portals")) {
      EXPECT_EQ(portal.at("closed"), true);
      EXPECT_EQ(portal.at("freestanding"), false);
      const MapPoint a = pixels(portal.at("bounds").at(0));
      const MapPoint b = pixels(portal.at("bounds").at(1));
      const double rotation = portal.at("rotation").get<double>();
      EXPECT_NEAR(rotation, a.y == b.y ? 0.0 : 1.5707963, 1e-6);
      ++portals[{a.x, a.y}];
    }
    int ordinary = 0;
    int hidden = 0;
    for (const MapDoor& door : liveDoors(model)) {
      const int count = portals[{door.from.x, door.from.y}];
      const std::set<testing::UnitEdge> opening = testing::openingEdges(door);
      const bool walled = std::includes(walls.begin(), walls.end(), opening.begin(), opening.end());
      if (door.kind == 'N') {
        ++ordinary;
        EXPECT_EQ(count, 1) << "door at " << door.tile.left << "," << door.tile.top;
      } else {
        EXPECT_EQ(count, 0) << door.kind << " door at " << door.tile.left << "," << door.tile.top;
      }
      if (door.kind == 'C' || door.kind == 'S') ++hidden;
      EXPECT_EQ(walled, door.kind == 'C' || door.kind == 'S')
          << door.kind << " door at " << door.tile.left << "," << door.tile.top;
    }
    EXPECT_EQ(static_cast<int>(e.document.at("portals").size()), ordinary);
    EXPECT_GT(hidden, 0);
    if (!cleaned) {
      EXPECT_EQ(liveDoors(model).size(), model.lstDoors.size());
    }
  }
}

// An importer makes the scene map_size x pixels_per_grid: that must be the picture's size, also
// where the scale does not divide the map evenly (600 pixels at 25 a square: 937 rows).
TEST(UvttExport, MapSizeIsThePicturesSize) {
  for (const int px : {16, 25, 70, 100}) {
    const Export e = exportUvtt(Settings{}, px);
    const json& resolution = e.document.at("resolution");
    const auto [width, height] = testing::pngSize(testing::base64Decode(e.document.at("image")));
    EXPECT_EQ(std::lround(resolution.at("map_size").at("x").get<double>() * px), width) << px;
    EXPECT_EQ(std::lround(resolution.at("map_size").at("y").get<double>() * px), height) << px;
    EXPECT_EQ(height, 600 * px / 16) << px;
  }
}

TEST(UvttExport, WallsAreInSquaresWhateverTheImageScale) {
  Settings settings;
  const Export at16 = exportUvtt(settings, 16);
  const Export at140 = exportUvtt(settings, 140);
  EXPECT_EQ(at16.document.at("line_of_sight"), at140.document.at("line_of_sight"));
  EXPECT_EQ(at16.document.at("portals"), at140.document.at("portals"));
  const auto size16 = testing::pngSize(testing::base64Decode(at16.document.at("image")));
  const auto size140 = testing::pngSize(testing::base64Decode(at140.document.at("image")));
  EXPECT_EQ(size16, (std::pair{800, 600}));
  EXPECT_EQ(size140, (std::pair{7000, 5250}));
}

}  // namespace
}  // namespace delvora
