// The page on phones and a small tablet, with touch: every control of the bench found by its
// accessible name in sight (or on the tab that shows it), a finger's size, and working by a tap;
// no text too small to read; a droplet followed by a tap after two fingers magnified the view; a
// timing recorded and found in the notebook's sheet; the state kept when the phone turns.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { launchChromium, waitInPage } from './browser.mjs';
import { caption } from './catalogue.mjs';
import { markerCentres, microscopeBox, waitForNotebookRows } from './measuring.mjs';
import { assertSelfContained, control, fixedCaption, named, startExperiment, text } from './session.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const Finger = 44;
const said = {
  raiseVoltage: 604, lowerVoltage: 605, raiseTemperature: 606, lowerTemperature: 607, across: 608,
  upDown: 609, record: 625, notebook: 21, ionise: 22, measurement: 20, rowRecorded: 671,
};
const tabs = [text.microscope, text.voltage, text.stopwatch, text.temperature];
/// The bench's controls by name and role; the stopwatch's two carry fixed captions.
const benchControls = [
  [text.inject, 'button'], [text.reverse, 'button'], [text.onOff, 'button'], [text.end, 'button'],
  [text.voltage, 'textbox'], [said.raiseVoltage, 'button'], [said.lowerVoltage, 'button'],
  [text.temperature, 'textbox'], [said.raiseTemperature, 'button'], [said.lowerTemperature, 'button'],
  [text.stopwatch, 'textbox'], [fixedCaption.start, 'button'], [fixedCaption.stop, 'button'],
  [said.record, 'button'], [said.notebook, 'button'], [said.ionise, 'button'],
  [said.across, 'slider'], [said.upDown, 'slider'], [text.microscope, 'image'],
  [text.end, 'menuitem'], [said.measurement, 'menuitem'], [text.help, 'menuitem'],
  ...tabs.map((n) => [n, 'tab']),
];

let browser;
before(async () => { browser = await launchChromium(); });
after(async () => { await browser?.close(); });

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const name = (n) => (typeof n === 'string' ? n : caption('en', n));

async function wcagViolations(page) {
  await page.evaluate(axeSource);
  return page.evaluate(async () => (await window.axe.run(document, {
    runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] },
  })).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
}

/// The box of the control named so as assistive technology finds it now, or null when it is not
/// there (a control on a tab not chosen is not).
async function shownBox(session, number, role) {
  const handle = await session.page.$(named(name(number), role));
  return handle ? handle.boundingBox() : null;
}

/// Taps the tab named so.
async function tapTab(session, number) {
  const box = await shownBox(session, number, 'tab');
  assert.ok(box, `no tab ${name(number)}`);
  await session.page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
}

/// The box of the control, found in sight or on the tab that shows it (chosen by a tap).
async function reach(session, number, role) {
  let box = await shownBox(session, number, role);
  for (const tab of tabs) {
    if (box) break;
    await tapTab(session, tab);
    box = await shownBox(session, number, role);
  }
  return box;
}

/// Taps the control, on its tab if it is on one; returns its box.
async function tap(session, number, role = 'button') {
  const box = await reach(session, number, role);
  assert.ok(box, `${name(number)} is on no tab`);
  await session.page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
  return box;
}

/// Texts shown smaller than the smallest size, CSS pixels, with the text.
function smallTexts(page) {
  return page.evaluate(() => [...document.querySelectorAll('body *')].filter((el) => {
    if (el.closest('.visually-hidden') || el.getClientRects().length === 0) return false;
    const own = [...el.childNodes].some((n) => n.nodeType === Node.TEXT_NODE && n.textContent.trim() !== '');
    return own && parseFloat(getComputedStyle(el).fontSize) * (el.currentCSSZoom ?? 1) < 11.99;
  }).map((el) => `${el.textContent.trim().slice(0, 20)} ${parseFloat(getComputedStyle(el).fontSize) * (el.currentCSSZoom ?? 1)}`));
}

