// The core's measuring calls as the page makes them: following a droplet near a click, the keys,
// recording rows, the CSV out and in (a damaged file changes nothing), and the report.
import assert from 'node:assert/strict';
import { before, test } from 'node:test';
import { loadCore } from './wasmCore.mjs';

let m;
let text;
let withString;
/** The notebook replaced by a CSV file's bytes, as the page reads a file. */
const readCsv = (csv) => {
  const bytes = Buffer.isBuffer(csv) ? csv : Buffer.from(csv, 'utf8');
  const pointer = m._malloc(Math.max(bytes.length, 1));
  m.HEAPU8.set(bytes, pointer);
  const read = m._tess_notebook_read_csv(pointer, bytes.length);
  m._free(pointer);
  return read;
};

before(async () => {
  ({ m, text, withString } = await loadCore());
});

/** Shown droplets as [number, x, y] from the core's marker table. */
function shownMarkers() {
  const table = m.HEAP32.subarray(m._tess_markers() >> 2, (m._tess_markers() >> 2) + 300);
  const shown = [];
  for (let i = 0; i < 100; ++i) if (table[3 * i] === 1) shown.push([i + 1, table[3 * i + 1], table[3 * i + 2]]);
  return shown;
}

test('a click follows the droplet whose marker is within the radius; elsewhere it lets go', () => {
  withString('English', (p) => m._tess_choose_language(p));
  m._tess_begin_run(0, 3, 4);
  m._tess_inject();
  m._tess_run_until(11 * 100);
  const shown = shownMarkers();
  assert.ok(shown.length >= 2, 'droplets in view');
  const [number, x, y] = shown[0];
  const cases = [
    // offset from the marker, radius: followed?
    [[0, 0], 6, true],
    [[6, 0], 6, true],
    [[4.3, 4.3], 6, false],
    [[-7, 0], 6, false],
    [[0, 11.9], 12, true],
    [[0, 0], 0, false],
    [[0, 0], -6, false],
    [[0, 0], NaN, false],
  ];
  let asked = 0;
  for (const [[dx, dy], radius, follows] of cases) {
    // Others as near as this one would make the choice theirs: only a lone marker is asked.
    const alone = shown.every(([n, ox, oy]) => n === number || Math.hypot(ox - x - dx, oy - y - dy) > radius);
    if (!alone) continue;
    ++asked;
    m._tess_follow_at(x + dx, y + dy, radius);
    assert.equal(m._tess_followed(), follows ? number : 0, `${dx},${dy} r ${radius}`);
  }
  assert.ok(asked >= 3, 'the marker stands apart from the others');
  // The keyboard by the keys' names: Space takes one, an arrow another, Esc none; an injection
  // lets go too. A key that chooses nothing is the browser's.
  const key = (name) => withString(name, (p) => m._tess_follow_key(p));
  assert.ok(key(' ') > 0);
  const nearest = m._tess_followed();
  assert.ok(nearest > 0);
  assert.match(text(m._tess_microscope_description()), new RegExp(`following droplet ${nearest}\\b`));
  for (const name of ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown']) {
    assert.ok(key(name) >= 0, name);
    assert.ok(m._tess_followed() > 0, name);
  }
  assert.equal(key('Tab'), -1);
  assert.equal(key('Escape'), -1, 'Esc lets go through the page\'s own key');
  m._tess_let_go();
  assert.equal(m._tess_followed(), 0);
  key('Enter');
  m._tess_inject();
  assert.equal(m._tess_followed(), 0);
  m._tess_end_run();
});

