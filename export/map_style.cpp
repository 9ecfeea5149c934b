#include "export/map_style.h"

namespace delvora {

std::string_view mapStyleName(MapStyle style) {
  return style == MapStyle::Ink ? "ink" : "classic";
}

StyleSheet styleSheet(MapStyle style, bool showBackground) {
  StyleSheet sheet;
  if (style == MapStyle::Classic) {
    sheet.ground = showBackground ? colors::kRock : colors::kWhite;
    sheet.floor = colors::kWhite;
    sheet.wall = colors::kBlack;
    sheet.wallWidth = 1.5;
    sheet.grid = colors::kSilver;
    sheet.gridWidth = 0.5;
    sheet.hatch = {102, 102, 76};
    sheet.river = colors::kBlue;
    sheet.chasm = colors::kBlack;
    sheet.doorLine = colors::kBlack;
    sheet.door = colors::kRed;
    sheet.concealedDoor = colors::kGreen;
    sheet.secretDoor = colors::kBlue;
    sheet.secretMark = colors::kWhite;
    sheet.stairsUp = {153, 153, 204};
    sheet.stairsUpLine = {51, 51, 51};
    sheet.stairsDown = {50, 45, 50};
    sheet.stairsDownLine = {143, 160, 160};
    sheet.label = colors::kRed;
    return sheet;
  }
  sheet.ground = colors::kWhite;
  sheet.floor = colors::kWhite;
  sheet.wall = colors::kBlack;
  sheet.wallWidth = 1.25;
  sheet.grid = {150, 150, 150};
  sheet.gridWidth = 0.2;
  sheet.gridOnFloorOnly = true;
  sheet.hatch = {90, 90, 90};
  sheet.river = {180, 205, 230};
  sheet.chasm = {140, 140, 140};
  sheet.bandsOnFloorOnly = true;
  sheet.doorLine = colors::kBlack;
  sheet.door = colors::kWhite;
  sheet.concealedDoor = colors::kWhite;
  sheet.secretDoor = colors::kWhite;
  sheet.secretMark = colors::kBlack;
  sheet.stairsUp = colors::kWhite;
  sheet.stairsUpLine = colors::kBlack;
  sheet.stairsDown = colors::kWhite;
  sheet.stairsDownLine = colors::kBlack;
  sheet.label = colors::kBlack;
  return sheet;
}

}  // namespace delvora
