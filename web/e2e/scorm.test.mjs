// The SCORM 1.2 package on a learning platform: the package unzipped and served from 127.0.0.1
// with a platform page around it whose runtime is scorm-again's, the page in a frame, driven as a
// student would. The learner's name arrives, rows are recorded and kept in suspend_data, a second
// launch with the stored cmi data brings the notebook back, completion and score follow the
// droplets timed, and a platform that refuses to commit is said to the student, who loses nothing.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { createServer } from 'node:http';
import { mkdirSync, mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { unzipSync } from 'fflate';
import { launchChromium, pagePath, repositoryRoot } from './browser.mjs';
import { caption } from './catalogue.mjs';
import { named, text } from './session.mjs';

const language = 'en';
const en = (n) => caption(language, n);
const lessonText = { openCsv: 613, scormTooLarge: 787, scormRefused: 788, scormUnreadable: 789, progress: 790, notebookTitle: 500 };
const packageFile = path.join(path.dirname(pagePath), 'tessilar-scorm12.zip');
const served = mkdtempSync(path.join(tmpdir(), 'tessilar-scorm-'));
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

/// The platform's page: scorm-again's SCORM 1.2 runtime as window.API, started from the cmi data
/// the test hands it, and the package's launch file in a frame.
const platformPage = `<!DOCTYPE html><html><head><meta charset="utf-8">
<script src="/scorm12.js"></script>
<script>
  const options = JSON.parse(decodeURIComponent(location.hash.slice(1) || '%7B%7D'));
  window.API = new Scorm12API({ logLevel: 5 });
  window.API.loadFromJSON(options.cmi || { core: { student_id: 'anna-01', student_name: 'Kovács, Anna' } });
  if (options.refuseCommit) window.API.LMSCommit = () => 'false';
</script></head>
<body style="margin:0"><iframe id="sco" src="/package/tessilar.html${'?lang=en&droplets=3'}" style="width:1366px;height:768px;border:0"></iframe></body></html>`;

let server;
let origin;
let browser;

before(async () => {
  for (const [name, bytes] of Object.entries(unzipSync(readFileSync(packageFile)))) {
    const file = path.join(served, 'package', name);
    mkdirSync(path.dirname(file), { recursive: true });
    writeFileSync(file, bytes);
  }
  const runtime = readFileSync(path.join(repositoryRoot, 'web/node_modules/scorm-again/dist/scorm12.js'));
  server = createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    const send = (type, body) => { response.writeHead(200, { 'content-type': type }); response.end(body); };
    if (url.pathname === '/platform.html') return send('text/html; charset=utf-8', platformPage);
    if (url.pathname === '/scorm12.js') return send('text/javascript', runtime);
    const file = path.join(served, path.normalize(url.pathname));
    if (file.startsWith(path.join(served, 'package'))) {
      try {
        return send(file.endsWith('.html') ? 'text/html; charset=utf-8' : 'application/xml', readFileSync(file));
      } catch { /* not there */ }
    }
    response.writeHead(404);
    response.end();
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  origin = `http://127.0.0.1:${server.address().port}`;
  browser = await launchChromium();
});
after(async () => {
  await browser?.close();
  await new Promise((resolve) => server?.close(resolve));
});

/// The platform's page with the package in its frame; only 127.0.0.1 may be reached.
async function launch(options = {}) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 1400, height: 800 });
  const refused = [];
  const errors = [];
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    if (request.url().startsWith(origin) || request.url().startsWith('data:') || request.url().startsWith('blob:')) request.continue();
    else { refused.push(request.url()); request.abort('blockedbyclient'); }
  });
  page.on('pageerror', (error) => errors.push(String(error)));
  await page.goto(`${origin}/platform.html#${encodeURIComponent(JSON.stringify(options))}`, { waitUntil: 'load' });
  let frame;
  for (let waited = 0; !frame && waited < 30_000; waited += 100) {
    frame = page.frames().find((f) => f.url().includes('/package/'));
    if (!frame) await pause(100);
  }
  assert.ok(frame, 'the package is not in its frame');
  const field = await control(frame, caption(language, 257), ['textbox']);
  return { page, context, frame, field, refused, errors };
}

/// The control with the accessible name in the frame, once it is there.
async function control(frame, name, roles) {
  const deadline = Date.now() + 30_000;
  for (;;) {
    for (const role of roles) {
      const handle = await frame.$(named(name, role));
      if (handle) return handle;
    }
    assert.ok(Date.now() < deadline, `no control named ${JSON.stringify(name)}`);
    await pause(100);
  }
}

