// The web edition in Debian's headless Chromium, against delvora-cli: the same options give the
// same dump, report bytes and PNG pixels; hover, link messages, dressing files, dead ends,
// the options' rules, links and a generator that does not load are handled as a user meets them.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { describe, test } from 'node:test';

import {
  assertSamePixels,
  cli,
  cliArguments,
  dressingData,
  generationOf,
  inScratch,
  noticeTexts,
  openPage,
  pageOutputs,
  runCli,
  runCliIn,
  site,
  waitForFiles,
  waitForGeneration,
  withDownloads,
} from './support.mjs';

// Every map size, river and chasm, no snap, stairs, dead ends, and every other option.
const OPTION_SETS = [
  '',
  'seed=0&map-size=640x480',
  'seed=4294967295&map-size=1024x768&room-size=medium&corridors=twisty',
  'seed=42&map-size=1280x1024&room-size=large&river&dead-ends=some,few',
  'seed=7&river',
  'seed=8&chasm&no-grid',
  'seed=9&map-size=1024x768&river&chasm',
  'seed=10&no-snap',
  'seed=11&no-snap&room-size=tiny&corridors=very-twisty&stairs=5',
  'seed=12&stairs=10&iterations=1000',
  'seed=13&stairs=4&no-corridor-stairs&corridors=twisty',
  'seed=14&dead-ends=some',
  'seed=15&dead-ends=few&corridors=very-twisty&iterations=500',
  'seed=16&no-grid&no-background&stairs=2',
  'seed=17&no-number-rooms',
  'seed=18&no-dressing&map-size=640x480',
  'seed=19&concealed=20&secret=20&dress-roll=6',
  'seed=20&no-internal-dressing&dress-roll=3',
  'seed=21&title=The%20Sunken%20Vault&iterations=137',
  'seed=22&map-size=1280x1024&iterations=3000&room-size=large&corridors=very-twisty&stairs=10&river&chasm&dead-ends=some,few',
  'seed=23&player-map&px-per-grid=50&river&dead-ends=some',
  'seed=24&concealed=0&secret=0&room-size=tiny&map-size=640x480&no-snap&chasm&dead-ends=some,few',
];

describe('the page and delvora-cli give the same dungeon', () => {
  for (const query of OPTION_SETS) {
    test(query || '(defaults)', async () => {
      const args = cliArguments(query);
      const pxPerGrid = Number(new URLSearchParams(query).get('px-per-grid') ?? 16);
      const playerMap = new URLSearchParams(query).has('player-map');
      const page = await openPage(query);
      try {
        const web = await pageOutputs(page, { pxPerGrid, playerMap });
        const expected = runCli(args);
        assert.equal(web.dump, expected.dump, 'dump');
        assert.ok(Buffer.from(web.report).equals(expected.report), 'report bytes');
        assertSamePixels(Buffer.from(web.png), expected.png, 'map PNG');
        assert.deepEqual(page.errors, []);
      } finally {
        await page.close();
      }
    });
  }
});

describe('levels', () => {
  test('each level tab shows the picture delvora-cli writes for that level', async () => {
    const query = 'seed=9&levels=3&stairs=4&river&dead-ends=some';
    const page = await openPage(query);
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'delvora-web-levels-'));
    try {
      execFileSync(
        cli,
        [...cliArguments(query), '-o', 'level-{level}.png', '--report', 'key.txt', '--export-json', 'd.json'],
        {
          cwd: dir,
          stdio: 'ignore',
        },
      );
      assert.equal(await page.evaluate(() => window.delvora.levelCount()), 3);
      assert.equal(await page.$$eval('#level-tabs button', (tabs) => tabs.length), 3);
      for (const level of [1, 2, 3]) {
        await page.click(`#level-tab-${level}`);
        const selected = await page.$eval(`#level-tab-${level}`, (tab) => tab.getAttribute('aria-selected'));
        assert.equal(selected, 'true');
        const png = Buffer.from(await page.evaluate(() => Array.from(window.delvora.png())));
        assertSamePixels(png, fs.readFileSync(path.join(dir, `level-${level}.png`)), `level ${level}`);
      }
      const web = await page.evaluate(() => ({
        report: Array.from(window.delvora.reportBytes()),
        json: window.delvora.json(),
      }));
      assert.ok(
        Buffer.from(web.report).equals(fs.readFileSync(path.join(dir, 'key.txt'))),
        'the key holds every level',
      );
      assert.equal(
        JSON.parse(web.json).links.length,
        JSON.parse(fs.readFileSync(path.join(dir, 'd.json'), 'utf8')).links.length,
      );
      assert.deepEqual(page.errors, []);
    } finally {
      fs.rmSync(dir, { recursive: true, force: true });
      await page.close();
    }
  });

  test('one level shows no tabs, and levels without stairs say why', async () => {
    const page = await openPage('seed=9');
    try {
      assert.equal(await page.$eval('#level-tabs', (tabs) => tabs.hidden), true);
      assert.equal(await page.$eval('#save-all', (button) => button.hidden), true);
    } finally {
      await page.close();
    }
    const refused = await openPage('seed=9&levels=2');
    try {
      const texts = await noticeTexts(refused);
      assert.ok(
        texts.some((text) => text.includes('staircase')),
        texts.join(' | '),
      );
    } finally {
      await refused.close();
    }
  });
});

