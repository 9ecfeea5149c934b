#include "print/battle_map/battle_map_layout.h"

#include <algorithm>
#include <cmath>

#include "engine/dimensions.h"

namespace delvora {

double pointsPerPixel(SquareSize square) {
  const double squarePoints = square == SquareSize::Inch ? 72.0 : 25.6 * kPointsPerMm;
  return squarePoints / kGridSize;
}

Box paperBox(PaperSize paper) {
  if (paper == PaperSize::Letter) return {0, 0, 8.5 * 72, 11 * 72};
  return {0, 0, 210 * kPointsPerMm, 297 * kPointsPerMm};
}

std::string rowLetters(int row) {
  std::string letters;
  for (int n = row + 1; n > 0; n = (n - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
  }
  return letters;
}

int BattleMapLayout::keptCount() const {
  return static_cast<int>(
      std::count_if(pages.begin(), pages.end(), [](const BattlePage& page) { return page.kept; }));
}

const BattlePage* BattleMapLayout::pageAt(int row, int column) const {
  if (row < 0 || column < 0 || row >= down || column >= across) return nullptr;
  return &pages[static_cast<std::size_t>(row) * static_cast<std::size_t>(across) +
                static_cast<std::size_t>(column)];
}

std::string BattleMapLayout::pageOf(double x, double y) const {
  for (const BattlePage& page : pages) {
    if (!page.kept) continue;
    const BattlePage* right = pageAt(page.row, page.column + 1);
    const BattlePage* below = pageAt(page.row + 1, page.column);
    const double ownRight = right != nullptr ? right->window.x : page.window.right();
    const double ownBottom = below != nullptr ? below->window.y : page.window.bottom();
    if (x >= page.window.x && x < ownRight && y >= page.window.y && y < ownBottom) {
      return page.label;
    }
  }
  return "";
}

namespace {

// The squares around the floor and one more each side, within the map, in map pixels.
Box printedPart(const TracedMap& traced, int width, int height) {
  int left = traced.squaresAcross;
  int top = traced.squaresDown;
  int right = -1;
  int bottom = -1;
  for (int row = 0; row < traced.squaresDown; ++row) {
    for (int column = 0; column < traced.squaresAcross; ++column) {
      if (!traced.floorInSquare(column, row)) continue;
      left = std::min(left, column);
      top = std::min(top, row);
      right = std::max(right, column);
      bottom = std::max(bottom, row);
    }
  }
  if (right < 0) return {0, 0, static_cast<double>(width), static_cast<double>(height)};
  const double x0 = std::max(0, (left - 1) * kGridSize);
  const double y0 = std::max(0, (top - 1) * kGridSize);
  const double x1 = std::min(width, (right + 2) * kGridSize);
  const double y1 = std::min(height, (bottom + 2) * kGridSize);
  return {x0, y0, x1 - x0, y1 - y0};
}

int pagesFor(double length, double window, double overlap) {
  if (length <= window) return 1;
  return 1 + static_cast<int>(std::ceil((length - window) / (window - overlap) - 1e-9));
}

bool floorIn(const TracedMap& traced, const Box& window) {
  const int column0 = static_cast<int>(std::floor(window.x / kGridSize));
  const int row0 = static_cast<int>(std::floor(window.y / kGridSize));
  const int column1 = static_cast<int>(std::ceil(window.right() / kGridSize));
  const int row1 = static_cast<int>(std::ceil(window.bottom() / kGridSize));
  for (int row = row0; row < row1; ++row) {
    for (int column = column0; column < column1; ++column) {
      if (traced.floorInSquare(column, row)) return true;
    }
  }
  return false;
}

BattleMapLayout layoutOn(const TracedMap& traced, const Box& printed, double pageWidth,
                         double pageHeight, double scale) {
  BattleMapLayout layout;
  layout.pageWidth = pageWidth;
  layout.pageHeight = pageHeight;
  layout.landscape = pageWidth > pageHeight;
  layout.scale = scale;
  layout.printed = printed;
  const double margin = kPageMarginMm * kPointsPerMm;
  layout.content = {margin, margin, pageWidth - 2 * margin, pageHeight - 2 * margin};
  layout.overlap = kOverlapMm * kPointsPerMm / scale;
  const double windowWidth = layout.content.width / scale;
  const double windowHeight = layout.content.height / scale;
  layout.across = pagesFor(printed.width, windowWidth, layout.overlap);
  layout.down = pagesFor(printed.height, windowHeight, layout.overlap);
  for (int row = 0; row < layout.down; ++row) {
    for (int column = 0; column < layout.across; ++column) {
      BattlePage page;
      page.row = row;
      page.column = column;
      page.label = rowLetters(row) + std::to_string(column + 1);
      page.window = {printed.x + column * (windowWidth - layout.overlap),
                     printed.y + row * (windowHeight - layout.overlap), windowWidth, windowHeight};
      page.kept = floorIn(traced, page.window);
      layout.pages.push_back(std::move(page));
    }
  }
  return layout;
}

}  // namespace

BattleMapLayout battleMapLayout(const TracedMap& traced, int width, int height,
                                const BattleMapOptions& options) {
  const Box printed = printedPart(traced, width, height);
  const Box paper = paperBox(options.paper);
  const double scale = pointsPerPixel(options.square);
  BattleMapLayout portrait = layoutOn(traced, printed, paper.width, paper.height, scale);
  BattleMapLayout landscape = layoutOn(traced, printed, paper.height, paper.width, scale);
  return landscape.keptCount() < portrait.keptCount() ? landscape : portrait;
}

}  // namespace delvora
