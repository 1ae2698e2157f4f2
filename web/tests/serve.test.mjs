// The test server serves its folder and nothing else: neither a path that climbs out of it
// nor a symbolic link that leads out of it; and it sends the site's own policy as a header.
import assert from 'node:assert/strict';
import { mkdir, mkdtemp, rm, symlink, writeFile } from 'node:fs/promises';
import { request } from 'node:http';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import test from 'node:test';
import { serve } from '../serve.mjs';

const POLICY = "default-src 'none'; script-src 'self'";
const SECRET = 'a secret beside the served folder\n';

const place = await mkdtemp(join(tmpdir(), 'tarvek-serve-'));
const site = join(place, 'site');
await mkdir(join(site, 'inner'), { recursive: true });
await mkdir(join(place, 'outside'));
await writeFile(join(site, 'index.html'),
  `<!doctype html><meta charset="utf-8">\n<meta http-equiv="Content-Security-Policy" content="${POLICY}">\n<p>the page</p>\n`);
await writeFile(join(site, 'inner', 'page.txt'), 'inside\n');
await writeFile(join(site, 'app.mjs'), 'export {};\n');
await writeFile(join(place, 'secret.txt'), SECRET);
await writeFile(join(place, 'outside', 'secret.txt'), SECRET);
await symlink(join(place, 'secret.txt'), join(site, 'to-secret.txt'));  // a file out of the folder
await symlink(join(place, 'outside'), join(site, 'to-outside'));          // a folder out of it
await symlink('/etc/passwd', join(site, 'passwd'));
await symlink(join(site, 'inner', 'page.txt'), join(site, 'alias.txt'));  // a link that stays inside
await symlink(join(site, 'inner'), join(site, 'inner-alias'));

const server = await serve(site, 0);
test.after(async () => {
  server.closeAllConnections();
  await new Promise((done) => server.close(done));
  await rm(place, { recursive: true, force: true });
});

// The path is sent as it stands: no client tidies it first.
const get = (path) => new Promise((done, failed) => {
  request({ host: '127.0.0.1', port: server.address().port, path }, (response) => {
    let body = '';
    response.setEncoding('utf8');
    response.on('data', (chunk) => { body += chunk; });
    response.on('end', () => done({ status: response.statusCode, headers: response.headers, body }));
  }).on('error', failed).end();
});

test('what lies in the folder is served, through a link that stays inside too', async () => {
  for (const [path, body] of [['/inner/page.txt', 'inside\n'], ['/alias.txt', 'inside\n'], ['/inner-alias/page.txt', 'inside\n']]) {
    const answer = await get(path);
    assert.equal(answer.status, 200, path);
    assert.equal(answer.body, body, path);
  }
  assert.match((await get('/')).body, /the page/);
});

test('nothing outside the folder is served, however the path or a link leads there', async () => {
  const paths = ['/to-secret.txt', '/to-outside/secret.txt', '/passwd', '/../secret.txt', '/%2e%2e/secret.txt',
    '/..%2fsecret.txt', '/inner/..%2f..%2fsecret.txt', '/%2e%2e%2f%2e%2e%2fetc%2fpasswd', '/inner/%2E%2E/%2E%2E/secret.txt'];
  for (const path of paths) {
    const answer = await get(path);
    assert.ok([403, 404].includes(answer.status), `${path}: ${answer.status}`);
    assert.doesNotMatch(answer.body, /secret beside|root:/, path);
  }
});

test('the page and the scripts a worker may run come with the site\'s policy', async () => {
  for (const path of ['/', '/index.html', '/app.mjs']) {
    const policy = (await get(path)).headers['content-security-policy'];
    assert.equal(policy, `${POLICY}; frame-ancestors 'self'`, path);
  }
  assert.equal((await get('/inner/page.txt')).headers['content-security-policy'], undefined);
});