// The dungeon document does not depend on whom the map is drawn for nor on the picture's scale.
const JSON_OPTION_SETS = [
  '',
  'seed=42&map-size=1280x1024&room-size=large&river&dead-ends=some,few',
  'seed=11&no-snap&room-size=tiny&corridors=very-twisty&stairs=5&chasm',
  'seed=17&no-number-rooms&dead-ends=few',
  'seed=21&title=Caf%C3%A9%20of%20the%20Sunken%20Vault&iterations=137&dress-roll=6',
  'seed=23&player-map&px-per-grid=50&river&dead-ends=some&concealed=20&secret=20',
];

describe("the page's JSON is delvora-cli --export-json", () => {
  for (const query of JSON_OPTION_SETS) {
    test(query || '(defaults)', async () => {
      const page = await openPage(query);
      try {
        const web = await page.evaluate(() => window.delvora.json());
        const expected = inScratch((dir) => runCliIn(dir, [...cliArguments(query), '--export-json', '-'], 'utf8'));
        assert.equal(web, expected);
        assert.equal(JSON.parse(web).format, 'delvora-dungeon');
        assert.deepEqual(page.errors, []);
      } finally {
        await page.close();
      }
    });
  }
});

test('the footer names the version delvora-cli shows', async () => {
  const page = await openPage();
  try {
    const cliVersion = execFileSync(cli, ['--version'], { encoding: 'utf8' }).split('\n')[0];
    const footer = await page.$eval('#status', (footer) => footer.textContent);
    assert.ok(footer.endsWith(cliVersion.replace('delvora-cli', 'Delvora')), footer);
  } finally {
    await page.close();
  }
});

// The report's block of one room: its label line, then "Heading       text" lines and doors.
function reportRoom(report, label) {
  const blocks = report.split('\r\n\r\n');
  const block = blocks.find((b) => b.startsWith(`Room ${label}\r\n`));
  return block.split('\r\n');
}

