#include "export/map_drawing.h"

namespace delvora {

namespace {

// Staircases the clean-ups painted over are gone from the map.
std::vector<StairsMark> stairsOf(const MapModel& model) {
  std::vector<StairsMark> stairs;
  for (std::size_t i = 0; i < model.lstStairs.size(); ++i) {
    const Rect rect = parseStairs(model.lstStairs[i]);
    const int x = (rect.left + rect.right) / 2;
    const int y = (rect.top + rect.bottom) / 2;
    bool painted = false;
    for (const PaintedTiles& tiles : model.cleanUpPaint) {
      const Rect& a = tiles.area;
      if (x >= a.left && x < a.right && y >= a.top && y < a.bottom) painted = true;
    }
    if (!painted) stairs.push_back({rect, i % 2 == 0});
  }
  return stairs;
}

// Rooms in lstWalls order, numbered from 1, as the numbering step writes them.
std::vector<RoomLabel> labelsOf(const MapModel& model) {
  std::vector<RoomLabel> labels;
  int number = 1;
  for (const std::string& record : model.lstWalls) {
    const Feature feature = parseFeature(record);
    if (!isRoom(feature.type)) continue;
    labels.push_back({number++, feature.rect});
  }
  return labels;
}

}  // namespace

MapDrawing mapDrawing(const Dungeon& dungeon, Audience audience) {
  const MapModel& model = dungeon.model();
  const Settings& settings = dungeon.settings();
  MapDrawing drawing{.width = model.state.mapWidth,
                     .height = model.state.mapHeight,
                     .background = settings.showBackground,
                     .grid = settings.drawGrid,
                     .traced = traceMap(model, kOpeningKinds),
                     .corners = RoundCorners(model),
                     .doors = {},
                     .stairs = {},
                     .labels = {},
                     .river = model.riverCourse,
                     .chasm = model.chasmCourse};
  const bool players = audience == Audience::Players;
  for (const MapDoor& door : drawing.traced.shown) {
    if (players && (door.kind == 'C' || door.kind == 'S')) continue;
    drawing.doors.push_back(door);
  }
  drawing.stairs = stairsOf(model);
  if (!players && settings.numberRooms) drawing.labels = labelsOf(model);
  return drawing;
}

}  // namespace delvora
