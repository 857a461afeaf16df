// Times droplets in the browser edition the way a student does, to make the example notebook in
// docs/web-notebook/: with the supply at 500 V reversed it injects droplets, clicks one that
// sinks, lets it sink below the lower timing line, switches the supply off and times it falling
// up the view over 30 ticks (F5 at the lower line, F6 and F8 at the upper), switches the supply on
// and times it sinking back over the same 30 ticks. Then it exports the notebook (Export CSV…) and
// saves the report (Save report…). Everything goes through the page's keys, clicks and screen.
//
//     node web/e2e/web-notebook.mjs OUTPUT_FOLDER [DROPLETS [IDENTIFIER [PARAMETERS]]]
//
// PARAMETERS are the address's teacher's settings besides the language, such as "class=11.A".
import { copyFileSync, mkdirSync } from 'node:fs';
import path from 'node:path';
import { launchChromium } from './browser.mjs';
import { caption } from './catalogue.mjs';
import { collectDownloads, downloaded, followedRed, markerCentres, microscopeBox } from './measuring.mjs';
import { colours } from './screen.mjs';
import { control, press, startExperiment, text, typeInto } from './session.mjs';

const [folder = 'docs/web-notebook', wanted = '8', identifier = 'web-student', parameters = ''] = process.argv.slice(2);
const language = 'en';
const Field = 450;              // the microscope field in design pixels (1 µm each)
const Centre = Field / 2;
const TopLine = Centre - 150, BottomLine = Centre + 150;   // 30 ticks of 10 µm apart
const Beyond = 25;              // how far past a timing line a droplet turns (design pixels)
// The view is a disc 198 µm in radius: further than `Aside` from its middle its edge comes before
// a droplet is `Beyond` a timing line, and the droplet is lost from view there.
const Aside = 60;
const Settling = 5000;          // ms after an injection before its drift has died down

const runStart = performance.now();
const say = (...words) => console.error(`${((performance.now() - runStart) / 1000).toFixed(0)} s`, ...words);
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

let session, box, scale, onOff;

/// The markers of a colour in the microscope, in design pixels of the field (1 µm each), and when
/// they were looked at (s).
async function markers(colour) {
  const taken = performance.now() / 1000;
  const centres = await markerCentres(session, colour);
  return { taken, places: centres.map(({ x, y }) => ({ x: (x - box.x) / scale, y: (y - box.y) / scale })) };
}

/// The track's speed (design pixels per wall second) over its last third of a second, undefined
/// until it spans 0.15 s: the canvas changes only when a droplet crosses a backing pixel, so looks
/// a few milliseconds apart mostly see it still and now and then see it jump.
function speed(track) {
  const last = track.at(-1);
  const first = track.find((p) => last.t - p.t <= 0.33);
  const dt = last.t - first.t;
  return dt < 0.15 ? undefined : (last.y - first.y) / dt;
}

