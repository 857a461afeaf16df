// Measuring in the page: where a click lands in the view, the notebook kept in the browser's
// storage, and the teacher's switches in the address.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { NotebookStorage, notebookKey, storeFault } from '../build-unit/notebookStorage.mjs';
import { fileNameFor, pickRadius, viewPoint } from '../build-unit/pointing.mjs';
import { SuspendDataRoom, decodeNotebook, encodeNotebook } from '../build-unit/suspendData.mjs';

/** The design's reach of a click and of a tap. */
const microscope = { markerSize: 4, ringMargin: 4, ringWidth: 2, clickReach: 6, tapReach: 12 };

test('a pointer lands in view pixels from the centre pixel, with a pick radius for its kind', () => {
  const cases = [
    // client x, y, the view's rectangle, pointer kind: x, y, radius in view pixels
    [[225.5, 225.5], { left: 0, top: 0, width: 450, height: 450 }, 'mouse', [0, 0, 6]],
    [[110, 120.5], { left: 100, top: 100, width: 450, height: 450 }, 'mouse', [-215.5, -205, 6]],
    // Drawn at half size: a CSS pixel is two view pixels, and so is the radius.
    [[100 + 112.75, 50 + 112.75], { left: 100, top: 50, width: 225, height: 225 }, 'touch', [0, 0, 24]],
    [[0, 0], { left: 0, top: 0, width: 900, height: 900 }, 'pen', [-225.5, -225.5, 3]],
    // A view not laid out yet counts one to one rather than dividing by nothing.
    [[10, 10], { left: 0, top: 0, width: 0, height: 0 }, 'mouse', [-215.5, -215.5, 6]],
  ];
  for (const [[x, y], rect, kind, expected] of cases) {
    const at = viewPoint(x, y, rect, 450, 450, pickRadius(kind, microscope));
    assert.deepEqual([at.x, at.y, at.radius], expected, `${kind} at ${x},${y}`);
  }
});

test('file names safe for any file system', () => {
  const names = [['Kiss Anna', 'Kiss Anna.csv'], ['  a/b:c*?  ', 'a_b_c__.csv'], ['', 'notebook.csv'], ['Ő "x"', 'Ő _x_.csv']];
  for (const [identifier, name] of names) assert.equal(fileNameFor(identifier, 'csv'), name, identifier);
});

/** A stand-in for localStorage that can be full or refuse, and records what was written. */
function memoryStore({ full = false, refuse = false } = {}) {
  const items = new Map();
  return {
    items,
    full,
    refuse,
    getItem(key) {
      if (this.refuse) throw Object.assign(new Error('refused'), { name: 'SecurityError' });
      return items.has(key) ? items.get(key) : null;
    },
    setItem(key, value) {
      if (this.refuse) throw Object.assign(new Error('refused'), { name: 'SecurityError' });
      if (this.full) throw Object.assign(new Error('full'), { name: 'QuotaExceededError' });
      items.set(key, value);
    },
  };
}

test('each identifier finds its notebook again; an unreadable one is kept aside, never overwritten', () => {
  const store = memoryStore();
  const storage = new NotebookStorage(() => store);
  const good = (csv) => (csv.startsWith('droplet,') ? null : 'line 1: the header row is missing');
  const now = Date.UTC(2026, 11, 9, 10, 15);

  assert.deepEqual(storage.open(' Anna ', good, now), { kind: 'new' });
  assert.equal(storage.save('droplet,1\r\n', '2'), null);
  assert.equal(store.items.get(notebookKey('Anna')), 'droplet,1\r\n');
  assert.deepEqual(storage.open('Anna', good, now), { kind: 'read', marks: '2' });
  store.items.set(notebookKey('Dani'), 'droplet,4\r\n');
  assert.deepEqual(storage.open('Dani', good, now), { kind: 'read', marks: '' }, 'a notebook without marks');

  // Damaged twice in the same moment: two keys aside, the first never written over.
  for (const damaged of ['garbage one', 'garbage two']) {
    store.items.set(notebookKey('Béla'), damaged);
    const opened = storage.open('Béla', good, now);
    assert.equal(opened.kind, 'setAside');
    assert.equal(opened.problem, 'line 1: the header row is missing');
    assert.equal(store.items.get(opened.aside), damaged);
    assert.equal(storage.save('droplet,2\r\n', ''), null);
  }
  const aside = [...store.items.keys()].filter((key) => key.includes('Béla') && key !== notebookKey('Béla') && !key.includes('bursts'));
  assert.deepEqual(aside.map((key) => store.items.get(key)).sort(), ['garbage one', 'garbage two']);

  // Storage full while setting aside: the damaged text stays untouched under its key.
  store.items.set(notebookKey('Cili'), 'garbage');
  store.full = true;
  assert.deepEqual(storage.open('Cili', good, now), { kind: 'untouched', problem: 'line 1: the header row is missing' });
  store.full = false;
  assert.equal(storage.save('droplet,3\r\n', ''), null);
  assert.equal(store.items.get(notebookKey('Cili')), 'garbage');
});

test('storage full or refused is told apart, and the notebook goes on in memory', () => {
  assert.equal(storeFault(Object.assign(new Error('x'), { name: 'QuotaExceededError' })), 'full');
  assert.equal(storeFault({ name: 'NS_ERROR_DOM_QUOTA_REACHED' }), 'full');
  assert.equal(storeFault(new Error('SecurityError')), 'refused');
  assert.equal(storeFault(undefined), 'refused');

  const full = memoryStore({ full: true });
  const storage = new NotebookStorage(() => full);
  assert.deepEqual(storage.open('Anna', () => null, 0), { kind: 'new' });
  assert.equal(storage.save('droplet\r\n', ''), 'full');

  const refusing = new NotebookStorage(() => {
    throw Object.assign(new Error('no storage'), { name: 'SecurityError' });
  });
  assert.deepEqual(refusing.open('Anna', () => null, 0), { kind: 'new' });
  assert.equal(refusing.save('droplet\r\n', ''), 'refused');
});

test("a notebook travels in a learning platform's suspend_data and comes back whole; anything else does not", () => {
  const header = 'droplet,ticks,distance_um,time_s,direction,voltage_V,temperature_C,speed_um_s,radius_um,charge_1e-19C,student,spray,bursts,pressure_kPa';
  const row = (i) => `${i},30,300,${(5 + i / 10).toFixed(1)},fall,0,20.00,,,,"Kovács, Ő",${i},0,`;
  const rows = (n) => [header, ...Array.from({ length: n }, (_, i) => row(i + 1))].join('\r\n') + '\r\n';
  for (const [csv, marks] of [[rows(3), '2'], [rows(0), ''], [rows(120), '5,9,101']]) {
    const kept = encodeNotebook(csv, marks);
    assert.ok(kept.length <= SuspendDataRoom, `${kept.length} characters`);
    assert.deepEqual(decodeNotebook(kept), { csv, marks });
  }
  // A long class's worth of rows is more than the platform keeps: the page says so.
  assert.ok(encodeNotebook(rows(2000), '').length > SuspendDataRoom);
  for (const damaged of ['', 'plain text', 'TSL1:not base64!', 'TSL1:' + btoa('not deflated'), encodeNotebook(rows(3), '').slice(0, 40)]) {
    assert.equal(decodeNotebook(damaged), null, damaged);
  }
});
