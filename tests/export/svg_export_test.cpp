// The SVG of the map: valid SVG 1.1, its layers, its walls those of the Universal VTT file.
#include "export/svg_export.h"

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>

#include "export/map_painter.h"
#include "export/uvtt_export.h"
#include "export_test_support.h"
#include "svg_tools.h"
#include "tests/print/pdf_tools.h"
#include "tests/support/largest_settings.h"

namespace delvora {
namespace {

struct SvgCase {
  const char* name;
  Settings settings;
  std::vector<DeadEndMode> deadEnds;
  MapLook look;
  bool playerMap;
};

Settings withSeed(std::uint32_t seed, void (*change)(Settings&) = nullptr) {
  Settings settings;
  settings.seed = seed;
  if (change != nullptr) change(settings);
  return settings;
}

std::vector<SvgCase> svgCases() {
  return {
      {"default classic", withSeed(7), {}, {MapStyle::Classic, false}, false},
      {"ink, hatched, river and chasm",
       withSeed(11,
                [](Settings& s) {
                  s.river = true;
                  s.chasm = true;
                }),
       {DeadEndMode::Some},
       {MapStyle::Ink, true},
       false},
      {"players, large rooms, no background",
       withSeed(23,
                [](Settings& s) {
                  s.roomSize = RoomSize::Large;
                  s.showBackground = false;
                  s.drawGrid = false;
                }),
       {DeadEndMode::Some, DeadEndMode::AFew},
       {MapStyle::Classic, false},
       true},
      {"no snap, twisty, title to escape",
       withSeed(5,
                [](Settings& s) {
                  s.snapToGrid = false;
                  s.corridorStyle = CorridorStyle::VeryTwisty;
                  s.title = "Tom & Jerry's <lair> \"\xe9t\xe9\"";
                }),
       {DeadEndMode::AFew},
       {MapStyle::Ink, false},
       false},
  };
}

TEST(SvgExport, ValidAgainstTheSvgDtd) {
  const testing::ScratchDir dir;
  for (const SvgCase& c : svgCases()) {
    const auto dungeon = testing::makeDungeon(c.settings, {c.playerMap, c.deadEnds});
    const Audience audience = c.playerMap ? Audience::Players : Audience::GameMaster;
    const std::string path = dir.file("map.svg");
    std::ofstream(path) << svgFile(*dungeon, audience, c.look);
    // The document names the DTD by its public identifier; the system's catalog resolves it
    // without the network.
    const std::string output =
        testing::runCommand("xmllint --noout --valid --nonet '" + path + "' 2>&1");
    EXPECT_EQ(output, "") << c.name;
  }
}

TEST(SvgExport, OneGroupPerLayerInDrawingOrder) {
  const auto dungeon = testing::makeDungeon(withSeed(7));
  const std::string svg = svgFile(*dungeon, Audience::GameMaster, {});
  std::size_t last = 0;
  for (const char* layer : kMapLayers) {
    const std::size_t at = svg.find("<g id=\"" + std::string(layer) + "\">");
    ASSERT_NE(at, std::string::npos) << layer;
    EXPECT_GT(at, last) << layer;
    last = at;
  }
  EXPECT_NE(svg.find("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"800\" "
                     "height=\"600\" viewBox=\"0 0 800 600\">"),
            std::string::npos);
  EXPECT_NE(svg.find("<title>Delvora Demo - Untitled</title>"), std::string::npos);
}

// Room numbers as the map writes them for the game master; none, and no hidden doors, for
// players.
TEST(SvgExport, LabelsAndHiddenDoorsFollowTheAudience) {
  const Settings settings = withSeed(31);
  const auto master = testing::makeDungeon(settings);
  const std::string svg = svgFile(*master, Audience::GameMaster, {});
  const std::string labels = testing::svgLayer(svg, "labels");
  int rooms = 0;
  for (const std::string& record : master->model().lstWalls) {
    if (isRoom(parseFeature(record).type)) ++rooms;
  }
  std::vector<std::string> numbers;
  const std::regex text(">([0-9]+)</text>");
  for (auto it = std::sregex_iterator(labels.begin(), labels.end(), text);
       it != std::sregex_iterator(); ++it) {
    numbers.push_back((*it)[1]);
  }
  ASSERT_EQ(numbers.size(), static_cast<std::size_t>(rooms));
  for (int i = 0; i < rooms; ++i)
    EXPECT_EQ(numbers[static_cast<std::size_t>(i)], std::to_string(i + 1));
  // Concealed and secret leaves are filled green and blue in the classic style.
  const std::string doors = testing::svgLayer(svg, "doors");
  EXPECT_NE(doors.find("fill=\"#00ff00\""), std::string::npos);

  const auto players = testing::makeDungeon(settings, {.playerMap = true});
  const std::string playerSvg = svgFile(*players, Audience::Players, {});
  EXPECT_EQ(testing::svgLayer(playerSvg, "labels").find("<text"), std::string::npos);
  const std::string playerDoors = testing::svgLayer(playerSvg, "doors");
  EXPECT_EQ(playerDoors.find("#00ff00"), std::string::npos);
  EXPECT_EQ(playerDoors.find("#0000ff"), std::string::npos);
}

// The walls layer is the Universal VTT file's walls in map pixels: one subpath per wall, each of
// its vertices one of the wall's points in order, every point of the wall on it; only round
// rooms' corners, drawn as arcs, leave points out.
TEST(SvgExport, WallsAreTheUniversalVttWalls) {
  for (const SvgCase& c : svgCases()) {
    const auto dungeon = testing::makeDungeon(c.settings, {c.playerMap, c.deadEnds});
    const Audience audience = c.playerMap ? Audience::Players : Audience::GameMaster;
    const nlohmann::json uvtt = nlohmann::json::parse(uvttFile(*dungeon, audience, 16));
    const std::string walls = testing::svgLayer(svgFile(*dungeon, audience, c.look), "walls");
    const std::vector<std::string> data = testing::attributeValues(walls, "d");
    ASSERT_EQ(data.size(), 1u) << c.name;
    const std::vector<testing::SvgSubpath> paths = testing::parsePathData(data[0]);
    const nlohmann::json& lines = uvtt.at("line_of_sight");
    ASSERT_EQ(paths.size(), lines.size()) << c.name;
    for (std::size_t i = 0; i < paths.size(); ++i) {
      std::vector<VecPoint> points;
      for (const nlohmann::json& p : lines[i]) {
        points.push_back({p.at("x").get<double>() * 16, p.at("y").get<double>() * 16});
      }
      std::size_t next = 0;
      for (const VecPoint& vertex : paths[i].vertices) {
        while (next < points.size() && !(points[next] == vertex)) ++next;
        ASSERT_LT(next, points.size()) << c.name << ": wall " << i << " vertex " << vertex.x << ","
                                       << vertex.y << " is not one of its points";
      }
      for (const VecPoint& p : points) {
        EXPECT_LE(testing::distanceTo(paths[i].samples, p), 2.5)
            << c.name << ": wall " << i << " point " << p.x << "," << p.y;
      }
    }
  }
}

TEST(SvgExport, LargestMapIsSmall) {
  const auto dungeon = testing::makeDungeon(testing::largestSettings());
  for (const MapStyle style : {MapStyle::Classic, MapStyle::Ink}) {
    EXPECT_LT(svgFile(*dungeon, Audience::GameMaster, {style, true}).size(), 300u * 1024);
  }
}

}  // namespace
}  // namespace delvora
