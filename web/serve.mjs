// A small static file server for the web edition's site folder: what `scripts/web.sh` serves
// and what the browser tests load the page from. Text and the generator go out compressed
// (brotli, or gzip for a browser that takes only that), as static hosts serve them; any static
// web server serves the folder as well.
// Usage: node web/serve.mjs SITE_DIR [PORT] [HOST]

import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import zlib from 'node:zlib';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
  '.txt': 'text/plain; charset=utf-8',
};
// PNG pictures are compressed already.
const COMPRESSIBLE = new Set(['.html', '.css', '.js', '.mjs', '.wasm', '.svg', '.json', '.webmanifest', '.txt']);

const ENCODERS = {
  br: (body) =>
    zlib.brotliCompressSync(body, {
      params: {
        [zlib.constants.BROTLI_PARAM_QUALITY]: zlib.constants.BROTLI_MAX_QUALITY,
        [zlib.constants.BROTLI_PARAM_SIZE_HINT]: body.length,
      },
    }),
  gzip: (body) => zlib.gzipSync(body, { level: 9 }),
};

// The encoding to send a file of extension ext in, for the request's Accept-Encoding.
function encodingFor(request, ext) {
  if (!COMPRESSIBLE.has(ext)) return null;
  const accepted = (request.headers['accept-encoding'] ?? '').split(',').map((part) => part.trim().split(';')[0]);
  return ['br', 'gzip'].find((encoding) => accepted.includes(encoding)) ?? null;
}

// Compressed bodies by file and encoding, made again when the file changes.
const compressed = new Map();
function compressedBody(file, stat, body, encoding) {
  const key = `${encoding}:${file}`;
  const known = compressed.get(key);
  if (known && known.mtimeMs === stat.mtimeMs && known.size === stat.size) return known.body;
  const packed = ENCODERS[encoding](body);
  compressed.set(key, { mtimeMs: stat.mtimeMs, size: stat.size, body: packed });
  return packed;
}

function send(request, response, file, compress) {
  fs.stat(file, (statError, stat) => {
    if (statError || !stat.isFile()) {
      response.writeHead(404, { 'Content-Type': 'text/plain' }).end('Not found');
      return;
    }
    fs.readFile(file, (error, body) => {
      if (error) {
        response.writeHead(404, { 'Content-Type': 'text/plain' }).end('Not found');
        return;
      }
      const ext = path.extname(file).toLowerCase();
      const headers = { 'Content-Type': TYPES[ext] ?? 'application/octet-stream', 'Cache-Control': 'no-cache' };
      if (COMPRESSIBLE.has(ext)) headers.Vary = 'Accept-Encoding';
      const encoding = compress ? encodingFor(request, ext) : null;
      if (encoding) {
        headers['Content-Encoding'] = encoding;
        body = compressedBody(file, stat, body, encoding);
      }
      response.writeHead(200, headers).end(request.method === 'HEAD' ? undefined : body);
    });
  });
}

// Serves siteDir on host:port (port 0 picks a free one), compressed unless compress is false;
// resolves to { url, close }.
export function startServer(siteDir, port = 0, host = '127.0.0.1', { compress = true } = {}) {
  const root = path.resolve(siteDir);
  const server = http.createServer((request, response) => {
    let pathname;
    try {
      pathname = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    } catch {
      response.writeHead(400).end();
      return;
    }
    let file = path.join(root, pathname);
    // Nothing outside the site folder.
    if (file !== root && !file.startsWith(root + path.sep)) {
      response.writeHead(403).end();
      return;
    }
    if (pathname.endsWith('/')) file = path.join(file, 'index.html');
    send(request, response, file, compress);
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, host, () => {
      const address = server.address();
      resolve({
        url: `http://${host === '0.0.0.0' ? 'localhost' : host}:${address.port}/`,
        close: () => {
          server.closeAllConnections();
          return new Promise((done) => server.close(done));
        },
      });
    });
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [siteDir, port = '8080', host = '127.0.0.1'] = process.argv.slice(2);
  if (!siteDir) {
    console.error('usage: node web/serve.mjs SITE_DIR [PORT] [HOST]');
    process.exit(2);
  }
  const { url } = await startServer(siteDir, Number(port), host);
  const shown = host === '127.0.0.1' ? url.replace('127.0.0.1', 'localhost') : url;
  console.log(`Serving ${path.resolve(siteDir)} at ${shown} (compressed; Ctrl+C stops)`);
}
