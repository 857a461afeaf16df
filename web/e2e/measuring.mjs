// A student measuring in the page: droplets found on the screen and followed, the stopwatch
// worked with its keys, the notebook's table read, files handed to the page's file pickers and
// its downloads collected, a PDF's text read back with pdftotext.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readdirSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { repositoryRoot, waitInPage } from './browser.mjs';
import { caption } from './catalogue.mjs';
import { pixelsOfColour, viewportPixels } from './screen.mjs';
import { control, text } from './session.mjs';

export const followedRed = [255, 0, 0];

/// The catalogue text of `language` whose caption matches `pattern` (texts a newer page added),
/// as shown.
export function captionMatching(language, pattern) {
  for (let n = 0; n < 1000; n++) {
    try {
      const shown = caption(language, n);
      if (pattern.test(shown)) return shown;
    } catch { /* no text with this number */ }
  }
  throw new Error(`no ${language} text matches ${pattern}`);
}

/// The microscope's marker canvas and its box in CSS pixels.
export async function microscopeBox(session) {
  const handle = await control(session.page, caption(session.language, text.microscope),
    ['img', 'image', 'application', 'group', undefined]);
  const box = await handle.boundingBox();
  assert.ok(box, 'the microscope is not displayed');
  return { handle, box };
}

/// The centres (CSS pixels) of the separate spots of a colour inside a box.
export function spotCentres(picture, colour, box) {
  const left = new Set(pixelsOfColour(picture, colour, box));
  const centres = [];
  for (const start of left) {
    const queue = [start];
    left.delete(start);
    let sx = 0, sy = 0, count = 0;
    while (queue.length) {
      const p = queue.pop();
      const x = p % picture.width;
      sx += x; sy += Math.floor(p / picture.width); count += 1;
      const neighbours = [p - picture.width, p + picture.width];
      if (x > 0) neighbours.push(p - 1);
      if (x < picture.width - 1) neighbours.push(p + 1);
      for (const n of neighbours) if (left.delete(n)) queue.push(n);
    }
    centres.push({ x: sx / count + 0.5, y: sy / count + 0.5 });
  }
  return centres;
}

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

/// The droplet that moved least over half a second of wall time (matching each spot to the
/// nearest one later), away from the field's edges: where it was seen last, when (ms, Date.now())
/// and its velocity (CSS pixels per ms).
export async function slowestDroplet(session, colour = [255, 255, 0]) {
  const { box } = await microscopeBox(session);
  const inner = { x: box.x + 10, y: box.y + 20, width: box.width - 20, height: box.height - 40 };
  const deadline = Date.now() + 30_000;
  for (;;) {
    const firstSeen = Date.now();
    const first = spotCentres(await viewportPixels(session.page), colour, inner);
    await pause(500);
    const seen = Date.now();
    const second = spotCentres(await viewportPixels(session.page), colour, inner);
    const elapsed = seen - firstSeen;
    let best;
    for (const a of second) {
      const nearest = first.map((b) => ({ b, d: Math.hypot(a.x - b.x, a.y - b.y) }))
        .sort((p, q) => p.d - q.d)[0];
      // Two droplets near each other cannot be told apart: skip them.
      const crowded = second.some((c) => c !== a && Math.hypot(a.x - c.x, a.y - c.y) < 14);
      if (nearest && !crowded && (!best || nearest.d < best.moved)) {
        best = { ...a, moved: nearest.d, seen,
          vx: (a.x - nearest.b.x) / elapsed, vy: (a.y - nearest.b.y) / elapsed };
      }
    }
    if (best) return best;
    assert.ok(Date.now() < deadline, 'no droplet to follow in the microscope');
  }
}

/// Clicks where a droplet found by slowestDroplet has moved on to by now.
export async function clickDroplet(session, droplet) {
  const ahead = Date.now() - droplet.seen + 30;
  await session.page.mouse.click(droplet.x + droplet.vx * ahead, droplet.y + droplet.vy * ahead);
}

