// The compact layout of phones and small tablets, worked out from the core's own designs: where
// the microscope, the bar, the tabs and their page stand, how large each tab is drawn, and how two
// fingers magnify the microscope's view.
import assert from 'node:assert/strict';
import { before, test } from 'node:test';
import {
  compactFrame, designLength, isCompact, keptInFrame, panned, pinched, scaleBar, tabScale,
} from '../build-unit/compact.mjs';
import { loadCore } from './wasmCore.mjs';

let main;
before(async () => {
  const { m, text } = await loadCore();
  main = JSON.parse(text(m._tess_designs_json())).main;
});

const inside = (r, width, height) => r.left >= 0 && r.top >= 0 && r.left + r.width <= width && r.top + r.height <= height;
const overlap = (a, b) => a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;

test('the compact layout serves phones and small tablets, the large one from 1024 x 600', () => {
  const rows = [[360, 640, true], [390, 844, true], [844, 390, true], [768, 1024, true], [1023, 768, true],
    [1280, 599, true], [1024, 600, false], [1366, 768, false]];
  for (const [w, h, compact] of rows) assert.equal(isCompact(w, h, main.compact), compact, `${w}x${h}`);
});

test('the microscope is as large as the screen allows, and the regions share the screen', () => {
  // viewport, held upright, the microscope's side
  const rows = [
    [360, 640, true, 360], [390, 844, true, 390], [430, 932, true, 430], [768, 1024, true, 612],
    [844, 390, false, 390], [640, 360, false, 360], [932, 430, false, 430], [320, 480, true, 208],
  ];
  for (const [w, h, upright, side] of rows) {
    const f = compactFrame(w, h, main.compact);
    const label = `${w}x${h}`;
    assert.equal(f.upright, upright, label);
    assert.equal(f.microscope.width, side, label);
    assert.equal(f.microscope.height, side, label);
    const regions = [f.bar, f.microscope, f.page, f.tabs];
    for (const r of regions) assert.ok(inside(r, w, h), `${label}: ${JSON.stringify(r)} inside`);
    for (let i = 0; i < regions.length; i++) {
      for (let j = i + 1; j < regions.length; j++) assert.ok(!overlap(regions[i], regions[j]), `${label}: regions ${i} and ${j} apart`);
    }
    assert.ok(f.bar.height >= main.compact.targetSize && f.tabs.height >= main.compact.targetSize, `${label}: a finger's height`);
    if (w <= main.compact.phoneWidth || h <= main.compact.phoneWidth) {
      const page = upright ? f.page.height : f.page.width;
      assert.ok(page >= (upright ? main.compact.leastPageHeight : main.compact.leastPageWidth) || side < Math.min(w, h), `${label}: the page's least room`);
    }
  }
});

test('every tab is drawn no smaller than the desktop, with readable text, and fits sideways on a phone', () => {
  const fonts = new Map(main.controls.map((c) => [c.name, c.fontPixels]));
  for (const [w, h] of [[360, 640], [390, 844], [844, 390], [768, 1024]]) {
    const f = compactFrame(w, h, main.compact);
    for (const tab of main.compact.tabs) {
      const smallest = Math.min(...tab.places.map((p) => fonts.get(p.name) || Infinity).filter(Number.isFinite), 11);
      const s = tabScale(tab, f.page, smallest, main.compact);
      const label = `${w}x${h} ${tab.id}`;
      assert.ok(s >= 1 && smallest * s >= main.compact.smallestText, `${label}: scale ${s}`);
      assert.ok(s <= main.compact.largestScalePercent / 100, `${label}: not larger than the largest`);
      assert.ok(tab.width * s <= f.page.width - main.compact.pageMargin, `${label}: no sideways scrolling`);
      // Only the thermometer is taller than any phone's page.
      if (tab.id !== 'temperature') assert.ok(tab.height * s <= f.page.height - main.compact.pageMargin, `${label}: no scrolling down`);
    }
  }
  for (const s of [1, 1.1, 1.37, 2.5]) assert.ok(designLength(main.compact.targetSize, s) * s >= main.compact.targetSize, `hit at ${s}`);
});

test('two fingers magnify the view about the point between them, kept inside the frame', () => {
  const frame = 390;
  const largest = main.compact.largestZoom;
  const rows = [
    // start, fingers from, fingers to
    [{ zoom: 1, x: 0, y: 0 }, { x: 195, y: 195, distance: 40 }, { x: 195, y: 195, distance: 120 }],
    [{ zoom: 1, x: 0, y: 0 }, { x: 100, y: 300, distance: 50 }, { x: 120, y: 280, distance: 150 }],
    [{ zoom: 2, x: 100, y: 50 }, { x: 200, y: 100, distance: 100 }, { x: 200, y: 100, distance: 150 }],
  ];
  for (const [start, from, to] of rows) {
    const view = pinched(start, from, to, frame, largest);
    assert.ok(Math.abs(view.zoom - start.zoom * to.distance / from.distance) < 1e-9, 'magnified by the fingers');
    // The point of the field under the fingers at the start is under them still.
    const fieldX = (from.x + start.x) / start.zoom;
    const fieldY = (from.y + start.y) / start.zoom;
    assert.ok(Math.abs(fieldX * view.zoom - view.x - to.x) < 1e-9 && Math.abs(fieldY * view.zoom - view.y - to.y) < 1e-9, JSON.stringify(view));
  }
  // Never smaller than the frame, never past the largest magnification nor the field's edges.
  const out = pinched({ zoom: 2, x: 0, y: 0 }, { x: 10, y: 10, distance: 100 }, { x: 10, y: 10, distance: 10 }, frame, largest);
  assert.deepEqual(out, { zoom: 1, x: 0, y: 0 });
  assert.equal(pinched({ zoom: 1, x: 0, y: 0 }, { x: 0, y: 0, distance: 10 }, { x: 0, y: 0, distance: 1000 }, frame, largest).zoom, largest);
  assert.deepEqual(panned({ zoom: 3, x: 100, y: 100 }, 500, -2000, frame, largest), { zoom: 3, x: 0, y: frame * 2 });
  assert.deepEqual(keptInFrame({ zoom: NaN, x: Infinity, y: -1 }, frame, largest), { zoom: 1, x: 0, y: 0 });
  assert.deepEqual(pinched({ zoom: 1, x: 0, y: 0 }, { x: 5, y: 5, distance: 0 }, { x: 9, y: 9, distance: 30 }, frame, largest), { zoom: 1, x: 0, y: 0 });
});

test("the reticle's scale bar follows the magnification", () => {
  // CSS pixels per micrometre, the bar's length in micrometres
  const rows = [[0.8, 100], [0.87, 100], [2, 20], [5, 10], [10, 5], [100, 5]];
  for (const [cssPerMicron, microns] of rows) {
    const bar = scaleBar(cssPerMicron, 96);
    assert.equal(bar.microns, microns, `${cssPerMicron}`);
    assert.ok(Math.abs(bar.css - microns * cssPerMicron) < 1e-9);
  }
});
