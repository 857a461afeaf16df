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

test('the fields and spin buttons follow the desktop\'s rules, and say what to draw again', () => {
  m._tess_begin_run(0, 3, 4);
  const VoltageField = 32;
  const TemperatureField = 64;
  const PressureField = 4096;
  const steps = [
    // field, what the student does, the change flag it must raise, what the field shows after
    [0, ['type', '500'], 0, '500'], [0, ['type', '2000'], VoltageField, '1000'],
    [0, ['type', '-5'], VoltageField, '0'], [0, ['type', '$10'], VoltageField, '16'],
    [0, ['type', '12a'], 0, '12a'], [0, ['type', '500'], 0, '500'], [0, ['spin', 1], VoltageField, '502'],
    [0, ['type', '1000'], 0, '1000'], [0, ['spin', -1], VoltageField, '993'],
    [0, ['type', 'abc'], 0, 'abc'], [0, ['spin', 1], VoltageField, '995'], [0, ['spin', 1], 0, '995'],
    // Typed text stays as typed until editing ends; a field with decimals steps from the
    // buttons' own position.
    [1, ['type', '37.5'], TemperatureField, '37.5'], [1, ['finish'], TemperatureField, '37.50'],
    [1, ['spin', 1], TemperatureField, '38.00'], [1, ['type', '150'], TemperatureField, '150'],
    [1, ['finish'], TemperatureField, '100.00'], [1, ['spin', 1], 0, '100.00'],
    [1, ['type', 'x'], 0, 'x'], [1, ['finish'], TemperatureField, '100.00'],
    // The pressure: a number out of range keeps the last good one instead of being clamped.
    [2, ['type', '20'], PressureField, '20'], [2, ['type', '200'], 0, '200'],
    [2, ['finish'], PressureField, ' 20.0'], [2, ['spin', 1], PressureField, ' 21.0'],
  ];
  for (const [field, [what, value], flag, shown] of steps) {
    const changes = what === 'type' ? withString(value, (p) => m._tess_field_changed(field, p, 1))
      : what === 'spin' ? m._tess_spin(field, value) : m._tess_editing_finished(field);
    const label = `${field}: ${what} ${value ?? ''}`;
    assert.equal(changes & (VoltageField | TemperatureField | PressureField), flag, label);
    assert.equal(text(m._tess_field_text(field)), shown, label);
  }
});

test('the supply, the view shift and the stopwatch report what the page must redraw', () => {
  m._tess_begin_run(0, 5, 6);
  assert.equal(m._tess_lamp_on(), 0);
  assert.ok(m._tess_switch_supply() & 8);
  assert.equal(m._tess_lamp_on(), 1);
  withString('1000', (p) => m._tess_field_changed(0, p, 1));
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
  }
  // Every command a menu or a bench button names is in the table.
  const commands = new Set(designs.main.commands.map((command) => command.name));
  for (const menu of designs.main.menus) for (const entry of menu.entries) assert.ok(entry === '' || commands.has(entry), entry);
  for (const button of designs.main.bench) assert.ok(commands.has(button.command), button.name);
});

test('the catalogue follows the chosen language folder', () => {
  const folders = text(m._tess_language_folders()).split('\n').filter(Boolean);
  assert.deepEqual(folders, ['English', 'Magyar']);
  const cases = [['English', 'English', 'Tessilar experiment   /   <b>x</b>'], ['', '', 'Tessilar-kísérlet   /   <b>x</b>']];
  for (const [folder, inUse, title] of cases) {
    withString(folder, (p) => m._tess_choose_language(p));
    assert.equal(text(m._tess_language_folder()), inUse);
    assert.equal(withString('<b>x</b>', (p) => text(m._tess_title(200, p))), title);
  }
  // Places filled in one pass, as the desktop fills them; a place without a value stays.
  withString('English', (p) => m._tess_choose_language(p));
  const filled = (n, values) => withString(values.join('\u001f'), (p) => text(m._tess_text_filled(n, p)));
  assert.equal(filled(614, ['a%2.csv', 'bad']), 'The file a%2.csv cannot be read as a notebook (bad). The notebook is unchanged.');
  assert.equal(filled(517, ['x']), 'The notebook x could not be read (%2). It was kept as %3; a new, empty notebook starts.');
});
