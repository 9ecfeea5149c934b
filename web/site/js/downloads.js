// The page's downloads: the map PNG, the dressing report, the dungeon JSON, the two tabletop
// exports, the SVG, the battle map's PDF and, with several levels, every level at once as a ZIP
// archive. Pictures are checked first with delvora-cli's own rules (the same C++): a scale the
// command line refuses gets its message and no file, a small tabletop grid its warning; a scale
// not given takes the command line's default for each picture.

import { downloadBaseName } from './file_names.js';
import { saveBytes } from './save.js';

const PICTURES = {
  png: { what: 'The map PNG', tabletop: false },
  uvtt: { what: 'The Universal VTT file', tabletop: true },
  foundry: { what: 'The Foundry scene', tabletop: true },
  all: { what: 'The archive of every level', tabletop: false },
};

export class Downloads {
  // shown() gives the map on screen ({ values } of the form it was made with) or null;
  // options() how pictures are saved ({ pxPerGrid, playerMap }); level() the level shown when
  // there are several, else 0; vectorOptions() the SVG's and the battle map's settings
  // ({ square, paper, style, hatching }); setBusy(busy) shows the busy pointer.
  constructor({ engine, messages, shown, options, vectorOptions, level, setBusy }) {
    this.level = level;
    this.vectorOptions = vectorOptions;
    this.engine = engine;
    this.messages = messages;
    this.shown = shown;
    this.options = options;
    this.setBusy = setBusy;
  }

  save(kind) {
    const map = this.shown();
    if (!map) return;
    const { pxPerGrid, playerMap } = this.options();
    const base = downloadBaseName(map.values.title, map.values.seed, playerMap);
    // A single level's picture names its level when there are several.
    const level = this.level();
    const name = level > 0 ? `${base}-level-${level}` : base;
    this.messages.clear('downloads');
    const picture = PICTURES[kind];
    if (picture) {
      const check = this.engine.checkPicture(pxPerGrid, picture.tabletop);
      if (check.error !== '') {
        this.messages.show('error', `${picture.what} was not made: ${check.error}.`, { group: 'downloads' });
        return;
      }
      if (check.warning !== '') this.messages.show('warning', `${check.warning}.`, { group: 'downloads' });
    }
    this.setBusy(true);
    // Let the busy pointer show before a large picture is encoded.
    setTimeout(() => {
      try {
        this.write(
          kind,
          { name, base },
          pxPerGrid,
          playerMap,
          downloadBaseName(map.values.title, map.values.seed, false),
        );
      } finally {
        this.setBusy(false);
      }
    }, 0);
  }

  write(kind, { name, base }, pxPerGrid, playerMap, mapName) {
    const engine = this.engine;
    if (kind === 'png') {
      saveBytes(engine.png(pxPerGrid, playerMap), `${name}.png`, 'image/png');
    } else if (kind === 'report') {
      saveBytes(engine.reportBytes(), `${mapName}.txt`, 'text/plain');
    } else if (kind === 'json') {
      saveBytes(engine.jsonBytes(), `${mapName}.json`, 'application/json');
    } else if (kind === 'uvtt') {
      saveBytes(engine.uvtt(pxPerGrid, playerMap), `${name}.dd2vtt`, 'application/json');
    } else if (kind === 'svg') {
      const { style, hatching } = this.vectorOptions();
      saveBytes(engine.svg(style, hatching, playerMap), `${name}.svg`, 'image/svg+xml');
    } else if (kind === 'battle-map') {
      saveBytes(engine.battleMap(this.vectorOptions(), playerMap), `${name}-battle-map.pdf`, 'application/pdf');
    } else if (kind === 'all') {
      saveBytes(engine.archive(pxPerGrid, playerMap, base), `${base}.zip`, 'application/zip');
    } else if (kind === 'foundry') {
      // Named apart from the map PNG, so that the picture the scene names is the one saved.
      const files = engine.foundry(pxPerGrid, playerMap, `${name}-scene`);
      saveBytes(files.scene, `${name}-scene.json`, 'application/json');
      saveBytes(files.image, `${name}-scene.png`, 'image/png');
    }
  }
}