test('rows recorded, marked after a burst, written as CSV and read back; a damaged file changes nothing', () => {
  m._tess_notebook_clear();
  m._tess_begin_run(0, 5, 6);
  m._tess_inject();
  m._tess_run_until(11 * 50);
  withString(' ', (p) => m._tess_follow_key(p));
  const followed = m._tess_followed();
  m._tess_start_stopwatch();
  m._tess_run_until(11 * 250);
  m._tess_stop_stopwatch();
  assert.match(text(m._tess_announcement()), /^Stopwatch stopped at \d+,\d s$/);
  m._tess_record();
  assert.equal(m._tess_notebook_size(), 1);
  assert.match(text(m._tess_announcement()), new RegExp(`^Row 1 recorded: droplet ${followed}, \\d+,\\d s$`));
  m._tess_ionise();
  m._tess_record();
  m._tess_record();
  const table = JSON.parse(text(m._tess_notebook_json()));
  assert.equal(table.columns.length, 10);
  assert.deepEqual(table.rows.map((row) => row.label), ['1', '2 ⚡', '3']);
  assert.equal(table.rows[0].cells[0], String(followed));
  assert.equal(typeof table.estimate, 'string');

  const csv = text(m._tess_notebook_csv());
  const lines = csv.split('\r\n');
  assert.equal(lines[0], 'droplet,ticks,distance_um,time_s,direction,voltage_V,temperature_C,speed_um_s,radius_um,charge_1e-19C,student,spray,bursts,pressure_kPa');
  assert.equal(lines.length, 5, 'header, three rows, and the last line ended');

  // Damaged texts: the reason names the line, and the notebook keeps its three rows.
  const damaged = [
    ['', /header/],
    [`${lines[0]}\r\n1,30,300,abc,fall,0,20,,,,,,,\r\n`, /line 2.*time.*abc/],
    [`${lines[0]}\r\n1,30,300,2.0,sideways,0,20,,,,,,,\r\n`, /line 2.*direction/],
    [Buffer.concat([Buffer.from(`${lines[0]}\r\n1,30,300,2.0,fall,0,20`), Buffer.from([0xff, 0x00]), Buffer.from(',,,,,,,\r\n')]), /UTF-8/],
  ];
  for (const [bad, reason] of damaged) {
    assert.equal(readCsv(bad), 0);
    assert.match(text(m._tess_notebook_problem()), reason);
    assert.equal(m._tess_notebook_size(), 3);
  }
  assert.equal(text(m._tess_notebook_bursts()), '2');
  assert.notEqual(readCsv(csv), 0);
  assert.equal(text(m._tess_notebook_csv()), csv, 'the same bytes back');
  // The marks, which the CSV does not hold, put back; numbers of no row passed over.
  withString('3,x,0,9,', (p) => m._tess_notebook_mark_bursts(p));
  assert.deepEqual(JSON.parse(text(m._tess_notebook_json())).rows.map((row) => row.label), ['1', '2', '3 ⚡']);

  m._tess_notebook_delete(1);
  assert.equal(m._tess_notebook_delete(7), 0);
  assert.equal(m._tess_notebook_size(), 2);

  // Without calculations the table has no radius or charge, and no estimate.
  m._tess_set_calculations(0);
  const plain = JSON.parse(text(m._tess_notebook_json()));
  assert.equal(plain.columns.length, 8);
  assert.equal(plain.estimate, undefined);
  m._tess_set_calculations(1);

  const pointer = withString('Kiss Őrs', (p) => m._tess_student_report(p, 2026, 12, 9, 10, 5));
  const pdf = Buffer.from(m.HEAPU8.subarray(pointer, pointer + m._tess_bytes_size()));
  assert.equal(pdf.subarray(0, 5).toString('latin1'), '%PDF-');
  assert.match(pdf.subarray(-8).toString('latin1'), /%%EOF/);
  m._tess_end_run();
});

test("the histogram's layout and the class's report from several files, the unreadable left out", () => {
  const header = 'droplet,ticks,distance_um,time_s,direction,voltage_V,temperature_C,speed_um_s,radius_um,charge_1e-19C';
  // One droplet timed falling with the supply off and rising under 500 V, three times over.
  const notebook = (times) => [header, ...times.flatMap(([n, fall, rise]) => [
    `${n},30,300,${fall},fall,0,20,,,`, `${n},30,300,${rise},rise,-500,20,,,`])].join('\r\n') + '\r\n';
  const anna = notebook([[1, 20.1, 15.2], [2, 18.4, 9.9], [3, 25.0, 30.5], [4, 22.2, 6.1]]);
  assert.notEqual(readCsv(anna), 0);
  const layout = JSON.parse(text(m._tess_histogram_json(600, 180, 15, 20)));
  assert.equal(layout.drawn, true);
  assert.ok(layout.bars.length > 0 && layout.chargeLabels.length > 0);
  assert.equal(JSON.parse(text(m._tess_histogram_json(5, 5, 15, 20))).drawn, false, 'too small to draw');

  const files = [['Anna.csv', anna], ['Béla.csv', notebook([[7, 19.0, 12.0], [8, 21.5, 8.8]])], ['Cili.csv', 'not a notebook']];
  m._tess_class_begin();
  const added = files.map(([name, csv]) => {
    const bytes = Buffer.from(csv, 'utf8');
    const pointer = m._malloc(bytes.length);
    m.HEAPU8.set(bytes, pointer);
    const ok = withString(name, (p) => m._tess_class_add(p, pointer, bytes.length));
    m._free(pointer);
    return ok;
  });
  assert.deepEqual(added, [1, 1, 0]);
  assert.match(text(m._tess_class_reason()), /header/);
  const report = (code) => {
    const at = withString(code, (p) => m._tess_class_report(p, 2026, 12, 9, 10, 5));
    return Buffer.from(m.HEAPU8.subarray(at, at + m._tess_class_report_size()));
  };
  const plain = report('');
  assert.equal(plain.subarray(0, 5).toString('latin1'), '%PDF-');
  // With a class code, the answer key makes the report longer; a code that cannot be used makes
  // none, and says why.
  assert.ok(report('11.A').length > plain.length);
  assert.equal(report('<b>').length, 0);
  assert.match(withString('<b>', (p) => text(m._tess_class_code_fault(p))), /markup/);
  assert.equal(withString('11.A', (p) => text(m._tess_class_code_fault(p))), '');

  m._tess_class_begin();
  report('');
  assert.equal(m._tess_class_report_size(), 0, 'no report without a notebook');
});
