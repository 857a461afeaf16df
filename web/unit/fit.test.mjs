// Fitting the window's design into the browser window, crisp at every scale.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { MinimumTargetCss, backingPixels, centredOffset, deviceSpan, fitScale, targetDesignSize } from '../build-unit/fit.mjs';

const design = { width: 800, height: 620 };
const screens = [
  [1024, 600], [1024, 768], [1280, 800], [1366, 768], [1440, 900], [1536, 864], [1600, 900],
  [1920, 1080], [1080, 1920], [800, 620],
];

test('the design is shown whole, as large as the window allows, centred on whole pixels', () => {
  for (const [width, height] of screens) {
    const s = fitScale(width, height, design.width, design.height);
    const shownWidth = design.width * s;
    const shownHeight = design.height * s;
    const label = `${width}x${height}`;
    assert.ok(shownWidth <= width + 1e-9 && shownHeight <= height + 1e-9, `${label} fits`);
    assert.ok(Math.abs(shownWidth - width) < 1e-9 || Math.abs(shownHeight - height) < 1e-9, `${label} fills a side`);
    for (const [view, shown] of [[width, shownWidth], [height, shownHeight]]) {
      const offset = centredOffset(view, shown / s, s);
      assert.ok(Number.isInteger(offset) && offset >= 0, `${label} whole pixels`);
      assert.ok(Math.abs(offset - (view - shown) / 2) < 1, `${label} centred`);
    }
  }
});

test('a window of no size leaves the design unscaled', () => {
  for (const [w, h] of [[0, 600], [1024, 0], [NaN, 600], [-5, -5]]) {
    assert.equal(fitScale(w, h, design.width, design.height), 1, `${w}x${h}`);
  }
});

test('touch targets of the target design size are never smaller than the minimum once scaled', () => {
  for (const [width, height] of screens) {
    const s = fitScale(width, height, design.width, design.height);
    const size = targetDesignSize(s);
    assert.ok(size * s >= MinimumTargetCss - 1e-9, `${width}x${height}`);
    assert.ok(size * s < MinimumTargetCss + 0.02 * s, `${width}x${height} not larger than needed`);
  }
});

test('canvases are backed by the device pixels they cover', () => {
  for (const dpr of [1, 1.25, 1.5, 2, 3]) {
    for (const [width, height] of screens) {
      const s = fitScale(width, height, design.width, design.height);
      const pixels = backingPixels(450, s, dpr);
      assert.ok(Number.isInteger(pixels) && Math.abs(pixels - 450 * s * dpr) <= 0.5, `${dpr} ${width}x${height}`);
    }
  }
  assert.equal(backingPixels(450, 0, 1), 1, 'never an empty canvas');
});

test('spans of design pixels land on whole device pixels, tiling without gaps or overlaps', () => {
  for (const factor of [1, 1.2, 1.28, 1.5, 1.7419, 2, 2.5, 3.4839]) {
    let end = deviceSpan(0, 4, factor);
    for (let start = 4; start < 450; start += 4) {
      const span = deviceSpan(start, 4, factor);
      assert.ok(Number.isInteger(span.start) && Number.isInteger(span.length), `factor ${factor}`);
      assert.equal(span.start, end.start + end.length, `factor ${factor} at ${start}`);
      assert.ok(Math.abs(span.length - 4 * factor) <= 1, `factor ${factor} size`);
      end = span;
    }
  }
});