describe('hovering over the map', () => {
  test('a room shows its number, size, dressing and doors as the report has them', async () => {
    const page = await openPage('seed=31&stairs=2');
    try {
      const dump = await page.evaluate(() => window.delvora.dump());
      const report = await page.evaluate(() => window.delvora.report());
      const rooms = dump.split('[lstFluff]\n')[1].split('\n[')[0].split('\n');
      const record = rooms[1];
      const label = record.slice(0, 4);
      const [left, top, right, bottom] = [4, 8, 12, 16].map((at) => Number(record.slice(at, at + 4)));
      const box = await page.$eval('#map', (canvas) => canvas.getBoundingClientRect().toJSON());
      await page.mouse.move(box.x + (left + right) / 2, box.y + (top + bottom) / 2);
      const tooltip = await page.$eval('#tooltip', (element) => ({
        hidden: element.hidden,
        text: element.textContent,
      }));
      assert.equal(tooltip.hidden, false);

      const lines = tooltip.text.split('\n');
      assert.equal(lines[0], `Room ${label}`);
      assert.equal(
        lines[1],
        `Size  (${Math.floor(((right - left) * 10) / 16)}x${Math.floor(((bottom - top) * 10) / 16)})`,
      );
      // The six entries and the door lines equal the report's for the same room.
      const block = reportRoom(report, label);
      const headings = ['Description', 'Sounds', 'Smells', 'Items', 'Traps', 'Treasure'];
      headings.forEach((heading, i) => {
        assert.equal(lines[2 + 2 * i], heading);
        assert.equal(lines[3 + 2 * i], `  ${block[2 + i].slice(15)}`);
      });
      assert.equal(lines[14], 'Door(s)');
      const doors = block.slice(9).filter((line) => line !== '');
      assert.deepEqual(
        lines.slice(15).filter((line) => line !== ''),
        doors.map((door) => ` ${door}`),
      );
      assert.ok(doors.length > 0);

      // Rock: no feature rectangle holds the point, and the read-out goes away.
      const walls = dump
        .split('[lstWalls]\n')[1]
        .split('\n[')[0]
        .split('\n')
        .map((r) => [0, 4, 8, 12].map((at) => Number(r.slice(at, at + 4))));
      let rock = null;
      for (let y = 2; y < 600 && !rock; y += 16) {
        for (let x = 2; x < 800 && !rock; x += 16) {
          if (!walls.some(([l, t, r, b]) => l <= x && x <= r && t <= y && y <= b)) rock = { x, y };
        }
      }
      await page.mouse.move(box.x + rock.x + 0.5, box.y + rock.y + 0.5);
      assert.equal(await page.$eval('#tooltip', (element) => element.hidden), true);
    } finally {
      await page.close();
    }
  });

  test('without dressing nothing is shown', async () => {
    const page = await openPage('seed=31&no-dressing');
    try {
      const dump = await page.evaluate(() => window.delvora.dump());
      const wall = dump.split('[lstWalls]\n')[1].split('\n')[0];
      const [left, top, right, bottom] = [0, 4, 8, 12].map((at) => Number(wall.slice(at, at + 4)));
      const box = await page.$eval('#map', (canvas) => canvas.getBoundingClientRect().toJSON());
      await page.mouse.move(box.x + (left + right) / 2, box.y + (top + bottom) / 2);
      assert.equal(await page.$eval('#tooltip', (element) => element.hidden), true);
    } finally {
      await page.close();
    }
  });
});

