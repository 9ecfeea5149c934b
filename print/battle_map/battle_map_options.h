#pragma once

#include "export/map_style.h"

namespace delvora {

// The printed size of one grid square: an inch, as battle mats have, or 25.6 mm, the scale of
// "Print Map 25mm Scale".
enum class SquareSize { Inch, Mm25_6 };
enum class PaperSize { A4, Letter };

// How a battle map is printed.
struct BattleMapOptions {
  SquareSize square = SquareSize::Inch;
  PaperSize paper = PaperSize::A4;
  MapLook look{MapStyle::Ink, false};
  bool operator==(const BattleMapOptions&) const = default;
};

}  // namespace delvora
