// The generation options of both option windows, with their captions, defaults and ranges, and
// the command line's name for each (which the page's links use too).

export const MAP_SIZES = ['640x480', '800x600', '1024x768', '1280x1024'];
export const ITERATIONS = [100, 250, 500, 750, 1000, 1500, 2000, 2500, 3000];
export const ROOM_SIZES = [
  { value: 'tiny', caption: 'Tiny' },
  { value: 'small', caption: 'Small' },
  { value: 'medium', caption: 'Medium' },
  { value: 'large', caption: 'Large' },
];
export const CORRIDORS = [
  { value: 'straight', caption: 'Straight' },
  { value: 'twisty', caption: 'Twisty' },
  { value: 'very-twisty', caption: 'Very Twisty' },
];
// Pixels per grid square offered for the PNG and the exports; 16 is the map as drawn.
export const SCALES = [
  { value: 16, caption: '16 (as drawn)' },
  { value: 50, caption: '50' },
  { value: 70, caption: '70 (Roll20)' },
  { value: 100, caption: '100' },
  { value: 140, caption: '140' },
];

export const MAX_SEED = 4294967295;

export function defaultOptions() {
  return {
    seed: 66205318,
    mapSize: '800x600',
    iterations: 250,
    roomSize: 'small',
    corridors: 'straight',
    stairs: 0,
    numberRooms: true,
    dressing: true,
    grid: true,
    river: false,
    chasm: false,
    title: '',
    corridorStairs: true,
    internalDressing: true,
    encounters: false,
    snap: true,
    background: true,
    dressRoll: 1,
    concealed: 13,
    secret: 3,
    // Not generation options: what the map has had done to it, and how it is downloaded.
    deadEnds: [],
    pxPerGrid: 16,
    playerMap: false,
  };
}

// The number a text holds when it is plain decimal digits within low..high, else null.
export function parseInteger(text, low, high) {
  if (!/^[0-9]+$/.test(text)) return null;
  const value = Number(text);
  return value >= low && value <= high ? value : null;
}

// Bits of the engine binding's option flags.
export function optionFlags(options) {
  const bits = [
    options.numberRooms,
    options.dressing && options.numberRooms,
    options.grid,
    options.river,
    options.chasm,
    options.background,
    options.snap,
    options.corridorStairs,
    options.internalDressing,
    options.encounters,
  ];
  return bits.reduce((flags, on, bit) => (on ? flags | (1 << bit) : flags), 0);
}

// The map window's caption, which the printout uses as its heading.
export function mapCaption(title) {
  return 'Delvora Demo - ' + (title === '' ? 'Untitled' : title);
}
