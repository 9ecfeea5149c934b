// The dungeon document: a small hand-made level read back field by field, and generated
// dungeons whose document must agree with their model.
#include "dungeon/dungeon_json.h"

#include <gtest/gtest.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <set>

#include "dungeon/utf8_text.h"
#include "engine/dressing_records.h"
#include "tests/support/generated_dungeon.h"

namespace delvora {
namespace {

using Json = nlohmann::json;

// Two rooms joined by a corridor, and a dead-end corridor south of the first room that "A Few"
// erased (its concealed door closed, its dressing dropped):
//
//   room 1 (32,32)-(128,96) =door 1= corridor 0 =secret door 2= room 2, round (160,32)-(256,128)
//   room 1's south wall: concealed door 0 into corridor 1 (64,96)-(80,160), erased
//   room 2's south wall: archway 3, into rock
struct SmallLevel {
  SmallLevel() {
    model->state.mapWidth = 640;
    model->state.mapHeight = 480;
    model->lstWalls.insert(featureRecord({32, 32, 128, 96}, FeatureType::Room));
    model->lstWalls.insert(featureRecord({160, 32, 256, 128}, FeatureType::RoundRoom));
    for (const auto& [rect, type] :
         {std::pair{Rect{128, 48, 160, 64}, FeatureType::HorizontalCorridor},
          std::pair{Rect{64, 96, 80, 160}, FeatureType::VerticalCorridor}}) {
      model->lstWalls.insert(featureRecord(rect, type));
      model->lstCorridors.push_back(featureRecord(rect, type));
    }
    model->lstErased.push_back(model->lstCorridors[1]);
    model->lstDoors.insert(doorRecord({65, 94, 79, 101}, 'H', 'C'));
    model->lstDoors.insert(doorRecord({126, 49, 133, 63}, 'V', 'N'));
    model->lstDoors.insert(doorRecord({158, 49, 165, 63}, 'V', 'S'));
    model->lstDoors.insert(doorRecord({200, 126, 214, 133}, 'H', 'A'));
    model->lstStairs = {stairsRecord(48, 48), stairsRecord(192, 64), stairsRecord(224, 64)};
    model->lstFluff = {roomDressingRecord({1, {32, 32, 128, 96}, {1, 0, 0, 0, 0, 0}}),
                       roomDressingRecord({2, {160, 32, 256, 128}, {2, 0, 0, 0, 0, 99}})};
    dressDoor(1, 'E', 'N', 7, 1, true, {126, 49, 133, 63});
    dressDoor(2, 'W', 'S', 6, 2, false, {158, 49, 165, 63});
    dressDoor(2, 'S', 'A', 0, 0, true, {200, 126, 214, 133});
    model->riverCourse = {{0, 100, 0}, {8, 104, 8}, {16, 99, 8}};
    tables.FluffDesc.entries = {"Nothing unusual", "A dusty hall", "Caf\xe9 tables"};
    for (DressingTable* table : tables.all()) {
      if (table->entries.empty()) table->entries = {"None found"};
    }
    settings.river = true;
    settings.title = "Caf\xe9";
  }

  void dressDoor(int room, char side, char kind, int material, int lock, bool trapped,
                 const Rect& tile) {
    const std::string key = doorKey(tile);
    model->lstDoorDress.insert(
        doorDressingRecord({room, side, kind, material, lock, trapped, key}));
  }

  Json document() const {
    return Json::parse(dungeonJson({settings, *model, tables, deadEnds}, "test"));
  }
  Json level() const { return document()["levels"][0]; }

