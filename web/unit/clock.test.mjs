// Simulated time from the page's clock: ticks due before an event run before it acts, frames
// draw once whatever ran, a hidden tab catches up in one batch on its return.
import assert from 'node:assert/strict';
import { beforeEach, test } from 'node:test';
import { SimulationClock, eventTime } from '../build-unit/clock.mjs';

/** A page with a frame queue run by hand, a clock set by hand and a visibility to switch. */
function fakePage() {
  const page = { now: 0, frames: new Map(), nextFrame: 1, visibility: 'visible', listeners: new Map() };
  globalThis.performance = { now: () => page.now };
  globalThis.requestAnimationFrame = (callback) => {
    page.frames.set(page.nextFrame, callback);
    return page.nextFrame++;
  };
  globalThis.cancelAnimationFrame = (id) => page.frames.delete(id);
  globalThis.document = {
    get visibilityState() { return page.visibility; },
    addEventListener: (type, listener) => page.listeners.set(type, listener),
    removeEventListener: (type) => page.listeners.delete(type),
  };
  page.runFrames = () => {
    const due = [...page.frames.values()];
    page.frames.clear();
    for (const frame of due) frame(page.now);
  };
  return page;
}

/** A core that reports what was asked of it; each run reports the changes queued for it. */
function fakeCore(log) {
  const changes = [];
  return {
    changes,
    runUntil(ms) {
      log.push(['run', ms]);
      return changes.shift() ?? 0;
    },
  };
}

let page;
beforeEach(() => {
  page = fakePage();
});

test('an event acts after the ticks due by its own time stamp, and is drawn at the next frame', () => {
  const log = [];
  const core = fakeCore(log);
  const clock = new SimulationClock(core, (changes) => log.push(['draw', changes]));
  clock.start();
  page.now = 500;
  core.changes.push(4);
  clock.atEvent({ timeStamp: 420 }, () => {
    log.push(['act']);
    return 8;
  });
  assert.deepEqual(log, [['run', 420], ['act']]);
  page.runFrames();
  assert.deepEqual(log.slice(2), [['run', 500], ['draw', 12]]);
});

test('each frame runs the ticks due by now and draws only what changed', () => {
  const log = [];
  const core = fakeCore(log);
  const clock = new SimulationClock(core, (changes) => log.push(['draw', changes]));
  clock.start();
  const frames = [[16, 1], [33, 0], [1000, 3]];
  for (const [now, changed] of frames) {
    page.now = now;
    core.changes.push(changed);
    page.runFrames();
  }
  assert.deepEqual(log, [['run', 16], ['draw', 1], ['run', 33], ['run', 1000], ['draw', 3]]);
});

test('a tab back from hiding catches up at once and draws once; a stopped clock runs nothing', () => {
  const log = [];
  const core = fakeCore(log);
  const clock = new SimulationClock(core, (changes) => log.push(['draw', changes]));
  clock.start();
  page.frames.clear(); // the hidden tab gets no frames
  page.visibility = 'hidden';
  page.listeners.get('visibilitychange')();
  assert.deepEqual(log, []);
  page.now = 600_000;
  page.visibility = 'visible';
  core.changes.push(7);
  page.listeners.get('visibilitychange')();
  assert.deepEqual(log, [['run', 600_000], ['draw', 7]]);
  clock.stop();
  clock.atEvent({ timeStamp: 600_100 }, () => {});
  page.runFrames();
  assert.equal(log.length, 2);
});

test('an event time is its time stamp, never later than now, and now when it has none', () => {
  const cases = [
    [{ timeStamp: 120 }, 200, 120],
    [{ timeStamp: 250 }, 200, 200],
    [{ timeStamp: 0 }, 200, 200],
    [{ timeStamp: NaN }, 200, 200],
    [{ timeStamp: -3 }, 200, 200],
  ];
  for (const [event, now, expected] of cases) assert.equal(eventTime(event, now), expected, JSON.stringify(event));
});
