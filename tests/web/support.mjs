// What the browser tests share: the site served and Debian's headless Chromium (one a test
// file), pages opened on a query, delvora-cli run for the same options, and comparisons.
// Needs DELVORA_SITE_DIR (the built site), DELVORA_CLI (delvora-cli) and DELVORA_NPM_DIR (where
// puppeteer-core and axe-core are installed).

import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { after, before } from 'node:test';
import { fileURLToPath } from 'node:url';

import { startServer } from '../../web/serve.mjs';
import { decodePng } from './png_pixels.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
export const siteDir = process.env.DELVORA_SITE_DIR;
export const cli = process.env.DELVORA_CLI;
const npmDir = process.env.DELVORA_NPM_DIR;
export const dressingData = path.join(here, '..', 'cli', 'data', 'dressing');
const npmRequire = createRequire(path.resolve(npmDir, 'package.json'));
export const puppeteer = npmRequire('puppeteer-core');
export const axeSource = fs.readFileSync(npmRequire.resolve('axe-core/axe.min.js'), 'utf8');

export const DESKTOP = { width: 1400, height: 900 };
// Phones as the tests hold them: the narrowest in use and a common one.
export const PHONES = [
  { width: 320, height: 568, isMobile: true, hasTouch: true, deviceScaleFactor: 2 },
  { width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 3 },
];

// The site on a local server and one browser for the test file: started before its tests and
// closed after them. server and browser are set once before() has run.
export const site = { server: null, browser: null };
before(async () => {
  site.server = await startServer(siteDir);
  site.browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox'],
  });
});
after(async () => {
  await site.browser?.close();
  await site.server?.close();
});

// A page with the query loaded and its first map drawn; page errors are gathered in page.errors.
export async function openPage(query = '', { viewport = DESKTOP, context = null, url = null } = {}) {
  const page = await (context ?? site.browser).newPage();
  await page.setViewport(viewport);
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto((url ?? site.server.url) + (query ? `?${query}` : ''));
  await page.evaluate(() => window.delvora.ready);
  page.errors = errors;
  return page;
}

// The query's parameters as delvora-cli arguments: the names are the same.
export function cliArguments(query) {
  const args = [];
  for (const part of query.split('&').filter(Boolean)) {
    const equals = part.indexOf('=');
    if (equals < 0) args.push(`--${part}`);
    else args.push(`--${part.slice(0, equals)}`, decodeURIComponent(part.slice(equals + 1)));
  }
  return args;
}

// Runs fn in a new empty folder (where delvora-cli picks up no dressing file by accident) and
// gives what fn returns; the folder is removed afterwards.
export function inScratch(fn) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'delvora-web-test-'));
  try {
    return fn(dir);
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

// delvora-cli's standard output for args, run in dir.
export function runCliIn(dir, args, encoding = 'latin1') {
  return execFileSync(cli, args, { cwd: dir, encoding, stdio: ['ignore', 'pipe', 'ignore'] });
}

// delvora-cli's dump, report and PNG for the arguments.
export function runCli(args) {
  return inScratch((dir) => ({
    dump: runCliIn(dir, [...args, '--dump', '-', '--report', 'report.txt', '-o', 'map.png']),
    report: fs.readFileSync(path.join(dir, 'report.txt')),
    png: fs.readFileSync(path.join(dir, 'map.png')),
  }));
}

// delvora-cli's standard error and exit status for the arguments (in an empty folder).
export function cliMessages(args) {
  return inScratch((dir) => {
    const run = spawnSync(cli, args, { cwd: dir, encoding: 'utf8', stdio: ['ignore', 'ignore', 'pipe'] });
    return { status: run.status, stderr: run.stderr };
  });
}

export function assertSamePixels(actualPng, expectedPng, what) {
  const actual = decodePng(actualPng);
  const expected = decodePng(expectedPng);
  assert.deepEqual([actual.width, actual.height], [expected.width, expected.height], `${what}: size`);
  assert.ok(actual.pixels.equals(expected.pixels), `${what}: pixels differ`);
}

export async function pageOutputs(page, { pxPerGrid = 16, playerMap = false } = {}) {
  return page.evaluate(
    (px, player) => ({
      dump: window.delvora.dump(),
      report: Array.from(window.delvora.reportBytes()),
      png: Array.from(window.delvora.png(px, player)),
    }),
    pxPerGrid,
    playerMap,
  );
}

export function generationOf(page) {
  return page.evaluate(() => window.delvora.generation);
}

export async function waitForGeneration(page, after) {
  await page.waitForFunction((n) => window.delvora.generation > n, { timeout: 10000 }, after);
}

export function noticeTexts(page) {
  return page.$$eval('#messages .notice-text', (spans) => spans.map((span) => span.textContent));
}

// Runs fn(folder) with the page's downloads going into a new folder; removed afterwards.
export async function withDownloads(page, fn) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'delvora-web-downloads-'));
  try {
    const cdp = await page.createCDPSession();
    await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: dir });
    return await fn(dir);
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

// Waits until every one of names is in dir (downloads finish in their own time).
export async function waitForFiles(dir, names, timeoutMs = 15000) {
  const deadline = Date.now() + timeoutMs;
  while (!names.every((name) => fs.existsSync(path.join(dir, name))) && Date.now() < deadline) {
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
}

// axe-core's serious and critical findings on the page as it is now, one line each.
export async function seriousAxeFindings(page) {
  if (!(await page.evaluate(() => 'axe' in window))) await page.addScriptTag({ content: axeSource });
  const violations = await page.evaluate(async () => {
    const results = await window.axe.run(document, { resultTypes: ['violations'] });
    return results.violations.map(({ id, impact, help, nodes }) => ({
      id,
      impact,
      help,
      targets: nodes.map((node) => node.target.join(' ')),
    }));
  });
  return violations
    .filter((v) => v.impact === 'serious' || v.impact === 'critical')
    .map((v) => `${v.impact} ${v.id}: ${v.help} (${v.targets.join(', ')})`);
}
