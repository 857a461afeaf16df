// The core's C functions as the page calls them, on the WebAssembly build under Node: the pace
// of simulated time, the commands with the desktop's field rules, and the designs the page
// builds its windows from.
import assert from 'node:assert/strict';
import { before, test } from 'node:test';
import { loadCore } from './wasmCore.mjs';

let m;
let text;
let withString;

before(async () => {
  ({ m, text, withString } = await loadCore());
});

test('simulated time runs one tick per 11 ms of the clock since the run began, however it is asked', () => {
  const cases = [
    // page times asked in turn, ticks run by then
    [[0, 10.9, 11], 1],
    [[110], 10],
    [[50, 60, 70, 80, 90, 100, 109.99], 9],
    [[11_000], 1000],
    [[600_000, 5], 54_545],
  ];
  for (const [times, ticks] of cases) {
    m._tess_begin_run(1000, 1, 2);
    for (const t of times) m._tess_run_until(1000 + t);
    assert.equal(m._tess_ticks_run(), ticks, times.join());
  }
  m._tess_end_run();
  assert.equal(m._tess_run_until(1_000_000), 0, 'no ticks after the end');
});

test('the view is reported changed once per batch, and the markers agree with the count in view', () => {
  m._tess_begin_run(0, 7, 8);
  m._tess_inject();
  const changes = m._tess_run_until(11 * 200);
  assert.ok(changes & 1, 'markers changed');
  const table = m.HEAP32.subarray(m._tess_markers() >> 2, (m._tess_markers() >> 2) + 300);
  let shown = 0;
  for (let i = 0; i < 300; i += 3) {
    assert.ok(table[i] === 0 || table[i] === 1);
    if (table[i] === 1) {
      ++shown;
      assert.ok(table[i + 1] ** 2 + table[i + 2] ** 2 < 200 ** 2, 'inside the field');
    }
  }
  assert.equal(shown, m._tess_markers_in_view());
  assert.equal(m._tess_run_until(11 * 200), 0, 'nothing changes without ticks');
});

test('the fields and spin buttons follow the desktop\'s rules', () => {
  m._tess_begin_run(0, 3, 4);
  const voltage = [
    // typed, field shows afterwards (null: keeps what was typed)
    ['500', '500'], ['2000', '1000'], ['-5', '0'], ['$10', '16'], ['12a', null], ['', null],
  ];
  for (const [typed, shown] of voltage) {
    assert.equal(withString(typed, (p) => text(m._tess_voltage_typed(p))), shown, typed);
  }
  const spins = [
    // spin buttons, direction, field text, field shows afterwards
    [1, 1, '500', '502'], [1, -1, '1000', '993'], [1, 1, 'abc', '995'], [1, 1, '995', null],
    // A field with decimals is no whole number: the step goes from the buttons' own position.
    [2, 1, '40.00', '21.00'], [2, -1, '0', ' 0.00'], [2, -1, '0', null], [2, 1, '100', '100.00'],
    [2, 1, '100', null],
  ];
  for (const [which, direction, field, shown] of spins) {
    assert.equal(withString(field, (p) => text(m._tess_spin(which, direction, p))), shown, `${which} ${direction} ${field}`);
  }
  const temperatures = [['37.5', 37, '37.50'], ['150', 100, '100.00'], ['x', -1, '100.00'], ['99.999', 99, '100.00']];
  for (const [typed, position, finished] of temperatures) {
    assert.equal(withString(typed, (p) => m._tess_temperature_typed(p)), position, typed);
    assert.equal(text(m._tess_temperature_text()), finished, typed);
  }
});

test('the supply, the view shift and the stopwatch report what the page must redraw', () => {
  m._tess_begin_run(0, 5, 6);
  assert.equal(m._tess_lamp_on(), 0);
  assert.ok(m._tess_switch_supply() & 8);
  assert.equal(m._tess_lamp_on(), 1);
  withString('1000', (p) => m._tess_voltage_typed(p));
  const [x0, y0, x1, y1] = m.HEAP32.subarray(m._tess_needle() >> 2, (m._tess_needle() >> 2) + 4);
  assert.ok(x1 > x0 && y1 < y0, 'the needle swings right for a positive voltage');
  assert.ok(m._tess_shift_view(0, 75) & 16);
  assert.equal(m._tess_scroll_position(0), 75);
  assert.equal(text(m._tess_readout(0)).trim(), '0,300 mm');
  assert.ok(m._tess_inject() & 16, 'the injection recentres the view');
  assert.equal(m._tess_scroll_position(0), 50);
  m._tess_start_stopwatch();
  assert.ok(m._tess_run_until(11 * 150) & 4);
  assert.equal(text(m._tess_stopwatch_text()).trim(), '00:01,5');
  m._tess_stop_stopwatch();
  assert.equal(m._tess_run_until(11 * 300) & 4, 0, 'a stopped stopwatch keeps its reading');
});

test('every window design names only controls it has, parents before children', () => {
  const designs = JSON.parse(text(m._tess_designs_json()));
  for (const [window, design] of Object.entries(designs)) {
    const names = new Set();
    for (const control of design.controls) {
      assert.ok(control.parent === '' || names.has(control.parent), `${window} ${control.name}`);
      assert.ok(!names.has(control.name), `${window} ${control.name} twice`);
      names.add(control.name);
    }
    for (const name of design.order) assert.ok(names.has(name), `${window} order ${name}`);
    for (const name of Object.keys(design.captions)) {
      assert.ok(name === 'title' || names.has(name), `${window} caption ${name}`);
    }
  }
  JSON.parse(text(m._tess_dial_json()));
});

test('the catalogue follows the chosen language folder', () => {
  const folders = text(m._tess_language_folders()).split('\n').filter(Boolean);
  assert.deepEqual(folders, ['English', 'Magyar']);
  const cases = [['English', 'English', 'Tessilar experiment   /   <b>x</b>'], ['', '', 'Tessilar-kísérlet   /   <b>x</b>']];
  for (const [folder, inUse, title] of cases) {
    withString(folder, (p) => m._tess_choose_language(p));
    assert.equal(text(m._tess_language_folder()), inUse);
    assert.equal(withString('<b>x</b>', (p) => text(m._tess_title(p))), title);
  }
});
