// Names of downloaded files: the map's title as typed, letters of every script kept, without
// only what file systems refuse.

// Control characters and what Windows refuses in a name ("/" is refused everywhere).
const REFUSED = /[\u0000-\u001f\u007f<>:"/\\|?*]/g;
// Names Windows keeps for devices, with or without an extension.
const RESERVED = /^(con|prn|aux|nul|com[0-9\u00b9\u00b2\u00b3]|lpt[0-9\u00b9\u00b2\u00b3])(\.|$)/i;
// File systems take 255 bytes a name; what follows the title ("-players-scene.json") needs 20.
const MAX_TITLE_BYTES = 200;

const encoder = new TextEncoder();

// The longest start of text of at most maxBytes bytes in UTF-8, never cutting a character.
function cutToBytes(text, maxBytes) {
  let bytes = 0;
  let cut = '';
  for (const character of text) {
    bytes += encoder.encode(character).length;
    if (bytes > maxBytes) break;
    cut += character;
  }
  return cut;
}

// The title as a file name's start: refused characters dropped, runs of blanks made one, no
// leading or trailing dots or blanks (Windows drops trailing ones, a leading dot hides a file);
// empty when nothing is left.
export function titleFileName(title) {
  let name = title.normalize('NFC').replace(/\s+/g, ' ').replace(REFUSED, '');
  name = cutToBytes(name, MAX_TITLE_BYTES).replace(/^[\s.]+|[\s.]+$/g, '');
  if (RESERVED.test(name)) name = `${name} map`;
  return name;
}

// The start of every file name of a map: its title, or "delvora-" and the seed when it has none;
// "-players" follows for the players' pictures.
export function downloadBaseName(title, seed, playerMap) {
  const base = titleFileName(title) || `delvora-${seed}`;
  return playerMap ? `${base}-players` : base;
}
