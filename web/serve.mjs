// Serves a folder on 127.0.0.1 as any static host would, for trying the site out
// (`make web-serve`) and for the browser tests: GET and HEAD only, the .wasm with its
// application/wasm type, nothing outside the folder (a symbolic link leading out of it
// included), and the site's own Content-Security-Policy as a header.
import { createReadStream, readFileSync } from 'node:fs';
import { realpath, stat } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { pathToFileURL } from 'node:url';

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.mjs': 'text/javascript; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8', '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.png': 'image/png',
  '.jpg': 'image/jpeg', '.gif': 'image/gif', '.pdf': 'application/pdf', '.json': 'application/json',
  '.txt': 'text/plain; charset=utf-8',
};
// The policy governs what a document or a worker may do; those are the HTML pages and the
// scripts a worker runs from (the search's worker, the service worker). A PDF or a picture
// shown on its own is left to the browser's viewer.
const GOVERNED = new Set(['.html', '.mjs', '.js']);

// The policy the site's page carries in its <meta>, written there once; a header can also say
// who may frame the page, which a <meta> cannot.
export function sitePolicy(folder) {
  let page;
  try {
    page = readFileSync(join(folder, 'index.html'), 'utf8');
  } catch {
    return null;
  }
  const meta = page.match(/<meta\s+http-equiv="Content-Security-Policy"\s+content="([^"]*)"/i);
  return meta ? `${meta[1]}; frame-ancestors 'self'` : null;
}

const inside = (root, file) => file === root || file.startsWith(root + sep);

export async function serve(folder, port = 0, host = '127.0.0.1') {
  const root = await realpath(resolve(folder));
  const policy = sitePolicy(root);
  const server = createServer(async (request, response) => {
    if (request.method !== 'GET' && request.method !== 'HEAD') {
      response.writeHead(405, { Allow: 'GET, HEAD' }).end();
      return;
    }
    let path;
    try {
      path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    } catch {
      response.writeHead(400).end();
      return;
    }
    let file = normalize(join(root, path));
    if (!inside(root, file)) {
      response.writeHead(403).end();
      return;
    }
    try {
      if ((await stat(file)).isDirectory()) file = join(file, 'index.html');
      // The file a link leads to must lie in the folder too.
      file = await realpath(file);
      if (!inside(root, file)) {
        response.writeHead(403).end();
        return;
      }
      const { size } = await stat(file);
      const extension = extname(file).toLowerCase();
      const headers = {
        'Content-Type': TYPES[extension] || 'application/octet-stream',
        'Content-Length': size, 'Cache-Control': 'no-cache', 'X-Content-Type-Options': 'nosniff',
      };
      if (policy && GOVERNED.has(extension)) headers['Content-Security-Policy'] = policy;
      response.writeHead(200, headers);
      if (request.method === 'HEAD') response.end();
      else createReadStream(file).on('error', () => response.destroy()).pipe(response);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain' }).end('Not found\n');
    }
  });
  return new Promise((done, failed) => {
    server.once('error', failed);
    server.listen(port, host, () => done(server));
  });
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [folder = 'build/web', port = '8080'] = process.argv.slice(2);
  const server = await serve(folder, Number(port));
  console.log(`Serving ${folder} on http://127.0.0.1:${server.address().port}/ (Ctrl+C stops)`);
}