describe('the page on a phone', () => {
  for (const [width, height] of [[360, 640], [390, 844], [844, 390], [768, 1024]]) {
    it(`${width}x${height}: every control in sight or on its tab, a finger's size, working by a tap`, async () => {
      const prompt = [];
      const session = await startExperiment(browser, { language: 'en', width, height, touch: true,
        atPrompt: async ({ page }) => {
          for (const n of [text.promptLabel, text.ok]) {
            const box = await (await control(page, name(n), ['textbox', 'button'])).boundingBox();
            if (box.width < Finger || box.height < Finger) prompt.push(`${name(n)} ${box.width}x${box.height}`);
          }
        } });
      const { page } = session;
      assert.deepEqual(prompt, [], 'the identity prompt');
      const faults = [];
      for (const [number, role] of benchControls) {
        const box = await reach(session, number, role);
        if (!box) faults.push(`${name(number)} (${role}) on no tab`);
        else if (box.x < 0 || box.y < 0 || box.x + box.width > width + 0.5 || box.y + box.height > height + 0.5) faults.push(`${name(number)} (${role}) outside`);
        else if (box.width < Finger - 0.5 || box.height < Finger - 0.5) faults.push(`${name(number)} (${role}) ${box.width.toFixed(1)}x${box.height.toFixed(1)}`);
      }
      assert.deepEqual(faults, [], 'controls out of reach or smaller than a finger');

      // Taps do what clicks do.
      await tap(session, text.inject);
      await waitInPage(page, 'droplets in view', () => /\d+ droplets in view/.test(document.body.textContent));
      await tap(session, said.raiseVoltage);
      const voltage = await control(page, name(text.voltage), ['textbox']);
      await waitInPage(page, 'the voltage raised', (field) => Number(field.value) > 0, voltage);
      const lamp = () => page.$eval('#main-Shape1', (shape) => shape.style.backgroundColor);
      const lampOff = await lamp();
      await tap(session, text.onOff);
      await waitInPage(page, 'the lamp lit', (off) => document.querySelector('#main-Shape1').style.backgroundColor !== off, lampOff);
      await tap(session, said.measurement, 'menuitem');
      await control(page, caption('en', said.notebook), ['menuitem']);
      const item = await (await control(page, caption('en', said.notebook), ['menuitem'])).boundingBox();
      assert.ok(item.x >= 0 && item.x + item.width <= width + 0.5 && item.height >= Finger, 'the open menu in sight, a finger high');
      await page.keyboard.press('Escape');

      assert.deepEqual(await smallTexts(page), [], 'texts under 12 CSS pixels');
      assert.deepEqual(await wcagViolations(page), [], 'WCAG 2.2 A/AA on the bench');
      assertSelfContained(session);
      await session.context.close();
    });
  }

  it('two fingers magnify the view, a tap follows a droplet, a timing is kept, the phone turns', async () => {
    const session = await startExperiment(browser, { language: 'en', width: 390, height: 844, touch: true });
    const { page } = session;
    // A spin button held down keeps stepping: more than a tap's one step in a second.
    const raise = await reach(session, said.raiseVoltage, 'button');
    await page.touchscreen.touchStart(raise.x + raise.width / 2, raise.y + raise.height / 2);
    await pause(1200);
    await page.touchscreen.touchEnd();
    const held = Number(await (await control(page, name(text.voltage), ['textbox'])).evaluate((f) => f.value));
    assert.ok(held >= 6, `held for a second, the voltage rose to ${held} V`);
    await tap(session, text.inject);
    const { box } = await microscopeBox(session);
    const frame = await page.$eval('#main-Image3', (f) => {
      const r = f.getBoundingClientRect();
      return { x: r.x, y: r.y, width: r.width, height: r.height };
    });
    const label = () => page.$eval('.scale-label', (l) => l.textContent);
    const unmagnified = await label();
    // Two fingers spread from the middle of the view.
    const client = await page.createCDPSession();
    const cx = frame.x + frame.width / 2, cy = frame.y + frame.height / 2;
    const fingers = (d) => [{ x: cx - d, y: cy, id: 1 }, { x: cx + d, y: cy, id: 2 }];
    await client.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: fingers(20) });
    for (let d = 30; d <= 100; d += 10) await client.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: fingers(d) });
    await client.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    const magnified = await label();
    assert.notEqual(magnified, unmagnified, 'the scale label follows the magnification');
    assert.ok(parseInt(magnified, 10) < parseInt(unmagnified, 10), `${unmagnified} → ${magnified}`);
    const shown = (await microscopeBox(session)).box;
    assert.ok(shown.width > box.width * 4, 'the view is magnified');

    // A droplet in sight, tapped: the view says it follows it (at most a second later).
    const following = () => page.$eval('#microscope', (c) => /following droplet/.test(c.getAttribute('aria-description') ?? ''));
    const deadline = Date.now() + 60_000;
    for (;;) {
      const inFrame = (await markerCentres(session)).filter((c) => c.x > frame.x + 20 && c.x < frame.x + frame.width - 20
        && c.y > frame.y + 20 && c.y < frame.y + frame.height - 20);
      if (inFrame[0]) {
        await page.touchscreen.tap(inFrame[0].x, inFrame[0].y);
        await pause(1100);
        if (await following()) break;
      } else {
        // Nothing in the magnified part of the field: move it along with a finger.
        await page.touchscreen.touchStart(cx, cy);
        await page.touchscreen.touchMove(cx + 60, cy + 40);
        await page.touchscreen.touchEnd();
        await pause(300);
      }
      assert.ok(Date.now() < deadline, 'no droplet followed by a tap');
    }

    // A timing recorded from the stopwatch's tab, in the notebook's sheet.
    await tap(session, fixedCaption.start);
    await pause(800);
    await tap(session, fixedCaption.stop);
    const reading = await (await control(page, name(text.stopwatch), ['textbox'])).evaluate((f) => f.value);
    await tap(session, said.record);
    await waitInPage(page, 'the row announced', (s) => document.body.textContent.includes(s), caption('en', said.rowRecorded).split('%1')[0]);
    await tap(session, said.notebook);
    const rows = await waitForNotebookRows(session, 1);
    const sheet = await page.$eval('#notebook', (d) => {
      const r = d.getBoundingClientRect();
      const scroller = d.querySelector('table').parentElement;
      return { width: r.width, height: r.height, sideways: scroller.scrollWidth > scroller.clientWidth && getComputedStyle(scroller).overflowX === 'auto' };
    });
    assert.ok(sheet.width >= 389 && sheet.height >= 843, `the notebook fills the screen: ${sheet.width}x${sheet.height}`);
    assert.ok(sheet.sideways, 'its table scrolls sideways');
    assert.deepEqual(await smallTexts(page), [], 'texts under 12 CSS pixels in the notebook');
    assert.deepEqual(await wcagViolations(page), [], 'WCAG 2.2 A/AA with the notebook');
    await tap(session, caption('en', 610));
    // The guide fills the screen too, its text wrapped to it (a wide table scrolls on its own).
    await tap(session, text.help, 'menuitem');
    await tap(session, text.description, 'menuitem');
    const guide = await page.waitForFunction(() => {
      const text = document.querySelector('dialog.guide[open]:not(.notebook) .guide-text');
      const r = text?.closest('dialog').getBoundingClientRect();
      return text && text.clientWidth > 0 && { width: r.width, height: r.height, sideways: text.scrollWidth > text.clientWidth };
    }, { timeout: 30_000 }).then((h) => h.jsonValue());
    assert.deepEqual(guide, { width: 390, height: 844, sideways: false }, 'the guide as a full-screen sheet');
    await page.keyboard.press('Escape');

    // Turned across: the same droplet followed, the same reading, the same notebook and tab.
    await page.setViewport({ width: 844, height: 390, hasTouch: true, isMobile: false });
    await waitInPage(page, 'the layout across', () => {
      const r = document.querySelector('#main-Image3').getBoundingClientRect();
      return Math.round(r.height) === 390 && r.left === 0;
    });
    assert.equal(await page.$eval('#tab-stopwatch', (t) => t.getAttribute('aria-selected')), 'true');
    assert.equal(await (await control(page, name(text.stopwatch), ['textbox'])).evaluate((f) => f.value), reading);
    assert.match(await page.$eval('#microscope', (c) => c.getAttribute('aria-description')), /following droplet/);
    await tap(session, said.notebook);
    assert.deepEqual(await waitForNotebookRows(session, 1), rows);
    assertSelfContained(session);
    await session.context.close();
  });
});
