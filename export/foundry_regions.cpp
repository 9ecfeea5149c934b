#include "export/foundry_regions.h"

#include <string>
#include <vector>

#include "export/floor_plan.h"
#include "export/foundry_units.h"

namespace delvora {

namespace {

using nlohmann::json;

// CONST.REGION_VISIBILITY.LAYER: seen on the regions layer only.
constexpr int kVisibleOnLayer = 0;
// A colour that reads on the white floor and the grey rock alike.
constexpr const char* kRegionColour = "#d4a017";

// The outline of a round room as drawn, clockwise from the top-left of its top row: down the
// right side row run by row run, then up the left side, a corner wherever the inset changes.
std::vector<MapPoint> roundOutline(const Rect& r) {
  const std::vector<int> insets = roundRoomInsets(r);
  const int rows = r.bottom - r.top;
  std::vector<MapPoint> right;
  std::vector<MapPoint> left;
  for (int row = 0; row < rows;) {
    const int inset =
        row < static_cast<int>(insets.size()) ? insets[static_cast<std::size_t>(row)] : 0;
    int end = row + 1;
    while (end < rows && end < static_cast<int>(insets.size()) &&
           insets[static_cast<std::size_t>(end)] == inset) {
      ++end;
    }
    right.push_back({r.right - inset, r.top + row});
    right.push_back({r.right - inset, r.top + end});
    left.push_back({r.left + inset, r.top + row});
    left.push_back({r.left + inset, r.top + end});
    row = end;
  }
  std::vector<MapPoint> outline(right.begin(), right.end());
  outline.insert(outline.end(), left.rbegin(), left.rend());
  return outline;
}

json rectangleShape(const Rect& r, int px) {
  return {{"type", "rectangle"},
          {"hole", false},
          {"x", foundryPixels(r.left, px)},
          {"y", foundryPixels(r.top, px)},
          {"width", foundryPixels(r.right, px) - foundryPixels(r.left, px)},
          {"height", foundryPixels(r.bottom, px) - foundryPixels(r.top, px)},
          {"rotation", 0}};
}

json polygonShape(const std::vector<MapPoint>& outline, int px) {
  json points = json::array();
  for (const MapPoint& p : outline) {
    points.push_back(foundryPixels(p.x, px));
    points.push_back(foundryPixels(p.y, px));
  }
  return {{"type", "polygon"}, {"hole", false}, {"points", std::move(points)}};
}

}  // namespace

json roomRegions(const MapModel& model, int pxPerGrid) {
  json regions = json::array();
  int number = 0;
  for (const std::string& record : model.lstWalls) {
    const Feature feature = parseFeature(record);
    if (!isRoom(feature.type)) continue;
    ++number;
    const json shape = feature.type == FeatureType::RoundRoom
                           ? polygonShape(roundOutline(feature.rect), pxPerGrid)
                           : rectangleShape(feature.rect, pxPerGrid);
    regions.push_back({{"name", "Room " + std::to_string(number)},
                       {"color", kRegionColour},
                       {"shapes", json::array({shape})},
                       {"elevation", {{"bottom", nullptr}, {"top", nullptr}}},
                       {"behaviors", json::array()},
                       {"visibility", kVisibleOnLayer},
                       {"locked", false},
                       {"flags", json::object()}});
  }
  return regions;
}

}  // namespace delvora
