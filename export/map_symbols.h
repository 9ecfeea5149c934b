#pragma once

#include "export/map_door.h"
#include "export/map_drawing.h"
#include "export/map_style.h"
#include "export/vector_surface.h"

namespace delvora {

// The door symbols of many doors, gathered into one path per colour. Kinds differ in shape as
// well as colour: a door is a plain leaf across the opening, a concealed door a leaf crossed by
// a diagonal, a secret door a leaf with an S, an archway two jambs across the wall.
struct DoorSymbols {
  // Leaves by fill: ordinary, concealed and secret doors.
  VectorPath doors;
  VectorPath concealed;
  VectorPath secret;
  // Leaf outlines and diagonals, stroked in the door line colour.
  VectorPath lines;
  // Archways' jambs, stroked like walls.
  VectorPath jambs;
  // The secret doors' S marks, stroked in the mark colour.
  VectorPath marks;

  void add(const MapDoor& door);
  void draw(VectorSurface& surface, const StyleSheet& sheet) const;
};

// The staircase symbols: a flight of steps rising to the right for up, a well with steps
// narrowing into it for down.
struct StairsSymbols {
  VectorPath up;
  VectorPath upLines;
  VectorPath down;
  VectorPath downLines;

  void add(const StairsMark& stairs);
  void draw(VectorSurface& surface, const StyleSheet& sheet) const;
};

}  // namespace delvora
