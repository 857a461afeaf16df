// A student measuring in the page: droplets found on the screen and followed, the stopwatch
// worked with its keys, the notebook's table read, files handed to the page's file pickers and
// its downloads collected, a PDF's text read back with pdftotext.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readdirSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { repositoryRoot } from './browser.mjs';
import { caption } from './catalogue.mjs';
import { colours, pixelsOfColour, viewportPixels } from './screen.mjs';
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

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

/// The centres of the microscope's markers of a colour (yellow: every droplet's) as drawn now, in
/// CSS pixels of the page: read straight from the canvas, since a screenshot takes long enough for
/// a droplet to move past a click's reach.
export async function markerCentres(session, colour = colours.markerYellow) {
  return session.page.evaluate(([r, g, b]) => {
    const canvas = document.getElementById('microscope');
    const rect = canvas.getBoundingClientRect();
    const { data, width, height } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
    const left = new Set();
    for (let p = 0; p < width * height; p++) {
      if (data[p * 4] === r && data[p * 4 + 1] === g && data[p * 4 + 2] === b) left.add(p);
    }
    const centres = [];
    for (const start of left) {
      const queue = [start];
      left.delete(start);
      let sx = 0, sy = 0, count = 0;
      while (queue.length) {
        const p = queue.pop();
        sx += p % width; sy += Math.floor(p / width); count += 1;
        for (const n of [p - 1, p + 1, p - width, p + width]) if (left.delete(n)) queue.push(n);
      }
      centres.push({
        x: rect.left + (sx / count + 0.5) * rect.width / width,
        y: rect.top + (sy / count + 0.5) * rect.height / height,
      });
    }
    return centres;
  }, colour);
}

/// Clicks the droplet that moved least over half a second (each marker matched to the nearest
/// one later), away from the field's edges and from other droplets.
export async function clickSlowestDroplet(session) {
  const { box } = await microscopeBox(session);
  const inside = (c) => c.x > box.x + 20 && c.x < box.x + box.width - 20
    && c.y > box.y + 40 && c.y < box.y + box.height - 60;
  const deadline = Date.now() + 30_000;
  for (;;) {
    const first = await markerCentres(session);
    await pause(500);
    const second = (await markerCentres(session)).filter(inside);
    const moved = (a) => Math.min(...first.map((b) => Math.hypot(a.x - b.x, a.y - b.y)));
    const alone = (a) => second.every((c) => c === a || Math.hypot(a.x - c.x, a.y - c.y) > 14);
    const slowest = second.filter(alone).sort((a, b) => moved(a) - moved(b))[0];
    if (slowest && first.length) {
      // Where it is now: the marker nearest its last place.
      const now = await markerCentres(session);
      const here = now.sort((a, b) => Math.hypot(a.x - slowest.x, a.y - slowest.y)
        - Math.hypot(b.x - slowest.x, b.y - slowest.y))[0];
      if (here) {
        await session.page.mouse.click(here.x, here.y);
        return;
      }
    }
    assert.ok(Date.now() < deadline, 'no droplet to follow in the microscope');
  }
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