  std::unique_ptr<MapModel> model = std::make_unique<MapModel>();
  DressingTables tables;
  Settings settings;
  std::vector<DeadEndMode> deadEnds = {DeadEndMode::AFew};
};

Json rect(int left, int top, int right, int bottom) {
  return {{"left", left}, {"top", top}, {"right", right}, {"bottom", bottom}};
}

TEST(DungeonJson, HeaderAndSettingsByTheirCommandLineNames) {
  SmallLevel small;
  small.settings.corridorStyle = CorridorStyle::VeryTwisty;
  small.settings.roomSize = RoomSize::Large;
  small.settings.drawGrid = false;
  const Json document = small.document();
  EXPECT_EQ(document["format"], "delvora-dungeon");
  EXPECT_EQ(document["version"], 1);
  EXPECT_EQ(document["generator"], "test");
  EXPECT_EQ(document["seed"], 66205318);
  EXPECT_EQ(document["square_pixels"], 16);
  const Json expected = {{"seed", 66205318},
                         {"map-size", "800x600"},
                         {"iterations", 250},
                         {"room-size", "large"},
                         {"corridors", "very-twisty"},
                         {"stairs", 0},
                         {"no-number-rooms", false},
                         {"no-dressing", false},
                         {"no-grid", true},
                         {"river", true},
                         {"chasm", false},
                         {"no-background", false},
                         {"no-snap", false},
                         {"concealed", 13},
                         {"secret", 3},
                         {"no-corridor-stairs", false},
                         {"dress-roll", 1},
                         {"no-internal-dressing", false},
                         {"dressing-dir", ""},
                         {"title", "Caf\xc3\xa9"},
                         {"dead-ends", "few"}};
  EXPECT_EQ(document["settings"], expected) << document["settings"].dump(1);
  EXPECT_EQ(document["levels"].size(), 1u);
  EXPECT_EQ(document["levels"][0]["level"], 1);

  small.settings.numberRooms = false;
  small.settings.dressing = false;
  small.deadEnds = {DeadEndMode::Some, DeadEndMode::AFew};
  const Json settings = small.document()["settings"];
  EXPECT_EQ(settings["no-number-rooms"], true);
  // Implied by no-number-rooms, so the command line read off the settings gives it once.
  EXPECT_EQ(settings["no-dressing"], false);
  EXPECT_EQ(settings["dead-ends"], "some,few");
  small.deadEnds = {};
  EXPECT_EQ(small.document()["settings"]["dead-ends"], "none");
}

TEST(DungeonJson, RoomsAreNumberedAsTheMapNumbersThemWithDressingAndDoors) {
  const Json rooms = SmallLevel().level()["rooms"];
  ASSERT_EQ(rooms.size(), 2u);
  EXPECT_EQ(rooms[0]["number"], 1);
  EXPECT_EQ(rooms[0]["shape"], "square");
  EXPECT_EQ(rooms[0]["pixels"], rect(32, 32, 128, 96));
  EXPECT_EQ(rooms[0]["squares"], rect(2, 2, 8, 6));
  EXPECT_EQ(rooms[0]["dressing"]["description"], Json({{"index", 1}, {"text", "A dusty hall"}}));
  EXPECT_EQ(rooms[0]["dressing"]["traps"], Json({{"index", 0}, {"text", "None found"}}));
  EXPECT_EQ(rooms[0]["doors"], Json::parse(R"([{"door": 0, "wall": "south"},
                                                {"door": 1, "wall": "east"}])"));
  EXPECT_EQ(rooms[1]["number"], 2);
  EXPECT_EQ(rooms[1]["shape"], "round");
  // Latin-1 table text comes out as UTF-8; an index past the table's end has no text.
  EXPECT_EQ(rooms[1]["dressing"]["description"]["text"], "Caf\xc3\xa9 tables");
  EXPECT_EQ(rooms[1]["dressing"]["treasure"], Json({{"index", 99}, {"text", nullptr}}));
  EXPECT_EQ(rooms[1]["doors"], Json::parse(R"([{"door": 2, "wall": "west"},
                                                {"door": 3, "wall": "south"}])"));
}

TEST(DungeonJson, RoomsKeepTheirNumbersAndDoorsWithoutDressing) {
  SmallLevel small;
  small.model->lstFluff.clear();
  small.model->lstDoorDress.clear();
  const Json level = small.level();
  EXPECT_EQ(level["rooms"][1]["number"], 2);
  EXPECT_TRUE(level["rooms"][1]["dressing"].is_null());
  EXPECT_EQ(level["rooms"][1]["doors"].size(), 2u);
  EXPECT_TRUE(level["doors"][1]["sides"][0]["dressing"].is_null());
}

TEST(DungeonJson, DoorsOfEveryKindWithTheirDressingPerSide) {
  const Json doors = SmallLevel().level()["doors"];
  ASSERT_EQ(doors.size(), 4u);
  const struct {
    const char* kind;
    const char* orientation;
    Json pixels;
    const char* sides;
  } cases[] = {
      {"concealed", "horizontal", rect(65, 94, 79, 101),
       R"([{"room": 1, "wall": "south", "dressing": null},
           {"corridor": 1, "wall": "north"}])"},
      {"door", "vertical", rect(126, 49, 133, 63),
       R"([{"room": 1, "wall": "east", "dressing": {"material": "iron_door", "lock": "locked",
            "trapped": true, "description": "E Wall - Iron Door - Trapped - Locked "}},
           {"corridor": 0, "wall": "west"}])"},
      {"secret", "vertical", rect(158, 49, 165, 63),
       R"([{"room": 2, "wall": "west", "dressing": {"material": "stone_door", "lock": "stuck",
            "trapped": false, "description": "W Wall - Secret Stone Door - Stuck "}},
           {"corridor": 0, "wall": "east"}])"},
      {"archway", "horizontal", rect(200, 126, 214, 133),
       R"([{"room": 2, "wall": "south", "dressing": {"material": "archway", "lock": "unlocked",
            "trapped": true, "description": "S Wall - Archway - Trapped "}}])"},
  };
  for (std::size_t id = 0; id < std::size(cases); ++id) {
    SCOPED_TRACE(cases[id].kind);
    const Json& door = doors[id];
    EXPECT_EQ(door["id"], id);
    EXPECT_EQ(door["kind"], cases[id].kind);
    EXPECT_EQ(door["orientation"], cases[id].orientation);
    EXPECT_EQ(door["pixels"], cases[id].pixels);
    EXPECT_EQ(door["sides"], Json::parse(cases[id].sides)) << door["sides"].dump(1);
  }
}

