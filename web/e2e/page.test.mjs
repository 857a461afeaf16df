// The browser edition end to end: the built page in headless Chromium, opened from disk with the
// network refused, driven through the controls' accessible names and checked on the screen.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { launchChromium, openPage, waitInPage } from './browser.mjs';
import { caption } from './catalogue.mjs';
import { colours, newlyDark, pixelsOfColour, viewportPixels } from './screen.mjs';
import {
  assertSelfContained, boxOf, control, dropletsInView, fixedCaption, press, startExperiment, text, typeInto,
} from './session.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

let browser;
before(async () => { browser = await launchChromium(); });
after(async () => { await browser?.close(); });

/// Waits, taking screenshots, until `accept` returns something truthy for one; returns that.
async function waitForScreen(page, what, accept, timeout = 30_000) {
  const deadline = Date.now() + timeout;
  for (;;) {
    const result = accept(await viewportPixels(page));
    if (result) return result;
    if (Date.now() > deadline) throw new Error(`waited ${timeout / 1000} s for ${what}`);
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

/// axe-core's findings against WCAG 2.2 A and AA, one line each.
async function wcagViolations(page) {
  await page.evaluate(axeSource);
  return page.evaluate(async () => (await window.axe.run(document, {
    runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] },
  })).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
}

/// The part of a screenshot inside a box of CSS pixels.
function cropped(screen, box, ratio) {
  const x0 = Math.floor(box.x * ratio), y0 = Math.floor(box.y * ratio);
  const width = Math.floor(box.width * ratio), height = Math.floor(box.height * ratio);
  const rgba = Buffer.alloc(width * height * 4);
  for (let y = 0; y < height; y++) {
    const from = ((y0 + y) * screen.width + x0) * 4;
    screen.rgba.copy(rgba, y * width * 4, from, from + width * 4);
  }
  return { width, height, rgba };
}

/// The stopwatch's reading in simulated seconds ("mm:ss,t" or "mm:ss.t").
function stopwatchSeconds(reading) {
  const match = /(\d+):(\d\d)[.,](\d)/.exec(reading);
  assert.ok(match, `stopwatch shows ${JSON.stringify(reading)}`);
  return Number(match[1]) * 60 + Number(match[2]) + Number(match[3]) / 10;
}

describe('identity prompt and title', () => {
  const cases = [
    // Hungarian by default; markup in the identifier stays text and loads nothing.
    { language: 'hu', query: '',
      identifier: '<img src="https://tessilar.invalid/x.png" onerror="window.injected=1">' },
    { language: 'en', query: '?lang=en', identifier: 'Kovács Anna & <b>Béla</b>' },
    { language: 'hu', query: '?lang=hu', identifier: '' },
  ];
  for (const { language, query, identifier } of cases) {
    it(`${query || 'no query'}: ${JSON.stringify(identifier)}`, async () => {
      const session = await startExperiment(browser, { language, query, identifier });
      const page = session.page;
      const shown = await page.evaluate(() => ({
        text: document.body.innerText,
        images: [...document.querySelectorAll('img')].map((img) => img.getAttribute('src')),
        bold: document.querySelectorAll('b').length,
        injected: 'injected' in window,
        language: document.documentElement.lang,
      }));
      // The prompt shows the identifier as typed, as the desktop's does (no password dots).
      assert.deepEqual(session.promptField, { type: 'text', value: identifier });
      if (identifier) assert.ok(shown.text.includes(identifier), 'identifier not shown as text');
      assert.ok(!shown.images.some((src) => src?.includes('tessilar.invalid')));
      assert.equal(shown.bold, 0);
      assert.equal(shown.injected, false);
      assert.equal(shown.language, language);
      await control(page, caption(language, text.inject), ['button']);
      assertSelfContained(session);
      await session.context.close();
    });
  }
});

describe('a page that cannot start says so in both languages', () => {
  // Each way of breaking the browser before the page's script runs.
  const breakages = {
    'no WebAssembly': () => { delete window.WebAssembly; },
    'WebAssembly refused': () => {
      const refuse = () => Promise.reject(new Error('refused by the test'));
      WebAssembly.instantiate = refuse;
      WebAssembly.instantiateStreaming = refuse;
    },
  };
  for (const [name, breakage] of Object.entries(breakages)) {
    it(name, async () => {
      const session = await openPage(browser, {
        beforeLoad: (page) => page.evaluateOnNewDocument(breakage),
      });
      await waitInPage(session.page, 'the failure message', () => {
        const alert = document.querySelector('[role="alert"]');
        const said = (lang) => [...(alert?.querySelectorAll(`[lang="${lang}"]`) ?? [])]
          .some((p) => p.textContent.trim() && p.getClientRects().length > 0);
        return said('hu') && said('en');
      });
      assert.deepEqual(session.refused, []);
      await session.context.close();
    });
  }
});

describe('the experiment', () => {
  let session;
  before(async () => { session = await startExperiment(browser, { language: 'en' }); });
  after(async () => { assertSelfContained(session); await session.context.close(); });

  it('injection shows pure yellow markers that move', async () => {
    const page = session.page;
    const empty = await viewportPixels(page);
    assert.equal(pixelsOfColour(empty, colours.markerYellow).length, 0, 'markers before injection');
    assert.equal(await dropletsInView(session), 0);
    // Said in the core's words for none, not as a count of nought.
    assert.equal(await page.$eval('#microscope-description', (el) => el.textContent), caption('en', text.noDropletInView));
    await press(session, text.inject);
    const first = await waitForScreen(page, 'droplet markers', (screen) => {
      const yellow = pixelsOfColour(screen, colours.markerYellow);
      return yellow.length > 0 && yellow;
    });
    await waitForScreen(page, 'the markers to move', (screen) => {
      const yellow = pixelsOfColour(screen, colours.markerYellow);
      return yellow.length > 0 && yellow.join() !== first.join();
    });
    // The microscope's text alternative counts them for a screen reader.
    await control(page, caption('en', text.microscope), ['img', 'image']);
    const deadline = Date.now() + 30_000;
    while (!(await dropletsInView(session) > 0)) {
      assert.ok(Date.now() < deadline, 'the microscope says no droplet is in view');
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
  });

  it('voltage typed, the supply switched: lamp and needle follow', async () => {
    const page = session.page;
    const field = await typeInto(session, text.voltage, '1500');
    // Clamped to the supply's range and written back, as the desktop does.
    await waitInPage(page, 'the voltage field to read 1000', (el) => el.value === '1000', field);
    await typeInto(session, text.voltage, '500');
    await waitInPage(page, 'the voltage field to read 500', (el) => el.value === '500', field);
    const dial = await boxOf(session, text.voltmeter, ['img', 'image']);
    const crop = (screen) => cropped(screen, dial, screen.width / page.viewport().width);
    const lime = (screen) => pixelsOfColour(screen, colours.lampLime).length;
    const off = await viewportPixels(page);
    assert.equal(lime(off), 0, 'the lamp is lit while the supply is off');

    // Each step: the button pressed, then the lamp, and which side the needle leans to.
    const steps = [
      { button: text.onOff, lit: true, side: 1 },
      { button: text.reverse, lit: true, side: -1 },
      { button: text.onOff, lit: false, side: 0 },
    ];
    // The needle's side: where the pixels that turned dark since the supply was off lie.
    const needleSide = (shot) => {
      const moved = newlyDark(crop(off), crop(shot));
      if (moved.length < 4) return 0;
      const offset = moved.reduce((sum, p) => sum + p.x, 0) / moved.length - crop(off).width / 2;
      return Math.abs(offset) > 5 ? Math.sign(offset) : NaN;
    };
    for (const { button, lit, side } of steps) {
      await press(session, button);
      await waitForScreen(page, `the lamp ${lit ? 'lit' : 'dark'}, the needle's side ${side}`,
        (shot) => (lime(shot) > 0) === lit && needleSide(shot) === side);
    }
  });

  it('temperature typed: the column rises', async () => {
    const page = session.page;
    const thermometer = await boxOf(session, text.thermometer, ['img', 'image']);
    const columnTop = (screen) => {
      const blue = pixelsOfColour(screen, colours.columnBlue, thermometer,
        screen.width / page.viewport().width);
      return blue.length ? Math.floor(blue[0] / screen.width) : Infinity;
    };
    const start = columnTop(await viewportPixels(page));
    assert.ok(Number.isFinite(start), 'no thermometer column');
    const field = await typeInto(session, text.temperature, '60');
    await page.keyboard.press('Tab');
    await waitInPage(page, 'the field to show 60.00', (el) => el.value.trim() === '60.00', field);
    // 40 degrees more is 120 design pixels; a third of it shows the column moving.
    await waitForScreen(page, 'the column to rise', (screen) => columnTop(screen) < start - 40);
  });

  it('the stopwatch keeps 10/11 of wall time and stops', async () => {
    const page = session.page;
    const display = await control(page, caption('en', text.stopwatch), ['textbox', 'status', undefined]);
    await press(session, fixedCaption.start);
    // Every change of the reading and the moment it was seen, over 8 s of wall time.
    const changes = await page.evaluate((element, seconds) => new Promise((resolve) => {
      const read = () => ('value' in element ? element.value : element.textContent);
      const seen = [];
      let last = read();
      const begin = performance.now();
      const look = () => {
        const now = performance.now();
        const reading = read();
        if (reading !== last) { seen.push([reading, now]); last = reading; }
        if (now - begin < seconds * 1000) requestAnimationFrame(look); else resolve(seen);
      };
      requestAnimationFrame(look);
    }), display, 8);
    assert.ok(changes.length > 20, `the reading changed ${changes.length} times`);
    // The slope of reading against wall time over every change: a frame that came late on a
    // loaded machine moves one point, not the whole measure.
    const points = changes.map(([reading, ms]) => [ms / 1000, stopwatchSeconds(reading)]);
    const mean = (values) => values.reduce((sum, v) => sum + v, 0) / values.length;
    const wall = mean(points.map(([t]) => t)), simulated = mean(points.map(([, s]) => s));
    const pace = points.reduce((sum, [t, s]) => sum + (t - wall) * (s - simulated), 0)
      / points.reduce((sum, [t]) => sum + (t - wall) ** 2, 0);
    assert.ok(Math.abs(pace / (10 / 11) - 1) < 0.03, `simulated/wall time ${pace.toFixed(4)}`);

    await press(session, fixedCaption.stop);
    const stopped = await display.evaluate((el) => ('value' in el ? el.value : el.textContent));
    const later = await display.evaluate((el) => new Promise((resolve) => {
      const begin = performance.now();
      const look = () => (performance.now() - begin > 500
        ? resolve('value' in el ? el.value : el.textContent) : requestAnimationFrame(look));
      requestAnimationFrame(look);
    }));
    assert.equal(later, stopped, 'the stopwatch runs on after Stop');
  });
});

describe('keyboard only and touch', () => {
  it('Tab follows the desktop keyboard order; Alt with a marked letter presses its button', async () => {
    const session = await startExperiment(browser, { language: 'en' });
    const page = session.page;
    const focusedName = () => page.evaluate(() => {
      const el = document.activeElement;
      const labelled = el?.getAttribute('aria-labelledby');
      return (el?.getAttribute('aria-label')
        ?? (labelled ? document.getElementById(labelled)?.textContent : el?.textContent) ?? '').trim();
    });
    const visited = [await focusedName()];
    for (let i = 0; i < 24; i++) {
      await page.keyboard.press('Tab');
      visited.push(await focusedName());
    }
    // The named controls in the desktop's order, starting at the injection button.
    const order = [text.inject, text.reverse, text.onOff, text.voltage, text.stopwatch,
      fixedCaption.start, fixedCaption.stop, text.end, text.temperature]
      .map((n) => (typeof n === 'string' ? n : caption('en', n)));
    const positions = order.map((name) => visited.indexOf(name));
    assert.ok(positions.every((at, i) => at >= 0 && (i === 0 || at > positions[i - 1])),
      `focus went ${JSON.stringify(visited)}`);
    assert.equal(positions[0], 0, 'the injection button does not have the focus first');

    // The injection and the supply's button by Alt and their marked letters.
    await page.keyboard.down('Alt');
    await page.keyboard.press('i');
    await page.keyboard.up('Alt');
    await waitForScreen(page, 'droplets injected by Alt+I',
      (shot) => pixelsOfColour(shot, colours.markerYellow).length > 0);
    await page.keyboard.down('Alt');
    await page.keyboard.press('o');
    await page.keyboard.up('Alt');
    await waitForScreen(page, 'the lamp lit by Alt+O',
      (shot) => pixelsOfColour(shot, colours.lampLime).length > 0);
    assertSelfContained(session);
    await session.context.close();
  });

  it('taps on a touch screen', async () => {
    const session = await startExperiment(browser, {
      language: 'en', width: 1024, height: 768, touch: true,
    });
    const page = session.page;
    const tap = async (number) => {
      const box = await boxOf(session, number, ['button']);
      await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
    };
    await tap(text.inject);
    await waitForScreen(page, 'droplets injected by a tap',
      (shot) => pixelsOfColour(shot, colours.markerYellow).length > 0);
    await tap(text.onOff);
    await waitForScreen(page, 'the lamp lit by a tap',
      (shot) => pixelsOfColour(shot, colours.lampLime).length > 0);
    assertSelfContained(session);
    await session.context.close();
  });
});

describe('languages and the guide', () => {
  // The guide's first heading in each language.
  const headings = {
    hu: '1. A kísérlet célja', en: '1. Aim of the experiment', de: '1. Ziel des Versuchs',
    fr: "1. But de l'expérience", es: '1. Objetivo del experimento',
  };
  const cases = [
    { from: 'en', to: 'hu' },
    { from: 'hu', to: 'en' },
    { from: 'en', to: 'de' },
    { from: 'de', to: 'fr' },
    { from: 'fr', to: 'es' },
  ];
  for (const { from, to } of cases) {
    it(`switched from ${from} to ${to} in the page, then the guide`, async () => {
      const session = await startExperiment(browser, { language: from });
      const page = session.page;
      await press(session, text.help);
      await press(session, text.language);
      // The language dialog lists the language folders; the choice is made in its list.
      const folders = { hu: 'Magyar', en: 'English', de: 'Deutsch', fr: 'Français', es: 'Español' };
      const option = await control(page, folders[to], ['option', 'menuitemradio', 'radio']);
      await option.evaluate((item) => {
        item.selected = true;
        item.closest('select')?.dispatchEvent(new Event('change', { bubbles: true }));
      });
      await press(session, text.ok, from);
      session.language = to;
      await control(page, caption(to, text.inject), ['button']);
      await waitInPage(page, `the page in ${to}`, (lang) => document.documentElement.lang === lang, to);
      await press(session, text.help);
      await press(session, text.description);
      // The guide may stand in a shadow tree of its own.
      await waitInPage(page, 'the guide', (heading) => {
        const roots = [document, ...[...document.querySelectorAll('*')]
          .map((el) => el.shadowRoot).filter(Boolean)];
        return roots.some((root) => [...root.querySelectorAll('h1, h2')].some((h) =>
          h.textContent.trim() === heading && h.getClientRects().length > 0));
      }, headings[to]);
      assert.deepEqual(await wcagViolations(page), [], 'with the guide open');
      assertSelfContained(session);
      await session.context.close();
    });
  }
});

describe('accessibility and fit', () => {
  const sizes = [
    { width: 1024, height: 600 },
    { width: 1366, height: 768 },
    { width: 1920, height: 1080 },
  ];
  for (const { width, height } of sizes) {
    it(`${width}x${height}: whole, targets of 24 px, no WCAG 2.2 A/AA violation`, async () => {
      const promptViolations = [];
      const session = await startExperiment(browser, { language: 'en', width, height,
        atPrompt: async ({ page }) => promptViolations.push(...await wcagViolations(page)) });
      assert.deepEqual(promptViolations, [], 'at the identity prompt');
      const page = session.page;
      await press(session, text.inject);
      // The Help menu open, so that its items are measured too.
      await press(session, text.help);
      await control(page, caption('en', text.about), ['menuitem']);
      const layout = await page.evaluate(() => {
        const root = document.scrollingElement;
        const interactive = [...document.querySelectorAll(
          'button, input, select, textarea, a[href], [role="menuitem"], [role="button"], [tabindex]')]
          // Every target a finger can hit, whether or not the Tab key stops on it.
          .filter((el) => el.getClientRects().length > 0 && !el.closest('[inert], [hidden]'))
          .map((el) => {
            const box = el.getBoundingClientRect();
            return { name: el.getAttribute('aria-label') || el.textContent.trim() || el.id || el.tagName,
              left: box.left, top: box.top, right: box.right, bottom: box.bottom,
              width: box.width, height: box.height };
          });
        return { scrollWidth: root.scrollWidth, scrollHeight: root.scrollHeight,
          innerWidth, innerHeight, interactive };
      });
      assert.ok(layout.scrollWidth <= layout.innerWidth && layout.scrollHeight <= layout.innerHeight,
        `the page scrolls: ${layout.scrollWidth}x${layout.scrollHeight}`);
      assert.ok(layout.interactive.length >= 10, 'too few controls found');
      const outside = layout.interactive.filter((c) => c.left < 0 || c.top < 0
        || c.right > width + 0.5 || c.bottom > height + 0.5).map((c) => c.name);
      assert.deepEqual(outside, [], 'controls outside the window');
      const small = layout.interactive.filter((c) => c.width < 24 || c.height < 24)
        .map((c) => `${c.name} ${c.width.toFixed(1)}x${c.height.toFixed(1)}`);
      assert.deepEqual(small, [], 'touch targets under 24x24 CSS pixels');
      await page.keyboard.press('Escape');
      assert.deepEqual(await wcagViolations(page), [], 'in the experiment window');
      assertSelfContained(session);
      await session.context.close();
    });
  }
});
