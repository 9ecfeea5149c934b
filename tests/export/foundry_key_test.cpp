// The key in the tabletop: the Foundry journal entry, the scene's regions and lighting, and the
// Universal VTT file's lighting, checked against the fields of Foundry's data model (v12-v13).
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>
#include <set>

#include "dungeon/levels.h"
#include "dungeon/levels_key.h"
#include "dungeon/tabletop_presets.h"
#include "engine/dressing_records.h"
#include "export/foundry_export.h"
#include "export/foundry_journal.h"
#include "export/uvtt_export.h"
#include "export_test_support.h"

namespace delvora {
namespace {

using nlohmann::json;

std::set<std::string> keysOf(const json& object) {
  std::set<std::string> keys;
  for (const auto& item : object.items()) keys.insert(item.key());
  return keys;
}

int roomCount(const MapModel& model) {
  int rooms = 0;
  for (const std::string& record : model.lstWalls) rooms += isRoom(parseFeature(record).type);
  return rooms;
}

// A JournalEntry with one JournalEntryPage of type "text" per room, in room order, each with the
// fields and types of the data model; an undressed map still names every room.
TEST(FoundryKey, JournalIsOneTextPagePerRoom) {
  Settings dressed;
  dressed.seed = 12;
  dressed.encounters = true;
  dressed.title = "The <Vault>";
  Settings plain = dressed;
  plain.dressing = false;
  for (const Settings& settings : {dressed, plain}) {
    const auto dungeon = testing::makeDungeon(settings);
    const json entry = json::parse(foundryJournal(*dungeon));
    EXPECT_EQ(keysOf(entry), (std::set<std::string>{"name", "pages", "ownership", "flags"}));
    EXPECT_EQ(entry.at("name"), "The <Vault>");
    const json& pages = entry.at("pages");
    ASSERT_EQ(pages.size(), static_cast<std::size_t>(roomCount(dungeon->model())));
    std::set<std::string> ids;
    for (std::size_t i = 0; i < pages.size(); ++i) {
      const json& page = pages[i];
      EXPECT_EQ(page.at("name"), "Room " + std::to_string(i + 1));
      EXPECT_EQ(page.at("type"), "text");
      EXPECT_EQ(page.at("title"), (json{{"show", true}, {"level", 1}}));
      EXPECT_EQ(page.at("text").at("format"), 1);
      EXPECT_TRUE(page.at("sort").is_number_integer());
      const std::string id = page.at("_id");
      EXPECT_TRUE(std::regex_match(id, std::regex("[A-Za-z0-9]{16}"))) << id;
      EXPECT_TRUE(ids.insert(id).second);
      const std::string html = page.at("text").at("content");
      EXPECT_TRUE(html.starts_with("<p><strong>Size</strong>")) << html;
      EXPECT_NE(html.find("<strong>Doors</strong>"), std::string::npos) << html;
      if (settings.dressing) {
        EXPECT_NE(html.find("<strong>Encounters</strong>"), std::string::npos) << html;
      }
    }
  }
}

// Dressing texts are text, not markup, in the page.
TEST(FoundryKey, JournalEscapesTheTexts) {
  const auto dungeon = testing::makeDungeon(Settings{});
  DressingTables tables = dungeon->tables();
  MapModel model = dungeon->model();
  RoomDressingRecord room = parseRoomDressing(model.lstFluff.front());
  room.indexes[0] = 1;
  model.lstFluff.front() = roomDressingRecord(room);
  tables.FluffDesc.entries[1] = "A <b>bold</b> & \"quoted\" caf\xe9";
  const json entry = json::parse(foundryJournal(model, tables, ""));
  EXPECT_EQ(entry.at("name"), "Delvora dungeon");
  const std::string html = entry.at("pages")[0].at("text").at("content");
  EXPECT_NE(html.find("A &lt;b&gt;bold&lt;/b&gt; &amp; &quot;quoted&quot; caf\xc3\xa9"),
            std::string::npos)
      << html;
}

// A level's journal is the level's own room pages, then one page for its staircases saying where
// each leads; every id stays unique and the entry names its level.
TEST(FoundryKey, LevelJournalAddsAStairsPage) {
  Settings settings;
  settings.seed = 9;
  settings.stairs = 5;
  DungeonLevels levels;
  ASSERT_TRUE(levels.generate(testing::testSettings(settings), 2).ok());
  for (int level = 1; level <= 2; ++level) {
    const json entry = json::parse(foundryJournal(levels, level));
    const json rooms = json::parse(foundryJournal(levels.level(level))).at("pages");
    EXPECT_EQ(entry.at("name"), "Delvora dungeon, level " + std::to_string(level));
    const json& pages = entry.at("pages");
    ASSERT_EQ(pages.size(), rooms.size() + 1);
    for (std::size_t i = 0; i < rooms.size(); ++i) EXPECT_EQ(pages[i], rooms[i]);
    const json& stairs = pages.back();
    EXPECT_EQ(stairs.at("name"), "Stairs");
    EXPECT_GT(stairs.at("sort"), rooms.back().at("sort"));
    std::set<std::string> ids;
    for (const json& page : pages)
      EXPECT_TRUE(ids.insert(page.at("_id").get<std::string>()).second);
    const std::string html = stairs.at("text").at("content");
    const std::vector<std::string> lines = stairsKeyLines(levels, level);
    ASSERT_FALSE(lines.empty());
    for (const std::string& line : lines) {
      EXPECT_NE(html.find("<li>" + line + "</li>"), std::string::npos) << html;
    }
    EXPECT_NE(html.find(level == 1 ? "down to level 2" : "up to level 1"), std::string::npos)
        << html;
  }
}

// One region per room named Room N, shaped like the room at the scene's scale, with no
// behaviour; the scene is lit unless dark.
TEST(FoundryKey, SceneHasARegionPerRoomAndItsLighting) {
  Settings settings;
  settings.seed = 4;
  settings.mapSizeIndex = MapSizeIndex::Size1024x768;
  settings.roomSize = RoomSize::Large;
  settings.iterations = 600;
  const auto dungeon = testing::makeDungeon(settings);
  FoundryScene scene{"", 50, "delvora/x.png"};
  const json lit = json::parse(foundryFiles(*dungeon, Audience::GameMaster, scene).scene);
  EXPECT_EQ(lit.at("environment").at("globalLight").at("enabled"), true);
  EXPECT_EQ(lit.at("environment").at("darknessLevel"), 0);
  EXPECT_EQ(lit.at("tokenVision"), true);
  const json& regions = lit.at("regions");
  ASSERT_EQ(regions.size(), static_cast<std::size_t>(roomCount(dungeon->model())));
  int number = 0;
  int round = 0;
  for (const std::string& record : dungeon->model().lstWalls) {
    const Feature f = parseFeature(record);
    if (!isRoom(f.type)) continue;
    const json& region = regions[static_cast<std::size_t>(number++)];
    EXPECT_EQ(keysOf(region),
              (std::set<std::string>{"name", "color", "shapes", "elevation", "behaviors",
                                     "visibility", "locked", "flags"}));
    EXPECT_EQ(region.at("name"), "Room " + std::to_string(number));
    EXPECT_TRUE(region.at("behaviors").empty());
    ASSERT_EQ(region.at("shapes").size(), 1u);
    const json& shape = region.at("shapes")[0];
    EXPECT_EQ(shape.at("hole"), false);
    if (f.type == FeatureType::Room) {
      EXPECT_EQ(shape.at("type"), "rectangle");
      EXPECT_EQ(shape.at("x"), std::lround(f.rect.left * 50 / 16.0));
      EXPECT_EQ(shape.at("width"),
                std::lround(f.rect.right * 50 / 16.0) - std::lround(f.rect.left * 50 / 16.0));
      continue;
    }
    ++round;
    EXPECT_EQ(shape.at("type"), "polygon");
    const json& points = shape.at("points");
    ASSERT_GE(points.size(), 16u);
    ASSERT_EQ(points.size() % 2, 0u);
    // The outline stays inside the room's rectangle and touches all four of its sides.
    long minX = points[0], maxX = points[0], minY = points[1], maxY = points[1];
    for (std::size_t i = 0; i < points.size(); i += 2) {
      minX = std::min<long>(minX, points[i]);
      maxX = std::max<long>(maxX, points[i]);
      minY = std::min<long>(minY, points[i + 1]);
      maxY = std::max<long>(maxY, points[i + 1]);
    }
    EXPECT_EQ(minX, std::lround(f.rect.left * 50 / 16.0));
    EXPECT_EQ(maxX, std::lround(f.rect.right * 50 / 16.0));
    EXPECT_EQ(minY, std::lround(f.rect.top * 50 / 16.0));
    EXPECT_EQ(maxY, std::lround(f.rect.bottom * 50 / 16.0));
  }
  EXPECT_GT(round, 0) << "no round room to check";

  scene.lighting = SceneLighting::Dark;
  const json dark = json::parse(foundryFiles(*dungeon, Audience::GameMaster, scene).scene);
  EXPECT_EQ(dark.at("environment").at("globalLight").at("enabled"), false);
  EXPECT_EQ(dark.at("environment").at("darknessLevel"), 1);

  const json uvttLit = json::parse(uvttFile(*dungeon, Audience::GameMaster, 50));
  EXPECT_EQ(uvttLit.at("environment"),
            (json{{"baked_lighting", true}, {"ambient_light", "ffffffff"}}));
  EXPECT_TRUE(uvttLit.at("lights").empty());
  const json uvttDark =
      json::parse(uvttFile(*dungeon, Audience::GameMaster, 50, SceneLighting::Dark));
  EXPECT_EQ(uvttDark.at("environment").at("ambient_light"), "ff000000");
  EXPECT_EQ(uvttDark.at("environment").at("baked_lighting"), false);
}

// Each preset names a tabletop and its grid; limits warn or refuse in one line naming them.
TEST(FoundryKey, PresetsWarnAndRefuseByTheirLimits) {
  EXPECT_EQ(tabletopPresetNames(),
            "foundry, roll20, fantasy-grounds, maptool, owlbear or lets-role");
  EXPECT_EQ(findTabletopPreset("roll20")->pxPerGrid, 70);
  EXPECT_EQ(findTabletopPreset("roll"), nullptr);
  ExportCounts counts{120, 14, 0, 3500, 2625, {{"map.png", 11 * 1024 * 1024}}};
  const TabletopCheck roll20 = checkTabletop(*findTabletopPreset("roll20"), counts);
  EXPECT_EQ(roll20.summary,
            "roll20: 120 walls, 14 doors, 0 lights, 3500x2625 picture, map.png 11.0 MB");
  ASSERT_EQ(roll20.warnings.size(), 1u);
  EXPECT_EQ(roll20.warnings[0],
            "warning: --vtt roll20: map.png is 11.0 MB; 10.0 MB is the most a free account "
            "uploads in Roll20");
  EXPECT_FALSE(roll20.refused());

  counts.walls = 501;
  counts.doors = 200;
  const TabletopCheck letsRole = checkTabletop(*findTabletopPreset("lets-role"), counts);
  ASSERT_EQ(letsRole.refusals.size(), 1u);
  EXPECT_EQ(letsRole.refusals[0],
            "--vtt lets-role: 501 walls; 500 walls is the most a scene takes in Let's Role");
  EXPECT_EQ(fileSizeText(2048), "2 KB");
  EXPECT_TRUE(checkTabletop(*findTabletopPreset("maptool"), counts).warnings.empty());
}

}  // namespace
}  // namespace delvora
