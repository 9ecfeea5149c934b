#include "dungeon/picture_limits.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

namespace delvora {
namespace {

// Joins the parts by appending; chained operator+ on literals trips a false -Wrestrict in g++ 12.
std::string joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) text.append(part);
  return text;
}

std::string decimal(long long value) {
  return std::to_string(value);
}

// The tabletops that raise a smaller scene grid to their smallest, silently.
struct TabletopGrid {
  std::string_view tabletop;
  int smallest;
};
constexpr std::array<TabletopGrid, 2> kSmallestGrids{
    {{"Foundry VTT v11", kSmallestTabletopGrid}, {"Foundry VTT v12 and later", 20}}};

// A side of the map in pixels drawn at pxPerGrid.
long long scaled(int side, int pxPerGrid) {
  return static_cast<long long>(side) * pxPerGrid / kDrawnPxPerGrid;
}

}  // namespace

std::string pictureSizeError(const Settings& settings, int pxPerGrid, PictureUse use) {
  const int limit = use == PictureUse::Png ? kLargestPng : kLargestTabletopPicture;
  if (pictureSide(settings, pxPerGrid) <= limit) return "";
  const MapSize size = mapSizeFor(settings.mapSizeIndex);
  const long long largestPxPerGrid =
      static_cast<long long>(limit) * kDrawnPxPerGrid / std::max(size.width, size.height);
  const std::string_view what =
      use == PictureUse::Png ? "a PNG for most readers holds" : "tabletops load";
  return joined({"--px-per-grid ", decimal(pxPerGrid), ": the ", decimal(size.width), "x",
                 decimal(size.height), " map would be a ", decimal(scaled(size.width, pxPerGrid)),
                 "x", decimal(scaled(size.height, pxPerGrid)), " picture; ", what, " at most ",
                 decimal(limit), " pixels a side, so use --px-per-grid ", decimal(largestPxPerGrid),
                 " or less"});
}

std::string smallGridWarning(int pxPerGrid) {
  std::string tabletops;
  for (const TabletopGrid& grid : kSmallestGrids) {
    if (pxPerGrid >= grid.smallest) continue;
    if (!tabletops.empty()) tabletops += " and ";
    tabletops += joined({grid.tabletop, " (", decimal(grid.smallest), " pixels)"});
  }
  if (tabletops.empty()) return "";
  return joined({"--px-per-grid ", decimal(pxPerGrid), " is below the smallest scene grid of ",
                 tabletops, "; the grid gets enlarged there, so distances and token sizes come ",
                 "out wrong"});
}

}  // namespace delvora