/// The followed droplet's track, one more place after every look, for up to `seconds`.
async function* follow(seconds) {
  const track = [];
  const end = performance.now() + seconds * 1000;
  while (performance.now() < end) {
    const { taken, places } = await markers(followedRed);
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
    const vy = speed(track);
    if (vy === undefined) continue;
    // A slow droplet's jitter may show it still or even going back for a moment: wait it out.
    if ((vy > 0) !== down || Math.abs(vy) < 1) continue;
    let ahead = ((started ? stop : start) - y) / vy;
    if (ahead < 0) {
      if (!started) {
        say(`it was past the start line at ${y.toFixed(0)} µm`);
        return false;
      }
      ahead = 0;
    }
    // Looks come every few milliseconds: press once the line is this close, on time.
    if (ahead < 0.15) {
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
  say(`it left the view or took too long, ${started ? 'after' : 'before'} F5`);
  return false;
}

/// Clicks a droplet that sinks at a usable speed; true when one turned red. Only an injection
/// brings new droplets, and those that sink are gone through the bottom within half a minute:
/// after a droplet was timed there is seldom one left, so a few looks are enough.
async function chooseSinking() {
  for (let attempt = 0; attempt < 4; attempt++) {
    const before = await markers(colours.markerYellow);
    await pause(300);
    const after = await markers(colours.markerYellow);
    const dt = after.taken - before.taken;
    const candidates = [];
    for (const { x, y } of after.places) {
      if (!before.places.length) break;
      const nearest = before.places.reduce((best, m) =>
        (Math.hypot(m.x - x, m.y - y) < Math.hypot(best.x - x, best.y - y) ? m : best));
      const vx = (x - nearest.x) / dt, vy = (y - nearest.y) / dt;
      if (vy > 12 && vy < 110 && Math.abs(vx) < 5 && Math.abs(x - Centre) < Aside && y < BottomLine) {
        candidates.push({ vy, vx, x, y });
      }
    }
    if (candidates.length) {
      const { vx, vy, x, y } = candidates.sort((a, b) => a.vy - b.vy)[0];
      const ahead = performance.now() / 1000 - after.taken + 0.05;
      const at = { x: x + vx * ahead, y: y + vy * ahead };
      await session.page.mouse.click(box.x + at.x * scale, box.y + at.y * scale);
      await pause(200);
      // Red where it was clicked, not only a droplet followed before and still in view.
      const { places } = await markers(followedRed);
      if (places.some((p) => Math.abs(p.x - at.x) < 10 && Math.abs(p.y - at.y - vy * 0.2) < 15)) return true;
    }
    await pause(500);
  }
  return false;
}

/// Follows the droplet until it is `Beyond` below the line; false when it left the view first.
async function waitUntilBelow(line, limit = 60) {
  for await (const track of follow(limit)) if (track.at(-1).y > line + Beyond) return true;
  return false;
}

/// Fall timed, the supply still off: the droplet goes on above the upper line, the supply on turns
/// it, and its sinking back down is timed. Missed, it falls up once more (supply off) for a second
/// try, so that no fall stands without its sinking. The supply is on again at the end.
async function timeSinking() {
  for (let attempt = 0; attempt < 2; attempt++) {
    if (attempt) await switchSupply();
    for await (const track of follow(30)) if (track.at(-1).y < TopLine - Beyond) break;
    await switchSupply();
    if (await timeCrossing(TopLine, BottomLine)) return true;
    say('its sinking was not timed');
  }
  return false;
}

const switchSupply = () => onOff.click();

/// Fresh droplets, once the injection's drift has died down (it carries them fast at first).
async function inject() {
  await press(session, text.inject);
  await pause(Settling);
}

async function measure(count) {
  let done = 0;
  // Every try, timed or lost, counts: a page that never lets a droplet be followed ends the run.
  for (let tries = 1; done < count; tries++) {
    if (tries > 4 * count + 10) throw new Error(`only ${done} droplets timed in ${tries - 1} tries`);
    if (!(await chooseSinking())) {
      say('no droplet sinks: injecting afresh');
      await inject();
      continue;
    }
    say('following a droplet');
    if (!(await waitUntilBelow(BottomLine))) { say('lost it while it sank'); continue; }
    await switchSupply();
    if (!(await timeCrossing(BottomLine, TopLine))) {
      say('its fall was not timed');
      await switchSupply();
      continue;
    }
    if (!(await timeSinking())) continue;
    done += 1;
    say(`droplet ${done} timed`);
  }
}

async function main() {
  const count = Number(wanted);
  mkdirSync(folder, { recursive: true });
  const browser = await launchChromium();
  try {
    const query = `?lang=${language}${parameters ? `&${parameters}` : ''}`;
    session = await startExperiment(browser, { language, query, identifier, width: 1366, height: 768 });
    await collectDownloads(session);
    ({ box } = await microscopeBox(session));
    scale = box.width / Field;
    // 500 V, on, reversed: charged droplets sink and stay in view.
    await typeInto(session, text.voltage, '500');
    await session.page.keyboard.press('Enter');
    // Found once: the switch is pressed at the top of the field, where a droplet has no time to spare.
    onOff = await control(session.page, caption(language, text.onOff), ['button']);
    await switchSupply();
    await press(session, text.reverse);
    await inject();
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