const cmi = (session) => session.page.evaluate(() => JSON.parse(JSON.stringify(window.API.cmi)));

/// Past the prompt with the identifier it offers (the platform's name for the learner).
async function begin(session) {
  const offered = await session.field.evaluate((e) => e.value);
  await session.page.keyboard.press('Enter');
  await session.frame.waitForFunction(() => !document.querySelector('#prompt-dialog')?.open, { timeout: 30_000 });
  return offered;
}

async function record(session) {
  for (const key of ['F5', 'F6', 'F8']) {
    await session.page.keyboard.press(key);
    await pause(300);
  }
}

/// Opens a notebook file in the frame's notebook window, as a student does.
async function openNotebook(session, file) {
  await session.page.keyboard.press('F7');
  const button = await control(session.frame, en(lessonText.openCsv), ['button']);
  const [chooser] = await Promise.all([session.page.waitForFileChooser({ timeout: 30_000 }), button.click()]);
  await chooser.accept([file]);
}

/// The rows of a timed notebook with the charges of its first `droplets` droplets.
function notebookOf(droplets) {
  const lines = readFileSync(path.join(repositoryRoot, 'docs/notebook/demo-student.csv'), 'utf8').split('\r\n');
  const file = path.join(served, `droplets-${droplets}.csv`);
  writeFileSync(file, [lines[0], ...lines.slice(1, 1 + 2 * droplets), ''].join('\r\n'));
  return file;
}

async function waitFor(what, check) {
  for (let waited = 0; waited < 30_000; waited += 200) {
    if (await check()) return;
    await pause(200);
  }
  assert.fail(`waited 30 s for ${what}`);
}