TEST(DungeonJson, ErasedCorridorsAndTheDoorsTheirErasingClosed) {
  const Json level = SmallLevel().level();
  const Json corridors = level["corridors"];
  ASSERT_EQ(corridors.size(), 2u);
  EXPECT_EQ(corridors[0]["direction"], "horizontal");
  EXPECT_EQ(corridors[0]["erased"], false);
  EXPECT_EQ(corridors[0]["doors"], Json::parse(R"([{"door": 1, "wall": "west"},
                                                    {"door": 2, "wall": "east"}])"));
  EXPECT_EQ(corridors[1]["direction"], "vertical");
  EXPECT_EQ(corridors[1]["erased"], true);
  EXPECT_EQ(level["dead_ends"], Json::parse(R"({"erased_corridors": [1], "closed_doors": [0]})"));
  for (std::size_t id = 0; id < 4; ++id) EXPECT_EQ(level["doors"][id]["closed"], id == 0) << id;
}

TEST(DungeonJson, StairsAlternateDownAndUpAndBandsKeepTheirWidths) {
  const Json level = SmallLevel().level();
  EXPECT_EQ(level["stairs"], Json::parse(R"([
      {"direction": "down", "pixels": {"left": 48, "top": 48, "right": 64, "bottom": 64},
       "squares": {"left": 3, "top": 3, "right": 4, "bottom": 4}},
      {"direction": "up", "pixels": {"left": 192, "top": 64, "right": 208, "bottom": 80},
       "squares": {"left": 12, "top": 4, "right": 13, "bottom": 5}},
      {"direction": "down", "pixels": {"left": 224, "top": 64, "right": 240, "bottom": 80},
       "squares": {"left": 14, "top": 4, "right": 15, "bottom": 5}}])"));
  EXPECT_EQ(level["river"], Json::parse(R"({
      "pixels": [{"x": 0, "y": 100, "width": 0}, {"x": 8, "y": 104, "width": 8},
                 {"x": 16, "y": 99, "width": 8}],
      "squares": [{"x": 0, "y": 6.25, "width": 0}, {"x": 0.5, "y": 6.5, "width": 0.5},
                  {"x": 1, "y": 6.1875, "width": 0.5}]})"));
  EXPECT_TRUE(level["chasm"].is_null());
  EXPECT_EQ(level["pixels"], Json({{"width", 640}, {"height", 480}}));
  EXPECT_EQ(level["squares"], Json({{"width", 40}, {"height", 30}}));
}