describe('links', () => {
  test('a bad value names the parameter and what it accepts, and keeps its default', async () => {
    const page = await openPage('seed=42&map-size=999x1&stairs=eleven&river=yes&colour=red');
    try {
      const notices = await noticeTexts(page);
      // Each message holds the line delvora-cli gives for the same value.
      assert.ok(
        notices.some((t) =>
          t.includes(
            '"map-size" was not used: --map-size accepts 640x480, 800x600, 1024x768 or 1280x1024, not "999x1"',
          ),
        ),
        notices.join('\n'),
      );
      assert.ok(
        notices.some((t) =>
          t.includes('--stairs accepts a number from 0 to 10, not "eleven"; it keeps its default (0)'),
        ),
        notices.join('\n'),
      );
      assert.ok(
        notices.some((t) => t.includes('--river takes no value')),
        notices.join('\n'),
      );
      assert.ok(
        notices.some((t) => t.includes('"colour" is not a Delvora option')),
        notices.join('\n'),
      );
      // The rest of the link still counts: seed 42 with every other option at its default.
      assert.equal(await page.evaluate(() => window.delvora.dump()), runCli(['--seed', '42']).dump);
      assert.equal(await page.$eval('#map-size', (select) => select.value), '800x600');
      assert.deepEqual(page.errors, []);
    } finally {
      await page.close();
    }
  });

  test('no value a link gives reaches the generator unchecked', async () => {
    const page = await openPage('seed=4&corridors=0&map-size=4&room-size=7&px-per-grid=0&concealed=99');
    try {
      const notices = await noticeTexts(page);
      assert.equal(notices.length, 5, notices.join('\n'));
      assert.ok(
        notices.some((t) => t.includes('--corridors accepts straight, twisty or very-twisty, not "0"')),
        notices.join('\n'),
      );
      assert.equal(await page.evaluate(() => window.delvora.dump()), runCli(['--seed', '4']).dump);
      assert.equal(await page.$eval('#px-per-grid', (select) => select.value), '', 'not given');
      // Nor does a scale the binding is called with outside --px-per-grid's range; 0 is "not given".
      assert.deepEqual(await page.evaluate(() => [-1, 1001].map((px) => window.delvora.png(px).length)), [0, 0]);
      assert.ok(await page.evaluate(() => window.delvora.png(0).join() === window.delvora.png(16).join()));
      assert.deepEqual(page.errors, []);
    } finally {
      await page.close();
    }
  });

  test('the form is built from the option table: captions, choices and the values a link gives', async () => {
    const page = await openPage('seed=6&iterations=137&concealed=5&no-snap&corridors=twisty');
    try {
      const form = await page.evaluate(() => ({
        sizes: [...document.querySelectorAll('#map-size option')].map((o) => o.value),
        iterations: document.getElementById('iterations').value,
        corridors: [...document.querySelectorAll('input[name="corridors"]')].map((i) => [
          i.value,
          i.checked,
          i.parentElement.textContent.trim(),
        ]),
        concealed: document.getElementById('concealed').value,
        snap: document.getElementById('no-snap').checked,
        advancedOpen: document.getElementById('advanced').open,
        captions: [...document.querySelectorAll('#options label, #options legend, .seed span')].map((l) =>
          l.textContent.trim(),
        ),
      }));
      assert.deepEqual(form.sizes, ['640x480', '800x600', '1024x768', '1280x1024']);
      // A value the list does not offer is added to it.
      assert.equal(form.iterations, '137');
      assert.deepEqual(form.corridors, [
        ['straight', false, 'Straight'],
        ['twisty', true, 'Twisty'],
        ['very-twisty', false, 'Very Twisty'],
      ]);
      assert.equal(form.concealed, '5');
      assert.equal(form.snap, false);
      assert.equal(form.advancedOpen, true);
      for (const caption of [
        'Random Seed',
        'Map Size',
        'No of Staircases',
        'Number Rooms',
        'Show Grid',
        'Room Size',
        'Allow Stairs in corridors',
        '%age doors secret',
      ]) {
        assert.ok(
          form.captions.some((text) => text.startsWith(caption)),
          caption,
        );
      }
      assert.ok(
        form.captions.some((text) => /^Add dressing on a roll of a\s+1\s*2\s*3\s*4\s*5\s*6\s+or below$/.test(text)),
        form.captions.join('|'),
      );
      await page.waitForFunction(() => location.search.includes('concealed'), { timeout: 5000 });
      assert.equal(
        await page.evaluate(() => location.search),
        '?seed=6&iterations=137&corridors=twisty&no-snap&concealed=5',
      );
    } finally {
      await page.close();
    }
  });

  test('the options set on the page go into the address, which reproduces the dungeon', async () => {
    const page = await openPage();
    try {
      await page.$eval('#seed', (input) => {
        input.value = '';
      });
      await page.type('#seed', '99');
      await page.select('#map-size', '1024x768');
      await page.click('#river');
      await page.click('input[name="room-size"][value="large"]');
      await page.type('#title', 'Hall of Bones');
      // Enter in a field presses "Generate".
      const before = await generationOf(page);
      await page.keyboard.press('Enter');
      await waitForGeneration(page, before);
      await page.waitForFunction(() => location.search.includes('title='));
      const query = await page.evaluate(() => location.search);
      assert.equal(query, '?seed=99&map-size=1024x768&room-size=large&river&title=Hall%20of%20Bones');
      assert.equal(await page.$eval('#map-caption', (h) => h.textContent), 'Delvora Demo - Hall of Bones');
      // "Copy link" puts the address on the clipboard.
      await page.browserContext().overridePermissions(site.server.url, ['clipboard-read', 'clipboard-sanitized-write']);
      await page.click('#copy-link');
      await page.waitForSelector('#messages .notice.info');
      assert.equal(await page.evaluate(() => navigator.clipboard.readText()), `${site.server.url}${query}`);
      const dump = await page.evaluate(() => window.delvora.dump());
      const again = await openPage(query.slice(1));
      try {
        assert.equal(await again.evaluate(() => window.delvora.dump()), dump);
        assert.equal(await again.$eval('#title', (input) => input.value), 'Hall of Bones');
      } finally {
        await again.close();
      }
      // A second "Generate" on the same page draws as a first one does.
      const expected = runCli(cliArguments(query.slice(1)));
      assert.equal(dump, expected.dump);
      assertSamePixels(Buffer.from((await pageOutputs(page)).png), expected.png, 'second map');
    } finally {
      await page.close();
    }
  });
});

