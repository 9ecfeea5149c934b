// The map's key from the dungeon document (dv_json): every room with its size, dressing and
// doors, and the staircases, of one level. Rooms are listed as the printed dressing lists them:
// the categories a room got (index above 0) with their text, then its doors.

const CATEGORY_LABELS = {
  description: 'Description',
  sounds: 'Sounds',
  smells: 'Smells',
  items: 'Items',
  traps: 'Traps',
  treasure: 'Treasure',
};
const WALL_LETTERS = { north: 'N', south: 'S', east: 'E', west: 'W' };
const DOOR_KINDS = { door: 'Door', concealed: 'Concealed Door', secret: 'Secret Door', archway: 'Archway' };

// A category the key does not know by name yet is shown by its own name, capitalised.
function categoryLabel(name) {
  return CATEGORY_LABELS[name] ?? name.charAt(0).toUpperCase() + name.slice(1).replace(/_/g, ' ');
}

// Sizes as the read-out and the printouts give them: tens of feet a grid square, rounded down.
function sizeText(pixels, squarePixels) {
  const feet = (length) => Math.floor((length * 10) / squarePixels);
  return `(${feet(pixels.right - pixels.left)}x${feet(pixels.bottom - pixels.top)})`;
}

// A door's line seen from the room: its dressing's line as the report writes it, or its wall and
// kind on a map without dressing.
function doorLine(door, roomNumber, wall) {
  const side = door.sides.find((s) => s.room === roomNumber);
  if (side?.dressing) return side.dressing.description.trimEnd();
  const line = `${WALL_LETTERS[wall] ?? wall} Wall - ${DOOR_KINDS[door.kind] ?? door.kind}`;
  return door.closed ? `${line} (walled up)` : line;
}

function roomEntries(room) {
  if (!room.dressing) return [];
  return Object.entries(room.dressing)
    .filter(([, entry]) => entry.index > 0)
    .map(([name, entry]) => ({ label: categoryLabel(name), text: entry.text ?? '' }));
}

function contains(rect, x, y) {
  return rect.left <= x && x < rect.right && rect.top <= y && y < rect.bottom;
}

// The room holding map pixel (x, y), or null.
export function roomAt(key, x, y) {
  return key.rooms.find((room) => contains(room.pixels, x, y)) ?? null;
}

// The key of level levelIndex (0 for the first) of document: { level, levels, numbered, dressed,
// rooms: [{ number, pixels, size, entries: [{ label, text }], doors: [line] }],
// stairs: [{ direction, pixels, room, leadsTo }] } where a staircase's room is the number of the
// room it stands in, or null in a corridor, and leadsTo the level it leads to, or null.
export function dungeonKey(document, levelIndex = 0) {
  const level = document.levels[levelIndex];
  const squarePixels = document.square_pixels;
  const rooms = level.rooms.map((room) => ({
    number: room.number,
    pixels: room.pixels,
    size: sizeText(room.pixels, squarePixels),
    entries: roomEntries(room),
    doors: room.doors.map(({ door, wall }) => doorLine(level.doors[door], room.number, wall)),
  }));
  const key = {
    level: level.level,
    levels: document.levels.length,
    numbered: !document.settings['no-number-rooms'],
    dressed: !document.settings['no-dressing'],
    rooms,
    stairs: [],
  };
  key.stairs = level.stairs.map((staircase) => {
    const { left, top, right, bottom } = staircase.pixels;
    const room = roomAt(key, (left + right) / 2, (top + bottom) / 2);
    return {
      direction: staircase.direction,
      pixels: staircase.pixels,
      room: room ? room.number : null,
      leadsTo: staircase.leads_to?.level ?? null,
    };
  });
  return key;
}
