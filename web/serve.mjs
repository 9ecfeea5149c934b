// A small static file server for the web edition's site folder: what `scripts/web.sh` serves
// and what the browser tests load the page from. Any static web server serves the folder as well.
// Usage: node web/serve.mjs SITE_DIR [PORT] [HOST]

import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.json': 'application/json',
  '.txt': 'text/plain; charset=utf-8',
};

// Serves siteDir on host:port (port 0 picks a free one); resolves to { url, close }.
export function startServer(siteDir, port = 0, host = '127.0.0.1') {
  const root = path.resolve(siteDir);
  const server = http.createServer((request, response) => {
    const pathname = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    let file = path.join(root, pathname);
    // Nothing outside the site folder.
    if (file !== root && !file.startsWith(root + path.sep)) {
      response.writeHead(403).end();
      return;
    }
    if (pathname.endsWith('/')) file = path.join(file, 'index.html');
    fs.readFile(file, (error, body) => {
      if (error) {
        response.writeHead(404, { 'Content-Type': 'text/plain' }).end('Not found');
        return;
      }
      const type = TYPES[path.extname(file).toLowerCase()] ?? 'application/octet-stream';
      response.writeHead(200, { 'Content-Type': type, 'Cache-Control': 'no-cache' }).end(body);
    });
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, host, () => {
      const address = server.address();
      resolve({
        url: `http://${host === '0.0.0.0' ? 'localhost' : host}:${address.port}/`,
        close: () => new Promise((done) => server.close(done)),
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
  console.log(`Serving ${path.resolve(siteDir)} at ${shown} (Ctrl+C stops)`);
}
