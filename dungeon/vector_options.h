#pragma once

namespace delvora {

// How the map drawn as vectors looks. Classic: the map's own colours. Ink: a white ground with
// black walls and a light grid on the floor only, for little ink on paper.
enum class MapStyle { Classic, Ink };

// A style with its options.
struct MapLook {
  MapStyle style = MapStyle::Classic;
  // Hatch the rock along the outside of the walls.
  bool hatching = false;
  bool operator==(const MapLook&) const = default;
};

// The printed size of one grid square of a battle map: an inch, as battle mats have, or 25.6 mm,
// the scale of "Print Map 25mm Scale".
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