describe('the map window commands', () => {
  test('"Some" then "A Few" follow the menu rules and equal --dead-ends some,few', async () => {
    const page = await openPage('seed=5&corridors=very-twisty');
    try {
      const state = () =>
        page.evaluate(() => ['dead-lots', 'dead-some', 'dead-few'].map((id) => document.getElementById(id).disabled));
      assert.deepEqual(await state(), [false, false, false]);
      await page.click('#dead-some');
      assert.deepEqual(await state(), [true, true, false]);
      await page.click('#dead-few');
      assert.deepEqual(await state(), [true, true, true]);
      const web = await pageOutputs(page);
      const expected = runCli(['--seed', '5', '--corridors', 'very-twisty', '--dead-ends', 'some,few']);
      assert.equal(web.dump, expected.dump);
      assertSamePixels(Buffer.from(web.png), expected.png, 'map after the clean-ups');
      await page.waitForFunction(() => location.search.endsWith('dead-ends=some,few'), { timeout: 5000 });
    } finally {
      await page.close();
    }
  });

  test('dressing files chosen through the file input dress the dungeon as on the desktop', async () => {
    const page = await openPage('seed=5&dress-roll=6');
    try {
      const builtIn = await page.evaluate(() => window.delvora.report());
      const input = await page.$('#dressing-input');
      const before = await generationOf(page);
      const files = fs.readdirSync(dressingData).map((name) => path.join(dressingData, name));
      await input.uploadFile(...files);
      await waitForGeneration(page, before);
      const web = await pageOutputs(page);
      const expected = runCli(['--seed', '5', '--dress-roll', '6', '--dressing-dir', dressingData]);
      assert.notEqual(Buffer.from(web.report).toString('latin1'), builtIn);
      assert.ok(Buffer.from(web.report).equals(expected.report), 'report bytes');
      assert.equal(web.dump, expected.dump);
      const listed = await page.$$eval('#file-list li.loaded .file-state', (spans) => spans.map((s) => s.textContent));
      assert.equal(listed.length, 3, listed.join('\n'));
    } finally {
      await page.close();
    }
  });

  test('the downloads are the files delvora-cli writes', async () => {
    const page = await openPage('seed=7&stairs=3&px-per-grid=70&player-map');
    try {
      await withDownloads(page, async (downloads) => {
        for (const button of ['#save-png', '#save-report', '#save-uvtt', '#save-foundry', '#save-json'])
          await page.click(button);
        const names = [
          'delvora-7-players.png',
          'delvora-7.txt',
          'delvora-7-players.dd2vtt',
          'delvora-7-players-scene.json',
          'delvora-7-players-scene.png',
          'delvora-7.json',
        ];
        await waitForFiles(downloads, names);
        inScratch((expected) => {
          runCliIn(expected, [
            '--seed',
            '7',
            '--stairs',
            '3',
            '--px-per-grid',
            '70',
            '--player-map',
            '-o',
            'delvora-7-players.png',
            '--report',
            'delvora-7.txt',
            '--export-uvtt',
            'delvora-7-players.dd2vtt',
            '--export-foundry',
            'delvora-7-players-scene.json',
            '--export-json',
            'delvora-7.json',
          ]);
          for (const name of names) {
            const file = (dir) => fs.readFileSync(path.join(dir, name));
            if (name.endsWith('.png')) assertSamePixels(file(downloads), file(expected), name);
            else assert.ok(file(downloads).equals(file(expected)), name);
          }
        });
        // The scene's picture comes along under the name the scene gives it (in Foundry's Data folder).
        assert.match(
          fs.readFileSync(path.join(downloads, 'delvora-7-players-scene.json'), 'utf8'),
          /"src":\s*"delvora\/delvora-7-players-scene.png"/,
        );
      });
    } finally {
      await page.close();
    }
  });

  test('the SVG and the battle map are the files delvora-cli writes', async () => {
    const page = await openPage('seed=7&river&dead-ends=some');
    const downloads = fs.mkdtempSync(path.join(os.tmpdir(), 'delvora-web-downloads-'));
    const expected = fs.mkdtempSync(path.join(os.tmpdir(), 'delvora-web-expected-'));
    try {
      const cdp = await page.createCDPSession();
      await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
      const fetch = async (button, name) => {
        await page.click(button);
        const deadline = Date.now() + 15000;
        while (!fs.existsSync(path.join(downloads, name)) && Date.now() < deadline) {
          await new Promise((resolve) => setTimeout(resolve, 100));
        }
        const bytes = fs.readFileSync(path.join(downloads, name));
        fs.rmSync(path.join(downloads, name));
        return bytes;
      };
      const cliFile = (args, name) => {
        execFileSync(cli, ['--seed', '7', '--river', '--dead-ends', 'some', ...args], {
          cwd: expected,
          stdio: 'ignore',
        });
        return fs.readFileSync(path.join(expected, name));
      };
      // The defaults: ink, 1 inch squares on A4.
      assert.ok((await fetch('#save-svg', 'delvora-7.svg')).equals(cliFile(['--export-svg', 'a.svg'], 'a.svg')), 'SVG');
      assert.ok(
        (await fetch('#save-battle-map', 'delvora-7-battle-map.pdf')).equals(
          cliFile(['--print-battlemap', 'a.pdf'], 'a.pdf'),
        ),
        'battle map',
      );
      await page.select('#square', '25.6mm');
      await page.select('#paper', 'letter');
      await page.select('#style', 'classic');
      await page.click('#hatching');
      const args = ['--square', '25.6mm', '--paper', 'letter', '--style', 'classic', '--hatching'];
      assert.ok(
        (await fetch('#save-svg', 'delvora-7.svg')).equals(cliFile([...args, '--export-svg', 'b.svg'], 'b.svg')),
        'SVG, classic',
      );
      assert.ok(
        (await fetch('#save-battle-map', 'delvora-7-battle-map.pdf')).equals(
          cliFile([...args, '--print-battlemap', 'b.pdf'], 'b.pdf'),
        ),
        'battle map, letter',
      );
      assert.deepEqual(page.errors, []);
    } finally {
      fs.rmSync(downloads, { recursive: true, force: true });
      fs.rmSync(expected, { recursive: true, force: true });
      await page.close();
    }
  });
});