TEST(DungeonJson, TextIsUtf8WhenItIsElseLatin1) {
  const struct {
    std::string bytes;
    bool utf8;
  } cases[] = {
      {"plain", true},
      {"Caf\xc3\xa9", true},
      {"\xe2\x82\xac and \xf0\x9f\x90\x89", true},
      {"Caf\xe9", false},
      {"\xc0\xaf", false},          // overlong "/"
      {"\xed\xa0\x80", false},      // a surrogate
      {"\xf4\x90\x80\x80", false},  // past U+10FFFF
      {"\xe2\x82", false},          // cut short
  };
  for (const auto& c : cases) {
    EXPECT_EQ(isUtf8(c.bytes), c.utf8) << Json(utf8Text(c.bytes)).dump();
    EXPECT_TRUE(isUtf8(utf8Text(c.bytes))) << c.bytes;
  }
  EXPECT_EQ(utf8Text("Caf\xe9 \xff"), "Caf\xc3\xa9 \xc3\xbf");
}

// Generated dungeons: the document's references run both ways and agree with the model's lists.
TEST(DungeonJson, GeneratedDungeonsAgreeWithTheirModel) {
  for (const std::uint32_t seed : {5u, 66205318u, 90210u}) {
    SCOPED_TRACE(seed);
    Settings settings;
    settings.seed = seed;
    settings.stairs = 6;
    settings.chasm = true;
    settings.dressRoll = 4;
    settings.snapToGrid = seed != 5;
    const auto dungeon = testing::makeDungeon(settings, {.deadEnds = {DeadEndMode::AFew}});
    const MapModel& model = dungeon->model();
    const Json level = Json::parse(dungeonJson(*dungeon))["levels"][0];
    EXPECT_EQ(level["rooms"].size(), model.lstFluff.size());
    EXPECT_EQ(level["corridors"].size(), model.lstCorridors.size());
    EXPECT_EQ(level["doors"].size(), model.lstDoors.size());
    EXPECT_EQ(level["stairs"].size(), model.lstStairs.size());
    EXPECT_EQ(level["chasm"]["pixels"].size(), model.chasmCourse.size());
    EXPECT_TRUE(level["river"].is_null());
    EXPECT_EQ(level["dead_ends"]["erased_corridors"].size(), model.lstErased.size());

    // Every door a room lists names the room among its sides, and every dressed side is a
    // record of lstDoorDress; closed doors have none.
    std::size_t dressedSides = 0;
    for (const Json& room : level["rooms"]) {
      for (const Json& ref : room["doors"]) {
        const Json& door = level["doors"][ref["door"].get<std::size_t>()];
        const Json side = {{"room", room["number"]}, {"wall", ref["wall"]}};
        bool found = false;
        for (const Json& s : door["sides"]) {
          if (s.contains("room") && s["room"] == side["room"] && s["wall"] == side["wall"]) {
            found = true;
            if (!s["dressing"].is_null()) ++dressedSides;
            EXPECT_TRUE(!door["closed"] || s["dressing"].is_null()) << door.dump();
          }
        }
        EXPECT_TRUE(found) << side.dump() << " not on " << door.dump();
      }
    }
    EXPECT_EQ(dressedSides, model.lstDoorDress.size());
    for (const Json& id : level["dead_ends"]["closed_doors"]) {
      EXPECT_TRUE(level["doors"][id.get<std::size_t>()]["closed"].get<bool>());
    }
    EXPECT_FALSE(level["dead_ends"]["closed_doors"].empty());
  }
}

TEST(DungeonJson, NothingBeforeADungeonIsGenerated) {
  EXPECT_EQ(dungeonJson(Dungeon()), "");
}

}  // namespace
}  // namespace delvora
