// Screenshots of the page on a phone for the documentation, taken as a student works with touch:
// the supply on at 500 V, droplets sprayed, one followed by a tap, the stopwatch timing it; held
// upright (390 x 844) and across (844 x 390), magnified by two fingers, and the notebook's sheet
// with the timings recorded. Written to docs/phone/ unless another folder is named.
//   node web/e2e/phone-screenshots.mjs [FOLDER]
import { mkdirSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { launchChromium, repositoryRoot, waitInPage } from './browser.mjs';
import { markerCentres } from './measuring.mjs';
import { bestScreenshot, colours, pixelsOfColour, spotsOfColour } from './screen.mjs';
import { fixedCaption, press, startExperiment, text, typeInto } from './session.mjs';

const folder = path.resolve(process.argv[2] ?? path.join(repositoryRoot, 'docs/phone'));
mkdirSync(folder, { recursive: true });
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const red = [255, 0, 0];

const browser = await launchChromium();
try {
  const session = await startExperiment(browser, { language: 'en', width: 390, height: 844, touch: true, identifier: 'Anna Smith, 11B' });
  const { page } = session;
  const tab = (id) => page.tap(`#tab-${id}`);
  const following = () => page.$eval('#microscope', (c) => /following droplet/.test(c.getAttribute('aria-description') ?? ''));

  /** Taps the slowest droplet near the view's middle until one is followed. */
  async function follow() {
    const deadline = Date.now() + 60_000;
    while (Date.now() < deadline) {
      const frame = await page.$eval('#main-Image3', (f) => f.getBoundingClientRect().toJSON());
      const middle = { x: frame.x + frame.width / 2, y: frame.y + frame.height / 2 };
      const before = await markerCentres(session);
      await pause(400);
      const moved = (c) => Math.min(...before.map((b) => Math.hypot(c.x - b.x, c.y - b.y)));
      const near = (await markerCentres(session))
        .filter((c) => Math.hypot(c.x - middle.x, c.y - middle.y) < frame.width * 0.3)
        .sort((a, b) => moved(a) - moved(b));
      if (near[0]) {
        await page.touchscreen.tap(near[0].x, near[0].y);
        await pause(1100);
        if (await following()) return;
      } else {
        await tab('view');
        await press(session, text.inject);
        await pause(1500);
      }
    }
    throw new Error('no droplet followed');
  }

  /** The screenshot with the most droplets in view and the followed one red, over a few seconds. */
  async function best(name) {
    const chosen = await bestScreenshot(page, 4000,
      (screen) => (pixelsOfColour(screen, red).length > 0 ? spotsOfColour(screen, colours.markerYellow) : -1));
    if (!chosen.png || chosen.count < 0) return false;
    writeFileSync(path.join(folder, name), chosen.png);
    console.log(`${name}: ${chosen.count} droplet markers and the followed one in view`);
    return true;
  }

  /** A fresh spray, a droplet followed, the stopwatch's tab in front: the best picture of it. */
  async function capture(name) {
    for (let attempt = 0; attempt < 6; attempt++) {
      await tab('view');
      await press(session, text.inject);
      // The spray's drift dies down in a few seconds.
      await pause(2500);
      await follow();
      await tab('stopwatch');
      if (await best(name)) return;
    }
    throw new Error(`${name}: no followed droplet in view`);
  }

  await tab('voltage');
  await typeInto(session, text.voltage, '500');
  await press(session, text.onOff);
  await tab('stopwatch');
  await press(session, fixedCaption.start);
  await capture('upright-390x844.png');

  await page.setViewport({ width: 844, height: 390, hasTouch: true });
  await waitInPage(page, 'the layout across', () => document.querySelector('#main-Image3').getBoundingClientRect().left === 0);
  await capture('across-844x390.png');

  // Two fingers spread over the followed droplet's side of the view.
  await page.setViewport({ width: 390, height: 844, hasTouch: true });
  await waitInPage(page, 'the layout upright', () => document.querySelector('#main-Image3').getBoundingClientRect().top > 0);
  const frame = await page.$eval('#main-Image3', (f) => f.getBoundingClientRect().toJSON());
  const client = await page.createCDPSession();
  await tab('view');
  await press(session, text.inject);
  await pause(2500);
  await follow();
  await tab('stopwatch');
  const [centre] = await markerCentres(session, red);
  const cx = centre?.x ?? frame.x + frame.width / 2;
  const cy = centre?.y ?? frame.y + frame.height / 2;
  const fingers = (d) => [{ x: cx - d, y: cy - d, id: 1 }, { x: cx + d, y: cy + d, id: 2 }];
  await client.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: fingers(15) });
  for (let d = 20; d <= 45; d += 5) await client.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: fingers(d) });
  await client.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await pause(300);
  writeFileSync(path.join(folder, 'magnified-390x844.png'), await page.screenshot({ type: 'png' }));
  console.log(`magnified-390x844.png: the scale bar says ${await page.$eval('.scale-label', (l) => l.textContent)}`);

  // Three timings recorded, then the notebook's sheet.
  for (let i = 0; i < 3; i++) {
    await press(session, fixedCaption.start);
    await pause(700 + 300 * i);
    await press(session, fixedCaption.stop);
    await press(session, 625);
  }
  await press(session, 21);
  await pause(500);
  writeFileSync(path.join(folder, 'notebook-390x844.png'), await page.screenshot({ type: 'png' }));
  console.log('notebook-390x844.png: the notebook sheet with three rows');
  await session.context.close();
} finally {
  await browser.close();
}
