// The Delvora libraries compiled to WebAssembly, behind plain JavaScript calls.

import createDelvora from '../delvora.js';

const encoder = new TextEncoder();
const utf8 = new TextDecoder('utf-8', { fatal: true });

// Dressing bytes as text: UTF-8 when they are valid UTF-8, else Latin-1 (older dressing files),
// as the desktop shows them.
export function dressingText(bytes) {
  try {
    return utf8.decode(bytes);
  } catch {
    let text = '';
    for (let i = 0; i < bytes.length; i += 0x8000) {
      text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    }
    return text;
  }
}

export class Engine {
  static async load() {
    return new Engine(await createDelvora());
  }

  constructor(module) {
    this.m = module;
  }

  // Runs fn with the given strings as NUL-terminated UTF-8 in wasm memory.
  withStrings(strings, fn) {
    const pointers = strings.map((text) => {
      const bytes = encoder.encode(text);
      const pointer = this.m._malloc(bytes.length + 1);
      this.m.HEAPU8.set(bytes, pointer);
      this.m.HEAPU8[pointer + bytes.length] = 0;
      return pointer;
    });
    try {
      return fn(...pointers);
    } finally {
      pointers.forEach((pointer) => this.m._free(pointer));
    }
  }

  // A copy of the bytes a binding call left in its result buffer.
  resultBytes(pointer) {
    if (pointer === 0) return null;
    const size = this.m._dv_result_size();
    return this.m.HEAPU8.slice(pointer, pointer + size);
  }

  resultText(pointer) {
    const bytes = this.resultBytes(pointer);
    return bytes === null ? null : dressingText(bytes);
  }

  // The option table: one object an option (see OptionTable).
  optionRows() {
    return JSON.parse(this.resultText(this.m._dv_options()));
  }

  // What a query (a link's, or the form's) gives: { values, query, messages }, the values of the
  // page's options, the query that reproduces them and a message a parameter not used.
  readQuery(query) {
    return JSON.parse(this.withStrings([query], (text) => this.resultText(this.m._dv_read_query(text))));
  }

  // "Generate" with the options of a query, read as a link is, and its dead-end clean-ups:
  // { error, messages, caption, dressing, levels }; level 1 is shown.
  generate(query) {
    return JSON.parse(this.withStrings([query], (text) => this.resultText(this.m._dv_generate(text))));
  }

  // The level the picture, hover read-out and per-level downloads are of, from 1.
  showLevel(level) {
    this.m._dv_show_level(level);
  }

  // Every level's PNG, the report and the JSON as one ZIP archive (empty for a refused scale).
  archive(pxPerGrid, playerMap, baseName) {
    return this.withStrings([baseName], (name) =>
      this.resultBytes(this.m._dv_archive(pxPerGrid, playerMap ? 1 : 0, name)),
    );
  }

  warnings() {
    return this.resultText(this.m._dv_warnings())
      .split('\n')
      .filter((line) => line !== '');
  }

  deadEnds(mode) {
    this.m._dv_dead_ends(mode === 'some' ? 0 : 1);
  }

  // The map as ImageData for a canvas, for the game master or for players.
  picture(playerMap = false) {
    const width = this.m._dv_width();
    const height = this.m._dv_height();
    const pointer = this.m._dv_rgba(playerMap ? 1 : 0);
    // A view of the binding's buffer, valid until the next call; putImageData copies it.
    return new ImageData(new Uint8ClampedArray(this.m.HEAPU8.buffer, pointer, width * height * 4), width, height);
  }

  // The hover lines at map pixel (x, y): null over rock, [] over a corridor.
  hover(x, y) {
    const text = this.resultText(this.m._dv_hover(x, y));
    if (text === null) return null;
    return text === '' ? [] : text.split('\r');
  }

  dump() {
    return this.resultText(this.m._dv_dump());
  }

  reportBytes() {
    return this.resultBytes(this.m._dv_report());
  }

  // The dungeon document's bytes (UTF-8 JSON).
  jsonBytes() {
    return this.resultBytes(this.m._dv_json());
  }

  // A picture about to be made at pxPerGrid (0: not given) for the map PNG or, with tabletop, a
  // tabletop's scene: { pxPerGrid, error, warning }, the scale it gets and the command line's
  // error refusing it or warning about it ("" for none).
  checkPicture(pxPerGrid, tabletop) {
    return JSON.parse(this.resultText(this.m._dv_check_picture(pxPerGrid, tabletop ? 1 : 0)));
  }

  // The map PNG, the Universal VTT file and the Foundry scene at pxPerGrid as checkPicture takes
  // it; empty (the scene: null) when it refuses it.
  png(pxPerGrid = 16, playerMap = false) {
    return this.resultBytes(this.m._dv_png(pxPerGrid, playerMap ? 1 : 0));
  }

  uvtt(pxPerGrid, playerMap) {
    return this.resultBytes(this.m._dv_uvtt(pxPerGrid, playerMap ? 1 : 0));
  }

  // The map as an SVG drawn from the dungeon, as delvora-cli --export-svg writes it.
  svg(style, hatching, playerMap) {
    return this.resultBytes(this.m._dv_svg(style === 'ink' ? 1 : 0, hatching ? 1 : 0, playerMap ? 1 : 0));
  }

  // The battle map's PDF, as delvora-cli --print-battlemap writes it.
  battleMap({ square, paper, style, hatching }, playerMap) {
    return this.resultBytes(
      this.m._dv_battle_map(
        square === '25.6mm' ? 1 : 0,
        paper === 'letter' ? 1 : 0,
        style === 'ink' ? 1 : 0,
        hatching ? 1 : 0,
        playerMap ? 1 : 0,
      ),
    );
  }

  foundry(pxPerGrid, playerMap, baseName) {
    const scene = this.withStrings([baseName], (name) =>
      this.resultBytes(this.m._dv_foundry(pxPerGrid, playerMap ? 1 : 0, name)),
    );
    if (scene.length === 0) return null;
    return { scene, image: this.resultBytes(this.m._dv_foundry_image()) };
  }

  // The printed map's settings footer for the last "Generate" at date.
  footer(date) {
    return this.resultText(
      this.m._dv_footer(date.getFullYear(), date.getMonth() + 1, date.getDate(), date.getHours(), date.getMinutes()),
    );
  }

  // The legend strip's items: caption and swatch picture.
  legend() {
    const items = [];
    for (let item = 0; item < 4; ++item) {
      const caption = this.resultText(this.m._dv_legend_caption(item));
      const pointer = this.m._dv_legend_swatch(item);
      const heap = this.m.HEAPU8;
      const width = heap[pointer];
      const height = heap[pointer + 4];
      const pixels = heap.slice(pointer + 8, pointer + 8 + width * height * 4);
      items.push({ caption, swatch: new ImageData(new Uint8ClampedArray(pixels.buffer), width, height) });
    }
    return items;
  }

  // What the next Generate reads of the dressing files held: one { table, file, entries, empty }
  // a dressing table, file "" when none is chosen for it.
  dressingFiles() {
    return JSON.parse(this.resultText(this.m._dv_dressing_files()));
  }

  // The dressing files the next Generate reads: [name, bytes] pairs, held by the generator.
  setDressingFiles(files) {
    this.m._dv_clear_dressing_files();
    for (const [name, bytes] of files) {
      const pointer = this.m._malloc(Math.max(bytes.length, 1));
      this.m.HEAPU8.set(bytes, pointer);
      try {
        this.withStrings([name], (n) => this.m._dv_add_dressing_file(n, pointer, bytes.length));
      } finally {
        this.m._free(pointer);
      }
    }
  }
}
