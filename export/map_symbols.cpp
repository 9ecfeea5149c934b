#include "export/map_symbols.h"

namespace delvora {

namespace {

// A leaf spans the opening and half a pixel of wall at each end, this far each side of the
// wall line.
constexpr double kLeafHalfDepth = 2;
constexpr double kJambHalfLength = 2.5;
constexpr double kMarkWidth = 0.6;

// Coordinates along the door's wall (u) and across it (v), in map pixels.
struct DoorFrame {
  const MapDoor& door;
  VecPoint at(double u, double v) const {
    return door.orientation == 'H' ? VecPoint{u, v} : VecPoint{v, u};
  }
  double from() const { return door.orientation == 'H' ? door.from.x : door.from.y; }
  double to() const { return door.orientation == 'H' ? door.to.x : door.to.y; }
  double line() const { return wallLine(door); }
};

void addLeaf(VectorPath& path, const DoorFrame& f) {
  const double u0 = f.from() - 0.5;
  const double u1 = f.to() + 0.5;
  const double v0 = f.line() - kLeafHalfDepth;
  const double v1 = f.line() + kLeafHalfDepth;
  path.moveTo(f.at(u0, v0));
  path.lineTo(f.at(u1, v0));
  path.lineTo(f.at(u1, v1));
  path.lineTo(f.at(u0, v1));
  path.close();
}

// An S in a box 3 pixels high at the leaf's middle, upright whichever way the wall runs.
void addMark(VectorPath& path, const DoorFrame& f) {
  const VecPoint c = f.at((f.from() + f.to()) / 2, f.line());
  path.moveTo({c.x + 1.1, c.y - 1.2});
  path.cubicTo({c.x + 0.2, c.y - 1.9}, {c.x - 1.6, c.y - 1.4}, {c.x - 1.2, c.y - 0.5});
  path.cubicTo({c.x - 0.9, c.y + 0.2}, {c.x + 1.2, c.y - 0.1}, {c.x + 1.2, c.y + 0.6});
  path.cubicTo({c.x + 1.2, c.y + 1.5}, {c.x - 0.4, c.y + 1.9}, {c.x - 1.2, c.y + 1.2});
}

}  // namespace

void DoorSymbols::add(const MapDoor& door) {
  const DoorFrame f{door};
  switch (door.kind) {
    case 'A':
      for (const double u : {f.from(), f.to()}) {
        jambs.moveTo(f.at(u, f.line() - kJambHalfLength));
        jambs.lineTo(f.at(u, f.line() + kJambHalfLength));
      }
      return;
    case 'C':
      addLeaf(concealed, f);
      addLeaf(lines, f);
      lines.moveTo(f.at(f.from() - 0.5, f.line() - kLeafHalfDepth));
      lines.lineTo(f.at(f.to() + 0.5, f.line() + kLeafHalfDepth));
      return;
    case 'S':
      addLeaf(secret, f);
      addLeaf(lines, f);
      addMark(marks, f);
      return;
    default:
      addLeaf(doors, f);
      addLeaf(lines, f);
      return;
  }
}

void DoorSymbols::draw(VectorSurface& surface, const StyleSheet& sheet) const {
  if (!doors.empty()) surface.fill(doors, sheet.door, FillRule::NonZero);
  if (!concealed.empty()) surface.fill(concealed, sheet.concealedDoor, FillRule::NonZero);
  if (!secret.empty()) surface.fill(secret, sheet.secretDoor, FillRule::NonZero);
  if (!lines.empty()) {
    surface.stroke(lines, {sheet.doorLine, sheet.doorLineWidth, LineCap::Butt, LineJoin::Miter});
  }
  if (!jambs.empty()) {
    surface.stroke(jambs, {sheet.wall, sheet.wallWidth, LineCap::Butt, LineJoin::Miter});
  }
  if (!marks.empty()) {
    surface.stroke(marks, {sheet.secretMark, kMarkWidth, LineCap::Round, LineJoin::Round});
  }
}

void StairsSymbols::add(const StairsMark& stairs) {
  const double x = stairs.rect.left;
  const double y = stairs.rect.top;
  if (!stairs.down) {
    // Four steps from the bottom left up to the top right.
    static constexpr double kSteps[] = {1, 4.5, 8, 11.5, 15};
    VectorPath flight;
    flight.moveTo({x + 1, y + 15});
    for (int i = 0; i < 4; ++i) {
      flight.lineTo({x + kSteps[i], y + kSteps[4 - i] - 3.5});
      flight.lineTo({x + kSteps[i + 1], y + kSteps[4 - i] - 3.5});
    }
    flight.lineTo({x + 15, y + 15});
    flight.close();
    up.append(flight);
    upLines.append(flight);
    return;
  }
  VectorPath well;
  well.rect(x + 1, y + 1, 14, 14);
  down.append(well);
  downLines.append(well);
  // Step edges narrowing towards the bottom.
  for (int i = 0; i < 3; ++i) {
    const double inset = 1 + 1.75 * i;
    downLines.moveTo({x + inset, y + 4.5 + 3.5 * i});
    downLines.lineTo({x + 16 - inset, y + 4.5 + 3.5 * i});
  }
}

void StairsSymbols::draw(VectorSurface& surface, const StyleSheet& sheet) const {
  constexpr double kLineWidth = 0.6;
  if (!up.empty()) {
    surface.fill(up, sheet.stairsUp, FillRule::NonZero);
    surface.stroke(upLines, {sheet.stairsUpLine, kLineWidth, LineCap::Butt, LineJoin::Miter});
  }
  if (!down.empty()) {
    surface.fill(down, sheet.stairsDown, FillRule::NonZero);
    surface.stroke(downLines, {sheet.stairsDownLine, kLineWidth, LineCap::Butt, LineJoin::Miter});
  }
}

}  // namespace delvora