describe('the SCORM 1.2 package on a platform', () => {
  let stored;

  it('the manifest has the structure SCORM 1.2 asks for, and names the files the package holds', async () => {
    const session = await launch();
    const manifest = readFileSync(path.join(served, 'package/imsmanifest.xml'), 'utf8');
    const found = await session.page.evaluate((xml) => {
      const doc = new DOMParser().parseFromString(xml, 'application/xml');
      const cp = 'http://www.imsproject.org/xsd/imscp_rootv1p1p2';
      const adl = 'http://www.adlnet.org/xsd/adlcp_rootv1p2';
      const one = (name, within = doc) => within.getElementsByTagNameNS(cp, name)[0];
      const organizations = one('organizations');
      const organization = [...doc.getElementsByTagNameNS(cp, 'organization')].find((o) => o.getAttribute('identifier') === organizations.getAttribute('default'));
      const item = one('item', organization);
      const resource = [...doc.getElementsByTagNameNS(cp, 'resource')].find((r) => r.getAttribute('identifier') === item.getAttribute('identifierref'));
      return {
        error: doc.getElementsByTagName('parsererror').length,
        root: doc.documentElement.localName,
        schema: one('schema').textContent,
        version: one('schemaversion').textContent,
        titled: one('title', organization).textContent.length > 0,
        scormType: resource.getAttributeNS(adl, 'scormtype'),
        launch: resource.getAttribute('href'),
        files: [...resource.getElementsByTagNameNS(cp, 'file')].map((f) => f.getAttribute('href')),
      };
    }, manifest);
    assert.deepEqual(found, {
      error: 0, root: 'manifest', schema: 'ADL SCORM', version: '1.2', titled: true,
      scormType: 'sco', launch: 'tessilar.html', files: ['tessilar.html'],
    });
    await session.context.close();
  });

  it('the learner\'s name arrives; rows are kept in suspend_data; completion and score follow the droplets', async () => {
    const session = await launch();
    assert.equal(await begin(session), 'Kovács, Anna');
    await record(session);
    await record(session);
    await waitFor('the rows in suspend_data', async () => (await cmi(session)).suspend_data.startsWith('TSL1:'));
    let data = await cmi(session);
    assert.equal(data.core.lesson_status, 'incomplete');
    assert.equal(data.core.score.raw, '0');
    // Two droplets of the three asked timed, then three.
    for (const [droplets, status, score] of [[2, 'incomplete', '66'], [3, 'completed', '100']]) {
      await openNotebook(session, notebookOf(droplets));
      await waitFor(`${droplets} droplets reported`, async () => (await cmi(session)).core.score.raw === score);
      data = await cmi(session);
      assert.equal(data.core.lesson_status, status);
    }
    const interactions = Object.values(data.interactions);
    // A charge each and the estimate, as numbers the platform's report shows.
    assert.deepEqual(interactions.map((i) => [i.id, i.type]), [['charge-1', 'numeric'], ['charge-2', 'numeric'], ['charge-3', 'numeric'], ['estimate-e', 'numeric']]);
    assert.match(interactions[3].student_response, /^1\.\d{4}$/);
    stored = data;
    if (process.env.TESSILAR_SCORM_CMI) writeFileSync(process.env.TESSILAR_SCORM_CMI, `${JSON.stringify(data, null, 2)}\n`);
    await session.page.close(); // the page's end: LMSFinish
    assert.deepEqual(session.refused, []);
    assert.deepEqual(session.errors, []);
    await session.context.close();
  });

  it('a second launch with the stored cmi data brings the notebook back', async () => {
    const session = await launch({ cmi: { suspend_data: stored.suspend_data, core: { student_id: 'anna-01', student_name: 'Kovács, Anna' } } });
    await begin(session);
    await session.page.keyboard.press('F7');
    await waitFor('the three droplets in the notebook', async () =>
      (await session.frame.$$eval('.notebook-table tbody tr', (rows) => rows.length)) === 6);
    assert.deepEqual(session.errors, []);
    await session.context.close();
  });

  it('kept data that cannot be read is kept aside in the browser, and said', async () => {
    const session = await launch({ cmi: { suspend_data: 'TSL1:not a notebook', core: { student_id: 'b', student_name: 'Nagy, Béla' } } });
    await begin(session);
    const said = en(lessonText.scormUnreadable).split('(')[0].trim();
    await session.frame.waitForFunction((s) => document.body.innerText.includes(s), { timeout: 30_000 }, said);
    const aside = await session.frame.evaluate(() => Object.keys(localStorage).filter((k) => k.startsWith('tessilar.unreadable:')).map((k) => localStorage.getItem(k)));
    assert.deepEqual(aside, ['TSL1:not a notebook']);
    await session.context.close();
  });

  it('a notebook too large for suspend_data is said, and kept in the browser', async () => {
    const session = await launch();
    await begin(session);
    const header = readFileSync(path.join(repositoryRoot, 'docs/notebook/demo-student.csv'), 'utf8').split('\r\n')[0];
    const rows = Array.from({ length: 2000 }, (_, i) => `${i + 1},${30 + (i % 7)},,${(4 + (i * 37 % 900) / 100).toFixed(2)},fall,0,20.00,,,,,,,`);
    const big = path.join(served, 'big.csv');
    writeFileSync(big, [header, ...rows, ''].join('\r\n'));
    await openNotebook(session, big);
    const said = en(lessonText.scormTooLarge).split('(')[0].trim();
    await session.frame.waitForFunction((s) => document.body.innerText.includes(s), { timeout: 30_000 }, said);
    const kept = await session.frame.evaluate(() => Object.keys(localStorage).filter((k) => k.startsWith('tessilar.notebook:')).map((k) => localStorage.getItem(k).length));
    assert.ok(kept[0] > 4096 * 4, `the browser keeps ${kept[0]} characters`);
    await session.context.close();
  });

  it('a platform that refuses to commit is said once, and the notebook stays in the browser', async () => {
    const session = await launch({ refuseCommit: true });
    await begin(session);
    const said = en(lessonText.scormRefused).split('(')[0].trim();
    const saying = () => session.frame.evaluate((s) => [...document.querySelectorAll('dialog')].some((d) => d.open && d.innerText.includes(s)), said);
    await waitFor('the message', saying);
    await session.page.keyboard.press('Escape');
    await waitFor('the message closed', async () => !(await saying()));
    await record(session);
    await waitFor('the row in this browser', async () => {
      const kept = await session.frame.evaluate(() => Object.keys(localStorage).filter((k) => k.startsWith('tessilar.notebook:')).map((k) => localStorage.getItem(k)));
      return kept.length === 1 && kept[0].split('\r\n').filter((line) => line !== '').length === 2;
    });
    assert.equal(await saying(), false, 'said once a session');
    assert.deepEqual(session.errors, []);
    await session.context.close();
  });
});
