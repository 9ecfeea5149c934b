#pragma once

#include <string>
#include <vector>

#include "dungeon/vector_options.h"
#include "export/wall_outline.h"

namespace delvora {

// Points (1/72 inch) in a millimetre.
inline constexpr double kPointsPerMm = 72.0 / 25.4;
// Every page keeps this margin free on each side: home printers print to within 3 to 6.35 mm
// of the edge, and the page labels and assembly marks sit there.
inline constexpr double kPageMarginMm = 10;
// Neighbouring pages show this much of the map twice: the strip a page's neighbour is laid over.
inline constexpr double kOverlapMm = 10;

// A rectangle by corner and size, in the units its context gives.
struct Box {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
  double right() const { return x + width; }
  double bottom() const { return y + height; }
  bool operator==(const Box&) const = default;
};

// One page of the map: its place in the grid of pages and the part of the map it shows.
struct BattlePage {
  // From 0, rows top to bottom and columns left to right.
  int row = 0;
  int column = 0;
  // The row's letters and the column's number, both from the top left: "A1", "A2", ... "B1".
  std::string label;
  // The map shown, in map pixels, overlap strips included.
  Box window;
  // False for a page with nothing but rock, which is left out.
  bool kept = true;
};

// The page arithmetic of a battle map, in points from the page's top-left corner unless said.
struct BattleMapLayout {
  // Page size as printed (landscape when that needs fewer pages).
  double pageWidth = 0;
  double pageHeight = 0;
  bool landscape = false;
  // Points per map pixel.
  double scale = 0;
  // The part of the map printed, in map pixels: the squares around the floor and one more.
  Box printed;
  // Where the map lies on every page: the page less its margins.
  Box content;
  // The overlap, in map pixels.
  double overlap = 0;
  // Pages across and down the grid; pages row by row, left-out ones included.
  int across = 0;
  int down = 0;
  std::vector<BattlePage> pages;

  int keptCount() const;
  // The page at (row, column) of the grid, or null outside it.
  const BattlePage* pageAt(int row, int column) const;
  // The label of the kept page that shows map pixel (x, y) outside its neighbours' overlap
  // strips (the page whose own part holds it); "" when none does.
  std::string pageOf(double x, double y) const;
};

// Points per map pixel for a square size: 72 points an inch over kGridSize pixels.
double pointsPerPixel(SquareSize square);
// Paper width and height in points, portrait.
Box paperBox(PaperSize paper);

// "A" .. "Z", "AA", "AB" ... for rows 0, 1, ...
std::string rowLetters(int row);

// Lays the map (width x height pixels; traced tells which squares hold floor) out on pages:
// pages across = 1 + ceil((printed width - content width) / (content width - overlap)), the
// same down; a page is kept when a floor square reaches into its window. Of portrait and
// landscape, the one with fewer kept pages, portrait on a tie.
BattleMapLayout battleMapLayout(const TracedMap& traced, int width, int height,
                                const BattleMapOptions& options);

}  // namespace delvora
