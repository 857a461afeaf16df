// Times droplets in the browser edition the way a student does, to make the example notebook in
// docs/web-notebook/: with the supply at 500 V reversed it injects droplets, clicks one that
// sinks, lets it sink below the lower timing line, switches the supply off and times it falling
// up the view over 30 ticks (F5 at the lower line, F6 and F8 at the upper), switches the supply on
// and times it sinking back over the same 30 ticks. Then it exports the notebook (Export CSV…) and
// saves the report (Save report…). Everything goes through the page's keys, clicks and screen.
//
//     node web/e2e/web-notebook.mjs OUTPUT_FOLDER [DROPLETS [IDENTIFIER]]
import { copyFileSync, mkdirSync } from 'node:fs';
import path from 'node:path';
import { launchChromium } from './browser.mjs';
import { caption } from './catalogue.mjs';
import { collectDownloads, downloaded, microscopeBox } from './measuring.mjs';
import { press, startExperiment, text, typeInto } from './session.mjs';

const [folder = 'docs/web-notebook', wanted = '8', identifier = 'web-student'] = process.argv.slice(2);
const language = 'en';
const Field = 450;              // the microscope field in design pixels (1 µm each)
const Yellow = [255, 255, 0], Red = [255, 0, 0];

const say = (...words) => console.error(...words);
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

let session, box, scale, topLine, bottomLine, centreX;

/// The markers of a colour in the microscope, in design pixels of the field (1 µm each), and when
/// seen (s): read from the drawn canvas, quicker than a screenshot.
async function markers(colour) {
  const taken = performance.now() / 1000;
  const places = await session.page.evaluate(([r, g, b], field) => {
    const canvas = document.getElementById('microscope');
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
      centres.push({ x: (sx / count + 0.5) * field / width, y: (sy / count + 0.5) * field / height });
    }
    return centres;
  }, colour, Field);
  return { taken, places };
}

function velocity(track) {
  const recent = track.slice(-3);
  if (recent.length < 2) return { vx: 0, vy: 0 };
  const dt = recent.at(-1).t - recent[0].t;
  return { vx: (recent.at(-1).x - recent[0].x) / dt, vy: (recent.at(-1).y - recent[0].y) / dt };
}

/// The followed droplet's track, one more place after every look, for up to `seconds`.
async function* follow(seconds) {
  const track = [];
  const end = performance.now() + seconds * 1000;
  while (performance.now() < end) {
    const { taken, places } = await markers(Red);
    if (!places.length) return;
    // The followed droplet's dot and its ring share one centre.
    const mean = (axis) => places.reduce((sum, p) => sum + p[axis], 0) / places.length;
    track.push({ t: taken, x: mean('x'), y: mean('y') });
    yield track;
  }
}

/// F5 as the followed droplet crosses `start`, F6 and F8 as it crosses `stop`; true when both.
async function timeCrossing(start, stop, limit = 60) {
  const down = stop > start;
  let started = false;
  for await (const track of follow(limit)) {
    const { t, y } = track.at(-1);
    const { vy } = velocity(track);
    const line = started ? stop : start;
    if ((vy > 0) !== down || Math.abs(vy) < 1) {
      if (started && track.length > 8 && (vy > 0) !== down) return false;
      continue;
    }
    let ahead = (line - y) / vy;
    if (ahead < 0) {
      if (!started) return false;
      ahead = 0;
    }
    if (ahead < 0.35) {
      await pause(Math.max(0, (t + ahead) * 1000 - performance.now()));
      if (!started) {
        await session.page.keyboard.press('F5');
        started = true;
      } else {
        await session.page.keyboard.press('F6');
        await session.page.keyboard.press('F8');
        return true;
      }
    }
  }
  return false;
}

/// Clicks a droplet that sinks at a usable speed; true when one turned red.
async function chooseSinking() {
  for (let attempt = 0; attempt < 10; attempt++) {
    const before = await markers(Yellow);
    await pause(300);
    const after = await markers(Yellow);
    const dt = after.taken - before.taken;
    const candidates = [];
    for (const { x, y } of after.places) {
      if (!before.places.length) break;
      const nearest = before.places.reduce((best, m) =>
        (Math.hypot(m.x - x, m.y - y) < Math.hypot(best.x - x, best.y - y) ? m : best));
      const vx = (x - nearest.x) / dt, vy = (y - nearest.y) / dt;
      if (vy > 12 && vy < 110 && Math.abs(vx) < 5 && Math.abs(x - centreX) < 90 && y < bottomLine) {
        candidates.push({ vy, vx, x, y });
      }
    }
    if (candidates.length) {
      const { vx, vy, x, y } = candidates.sort((a, b) => a.vy - b.vy)[0];
      const ahead = performance.now() / 1000 - after.taken + 0.05;
      await session.page.mouse.click(box.x + (x + vx * ahead) * scale, box.y + (y + vy * ahead) * scale);
      await pause(200);
      if ((await markers(Red)).places.length) return true;
    }
    await pause(500);
  }
  return false;
}

async function waitUntilBelow(line, limit = 60) {
  for await (const track of follow(limit)) if (track.at(-1).y > line + 15) return true;
  return false;
}

const switchSupply = () => press(session, text.onOff);

async function measure(count) {
  let done = 0;
  // Every try, timed or lost, counts: a page that never lets a droplet be followed ends the run.
  for (let tries = 1; done < count; tries++) {
    if (tries > 4 * count + 10) throw new Error(`only ${done} droplets timed in ${tries - 1} tries`);
    if (!(await chooseSinking())) {
      say('no droplet sinks: injecting afresh');
      await press(session, text.inject);
      await pause(2500);
      continue;
    }
    say('following a droplet');
    if (!(await waitUntilBelow(bottomLine))) { say('lost it while it sank'); continue; }
    await switchSupply();
    if (!(await timeCrossing(bottomLine, topLine))) {
      say('its fall was not timed');
      await switchSupply();
      continue;
    }
    for await (const track of follow(10)) if (track.at(-1).y < topLine - 30) break;
    await switchSupply();
    if (!(await timeCrossing(topLine, bottomLine))) { say('its sinking was not timed'); continue; }
    done += 1;
    say(`droplet ${done} timed`);
  }
}

async function main() {
  const count = Number(wanted);
  mkdirSync(folder, { recursive: true });
  const browser = await launchChromium();
  try {
    session = await startExperiment(browser, { language, identifier, width: 1366, height: 768 });
    await collectDownloads(session);
    ({ box } = await microscopeBox(session));
    scale = box.width / Field;
    centreX = Field / 2;
    topLine = Field / 2 - 150;
    bottomLine = Field / 2 + 150;
    // 500 V, on, reversed: charged droplets sink and stay in view.
    await typeInto(session, text.voltage, '500');
    await session.page.keyboard.press('Enter');
    await switchSupply();
    await press(session, text.reverse);
    await press(session, text.inject);
    await pause(2500);
    await measure(count);
    await session.page.keyboard.press('F7');
    await pause(1000);
    await session.page.screenshot({ path: path.join(folder, 'notebook-window.png') });
    const csv = await downloaded(session, () => press(session, caption(language, 515)));
    copyFileSync(csv, path.join(folder, `${identifier}.csv`));
    const pdf = await downloaded(session, () => press(session, caption(language, 522)));
    copyFileSync(pdf, path.join(folder, `${identifier}-report.pdf`));
    const estimate = await session.page.evaluate(() => document.body.innerText
      .split('\n').find((line) => line.startsWith('e = ')));
    console.log(estimate ?? 'no estimate shown');
  } finally {
    await browser.close();
  }
}

await main();