describe("the options follow the option windows' rules", () => {
  test('"Dressing" is off and disabled while "Number Rooms" is off', async () => {
    const page = await openPage();
    try {
      const dressing = () => page.$eval('#no-dressing', (box) => [box.checked, box.disabled]);
      assert.deepEqual(await dressing(), [true, false]);
      await page.click('#no-number-rooms');
      assert.deepEqual(await dressing(), [false, true]);
      await page.click('#no-number-rooms');
      assert.deepEqual(await dressing(), [false, false]);
    } finally {
      await page.close();
    }
  });

  test('the door percentages take digits only and settle to 0..20 on leaving', async () => {
    const page = await openPage();
    try {
      await page.click('#advanced summary');
      const field = async (typed) => {
        await page.$eval('#concealed', (input) => {
          input.value = '';
        });
        await page.type('#concealed', typed);
        await page.focus('#secret');
        return page.$eval('#concealed', (input) => input.value);
      };
      assert.equal(await field('7'), '7');
      assert.equal(await field('25'), '20');
      assert.equal(await field(''), '0');
      assert.equal(await field('1x2'), '12');
    } finally {
      await page.close();
    }
  });
});

describe('when the generator cannot be loaded', () => {
  test('the page says so in plain words and every control is off', async () => {
    // A context of its own: in the others the service worker has the generator at hand.
    const context = await site.browser.createBrowserContext();
    const page = await context.newPage();
    try {
      await page.setRequestInterception(true);
      page.on('request', (request) => (request.url().endsWith('.wasm') ? request.abort() : request.continue()));
      await page.goto(site.server.url);
      await page.waitForSelector('#messages .notice.error');
      const notices = await noticeTexts(page);
      assert.equal(notices.length, 1, notices.join('\n'));
      assert.match(notices[0], /^Delvora could not start: the dungeon generator did not load\. Reload the page/);
      assert.doesNotMatch(notices[0], /wasm|WebAssembly|abort|instantiate|fetch/i);
      const enabled = await page.$$eval(
        'header button, header input, main .toolbar button, aside :is(button, input, select)',
        (controls) => controls.filter((control) => !control.disabled).map((control) => control.id),
      );
      assert.deepEqual(enabled, []);
      // Enter in the seed field stays on the page.
      await page.focus('#seed');
      await page.keyboard.press('Enter');
      assert.equal(new URL(page.url()).search, '');
    } finally {
      await context.close();
    }
  });
});