/// Waits until the microscope shows (or no longer shows, `shown` false) the followed droplet's
/// red marker.
export async function waitForFollowed(session, shown = true, timeout = 30_000) {
  const { box } = await microscopeBox(session);
  const deadline = Date.now() + timeout;
  for (;;) {
    const red = pixelsOfColour(await viewportPixels(session.page), followedRed, box).length;
    if ((red > 0) === shown) return;
    assert.ok(Date.now() < deadline, shown ? 'no droplet turned red' : 'a droplet stays red');
    await pause(100);
  }
}

/// Presses a key with the page focused where it is.
export async function key(session, name) {
  await session.page.keyboard.press(name);
}

/// The rows of the notebook window's table as arrays of cell texts, header row first.
export async function notebookRows(session) {
  return session.page.evaluate(() => {
    const tables = [...document.querySelectorAll('table, [role="grid"], [role="table"]')]
      .filter((t) => t.getClientRects().length > 0);
    const table = tables[0];
    if (!table) return [];
    const rows = [...table.querySelectorAll('tr, [role="row"]')];
    return rows.map((row) => [...row.querySelectorAll('th, td, [role="columnheader"], [role="cell"], [role="gridcell"], [role="rowheader"]')]
      .map((cell) => cell.textContent.trim()));
  });
}

/// Waits until the notebook's table has `count` rows besides its header; returns them all.
export async function waitForNotebookRows(session, count, timeout = 30_000) {
  const deadline = Date.now() + timeout;
  for (;;) {
    const rows = await notebookRows(session);
    if (rows.length - 1 === count) return rows;
    assert.ok(Date.now() < deadline, `the notebook shows ${rows.length - 1} rows, not ${count}`);
    await pause(100);
  }
}

/// A folder for the page's downloads of this session.
export async function collectDownloads(session) {
  const folder = mkdtempSync(path.join(tmpdir(), 'tessilar-downloads-'));
  const cdp = await session.page.browser().target().createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', {
    behavior: 'allow', downloadPath: folder, browserContextId: session.context.id,
  });
  session.downloads = folder;
  return folder;
}

/// Runs `act` and waits for the one file it downloads; returns its path.
export async function downloaded(session, act, timeout = 60_000) {
  const before = new Set(readdirSync(session.downloads));
  await act();
  const deadline = Date.now() + timeout;
  for (;;) {
    const fresh = readdirSync(session.downloads)
      .filter((name) => !before.has(name) && !name.endsWith('.crdownload'));
    if (fresh.length) {
      const file = path.join(session.downloads, fresh[0]);
      // Let the writing finish: the size holds still.
      let size = -1;
      while (size !== readFileSync(file).length) { size = readFileSync(file).length; await pause(200); }
      return file;
    }
    assert.ok(Date.now() < deadline, 'nothing was downloaded');
    await pause(100);
  }
}

/// Clicks the control named `name` and hands its file picker the given files.
export async function chooseFiles(session, name, files) {
  const handle = await control(session.page, name, ['button', 'menuitem', undefined]);
  const [chooser] = await Promise.all([session.page.waitForFileChooser({ timeout: 30_000 }),
    handle.click()]);
  await chooser.accept(files);
}

/// The text of a PDF as pdftotext reads it (layout kept).
export function pdfText(file) {
  return execFileSync('pdftotext', ['-layout', '-enc', 'UTF-8', file, '-'], { encoding: 'utf8' });
}

/// The desktop program, built by scripts/test.sh before the page's tests (or TESSILAR_DESKTOP).
export const desktopProgram = process.env.TESSILAR_DESKTOP
  ?? path.join(repositoryRoot, 'build/bin/tessilar');

/// `tessilar --report csv pdf` as the desktop runs it without a window; returns what it printed.
export function desktopReport(csv, pdf) {
  assert.ok(existsSync(desktopProgram), `no desktop program at ${desktopProgram}`);
  return execFileSync(desktopProgram, ['--report', csv, pdf], {
    encoding: 'utf8', env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' },
  });
}

/// Text visible anywhere in the page, dialogs and alerts included.
export async function pageSays(session, wanted, timeout = 30_000) {
  await waitInPage(session.page, JSON.stringify(wanted),
    (expected) => document.body.innerText.includes(expected), wanted, timeout);
}
